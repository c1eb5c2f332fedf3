#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tarnwick {

class MainWindowPort;

// The Run Options window: the host, the host options and the command template
// they build, which it runs at once or stores as the default for F5. Created
// hidden at start-up, shown modeless by the Run command and only ever hidden,
// so its controls keep their state for the whole run of the program.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(MainWindowPort& main, QWidget* parent = nullptr);

    QComboBox* CmbOptions = nullptr;
    QListWidget* LstOptions = nullptr;
    QPlainTextEdit* LblInfo = nullptr;
    QCheckBox* ChkDefault = nullptr;
    QCheckBox* ChkCheckFirst = nullptr;  // ask before running a script with a compile error
    QPushButton* CmdManual = nullptr;
    QPushButton* CmdExecute = nullptr;
    QPushButton* CmdClose = nullptr;
    QLineEdit* LblParameter = nullptr;

    // The handlers, named as in the design.
    void LstOptionsClick();
    void CmbOptionsSelect(int index);
    void CmdManualClick();
    void LblParameterKeyDown(int key);
    void ChkDefaultClick();
    void CmdExecuteClick();
    void CmdCloseClick();
    void LstOptionsMouseMove(const QPoint& position);
    void ChkDefaultMouseMove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindowPort& main_;
};

}  // namespace tarnwick
