#include "completion/EditorTracker.h"

#include "completion/ExpressionTyping.h"
#include "completion/NeedleOccurrences.h"
#include "completion/ObjectTyping.h"
#include "completion/ScriptMembers.h"
#include "completion/TextSearch.h"
#include "editor/CaretPrimitives.h"
#include "syntax/ColorText.h"
#include "unit/MainUnit.h"
#include "unit/Ports.h"

#include <map>
#include <optional>

namespace tarnwick {

namespace {

constexpr int kTipOffsetLeft = -20;  // the same place as the completion list
constexpr int kTipOffsetDown = 18;

// The caret's column in characters, which in a Unicode document may be several bytes each.
int StatusColumn(const MainUnit& unit) { return CurCharColumn(unit.MainText, unit.Encoding); }

}  // namespace

std::string StatusLine(int line, int lines, int column) {
    return "Line " + std::to_string(line) + " of " + std::to_string(lines) + ", Col " + std::to_string(column);
}

bool IsTipTrigger(char ch) {
    return ch == ' ' || ch == '\b' || ch == '%' || ch == '\'' || ch == '(' || ch == ')';
}

EditorTracker::EditorTracker(MainUnit& unit, const TipTextMeasure* measure)
    : unit_(unit), measure_(measure), list_(unit), knowledge_(unit.MainText, [&unit] {
          return unit.Encoding == TextEncoding::Ansi ? language::TextForm::Ansi : language::TextForm::Utf8;
      }) {
    const EditorModel& editor = unit_.MainText;
    status_ = StatusLine(CurLineNum(editor, editor.SelStart()), editor.BreakCount() + 1, StatusColumn(unit_));
    unit_.MainText.AddObserver(this);
}

EditorTracker::~EditorTracker() { unit_.MainText.RemoveObserver(this); }

void EditorTracker::SetMapToWindow(std::function<Point(Point)> map) {
    mapToWindow_ = map;
    list_.MapToWindow = std::move(map);
}

bool EditorTracker::MainTextKeyDown(int key, KeyModifiers modifiers) {
    // The first matching row applies.
    if (list_.IsOpen()) {
        switch (key) {
        case Key::Down:
            list_.Next();
            return true;
        case Key::Up:
            list_.Previous();
            return true;
        case Key::Enter:
        case Key::Space:
        case Key::Backspace:
        case Key::Nine:
        case Key::Quote:
            // Not consumed: Enter still breaks the line after the inserted name.
            HideTip();
            list_.LstKeyDown(key);
            return false;
        default:
            break;
        }
    } else if (key == Key::Enter) {
        HideTip();
        return false;
    }
    if (modifiers.Ctrl && (key == Key::C || key == Key::X || key == Key::V)) {
        Run(key == Key::C ? mCopyClick : key == Key::X ? mCutClick : mPasteClick);
        return true;
    }
    if (modifiers.Ctrl && key == Key::Space) {
        // With the list open Ctrl+Space accepts, as Space does; closed, it opens the names.
        HideTip();
        ShowNamesInScope();
        return true;
    }
    if (key == Key::Tab) {
        // The line moves under the list and the tip: they close first.
        list_.Close();
        HideTip();
        Run(modifiers.Shift ? mOutdentClick : mIndentClick);
        return true;
    }
    if (key == Key::Escape) list_.Close();  // the tip stays
    return false;
}

char EditorTracker::MainTextKeyPress(char ch) {
    if (ch == '\t') ch = 0;
    // A character that cannot be part of a name ends the member being typed;
    // the accepting keys have already done their work on key down.
    if (list_.IsOpen() && static_cast<unsigned char>(ch) >= ' ' && !IsMemberNameChar(ch)) list_.Close();
    lastChar_ = ch;
    return ch;
}

void EditorTracker::MainTextKeyUp(int key, KeyModifiers /*modifiers*/) {
    if (key == Key::Period) RunTypingPass();
}

void EditorTracker::RunTypingPass() {
    // An object of one of the script's own classes (its nearest Set says so) or Me in a class: the
    // objects' rules have nothing to add, and need not search the text.
    if (auto rows = OwnClassMembers(knowledge_, unit_.MainText)) {
        list_.PlaceRows(std::move(*rows), CompletionList::Completes::Member);
        return;
    }
    ObjectTyping typing(
        unit_.MainText, [this](const std::string& typeName) { list_.PlaceLB(typeName); }, &unit_.SyntaxTable,
        &knowledge_.Occurrences());
    typing.RunTypingPass();
}

void EditorTracker::PrepareTyping() {
    ObjectTyping(unit_.MainText, nullptr, &unit_.SyntaxTable, &knowledge_.Occurrences()).PrepareWholeText();
}

void EditorTracker::ShowNamesInScope() {
    const EditorModel& editor = unit_.MainText;
    int start = editor.SelStart();
    const int lineStart = editor.LineIndex(editor.LineFromChar(start));
    while (start > lineStart && IsMemberNameChar(editor.CharAt(start - 1))) --start;
    if (start > lineStart && editor.CharAt(start - 1) == '.') {
        // After a dot the members are wanted, and those the typing pass gives right after it.
        if (start == editor.SelStart()) RunTypingPass();
        return;
    }
    list_.PlaceRows(namesInScope_.Rows(knowledge_, editor, unit_.SyntaxTable), CompletionList::Completes::Name);
    // As after a dot, nothing is chosen until a letter is typed.
    if (start != editor.SelStart()) list_.FollowPrefix();
}

void EditorTracker::MainTextSelectionChange() {
    if (inSelectionChange_) return;
    if (unit_.Busy) {
        MarkStatusStale();
        return;
    }
    EditorModel& editor = unit_.MainText;
    if (editor.SelLength() != 0) {
        // Nothing, not even the status text, while text is selected; but a change of the text
        // that leaves a selection (Undo gives back the one it had) moves its line count.
        if (textChanged_) MarkStatusStale();
        return;
    }
    inSelectionChange_ = true;
    struct Leave {
        bool& flag;
        ~Leave() { flag = false; }
    } leave{inSelectionChange_};

    unit_.CurLine = CurLineNum(editor, editor.SelStart());
    if (unit_.PrevLine != unit_.CurLine) {
        LeaveLine();
    } else {
        editor.SetSelColour(kBlack);  // typed text stays black until the line is recoloured
        if (list_.IsOpen()) list_.FollowPrefix();
        if (IsTipTrigger(lastChar_)) EvaluateTip();
    }
    unit_.PrevLine = CurLineNum(editor, editor.SelStart());
    statusStale_ = false;
    SetStatus(StatusLine(unit_.PrevLine, editor.BreakCount() + 1, StatusColumn(unit_)));
}

void EditorTracker::MarkStatusStale() {
    if (!statusStale_ && OnStatusStale) OnStatusStale();
    statusStale_ = true;
}

void EditorTracker::CatchUpStatus() {
    if (!statusStale_ || unit_.Busy) return;
    statusStale_ = false;
    const EditorModel& editor = unit_.MainText;
    SetStatus(StatusLine(CurLineNum(editor, editor.SelStart()), editor.BreakCount() + 1, StatusColumn(unit_)));
}

void EditorTracker::LeaveLine() {
    EditorModel& editor = unit_.MainText;
    list_.Close();
    HideTip();
    const int firstVisible = editor.FirstVisibleLine();
    WaitCursor wait(unit_.Cursor);
    // While there are undone steps to redo, the line is coloured but not
    // rewritten, so the redo steps still fit the text.
    ColorText(unit_, unit_.PrevLine, editor.CanRedo() ? Tidy::No : Tidy::Yes);
    // Colouring moves the caret and may scroll; the view goes back to where it was.
    editor.LineScroll(firstVisible - editor.FirstVisibleLine());
}

void EditorTracker::EvaluateTip() {
    const EditorModel& editor = unit_.MainText;
    const int caret = editor.SelStart();
    const int lineStart = editor.LineIndex(editor.LineFromChar(caret));
    // A copy: typing a member's object reads the whole text, which may move the line's bytes.
    const std::string line(editor.TextView(lineStart, editor.LineLength(lineStart)));
    std::optional<ExpressionTyping> typing;
    std::map<int, std::string> typeBeforeDot;  // by the dot's offset, worked out once per evaluation
    auto memberTest = [&](const TColorCoding& entry, int column) {
        const int dot = lineStart + column - 1;
        auto known = typeBeforeDot.find(dot);
        if (known == typeBeforeDot.end()) {
            if (!typing) typing.emplace(editor.Text(), unit_.SyntaxTable, knowledge_.Occurrences());
            const std::optional<ExpressionType> type = typing->TypeBeforeDot(dot);
            known = typeBeforeDot.emplace(dot, type ? type->TypeName : std::string()).first;
        }
        return EqualsIgnoringCase(known->second, entry.TypeA);
    };
    // The tip is checked on every blank and bracket typed: the outline the script has, not one made afresh.
    const ScriptOutline* outline = knowledge_.KnownOutline();
    const auto ownTip = [outline](std::string_view lowerName) -> const std::string* {
        if (!outline) return nullptr;
        const auto found = outline->Tips.find(std::string(lowerName));
        return found == outline->Tips.end() ? nullptr : &found->second;
    };
    if (auto tip = ChooseTip(unit_.SyntaxTable, line, caret - lineStart, memberTest, ownTip))
        ShowTip(*tip);
    else
        HideTip();
}

void EditorTracker::ShowTip(const std::string& tip) {
    Point caret = unit_.MainText.CaretPixelPosition();
    if (mapToWindow_) caret = mapToWindow_(caret);
    TipState shown;
    shown.Visible = true;
    shown.Position = {caret.x + kTipOffsetLeft, caret.y + kTipOffsetDown};
    shown.Text = " " + tip + " ";
    shown.Width = (measure_ ? measure_->TextWidth(shown.Text) : 0) + TipState::kExtraWidth;
    if (shown == tip_) return;
    tip_ = std::move(shown);
    if (OnTipChanged) OnTipChanged();
}

void EditorTracker::CloseListAndTip() {
    list_.Close();
    HideTip();
}

void EditorTracker::HideTip() {
    if (!tip_.Visible) return;
    tip_.Visible = false;
    if (OnTipChanged) OnTipChanged();
}

void EditorTracker::SetStatus(std::string text) {
    textChanged_ = false;
    if (text == status_) return;
    status_ = std::move(text);
    if (OnStatusChanged) OnStatusChanged();
}

void EditorTracker::Run(const std::function<void()>& command) {
    if (command) command();
}

}  // namespace tarnwick
