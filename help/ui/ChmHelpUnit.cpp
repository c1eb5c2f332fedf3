#include "help/ui/ChmHelpUnit.h"

#include "unit/ui/QtPorts.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#ifdef _WIN32
#include "help/win/WinHtmlHelp.h"
#elif defined(TARNWICK_HAVE_CHMLIB)
#include "help/ui/QtHtmlHelp.h"
#endif

namespace tarnwick {
namespace {

// Paths as the entry point takes them: the code page on Windows, where
// "HtmlHelpA" reads them, the file system's encoding elsewhere.
std::string HelpPath(const QString& path) {
#ifdef _WIN32
    return QDir::toNativeSeparators(path).toLocal8Bit().toStdString();
#else
    return ToPath(path);
#endif
}

std::unique_ptr<HtmlHelpEntry> LoadEntry() {
#ifdef _WIN32
    return LoadWinHtmlHelp();
#elif defined(TARNWICK_HAVE_CHMLIB)
    return std::make_unique<QtHtmlHelp>();
#else
    return nullptr;
#endif
}

// The active window's help file, or else the application's.
std::string ApplicationHelpFile() {
    for (const QObject* holder : {static_cast<const QObject*>(QApplication::activeWindow()),
                                  static_cast<const QObject*>(qApp)}) {
        if (!holder) continue;
        const QString file = holder->property("helpFile").toString();
        if (!file.isEmpty()) return HelpPath(file);
    }
    return {};
}

}  // namespace

class ChmHelpUnit::Manager : public IHelpManager {
public:
    explicit Manager(QWidget* mainWindow) : mainWindow_(mainWindow) {}
    std::uintptr_t GetHandle() const override {
        return mainWindow_ ? static_cast<std::uintptr_t>(mainWindow_->winId()) : 0;
    }
    std::string GetHelpFile() const override { return {}; }  // the application's stands
    void Release(int) override {}

private:
    QPointer<QWidget> mainWindow_;
};

ChmHelpUnit::ChmHelpUnit(QWidget* mainWindow)
    : QObject(mainWindow), entry_(LoadEntry()), manager_(std::make_unique<Manager>(mainWindow)) {
    viewer_ = std::make_unique<TChmHelpViewer>(entry_.get(), HelpPath(QCoreApplication::applicationDirPath() + '/'),
                                               ApplicationHelpFile);
    // Registration: the manager is kept and gives the viewer its number.
    viewer_->SetHelpManager(manager_.get());
    viewer_->NotifyID(1);
}

ChmHelpUnit::~ChmHelpUnit() {
    manager_->Release(viewer_->ViewerID());
    viewer_->SetHelpManager(nullptr);
}

}  // namespace tarnwick
