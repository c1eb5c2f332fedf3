#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarnwick {

// The About box: created hidden at start-up, filled in once by its creation
// step and shown modeless by its command. OK, Enter and Escape hide it.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Controls, named as in the design, in the order they lie over each other.
    QWidget* Shape1 = nullptr;
    QWidget* Shape2 = nullptr;
    QWidget* Shape3 = nullptr;
    QWidget* Shape4 = nullptr;
    QWidget* Shape5 = nullptr;
    QLabel* LblTitle = nullptr;
    QLabel* LblVersion = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* CmdOk = nullptr;

    void CmdOkClick();

private:
    void FormCreate();
};

}  // namespace tarnwick
