// ColorText against the colouring done the slow way: every step through the
// control as a user of its selection would do it (select, colour, write the
// selected text), with the step-by-step scans. The two must leave the same
// text, the same colour on every character, breaks included, and the same caret.

#include "syntax/ColorText.h"

#include "editor/CaretPrimitives.h"
#include "tests/syntax/ReferenceScans.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tarnwick {
namespace {

void Select(EditorModel& m, int pos, int length) {
    m.SetSelStart(pos);
    m.SetSelLength(length);
}

int Size(const std::string& s) { return static_cast<int>(s.size()); }

// The names a Dim statement declares, from the text after the word Dim: the
// statement ends with its line, or with a ":" or an apostrophe outside
// parentheses; commas outside parentheses separate its items; an item's name
// is the run of letters, digits and underscores after its leading blanks, and
// counts when it begins with a letter.
void AddNamesAfterDim(const std::string& afterDim, std::vector<std::string>& names) {
    std::vector<std::string> items(1);
    int depth = 0;
    for (char c : afterDim) {
        if (c == '\r' || c == '\n' || (depth == 0 && (c == ':' || c == '\''))) break;
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (depth == 0 && c == ',')
            items.emplace_back();
        else
            items.back() += c;
    }
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    for (const std::string& item : items) {
        std::size_t from = 0;
        while (from < item.size() && static_cast<unsigned char>(item[from]) <= 32) ++from;
        std::size_t to = from;
        while (to < item.size() && (letter(item[to]) || (item[to] >= '0' && item[to] <= '9') || item[to] == '_')) ++to;
        if (to > from && letter(item[from])) names.push_back(item.substr(from, to - from));
    }
}

void ColorTextStepByStep(MainUnit& unit, int number) {
    EditorModel& m = unit.MainText;
    if (number < 1 || number - 1 > m.BreakCount()) return;
    const int ls = FirstColumn(m, number);
    if (CurLineLen(m, ls) == 0) return;
    m.BeginUpdate();
    unit.Busy = true;
    const ColourSettings colours = unit.CurrentColours();
    const int column = CurColumn(m);
    const int ll = CurLineLen(m, ls);

    // Spacing around "=".
    std::string w = m.Line(number - 1);
    int i = reference::InStr(w, "=", 0, Size(w), NoOptions, true, true);
    while (i != -1) {
        int a = i;
        while (a > 0 && w[a - 1] == ' ') --a;
        int b = i + 1;
        while (b < Size(w) && w[b] == ' ') ++b;
        w.erase(a, b - a);
        bool comparison = (a > 0 && (w[a - 1] == '<' || w[a - 1] == '>')) ||
                          (a < Size(w) && (w[a] == '<' || w[a] == '>'));
        std::string sign = comparison ? "=" : " = ";
        w.insert(a, sign);
        i = reference::InStr(w, "=", a + Size(sign) + 1, ll, NoOptions, true, true);
    }
    if (w != m.Line(number - 1)) m.SetLine(number - 1, w);

    Select(m, ls, Size(w));
    m.SetSelColour(kBlack);

    for (const TColorCoding& entry : unit.SyntaxTable) {
        if (entry.TypeA != "Function" && entry.TypeA != "Statement") continue;
        const int length = Size(entry.Name);
        int g = reference::InStr(m.Line(number - 1), entry.Name, 0, Size(w), WholeWord, true, true);
        while (g != -1) {
            Select(m, ls + g, length);
            m.SetSelColour(entry.TypeA == "Function" ? colours.functions : colours.statements);
            m.SetSelText(entry.Name);
            g = reference::InStr(m.Line(number - 1), entry.Name, g + std::max(length, 2), Size(w), WholeWord,
                                 true, true);
        }
    }

    const std::string t = m.Text();
    std::vector<std::string> names;
    const int count = ls + Size(w);
    for (int g = reference::InStr(t, "Dim", 0, count, WholeWord, true, true); g != -1;
         g = reference::InStr(t, "Dim", g + 3, count, WholeWord, true, true)) {
        const int n = CurLineNum(m, g);
        std::string line = m.Line(n - 1).substr(static_cast<std::size_t>(g - FirstColumn(m, n)) + 3);
        AddNamesAfterDim(line, names);
    }
    for (const std::string& name : names) {
        int found = reference::InStr(m.Line(number - 1), name, 0, Size(w), WholeWord, true, true);
        while (found != -1) {
            Select(m, ls + found, Size(name));
            m.SetSelText(name);
            found = reference::InStr(m.Line(number - 1), name, found + Size(name) + 1, Size(w), WholeWord, true,
                                     true);
        }
    }

    const std::string line = m.Line(number - 1);
    int c = reference::InStr(line, "'", 0, Size(line), NoOptions, true, false);
    if (c != -1) {
        Select(m, ls + c, Size(line) - c + 1);
        m.SetSelColour(colours.comments);
    }
    int r = reference::InStr(line, "rem", 0, Size(line), WholeWord, true, false);
    if (r != -1) {
        Select(m, ls + r, Size(line) - r + 1);
        m.SetSelColour(colours.comments);
    }

    int caretLineStart = FirstColumn(m, unit.CurLine);
    if (caretLineStart < 0) caretLineStart = FirstColumn(m, m.BreakCount() + 1);
    m.SetSelStart(caretLineStart + column - 1);
    m.EndUpdate();
    unit.Busy = false;
}

SyntaxEntries StepsTable() {
    return {
        {"Dim", "Statement", "", ""},     {"If", "Statement", "", ""},      {"Then", "Statement", "", ""},
        {"Rem", "Statement", "", ""},     {"Len", "Function", "", ""},      {"MsgBox", "Function", "", ""},
        {"x", "Function", "", ""},        {"End If", "Function", "", ""},   {"len", "Statement", "", ""},
        {"Total", "Wscript", "", ""},     {"a=b", "Statement", "", ""},
    };
}

std::string RandomDocument(std::mt19937& random) {
    static const std::string pieces[] = {
        "dim ", "Dim ", "DIM", "if", "then", "end if", "rem", "REM ", "len", "LEN", "msgbox", "x", "X", "total",
        "Total", "a", "b", "a=b", " ", " ", "  ", "=", "<", ">", "\"", "'", ":", ",", "(", ")", "_", "1",
        "remainder", "dim len", "dim Total, arr(2, 3)", "\r\n", "\r\n", "\xE9", "{"};
    std::string text;
    for (int n = static_cast<int>(random() % 30); n > 0; --n) text += pieces[random() % std::size(pieces)];
    return text;
}

// Some colours already in the text, so that what a write or a selection keeps shows.
void PaintAtRandom(EditorModel& m, std::mt19937& random) {
    for (int k = 0; k < 3 && m.Length() > 0; ++k) {
        const int from = static_cast<int>(random() % m.Length());
        Select(m, from, static_cast<int>(random() % 6));
        m.SetSelColour(0x00010203u * static_cast<Colour>(k + 1));
    }
}

// Several lines coloured in turn on one document, with an edit before each,
// so that what the colouring keeps of the document between calls is tested too.
TEST(ColorTextStepsTest, SameResultAsTheSelectionSteps) {
    ColourSettings colours{0x000000FF, 0x00FF0000, 0x00008000};
    std::mt19937 random(20261208);
    for (int round = 0; round < 2000; ++round) {
        std::string text = RandomDocument(random);
        MainUnit fast;
        MainUnit slow;
        for (MainUnit* unit : {&fast, &slow}) {
            unit->SyntaxTable = StepsTable();
            unit->Colours = &colours;
            unit->MainText.SetText(text);
        }
        for (int step = 0; step < 4; ++step) {
            const int lines = fast.MainText.BreakCount() + 1;
            const int number = 1 + static_cast<int>(random() % lines);
            const int curLine = static_cast<int>(random() % (lines + 2));  // 0: the caret's own line
            const int caret = static_cast<int>(random() % (fast.MainText.Length() + 1));
            const int editAt = static_cast<int>(random() % (fast.MainText.Length() + 1));
            const int editLength = static_cast<int>(random() % 8);
            const std::string edit = step == 0 ? std::string() : RandomDocument(random).substr(0, random() % 12);
            std::mt19937 paint(round * 4 + step);
            for (MainUnit* unit : {&fast, &slow}) {
                if (step > 0) {
                    Select(unit->MainText, editAt, editLength);
                    unit->MainText.SetSelText(edit);
                }
                std::mt19937 same = paint;
                PaintAtRandom(unit->MainText, same);
                unit->CurLine = curLine;
                unit->MainText.SetSelStart(caret);
            }
            text = fast.MainText.Text();
            ColorText(fast, number);
            ColorTextStepByStep(slow, number);
            const std::string where = "line " + std::to_string(number) + " of " + ::testing::PrintToString(text);
            ASSERT_EQ(fast.MainText.Text(), slow.MainText.Text()) << where;
            ASSERT_EQ(fast.MainText.Colours(), slow.MainText.Colours()) << where;
            ASSERT_EQ(fast.MainText.SelStart(), slow.MainText.SelStart()) << where;
            ASSERT_EQ(fast.MainText.SelLength(), slow.MainText.SelLength()) << where;
            ASSERT_EQ(fast.MainText.TypingColour(), slow.MainText.TypingColour()) << where;
            ASSERT_EQ(fast.Busy, slow.Busy) << where;
        }
    }
}

}  // namespace
}  // namespace tarnwick
