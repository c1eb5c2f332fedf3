#include "documents/DocumentFiles.h"
#include "editor/CaretPrimitives.h"
#include "editor/TextEncoding.h"
#include "fakes/FakeFileWriter.h"
#include "fakes/TempDir.h"
#include "run/ScriptRunner.h"
#include "syntax/DocumentColouring.h"
#include "syntax/SyntaxTable.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using testing::TempDir;

// A script with characters outside Windows-1252, as UTF-8; the line is
// already tidied, so colouring leaves its text alone.
const std::string kScript = "' Grüße: Ω → 日本 😀\r\nMsgBox \"Ω → 日本 😀\"\r\n";
// The same script as UTF-16 LE with its mark; the emoji is a surrogate pair.
std::string Utf16Le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
const std::string kScriptUtf16 = Utf16Le(u"' Grüße: Ω → 日本 😀\r\nMsgBox \"Ω → 日本 😀\"\r\n");

TEST(UnicodeFiles, OpenAndSaveGiveTheFileBackByteForByte) {
    struct Row {
        const char* name;
        std::string file;
        TextEncoding encoding;
        std::string text;     // the document as the editor holds it
        std::string scratch;  // the scratch script a run writes
    };
    const std::string ansi = "' caf\xE9 \x80 5\r\nMsgBox \"\xE9\"\r\n";
    const std::string loneHalf = Utf16Le(u"x") + "\x3D\xD8" + Utf16Le(u"y").substr(2);  // x, a lone high half, y
    const Row rows[] = {
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + kScript, TextEncoding::Utf8, kScript, kScriptUtf16},
        {"UTF-16 LE with its mark", kScriptUtf16, TextEncoding::Utf16Le, kScript, kScriptUtf16},
        {"ANSI stays bytes", ansi, TextEncoding::Ansi, ansi, ansi},
        {"a lone UTF-16 half is kept", loneHalf, TextEncoding::Utf16Le, "x\xED\xA0\xBDy", loneHalf + Utf16Le(u"\r\n").substr(2)},
        {"a pair that ends the file", Utf16Le(u"x😀"), TextEncoding::Utf16Le, "x\xF0\x9F\x98\x80", Utf16Le(u"x😀\r\n")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        fakes::FakeFileWriter writer;
        MainUnit unit;
        unit.Files = &writer;
        unit.SyntaxTable = LoadSyntaxTable(TARNWICK_SOURCE_DIR "/data/syntax.ini");
        DocumentFiles files(unit, nullptr, [](MainUnit& u) { ColourWholeDocument(u); });
        const std::string path = dir.Write("script.vbs", row.file);
        files.OpenOperation("script.vbs", path);
        EXPECT_EQ(unit.Encoding, row.encoding);
        EXPECT_EQ(unit.MainText.Text(), row.text);
        EXPECT_FALSE(files.Changed());
        EXPECT_EQ(ScratchScriptBytes(unit.MainText, unit.Encoding), row.scratch);
        std::filesystem::remove(path);  // so the save must write it all again
        ASSERT_TRUE(files.Save());
        EXPECT_EQ(TempDir::Read(path), row.file);
    }
}

TEST(UnicodeFiles, HalfAUtf16CharacterIsRefusedAndLosesNothing) {
    TempDir dir;
    MainUnit unit;
    DocumentFiles files(unit, nullptr);
    files.OpenOperation("a.vbs", dir.Write("a.vbs", "\xEF\xBB\xBFkept \xCE\xA9"));
    const std::string odd = dir.Write("odd.vbs", "\xFF\xFEx\x00y");
    try {
        files.OpenOperation("odd.vbs", odd);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + odd +
                                             "\". It starts with a UTF-16 mark but does not end with a whole character");
    }
    EXPECT_EQ(unit.MainText.Text(), "kept \xCE\xA9");
    EXPECT_EQ(unit.Encoding, TextEncoding::Utf8);
    EXPECT_EQ(unit.CurrentFileName, dir.File("a.vbs"));
}

TEST(UnicodeText, CharactersAreWholeSequencesAndStrayBytesStandAlone) {
    // a, Ω (2 bytes), 日 (3), 😀 (4), a stray byte, a sequence cut short, b
    const std::string text = "a\xCE\xA9\xE6\x97\xA5\xF0\x9F\x98\x80\xFF\xE6\x97" "b";
    struct Row {
        TextEncoding encoding;
        std::vector<std::size_t> starts;  // every character's first byte
        std::vector<char32_t> codes;
    };
    const Row rows[] = {
        {TextEncoding::Utf8, {0, 1, 3, 6, 10, 11, 12, 13}, {U'a', U'Ω', U'日', U'😀', U'ÿ', U'æ', 0x2014, U'b'}},
        {TextEncoding::Ansi, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(EncodingName(row.encoding));
        std::vector<std::size_t> forward, backward;
        for (std::size_t at = 0; at < text.size(); at += CharLength(text, at, row.encoding)) forward.push_back(at);
        for (std::size_t at = text.size(); at > 0;) backward.insert(backward.begin(), at = PreviousCharStart(text, at, row.encoding));
        EXPECT_EQ(forward, row.starts);
        EXPECT_EQ(backward, row.starts);
        EXPECT_EQ(CharCount(text, row.encoding), static_cast<int>(row.starts.size()));
        for (std::size_t at = 0, i = 0; at < text.size(); ++at) {  // every byte belongs to the character before it
            if (i + 1 < row.starts.size() && at == row.starts[i + 1]) ++i;
            EXPECT_EQ(CharStartAt(text, at, row.encoding), row.starts[i]) << at;
        }
        for (std::size_t i = 0; i < row.codes.size(); ++i)
            EXPECT_EQ(CodePointAt(text, row.starts[i], row.encoding), row.codes[i]) << i;
        // The status bar's column counts characters.
        EditorModel model;
        model.SetText(text);
        model.SetSelStart(model.Length());
        EXPECT_EQ(CurCharColumn(model, row.encoding), static_cast<int>(row.starts.size()) + 1);
    }
    EXPECT_EQ(EncodeCharacter(U'😀', TextEncoding::Utf8), "\xF0\x9F\x98\x80");
    EXPECT_EQ(EncodeCharacter(U'😀', TextEncoding::Ansi), "?");
    EXPECT_EQ(EncodeCharacter(U'€', TextEncoding::Ansi), "\x80");
}

}  // namespace
}  // namespace tarnwick
