// The main window's menus and tool bar: every command's caption, access
// letter, keys and glyph, and the handler it calls.
#include "window/ui/vbsmain.h"

#include "run/ui/OutputPane.h"
#include "window/ui/EditorWidget.h"
#include "window/ui/Glyphs.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace tarnwick {

namespace {

// An 8-pixel gap between groups of tool buttons.
void AddGap(QToolBar* bar) { bar->addSeparator(); }

// A menu caption that shows the key the editor handles itself, which is no
// shortcut of the window's: the menu says which key works without taking it.
QString WithKeys(const QString& caption, QKeyCombination keys) {
    return caption + '\t' + QKeySequence(keys).toString(QKeySequence::NativeText);
}

}  // namespace

void TForm1::BuildMenus() {
    auto hook = [this](std::function<void()> TForm1::Commands::*slot) {
        return [this, slot] {
            if (commands.*slot) (commands.*slot)();
        };
    };
    using C = Commands;

    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mFile");
    QAction* mNew = MakeAction("mNew", "&New", glyph::New, [this] { mNewClick(); });
    mNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* mOpen = MakeAction("mOpen", "&Open", glyph::Open, [this] { mOpenClick(); });
    mOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* mSave = MakeAction("mSave", "&Save", glyph::Save, [this] { mSaveClick(); });
    mSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* mSaveAs = MakeAction("mSaveAs", "Save &As", -1, [this] { mSaveAsClick(); });
    QAction* mPrint = MakeAction("mPrint", "&Print", glyph::Print, hook(&C::Print));
    mPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction* mExit = MakeAction("mExit", "E&xit", -1, [this] { mExitClick(); });
    mExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    file->addAction(mNew);
    file->addAction(mOpen);
    file->addSeparator();
    file->addAction(mSave);
    file->addAction(mSaveAs);
    file->addSeparator();
    file->addAction(mPrint);
    file->addSeparator();
    file->addAction(mExit);

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mEdit");
    edit->addAction(
        MakeAction("mUndo", WithKeys("&Undo Last Action", Qt::CTRL | Qt::Key_Z), glyph::Undo, hook(&C::Undo)));
    edit->addAction(MakeAction("mRedo", WithKeys("Re&do", Qt::CTRL | Qt::Key_Y), -1, hook(&C::Redo)));
    edit->addSeparator();
    edit->addAction(MakeAction("mCut", WithKeys("Cu&t", Qt::CTRL | Qt::Key_X), glyph::Cut, hook(&C::Cut)));
    edit->addAction(MakeAction("mCopy", WithKeys("&Copy", Qt::CTRL | Qt::Key_C), glyph::Copy, hook(&C::Copy)));
    edit->addAction(MakeAction("mPaste", WithKeys("&Paste", Qt::CTRL | Qt::Key_V), glyph::Paste, hook(&C::Paste)));
    edit->addAction(MakeAction("mSelectAll", WithKeys("Select &All", Qt::CTRL | Qt::Key_A), -1, hook(&C::SelectAll)));
    edit->addSeparator();
    QAction* mFind = MakeAction("mFind", "&Find", glyph::Find, hook(&C::Find));
    mFind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    edit->addAction(mFind);
    QAction* mFindNext = MakeAction("mFindNext", "Find &Next", -1, [this] { FindAgain(true); });
    mFindNext->setShortcut(QKeySequence(Qt::Key_F3));
    edit->addAction(mFindNext);
    QAction* mFindPrevious = MakeAction("mFindPrevious", "Find Pre&vious", -1, [this] { FindAgain(false); });
    mFindPrevious->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    edit->addAction(mFindPrevious);
    QAction* mReplace = MakeAction("mReplace", "&Replace", -1, hook(&C::Replace));
    mReplace->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    edit->addAction(mReplace);
    QAction* mGotoLine = MakeAction("mGotoLine", "&Go to Line", -1, [this] {
        TxtGoto->setFocus(Qt::ShortcutFocusReason);
        TxtGoto->selectAll();
    });
    mGotoLine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    edit->addAction(mGotoLine);
    QAction* mGotoProcedure = MakeAction("mGotoProcedure", "Procedure &List", -1, [this] { ShowProcedureList(); });
    mGotoProcedure->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    edit->addAction(mGotoProcedure);
    edit->addSeparator();
    edit->addAction(MakeAction("mIndent", WithKeys("&Indent", Qt::Key_Tab), glyph::Indent, hook(&C::Indent)));
    edit->addAction(
        MakeAction("mOutdent", WithKeys("&Outdent", Qt::SHIFT | Qt::Key_Tab), glyph::Outdent, hook(&C::Outdent)));
    edit->addSeparator();
    edit->addAction(MakeAction("mComment", "Co&mment", glyph::Comment, hook(&C::Comment)));
    edit->addAction(MakeAction("mUnComment", "UnComm&ent", glyph::Uncomment, hook(&C::Uncomment)));

    QMenu* run = menuBar()->addMenu("&Run");
    run->setObjectName("mRunMenu");
    run->addAction(MakeAction("mRun", "&Run", glyph::Run, [this] { ShowWindow(form2_); }));
    QAction* mRunDefault = MakeAction("mRunDefault", "Run with &default settings", -1, hook(&C::RunDefault));
    mRunDefault->setShortcut(QKeySequence(Qt::Key_F5));
    run->addAction(mRunDefault);
    QAction* mRunInPane = MakeAction("mRunInPane", "Run in &Output Pane", -1, hook(&C::RunInPane));
    mRunInPane->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    run->addAction(mRunInPane);
    // Ctrl+Break, named after the key's label: X11 reports it as Ctrl+Pause, Windows as Ctrl+Cancel.
    QAction* mStopRun = MakeAction("mStopRun", "&Stop\tCtrl+Break", -1, hook(&C::StopRun));
    mStopRun->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Pause), QKeySequence(Qt::CTRL | Qt::Key_Cancel)});
    mStopRun->setEnabled(false);
    run->addAction(mStopRun);
    run->addSeparator();
    // F6 moves between the editor and the output pane, as between a window's panes.
    QAction* mOutputPane = MakeAction("mOutputPane", "Output &Pane", -1, [this] {
        const bool inPane = Output->isAncestorOf(QApplication::focusWidget());
        if (inPane) mainText_->setFocus(Qt::ShortcutFocusReason);
        else {
            ShowOutputPane(true);
            Output->View()->setFocus(Qt::ShortcutFocusReason);
        }
    });
    mOutputPane->setShortcut(QKeySequence(Qt::Key_F6));
    run->addAction(mOutputPane);
    QAction* mCloseOutput = MakeAction("mCloseOutput", "C&lose Output Pane", -1, [this] { ShowOutputPane(false); });
    mCloseOutput->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Escape));
    mCloseOutput->setEnabled(false);  // while the pane shows
    run->addAction(mCloseOutput);

    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("mTools");
    tools->addAction(MakeAction("mEditorOptions", "&Editor Options", -1, [this] { ShowWindow(form4_); }));

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mHelp");
    QAction* mContents = MakeAction("mContents", "&Contents", -1, hook(&C::HelpContents));
    mContents->setShortcut(QKeySequence(Qt::Key_F1));
    help->addAction(mContents);
    help->addAction(MakeAction("mHomePage", "&HomePage", -1, hook(&C::HomePage)));
    help->addAction(MakeAction("mReport", "&Report errors, suggestions, comments", -1, hook(&C::Feedback)));
    help->addSeparator();
    help->addAction(MakeAction("mAbout", "&About Tarnwick", -1, [this] { ShowWindow(form3_); }));

    // The editor's pop-up menu. Its Paste runs the Paste command like its namesakes.
    mPopup = new QMenu(this);
    mPopup->setObjectName("mPopup");
    mPopup->addAction(MakeAction("pCut", WithKeys("Cu&t", Qt::CTRL | Qt::Key_X), glyph::Cut, hook(&C::Cut)));
    mPopup->addAction(MakeAction("pCopy", WithKeys("&Copy", Qt::CTRL | Qt::Key_C), glyph::Copy, hook(&C::Copy)));
    mPopup->addAction(MakeAction("pPaste", WithKeys("&Paste", Qt::CTRL | Qt::Key_V), glyph::Paste, hook(&C::Paste)));
    mPopup->addAction(MakeAction("pSelectAll", WithKeys("Select &All", Qt::CTRL | Qt::Key_A), -1, hook(&C::SelectAll)));
    mPopup->addSeparator();
    mPopup->addAction(MakeAction("pFind", WithKeys("&Find", Qt::CTRL | Qt::Key_F), glyph::Find, hook(&C::Find)));
    mPopup->addAction(MakeAction("pReplace", WithKeys("&Replace", Qt::CTRL | Qt::Key_H), -1, hook(&C::Replace)));
    mPopup->addSeparator();
    mPopup->addAction(MakeAction("pIndent", WithKeys("&Indent", Qt::Key_Tab), glyph::Indent, hook(&C::Indent)));
    mPopup->addAction(
        MakeAction("pOutdent", WithKeys("&Outdent", Qt::SHIFT | Qt::Key_Tab), glyph::Outdent, hook(&C::Outdent)));
    mPopup->addSeparator();
    mPopup->addAction(MakeAction("pComment", "Co&mment", glyph::Comment, hook(&C::Comment)));
    mPopup->addAction(MakeAction("pUncomment", "&Uncomment", glyph::Uncomment, hook(&C::Uncomment)));
    mainText_->SetPopupMenu(mPopup);
    // The menu shortcuts work wherever the focus is in the window.
    for (QAction* action : findChildren<QAction*>()) action->setShortcutContext(Qt::WindowShortcut);
}

void TForm1::BuildToolBar() {
    TBar = new QToolBar(client_);
    TBar->setObjectName("TBar");
    TBar->setIconSize(QSize(16, 16));
    TBar->setFixedHeight(kToolBarHeight);
    TBar->setMovable(false);
    TBar->setFloatable(false);
    TBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    TBar->setStyleSheet("QToolBar { border: none; spacing: 0px; padding: 0px; }"
                        "QToolBar::separator { width: 8px; }"
                        "QToolButton { margin: 0px; padding: 1px; }");
    auto button = [this](const char* name, const char* hint, int glyph, const char* runs) {
        QAction* target = Action(runs);
        QAction* b = MakeAction(name, QString(), glyph, [target] { target->trigger(); });
        b->setToolTip(hint);
        TBar->addAction(b);
    };
    button("bNew", "Create a new file", glyph::New, "mNew");
    button("bOpen", "Open an existing file", glyph::Open, "mOpen");
    button("bSave", "Save current file", glyph::Save, "mSave");
    button("bPrint", "Print File", glyph::Print, "mPrint");
    AddGap(TBar);
    button("bCut", "Cut selected text", glyph::Cut, "mCut");
    button("bCopy", "Copy selected text", glyph::Copy, "mCopy");
    button("bPaste", "Paste selected text", glyph::Paste, "mPaste");
    button("bFind", "Open Find dialog", glyph::Find, "mFind");
    AddGap(TBar);
    button("bUndo", "Undo Last Action", glyph::Undo, "mUndo");
    AddGap(TBar);
    TxtGoto = new QLineEdit("Enter Ln", TBar);
    TxtGoto->setObjectName("TxtGoto");
    TxtGoto->setFixedSize(67, 22);
    TxtGoto->setFont(DesignFont("Verdana", 7));
    TxtGoto->setToolTip("Go to line");
    connect(TxtGoto, &QLineEdit::returnPressed, this, [this] { RunCommand(commands.GotoLine); });
    TBar->addWidget(TxtGoto);
    button("bIndent", "Indent Selected Text", glyph::Indent, "mIndent");
    button("bOutdent", "Outdent Selected Text", glyph::Outdent, "mOutdent");
    button("bComment", "Comment selected lines", glyph::Comment, "mComment");
    button("bUncomment", "Uncomment Selected Text", glyph::Uncomment, "mUnComment");
    AddGap(TBar);
    button("bRun", "Run with default settings specified in the Run Dialog", glyph::Run, "mRunDefault");
}

}  // namespace tarnwick
