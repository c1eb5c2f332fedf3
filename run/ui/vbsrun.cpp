#include "run/ui/vbsrun.h"

#include "language/RunCheck.h"
#include "run/RunOptions.h"
#include "run/ui/CommandLineText.h"
#include "unit/MainUnit.h"
#include "unit/MainWindowPort.h"
#include "unit/ui/QtPorts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarnwick {

TForm2::TForm2(MainWindowPort& main, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      main_(main) {
    setObjectName("Form2");
    setWindowTitle("Run Options");
    setFixedSize(366, 247);
    move(287, 302);
    const QFont verdana = DesignFont("Verdana", 7);
    const QFont tahoma = DesignFont("Tahoma", 7);

    CmbOptions = new QComboBox(this);
    CmbOptions->setObjectName("CmbOptions");
    CmbOptions->setEditable(true);
    CmbOptions->setInsertPolicy(QComboBox::NoInsert);
    // A typed host is used as typed: the completer would change its case, and
    // Enter would take the list's item it completed to for a choice.
    CmbOptions->setCompleter(nullptr);
    CmbOptions->addItems({"cscript", "wscript"});
    CmbOptions->setCurrentIndex(1);
    CmbOptions->setFont(verdana);
    CmbOptions->setGeometry(16, 16, 145, 21);

    LstOptions = new QListWidget(this);
    LstOptions->setObjectName("LstOptions");
    LstOptions->setFont(verdana);
    LstOptions->setGeometry(16, 40, 145, 129);
    LstOptions->setMouseTracking(true);
    for (const char* text : kRunOptionItems) {
        auto* item = new QListWidgetItem(QString::fromLatin1(text), LstOptions);
        // The program flips the ticks itself, once for each click or Space.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }

    LblInfo = new QPlainTextEdit(this);
    LblInfo->setObjectName("LblInfo");
    LblInfo->setReadOnly(true);
    LblInfo->setFont(verdana);
    LblInfo->setGeometry(168, 16, 193, 161);

    ChkDefault = new QCheckBox("Apply this Settings to be the default settings", this);
    ChkDefault->setObjectName("ChkDefault");
    ChkDefault->setFont(verdana);
    ChkDefault->setGeometry(120, 176, 241, 17);
    ChkDefault->setMouseTracking(true);

    // Left of the default box, which starts where the list's right half does.
    ChkCheckFirst = new QCheckBox("Check syntax first", this);
    ChkCheckFirst->setObjectName("ChkCheckFirst");
    ChkCheckFirst->setFont(verdana);
    ChkCheckFirst->setGeometry(16, 176, 104, 17);
    ChkCheckFirst->setMouseTracking(true);
    ChkCheckFirst->setChecked(language::CheckBeforeRun(main_.Unit().Settings));

    auto button = [this, &tahoma](const char* name, const char* caption, int left) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(tahoma);
        b->setGeometry(left, 200, 73, 25);
        b->setAutoDefault(false);
        return b;
    };
    CmdManual = button("CmdManual", "Manual Edit", 120);
    CmdExecute = button("CmdExecute", "Execute", 200);
    CmdClose = button("CmdClose", "Close", 280);

    LblParameter = new QLineEdit("wscript [FilePath]", this);
    LblParameter->setObjectName("LblParameter");
    LblParameter->setFont(verdana);
    LblParameter->setFrame(false);
    LblParameter->setGeometry(0, 232, 369, 20);
    LblParameter->setStyleSheet("QLineEdit { background-color: rgb(33, 92, 218); color: white; }");

    connect(LstOptions, &QListWidget::itemClicked, this, [this] { LstOptionsClick(); });
    connect(CmbOptions, &QComboBox::activated, this, [this](int index) { CmbOptionsSelect(index); });
    connect(CmdManual, &QPushButton::clicked, this, [this] { CmdManualClick(); });
    connect(ChkDefault, &QCheckBox::clicked, this, [this] { ChkDefaultClick(); });
    connect(ChkCheckFirst, &QCheckBox::clicked, this, [this](bool ask) {
        main_.Guarded([&] {
            if (SettingsStore* settings = main_.Unit().Settings) language::StoreCheckBeforeRun(*settings, ask);
        });
    });
    connect(CmdExecute, &QPushButton::clicked, this, [this] { CmdExecuteClick(); });
    connect(CmdClose, &QPushButton::clicked, this, [this] { CmdCloseClick(); });
    LstOptions->installEventFilter(this);
    LstOptions->viewport()->installEventFilter(this);
    ChkDefault->installEventFilter(this);
    ChkCheckFirst->installEventFilter(this);
    LblParameter->installEventFilter(this);
}

void TForm2::LstOptionsClick() {
    if (QListWidgetItem* selected = LstOptions->currentItem(); selected && selected->isSelected())
        selected->setCheckState(selected->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    RunOptionTicks ticks{};
    for (int i = 0; i < kRunOptionCount; ++i) ticks[i] = LstOptions->item(i)->checkState() == Qt::Checked;
    LblParameter->setText(TemplateText(RebuildTemplate(TemplateBytes(CmbOptions->currentText()), ticks)));
}

void TForm2::CmbOptionsSelect(int index) {
    const QString host = CmbOptions->itemText(index);
    LblParameter->setText(TemplateText(ChooseHost(TemplateBytes(LblParameter->text()), TemplateBytes(host))));
}

void TForm2::CmdManualClick() {
    LblParameter->setReadOnly(false);
    LblParameter->setFocus();
    LblParameter->selectAll();
}

void TForm2::LblParameterKeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) return;
    CmdManual->setFocus();
    LblParameter->setReadOnly(true);
}

void TForm2::ChkDefaultClick() {
    main_.Guarded([this] {
        if (SettingsStore* settings = main_.Unit().Settings)
            StoreRunDefault(*settings, ChkDefault->isChecked(), TemplateBytes(LblParameter->text()));
    });
}

void TForm2::CmdExecuteClick() { main_.RunTemplate(TemplateBytes(LblParameter->text())); }

void TForm2::CmdCloseClick() { hide(); }

void TForm2::LstOptionsMouseMove(const QPoint& position) {
    QListWidgetItem* under = LstOptions->itemAt(position);
    if (under) {
        LstOptions->setCurrentItem(under);
    } else {
        LstOptions->clearSelection();
        LstOptions->setCurrentRow(-1);
    }
    LblInfo->setPlainText(QString::fromStdString(GetItemDescription(under ? LstOptions->row(under) : -1)));
}

void TForm2::ChkDefaultMouseMove() { LblInfo->setPlainText(kDefaultCheckExplanation); }

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == LstOptions->viewport())
            LstOptionsMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (watched == ChkDefault)
            ChkDefaultMouseMove();
        else if (watched == ChkCheckFirst)
            LblInfo->setPlainText("Before a run, checks the script and asks whether to run it anyway when it has "
                                  "a compile error.");
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == LblParameter) {
            LblParameterKeyDown(key);  // the key is not consumed
        } else if (watched == LstOptions) {
            if (key == Qt::Key_Space) {
                LstOptionsClick();
                return true;
            }
            // Moving the selection with the keyboard (arrows, pages, a typed
            // letter) raises the list's click too.
            const int before = LstOptions->currentRow();
            static_cast<QObject*>(LstOptions)->event(event);  // the list moves its selection first
            if (LstOptions->currentRow() != before) LstOptionsClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tarnwick
