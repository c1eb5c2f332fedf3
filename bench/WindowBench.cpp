// The editor window's share of the work, on the offscreen platform: opening
// and colouring a script with the editor shown until it has painted, and the
// CPU time the window takes while the caret blinks at the end of a line of
// 200 000 characters. Targets: open and colour 10 MB under 90 ms; idle CPU
// under 0.5 %. Prints its figures; run by hand
// (QT_QPA_PLATFORM=offscreen ./tarnwick_window_bench).

#include "bench/ColourScripts.h"
#include "syntax/DocumentColouring.h"
#include "unit/MainUnit.h"
#include "window/ui/EditorWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace tarnwick {
namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for `ms` milliseconds.
void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void OpenAndColour(int megabytes) {
    const std::string& script = bench::ColouringScript(megabytes);
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        MainUnit unit;
        unit.SyntaxTable = bench::ShippedTable();
        EditorWidget editor(unit.MainText);
        editor.resize(800, 600);
        editor.show();
        QApplication::processEvents();
        const double cpu = CpuSeconds();
        unit.MainText.SetText(script);
        ColourWholeDocument(unit);
        editor.viewport()->repaint();
        QApplication::processEvents();  // the deferred scroll bar update, and the paint it asks for
        best = std::min(best, (CpuSeconds() - cpu) * 1e3);
    }
    std::printf("open and colour %4d MB with the editor shown: %8.1f ms CPU\n", megabytes, best);
}

void IdleWithTheCaretBlinking() {
    MainUnit unit;
    EditorWidget editor(unit.MainText);
    editor.resize(800, 600);
    editor.show();
    editor.activateWindow();
    editor.setFocus();
    unit.MainText.SetText(bench::LongLine() + "\r\nshort line\r\n");
    unit.MainText.SetSelStart(unit.MainText.LineLength(0));  // the end of the long line
    RunFor(300);
    const double cpu = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunFor(4000);
    const double used = CpuSeconds() - cpu;
    std::printf("idle, caret blinking at the end of a 200 000-character line: %.2f %% CPU (%s)\n",
                100.0 * used / (wall.nsecsElapsed() / 1e9), editor.hasFocus() ? "focused" : "NOT FOCUSED");
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    for (int megabytes : {1, 10, 100}) tarnwick::OpenAndColour(megabytes);
    tarnwick::IdleWithTheCaretBlinking();
    return 0;
}
