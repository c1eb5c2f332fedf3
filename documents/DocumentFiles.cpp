#include "documents/DocumentFiles.h"

#include "documents/FileAccess.h"
#include "editor/CaretPrimitives.h"
#include "unit/Error.h"
#include "unit/FlagScope.h"
#include "unit/MainUnit.h"

#include <filesystem>

namespace tarnwick {

namespace {

std::string TitleFor(const std::string& name) { return std::string(kApplicationTitle) + " - " + name; }

}  // namespace

std::string ReloadQuestion(const std::string& path, bool documentChanged) {
    const std::string changed = "\"" + path + "\" has been changed by another program";
    if (documentChanged)
        return changed + ", and this document has unsaved changes. Do you want to reload it and lose them?";
    return changed + ". Do you want to reload it?";
}

std::string SaveOverQuestion(const std::string& path) {
    return "\"" + path + "\" has been changed by another program since it was opened or saved. "
           "Do you want to save over it?";
}

std::string FileNamePart(std::string_view path) {
#ifdef _WIN32
    constexpr const char* kSeparators = "/\\:";
#else
    constexpr const char* kSeparators = "/";  // a backslash is part of a file's name here
#endif
    const auto slash = path.find_last_of(kSeparators);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderPart(std::string_view path) {
    const std::size_t nameLength = FileNamePart(path).size();
    if (nameLength == path.size()) return {};
    std::string_view folder = path.substr(0, path.size() - nameLength);
    // The separator goes, unless the folder is a root ("/", "C:", "C:\\").
    const bool root = folder.size() == 1 || folder.back() == ':' || folder[folder.size() - 2] == ':';
    if (!root) folder.remove_suffix(1);
    return std::string(folder);
}

DocumentFiles::DocumentFiles(MainUnit& unit, TitleSink setTitle, Colourer colour)
    : unit_(unit), setTitle_(std::move(setTitle)), colour_(std::move(colour)) {}

bool DocumentFiles::Changed() const { return !(unit_.SavedText == unit_.MainText.Text()); }

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

void DocumentFiles::Replacing() {
    if (replacing_) replacing_();
}

void DocumentFiles::OpenOperation(const std::string& name, const std::string& path) {
    Replacing();
    {
        FlagScope busy(unit_.Busy);  // cleared on failures too, so the caret tracking goes on
        if (!name.empty()) {
            // Read and parse first: a file that cannot be read, or rich text that
            // cannot be parsed, leaves the document as it was (the load replaces
            // the whole content only once it has succeeded).
            LoadDocument(path);
            SetTitle(TitleFor(name));
            // Named at once, so that a failed colouring can never leave this
            // text under the previous file's name for the next Save.
            unit_.CurrentFileName = path;
        }
        if (colour_) colour_(unit_);
        TrackFromCaretLine();
    }
    // Taken after colouring, which may have tidied the text.
    unit_.SavedText = unit_.MainText.Text();
    if (!name.empty() && fileUsed_) fileUsed_(path);
}

void DocumentFiles::SetEncoding(TextEncoding encoding) {
    if (unit_.Encoding == encoding) return;
    unit_.Encoding = encoding;
    if (encodingChanged_) encodingChanged_(encoding);
}

void DocumentFiles::LoadDocument(const std::string& path) {
    std::string bytes = ReadFileBytes(path);
    const std::size_t hash = DiskWatch::HashOf(bytes);
    DecodedFile decoded;
    try {
        decoded = DecodeFileBytes(std::move(bytes));  // a file without a mark is handed on as it is
    } catch (const Error& e) {
        throw Error("Cannot open file \"" + path + "\". " + e.what());
    }
    const TextEncoding previous = unit_.Encoding;
    SetEncoding(decoded.encoding);  // first, so that the loaded text is shown in it
    try {
        // Only a file without a mark may be rich text.
        if (decoded.encoding == TextEncoding::Ansi && decoded.text.starts_with("{\\rtf")) unit_.MainText.LoadFromRtf(decoded.text);
        else unit_.MainText.TakeText(std::move(decoded.text));
    } catch (...) {
        SetEncoding(previous);
        throw;
    }
    unit_.MainText.ClearUndo();
    TrackFromCaretLine();  // also when the colouring that follows fails
    disk_.RememberHash(path, hash);
}

// The caret tracking recolours the line the caret leaves, recorded while the
// previous text was shown; a new text starts with the caret's own line, so no
// line number of the old document is tidied in the new one.
void DocumentFiles::TrackFromCaretLine() {
    unit_.CurLine = unit_.PrevLine = CurLineNum(unit_.MainText, unit_.MainText.SelStart());
}

void DocumentFiles::New() {
    if (!Changed() && unit_.CurrentFileName.empty()) return;  // already new and unchanged
    Replacing();
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
    TrackFromCaretLine();
    unit_.CurrentFileName.clear();
    unit_.SavedText.clear();
    SetEncoding(TextEncoding::Ansi);
    disk_.Forget();
    SetTitle(TitleFor("Untitled"));
}

bool DocumentFiles::OpenRecent(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(PathOf(path), ec))
        return unit_.Boxes->Confirm("Cannot find \"" + path + "\". Remove it from the recent files?") ==
               Answer::Yes;
    Replacing();
    if (MayReplaceDocument()) OpenOperation(FileNamePart(path), path);
    return false;
}

bool DocumentFiles::MayReplaceDocument() {
    if (!Changed()) return true;
    switch (unit_.Boxes->Confirm(kOpenQuestion)) {
    case Answer::Cancel:
        return false;
    case Answer::Yes:
        return Save();
    case Answer::No:
        break;
    }
    return true;  // the text stays until another replaces it
}

void DocumentFiles::Open() {
    Replacing();
    if (!MayReplaceDocument()) return;
    const auto path = unit_.Dialogs->OpenFileName(kOpenFilter, FolderPart(unit_.CurrentFileName));
    if (!path) return;
    OpenOperation(FileNamePart(*path), *path);
}

void DocumentFiles::WriteDocument(const std::string& path) {
    // CR LF breaks, a final break only if the text has one; ANSI as it is,
    // Unicode in the encoding and with the mark it was read with.
    const std::string bytes = EncodeFileBytes(unit_.MainText.Text(), unit_.Encoding);
    unit_.Files->Replace(path, bytes, NewFileAccess::Usual);
    disk_.Remember(path, bytes);
}

bool DocumentFiles::MaySaveOver(const std::string& path) {
    if (!disk_.Changed(path)) return true;
    FlagScope asking(askingAboutDisk_);
    if (unit_.Boxes->Confirm(SaveOverQuestion(path)) == Answer::Yes) return true;
    disk_.Decline();  // the user knows: the window's activation does not ask again
    return false;
}

bool DocumentFiles::Save() {
    if (unit_.CurrentFileName.empty()) return SaveAs();
    if (!MaySaveOver(unit_.CurrentFileName)) return false;
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

void DocumentFiles::CheckFileOnDisk() {
    const std::string path = unit_.CurrentFileName;
    if (askingAboutDisk_ || unit_.Busy || !disk_.Changed(path) || disk_.Declined()) return;
    FlagScope asking(askingAboutDisk_);
    Replacing();
    if (unit_.Boxes->Confirm(ReloadQuestion(path, Changed())) != Answer::Yes) {
        disk_.Decline();
        return;
    }
    Reload();
}

void DocumentFiles::Reload() {
    EditorModel& editor = unit_.MainText;
    const int caret = editor.SelStart();
    const int firstVisible = editor.FirstVisibleLine();
    OpenOperation(FileNamePart(unit_.CurrentFileName), unit_.CurrentFileName);
    FlagScope busy(unit_.Busy);
    editor.SetSelStart(caret);  // clamped to the new text
    editor.SetFirstVisibleLine(firstVisible);
    TrackFromCaretLine();
}

void DocumentFiles::DropFiles(const std::vector<std::string>& paths) {
    // Asked once: the files after the first replace only each other.
    if (paths.empty()) return;
    Replacing();
    if (!MayReplaceDocument()) return;
    for (const std::string& path : paths) OpenOperation(FileNamePart(path), path);
}

}  // namespace tarnwick
