#include "unit/ui/QtPorts.h"

#include "documents/DocumentFiles.h"
#include "editor/Ansi.h"
#include "editor/EditorModel.h"
#include "editor/ui/EditorLayout.h"
#include "editor/ui/LinePainter.h"
#include "unit/Error.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringDecoder>
#include <QStringList>
#include <QUrl>

#include <filesystem>

namespace tarnwick {

namespace {

// Messages hold paths (the file system's UTF-8) and document text (the code
// page): text that is valid UTF-8 is read as such, anything else as the code page.
// The longest message a box shows whole: a megabyte of text (a stored command
// line that names no program, say) takes the box most of a minute to lay out.
// Longer ones keep their start and their end, where the reason stands.
constexpr qsizetype kLongestMessage = 5000;

QString FromMessage(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    QString message = utf8.hasError() ? FromAnsi(text) : decoded;
    if (message.size() > kLongestMessage)
        message = message.left(kLongestMessage / 2) + QChar(0x2026) + message.right(kLongestMessage / 2);
    return message;
}

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const std::string& text) {
    QMessageBox box(icon, caption, FromMessage(text), QMessageBox::Ok, parent);
    box.exec();
}

// A hooked arrow, down and back to the left, in grey: the line goes on in the next row.
void PaintWrapMark(QPainter& painter, const QRectF& cell) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 128, 128), std::max<qreal>(1, cell.height() / 14), Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    const qreal right = cell.left() + cell.width() * 0.8, left = cell.left() + cell.width() * 0.2;
    const qreal top = cell.top() + cell.height() * 0.25, bottom = cell.top() + cell.height() * 0.7;
    const qreal head = cell.width() * 0.25;
    QPainterPath path;
    path.moveTo(right, top);
    path.lineTo(right, bottom);
    path.lineTo(left, bottom);
    path.moveTo(left + head, bottom - head);
    path.lineTo(left, bottom);
    path.lineTo(left + head, bottom + head);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace

QString FromAnsi(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<int>(bytes.size()));
    for (char c : bytes) {
        const char32_t code = AnsiToUnicode(static_cast<unsigned char>(c));
        out.append(QChar(static_cast<char16_t>(code)));  // the code page stays within the BMP
    }
    return out;
}

std::string ToAnsi(const QString& text) {
    std::string out;
    for (char32_t code : text.toUcs4()) {
        const int byte = UnicodeToAnsi(code);
        out.push_back(static_cast<char>(byte < 0 ? '?' : byte));
    }
    return out;
}

QString FromDocument(std::string_view bytes, TextEncoding encoding) { return EditorLayout::Display(bytes, encoding); }

std::string ToDocument(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Ansi) return ToAnsi(text);
    std::string out;
    for (char32_t code : text.toUcs4()) out += EncodeCharacter(code, encoding);
    return out;
}

QFont DesignFont(const char* family, int points) {
    QFont font(family);
    font.setPointSize(points);
    return font;
}

#ifdef _WIN32
// UTF-8, so that names outside the ANSI code page survive the trip through the core.
QString FromPath(const std::string& path) { return QString::fromUtf8(path); }
std::string ToPath(const QString& path) { return QDir::toNativeSeparators(path).toUtf8().toStdString(); }
#else
QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
#endif

#ifdef _WIN32
// Names are UTF-16 here, which a QString holds whole.
std::string ChosenPath(const QString& path) { return ToPath(path); }
std::string DroppedPath(const QUrl& url) { return ToPath(url.toLocalFile()); }
#else
std::string ChosenPath(const QString& path) {
    namespace fs = std::filesystem;
    constexpr QChar kMark = QChar::ReplacementCharacter;
    std::error_code ec;
    if (!path.contains(kMark) || fs::exists(fs::symlink_status(ToPath(path), ec))) return ToPath(path);
    // Part by part: each folder's names, shown as the dialog showed them,
    // find the one that was chosen; a name that none shows so is a new one.
    const QStringList parts = path.split('/');
    std::string chosen = ToPath(parts.front());
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const std::string folder = chosen.empty() ? "/" : chosen;
        chosen += "/";
        std::vector<std::string> names;
        if (parts[i].contains(kMark))
            for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec))
                if (const std::string name = entry.path().filename().string(); FromPath(name) == parts[i])
                    names.push_back(name);
        if (names.size() > 1)
            throw Error("Cannot tell which file \"" + ToPath(path) + "\" is meant: " + std::to_string(names.size()) +
                        " names in its folder are not valid UTF-8 and look alike. Rename the file to open or save it");
        chosen += names.empty() ? ToPath(parts[i]) : names.front();
    }
    return chosen;
}

std::string DroppedPath(const QUrl& url) {
    // The address carries the name's bytes percent-encoded; toLocalFile()
    // would decode them as UTF-8 and change a name that is not.
    if (!url.host().isEmpty()) return ToPath(url.toLocalFile());
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}
#endif

QString QtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(';', ' ');
        if (pattern == "*.*") pattern = "*";  // every file, also those without a dot
        // A description that already shows its pattern is taken as it is.
        filters << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + pattern + ")");
    }
    return filters.join(";;");
}

void QtMessageBoxes::Information(const std::string& text) { Information(text, BoxButton::Ok); }

void QtMessageBoxes::Information(const std::string& text, BoxButton button) {
    if (button == BoxButton::Ok) {
        Show(parent_, QMessageBox::Information, "Information", text);
        return;
    }
    QMessageBox box(QMessageBox::Information, "Information", FromMessage(text), QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    yes->setText("&Yes");
    box.setEscapeButton(yes);
    box.exec();
}
void QtMessageBoxes::Warning(const std::string& text) { Show(parent_, QMessageBox::Warning, "Warning", text); }
void QtMessageBoxes::ErrorMessage(const std::string& text) { Show(parent_, QMessageBox::Critical, "Error", text); }
void QtMessageBoxes::ApplicationError(const std::string& text) {
    Show(parent_, QMessageBox::Critical, kApplicationTitle, text);
}

Answer QtMessageBoxes::Confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, "Confirm", FromMessage(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setEscapeButton(QMessageBox::Cancel);  // closing the box counts as Cancel
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

bool QtMessageBoxes::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, "Confirm", FromMessage(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setEscapeButton(QMessageBox::No);  // closing the box counts as No
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtFileDialogs::OpenFileName(const std::string& filter, const std::string& folder) {
    const QString path = QFileDialog::getOpenFileName(parent_, "Open", FromPath(folder), QtNameFilters(filter));
    if (path.isEmpty()) return std::nullopt;
    return ChosenPath(path);
}

std::optional<std::string> QtFileDialogs::SaveFileName(const std::string& filter) {
    int chosen = 0;
    return SaveFileName(filter, chosen);
}

std::optional<std::string> QtFileDialogs::SaveFileName(const std::string& filter, int& chosenFilter) {
    const QString filters = QtNameFilters(filter);
    QString selected;
    const QString path = QFileDialog::getSaveFileName(parent_, "Save As", QString(), filters, &selected);
    chosenFilter = std::max(0, static_cast<int>(filters.split(";;").indexOf(selected)));
    if (path.isEmpty()) return std::nullopt;
    return ChosenPath(path);
}

std::optional<std::string> QtFileDialogs::ExportFileName(const std::string& filter, const std::string& caption,
                                                         const std::string& suggested) {
    const QString path =
        QFileDialog::getSaveFileName(parent_, FromMessage(caption), FromPath(suggested), QtNameFilters(filter));
    if (path.isEmpty()) return std::nullopt;
    return ChosenPath(path);
}

std::string QtClipboard::Text() const {
    return ToDocument(QApplication::clipboard()->text(), encoding_ ? *encoding_ : TextEncoding::Ansi);
}

void QtClipboard::SetText(const std::string& text) {
    QApplication::clipboard()->setText(FromDocument(text, encoding_ ? *encoding_ : TextEncoding::Ansi));
}

void QtUrlOpener::Open(const std::string& address) { QDesktopServices::openUrl(QUrl(QString::fromStdString(address))); }

void QtPrinter::Print(const EditorModel& document, const std::string& title) {
    QPrinter printer(QPrinter::HighResolution);
    PrintOn(printer, document, title, "No printer is available");
}

bool QtPrinter::HasPrinter() const { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

void QtPrinter::PrintToPdf(const EditorModel& document, const std::string& title, const std::string& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(FromPath(path));
    // The file may go to any printer later: margins that every printer can print within.
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    PrintOn(printer, document, title, "Cannot create file \"" + path + "\"");
}

void QtPrinter::PrintOn(QPrinter& printer, const EditorModel& document, const std::string& title,
                        const std::string& failure) const {
    printer.setDocName(FromPath(title));
    QPainter painter;
    if (!painter.begin(&printer)) throw Error(failure);
    QFont font(QString::fromStdString(document.FontName()));
    font.setPointSize(std::max(1, document.FontSize()));
    font.setStyleHint(QFont::TypeWriter);
    EditorLayout layout;
    layout.SetFont(QFont(font, &printer), printer.logicalDpiX());
    layout.SetEncoding(encoding_ ? *encoding_ : TextEncoding::Ansi);
    painter.setFont(layout.Font());
    // The whole printable area, as the editor shows the text; no selection.
    const LinePainter lines{document, layout, 0, 0, {}, {}};
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    // A line wider than the page goes on in the next row; the rows it breaks end a
    // cell short of the edge, where a mark shows that the line goes on.
    const qreal markWidth = layout.Advance(' ');
    const qreal width = std::max(markWidth, page.width() - markWidth);
    qreal top = 0;
    for (int line = 0; line < document.LineCount(); ++line) {
        const int start = document.LineIndex(line);
        const int length = document.LineLength(start);
        const std::string_view text = document.TextView(start, length);
        int col = 0;
        qreal x = 0;
        do {
            int end = col;
            qreal endX = x;
            while (end < length) {  // the characters that fit, at least one
                const qreal next = layout.NextX(endX, text, end);
                if (next - x > width && end > col) break;
                endX = next;
                end += layout.CharLength(text, end);
            }
            if (top + layout.LineHeight() > page.height() && top > 0) {
                printer.newPage();
                top = 0;
            }
            lines.PaintColumns(painter, line, -x, top, col, x, end);
            if (end < length)
                PaintWrapMark(painter, QRectF(page.width() - markWidth, top, markWidth, layout.LineHeight()));
            top += layout.LineHeight();
            col = end;
            x = endX;
        } while (col < length);
    }
    painter.end();
}

void QtMouseCursor::ShowWait() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void QtMouseCursor::Restore() { QApplication::restoreOverrideCursor(); }

}  // namespace tarnwick
