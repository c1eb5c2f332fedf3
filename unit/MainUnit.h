#pragma once

#include "documents/SavedTextDigest.h"
#include "editor/EditorModel.h"
#include "editor/TextEncoding.h"
#include "language/SyntaxMarks.h"
#include "options/ColourSettings.h"
#include "syntax/DimStatements.h"
#include "syntax/SyntaxTable.h"
#include "unit/Ports.h"

#include <string>

namespace tarnwick {

class SettingsStore;

// The process-wide state of the main window's unit, and the ports through
// which the core reaches the world outside. The Qt main window owns one; tests
// build one with fakes.
struct MainUnit {
    EditorModel MainText;
    DimStatements Dims{MainText};  // the Dims of MainText, for colouring a line
    SyntaxEntries SyntaxTable;  // filled once at start-up
    int CurLine = 1;            // caret line taken at the start of the latest selection change
    int PrevLine = 1;           // caret line at the end of the previous one: the line recoloured when left
    bool Busy = false;          // set while the program itself changes the text; one flag, not a counter
    SavedTextDigest SavedText;  // the text as last loaded or saved
    std::string CurrentFileName;
    // How the document's text is held and stored (DocumentFiles sets it).
    TextEncoding Encoding = TextEncoding::Ansi;
    // The findings of the latest syntax check, where the editor underlines them.
    language::SyntaxMarks Marks;

    // Held by the Editor Options window; read at the moment of colouring.
    ColourSettings* Colours = nullptr;

    MessageBoxes* Boxes = nullptr;
    FileDialogs* Dialogs = nullptr;
    Clipboard* ClipboardPort = nullptr;
    Printer* PrinterPort = nullptr;
    MouseCursor* Cursor = nullptr;
    SettingsStore* Settings = nullptr;
    ProcessStarter* Processes = nullptr;
    FileWriter* Files = nullptr;  // every save and the scratch script

    // The colours in force (the defaults when no options window is attached).
    ColourSettings CurrentColours() const { return Colours ? *Colours : ColourSettings{}; }
};

}  // namespace tarnwick
