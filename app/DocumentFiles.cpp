#include "app/DocumentFiles.h"

#include "app/FileAccess.h"
#include "app/MainUnit.h"

#include <filesystem>

namespace tarnwick {

namespace {

// Sets Busy for a scope and clears it on every way out, failures included, so
// the caret tracking goes on working after a load that failed.
class BusyScope {
public:
    explicit BusyScope(MainUnit& unit) : unit_(unit) { unit_.Busy = true; }
    ~BusyScope() { unit_.Busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MainUnit& unit_;
};

std::string TitleFor(const std::string& name) { return std::string(kApplicationTitle) + " - " + name; }

}  // namespace

std::string FileNamePart(std::string_view path) {
#ifdef _WIN32
    constexpr const char* kSeparators = "/\\:";
#else
    constexpr const char* kSeparators = "/";  // a backslash is part of a file's name here
#endif
    const auto slash = path.find_last_of(kSeparators);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

DocumentFiles::DocumentFiles(MainUnit& unit, TitleSink setTitle, Colourer colour)
    : unit_(unit), setTitle_(std::move(setTitle)), colour_(std::move(colour)) {}

bool DocumentFiles::Changed() const { return unit_.MainText.Text() != unit_.SavedText; }

std::string WithFilterExtension(const std::string& path, const std::string& filter, int chosen) {
    if (FileNamePart(path).find('.') != std::string::npos || FileNamePart(path).empty()) return path;
    // The chosen pair's pattern, "*.vbs" in "Description|*.vbs|...".
    std::size_t start = 0;
    for (int field = 0; field < 2 * chosen + 1; ++field) {
        start = filter.find('|', start);
        if (start == std::string::npos) return path;
        ++start;
    }
    const std::string pattern = filter.substr(start, filter.find('|', start) - start);
    if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0 || pattern.find_first_of("*?;", 2) != std::string::npos)
        return path;
    return path + pattern.substr(1);
}

void DocumentFiles::SetTitle(std::string title) {
    title_ = std::move(title);
    if (setTitle_) setTitle_(title_);
}

void DocumentFiles::OpenOperation(const std::string& name, const std::string& path) {
    {
        BusyScope busy(unit_);
        if (!name.empty()) {
            // Read and parse first: a file that cannot be read, or rich text that
            // cannot be parsed, leaves the document as it was (the load replaces
            // the whole content only once it has succeeded).
            unit_.MainText.LoadFromBytes(ReadFileBytes(path));
            unit_.MainText.ClearUndo();
            SetTitle(TitleFor(name));
            // Named at once, so that a failed colouring can never leave this
            // text under the previous file's name for the next Save.
            unit_.CurrentFileName = path;
        }
        if (colour_) colour_(unit_);
    }
    // Taken after colouring, which may have tidied the text.
    unit_.SavedText = unit_.MainText.Text();
    if (!name.empty() && fileUsed_) fileUsed_(path);
}

void DocumentFiles::New() {
    if (!Changed() && unit_.CurrentFileName.empty()) return;  // already new and unchanged
    switch (unit_.Boxes->Confirm(kNewQuestion)) {
    case Answer::Cancel:
        return;
    case Answer::Yes:
        if (!Save()) return;
        break;
    case Answer::No:
        break;
    }
    // An untitled, unchanged document, so the next Save asks for a name
    // instead of writing the new text over the file just saved.
    unit_.MainText.Clear();
    unit_.MainText.ClearUndo();
    unit_.CurrentFileName.clear();
    unit_.SavedText.clear();
    SetTitle(TitleFor("Untitled"));
}

bool DocumentFiles::OpenRecent(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(PathOf(path), ec))
        return unit_.Boxes->Confirm("Cannot find \"" + path + "\". Remove it from the recent files?") ==
               Answer::Yes;
    if (Changed()) {
        switch (unit_.Boxes->Confirm(kOpenQuestion)) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            if (!Save()) return false;
            break;
        case Answer::No:
            break;
        }
    }
    OpenOperation(FileNamePart(path), path);
    return false;
}

void DocumentFiles::Open() {
    if (Changed()) {
        switch (unit_.Boxes->Confirm(kOpenQuestion)) {
        case Answer::Cancel:
            return;
        case Answer::Yes:
            if (!Save()) return;
            break;
        case Answer::No:
            break;  // the text stays until a file has been chosen
        }
    }
    const auto path = unit_.Dialogs->OpenFileName(kOpenFilter);
    if (!path) return;
    OpenOperation(FileNamePart(*path), *path);
}

void DocumentFiles::WriteDocument(const std::string& path) {
    // The bytes as they are: Windows-1252, CR LF breaks, a final break only if the text has one.
    unit_.Files->Replace(path, unit_.MainText.Text(), NewFileAccess::Usual);
}

bool DocumentFiles::Save() {
    if (unit_.CurrentFileName.empty()) return SaveAs();
    WriteDocument(unit_.CurrentFileName);
    unit_.SavedText = unit_.MainText.Text();
    if (fileUsed_) fileUsed_(unit_.CurrentFileName);
    return true;
}

bool DocumentFiles::SaveAs() {
    int chosenFilter = 0;
    auto path = unit_.Dialogs->SaveFileName(kSaveFilter, chosenFilter);
    if (!path) return false;
    *path = WithFilterExtension(*path, kSaveFilter, chosenFilter);
    WriteDocument(*path);
    unit_.CurrentFileName = *path;
    SetTitle(TitleFor(FileNamePart(*path)));
    unit_.SavedText = unit_.MainText.Text();
    if (fileUsed_) fileUsed_(*path);
    return true;
}

void DocumentFiles::DropFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) OpenOperation(FileNamePart(path), path);
}

}  // namespace tarnwick
