#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tarnwick {

// Commands of the HTML Help entry point.
namespace hh {
inline constexpr int kDisplayTopic = 0;
inline constexpr int kDisplayToc = 1;
inline constexpr int kDisplayIndex = 2;
inline constexpr int kHelpContext = 15;
inline constexpr int kCloseAll = 18;
inline constexpr int kGetLastError = 20;
}  // namespace hh

// What a help command carries besides the file: a number (a context number,
// or 0) or a text (the keyword of the index).
using HelpData = std::variant<std::uintptr_t, std::string>;

// The HTML Help entry point: "HtmlHelpA" on Windows, the program's own viewer
// elsewhere. ownerWindow is a native window handle, 0 for none; file is the
// file argument, either the help file's path or path "::/" topic; no file is
// a null argument.
class HtmlHelpEntry {
public:
    virtual ~HtmlHelpEntry() = default;
    virtual void Send(std::uintptr_t ownerWindow, const std::optional<std::string>& file, int command,
                      const HelpData& data) = 0;
};

// The help manager as a viewer registered with it sees it.
class IHelpManager {
public:
    virtual ~IHelpManager() = default;
    virtual std::uintptr_t GetHandle() const = 0;  // the window that owns help windows
    virtual std::string GetHelpFile() const = 0;   // its current help file; empty when it has none
    virtual void Release(int viewerId) = 0;
};

// A name is compiled help when its last "." starts ".chm", in any case.
bool IsCompiledHelp(const std::string& name);

// The help file to use: the manager's, else the application's; a name without
// a folder is taken to lie in executableDir.
std::string LookUpHelpFile(const std::string& managerFile, const std::string& applicationFile,
                           const std::string& executableDir);

// The compiled HTML help viewer. Every request goes through one sending step
// to the entry point; without an entry point every request does nothing.
class TChmHelpViewer {
public:
    static constexpr const char* kViewerName = "TarnwickChm";

    // entry may be null (the entry point is missing). applicationHelpFile gives
    // the active window's help file or else the application's.
    TChmHelpViewer(HtmlHelpEntry* entry, std::string executableDir,
                   std::function<std::string()> applicationHelpFile);

    // The framework's custom viewer operations.
    std::string GetViewerName() const { return kViewerName; }
    int UnderstandsKeyword(const std::string& keyword) const;
    std::vector<std::string> GetHelpStrings(const std::string& keyword) const;
    bool CanShowTableOfContents() const { return true; }
    void ShowTableOfContents();
    void ShowHelp(const std::string& entry);
    void NotifyID(int viewerId) { viewerId_ = viewerId; }
    void SoftShutDown();
    void ShutDown();

    // The extended viewer operations.
    bool UnderstandsTopic(const std::string& topic) const;
    void DisplayTopic(const std::string& topic);
    bool UnderstandsContext(int contextId, const std::string& helpFileName) const;
    void DisplayHelpContext(int contextId, const std::string& helpFileName);

    // The help selector operations.
    int SelectKeyword(const std::vector<std::string>& entries) const;
    int TableOfContents(const std::vector<std::string>& sortedViewerNames) const;

    // Registration: the manager is kept until shutdown or until it is replaced.
    void SetHelpManager(IHelpManager* manager) { manager_ = manager; }
    IHelpManager* HelpManager() const { return manager_; }
    int ViewerID() const { return viewerId_; }

    // The help file that requests go to.
    std::string HelpFile() const;

    // The one sending step every request takes: nothing without an entry
    // point; "close all" goes without owner and file; "get last error" is dropped.
    void HtmlHelp(const std::optional<std::string>& file, int command, const HelpData& data);

private:

    int viewerId_ = 0;
    HtmlHelpEntry* entry_;
    IHelpManager* manager_ = nullptr;
    std::string executableDir_;
    std::function<std::string()> applicationHelpFile_;
    std::string defaultTopicExtension_ = ".htm";
};

// Answers the framework's WinHelp viewer so that it declines everything and
// every request goes to the compiled help.
class TChmWinHelpTester {
public:
    bool CanShowALink(const std::string& aLink, const std::string& fileName) const;
    bool CanShowTopic(const std::string& topic, const std::string& fileName) const;
    bool CanShowContext(int contextId, const std::string& fileName) const;
    std::vector<std::string> GetHelpStrings(const std::string& aLink) const;
    std::string GetHelpPath() const { return {}; }
    std::string GetDefaultHelpFile() const { return {}; }
};

}  // namespace tarnwick
