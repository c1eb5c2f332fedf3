#pragma once

#include "help/ChmHelp.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <map>

class QWidget;

namespace tarnwick {

class ChmHelpWindow;

// The HTML Help entry point on systems without one: the program's own help
// windows, one per help file, owned by the window whose handle comes with a
// request.
class QtHtmlHelp : public HtmlHelpEntry {
public:
    // Shows a failure to the user; a warning box unless given.
    using Report = std::function<void(QWidget* owner, const QString& text)>;
    explicit QtHtmlHelp(Report report = {});
    ~QtHtmlHelp() override;

    void Send(std::uintptr_t ownerWindow, const std::optional<std::string>& file, int command,
              const HelpData& data) override;

    // The open help window of a file, if any.
    ChmHelpWindow* Window(const QString& path) const;

private:
    ChmHelpWindow* OpenWindow(QWidget* owner, const QString& path);
    void CloseAll();

    Report report_;
    std::map<QString, QPointer<ChmHelpWindow>> windows_;
};

}  // namespace tarnwick
