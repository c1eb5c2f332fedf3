#include "window/ui/vbsmain.h"

#include "settings/ui/UserSettingsFile.h"
#include "unit/Error.h"
#include "unit/ui/ScreenFit.h"
#include "window/ui/EditorWidget.h"
#include "window/ui/Glyphs.h"
#include "window/ui/PaletteColours.h"
#include "window/ui/ProcedureBox.h"
#ifdef _WIN32
#include "settings/win/RegistrySettingsStore.h"
#endif
#include "commands/ui/FindDialogs.h"
#include "completion/ui/LstDrawItem.h"
#include "completion/ui/LstRows.h"
#include "run/OutputSession.h"
#include "syntax/DocumentColouring.h"
#include "syntax/SyntaxTable.h"

#include <algorithm>
#include <climits>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace tarnwick {

namespace {

constexpr const char* kVersionText = "1.1.0.31";

// The registry key on Windows, a settings file elsewhere.
std::unique_ptr<SettingsStore> DefaultSettingsStore() {
#ifdef _WIN32
    return std::make_unique<RegistrySettingsStore>();
#else
    return UserSettingsStore();
#endif
}

}  // namespace

TForm1::TForm1(std::unique_ptr<SettingsStore> settings, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings ? std::move(settings) : DefaultSettingsStore()),
      files_(unit_, [this](const std::string& title) { setWindowTitle(FromPath(title)); },
             [](MainUnit& unit) { ColourWholeDocument(unit); }) {
    unit_.Boxes = &boxes_;
    unit_.Dialogs = &dialogs_;
    unit_.ClipboardPort = &clipboard_;
    unit_.PrinterPort = &printer_;
    clipboard_.SetEncoding(&unit_.Encoding);
    printer_.SetEncoding(&unit_.Encoding);
    unit_.Cursor = &cursor_;
    unit_.Files = &fileWriter_;
    unit_.Settings = settings_.get();

    setWindowTitle(kApplicationTitle);
    setFont(DesignFont("MS Sans Serif", 8));

    client_ = new QWidget(this);
    setCentralWidget(client_);
    mainText_ = new EditorWidget(unit_.MainText, client_);
    mainText_->setObjectName("MainText");
    mainText_->SetClipboard(&clipboard_);
    mainText_->setGeometry(0, kToolBarHeight, 648, 432);

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildHiddenControls();
    WireTracker();
    WireEditingCommands();
    WireRunCommands();
    WireOutputPane();
    WireProcedureList();
    WireHelpCommands();
    WireRecentFiles();
    WireSyntaxCheck();
    files_.SetEncodingChanged([this](TextEncoding encoding) { ShowEncoding(encoding); });
    files_.SetReplacing([this] { tracker_->CloseListAndTip(); });
    ShowEncoding(unit_.Encoding);

    // Design geometry: it stands wherever a stored value is missing.
    move(kDesignLeft, kDesignTop);
    resize(kDesignClientWidth, kDesignClientHeight + menuBar()->sizeHint().height());
    FormCreate();
    LayOutClient();
    mainText_->setFocus();
}

TForm1::~TForm1() {
    // The tracker, the editor and the procedure list observe the model, a member that dies before
    // the window's children would.
    tracker_.reset();
    delete mainText_;
    delete CmbProcedures;
    // The list's items show rows that shownRows_, a member too, holds.
    delete Lst;
    Lst = nullptr;
}

// ---- Creation ---------------------------------------------------------------

void TForm1::FormCreate() {
    UsePaletteForSystemColours();
    ApplyStoredGeometryAndFont(*settings_, *this, unit_);
    const QString syntaxIni = QDir(QCoreApplication::applicationDirPath()).filePath("syntax.ini");
    unit_.SyntaxTable = LoadSyntaxTable(ToPath(syntaxIni));
    unit_.PrevLine = 1;
    unit_.CurLine = 1;
    PropertyIcon = QIcon(CompletionGlyph(1));
    FunctionIcon = QIcon(CompletionGlyph(0));
    setAcceptDrops(true);
}

QAction* TForm1::MakeAction(const QString& name, const QString& text, int glyph, std::function<void()> run) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (glyph >= 0) {
        action->setIcon(QIcon(Glyph(glyph, palette())));
        action->setIconVisibleInMenu(true);
    }
    action->setProperty("glyph", glyph);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] { RunCommand(run); });
    return action;
}

void TForm1::RunCommand(const std::function<void()>& command) {
    if (command) Guarded(command);
}

bool TForm1::Guarded(const std::function<void()>& command) {
    bool done = true;
    try {
        command();
    } catch (const std::exception& failure) {
        unit_.Boxes->ApplicationError(ErrorBoxText(failure.what()));
        done = false;
    }
    if (tracker_) tracker_->CatchUpStatus();
    return done;
}

void TForm1::BuildStatusBar() {
    StBar = new QStatusBar(client_);
    StBar->setObjectName("StBar");
    StBar->setFixedHeight(kStatusBarHeight);
    StBar->setFont(DesignFont("Tahoma", 8));
    StBar->setSizeGripEnabled(true);
    StatusPanel0 = new QLabel("Line 1 of 1, Col 1", StBar);
    StatusPanel0->setObjectName("StatusPanel0");
    StatusPanel0->setFixedWidth(550);
    StatusPanel0->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusPanel1 = new QLabel(kVersionText, StBar);
    StatusPanel1->setObjectName("StatusPanel1");
    StatusPanel1->setFixedWidth(50);
    StatusPanel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StatusPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StBar->addWidget(StatusPanel0);
    StBar->addWidget(StatusPanel1);
    // A panel of its own inside the right end of panel 0, whose text never reaches that far,
    // so the design's panels keep their widths.
    StatusEncoding = new QLabel(StatusPanel0);
    StatusEncoding->setObjectName("StatusEncoding");
    StatusEncoding->setAlignment(Qt::AlignCenter);
    StatusEncoding->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusEncoding->setAutoFillBackground(true);
    StatusEncoding->setFixedWidth(64);
    auto* panel0 = new QHBoxLayout(StatusPanel0);
    panel0->setContentsMargins(0, 0, 0, 0);
    panel0->addStretch();
    panel0->addWidget(StatusEncoding);
}

void TForm1::ShowEncoding(TextEncoding encoding) {
    mainText_->SetEncoding(encoding);
    StatusEncoding->setText(EncodingName(encoding));
    if (DialogFind) DialogFind->encoding = encoding;
    if (DialogReplace) DialogReplace->encoding = encoding;
}

void TForm1::BuildHiddenControls() {
    TxtTip = new QLineEdit(" ToolTips Here", client_);
    TxtTip->setObjectName("TxtTip");
    TxtTip->setFrame(false);
    TxtTip->setReadOnly(true);
    TxtTip->setFocusPolicy(Qt::NoFocus);
    TxtTip->setFont(DesignFont("Verdana", 8));
    TxtTip->setStyleSheet("QLineEdit { background-color: rgb(33, 92, 218); color: white; border: none; }");
    TxtTip->setGeometry(184, 480, 161, 19);
    TxtTip->hide();

    LblTip = new QLabel("<-- ToolTip Width -->", client_);
    LblTip->setObjectName("LblTip");
    LblTip->setFont(DesignFont("Verdana", 8));
    LblTip->adjustSize();
    LblTip->hide();

    Lst = new QListWidget(client_);
    Lst->setObjectName("Lst");
    Lst->setFont(LstDrawItem::ListFont());
    Lst->setItemDelegate(new LstDrawItem(Lst));
    Lst->setFocusPolicy(Qt::NoFocus);
    Lst->setUniformItemSizes(true);
    // The list covers what lies under it, so showing it does not repaint the editor's text there first.
    Lst->setAutoFillBackground(true);
    Lst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Lst->setTextElideMode(Qt::ElideNone);
    Lst->setIconSize(QSize(16, 16));
    Lst->setGeometry(512, 344, 137, 121);
    Lst->addItems({"Function 1", "Function 2", "Property 1", "Property 2"});
    for (int i = 0; i < Lst->count(); ++i) Lst->item(i)->setSizeHint(QSize(0, CompletionList::kRowHeight));
    shownRows_ = std::make_unique<LstRows>(Lst);
    Lst->hide();
}

// ---- Completion and tips ------------------------------------------------------

void TForm1::WireTracker() {
    tracker_ = std::make_unique<EditorTracker>(unit_, static_cast<const TipTextMeasure*>(this));
    EditorTracker& tracker = *tracker_;
    tracker.SetMapToWindow([this](Point p) {
        const QPoint mapped = mainText_->viewport()->mapTo(client_, QPoint(p.x, p.y));
        return Point{mapped.x(), mapped.y()};
    });
    tracker.mCopyClick = [this] { RunCommand(commands.Copy); };
    tracker.mCutClick = [this] { RunCommand(commands.Cut); };
    tracker.mPasteClick = [this] { RunCommand(commands.Paste); };
    tracker.mIndentClick = [this] { RunCommand(commands.Indent); };
    tracker.mOutdentClick = [this] { RunCommand(commands.Outdent); };
    tracker.OnStatusChanged = [this] { StatusPanel0->setText(QString::fromStdString(tracker_->StatusText())); };
    tracker.OnTipChanged = [this] { ShowTip(); };
    // Also a command run outside the window's handlers (the command-line file) catches up.
    tracker.OnStatusStale = [this] { QTimer::singleShot(0, this, [this] { tracker_->CatchUpStatus(); }); };
    tracker.Lst().OnChanged = [this] { ShowList(); };
    tracker.Lst().FocusEditor = [this] { mainText_->setFocus(); };
    tracker.Lst().ClientSize = [this] { return Point{client_->width(), client_->height()}; };
    tracker.Lst().MeasureWidth = [this](const CompletionList::SharedRows& rows) {
        const int widest = LstDrawItem::WidestName(Lst->font(), rows);
        const int scrollBar = int(rows->size()) > CompletionList::kTallRows
                                  ? Lst->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Lst)
                                  : 0;
        return CompletionList::kTextLeft + widest + 6 + scrollBar + 2 * Lst->frameWidth();
    };

    mainText_->onKeyDown = [this](int& key, KeyModifiers mods) {
        bool consumed = false;
        Guarded([&] { consumed = tracker_->MainTextKeyDown(key, mods); });
        if (consumed) key = 0;
    };
    mainText_->onKeyPress = [this](char& ch) { ch = tracker_->MainTextKeyPress(ch); };
    mainText_->onKeyUp = [this](int key, KeyModifiers mods) {
        Guarded([&] { tracker_->MainTextKeyUp(key, mods); });
    };
    connect(Lst, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        tracker_->Lst().SetItemIndex(Lst->row(item));
    });
    connect(Lst, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) {
        Guarded([this] { tracker_->Lst().LstDblClick(); });
    });
}

int TForm1::TextWidth(const std::string& text) const {
    LblTip->setText(FromAnsi(text));
    LblTip->adjustSize();
    return LblTip->width();
}

void TForm1::ShowTip() {
    const TipState& tip = tracker_->Tip();
    if (!tip.Visible) {
        TxtTip->hide();
        return;
    }
    TxtTip->setText(FromAnsi(tip.Text));
    // Beside the caret where it fits; at the right edge it moves left to stay whole.
    const int x = std::max(0, std::min(tip.Position.x, client_->width() - tip.Width));
    TxtTip->setGeometry(x, tip.Position.y, tip.Width, TipState::kHeight);
    KeepTipClearOfList();
    TxtTip->show();
    TxtTip->raise();
}

void TForm1::KeepTipClearOfList() {
    if (!tracker_->Lst().IsOpen() || !TxtTip->geometry().intersects(Lst->geometry())) return;
    // The list stands below the caret line, where the tip would: the tip goes above that line.
    const int caretTop = tracker_->Tip().Position.y - 18;
    TxtTip->move(TxtTip->x(), std::max(0, std::min(caretTop, Lst->y()) - TipState::kHeight));
}

void TForm1::ShowList() {
    const CompletionList& list = tracker_->Lst();
    if (!list.IsOpen()) {
        Lst->hide();
        return;
    }
    const QSignalBlocker block(Lst);
    // Rows change only when they differ: a click on a row must leave
    // its item in place, or the double click that follows finds no row.
    shownRows_->Show(list.Shared(),
                     {FunctionIcon, PropertyIcon, LstDrawItem::KindIcon(RowIcon::Variable),
                      LstDrawItem::KindIcon(RowIcon::Procedure), LstDrawItem::KindIcon(RowIcon::Class),
                      LstDrawItem::KindIcon(RowIcon::Keyword)},
                     unit_.Encoding);
    Lst->setCurrentRow(list.ItemIndex());
    // No row is chosen only right after a filling: the list shows its top.
    if (list.ItemIndex() >= 0) Lst->scrollToItem(Lst->currentItem());
    else Lst->scrollToTop();
    Lst->setGeometry(list.Position().x, list.Position().y, list.Width(), list.Height());
    Lst->show();
    Lst->raise();
    if (TxtTip->isVisible()) KeepTipClearOfList();
}

// ---- Layout -------------------------------------------------------------------

void TForm1::LayOutClient() {
    TBar->setGeometry(0, 0, client_->width(), kToolBarHeight);
    StBar->setGeometry(0, client_->height() - kStatusBarHeight, client_->width(), kStatusBarHeight);
    FormResize();
}

void TForm1::FormResize() {
    // The editor is not docked; only this step places it.
    mainText_->setGeometry(1, 28, OuterWidth() - 10, PlaceOutputPane(OuterHeight() - 102));
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOutClient();
    ApplyPendingOuterSize();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!outerSizePending_) return;
    // A window manager adds its frame some time after the window is shown, on a
    // loaded desktop seconds later: the stored size waits for it.
    for (int delay : {0, 50, 200, 500}) QTimer::singleShot(delay, this, [this] { ApplyPendingOuterSize(); });
    // A frame that first comes much later must not undo what the user has sized since.
    QTimer::singleShot(30000, this, [this] { outerSizePending_ = false; });
}

void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The outer size also changes when a window manager adds its frame, which
    // comes as a move.
    FormResize();
    ApplyPendingOuterSize();
}

namespace {

// The client size for a stored outer size: at least 1, and no overflow for
// whatever number the settings hold.
int InnerSize(int outer, int frame) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(outer) - frame, 1, INT_MAX));
}

}  // namespace

void TForm1::ApplyPendingOuterSize() {
    // The stored size is the outer one: once the frame is known, take it off.
    if (!outerSizePending_ || !isVisible()) return;
    const int extraWidth = frameGeometry().width() - width();
    const int extraHeight = frameGeometry().height() - height();
    if (extraWidth <= 0 && extraHeight <= 0) return;
    outerSizePending_ = false;
    resize(InnerSize(pendingOuterWidth_, extraWidth), InnerSize(pendingOuterHeight_, extraHeight));
    // A stored size is kept as it is where it fits on the screen, and only there; the
    // window manager takes the new size first.
    QTimer::singleShot(0, this, [this] { KeepOnScreen(this); });
}

// ---- MainWindowFrame ----------------------------------------------------------

int TForm1::OuterLeft() const { return frameGeometry().x(); }
int TForm1::OuterTop() const { return frameGeometry().y(); }
int TForm1::OuterWidth() const { return frameGeometry().width(); }
int TForm1::OuterHeight() const { return frameGeometry().height(); }

void TForm1::SetOuterLeft(int left) { move(left, OuterTop()); }
void TForm1::SetOuterTop(int top) { move(OuterLeft(), top); }

void TForm1::SetOuterWidth(int width) {
    resize(InnerSize(width, frameGeometry().width() - this->width()), height());
    pendingOuterWidth_ = width;
    if (pendingOuterHeight_ == 0) pendingOuterHeight_ = OuterHeight();
    outerSizePending_ = !isVisible();
}

void TForm1::SetOuterHeight(int height) {
    resize(width(), InnerSize(height, frameGeometry().height() - this->height()));
    pendingOuterHeight_ = height;
    if (pendingOuterWidth_ == 0) pendingOuterWidth_ = OuterWidth();
    outerSizePending_ = !isVisible();
}

void TForm1::SetSecondaryWindows(QWidget* form2, QWidget* form3, QWidget* form4) {
    form2_ = form2;
    form3_ = form3;
    form4_ = form4;
}

void TForm1::HideSecondaryWindows() {
    for (QWidget* form : {form2_, form3_, form4_})
        if (form) form->hide();
}

void TForm1::ShowWindow(QWidget* window) {
    if (!window) return;
    window->show();  // modeless
    window->raise();
    window->activateWindow();
}

QAction* TForm1::Action(const QString& name) const { return findChild<QAction*>(name); }

// ---- Commands -----------------------------------------------------------------

void TForm1::mNewClick() { files_.New(); }
void TForm1::mOpenClick() { files_.Open(); }
void TForm1::mSaveClick() { files_.Save(); }
void TForm1::mSaveAsClick() { files_.SaveAs(); }
void TForm1::mExitClick() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    CloseDecision decision = CloseDecision::Refuse;
    Guarded([&] { decision = CloseStep(unit_, files_, *this, ScratchScriptPath()); });
    if (decision == CloseDecision::Close) event->accept();
    else event->ignore();
}

// ---- Changes on disk ----------------------------------------------------------

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        // Glyphs drawn for the palette now in force: a desktop switched to dark keeps readable buttons.
        for (QAction* action : findChildren<QAction*>())
            if (const int glyph = action->property("glyph").toInt(); glyph >= 0 && action->property("glyph").isValid())
                action->setIcon(QIcon(Glyph(glyph, palette())));
    }
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || diskCheckPending_) return;
    // Asked once the activation is over, never from inside it.
    diskCheckPending_ = true;
    QTimer::singleShot(0, this, [this] {
        diskCheckPending_ = false;
        CheckFileOnDisk();
    });
}

void TForm1::CheckFileOnDisk() {
    // Not while a dialog of the program is open: its own command is still under way.
    if (!isActiveWindow() || QApplication::activeModalWidget()) return;
    Guarded([this] { files_.CheckFileOnDisk(); });
}

// ---- Dropped files ------------------------------------------------------------

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(DroppedPath(url));  // whole, whatever their length
    event->acceptProposedAction();
    // Opened once the drop is over: the question about unsaved changes must not
    // keep the program the files came from waiting.
    QTimer::singleShot(0, this, [this, paths] { Guarded([&] { files_.DropFiles(paths); }); });
}

}  // namespace tarnwick
