#pragma once

#include "completion/CompletionList.h"
#include "completion/NamesInScope.h"
#include "completion/ParameterTip.h"
#include "completion/ScriptKnowledge.h"
#include "editor/EditorModel.h"

#include <functional>
#include <string>

namespace tarnwick {

struct MainUnit;

// Windows virtual-key codes the handlers look at.
namespace Key {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Up = 38;
inline constexpr int Down = 40;
inline constexpr int Nine = 57;
inline constexpr int C = 67;
inline constexpr int V = 86;
inline constexpr int X = 88;
inline constexpr int Period = 190;
inline constexpr int Quote = 222;
}  // namespace Key

struct KeyModifiers {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
};

// The editor's key and caret handlers: they route keys to the completion
// list and the commands, record the last typed character, recolour the line
// the caret leaves, keep new text black, follow the typed prefix, show the
// parameter tip and keep the status text. The tracker observes the editor
// model and runs MainTextSelectionChange on each of its selection changes, so
// the widget calls only the three key handlers.
class EditorTracker : private EditorObserver {
public:
    explicit EditorTracker(MainUnit& unit, const TipTextMeasure* measure = nullptr);
    ~EditorTracker() override;
    EditorTracker(const EditorTracker&) = delete;
    EditorTracker& operator=(const EditorTracker&) = delete;

    // Returns true when the key is consumed: it must then do nothing further.
    bool MainTextKeyDown(int key, KeyModifiers modifiers);
    // Returns the character to type; 0 types nothing (a tab is swallowed).
    char MainTextKeyPress(char ch);
    // After every change of caret or selection (the model's notification).
    void MainTextSelectionChange();
    // Runs the typing pass when the "." key (190) is released, whatever the modifiers.
    void MainTextKeyUp(int key, KeyModifiers modifiers);
    // The typing pass on its own: the scripting objects, then the script's own classes.
    void RunTypingPass();
    // Reads what the first typing pass would read of a large script; run
    // while the user is idle (after a syntax check), so no key waits for it.
    void PrepareTyping();
    // Ctrl+Space: the names visible at the caret.
    void ShowNamesInScope();
    // Brings the status text up to date once after a command that moved the
    // caret or changed the text under Busy, or changed the text and left a
    // selection (Undo, Redo); nothing when none did.
    void CatchUpStatus();
    // Closes the completion list and the tip, as when the document is replaced.
    void CloseListAndTip();

    CompletionList& Lst() { return list_; }
    const CompletionList& Lst() const { return list_; }
    const TipState& Tip() const { return tip_; }
    // The script's own classes, procedures and names, from the latest syntax check.
    ScriptKnowledge& Knowledge() { return knowledge_; }
    const std::string& StatusText() const { return status_; }
    char LastChar() const { return lastChar_; }

    void SetTipMeasure(const TipTextMeasure* measure) { measure_ = measure; }
    // Converts the editor's client coordinates to the main window's (list and tip).
    void SetMapToWindow(std::function<Point(Point)> map);

    // Commands the keys run; the front end connects them to the menu commands.
    std::function<void()> mCopyClick, mCutClick, mPasteClick, mIndentClick, mOutdentClick;
    // Told when the status text, or the tip's visibility, place or text, changes.
    std::function<void()> OnStatusChanged;
    std::function<void()> OnTipChanged;
    // Told when a selection change was passed over under Busy or after a change
    // of the text, once until the status has caught up: the front end catches
    // up after the command.
    std::function<void()> OnStatusStale;

private:
    void SelectionChanged() override { MainTextSelectionChange(); }
    void TextChanged(int, int, int) override { textChanged_ = true; }
    void MarkStatusStale();
    void LeaveLine();
    void EvaluateTip();
    void ShowTip(const std::string& tip);
    void HideTip();
    void SetStatus(std::string text);
    void Run(const std::function<void()>& command);

    MainUnit& unit_;
    const TipTextMeasure* measure_;
    std::function<Point(Point)> mapToWindow_;
    CompletionList list_;
    ScriptKnowledge knowledge_;
    NamesInScopeCache namesInScope_;
    TipState tip_;
    std::string status_;
    char lastChar_ = 0;
    bool inSelectionChange_ = false;
    bool statusStale_ = false;  // a change under Busy left the status text behind
    bool textChanged_ = false;  // since the status text was last set
};

// "Line N of M, Col C".
std::string StatusLine(int line, int lines, int column);

// Whether a typed character re-evaluates the tip: blank, backspace, "%", apostrophe, "(" and ")".
bool IsTipTrigger(char ch);

}  // namespace tarnwick
