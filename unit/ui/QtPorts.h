#pragma once

#include "editor/TextEncoding.h"
#include "unit/Ports.h"

#include <QFont>
#include <QString>

class QUrl;

class QPrinter;
class QWidget;

namespace tarnwick {

// The ports of the core, implemented with Qt once for the whole program.

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
    void Information(const std::string& text) override;
    void Information(const std::string& text, BoxButton button) override;
    void Warning(const std::string& text) override;
    void ErrorMessage(const std::string& text) override;
    Answer Confirm(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void ApplicationError(const std::string& text) override;

private:
    QWidget* parent_;
};

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> OpenFileName(const std::string& filter, const std::string& folder) override;
    std::optional<std::string> SaveFileName(const std::string& filter) override;
    std::optional<std::string> SaveFileName(const std::string& filter, int& chosenFilter) override;
    std::optional<std::string> ExportFileName(const std::string& filter, const std::string& caption,
                                              const std::string& suggested) override;

private:
    QWidget* parent_;
};

// Converts by the document's encoding, read at every use (ANSI when none is given).
class QtClipboard : public Clipboard {
public:
    void SetEncoding(const TextEncoding* encoding) { encoding_ = encoding; }
    std::string Text() const override;
    void SetText(const std::string& text) override;

private:
    const TextEncoding* encoding_ = nullptr;
};

class QtPrinter : public Printer {
    void PrintOn(QPrinter& printer, const EditorModel& document, const std::string& title,
                 const std::string& failure) const;
    const TextEncoding* encoding_ = nullptr;

public:
    // The document's encoding, read at every print (ANSI when none is given).
    void SetEncoding(const TextEncoding* encoding) { encoding_ = encoding; }
    void Print(const EditorModel& document, const std::string& title) override;
    bool HasPrinter() const override;
    void PrintToPdf(const EditorModel& document, const std::string& title, const std::string& path) override;
};

class QtUrlOpener : public UrlOpener {
public:
    void Open(const std::string& address) override;
};

class QtMouseCursor : public MouseCursor {
public:
    void ShowWait() override;
    void Restore() override;
};

// "Description|pattern|..." as a Qt name filter list "Description (pattern);;...".
QString QtNameFilters(const std::string& filter);
// Text of the code page for the screen, and back ("?" for what it cannot hold).
QString FromAnsi(const std::string& bytes);
std::string ToAnsi(const QString& text);
// Document text of an encoding for the screen, and back (an ANSI document
// takes "?" for what its code page cannot hold).
QString FromDocument(std::string_view bytes, TextEncoding encoding);
std::string ToDocument(const QString& text, TextEncoding encoding);
// A font of the design: family and size in points.
QFont DesignFont(const char* family, int points);
// Paths between the core's byte strings and Qt.
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);
// The path a file dialog chose. A name that is not valid UTF-8 comes out of a
// dialog with replacement marks in place of its bytes: the folder's own names
// tell which it was. Throws Error when more than one name could be meant.
std::string ChosenPath(const QString& path);
// The local path of a dropped file's address, with its bytes as they were sent.
std::string DroppedPath(const QUrl& url);

}  // namespace tarnwick
