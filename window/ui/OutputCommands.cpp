// The main window's run in the output pane (Ctrl+F5), its Stop (Ctrl+Break)
// and the pane's place under the editor.

#include "window/ui/vbsmain.h"

#include "run/HostOutput.h"
#include "run/OutputSession.h"
#include "run/ui/CommandLineText.h"
#include "run/ui/OutputPane.h"
#include "run/ui/QtCapturedProcess.h"
#include "window/ui/EditorWidget.h"
#ifdef _WIN32
#include "run/win/WinProcessStarter.h"
#endif

#include <QAction>
#include <QShortcut>

#include <algorithm>

namespace tarnwick {

namespace {

// The words started, as a command line for the pane's header.
QString WordsText(const std::vector<std::string>& words, const std::string& scratchScriptPath) {
    QStringList parts;
    for (const std::string& word : words) {
        const QString text = CommandLineText(word, scratchScriptPath);
        parts << (text.contains(' ') ? '"' + text + '"' : text);
    }
    return parts.join(' ');
}

}  // namespace

void TForm1::WireOutputPane() {
    captured_ = std::make_unique<QtCapturedProcess>([this] { return scratchScriptPath_; });
    outputRun_ = std::make_unique<OutputSession>(*captured_);
#ifdef _WIN32
    outputRun_->OemCodePage = ConsoleOemCodePage();
#endif
    Output = new OutputPane(client_);
    Output->hide();

    QAction* stop = Action("mStopRun");
    outputRun_->OnLine = [this](const OutputLine& line) { Output->AddLine(line); };
    outputRun_->OnFinished = [this, stop](const std::string& summary) {
        Output->EndRun(QString::fromStdString(summary));
        stop->setEnabled(false);
    };
    Output->View()->OnPlaceChosen = [this](SourcePlace place) {
        PutCaret(PositionOfPlace(unit_.MainText, place, unit_.Encoding));
    };
    Output->OnStop = [this] { RunCommand(commands.StopRun); };
    Output->OnClose = [this] { ShowOutputPane(false); };
    // Escape in the pane hands the keyboard back to the editor.
    new QShortcut(QKeySequence(Qt::Key_Escape), Output, [this] { mainText_->setFocus(Qt::ShortcutFocusReason); },
                  Qt::WidgetWithChildrenShortcut);

    commands.RunInPane = [this] {
        if (!outputRun_->MayEndRun(unit_.Boxes)) return;
        PrepareScratchFolder();
        ShowPaneRun(outputRun_->Start(unit_, scratchScriptPath_));
    };
    commands.StopRun = [this] { outputRun_->Stop(); };
}

void TForm1::ShowPaneRun(const std::vector<std::string>& words) {
    Output->BeginRun(WordsText(words, scratchScriptPath_));
    Action("mStopRun")->setEnabled(true);
    ShowOutputPane(true);
}

int TForm1::PlaceOutputPane(int editorHeight) {
    if (!Output || Output->isHidden()) return editorHeight;
    // A third of the room, within reason; the editor keeps the rest.
    const int pane = std::clamp(editorHeight / 3, std::min(80, editorHeight / 2), 260);
    const int editor = editorHeight - pane - 2;
    Output->setGeometry(1, 28 + editor + 2, OuterWidth() - 10, pane);
    return editor;
}

void TForm1::ShowOutputPane(bool shown) {
    Action("mCloseOutput")->setEnabled(shown);
    if (Output->isHidden() == !shown) return;
    Output->setVisible(shown);
    FormResize();
    if (!shown) mainText_->setFocus();
}

void TForm1::PutCaret(int position) {
    activateWindow();
    mainText_->setFocus();
    Guarded([&] {
        unit_.MainText.SetSelStart(position);
        unit_.MainText.ScrollCaret();
    });
}

}  // namespace tarnwick
