#include "commands/ClipboardCommands.h"

#include "documents/DocumentFiles.h"
#include "editor/CaretPrimitives.h"
#include "settings/SettingsFormats.h"
#include "syntax/ColorText.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"
#include "unit/Ports.h"

namespace tarnwick {

void mCopyClick(MainUnit& unit) {
    if (unit.MainText.SelLength() == 0 || unit.ClipboardPort == nullptr) return;
    unit.ClipboardPort->SetText(unit.MainText.SelText());
}

void mCutClick(MainUnit& unit) {
    if (unit.MainText.SelLength() == 0 || unit.ClipboardPort == nullptr) return;
    unit.ClipboardPort->SetText(unit.MainText.SelText());
    unit.MainText.SetSelText("");
}

void mPasteClick(MainUnit& unit) {
    EditorModel& text = unit.MainText;
    std::string pasted = unit.ClipboardPort ? unit.ClipboardPort->Text() : std::string();
    UndoGroup step(text);
    unit.Busy = true;
    int first = CurLineNum(text, text.SelStart());
    text.SetSelText(pasted);
    int last = CurLineNum(text, text.SelStart());
    // Where the caret stands, counted back from its line's end, which colouring
    // the lines before and up to it leaves in place.
    int tail = FirstColumn(text, last) + CurLineLen(text, text.SelStart()) - text.SelStart();
    for (int line = first; line <= last; ++line) ColorText(unit, line);
    int lineStart = FirstColumn(text, last);
    int caret = std::max(lineStart, lineStart + CurLineLen(text, lineStart) - tail);
    // The caret's line is done: the tracking must not colour the first line again.
    unit.PrevLine = last;
    unit.CurLine = last;
    unit.Busy = false;
    text.SetSelStart(caret);
}

void mUndoClick(MainUnit& unit) { unit.MainText.Undo(); }

void mSelectAllClick(MainUnit& unit) { unit.MainText.SelectAll(); }

namespace {

// The script's path with ".pdf" for its extension ("Untitled.pdf" for an untitled one).
std::string PdfBeside(const std::string& script) {
    const std::string path = script.empty() ? "Untitled" : script;
    const std::string name = FileNamePart(path);
    const std::size_t dot = name.rfind('.');
    const std::size_t stem = dot == std::string::npos || dot == 0 ? name.size() : dot;
    return path.substr(0, path.size() - name.size()) + name.substr(0, stem) + ".pdf";
}

}  // namespace

void mPrintClick(MainUnit& unit) {
    if (!unit.PrinterPort) return;
    if (unit.PrinterPort->HasPrinter() || !unit.Dialogs) {
        unit.PrinterPort->Print(unit.MainText, unit.CurrentFileName);
        return;
    }
    // Without a printer the document can still go to paper later, as a PDF file.
    const auto path = unit.Dialogs->ExportFileName(kPdfFilter, "Print to PDF", PdfBeside(unit.CurrentFileName));
    if (!path) return;
    unit.PrinterPort->PrintToPdf(unit.MainText, unit.CurrentFileName, WithFilterExtension(*path, kPdfFilter, 0));
}

char FilterGotoCharacter(char typed) {
    if (typed == 8 || typed == 13 || (typed >= '0' && typed <= '9')) return typed;
    return 0;
}

void GoToLine(MainUnit& unit, const std::string& boxText) {
    std::optional<int> line = ParseSettingInteger(boxText);
    if (!line) throw Error("'" + boxText + "' is not a valid integer value");
    int pos = FirstColumn(unit.MainText, *line);
    if (pos < 0) return;  // no such line: the caret stays inside the document
    unit.MainText.SetSelStart(pos);
    unit.MainText.ScrollCaret();
}

}  // namespace tarnwick
