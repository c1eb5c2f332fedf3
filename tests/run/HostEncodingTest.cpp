#include "run/HostEncoding.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

using Words = std::vector<std::string>;

TEST(HostEncodingTest, EachHostIsReadAsItWrites) {
    const std::string u16Cafe("c\0a\0f\0\xE9\0", 8);
    const std::string u16Emoji("\x3D\xD8\x00\xDE", 4);  // U+1F600 as a pair
    struct Row {
        const char* name;
        Words started;
        int oem;
        std::vector<std::string> reads;  // the bytes of each read from the pipe
        std::string text;                // UTF-8
    } rows[] = {
        {"our host: UTF-8, a character split between reads",
         {"wine", "/opt/t/tarnwick-host.exe", "//nologo", "s.vbs"},
         437,
         {"caf\xC3", "\xA9 \xE2\x82", "\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98", "\x80"},
         "caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80"},
        {"our host: its mark goes, bad bytes become U+FFFD", {"tarnwick-host"}, 437,
         {"\xEF\xBB", "\xBF" "a\xFF\xC3(\xED\xA0\x80"},
         "a\xEF\xBF\xBD\xEF\xBF\xBD(\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"our host with //U: UTF-16, a pair split between reads",
         {"wine", "Tarnwick-Host.EXE", "//B", "//u", "s.vbs"},
         437,
         {u16Cafe + u16Emoji.substr(0, 3), u16Emoji.substr(3) + std::string("\r\0\n\0", 4)},
         "caf\xC3\xA9\xF0\x9F\x98\x80\r\n"},
        {"UTF-16: a lone half and an odd byte at the end", {"cscript", "//U", "s.vbs"}, 437,
         {std::string("\x00\xDC" "a\0\x3D\xD8", 6), "b"}, "\xEF\xBF\xBD" "a\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"cscript under Wine: code page 437", {"wine", "cscript", "//nologo", "s.vbs"}, 437, {"caf\x82 \x9C"},
         "caf\xC3\xA9 \xC2\xA3"},
        {"cscript on Windows: the OEM code page", {"C:\\Windows\\system32\\CSCRIPT.EXE", "s.vbs"}, 858, {"\xD5 \x82"},
         "\xE2\x82\xAC \xC3\xA9"},
        {"Russian console: 866", {"cscript", "s.vbs"}, 866, {"\x8F\xE0"}, "\xD0\x9F\xD1\x80"},
        {"//U after the script is the script's own argument", {"cscript", "s.vbs", "//U"}, 437, {"\x82"}, "\xC3\xA9"},
        {"an unknown code page reads as 437", {"cscript", "s.vbs"}, 932, {"\x82"}, "\xC3\xA9"},
        {"any other program: UTF-8", {"/usr/bin/python3", "//U"}, 437, {"\xC3\xA9"}, "\xC3\xA9"},
    };
    for (const Row& row : rows) {
        HostOutputDecoder decoder(HostWritingOf(row.started, row.oem));
        std::string text;
        for (const std::string& read : row.reads) text += decoder.Decode(read);
        text += decoder.Finish();
        EXPECT_EQ(text, row.text) << row.name;
    }
    EXPECT_TRUE(KnowsOemCodePage(850));
    EXPECT_FALSE(KnowsOemCodePage(1252));
}

TEST(HostEncodingTest, PiecesNeverSplitACharacter) {
    const std::string text = "ab\xE2\x82\xAC" "c";
    const std::pair<std::size_t, std::size_t> rows[] = {{2, 2}, {3, 2}, {4, 2}, {5, 5}, {9, 6}};
    for (const auto& [limit, length] : rows) EXPECT_EQ(Utf8PieceLength(text, limit), length) << limit;
    EXPECT_EQ(Utf8PieceLength("\xE2\x82\xAC", 1), 1u);  // a limit shorter than one character cuts it all the same
}

}  // namespace
}  // namespace tarnwick
