#pragma once

#include "app/Ports.h"

#include <QFont>
#include <QString>

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
    void ApplicationError(const std::string& text) override;

private:
    QWidget* parent_;
};

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> OpenFileName(const std::string& filter) override;
    std::optional<std::string> SaveFileName(const std::string& filter) override;
    std::optional<std::string> SaveFileName(const std::string& filter, int& chosenFilter) override;

private:
    QWidget* parent_;
};

class QtClipboard : public Clipboard {
public:
    std::string Text() const override;
    void SetText(const std::string& text) override;
};

class QtPrinter : public Printer {
    static void PrintOn(QPrinter& printer, const EditorModel& document, const std::string& title,
                        const std::string& failure);

public:
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
// A font of the design: family and size in points.
QFont DesignFont(const char* family, int points);
// Paths between the core's byte strings and Qt.
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

}  // namespace tarnwick
