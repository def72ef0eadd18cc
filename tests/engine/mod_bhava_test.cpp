#include "engine/mod_bhava.h"

#include <gtest/gtest.h>

TEST(Constants, AreTheModuleValues) {
    EXPECT_EQ(PI, 3.14159265358979);
    EXPECT_EQ(DegToRad, 0.0174532925199433);
    EXPECT_EQ(RadToDeg, 57.2957795130823);
}
