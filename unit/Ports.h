#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

class EditorModel;

// The few things the core needs from outside the process. The Qt front end
// implements each once; tests use fakes.

enum class Answer { Yes, No, Cancel };

// The one button of a box that only informs.
enum class BoxButton { Ok, Yes };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Information(const std::string& text) = 0;
    // An information box whose one button is `button` ("&Yes" for Yes); boxes
    // that have only OK show that.
    virtual void Information(const std::string& text, BoxButton /*button*/) { Information(text); }
    virtual void Warning(const std::string& text) = 0;
    virtual void ErrorMessage(const std::string& text) = 0;
    // Yes, No and Cancel; closing the box counts as Cancel.
    virtual Answer Confirm(const std::string& text) = 0;
    // Yes or No; closing the box counts as No.
    virtual bool AskYesNo(const std::string& text) { return Confirm(text) == Answer::Yes; }
    // The application's error box: caption "Tarnwick", stop icon, OK.
    virtual void ApplicationError(const std::string& text) = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // filter: "Description|pattern|Description|pattern"; the first pair is the default.
    // The Open dialog starts in folder (empty: where the dialog likes).
    virtual std::optional<std::string> OpenFileName(const std::string& filter, const std::string& folder) = 0;
    virtual std::optional<std::string> SaveFileName(const std::string& filter) = 0;
    // As above; chosenFilter receives the 0-based pair the user left chosen.
    virtual std::optional<std::string> SaveFileName(const std::string& filter, int& chosenFilter) {
        chosenFilter = 0;
        return SaveFileName(filter);
    }
    // A save dialog for a file made from the document (a printout): its own
    // caption, and a suggested path, whose folder the dialog opens in.
    virtual std::optional<std::string> ExportFileName(const std::string& filter, const std::string& /*caption*/,
                                                      const std::string& /*suggested*/) {
        return SaveFileName(filter);
    }
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string Text() const = 0;       // Windows-1252
    virtual void SetText(const std::string& text) = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    virtual void Print(const EditorModel& document, const std::string& title) = 0;
    // False when no printer is installed.
    virtual bool HasPrinter() const { return true; }
    // The document as a PDF file at path, painted page after page as Print paints it.
    virtual void PrintToPdf(const EditorModel& document, const std::string& title, const std::string& /*path*/) {
        Print(document, title);
    }
};

// Opens an address (a web page, a "mailto:" message) with the desktop's
// default handler. Whether anything answers is not reported.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void Open(const std::string& address) = 0;
};

class MouseCursor {
public:
    virtual ~MouseCursor() = default;
    virtual void ShowWait() = 0;
    virtual void Restore() = 0;
};

// Starts the script host for the runner and forgets it.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts a command line, split by the Windows rules, without waiting for
    // it. Throws Error naming the program when it cannot be started.
    virtual void Start(const std::string& commandLine) = 0;
};

// A process whose output is read as it comes, for the output pane. Its
// events arrive on the user-interface thread, never before Start returns.
class CapturedProcess {
public:
    enum class Channel { Output, Error };
    struct Events {
        std::function<void(Channel, std::string_view bytes)> Output;
        // exitCode: none when the process did not end by itself (stopped,
        // crashed) or could not be started after all.
        std::function<void(std::optional<int> exitCode)> Finished;
    };
    virtual ~CapturedProcess() = default;
    // words: the program and its arguments, started directly, never through a
    // shell, with standard input at its end. A run still going is ended first
    // and tells nothing more. Returns the words started, which name Wine first
    // for a host run through it. Throws Error naming the program when it
    // cannot be started.
    virtual std::vector<std::string> Start(const std::vector<std::string>& words, Events events) = 0;
    // Ends the run; Finished follows.
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};

// Who may read a file that a write creates; a file that exists keeps its own
// permissions. Private is for a file of the program's own, such as the scratch
// script: only the owner may read it, whatever the file it replaces allowed,
// and a symbolic link in its place is replaced, never written through.
enum class NewFileAccess { Usual, OwnerOnly, Private };

// Writes whole files so that each always holds either its old or its new
// bytes, whatever happens meanwhile: a crash, a kill, a power cut, a full disk.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Replaces the content of the file at path by bytes, creating the file if
    // need be. A symbolic link keeps pointing at the file it names, which is
    // written (a Private file's link excepted); the file keeps its permissions; a file that may not be written,
    // or that is no plain file, is not replaced. Throws
    // Error("Cannot save file \"<path>\". <reason>"); the file is then untouched.
    virtual void Replace(const std::string& path, std::string_view bytes, NewFileAccess access) = 0;
};

// Shows the hourglass for a scope.
class WaitCursor {
public:
    explicit WaitCursor(MouseCursor* cursor) : cursor_(cursor) { if (cursor_) cursor_->ShowWait(); }
    ~WaitCursor() { if (cursor_) cursor_->Restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    MouseCursor* cursor_;
};

}  // namespace tarnwick
