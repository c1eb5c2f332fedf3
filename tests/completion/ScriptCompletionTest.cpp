#include "completion/EditorTracker.h"
#include "completion/NamesInScope.h"

#include "CompletionTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarnwick {
namespace {

using testing::FakeMeasure;
using testing::TestUnit;
using testing::TypeKeys;

const char* const kScript =
    "Class Counter\r\n"
    "  Public Count\r\n"
    "  Private hidden\r\n"
    "  Public Sub Add(amount, ByVal note)\r\n"
    "    Dim before\r\n"
    "    |\r\n"
    "  End Sub\r\n"
    "  Private Function Secret()\r\n"
    "  End Function\r\n"
    "  Public Property Get Total\r\n"
    "  End Property\r\n"
    "  Public Property Let Total(v)\r\n"
    "  End Property\r\n"
    "End Class\r\n"
    "Const Limit = 3\r\n"
    "Dim total\r\n"
    "Sub Report(what)\r\n"
    "  Dim line\r\n"
    "  |\r\n"
    "End Sub\r\n";

// One letter per icon: method, property, variable, procedure, class, keyword.
std::string Shown(const CompletionList& list, std::size_t most) {
    std::string out;
    const char letters[] = "fpvsck";
    for (std::size_t i = 0; i < list.Rows().size() && i < most; ++i)
        out += (out.empty() ? "" : " ") + list.Rows()[i].Name + ":" + letters[static_cast<int>(list.Rows()[i].Icon)];
    return list.IsOpen() ? out : "(closed)";
}

// The script above with the caret at one of its "|" marks and the keys typed there.
struct Row {
    const char* name;
    int mark;          // which "|" the caret stands at: 0 in Counter.Add, 1 in Report
    const char* keys;  // "^" is Ctrl+Space
    std::size_t most;  // rows compared
    const char* rows;  // or the tip ("tip:"), or the selected row ("sel:")
};

TEST(ScriptCompletion, OwnClassesNamesAndTips) {
    const Row rows[] = {
        {"New gives the class's public members", 1, "Set c = New Counter\nc.", 9, "Add:f Count:v Total:p"},
        {"Me lists every member", 0, "Me.", 9, "Add:f Count:v hidden:v Secret:f Total:p"},
        {"the nearest Set decides", 1, "Set c = New Counter\nSet c = CreateObject(\"X.Y\")\nc.", 9, "(closed)"},
        {"New of a class the script lacks", 1, "Set c = New RegExp\nc.", 9, "(closed)"},
        {"a Set in a comment", 1, "x = 1 ' was: Set c = New Counter\nc.", 9, "(closed)"},
        {"Me outside a class", 1, "Me.", 9, "(closed)"},
        {"With an object of the class", 1, "Set c = New Counter\nWith c\n.", 9, "Add:f Count:v Total:p"},
        {"With New of the class", 1, "With New Counter\n  x = .", 9, "Add:f Count:v Total:p"},
        {"With Me", 0, "With Me\n.", 9, "Add:f Count:v hidden:v Secret:f Total:p"},
        {"locals first, then the script's names", 1, "^", 7,
         "line:v what:v Counter:c Limit:v Report:s total:v CreateObject:s"},
        {"in a method the class's members come before the script's", 0, "^", 9,
         "amount:v before:v note:v Add:f Count:v hidden:v Secret:f Total:p Counter:c"},
        {"Ctrl+Space follows the name typed", 1, "lim^", 0, "sel:Limit"},
        {"and a member typed is chosen", 1, "Set c = New Counter\nc.to", 0, "sel:Total"},
        {"an own procedure's tip", 1, "x = Report(", 0, "tip: Report(what) "},
        {"a member's tip", 1, "c.Add ", 0, "tip: Add(amount, note) "},
        {"tips read the outline they have, parsing nothing per key", 1, "x = Report(", 0, "outline:stale"},
        {"a Unicode script's name with an accent", 1, "Dim caf\xC3\xA9\n^", 1, "caf\xC3\xA9:v"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string text = kScript;
        for (int mark = 0; mark < 2; ++mark) {
            const std::size_t at = text.find('|');
            text.erase(at, 1);
            if (mark == row.mark) text.insert(at, "\x01");
        }
        const std::size_t caret = text.find('\x01');
        text.erase(caret, 1);
        TestUnit t(text);
        if (std::string(row.keys).find('\xC3') != std::string::npos) t.unit.Encoding = TextEncoding::Utf8;
        FakeMeasure measure;
        EditorTracker tracker(t.unit, &measure);
        t.unit.MainText.SetSelStart(static_cast<int>(caret));
        tracker.MainTextSelectionChange();
        for (const char c : std::string(row.keys)) {
            if (c == '^') EXPECT_TRUE(tracker.MainTextKeyDown(Key::Space, {false, true, false}));
            else TypeKeys(tracker, t.unit.MainText, std::string(1, c));
        }
        const CompletionList& list = tracker.Lst();
        if (std::string(row.rows).rfind("tip:", 0) == 0)
            EXPECT_EQ("tip:" + tracker.Tip().Text, row.rows);
        else if (std::string(row.rows).rfind("outline:", 0) == 0)
            EXPECT_EQ(std::string("outline:") + (tracker.Knowledge().Stale() ? "stale" : "fresh"), row.rows);
        else if (std::string(row.rows).rfind("sel:", 0) == 0)
            EXPECT_EQ("sel:" + (list.ItemIndex() < 0 ? std::string() : list.Rows()[list.ItemIndex()].Name), row.rows);
        else
            EXPECT_EQ(Shown(list, row.most), row.rows);
    }
}

// Accepting a name from Ctrl+Space writes it over the name typed, as a member is written after a dot.
TEST(ScriptCompletion, CtrlSpaceAcceptsLikeTheMemberList) {
    TestUnit t("Dim counter\r\nx = cou");
    EditorTracker tracker(t.unit);
    tracker.MainTextSelectionChange();
    EXPECT_TRUE(tracker.MainTextKeyDown(Key::Space, {false, true, false}));
    ASSERT_TRUE(tracker.Lst().IsOpen());
    TypeKeys(tracker, t.unit.MainText, "n\n");
    EXPECT_EQ(t.unit.MainText.Text(), "Dim counter\r\nx = counter\r\n");
}

// Ctrl+Space's kept rows are the rows made afresh after whatever changed since they were kept.
TEST(ScriptCompletion, KeptNamesInScopeFollowWhatTheyAreMadeOf) {
    using Change = std::function<void(TestUnit&, ScriptKnowledge&)>;
    const auto outlineNow = [](TestUnit& t, ScriptKnowledge& knowledge) {
        const std::string& text = t.unit.MainText.Text();
        const auto tree = language::AnalyzeScript(text, language::TextForm::Ansi, language::CheckOptions{false}).tree;
        knowledge.SetOutline(std::make_shared<const ScriptOutline>(ScriptOutline::Of(tree, text)));
    };
    const auto caretAfter = [](std::string line) {
        return [line](TestUnit& t, ScriptKnowledge&) {
            t.unit.MainText.SetSelStart(int(t.unit.MainText.Text().find(line) + line.size()));
        };
    };
    const struct {
        const char* name;
        Change change;
        bool kept;
    } rows[] = {
        {"nothing changed", [](TestUnit&, ScriptKnowledge&) {}, true},
        {"a new outline",
         [&](TestUnit& t, ScriptKnowledge& k) {
             t.unit.MainText.TypeText("Dim extra\r\n");
             outlineNow(t, k);
         },
         false},
        {"the caret in a procedure", caretAfter("(a)\r\n"), false},
        {"the caret in a class", caretAfter("  Public m\r\n"), false},
        {"a Dim typed since the outline", [](TestUnit& t, ScriptKnowledge&) { t.unit.MainText.TypeText("Dim d"); },
         false},
        {"the table changed",
         [](TestUnit& t, ScriptKnowledge&) { t.unit.SyntaxTable.push_back(testing::Entry("Zap", "Function")); }, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // A script too large to be outlined again on the spot: a stale outline is kept.
        TestUnit t("' " + std::string(ScriptKnowledge::kOutlineNowLimit, 'x') +
                   "\r\nClass K\r\n  Public m\r\n  \r\nEnd Class\r\nSub One(a)\r\n  \r\nEnd Sub\r\n");
        ScriptKnowledge knowledge(t.unit.MainText);
        outlineNow(t, knowledge);
        NamesInScopeCache cache;
        const CompletionList::SharedRows before = cache.Rows(knowledge, t.unit.MainText, t.unit.SyntaxTable);
        row.change(t, knowledge);
        const CompletionList::SharedRows after = cache.Rows(knowledge, t.unit.MainText, t.unit.SyntaxTable);
        EXPECT_EQ(*after, NamesInScope(knowledge, t.unit.MainText, t.unit.SyntaxTable));
        EXPECT_EQ(after == before, row.kept);
    }
}

}  // namespace
}  // namespace tarnwick
