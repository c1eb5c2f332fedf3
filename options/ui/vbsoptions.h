#pragma once

#include "options/ColourSettings.h"
#include "options/ColourSettingsLoader.h"

#include <QWidget>

#include <string>
#include <vector>

namespace tarnwick {

class TForm1;

// The Editor Options window. It holds the three colours in force; its
// creation step loads them and then opens the file named on the command
// line, which is therefore coloured with them.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    // arguments: the program's command line, its own path first.
    TForm4(TForm1& main, const std::vector<std::string>& arguments, QWidget* parent = nullptr);
    ~TForm4() override;

    ColourSettings& Colours() { return colours_; }
    const AppliedEntries& Applied() const { return applied_; }

private:
    void FormCreate(const std::vector<std::string>& arguments);

    TForm1& main_;
    ColourSettings colours_;
    AppliedEntries applied_;
};

}  // namespace tarnwick
