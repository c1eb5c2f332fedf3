#include "window/ui/EditorWidget.h"

#include "editor/Ansi.h"
#include "editor/ui/LinePainter.h"
#include "unit/Ports.h"
#include "window/ui/MarkPainter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

// The byte the window's handlers see for a typed character: its Windows-1252
// byte, "?" for one the code page has none for.
char AnsiOf(char32_t code) {
    const int byte = UnicodeToAnsi(code);
    return static_cast<char>(byte < 0 ? '?' : byte);
}

// The characters a key delivers, as the Windows key translation makes them.
std::u32string CharactersOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace: return U"\b";
    case Qt::Key_Return: case Qt::Key_Enter: return U"\r";
    case Qt::Key_Tab: case Qt::Key_Backtab: return U"\t";
    case Qt::Key_Escape: return U"\x1b";
    case Qt::Key_Delete: return {};
    default: break;
    }
    // Alt with a key is a menu's business (a system character), never typing.
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier)) return {};
    // Ctrl with a letter gives its control character, as on Windows (Ctrl+X is 24), which
    // is never typed; Ctrl with any other key gives none. Ctrl+Alt is AltGr and types.
    if (mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier)) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            return std::u32string(1, static_cast<char32_t>(event.key() - Qt::Key_A + 1));
        return {};
    }
    std::u32string out;
    for (char32_t code : event.text().toUcs4())
        if (code != 0x7F) out.push_back(code);
    return out;
}

constexpr int kTextMargin = 1;  // the control's inner left margin

}  // namespace

EditorWidget::EditorWidget(EditorModel& model, QWidget* parent) : QAbstractScrollArea(parent), model_(model) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false);
    blink_.setInterval(std::max(100, QApplication::cursorFlashTime() / 2));
    connect(&blink_, &QTimer::timeout, this, [this] {
        caretOn_ = !caretOn_;
        viewport()->update(CaretRect());  // the caret's cell only, whatever the line's length
    });
    dragScroll_.setInterval(50);
    connect(&dragScroll_, &QTimer::timeout, this, [this] { ExtendDragSelection(); });
    ApplyModelFont();
    model_.AddObserver(this);
    model_.SetViewGeometry(this);
    paintedBreaks_ = model_.BreakCount();
    UpdateScrollBars();
}

EditorWidget::~EditorWidget() {
    model_.RemoveObserver(this);
    model_.SetViewGeometry(nullptr);
}

// ---- Model access -------------------------------------------------------------

std::string_view EditorWidget::LineText(int line) const {
    const int start = model_.LineIndex(line);
    if (start < 0) return {};
    return model_.TextView(start, model_.LineLength(start));
}

int EditorWidget::LineOfPos(int pos) const { return model_.LineFromChar(pos); }

// ---- ViewGeometry -------------------------------------------------------------

Point EditorWidget::CaretPixelPosition() const {
    const int caret = model_.CaretPos();
    const int line = LineOfPos(caret);
    const qreal x = layout_.XOfColumn(LineText(line), caret - model_.LineIndex(line));
    return {static_cast<int>(std::lround(x)) + kTextMargin - horizontalScrollBar()->value(),
            (line - model_.FirstVisibleLine()) * layout_.LineHeight()};
}

int EditorWidget::VisibleLineCount() const {
    return std::max(1, viewport()->height() / std::max(1, layout_.LineHeight()));
}

// ---- EditorObserver -----------------------------------------------------------

void EditorWidget::TextChanged(int pos, int, int inserted) {
    caretRectValid_ = false;
    if (pos == 0 && inserted == model_.Length()) {
        widthDirty_ = true;  // the whole content replaced: measure it all again
    } else if (!widthDirty_) {
        // Only the lines that gained text can have grown. The width never
        // shrinks while editing, so no keystroke measures the whole document.
        const int first = LineOfPos(pos), last = LineOfPos(pos + inserted);
        for (int line = first; line <= last; ++line)
            widestLine_ = std::max(widestLine_, layout_.LineWidth(LineText(line)));
    }
    ScheduleScrollBarUpdate();
    // A change of the line count moves every line below; otherwise only the changed lines repaint.
    const int breaks = model_.BreakCount();
    UpdateLines(LineOfPos(pos), breaks != paintedBreaks_ ? -1 : LineOfPos(pos + inserted));
    paintedBreaks_ = breaks;
}

void EditorWidget::ColoursChanged(int pos, int length) { UpdateLines(LineOfPos(pos), LineOfPos(pos + length)); }

void EditorWidget::SelectionChanged() {
    caretRectValid_ = false;
    RestartBlink();
    // The lines of the old and of the new selection, and the caret's lines. Where
    // the caret stands on its line is not worked out here: the program moves the
    // selection many times in one command, and a long line would be measured each time.
    const int start = model_.SelStart();
    const int end = start + model_.SelLength();
    if (paintedSelStart_ != paintedSelEnd_) UpdateLines(LineOfPos(paintedSelStart_), LineOfPos(paintedSelEnd_));
    if (start != end) UpdateLines(LineOfPos(start), LineOfPos(end));
    viewport()->update(paintedCaret_);
    const int caretLine = LineOfPos(model_.CaretPos());
    UpdateLines(caretLine, caretLine);
    paintedSelStart_ = start;
    paintedSelEnd_ = end;
    if (followNow_) {
        // The user's own edit or move: the view follows the caret before the
        // window's handlers, notified after the editor, place the tip or the
        // list beside it.
        followNow_ = false;
        model_.ScrollCaret();
        EnsureCaretVisibleHorizontally();
        return;
    }
    // Sideways the view follows where the caret ends up once the program's
    // work is done, so a line recoloured on the way does not move it.
    if (caretFollowPending_) return;
    caretFollowPending_ = true;
    QTimer::singleShot(0, this, [this] {
        caretFollowPending_ = false;
        EnsureCaretVisibleHorizontally();
    });
}

void EditorWidget::ViewChanged() {
    caretRectValid_ = false;
    // New content is measured once, when the program's work is done, not at every load on the way.
    if (widthDirty_) ScheduleScrollBarUpdate();
    else UpdateScrollBars();
    SyncVerticalScrollBar();
    paintedBreaks_ = model_.BreakCount();
    viewport()->update();
}

void EditorWidget::FontChanged() {
    ApplyModelFont();
    UpdateScrollBars();
    viewport()->update();
}

void EditorWidget::SetEncoding(TextEncoding encoding) {
    layout_.SetEncoding(encoding);
    widthDirty_ = true;
    UpdateScrollBars();
    viewport()->update();
}

void EditorWidget::ApplyModelFont() {
    caretRectValid_ = false;
    // A name that is not installed gets the nearest font Qt finds.
    QFont font = model_.FontName() == kSystemFixedFontName ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                               : QFont(QString::fromStdString(model_.FontName()));
    font.setPointSize(std::max(1, model_.FontSize()));
    // A face of fixed pitch, also where the name is not installed; what is found is measured as drawn anyway.
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    layout_.SetFont(font, logicalDpiX());
    widthDirty_ = true;
}

// ---- Scroll bars --------------------------------------------------------------

void EditorWidget::ScheduleScrollBarUpdate() {
    if (scrollBarsPending_) return;
    scrollBarsPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (scrollBarsPending_) UpdateScrollBars();
    });
}

void EditorWidget::UpdateScrollBars() {
    scrollBarsPending_ = false;
    if (widthDirty_) {
        // A line too short to be wider than the widest one so far is not measured.
        widestLine_ = 0;
        const int breaks = model_.BreakCount();
        const std::string_view all = model_.TextView(0, model_.Length());
        const bool tabs = all.find('\t') != std::string_view::npos;
        for (int line = 0; line <= breaks; ++line) {
            const int start = model_.LineIndex(line);
            const int end = line < breaks ? model_.LineIndex(line + 1) - 2 : model_.Length();
            const std::string_view text = all.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
            const auto tabCount = tabs ? static_cast<std::size_t>(std::count(text.begin(), text.end(), '\t')) : 0;
            if (layout_.WidthBound(text.size(), tabCount) <= widestLine_) continue;
            widestLine_ = std::max(widestLine_, layout_.LineWidth(text));
        }
        widthDirty_ = false;
    }
    SyncVerticalScrollBar();
    syncingScrollBars_ = true;
    QScrollBar* h = horizontalScrollBar();
    const int contentWidth = static_cast<int>(std::ceil(widestLine_)) + 2 * kTextMargin + 2;
    h->setRange(0, std::max(0, contentWidth - viewport()->width()));
    h->setPageStep(std::max(1, viewport()->width()));
    h->setSingleStep(std::max(1, static_cast<int>(layout_.Advance(' '))));
    syncingScrollBars_ = false;
}

void EditorWidget::SyncVerticalScrollBar() {
    syncingScrollBars_ = true;
    const int visible = VisibleLineCount();
    const int first = model_.FirstVisibleLine();
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max({0, model_.BreakCount() + 1 - visible, first}));
    v->setPageStep(visible);
    v->setSingleStep(1);
    v->setValue(first);
    syncingScrollBars_ = false;
}

void EditorWidget::scrollContentsBy(int, int dy) {
    caretRectValid_ = false;
    if (!syncingScrollBars_ && dy != 0) model_.SetFirstVisibleLine(verticalScrollBar()->value());
    viewport()->update();
}

void EditorWidget::EnsureCaretVisibleHorizontally() {
    if (scrollBarsPending_ || widthDirty_) UpdateScrollBars();
    const int caret = model_.CaretPos();
    const int line = LineOfPos(caret);
    const int x = static_cast<int>(layout_.XOfColumn(LineText(line), caret - model_.LineIndex(line)));
    QScrollBar* h = horizontalScrollBar();
    const int width = viewport()->width();
    const int margin = std::min(width / 4, static_cast<int>(layout_.Advance(' ') * 8));
    if (x < h->value()) h->setValue(std::max(0, x - margin));
    else if (x + 2 * kTextMargin + 2 > h->value() + width) h->setValue(x + 2 * kTextMargin + 2 - width + margin);
}

void EditorWidget::resizeEvent(QResizeEvent* event) {
    caretRectValid_ = false;
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

// ---- Painting -----------------------------------------------------------------

void EditorWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    painter.setFont(layout_.Font());

    const int lineHeight = std::max(1, layout_.LineHeight());
    const LinePainter lines{model_, layout_, model_.SelStart(), model_.SelStart() + model_.SelLength(),
                            palette().color(QPalette::Active, QPalette::Highlight),
                            palette().color(QPalette::Active, QPalette::HighlightedText)};
    const qreal left = kTextMargin - horizontalScrollBar()->value();
    for (int row = std::max(0, area.top() / lineHeight), line = model_.FirstVisibleLine() + row;
         row * lineHeight <= area.bottom() && line <= model_.BreakCount(); ++row, ++line)
        if (line == caretHint_.line && caretRectValid_)
            lines.PaintLine(painter, line, left, row * lineHeight, area.right() + 1, area.left(), caretHint_.column,
                            caretHint_.x);
        else
            lines.PaintLine(painter, line, left, row * lineHeight, area.right() + 1, area.left());
    if (marks_) {
        const int first = model_.FirstVisibleLine() + std::max(0, area.top() / lineHeight);
        PaintSyntaxMarks(painter, {model_, layout_, *marks_}, first, model_.FirstVisibleLine() + area.bottom() / lineHeight,
                         left, (first - model_.FirstVisibleLine()) * lineHeight, area.left(), area.right() + 1);
    }

    paintedCaret_ = CaretRect();
    if (caretOn_ && hasFocus()) painter.fillRect(paintedCaret_, Qt::black);
}

QRect EditorWidget::CaretRect() const {
    // Measured once per move, edit or scroll: a blink measures no line. The
    // place of a column a little before the caret is kept too, so that
    // painting the caret's cell starts there instead of at the line's start.
    if (!caretRectValid_) {
        const int caret = model_.CaretPos();
        const int line = LineOfPos(caret);
        const std::string_view text = LineText(line);
        const int column = caret - model_.LineIndex(line);
        const auto hint = CharStartAt(text, static_cast<std::size_t>(std::max(0, column - 16)), layout_.Encoding());
        caretHint_ = {line, static_cast<int>(hint), 0};
        caretHint_.x = layout_.XOfColumn(text, caretHint_.column);
        qreal x = caretHint_.x;
        for (int c = caretHint_.column; c < column && c < static_cast<int>(text.size()); c += layout_.CharLength(text, c))
            x = layout_.NextX(x, text, c);
        caretRect_ = {static_cast<int>(std::lround(x)) + kTextMargin - horizontalScrollBar()->value(),
                      (line - model_.FirstVisibleLine()) * layout_.LineHeight(), 1, layout_.LineHeight()};
        caretRectValid_ = true;
    }
    return caretRect_;
}

void EditorWidget::UpdateLines(int first, int last) {
    const int lineHeight = std::max(1, layout_.LineHeight());
    const int top = (first - model_.FirstVisibleLine()) * lineHeight;
    const int bottom = last < 0 ? viewport()->height() : (last - model_.FirstVisibleLine() + 1) * lineHeight;
    if (bottom <= 0 || top >= viewport()->height() || bottom <= top) return;
    viewport()->update(QRect(0, std::max(0, top), viewport()->width(), std::min(viewport()->height(), bottom) - std::max(0, top)));
}

// ---- Keyboard -----------------------------------------------------------------

bool EditorWidget::focusNextPrevChild(bool) { return false; }  // Tab belongs to the editor

void EditorWidget::keyPressEvent(QKeyEvent* event) {
    // The keyboard's menu keys open the pop-up menu at the caret, wherever the mouse pointer is.
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        ShowPopupAtCaret();
        event->accept();
        return;
    }
    KeepSelectionOnCharacters();
    int key = VirtualKeyOf(*event);
    const KeyModifiers mods = ModifiersOf(*event);
    if (onKeyDown) onKeyDown(key, mods);
    followNow_ = true;
    const bool vertical = key == vk::Up || key == vk::Down || key == vk::Prior || key == vk::Next;
    if (!vertical) goalX_ = -1;
    if (key != 0) NavigationKey(key, mods);
    TypeCharacters(CharactersOf(*event));
    AfterUserAction();
    event->accept();
}

void EditorWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;  // one key up per key, as on Windows
    if (onKeyUp) onKeyUp(VirtualKeyOf(*event), ModifiersOf(*event));
    event->accept();
}

void EditorWidget::inputMethodEvent(QInputMethodEvent* event) {
    KeepSelectionOnCharacters();
    followNow_ = true;
    const auto codes = event->commitString().toUcs4();
    TypeCharacters(std::u32string(codes.begin(), codes.end()));
    AfterUserAction();
    event->accept();
}

void EditorWidget::TypeCharacters(const std::u32string& codes) {
    for (char32_t code : codes) {
        char c = AnsiOf(code);
        if (onKeyPress) onKeyPress(c);
        if (c != 0) TypeCharacter(c, code);
    }
}

// The handlers see the Windows-1252 byte of the character; a Unicode document
// takes the character itself unless a handler put another in its place.
void EditorWidget::TypeCharacter(char c, char32_t code) {
    switch (c) {
    case '\b': DeleteCharacter(false); return;
    case '\r': model_.TypeText("\r\n"); return;
    case '\t': model_.TypeText("\t"); return;
    default:
        if (static_cast<unsigned char>(c) < 32 || c == 0x7F) return;
        if (layout_.Encoding() != TextEncoding::Ansi && c == AnsiOf(code))
            model_.TypeText(EncodeCharacter(code, layout_.Encoding()));
        else
            model_.TypeText(std::string_view(&c, 1));
        return;
    }
}

// Backspace and Delete take a whole character, never part of one, and join
// the typing run as a single byte would.
void EditorWidget::DeleteCharacter(bool forward) {
    const TextEncoding encoding = layout_.Encoding();
    int bytes = 1;  // a line break is two characters of one byte each; the model takes it whole
    if (encoding != TextEncoding::Ansi && model_.SelLength() == 0) {
        const std::string& text = model_.Text();
        const auto caret = static_cast<std::size_t>(model_.SelStart());
        const std::size_t from = forward ? caret : PreviousCharStart(text, caret, encoding);
        bytes = std::max(1, CharLength(text, from, encoding));
        if (!forward && from < caret && from + static_cast<std::size_t>(bytes) != caret) {
            // A caret inside a character: the whole character goes, on both sides of it.
            model_.SetSelection(static_cast<int>(from), static_cast<int>(from) + bytes);
            model_.DeleteForward();
            return;
        }
    }
    if (forward) model_.DeleteForward(bytes);
    else model_.DeleteBackward(bytes);
}

// The program's own edits put the caret back by its byte column, which in a
// Unicode document may fall inside a character: the user's next key starts
// from that character's beginning, so nothing is typed into the middle of one.
void EditorWidget::KeepSelectionOnCharacters() {
    if (layout_.Encoding() == TextEncoding::Ansi) return;
    const std::string& text = model_.Text();
    auto start = [&](int pos) {
        return static_cast<int>(CharStartAt(text, static_cast<std::size_t>(pos), layout_.Encoding()));
    };
    const int anchor = start(model_.Anchor()), caret = start(model_.CaretPos());
    if (anchor != model_.Anchor() || caret != model_.CaretPos()) model_.SetSelection(anchor, caret);
}

void EditorWidget::AfterUserAction() {
    followNow_ = false;
    model_.ScrollCaret();
    EnsureCaretVisibleHorizontally();
    RestartBlink();
}

void EditorWidget::RestartBlink() {
    caretOn_ = true;
    if (hasFocus()) blink_.start();
}

// ---- Mouse --------------------------------------------------------------------

int EditorWidget::PositionAt(QPoint point) const {
    const int row = static_cast<int>(std::floor(point.y() / static_cast<double>(std::max(1, layout_.LineHeight()))));
    const int line = std::clamp(model_.FirstVisibleLine() + row, 0, model_.BreakCount());
    const qreal x = point.x() - kTextMargin + horizontalScrollBar()->value();
    return model_.LineIndex(line) + layout_.ColumnAtX(LineText(line), x);
}

void EditorWidget::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    goalX_ = -1;
    followNow_ = true;
    const int pos = PositionAt(event->position().toPoint());
    if (event->modifiers().testFlag(Qt::ShiftModifier)) model_.SetSelection(model_.Anchor(), pos);
    else model_.SetSelStart(pos);
    dragAnchor_ = model_.Anchor();
    selecting_ = true;
    AfterUserAction();
}

void EditorWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!selecting_ || !(event->buttons() & Qt::LeftButton)) return;
    dragPoint_ = event->position().toPoint();
    ExtendDragSelection();
    const bool outside = dragPoint_.y() < 0 || dragPoint_.y() >= viewport()->height();
    if (outside && !dragScroll_.isActive()) dragScroll_.start();
    else if (!outside) dragScroll_.stop();
}

void EditorWidget::ExtendDragSelection() {
    // Beyond the top or bottom edge the point lies on a hidden line, so each
    // step scrolls the caret's line into view: the view moves on.
    model_.SetSelection(dragAnchor_, PositionAt(dragPoint_));
    AfterUserAction();
}

void EditorWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    selecting_ = false;
    dragScroll_.stop();
}

void EditorWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    SelectWordAt(PositionAt(event->position().toPoint()));
    selecting_ = false;
    AfterUserAction();
}

void EditorWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) ShowPopupAtCaret();
    else if (popup_) popup_->exec(event->globalPos());
}

void EditorWidget::ShowPopupAtCaret() {
    if (!popup_) return;
    // Under the caret's line, kept inside the view when the caret is scrolled out of it.
    const Point caret = CaretPixelPosition();
    const QPoint below(std::clamp(caret.x, 0, viewport()->width() - 1),
                       std::clamp(caret.y + layout_.LineHeight(), 0, viewport()->height() - 1));
    popup_->exec(viewport()->mapToGlobal(below));
}

void EditorWidget::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    RestartBlink();
    viewport()->update();
}

void EditorWidget::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    caretOn_ = false;
    viewport()->update();
}

}  // namespace tarnwick
