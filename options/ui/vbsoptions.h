#pragma once

#include "options/ColourSettings.h"
#include "options/ColourSettingsLoader.h"
#include "options/EditorOptions.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace tarnwick {

class MainWindowPort;

// The Editor Options window. Its colour pickers are the colours in force:
// every pick changes the colours colouring reads at once, before Apply. Its
// creation step fills the font boxes, loads the colours and then opens the
// file named on the command line, which is therefore coloured with them.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    // arguments: the program's command line, its own path first.
    TForm4(MainWindowPort& main, const std::vector<std::string>& arguments, QWidget* parent = nullptr);
    ~TForm4() override;

    ColourSettings& Colours() { return colours_; }
    const AppliedEntries& Applied() const { return applied_; }

    QComboBox* CmbFont = nullptr;
    QComboBox* CmbSize = nullptr;
    QComboBox* ccFunctions = nullptr;
    QComboBox* ccStatements = nullptr;
    QComboBox* ccComments = nullptr;
    QPushButton* CmdReset = nullptr;
    QPushButton* CmdApply = nullptr;
    QPushButton* CmdCancel = nullptr;

    void CmdResetClick();
    void CmdApplyClick();
    void CmdCancelClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void FitToTexts();  // the design's size, or larger where the font needs it
    void FormCreate(const std::vector<std::string>& arguments);
    // Fills the picker for the colour in force and selects it.
    void ShowColour(QComboBox* picker, Colour colour);
    FontChoice Font() const;
    void ShowFont(const FontChoice& font);

    MainWindowPort& main_;
    ColourSettings colours_;
    AppliedEntries applied_;
};

}  // namespace tarnwick
