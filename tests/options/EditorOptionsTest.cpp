#include "options/EditorOptions.h"

#include "editor/CaretPrimitives.h"
#include "settings/SettingsFormats.h"
#include "syntax/ColorText.h"
#include "syntax/DocumentColouring.h"
#include "tests/fakes/FakeSettingsStore.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

constexpr Colour kNavy = 0x00800000;
constexpr Colour kGreen = 0x00008000;
constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlue = 0x00FF0000;

// Line 1: a statement, a function and a comment; line 2 a function.
constexpr const char* kScript = "dim x ' note\r\nmsgbox x\r\n";
constexpr const char* kOpened = "Dim x ' note\r\nMsgBox x\r\n";
constexpr int kDim = 0, kComment = 6, kMsgBox = 14, kPlainX = 4;

class EditorOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        unit.SyntaxTable = {{"MsgBox", "Function", "Function", ""}, {"Dim", "Statement", "Statement", ""}};
        unit.Colours = &colours;
        unit.Settings = &store;
    }
    // As a file is opened: the whole document coloured with the colours in force.
    void Open(const char* text) {
        unit.MainText.SetText(text);
        ColourWholeDocument(unit);
    }
    void Apply(const FontChoice& font) { ApplyEditorOptions(unit, font, colours, applied); }

    MainUnit unit;
    ColourSettings colours;  // the pickers
    AppliedEntries applied = AppliedEntriesOf(colours);
    fakes::FakeSettingsStore store;
};

TEST_F(EditorOptionsTest, ResetThenApplyStoresTheDefaults) {
    colours = {kRed, kBlue, 0x00123456};
    FontChoice font{"Arial", "14"};
    ResetToDefault(font, colours);
    EXPECT_EQ(font, (FontChoice{"Courier New", "10"}));
    Apply(font);
    EXPECT_EQ(store.writes, (std::vector<std::string>{"ccFunctions", "ccStatements", "ccComments", "FontName",
                                                      "FontSize"}));
    EXPECT_EQ(store.values, (std::map<std::string, std::string>{{"ccFunctions", "clNavy"},
                                                                {"ccStatements", "clNavy"},
                                                                {"ccComments", "clGreen"},
                                                                {"FontName", "Courier New"},
                                                                {"FontSize", "10"}}));
    EXPECT_EQ(applied, AppliedEntriesOf(ColourSettings{}));
}

// Apply gives every character of a role its role's new colour at once, even
// where two roles showed the same colour before; the rest keeps its colour.
TEST_F(EditorOptionsTest, ApplyRecoloursEachRoleOfTheDocument) {
    struct Case {
        const char* name;
        ColourSettings picked;
    };
    const Case cases[] = {
        {"red functions", {kRed, kNavy, kGreen}},
        {"red statements, functions stay navy", {kNavy, kRed, kGreen}},
        {"all three changed", {kBlue, kGreen, kRed}},
    };
    for (const Case& c : cases) {
        colours = ColourSettings{};
        Open(kScript);
        unit.MainText.SetSelStart(kMsgBox);
        unit.MainText.SetSelLength(6);
        unit.MainText.SetSelText("y");  // an edit to undo afterwards
        colours = c.picked;
        Apply({"Courier New", "10"});
        const EditorModel& m = unit.MainText;
        EXPECT_EQ(m.ColourAt(kDim), c.picked.statements) << c.name;
        EXPECT_EQ(m.ColourAt(kComment), c.picked.comments) << c.name;
        EXPECT_EQ(m.ColourAt(kPlainX), kWindowTextColour) << c.name;
        unit.MainText.Undo();  // the text taken back carries the new colours too
        EXPECT_EQ(m.Text(), kOpened) << c.name;
        EXPECT_EQ(m.ColourAt(kMsgBox), c.picked.functions) << c.name;
        EXPECT_EQ(m.ColourAt(kMsgBox + 5), c.picked.functions) << c.name;
        EXPECT_TRUE(m.Check()) << c.name;
    }
}

TEST_F(EditorOptionsTest, LiveColouredWordsTakeTheNewColourToo) {
    unit.MainText.SetText("msgbox 1 ' x");
    ColorText(unit, 1);
    colours = {kRed, kBlue, kNavy};
    Apply({"Courier New", "10"});
    EXPECT_EQ(unit.MainText.ColourAt(0), kRed);
    EXPECT_EQ(unit.MainText.ColourAt(9), kNavy);
}

TEST_F(EditorOptionsTest, ApplyOnAnEmptyDocumentChangesTheFontOnly) {
    Apply({"Liberation Mono", "12"});
    EXPECT_EQ(unit.MainText.Text(), "");
    EXPECT_EQ(unit.MainText.FontName(), "Liberation Mono");
    EXPECT_EQ(unit.MainText.FontSize(), 12);
}

TEST_F(EditorOptionsTest, EverySecondFontChangeTakesEffect) {
    Open(kScript);
    for (const FontChoice& font : {FontChoice{"Arial", "12"}, FontChoice{"No Such Font", "16"}, FontChoice{"Default", "9"}}) {
        Apply(font);
        EXPECT_EQ(CurrentFontChoice(unit.MainText), font);
        EXPECT_EQ(store.values["FontName"], font.name);  // stored as typed, installed or not
        EXPECT_EQ(store.values["FontSize"], font.size);
    }
    Apply({"", "9"});  // an empty name keeps the face, and the face is what is stored
    EXPECT_EQ(store.values["FontName"], "Default");
}

TEST_F(EditorOptionsTest, TypedSizesAreReadAsThePlatformReadsIntegers) {
    const std::pair<const char*, int> sizes[] = {
        {"  12", 12}, {"+14", 14}, {"$10", 16}, {"0x0b", 11}, {"007", 7}, {"1638", 1638},
    };
    for (const auto& [typed, points] : sizes) {
        Apply({"Arial", typed});
        EXPECT_EQ(unit.MainText.FontSize(), points) << typed;
    }
    EXPECT_EQ(ParseTypedInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseTypedInteger("-2147483648"), INT32_MIN);
    for (const char* refused : {"2147483648", "$100000000", "$", "- 1", "1e3"}) EXPECT_FALSE(ParseTypedInteger(refused));
}

TEST_F(EditorOptionsTest, FailuresStopApply) {
    struct Case {
        const char* name;
        std::string size;
        bool writable;
        std::string message;
        int sizeAfter;
    };
    const Case cases[] = {
        {"size not a number, nothing changes", "12pt", true, "'12pt' is not a valid integer value", 10},
        {"empty size", "", true, "'' is not a valid integer value", 10},
        {"a blank after the digits", "12 ", true, "'12 ' is not a valid integer value", 10},
        {"size 0", "0", true, "'0' is no font size the editor can show: sizes go from 1 to 1638 points", 10},
        {"size 5000", "5000", true, "'5000' is no font size the editor can show: sizes go from 1 to 1638 points", 10},
        {"settings not writable, after the size", "14", false, "Failed to set data for 'ccFunctions'", 14},
    };
    for (const Case& c : cases) {
        colours = ColourSettings{};
        Open(kScript);
        unit.MainText.SetFontSize(10);
        store.writable = c.writable;
        colours.functions = kRed;
        try {
            Apply({"Arial", c.size});
            ADD_FAILURE() << c.name << ": no failure";
        } catch (const Error& failure) {
            EXPECT_EQ(std::string(failure.what()), c.message) << c.name;
        }
        EXPECT_EQ(unit.MainText.FontSize(), c.sizeAfter) << c.name;
        EXPECT_EQ(unit.MainText.FontName(), "Courier New") << c.name;
        EXPECT_EQ(unit.MainText.ColourAt(kMsgBox), kNavy) << c.name;
        EXPECT_TRUE(store.values.empty()) << c.name;
        EXPECT_EQ(applied, AppliedEntriesOf(ColourSettings{})) << c.name;
    }
}

TEST_F(EditorOptionsTest, ListsOfTheDialog) {
    const std::vector<std::string> sizes = FontSizeChoices();
    ASSERT_EQ(sizes.size(), 17u);
    EXPECT_EQ(sizes.front(), "8");
    EXPECT_EQ(sizes.back(), "24");
    EXPECT_EQ(FontNameChoices({"courier", "Arial", "Default", "DejaVu Sans"}),
              (std::vector<std::string>{"Arial", "courier", "Default", "DejaVu Sans"}));

    const std::vector<PickerEntry> twenty = PickerEntries(kNavy);
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_EQ(twenty[0], (PickerEntry{"Black", 0}));
    EXPECT_EQ(twenty[8], (PickerEntry{"Money Green", 0x00C0DCC0}));
    EXPECT_EQ(twenty[19], (PickerEntry{"Medium Gray", 0x00A4A0A0}));
    const std::vector<PickerEntry> extra = PickerEntries(0x00123456);
    ASSERT_EQ(extra.size(), 21u);
    EXPECT_EQ(extra.back(), (PickerEntry{"$00123456", 0x00123456}));
}

}  // namespace
}  // namespace tarnwick
