#include "commands/ui/FindDialogs.h"

#include "unit/ui/QtPorts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vector>

namespace tarnwick {
namespace {

template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

QPushButton* Button(const char* name, const QString& text, const std::function<void()>* run, QWidget* owner) {
    auto* button = Named<QPushButton>(name, text, owner);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, owner, [run] {
        if (*run) (*run)();
    });
    return button;
}

// Like the platform's dialogs: the search buttons wait for a find text.
void EnableWithText(QLineEdit* box, std::initializer_list<QPushButton*> buttons) {
    auto update = [box, buttons = std::vector<QPushButton*>(buttons)] {
        for (QPushButton* b : buttons) b->setEnabled(!box->text().isEmpty());
    };
    QObject::connect(box, &QLineEdit::textChanged, box, update);
    update();
}

// Tab goes from control to control in the order they are read, the buttons last.
void ChainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

// Opened or brought forward: the window takes the keyboard, so Enter presses its
// default button, and typing replaces the find text.
void PresentWithFindText(QDialog* dialog, QLineEdit* findText) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    findText->setFocus(Qt::ShortcutFocusReason);
    findText->selectAll();
}

}  // namespace

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("DialogFind");
    setWindowTitle("Find");
    setModal(false);
    TxtFind = Named<QLineEdit>("TxtFind");
    auto* label = new QLabel("Fi&nd what:");
    label->setBuddy(TxtFind);
    ChkWholeWord = Named<QCheckBox>("ChkWholeWord", "Match &whole word only");
    ChkMatchCase = Named<QCheckBox>("ChkMatchCase", "Match &case");
    OptUp = Named<QRadioButton>("OptUp", "&Up");
    OptDown = Named<QRadioButton>("OptDown", "&Down");
    OptDown->setChecked(true);
    auto* direction = new QGroupBox("Direction");
    auto* directionRow = new QHBoxLayout(direction);
    directionRow->addWidget(OptUp);
    directionRow->addWidget(OptDown);
    CmdFindNext = Button("CmdFindNext", "&Find Next", &OnFindNext, this);
    CmdFindNext->setDefault(true);
    CmdCancel = Named<QPushButton>("CmdCancel", "Cancel", this);
    CmdCancel->setAutoDefault(false);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::hide);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(TxtFind, 0, 1, 1, 2);
    grid->addWidget(CmdFindNext, 0, 3);
    grid->addWidget(CmdCancel, 1, 3);
    auto* checks = new QVBoxLayout;
    checks->addWidget(ChkWholeWord);
    checks->addWidget(ChkMatchCase);
    grid->addLayout(checks, 1, 0, 2, 2);
    grid->addWidget(direction, 1, 2, 2, 1);
    EnableWithText(TxtFind, {CmdFindNext});
    ChainTabOrder({TxtFind, ChkWholeWord, ChkMatchCase, OptUp, OptDown, CmdFindNext, CmdCancel});
}

void TFindDialog::Present() { PresentWithFindText(this, TxtFind); }

FindDialogState TFindDialog::State() const {
    return {ToDocument(TxtFind->text(), encoding), ChkMatchCase->isChecked(), ChkWholeWord->isChecked(),
            OptUp->isChecked() ? SearchDirection::Up : SearchDirection::Down};
}

void TFindDialog::SetFindText(const std::string& text) {
    const QString shown = FromDocument(text, encoding);
    if (TxtFind->text() != shown) TxtFind->setText(shown);
}

TReplaceDialog::TReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("DialogReplace");
    setWindowTitle("Replace");
    setModal(false);
    TxtFind = Named<QLineEdit>("TxtFind");
    TxtReplace = Named<QLineEdit>("TxtReplace");
    auto* findLabel = new QLabel("Fi&nd what:");
    findLabel->setBuddy(TxtFind);
    auto* replaceLabel = new QLabel("Re&place with:");
    replaceLabel->setBuddy(TxtReplace);
    ChkWholeWord = Named<QCheckBox>("ChkWholeWord", "Match &whole word only");
    ChkMatchCase = Named<QCheckBox>("ChkMatchCase", "Match &case");
    CmdFindNext = Button("CmdFindNext", "&Find Next", &OnFindNext, this);
    CmdFindNext->setDefault(true);
    CmdReplace = Button("CmdReplace", "&Replace", &OnReplace, this);
    CmdReplaceAll = Button("CmdReplaceAll", "Replace &All", &OnReplaceAll, this);
    CmdCancel = Named<QPushButton>("CmdCancel", "Cancel", this);
    CmdCancel->setAutoDefault(false);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::hide);

    auto* grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(TxtFind, 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(TxtReplace, 1, 1);
    grid->addWidget(ChkWholeWord, 2, 0, 1, 2);
    grid->addWidget(ChkMatchCase, 3, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {CmdFindNext, CmdReplace, CmdReplaceAll, CmdCancel}) buttons->addWidget(b);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 5, 1);
    EnableWithText(TxtFind, {CmdFindNext, CmdReplace, CmdReplaceAll});
    ChainTabOrder({TxtFind, TxtReplace, ChkWholeWord, ChkMatchCase, CmdFindNext, CmdReplace, CmdReplaceAll, CmdCancel});
}

void TReplaceDialog::Present() { PresentWithFindText(this, TxtFind); }

ReplaceDialogState TReplaceDialog::State() const {
    return {ToDocument(TxtFind->text(), encoding), ToDocument(TxtReplace->text(), encoding),
            ChkMatchCase->isChecked(), ChkWholeWord->isChecked()};
}

}  // namespace tarnwick
