#pragma once

#include "commands/FindReplace.h"
#include "editor/TextEncoding.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarnwick {

// DialogFind: the modeless Find dialog. Its controls hold its state; each press
// of Find Next runs OnFindNext.
class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent);
    FindDialogState State() const;
    void SetFindText(const std::string& text);  // the Replace dialog copies its find text in
    // Shows the dialog, or brings it forward, with its find text selected for typing over.
    void Present();

    std::function<void()> OnFindNext;
    TextEncoding encoding = TextEncoding::Ansi;  // the document's, by which the texts convert

    QLineEdit* TxtFind = nullptr;
    QCheckBox* ChkWholeWord = nullptr;
    QCheckBox* ChkMatchCase = nullptr;
    QRadioButton* OptUp = nullptr;
    QRadioButton* OptDown = nullptr;
    QPushButton* CmdFindNext = nullptr;
    QPushButton* CmdCancel = nullptr;
};

// DialogReplace: the modeless Replace dialog, without a direction choice.
class TReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget* parent);
    ReplaceDialogState State() const;
    void Present();  // as the Find dialog's, also where the focus was last in "Replace with"

    std::function<void()> OnFindNext, OnReplace, OnReplaceAll;
    TextEncoding encoding = TextEncoding::Ansi;  // the document's, by which the texts convert

    QLineEdit* TxtFind = nullptr;
    QLineEdit* TxtReplace = nullptr;
    QCheckBox* ChkWholeWord = nullptr;
    QCheckBox* ChkMatchCase = nullptr;
    QPushButton* CmdFindNext = nullptr;
    QPushButton* CmdReplace = nullptr;
    QPushButton* CmdReplaceAll = nullptr;
    QPushButton* CmdCancel = nullptr;
};

}  // namespace tarnwick
