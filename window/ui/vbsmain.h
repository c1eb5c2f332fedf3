#pragma once

#include "completion/EditorTracker.h"
#include "documents/DocumentFiles.h"
#include "documents/ui/QtFileWriter.h"
#include "settings/FileSettingsStore.h"
#include "unit/MainUnit.h"
#include "unit/MainWindowPort.h"
#include "unit/ui/QtPorts.h"
#include "window/MainWindowLogic.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QStatusBar;
class QToolBar;

namespace tarnwick {

class ChmHelpUnit;
class EditorWidget;
class LstRows;
class OutputPane;
class OutputSession;
class ProcedureBox;
class TFindDialog;
class TReplaceDialog;

// The main editor window: the menus, the tool bar, the editor MainText, the
// status bar and the hidden controls of completion and tips. It holds the
// process-wide state (MainUnit) and the document's files.
class TForm1 : public QMainWindow, public MainWindowFrame, public MainWindowPort, private TipTextMeasure {
    Q_OBJECT
public:
    // Runs the creation step. The settings store defaults to the per-user file.
    explicit TForm1(std::unique_ptr<SettingsStore> settings = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    MainUnit& Unit() override { return unit_; }
    DocumentFiles& Files() override { return files_; }
    EditorTracker& Tracker() { return *tracker_; }
    EditorWidget* MainText() const { return mainText_; }

    // The Run Options, About and Editor Options windows, shown by their commands.
    void SetSecondaryWindows(QWidget* form2, QWidget* form3, QWidget* form4);

    // Runs a command; a failure it throws is shown in the application's error
    // box and the program goes on. False when it failed.
    bool Guarded(const std::function<void()>& command) override;

    // The commands of later work, run by the menus, buttons and keys; empty
    // ones do nothing.
    struct Commands {
        std::function<void()> Print, Undo, Redo, Cut, Copy, Paste, SelectAll, Find, Replace, Indent, Outdent,
            Comment, Uncomment, RunDefault, RunInPane, StopRun, HelpContents, HomePage, Feedback, GotoLine;
    } commands;

    // Command handlers.
    void mNewClick();
    void mOpenClick();
    void mSaveClick();
    void mSaveAsClick();
    void mExitClick();

    // The scratch script the runs write: beside the executable, or in a
    // private folder of the user's own where that is read-only.
    std::string ScratchScriptPath() const;
    // Runs a command template on the editor's text; a failure is shown.
    void RunTemplate(const std::string& commandTemplate) override;

    // MainWindowFrame
    int OuterLeft() const override;
    int OuterTop() const override;
    int OuterWidth() const override;
    int OuterHeight() const override;
    void SetOuterLeft(int left) override;
    void SetOuterTop(int top) override;
    void SetOuterWidth(int width) override;
    void SetOuterHeight(int height) override;
    void HideSecondaryWindows() override;

    // Controls, named as in the design.
    QToolBar* TBar = nullptr;
    QStatusBar* StBar = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QLabel* StatusEncoding = nullptr;  // the document's encoding, at the right end of panel 0
    QLineEdit* TxtTip = nullptr;
    QLabel* LblTip = nullptr;
    QListWidget* Lst = nullptr;
    QLineEdit* TxtGoto = nullptr;
    ProcedureBox* CmbProcedures = nullptr;  // the script's procedures, on the tool bar
    OutputPane* Output = nullptr;           // under the editor, hidden until a run in it
    QMenu* mPopup = nullptr;
    TFindDialog* DialogFind = nullptr;  // modeless, shown by Find and Replace
    TReplaceDialog* DialogReplace = nullptr;
    QIcon FunctionIcon;
    QIcon PropertyIcon;

    // The menu's actions by their design names (mNew, bNew, pCut ...).
    QAction* Action(const QString& name) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static constexpr int kToolBarHeight = 25;
    static constexpr int kStatusBarHeight = 20;
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildHiddenControls();
    void WireTracker();
    void WireEditingCommands();
    void WireFindDialogs();
    void WireRunCommands();
    void PrepareScratchFolder();
    void ShowStarted(const std::string& command);
    // Before a run of the template: when it would run in the output pane while
    // another runs there, true only if the user agrees to end that one.
    bool MayEndPaneRunFor(std::string_view commandTemplate);
    void WireOutputPane();
    void ShowPaneRun(const std::vector<std::string>& words);  // a run just started in the pane
    int PlaceOutputPane(int editorHeight);  // the editor's height that the pane leaves
    void ShowOutputPane(bool shown);
    void WireProcedureList();
    void ShowProcedureList();  // the keyboard's way into the tool bar's procedure list
    void PutCaret(int position);            // and the focus into the editor
    void WireHelpCommands();
    void WireRecentFiles();
    void WireSyntaxCheck();  // the marks while typing, Check Syntax and the question before a run
    void ShowEncoding(TextEncoding encoding);
    void CheckFileOnDisk();
    void RebuildRecentFilesMenu();
    void FindAgain(bool down);  // F3 and Shift+F3: the Find dialog's text and options, the dialog unseen
    void FormCreate();
    void FormResize();
    void LayOutClient();
    void ApplyPendingOuterSize();
    void ShowTip();
    void ShowList();
    void KeepTipClearOfList();
    QAction* MakeAction(const QString& name, const QString& text, int glyph, std::function<void()> run);
    void RunCommand(const std::function<void()>& command);
    void ShowWindow(QWidget* window);
    int TextWidth(const std::string& text) const override;

    std::unique_ptr<SettingsStore> settings_;
    QtMessageBoxes boxes_{this};
    QtFileDialogs dialogs_{this};
    QtClipboard clipboard_;
    QtPrinter printer_;
    QtMouseCursor cursor_;
    QtFileWriter fileWriter_;
    std::unique_ptr<ProcessStarter> processes_;
    std::unique_ptr<CapturedProcess> captured_;
    std::unique_ptr<OutputSession> outputRun_;  // runs through captured_
    std::string scratchScriptPath_;
    MainUnit unit_;
    DocumentFiles files_;
    std::unique_ptr<EditorTracker> tracker_;
    // The syntax check on its thread and the caret line's mark in the status
    // bar: both observe the model, so they go before it.
    std::unique_ptr<QObject> check_;
    std::unique_ptr<EditorObserver> caretLineMark_;
    std::unique_ptr<LstRows> shownRows_;  // the rows Lst holds, and its items
    QWidget* client_ = nullptr;
    EditorWidget* mainText_ = nullptr;
    QWidget* form2_ = nullptr;
    QWidget* form3_ = nullptr;
    QWidget* form4_ = nullptr;
    ChmHelpUnit* help_ = nullptr;  // a child object: it goes with the window
    QList<QAction*> recentFileActions_;  // on the File menu, above Exit
    bool diskCheckPending_ = false;
    bool outerSizePending_ = false;
    int pendingOuterWidth_ = 0;
    int pendingOuterHeight_ = 0;
};

}  // namespace tarnwick
