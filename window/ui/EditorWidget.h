#pragma once

#include "editor/EditorModel.h"
#include "editor/ui/EditorLayout.h"
#include "window/ui/VirtualKeys.h"

#include <QAbstractScrollArea>
#include <QTimer>

#include <functional>
#include <string_view>

class QMenu;

namespace tarnwick {

namespace language { class SyntaxMarks; }

class Clipboard;

// The document editor: paints an EditorModel (it keeps no text of its own)
// and turns mouse and keyboard input into model calls. No word wrap; tab
// characters are text. Keys reach the window's handlers in the order key
// down, character, the model's change with its selection change, key up.
class EditorWidget : public QAbstractScrollArea, public ViewGeometry, public EditorObserver {
    Q_OBJECT
public:
    // A handler may set the key code to 0 to consume the key: the editor then
    // does nothing with it, though its character still follows.
    std::function<void(int& key, KeyModifiers)> onKeyDown;
    // A handler may set the character to 0: nothing is typed.
    std::function<void(char& character)> onKeyPress;
    std::function<void(int key, KeyModifiers)> onKeyUp;

    explicit EditorWidget(EditorModel& model, QWidget* parent = nullptr);
    ~EditorWidget() override;

    EditorModel& Model() { return model_; }
    // The document's encoding, by which characters are shown, typed, moved
    // over and deleted: in a Unicode document one may take several bytes.
    void SetEncoding(TextEncoding encoding);
    void SetPopupMenu(QMenu* menu) { popup_ = menu; }
    // Opens the pop-up menu under the caret: the Menu key and Shift+F10.
    void ShowPopupAtCaret();
    // The clipboard the editor's own Ctrl+C, Ctrl+X and Ctrl+V use when no
    // key-down handler takes them first.
    void SetClipboard(Clipboard* clipboard) { clipboard_ = clipboard; }
    // The syntax check's marks, underlined where they show (null: none). The
    // owner repaints the viewport when they change.
    void SetSyntaxMarks(const language::SyntaxMarks* marks) { marks_ = marks; }

    // ViewGeometry. The caret's place is given in the client area: the viewport.
    Point CaretPixelPosition() const override;
    int VisibleLineCount() const override;

    // EditorObserver
    void TextChanged(int pos, int removed, int inserted) override;
    void ColoursChanged(int pos, int length) override;
    void SelectionChanged() override;
    void ViewChanged() override;
    void FontChanged() override;

    // The character position under a point of the viewport.
    int PositionAt(QPoint viewportPoint) const;
    const EditorLayout& Layout() const { return layout_; }
    bool CaretShown() const { return caretOn_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

private:
    std::string_view LineText(int line) const;
    int LineOfPos(int pos) const;
    bool NavigationKey(int key, KeyModifiers mods);
    void TypeCharacters(const std::u32string& codes);
    void TypeCharacter(char c, char32_t code);
    void DeleteCharacter(bool forward);
    int NextCharPos(int pos) const;
    void KeepSelectionOnCharacters();
    int PrevCharPos(int pos) const;
    void MoveCaret(int pos, bool extend);
    int VerticalMove(int lines) const;
    int WordLeft(int pos) const;
    int WordRight(int pos) const;
    void SelectWordAt(int pos);
    void AfterUserAction();
    void ExtendDragSelection();
    void EnsureCaretVisibleHorizontally();
    void UpdateScrollBars();
    void SyncVerticalScrollBar();
    // The caret's one-pixel cell in the viewport.
    QRect CaretRect() const;
    // Repaints 0-based lines first to last (last -1: to the bottom) where they show.
    void UpdateLines(int first, int last);
    void ScheduleScrollBarUpdate();
    void RestartBlink();
    void ApplyModelFont();

    EditorModel& model_;
    EditorLayout layout_;
    QMenu* popup_ = nullptr;
    Clipboard* clipboard_ = nullptr;
    const language::SyntaxMarks* marks_ = nullptr;
    QTimer blink_;
    QTimer dragScroll_;  // keeps a drag selection going while the mouse is above or below the text
    QPoint dragPoint_;
    bool caretOn_ = false;
    bool selecting_ = false;
    int dragAnchor_ = 0;
    mutable qreal goalX_ = -1;  // x kept by Up and Down moves
    qreal widestLine_ = 0;
    bool widthDirty_ = true;
    bool scrollBarsPending_ = false;
    bool caretFollowPending_ = false;
    bool followNow_ = false;  // set while the user's own key or click is handled
    bool syncingScrollBars_ = false;
    // What was last painted or asked to repaint, so a change repaints only what it touches.
    QRect paintedCaret_;
    mutable QRect caretRect_;
    struct ColumnPlace {
        int line = -1;
        int column = 0;
        qreal x = 0;  // from the line's left edge
    };
    mutable ColumnPlace caretHint_;  // a column a little before the caret, measured with it
    mutable bool caretRectValid_ = false;
    int paintedSelStart_ = 0;
    int paintedSelEnd_ = 0;
    int paintedBreaks_ = 0;
};

}  // namespace tarnwick
