// The main window's editing commands: clipboard, undo, select all, print, the
// go-to-line box, comment and indent, find and replace. Their logic lives in the core.

#include "window/ui/vbsmain.h"

#include "commands/ClipboardCommands.h"
#include "commands/CommentCommands.h"
#include "commands/FindReplace.h"
#include "commands/IndentCommands.h"
#include "commands/ui/FindDialogs.h"
#include "unit/ui/QtPorts.h"
#include "window/ui/EditorWidget.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace tarnwick {
namespace {

// TxtGoto: a click selects its text; typed characters other than digits,
// backspace and Enter never reach it.
class GotoBoxFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QLineEdit*>(watched);
        if (event->type() == QEvent::MouseButtonPress) {
            QTimer::singleShot(0, box, [box] { box->selectAll(); });  // after the click has placed the cursor
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;  // Tab moves on
            const QString text = key->text();
            if (!text.isEmpty() && text.at(0).unicode() < 128 &&
                FilterGotoCharacter(static_cast<char>(text.at(0).unicode())) == 0)
                return true;
            if (!text.isEmpty() && text.at(0).unicode() >= 128) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void TForm1::WireEditingCommands() {
    commands.Copy = [this] { mCopyClick(unit_); };
    commands.Cut = [this] { mCutClick(unit_); };
    commands.Paste = [this] { mPasteClick(unit_); };
    commands.Undo = [this] { mUndoClick(unit_); };
    commands.Redo = [this] { unit_.MainText.Redo(); };
    commands.SelectAll = [this] { mSelectAllClick(unit_); };
    commands.Print = [this] { mPrintClick(unit_); };
    commands.Comment = [this] { mCommentClick(unit_); };
    commands.Uncomment = [this] { mUncommentClick(unit_); };
    commands.Indent = [this] { mIndentClick(unit_); };
    commands.Outdent = [this] { mOutdentClick(unit_); };
    commands.GotoLine = [this] {
        mainText_->setFocus();
        GoToLine(unit_, ToAnsi(TxtGoto->text()));
    };
    TxtGoto->installEventFilter(new GotoBoxFilter(TxtGoto));
    WireFindDialogs();
}

void TForm1::FindAgain(bool down) {
    FindReplaceDialogs dialogs{DialogFind->State(), DialogReplace->State()};
    if (dialogs.find.findText.empty()) {  // nothing to look for yet: the dialog asks
        DialogFind->Present();
        return;
    }
    dialogs.find.direction = down ? SearchDirection::Down : SearchDirection::Up;
    if (DialogFindFind(unit_, dialogs, FindNextIn::FindDialog)) mainText_->setFocus();
}

void TForm1::WireFindDialogs() {
    DialogFind = new TFindDialog(this);
    DialogReplace = new TReplaceDialog(this);
    commands.Find = [this] { DialogFind->Present(); };
    commands.Replace = [this] { DialogReplace->Present(); };
    // Each press runs one step on both dialogs' states; the Find dialog shows
    // the find text the step may have copied into it. A hit gives the editor the
    // focus within its window, while the dialog stays the active window: the next
    // Enter presses Find Next again instead of typing over the hit.
    auto press = [this](std::function<bool(FindReplaceDialogs&)> step) {
        return [this, step] {
            Guarded([&] {
                FindReplaceDialogs dialogs{DialogFind->State(), DialogReplace->State()};
                const bool hit = step(dialogs);
                DialogFind->SetFindText(dialogs.find.findText);
                if (hit) mainText_->setFocus();
            });
        };
    };
    DialogFind->OnFindNext = press([this](FindReplaceDialogs& d) {
        return DialogFindFind(unit_, d, FindNextIn::FindDialog);
    });
    DialogReplace->OnFindNext = press([this](FindReplaceDialogs& d) {
        return DialogFindFind(unit_, d, FindNextIn::ReplaceDialog);
    });
    DialogReplace->OnReplace = press([this](FindReplaceDialogs& d) {
        return DialogReplaceReplace(unit_, d, ReplaceButton::Replace);
    });
    DialogReplace->OnReplaceAll = press([this](FindReplaceDialogs& d) {
        return DialogReplaceReplace(unit_, d, ReplaceButton::ReplaceAll);
    });
}

}  // namespace tarnwick
