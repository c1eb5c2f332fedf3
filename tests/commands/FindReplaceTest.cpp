#include "commands/FindReplace.h"

#include "completion/EditorTracker.h"
#include "editor/CaretPrimitives.h"
#include "tests/fakes/FakeBoxes.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using Kind = fakes::FakeBoxes::Kind;
constexpr SearchDirection kUp = SearchDirection::Up;
constexpr SearchDirection kDown = SearchDirection::Down;
const std::vector<std::string> kNoResults{"Search completed with no results!"};
const std::vector<std::string> kSilent{};

FindDialogState Find(std::string text, SearchDirection direction = kDown, bool matchCase = false,
                     bool wholeWord = false) {
    return {std::move(text), matchCase, wholeWord, direction};
}
ReplaceDialogState Replace(std::string find, std::string with, bool matchCase = false, bool wholeWord = false) {
    return {std::move(find), std::move(with), matchCase, wholeWord};
}

struct Row {
    const char* name;
    std::string text;
    int selStart;
    int selLength;
    FindReplaceDialogs dialogs;
    std::string expectedText;
    int expectedSelStart;
    int expectedSelLength;
    std::vector<std::string> messages;
};

class FindReplace : public ::testing::Test {
protected:
    void SetUp() override {
        unit.Colours = &colours;
        unit.Boxes = &boxes;
    }
    void Place(const std::string& text, int start, int length) {
        unit.MainText.SetText(text);
        unit.MainText.ClearUndo();
        unit.MainText.SetSelStart(start);
        unit.MainText.SetSelLength(length);
        unit.CurLine = unit.PrevLine = CurLineNum(unit.MainText, start);
    }
    template <typename Step>
    void Run(const std::vector<Row>& rows, Step step) {
        for (Row row : rows) {
            SCOPED_TRACE(row.name);
            boxes.shown.clear();
            Place(row.text, row.selStart, row.selLength);
            step(row.dialogs);
            EXPECT_EQ(unit.MainText.Text(), row.expectedText);
            EXPECT_EQ(unit.MainText.SelStart(), row.expectedSelStart);
            EXPECT_EQ(unit.MainText.SelLength(), row.expectedSelLength);
            EXPECT_EQ(boxes.Texts(Kind::Information), row.messages);
            EXPECT_EQ(boxes.shown.size(), row.messages.size());
            EXPECT_FALSE(unit.Busy);
            EXPECT_TRUE(unit.MainText.Check());
            if (row.expectedText != row.text) {  // one undo step brings the text back
                unit.MainText.Undo();
                EXPECT_EQ(unit.MainText.Text(), row.text);
            }
        }
    }
    MainUnit unit;
    ColourSettings colours{0x0000FF, 0xFF0000, 0x008000};
    fakes::FakeBoxes boxes;
};

TEST_F(FindReplace, FindNext) {
    Run(
        {
            {"down from the caret selects the first", "a-a", 0, 0, {Find("a"), {}}, "a-a", 0, 1, kSilent},
            {"down from a selected hit selects the next", "a-a", 0, 1, {Find("a"), {}}, "a-a", 2, 1, kSilent},
            {"after the last hit: message, no wrap, selection kept", "a-a", 2, 1, {Find("a"), {}}, "a-a", 2, 1,
             kNoResults},
            {"down starts at the caret, not before it", "aXa", 1, 0, {Find("a"), {}}, "aXa", 2, 1, kSilent},
            {"up from the end takes the nearest", "a a a", 5, 0, {Find("a", kUp), {}}, "a a a", 4, 1, kSilent},
            {"up from a selected hit takes the one before", "a a a", 2, 1, {Find("a", kUp), {}}, "a a a", 0, 1,
             kSilent},
            {"up finds the document's first character", "ab", 1, 0, {Find("a", kUp), {}}, "ab", 0, 1, kSilent},
            {"up from the first hit: message", "a a", 0, 1, {Find("a", kUp), {}}, "a a", 0, 1, kNoResults},
            {"up: a hit running past the selection start is not taken", "xab", 2, 1, {Find("ab", kUp), {}}, "xab",
             2, 1, kNoResults},
            {"whole word skips the a inside cat", "cat a", 0, 0, {Find("a", kDown, false, true), {}}, "cat a", 4, 1,
             kSilent},
            {"match case", "A a", 0, 0, {Find("a", kDown, true), {}}, "A a", 2, 1, kSilent},
            {"any case and inside words by default", "cAt", 0, 0, {Find("a"), {}}, "cAt", 1, 1, kSilent},
            {"hit on a later line", "ab\r\ncab", 2, 0, {Find("ab"), {}}, "ab\r\ncab", 5, 2, kSilent},
            {"empty find text finds nothing", "abc", 0, 0, {Find(""), {}}, "abc", 0, 0, kNoResults},
        },
        [this](FindReplaceDialogs& d) { DialogFindFind(unit, d, FindNextIn::FindDialog); });
}

TEST_F(FindReplace, FindNextOfTheReplaceDialogCopiesItsTextAndUsesTheFindDialogsOptions) {
    FindReplaceDialogs dialogs{Find("old", kDown, false), Replace("a", "b", true)};
    Place("A a", 0, 0);
    EXPECT_TRUE(DialogFindFind(unit, dialogs, FindNextIn::ReplaceDialog));
    EXPECT_EQ(dialogs.find.findText, "a");
    EXPECT_EQ(unit.MainText.SelStart(), 0);  // the Replace dialog's Match case does not apply
    EXPECT_EQ(unit.MainText.SelLength(), 1);
}

TEST_F(FindReplace, ReplaceButton) {
    Run(
        {
            {"nothing selected: only finds", "x a a", 0, 0, {Find(""), Replace("a", "b")}, "x a a", 2, 1, kSilent},
            {"selected hit replaced, next selected", "a a", 0, 1, {Find(""), Replace("a", "b")}, "b a", 2, 1,
             kSilent},
            {"a selection that is no hit is kept; the next hit is selected", "foo a", 0, 3,
             {Find(""), Replace("a", "b")}, "foo a", 4, 1, kSilent},
            {"last hit replaced: message, caret after the new text", "a", 0, 1, {Find(""), Replace("a", "bb")},
             "bb", 2, 0, kNoResults},
            {"replace text holding the find text: down goes on behind it", "a a", 0, 1,
             {Find(""), Replace("a", "ba")}, "ba a", 3, 1, kSilent},
            {"replace text holding the find text: up goes on before it", "a a", 2, 1,
             {Find("", kUp), Replace("a", "ba")}, "a ba", 0, 1, kSilent},
            {"the Find dialog's options, not the Replace dialog's", "A", 0, 0, {Find(""), Replace("a", "b", true)},
             "A", 0, 1, kSilent},
            {"the selected hit is checked with the Find dialog's options", "A a", 0, 1,
             {Find("", kDown, true), Replace("a", "b")}, "A a", 2, 1, kSilent},
        },
        [this](FindReplaceDialogs& d) {
            DialogReplaceReplace(unit, d, ReplaceButton::Replace);
            EXPECT_EQ(d.find.findText, d.replace.findText);
        });
}

TEST_F(FindReplace, ReplaceAll) {
    Run(
        {
            {"replace text holding the find text ends", "aa", 1, 0, {Find(""), Replace("a", "ba")}, "baba", 4, 0,
             kSilent},
            {"empty replace text removes adjacent hits", "xxx", 0, 0, {Find(""), Replace("x", "")}, "", 0, 0,
             kSilent},
            {"from the start, whatever the caret and direction", "a a", 3, 0, {Find("", kUp), Replace("a", "b")},
             "b b", 3, 0, kSilent},
            {"the Replace dialog's match case", "Aa", 0, 0, {Find(""), Replace("a", "b", true)}, "Ab", 2, 0,
             kSilent},
            {"not the Find dialog's match case", "Aa", 0, 0, {Find("", kDown, true), Replace("a", "b")}, "bb", 2, 0,
             kSilent},
            {"whole word", "cat a", 0, 0, {Find(""), Replace("a", "b", false, true)}, "cat b", 5, 0, kSilent},
            {"across lines", "a\r\na", 0, 0, {Find(""), Replace("a", "bc")}, "bc\r\nbc", 6, 0, kSilent},
            {"nothing found: no message, nothing moves", "xyz", 1, 1, {Find(""), Replace("a", "b")}, "xyz", 1, 1,
             kSilent},
            {"empty find text: nothing", "xyz", 1, 0, {Find(""), Replace("", "b")}, "xyz", 1, 0, kSilent},
        },
        [this](FindReplaceDialogs& d) {
            EXPECT_FALSE(DialogReplaceReplace(unit, d, ReplaceButton::ReplaceAll));
            EXPECT_EQ(d.find.findText, "");  // the Find dialog keeps its text
        });
}

// In a Unicode document the bytes above 127 are parts of UTF-8 characters:
// "\xD0\x8A" must not fold onto "\xD0\x9A" as the code page's letters would.
TEST_F(FindReplace, AUnicodeDocumentFoldsOnlyAsciiLetters) {
    unit.Encoding = TextEncoding::Utf8;
    const std::string text = "\xD0\x9A \xD0\x8A A";
    Run({{"find", text, 0, 0, {Find("\xD0\x8A"), {}}, text, 3, 2, kSilent},
         {"ASCII still folds", text, 0, 0, {Find("a"), {}}, text, 6, 1, kSilent}},
        [this](FindReplaceDialogs& d) { DialogFindFind(unit, d, FindNextIn::FindDialog); });
    Run({{"replace all", text, 0, 0, {Find(""), Replace("\xD0\x8A", "x")}, "\xD0\x9A x A", 4, 0, kSilent}},
        [this](FindReplaceDialogs& d) { DialogReplaceReplace(unit, d, ReplaceButton::ReplaceAll); });
}

TEST_F(FindReplace, ReplaceAllGivesEachNewTextTheColourOfWhatItReplaced) {
    Place("a b", 0, 1);
    unit.MainText.SetSelColour(0x0000FF);
    FindReplaceDialogs dialogs{Find(""), Replace("a", "cc")};
    DialogReplaceReplace(unit, dialogs, ReplaceButton::ReplaceAll);
    EXPECT_EQ(unit.MainText.ColourAt(0), 0x0000FFu);
    EXPECT_EQ(unit.MainText.ColourAt(1), 0x0000FFu);
}

// Replace All the slow way: each occurrence selected and written over through
// the editor, the search going on right after the text written.
void ReplaceAllHitByHit(MainUnit& unit, const ReplaceDialogState& replace) {
    EditorModel& text = unit.MainText;
    const FindOptions options{replace.wholeWord, replace.matchCase};
    UndoGroup step(text);
    unit.Busy = true;
    for (int q = text.FindText(replace.findText, 0, text.Length(), options); q >= 0;
         q = text.FindText(replace.findText, text.SelStart(), text.Length(), options)) {
        text.SetSelStart(q);
        text.SetSelLength(static_cast<int>(replace.findText.size()));
        text.SetSelText(replace.replaceText);
    }
    unit.Busy = false;
}

// Replace All in one pass leaves what replacing hit by hit leaves: text,
// colours, selection, typing colour, view and Busy, and the same after Undo
// and Redo of its one step.
TEST_F(FindReplace, ReplaceAllMatchesReplacingHitByHit) {
    static const std::string pieces[] = {"a", "A", "ab", "b", "ba", " ", "_", "\xE9", "\xC9", "\r\n", "\r\n\r\n", "x.", "1"};
    static const std::string finds[] = {"a", "A", "ab", "b a", "\xE9", "a\r\n", "\n", "\r", "\r\nb", "aa", "x"};
    static const std::string withs[] = {"", "AB", "a", "b", "ba", "\r\n", "\n", "c\rd", "\xC9", "a a"};
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = static_cast<int>(random() % 120); n > 0; --n) text += pieces[random() % std::size(pieces)];
        const ReplaceDialogState replace{finds[random() % std::size(finds)], withs[random() % std::size(withs)],
                                         random() % 2 == 0, random() % 2 == 0};
        MainUnit fast;
        MainUnit slow;
        const int first = static_cast<int>(random() % 40);
        const int anchor = static_cast<int>(random() % (text.size() + 1));
        const int caret = static_cast<int>(random() % (text.size() + 1));
        std::mt19937 paint(round);
        for (MainUnit* unit : {&fast, &slow}) {
            EditorModel& m = unit->MainText;
            m.SetText(text);
            std::mt19937 same = paint;
            for (int k = 0; k < 4 && m.Length() > 0; ++k) {
                m.SetSelStart(static_cast<int>(same() % m.Length()));
                m.SetSelLength(static_cast<int>(same() % 8));
                m.SetSelColour(0x00010203u * static_cast<Colour>(k + 1));
            }
            m.SetFirstVisibleLine(first);
            m.SetSelection(anchor, caret);
        }
        FindReplaceDialogs dialogs{Find(""), replace};
        DialogReplaceReplace(fast, dialogs, ReplaceButton::ReplaceAll);
        ReplaceAllHitByHit(slow, replace);
        const std::string where = ::testing::PrintToString(text) + " " + ::testing::PrintToString(replace.findText) +
                                  " by " + ::testing::PrintToString(replace.replaceText);
        const bool breaks = (replace.findText + replace.replaceText).find_first_of("\r\n") != std::string::npos;
        for (int pass = 0; pass < 3; ++pass) {
            const EditorModel& f = fast.MainText;
            const EditorModel& s = slow.MainText;
            ASSERT_EQ(f.Text(), s.Text()) << where << " pass " << pass;
            ASSERT_EQ(f.StoredColours(), s.StoredColours()) << where << " pass " << pass;
            ASSERT_EQ(f.Anchor(), s.Anchor()) << where << " pass " << pass;
            ASSERT_EQ(f.CaretPos(), s.CaretPos()) << where << " pass " << pass;
            ASSERT_EQ(f.TypingColour(), s.TypingColour()) << where << " pass " << pass;
            ASSERT_EQ(f.CanUndo(), s.CanUndo()) << where << " pass " << pass;
            // With breaks in the texts the lines scrolled to on the way differ.
            if (!breaks) {
                ASSERT_EQ(f.FirstVisibleLine(), s.FirstVisibleLine()) << where << " pass " << pass;
            }
            ASSERT_EQ(fast.Busy, slow.Busy);
            ASSERT_TRUE(f.Check());
            for (MainUnit* unit : {&fast, &slow}) pass == 0 ? unit->MainText.Undo() : unit->MainText.Redo();
        }
    }
}

// The caret tracking tidies the line the hit leaves behind; the hit must
// still be the text selected.
TEST_F(FindReplace, FindNextSelectsTheHitAfterTheLineLeftIsTidied) {
    EditorTracker tracker(unit);
    Place("x=1\r\ny a", 1, 0);
    FindReplaceDialogs dialogs{Find("a"), {}};
    ASSERT_TRUE(DialogFindFind(unit, dialogs, FindNextIn::FindDialog));
    EXPECT_EQ(unit.MainText.Text(), "x = 1\r\ny a");
    EXPECT_EQ(unit.MainText.SelText(), "a");
}

}  // namespace
}  // namespace tarnwick
