#include "options/ColourSettingsLoader.h"

#include "settings/SettingsFormats.h"
#include "tests/fakes/FakeSettingsStore.h"

#include <gtest/gtest.h>


namespace tarnwick {
namespace {

constexpr Colour kNavy = 0x00800000;
constexpr Colour kGreen = 0x00008000;
constexpr Colour kRed = 0x000000FF;

TEST(ColourSettingsTest, NoKeyGivesTheDefaults) {
    fakes::FakeSettingsStore store;
    store.keyExists = false;
    ColourSettings colours = LoadColourSettings(store);
    EXPECT_EQ(colours, (ColourSettings{kNavy, kNavy, kGreen}));
    EXPECT_EQ(AppliedEntriesOf(colours),
              (AppliedEntries{"\\red0\\green0\\blue128;", "\\red0\\green0\\blue128;", "\\red0\\green128\\blue0;"}));
    EXPECT_EQ(store.readOpens, 1);
    EXPECT_EQ(store.reads, (std::vector<std::string>{"ccFunctions", "ccStatements", "ccComments"}));
}

struct StoredCase {
    const char* name;
    std::string stored;
    Colour expected;
};

TEST(ColourSettingsTest, StoredValues) {
    const StoredCase cases[] = {
        {"identifier in lower case", "clred", kRed},
        {"dollar and hex digits", "$000000FF", kRed},
        {"identifier", "clTeal", 0x00808000},
        {"empty gives the default", "", kNavy},
        {"unreadable gives the default", "reddish", kNavy},
    };
    for (const auto& c : cases) {
        fakes::FakeSettingsStore store;
        store.values["ccFunctions"] = c.stored;
        store.values["ccComments"] = "clBlue";
        ColourSettings colours = LoadColourSettings(store);
        EXPECT_EQ(colours.functions, c.expected) << c.name;
        EXPECT_EQ(colours.statements, kNavy) << c.name;
        EXPECT_EQ(colours.comments, 0x00FF0000u) << c.name;
    }
}

TEST(ColourSettingsTest, ColourEntriesAndTable) {
    EXPECT_EQ(ColourEntry(kNavy), "\\red0\\green0\\blue128;");
    EXPECT_EQ(ColourEntry(kRed), "\\red255\\green0\\blue0;");
    EXPECT_EQ(ColourEntry(0x00FF0000), "\\red0\\green0\\blue255;");
    EXPECT_EQ(ColourEntry(0x00C0DCC0), "\\red192\\green220\\blue192;");
    EXPECT_EQ(ColourEntry(kWindowTextColour), "\\red0\\green0\\blue0;");  // resolved to what it shows
    EXPECT_EQ(ColourTableLine(ColourSettings{}),
              "{\\colortbl;\\red0\\green0\\blue128;\\red0\\green0\\blue128;\\red0\\green128\\blue0;}");
    EXPECT_EQ(ColourTableLine({kRed, 0x00FF0000, kGreen}),
              "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;}");
}

TEST(ColourSettingsTest, TwentyChoicesInListOrder) {
    // The values are written here, not taken from the table they are checked against.
    const struct {
        const char* shownAs;
        const char* identifier;
        Colour value;
    } choices[] = {
        {"Black", "clBlack", 0x00000000},     {"Maroon", "clMaroon", 0x00000080},
        {"Green", "clGreen", 0x00008000},     {"Olive", "clOlive", 0x00008080},
        {"Navy", "clNavy", 0x00800000},       {"Purple", "clPurple", 0x00800080},
        {"Teal", "clTeal", 0x00808000},       {"Gray", "clGray", 0x00808080},
        {"Money Green", "clMoneyGreen", 0x00C0DCC0}, {"Cream", "clCream", 0x00F0FBFF},
        {"Silver", "clSilver", 0x00C0C0C0},   {"Red", "clRed", 0x000000FF},
        {"Lime", "clLime", 0x0000FF00},       {"Yellow", "clYellow", 0x0000FFFF},
        {"Blue", "clBlue", 0x00FF0000},       {"Fuchsia", "clFuchsia", 0x00FF00FF},
        {"Aqua", "clAqua", 0x00FFFF00},       {"White", "clWhite", 0x00FFFFFF},
        {"Sky Blue", "clSkyBlue", 0x00F0CAA6}, {"Medium Gray", "clMedGray", 0x00A4A0A0},
    };
    for (int i = 0; i < 20; ++i) {
        EXPECT_STREQ(kColourChoices[i].shownAs, choices[i].shownAs);
        EXPECT_EQ(kColourChoices[i].value, choices[i].value) << choices[i].shownAs;
        // Each identifier is stored and read back as the colour it names.
        EXPECT_EQ(ParseSettingColour(choices[i].identifier), choices[i].value) << choices[i].identifier;
        EXPECT_EQ(FormatSettingColour(choices[i].value), choices[i].identifier);
        EXPECT_EQ(ColourChoiceIndex(choices[i].value), i);
    }
    EXPECT_EQ(ColourChoiceIndex(0x00123456), std::nullopt);
}

TEST(ColourSettingsTest, CommandLineFile) {
    EXPECT_EQ(CommandLineFileToOpen({"tarnwick.exe"}), std::nullopt);
    EXPECT_EQ(CommandLineFileToOpen({"tarnwick.exe", ""}), std::nullopt);
    EXPECT_EQ(CommandLineFileToOpen({"tarnwick.exe", "C:\\scripts\\run me.vbs", "more"}), "C:\\scripts\\run me.vbs");
}

}  // namespace
}  // namespace tarnwick
