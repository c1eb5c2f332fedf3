#include "documents/DocumentFiles.h"
#include "help/ui/vbsabout.h"
#include "language/CheckCommand.h"
#include "lsp/LspCommand.h"
#include "options/ui/vbsoptions.h"
#include "run/ui/vbsrun.h"
#include "unit/Error.h"
#include "unit/ui/QtPorts.h"
#include "unit/ui/ScreenFit.h"
#include "window/MainWindowLogic.h"
#include "window/ui/vbsmain.h"

#include <QApplication>
#include <QFont>

#include <iostream>
#include <string>
#include <vector>

namespace {

// A failure that escapes an event handler is shown in the application's error
// box, and the program goes on.
class TarnwickApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& failure) {
            tarnwick::QtMessageBoxes(activeWindow()).ApplicationError(tarnwick::ErrorBoxText(failure.what()));
            return false;
        }
    }
};

// Where the design's fonts are missing, close stand-ins of the same widths,
// so the fixed-width list still shows whole member names.
void SubstituteMissingFonts() {
    QFont::insertSubstitutions("Tahoma", {"DejaVu Sans Condensed", "Liberation Sans Narrow", "Liberation Sans"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial"});
}

}  // namespace

int main(int argc, char** argv) {
    // Taken before Qt removes its own options (-style, -platform, -reverse ...)
    // from argv: a script of such a name still opens, and no argument shifts.
    const std::vector<std::string> arguments(argv, argv + argc);
    // The command-line check opens no window: it runs before Qt looks for a display.
    if (tarnwick::language::IsCheckCommand(arguments))
        return tarnwick::language::RunCheckCommand(arguments, std::cout, std::cerr);
    // So does the language server, which writes nothing but its messages to standard output.
    if (tarnwick::lsp::IsLspCommand(arguments)) return tarnwick::lsp::RunLspCommand(argc, argv);
    TarnwickApplication app(argc, argv);
    QApplication::setApplicationName(tarnwick::kApplicationTitle);
    app.setProperty("helpFile", tarnwick::kHelpFileName);
    SubstituteMissingFonts();
    tarnwick::KeepWindowsOnScreen(app);

    // The creation order is fixed: the options window opens the command-line
    // file, which needs the main window and is coloured with its colours.
    tarnwick::TForm1 form1;
    tarnwick::TForm2 form2(form1, &form1);
    tarnwick::TForm3 form3(&form1);
    tarnwick::TForm4 form4(form1, arguments, &form1);
    form1.SetSecondaryWindows(&form2, &form3, &form4);
    form1.show();
    return app.exec();
}
