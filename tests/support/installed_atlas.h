#pragma once

// The installed atlas of places, read once for the whole test program; null
// when it cannot be read.

#include "atlas/atlas.h"

#include <memory>
#include <utility>

inline std::shared_ptr<const Atlas> installedAtlas() {
    static const std::shared_ptr<const Atlas> atlas = [] {
        AtlasLoad load = Atlas::load(DefaultAtlasFolder());
        return load.atlas ? std::make_shared<const Atlas>(std::move(*load.atlas)) : nullptr;
    }();
    return atlas;
}
