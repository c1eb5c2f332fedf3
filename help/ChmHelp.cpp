#include "help/ChmHelp.h"

#include <algorithm>
#include <cctype>

namespace tarnwick {
namespace {

bool IsDirectoryMark(char c) { return c == '/' || c == '\\' || c == ':'; }

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The extension of a file name: from its last "." after the last folder mark.
std::string Extension(const std::string& name) {
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return {};
    const std::size_t mark = name.find_last_of("/\\:");
    if (mark != std::string::npos && mark > dot) return {};
    return name.substr(dot);
}

std::string TrimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool IsCompiledHelp(const std::string& name) {
    const std::size_t dot = name.find_last_of('.');
    return dot != std::string::npos && Lower(name.substr(dot)) == ".chm";
}

std::string LookUpHelpFile(const std::string& managerFile, const std::string& applicationFile,
                           const std::string& executableDir) {
    std::string file = managerFile.empty() ? applicationFile : managerFile;
    if (file.empty() || std::any_of(file.begin(), file.end(), IsDirectoryMark)) return file;
    std::string dir = executableDir;
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
    return dir + file;
}

TChmHelpViewer::TChmHelpViewer(HtmlHelpEntry* entry, std::string executableDir,
                               std::function<std::string()> applicationHelpFile)
    : entry_(entry), executableDir_(std::move(executableDir)), applicationHelpFile_(std::move(applicationHelpFile)) {}

std::string TChmHelpViewer::HelpFile() const {
    return LookUpHelpFile(manager_ ? manager_->GetHelpFile() : std::string(),
                          applicationHelpFile_ ? applicationHelpFile_() : std::string(), executableDir_);
}

int TChmHelpViewer::UnderstandsKeyword(const std::string&) const { return IsCompiledHelp(HelpFile()) ? 1 : 0; }

std::vector<std::string> TChmHelpViewer::GetHelpStrings(const std::string& keyword) const {
    return {GetViewerName() + ": " + keyword};
}

void TChmHelpViewer::ShowTableOfContents() {
    const std::string file = HelpFile();
    if (IsCompiledHelp(file)) HtmlHelp(file, hh::kDisplayToc, std::uintptr_t{0});
}

void TChmHelpViewer::ShowHelp(const std::string& entry) {
    const std::string file = HelpFile();
    if (!IsCompiledHelp(file)) return;
    const std::size_t colon = entry.find(':');
    const std::string keyword = TrimSpaces(colon == std::string::npos ? entry : entry.substr(colon + 1));
    HtmlHelp(file, hh::kDisplayIndex, keyword);
}

void TChmHelpViewer::SoftShutDown() { HtmlHelp(std::nullopt, hh::kCloseAll, std::uintptr_t{0}); }

void TChmHelpViewer::ShutDown() {
    SoftShutDown();
    manager_ = nullptr;
}

bool TChmHelpViewer::UnderstandsTopic(const std::string&) const { return IsCompiledHelp(HelpFile()); }

void TChmHelpViewer::DisplayTopic(const std::string& topic) {
    const std::string file = HelpFile();
    if (!IsCompiledHelp(file)) return;
    const std::string extension = Lower(Extension(topic));
    const std::string page =
        extension == ".htm" || extension == ".html" ? topic : topic + defaultTopicExtension_;
    HtmlHelp(file + "::/" + page, hh::kDisplayTopic, std::uintptr_t{0});
}

bool TChmHelpViewer::UnderstandsContext(int, const std::string& helpFileName) const {
    return IsCompiledHelp(helpFileName);
}

void TChmHelpViewer::DisplayHelpContext(int contextId, const std::string&) {
    // The lookup decides, not the name the caller gave.
    const std::string file = HelpFile();
    if (IsCompiledHelp(file)) HtmlHelp(file, hh::kHelpContext, static_cast<std::uintptr_t>(contextId));
}

int TChmHelpViewer::SelectKeyword(const std::vector<std::string>& entries) const {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].substr(0, entries[i].find(':')) == GetViewerName()) return static_cast<int>(i);
    return 0;
}

int TChmHelpViewer::TableOfContents(const std::vector<std::string>& sortedViewerNames) const {
    // A sorted list finds names without regard to case; -1 when it has none.
    const std::string name = Lower(GetViewerName());
    for (std::size_t i = 0; i < sortedViewerNames.size(); ++i)
        if (Lower(sortedViewerNames[i]) == name) return static_cast<int>(i);
    return -1;
}

void TChmHelpViewer::HtmlHelp(const std::optional<std::string>& file, int command, const HelpData& data) {
    if (!entry_ || command == hh::kGetLastError) return;
    if (command == hh::kCloseAll) {
        entry_->Send(0, std::nullopt, command, data);
        return;
    }
    entry_->Send(manager_ ? manager_->GetHandle() : 0, file, command, data);
}

bool TChmWinHelpTester::CanShowALink(const std::string&, const std::string&) const { return false; }
bool TChmWinHelpTester::CanShowTopic(const std::string&, const std::string&) const { return false; }
bool TChmWinHelpTester::CanShowContext(int, const std::string&) const { return false; }

std::vector<std::string> TChmWinHelpTester::GetHelpStrings(const std::string& aLink) const {
    return {": " + aLink};
}

}  // namespace tarnwick
