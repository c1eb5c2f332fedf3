#pragma once

#include "help/ChmHelp.h"

#include <QObject>

#include <memory>

class QWidget;

namespace tarnwick {

// The program's compiled help: one viewer, its entry point and a help manager
// that reports the main window as the owner of help windows. Contents goes
// straight to the viewer; there is no other viewer to choose from.
class ChmHelpUnit : public QObject {
    Q_OBJECT
public:
    explicit ChmHelpUnit(QWidget* mainWindow);
    ~ChmHelpUnit() override;

    TChmHelpViewer& Viewer() { return *viewer_; }
    HtmlHelpEntry* Entry() const { return entry_.get(); }  // none without an entry point

private:
    class Manager;
    std::unique_ptr<HtmlHelpEntry> entry_;
    std::unique_ptr<Manager> manager_;
    std::unique_ptr<TChmHelpViewer> viewer_;
};

}  // namespace tarnwick
