#pragma once

#include "documents/DiskWatch.h"
#include "editor/TextEncoding.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

struct MainUnit;

inline constexpr const char* kApplicationTitle = "Tarnwick";
inline constexpr const char* kOpenFilter = "All Files|*.*|Text Files|*.txt|VBS Files|*.vbs";
inline constexpr const char* kSaveFilter =
    "Visual Basic Script File (*.vbs)|*.vbs|Text File (*.txt)|*.txt";

inline constexpr const char* kNewQuestion = "Do you want to save the changes to this document?";
inline constexpr const char* kOpenQuestion =
    "Do you want to save the changes to this document before opening a new one?";

// The questions about a document whose file another program has changed.
std::string ReloadQuestion(const std::string& path, bool documentChanged);
std::string SaveOverQuestion(const std::string& path);

// The file name of a path: everything after its last directory separator
// (empty for a path that ends in one). Separators are the system's: "/" and,
// on Windows, also "\" and the drive's ":".
std::string FileNamePart(std::string_view path);
// The folder of a path: everything before its file name, without the
// separator that ends it (empty for a bare name).
std::string FolderPart(std::string_view path);

// The path with the extension of the chosen filter pair ("*.vbs" gives ".vbs")
// when its file name has none; otherwise the path as it is.
std::string WithFilterExtension(const std::string& path, const std::string& filter, int chosen);

// The document's files: New, Open, Save, Save As and dropped files, with the
// window title and the changed test. Files are written through unit.Files.
//
// Failures (a file that cannot be read or written) are thrown as Error and end
// the command that met them; the caller shows them in the application's error
// box. A failed or cancelled Save stops whatever asked for it.
class DocumentFiles {
public:
    using TitleSink = std::function<void(const std::string&)>;
    using Colourer = std::function<void(MainUnit&)>;

    // Title changes go to setTitle; colour recolours the whole document after a
    // load (null: the text stays as loaded).
    DocumentFiles(MainUnit& unit, TitleSink setTitle, Colourer colour = nullptr);

    void SetColourer(Colourer colour) { colour_ = std::move(colour); }
    // Told the path of every file opened or saved (the recent files list).
    void SetFileUsed(std::function<void(const std::string&)> used) { fileUsed_ = std::move(used); }
    // Told when the document's encoding changes, before its new text is loaded.
    void SetEncodingChanged(std::function<void(TextEncoding)> changed) { encodingChanged_ = std::move(changed); }
    // Told when a command is about to replace the document (New, Open, a
    // drop, a reload, a load), before it asks anything: the completion list
    // and the tip belong to the text that goes.
    void SetReplacing(std::function<void()> replacing) { replacing_ = std::move(replacing); }

    // Loads the file at path as the document and colours it; name (the file
    // name without directory) titles the window. An empty name only recolours.
    void OpenOperation(const std::string& name, const std::string& path);

    void New();
    void Open();
    // Opens a file of the recent list, after the question about unsaved
    // changes. A file that is gone is offered for removal: true when the user
    // wants it off the list.
    bool OpenRecent(const std::string& path);
    // True when the text was written; false when the user cancelled the Save dialog.
    bool Save();
    bool SaveAs();
    // Each path opened in turn, after the question about unsaved changes; a
    // path that cannot be read ends the drop.
    void DropFiles(const std::vector<std::string>& paths);

    // When the document's file has been changed on disk by another program
    // since it was loaded or saved, asks whether to reload it; Yes reloads it
    // (the caret stays where it was), No keeps the document and asks no more
    // until the file changes again. For the window's activation.
    void CheckFileOnDisk();

    // The editor's text differs from the text last loaded or saved.
    bool Changed() const;
    const std::string& Title() const { return title_; }

private:
    void SetTitle(std::string title);
    void SetEncoding(TextEncoding encoding);
    void LoadDocument(const std::string& path);
    void WriteDocument(const std::string& path);
    bool MaySaveOver(const std::string& path);
    // Open's question about unsaved changes: false when the user cancelled it or its Save.
    bool MayReplaceDocument();
    void Reload();
    void TrackFromCaretLine();
    void Replacing();

    MainUnit& unit_;
    TitleSink setTitle_;
    Colourer colour_;
    std::function<void(const std::string&)> fileUsed_;
    std::function<void(TextEncoding)> encodingChanged_;
    std::function<void()> replacing_;
    std::string title_ = kApplicationTitle;
    DiskWatch disk_;
    bool askingAboutDisk_ = false;  // a question about the file on disk is open
};

}  // namespace tarnwick
