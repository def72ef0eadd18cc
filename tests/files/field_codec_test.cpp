#include "files/field_codec.h"
#include "reading_test_support.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <string>

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QByteArray bytes(std::initializer_list<int> codes) {
    QByteArray b;
    for (const int c : codes) {
        b.append(static_cast<char>(c));
    }
    return b;
}

TEST(FieldCodec, CodePageConverterIsAvailable) {
    // Without it the codes 128..159 would fall back to Latin-1.
    EXPECT_TRUE(QStringDecoder("windows-1252").isValid());
    EXPECT_TRUE(QStringEncoder("windows-1252").isValid());
}

struct StoreCase {
    const char* text; // UTF-8
    QByteArray stored;
    const char* leftOut; // UTF-8
};

TEST(FieldCodec, StoresTextsByteForByte) {
    const StoreCase cases[] = {
        {"abc", bytes({0xB6, 0xB7, 0xB8}), ""},
        {"12", bytes({0x86, 0x87}), ""},
        {"True", bytes({0xA9, 0xC7, 0xCA, 0xBA}), ""},
        {"False", bytes({0x9B, 0xB6, 0xC1, 0xC8, 0xBA}), ""},
        {"", QByteArray(), ""},
        {"-5", bytes({0x82, 0x8A}), ""},
        {"A B", bytes({0x96, 0x75, 0x97}), ""},
        {"\t", bytes({0x5E}), ""},
        // The euro sign is code 128 of the code page, ª its code 170, the
        // last one that fits; « (171) and é (233) do not.
        {"\xE2\x82\xAC", bytes({0xD5}), ""},
        {"\xC2\xAA", bytes({0xFF}), ""},
        {"a\xC2\xAB"
         "b",
         bytes({0xB6, 0xB7}), "\xC2\xAB"},
        {"Ren\xC3\xA9", bytes({0xA7, 0xBA, 0xC3}), "\xC3\xA9"},
        // Characters the code page lacks, a pair of surrogates among them.
        {"K\xC4\x81li \xF0\x9F\x98\x80", bytes({0xA0, 0xC1, 0xBE, 0x75}),
         "\xC4\x81\xF0\x9F\x98\x80"},
        // Each left-out character is named once, in order of appearance.
        {"\xC3\x89l\xC3\xA9onore \xC3\xA9", bytes({0xC1, 0xC4, 0xC3, 0xC4, 0xC7, 0xBA, 0x75}),
         "\xC3\x89\xC3\xA9"},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.text);
        const StoredField field = StoreField(u(c.text));
        EXPECT_EQ(field.bytes.toHex(' '), c.stored.toHex(' '));
        EXPECT_EQ(field.leftOut, u(c.leftOut));
        EXPECT_EQ(EncodeField(ToCodePage(u(c.text))), c.stored);
    }
}

TEST(FieldCodec, ShiftDropsCodesThatLeaveTheByteRange) {
    EXPECT_EQ(EncodeField(bytes({0, 84, 85, 170, 171, 255})), bytes({85, 169, 170, 255}));
    EXPECT_EQ(DecodeField(bytes({0, 13, 10, 84, 85, 170, 255})), bytes({0, 85, 170}));
}

TEST(FieldCodec, EveryStorableCodeComesBack) {
    QByteArray all;
    for (int code = 0; code <= kHighestStorableCode; ++code) {
        all.append(static_cast<char>(code));
    }
    const QByteArray stored = EncodeField(all);
    ASSERT_EQ(stored.size(), all.size());
    EXPECT_FALSE(stored.contains('\r'));
    EXPECT_FALSE(stored.contains('\n'));
    EXPECT_EQ(DecodeField(stored), all);

    const QString text = FromCodePage(all);
    EXPECT_EQ(ToCodePage(text), all);
    EXPECT_EQ(LoadField(StoreField(text).bytes), text);
    EXPECT_TRUE(StoreField(text).leftOut.isEmpty());
}

TEST(FieldCodec, CodePageIsWindows1252) {
    EXPECT_EQ(FromCodePage(bytes({0x80, 0x99, 0xE9})), u("\xE2\x82\xAC\xE2\x84\xA2\xC3\xA9"));
    EXPECT_EQ(ToCodePage(u("\xE2\x80\x9Cx\xE2\x80\x9D")), bytes({0x93, 'x', 0x94}));
    // Characters outside it are left out, not replaced.
    EXPECT_EQ(ToCodePage(u("a\xE2\x86\x92"
                           "b")),
              QByteArray("ab"));
}

} // namespace
