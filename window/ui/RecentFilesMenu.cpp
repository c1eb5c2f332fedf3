// The File menu's recent files: the last eight opened or saved, newest first.

#include "window/ui/vbsmain.h"

#include "documents/FileAccess.h"
#include "documents/RecentFiles.h"

#include <QAction>
#include <QMenu>

namespace tarnwick {

void TForm1::WireRecentFiles() {
    files_.SetFileUsed([this](const std::string& path) {
        // Whole: a file named on the command line may be relative to a folder
        // the next start is not in.
        RememberRecentFile(*unit_.Settings, AbsolutePath(path));
        RebuildRecentFilesMenu();
    });
    // Read again each time the menu opens: another instance may have opened or saved a file since.
    if (auto* file = findChild<QMenu*>("mFile"))
        connect(file, &QMenu::aboutToShow, this, &TForm1::RebuildRecentFilesMenu);
    RebuildRecentFilesMenu();
}

void TForm1::RebuildRecentFilesMenu() {
    auto* file = findChild<QMenu*>("mFile");
    QAction* exit = Action("mExit");
    if (!file || !exit || !unit_.Settings) return;
    // Later: the action whose click rebuilds the list is still running.
    for (QAction* action : recentFileActions_) {
        file->removeAction(action);
        action->deleteLater();
    }
    recentFileActions_.clear();
    const std::vector<std::string> paths = ReadRecentFiles(*unit_.Settings);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string path = paths[i];
        // The number is the access key; an "&" of the path is shown as it is.
        auto* action = new QAction(QString("&%1 %2").arg(i + 1).arg(FromPath(path).replace('&', "&&")), file);
        action->setObjectName(QString("mRecent%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, path] {
            Guarded([&] {
                if (files_.OpenRecent(path)) {
                    ForgetRecentFile(*unit_.Settings, path);
                    RebuildRecentFilesMenu();
                }
            });
        });
        file->insertAction(exit, action);
        recentFileActions_ << action;
    }
    if (!paths.empty()) recentFileActions_ << file->insertSeparator(exit);
}

}  // namespace tarnwick
