#include <gtest/gtest.h>

#include "core/Draws.h"
#include "core/Windows1252.h"

namespace quintara {
namespace {

TEST(Windows1252Test, EveryByteDecodesToUtf8AndEncodesBack) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string utf8 = DecodeWindows1252(one);
        EXPECT_TRUE(IsUtf8(utf8)) << byte;
        const Windows1252Text back = EncodeWindows1252(utf8);
        ASSERT_TRUE(back.Ok()) << byte;
        EXPECT_EQ(back.bytes, one) << byte;
    }
    EXPECT_EQ(DecodeWindows1252("M\xE9rlin"), "M\u00E9rlin");
    EXPECT_EQ(DecodeWindows1252("\x80\x8A\x9F\xA0\xFF"), "\u20AC\u0160\u0178\u00A0\u00FF");
    // The five bytes the code page leaves undefined become the control characters of their value.
    EXPECT_EQ(DecodeWindows1252("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Windows1252Test, CharactersOutsideTheCodePageAndMalformedUtf8AreRefused) {
    // The text, where its fault starts, the code point (0 for bytes that are not UTF-8) and the fault.
    const std::tuple<std::string, std::size_t, std::uint32_t, std::string> cases[] = {
        {"Wa\u0142\u0119sa", 2, 0x142, "the character \"\u0142\" (U+0142), which Windows-1252 cannot hold"},
        {"\U0001F600", 0, 0x1F600, "the character \"\U0001F600\" (U+1F600), which Windows-1252 cannot hold"},
        {"ab\xC0\x80", 2, 0, "bytes that are not UTF-8 text"},        // overlong NUL
        {"\xED\xA0\x80", 0, 0, "bytes that are not UTF-8 text"},      // a surrogate
        {"M\xE9rlin", 1, 0, "bytes that are not UTF-8 text"},         // Windows-1252 bytes themselves
        {"\xE2\x82", 0, 0, "bytes that are not UTF-8 text"},          // cut in the middle of a character
        {"x\x80", 1, 0, "bytes that are not UTF-8 text"},             // a stray continuation byte
        {"\xF4\x90\x80\x80", 0, 0, "bytes that are not UTF-8 text"},  // above U+10FFFF
    };
    for (const auto& [text, offset, codePoint, description] : cases) {
        const Windows1252Text encoded = EncodeWindows1252(text);
        ASSERT_FALSE(encoded.Ok()) << text;
        EXPECT_EQ(encoded.fault->offset, offset) << text;
        EXPECT_EQ(encoded.fault->codePoint, codePoint) << text;
        EXPECT_EQ(encoded.fault->Describe(text), description);
        EXPECT_EQ(IsUtf8(text), codePoint != 0) << text;
    }
    EXPECT_EQ(EncodeWindows1252("\u20AC5 \u00C9t\u00E9").bytes,
              "\x80"
              "5 \xC9t\xE9");
}

TEST(Windows1252Test, RecordFieldsRefuseControlCharactersAndUpperCaseTheCodePagesLetters) {
    for (const std::string& text : {std::string("a\nb"), std::string("\r"), std::string("x\0", 2),
                                    std::string("\t"), std::string("\x7F"), std::string("\u0081")}) {
        const Windows1252Text encoded = EncodeWindows1252Field(text);
        ASSERT_FALSE(encoded.Ok()) << text;
        EXPECT_TRUE(encoded.fault->Describe(text).starts_with("the control character U+00")) << text;
    }
    EXPECT_EQ(EncodeWindows1252Field("a\nb").fault->Describe("a\nb"), "the control character U+000A");
    EXPECT_EQ(EncodeWindows1252Field("\u0142").fault->Describe("\u0142"),
              EncodeWindows1252("\u0142").fault->Describe("\u0142"));

    const std::string lower =
        EncodeWindows1252("m\u00E9rlin \u00E0\u00FE\u00FF\u0161\u0153\u017E \u00DF\u00B5\u00F7").bytes;
    EXPECT_EQ(DecodeWindows1252(UpperCaseWindows1252(lower)),
              "M\u00C9RLIN \u00C0\u00DE\u0178\u0160\u0152\u017D \u00DF\u00B5\u00F7");
}

TEST(Windows1252Test, DrawsLeaveTheProgramAsUtf8) {
    ThunderballDrawRec draw{0, {1, 2, 3, 4, 5}, 6, "\xC9t\xE9", "M\xE9rlin \x80 "};
    const DrawView view = ViewOf(draw);
    EXPECT_EQ(view.ballSet, "\u00C9t\u00E9");
    EXPECT_EQ(view.machine, "M\u00E9rlin \u20AC");
}

}  // namespace
}  // namespace quintara
