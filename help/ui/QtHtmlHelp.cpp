#include "help/ui/QtHtmlHelp.h"

#include "help/ui/ChmHelpWindow.h"
#include "unit/ui/QtPorts.h"

#include <cctype>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tarnwick {
namespace {

// The file argument: the help file's path, or the path, "::/" and a topic. The
// topic follows the last ".chm::", so a folder whose name holds "::" is kept.
std::pair<QString, QString> SplitFileArgument(const std::string& argument) {
    std::string lower = argument;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::size_t separator = lower.rfind(".chm::");
    if (separator != std::string::npos) separator += 4;
    else separator = argument.find("::");
    if (separator == std::string::npos) return {FromPath(argument), QString()};
    return {FromPath(argument.substr(0, separator)), FromPath(argument.substr(separator + 2))};
}

}  // namespace

QtHtmlHelp::QtHtmlHelp(Report report) : report_(std::move(report)) {
    if (!report_)
        report_ = [](QWidget* owner, const QString& text) { QtMessageBoxes(owner).Warning(ToAnsi(text)); };
}

QtHtmlHelp::~QtHtmlHelp() { CloseAll(); }

ChmHelpWindow* QtHtmlHelp::Window(const QString& path) const {
    const auto it = windows_.find(QFileInfo(path).absoluteFilePath());
    return it == windows_.end() ? nullptr : it->second.data();
}

ChmHelpWindow* QtHtmlHelp::OpenWindow(QWidget* owner, const QString& path) {
    const QString key = QFileInfo(path).absoluteFilePath();
    if (ChmHelpWindow* open = windows_[key]) return open;
    std::unique_ptr<ChmArchive> archive = ChmArchive::Open(path);
    if (!archive) {
        report_(owner, QString("Cannot open help file \"%1\".").arg(QDir::toNativeSeparators(path)));
        windows_.erase(key);
        return nullptr;
    }
    auto* window = new ChmHelpWindow(std::move(archive), key, owner);
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) window->FitOnScreen(screen->availableGeometry(), owner);
    windows_[key] = window;
    return window;
}

void QtHtmlHelp::CloseAll() {
    for (auto& [path, window] : windows_)
        if (window) delete window.data();
    windows_.clear();
}

void QtHtmlHelp::Send(std::uintptr_t ownerWindow, const std::optional<std::string>& file, int command,
                      const HelpData& data) {
    if (command == hh::kCloseAll) {
        CloseAll();
        return;
    }
    if (!file) return;
    const auto [path, topic] = SplitFileArgument(*file);
    QWidget* owner = ownerWindow ? QWidget::find(static_cast<WId>(ownerWindow)) : nullptr;
    const bool wasOpen = Window(path) != nullptr;
    ChmHelpWindow* window = OpenWindow(owner, path);
    if (!window) return;

    bool shown = true;
    switch (command) {
    case hh::kDisplayTopic:
        if (topic.isEmpty()) window->ShowContents();
        else shown = window->ShowTopic(topic);
        break;
    case hh::kDisplayToc: window->ShowContents(); break;
    case hh::kDisplayIndex: {
        const auto* keyword = std::get_if<std::string>(&data);
        window->ShowIndex(keyword ? FromAnsi(*keyword) : QString());
        break;
    }
    case hh::kHelpContext: {
        const auto* number = std::get_if<std::uintptr_t>(&data);
        const auto topic = number ? window->Archive().ContextTopic(static_cast<std::uint32_t>(*number)) : std::nullopt;
        shown = topic && window->ShowTopic(*topic);
        break;
    }
    default: shown = false; break;
    }
    if (!shown) {
        // A topic or context the file does not have: a window opened only for it goes again.
        if (!wasOpen) delete window;
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace tarnwick
