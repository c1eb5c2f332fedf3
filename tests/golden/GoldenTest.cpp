// Golden scripts: each tests/golden/X.vbs is coloured as a freshly opened file
// (expected in X.vbs.styled) and line by line as the caret leaves each line
// (expected in X.vbs.live), with the shipped syntax table. Colours are shown
// inline ({F} functions, {S} statements, {C} comments, {0} black, {W} window
// text). On a mismatch the result is written beside the expected file as
// X.vbs.styled.new or X.vbs.live.new, to be compared and copied over by hand.

#include "editor/CaretPrimitives.h"
#include "syntax/ColorText.h"
#include "syntax/DocumentColouring.h"
#include "tests/syntax/StyledText.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = fs::path(TARNWICK_SOURCE_DIR) / "tests" / "golden";

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> Scripts() {
    std::vector<fs::path> scripts;
    for (const auto& entry : fs::directory_iterator(kGoldenDir))
        if (entry.path().extension() == ".vbs") scripts.push_back(entry.path());
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

class GoldenTest : public ::testing::Test {
protected:
    void SetUp() override {
        unit.SyntaxTable = LoadSyntaxTable((fs::path(TARNWICK_SOURCE_DIR) / "data" / "syntax.ini").string());
        unit.Colours = &colours;
    }

    // Compares with the expected file; writes the .new file when they differ.
    void Compare(const fs::path& script, const std::string& suffix, const std::string& actual) {
        fs::path expectedPath = script;
        expectedPath += suffix;
        fs::path newPath = expectedPath;
        newPath += ".new";
        if (fs::exists(expectedPath) && ReadBytes(expectedPath) == actual) {
            fs::remove(newPath);
            return;
        }
        std::ofstream(newPath, std::ios::binary) << actual;
        ADD_FAILURE() << expectedPath.filename() << " differs; the result is in " << newPath;
    }

    ColourSettings colours{0x000000FF, 0x00FF0000, 0x00008000};
    MainUnit unit;
};

TEST_F(GoldenTest, OpenedScripts) {
    ASSERT_FALSE(Scripts().empty());
    for (const fs::path& script : Scripts()) {
        unit.MainText.SetText(ReadBytes(script));
        ColourWholeDocument(unit);
        Compare(script, ".styled", testing::StyledDocument(unit.MainText, colours));
    }
}

TEST_F(GoldenTest, ScriptsColouredLineByLine) {
    for (const fs::path& script : Scripts()) {
        unit.MainText.SetText(ReadBytes(script));
        EditorModel& m = unit.MainText;
        for (int line = 1; line <= m.BreakCount() + 1; ++line) {
            unit.CurLine = line;
            m.SetSelStart(FirstColumn(m, line));
            ColorText(unit, line);
            ASSERT_TRUE(m.Check()) << script.filename() << " line " << line;
        }
        Compare(script, ".live", testing::StyledDocument(m, colours));
    }
}

}  // namespace
}  // namespace tarnwick
