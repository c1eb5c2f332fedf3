#include "syntax/SyntaxTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace tarnwick {
namespace {

std::vector<std::string> Names(const SyntaxEntries& table) {
    std::vector<std::string> names;
    for (const auto& e : table) names.push_back(e.Name);
    return names;
}

struct IniCase {
    const char* name;
    std::string ini;
    std::vector<std::string> names;
};

TEST(SyntaxTableTest, WhereTheTableEnds) {
    const IniCase cases[] = {
        {"two sections", "[0]\nName=Dim\n[1]\nName=CreateTextFile\n", {"Dim", "CreateTextFile"}},
        {"X ends the table", "[0]\nName=a\n[1]\nName=X\n[2]\nName=b\n", {"a"}},
        {"lower-case x does not", "[0]\nName=x\n[1]\nName=b\n", {"x", "b"}},
        {"a gap ends the table", "[0]\nName=a\n[1]\nName=b\n[3]\nName=c\n", {"a", "b"}},
        {"a missing Name ends the table", "[0]\nName=a\n[1]\nTypeA=Function\n[2]\nName=c\n", {"a"}},
        {"an empty Name does not", "[0]\nName=\n[1]\nName=b\n", {"", "b"}},
        {"no section 0", "[1]\nName=a\n", {}},
        {"sections in any order", "[1]\nName=b\n[0]\nName=a\n", {"a", "b"}},
        {"leading zeros are other sections", "[00]\nName=a\n", {}},
        {"the first of two sections counts", "[0]\nName=a\n[0]\nName=b\n", {"a"}},
        {"the first of two keys counts", "[0]\nName=a\nName=b\n", {"a"}},
        {"quoted X ends the table", "[0]\nName=\"X\"\n", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Names(ReadSyntaxTable(c.ini)), c.names) << c.name;
}

struct ValueCase {
    const char* name;
    std::string line;
    std::string value;
};

TEST(SyntaxTableTest, ValuesAsTheProfileReaderGivesThem) {
    const ValueCase cases[] = {
        {"blanks around the value", "Name =   Dim  \t", "Dim"},
        {"double quotes", "Name=\" Dim \"", " Dim "},
        {"single quotes", "Name='Dim'", "Dim"},
        {"only one pair", "Name=\"\"Dim\"\"", "\"Dim\""},
        {"unmatched quotes stay", "Name=\"Dim'", "\"Dim'"},
        {"key in any case", "NAME=Dim", "Dim"},
        {"CR LF line ends", "Name=Dim\r", "Dim"},
    };
    for (const auto& c : cases) {
        SyntaxEntries table = ReadSyntaxTable("[0]\r\n" + c.line + "\n[1]\nName=X\n");
        ASSERT_EQ(table.size(), 1u) << c.name;
        EXPECT_EQ(table[0].Name, c.value) << c.name;
    }
}

TEST(SyntaxTableTest, AllFourFieldsAndCaseOfSections) {
    SyntaxEntries table = ReadSyntaxTable(
        "; a comment\n[ 0 ]\ntypea=Statement\nNAME=Dim\nParameter=Dim varname\n"
        "[1]\nName=Path\nTypeA=FSO.File\nTypeB=Property\nUnknown=1\n[2]\nName=Path\nTypeA=FSO.Folder\n");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0], (TColorCoding{"Dim", "Statement", "", "Dim varname"}));
    EXPECT_EQ(table[1], (TColorCoding{"Path", "FSO.File", "Property", ""}));
    EXPECT_EQ(table[2], (TColorCoding{"Path", "FSO.Folder", "", ""}));
}

TEST(SyntaxTableTest, LargeAndBinaryFiles) {
    struct Row {
        const char* name;
        std::string ini;
        std::size_t entries;
        const char* lastName;
        std::size_t lastParameterLength;
    };
    std::string tenThousand;
    for (int n = 0; n < 10000; ++n) tenThousand += "[" + std::to_string(n) + "]\nName=w" + std::to_string(n) + "\n";
    const std::string blob = std::string("\0\xFF\x1A=\x7F\r[\x01]\0", 10) + "\n";
    const Row rows[] = {
        {"10 000 entries", tenThousand, 10000, "w9999", 0},
        {"a value of 100 000 characters is cut", "[0]\nName=a\nParameter=" + std::string(100000, 'p') + "\n", 1, "a", 2047},
        {"binary bytes between and inside sections",
         "[0]\nName=a\n" + blob + "[1]\nName=b\nParameter=" + blob, 2, "b", 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SyntaxEntries table = ReadSyntaxTable(row.ini);
        ASSERT_EQ(table.size(), row.entries);
        EXPECT_EQ(table.back().Name, row.lastName);
        EXPECT_EQ(table.back().Parameter.size(), row.lastParameterLength);
    }
}

TEST(SyntaxTableTest, MissingFileGivesAnEmptyTable) {
    EXPECT_TRUE(LoadSyntaxTable("/nonexistent/dir/syntax.ini").empty());
    EXPECT_TRUE(LoadSyntaxTable(std::filesystem::temp_directory_path().string()).empty());  // a directory
}

TEST(SyntaxTableTest, LoadsAFile) {
    auto path = std::filesystem::temp_directory_path() / "tarnwick-syntax-test.ini";
    std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF[0]\r\nName=Dim\r\nTypeA=Statement\r\n";
    SyntaxEntries table = LoadSyntaxTable(path.string());
    std::filesystem::remove(path);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].TypeA, "Statement");
}

// The shipped table, as the build puts it beside the executables.
TEST(SyntaxTableTest, ShippedTableIsComplete) {
    SyntaxEntries table = LoadSyntaxTable(std::string(TARNWICK_BINARY_DIR) + "/syntax.ini");
    ASSERT_EQ(table.size(), 828u);
    // The word list's 428 rows come first, as they were; the project's own object rows follow.
    std::map<std::string, int> rows, objectRows;
    for (size_t i = 0; i < table.size(); ++i) ++(i < 428 ? rows : objectRows)[table[i].TypeA];
    const std::map<std::string, int> expected = {
        {"Statement", 168}, {"Function", 105}, {"Wscript", 21},          {"FSO", 27},
        {"FSO.File", 29},  {"FSO.Folder", 19}, {"FSO.Drive", 12},        {"WshShell", 14},
        {"WshShell.Shortcut", 9}, {"WshShell.Exec", 7}, {"WshNetwork", 11}, {"Collection", 6},
    };
    EXPECT_EQ(rows, expected);
    for (const auto& [type, count] : expected) EXPECT_EQ(objectRows.count(type), 0u) << type;
    EXPECT_EQ(objectRows.size(), 34u);
    for (const auto& e : table)  // every result type has members of its own
        if (!e.Result.empty()) EXPECT_EQ(objectRows.count(e.Result), 1u) << e.Name << " gives " << e.Result;
    EXPECT_EQ(table.front(), (TColorCoding{"And", "Statement", "Statement", ""}));
    for (const auto& e : table) {
        EXPECT_FALSE(e.Name.empty());
        if (e.TypeA != "Statement" && e.TypeA != "Function") {
            EXPECT_TRUE(e.TypeB == "Function" || e.TypeB == "Property") << e.Name;
        }
    }
    auto find = [&](const std::string& name, const std::string& type) {
        for (const auto& e : table)
            if (e.Name == name && e.TypeA == type) return e;
        return TColorCoding{};
    };
    EXPECT_EQ(find("CreateTextFile", "FSO").TypeB, "Function");
    EXPECT_FALSE(find("CreateTextFile", "FSO").Parameter.empty());
    EXPECT_FALSE(find("MsgBox", "Function").Parameter.empty());
}

}  // namespace
}  // namespace tarnwick
