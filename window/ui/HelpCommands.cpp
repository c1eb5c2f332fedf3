// The main window's Help menu: the compiled help, the home page and the
// feedback mail. Their logic lives in the core.

#include "window/ui/vbsmain.h"

#include "help/HelpMenu.h"
#include "help/ui/ChmHelpUnit.h"
#include "unit/ui/QtPorts.h"

namespace tarnwick {

void TForm1::WireHelpCommands() {
    help_ = new ChmHelpUnit(this);
    // Only the compiled help viewer shows contents, so Contents goes to it directly.
    commands.HelpContents = [this] { help_->Viewer().ShowTableOfContents(); };
    commands.HomePage = [] {
        QtUrlOpener urls;
        mHomePageClick(urls);
    };
    commands.Feedback = [this] {
        QtUrlOpener urls;
        mReportClick(*unit_.Boxes, urls);
    };
}

}  // namespace tarnwick
