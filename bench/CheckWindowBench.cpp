// The syntax check's share of the editor thread in the real main window, on
// the offscreen platform: opening the 10 MB benchmark script (editor thread
// and whole process), then typing a character that makes an error in it and
// waiting until its mark is there. Target: the keystroke and everything the
// check then does on the editor thread under 2 ms; the open as fast as
// without the check. Prints its figures; run by hand
// (QT_QPA_PLATFORM=offscreen ./tarnwick_check_window_bench).

#include "bench/ColourScripts.h"
#include "language/ui/BackgroundCheck.h"
#include "syntax/DocumentColouring.h"
#include "unit/MainUnit.h"
#include "window/ui/EditorWidget.h"
#include "window/ui/MarkPainter.h"
#include "window/ui/vbsmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <fstream>

namespace tarnwick {
namespace {

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + t.tv_nsec / 1e6;
}

double ProcessCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Runs the event loop until done() holds or the time is up; false when it is
// up. It looks every 20 ms, sleeping in between, so the looking costs next to nothing.
bool RunUntil(const std::function<bool()>& done, int ms = 20000) {
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || wall.elapsed() > ms) loop.quit();
    });
    look.start(20);
    if (!done()) loop.exec();
    return done();
}

void Type(QWidget* editor, char character) { QTest::keyClick(editor, character); }

// The editor widget with the editor thread's CPU in its paint events counted.
class TimedEditor : public EditorWidget {
public:
    using EditorWidget::EditorWidget;
    double paintMs = 0;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        const double start = ThreadCpuMs();
        EditorWidget::paintEvent(event);
        paintMs += ThreadCpuMs() - start;
        ++paints;
    }
};

// The check's own share: the editor alone on the 10 MB script, a character
// typed and 1.5 s of its aftermath on the editor thread, without and with the
// background check wired as the window wires it.
void CheckShare(bool withCheck) {
    MainUnit unit;
    unit.SyntaxTable = bench::ShippedTable();
    TimedEditor editor(unit.MainText);
    double handlersMs = 0;
    editor.SetSyntaxMarks(&unit.Marks);
    editor.resize(800, 600);
    editor.show();
    // Both runs with the keyboard, so that both have a blinking caret to paint.
    editor.activateWindow();
    editor.setFocus();
    std::unique_ptr<language::BackgroundCheck> check;
    if (withCheck) {
        check = std::make_unique<language::BackgroundCheck>(unit.MainText, [] { return language::TextForm::Ansi; });
        check->OnEdited = [&](int pos, int removed, int inserted) {
            const double start = ThreadCpuMs();
            unit.Marks.Shift(pos, removed, inserted);
            handlersMs += ThreadCpuMs() - start;
        };
        check->OnChecked = [&](language::SyntaxMarks& fresh) {
            const double start = ThreadCpuMs();
            UpdateChangedMarks(editor, unit.Marks, fresh);
            std::swap(unit.Marks, fresh);
            handlersMs += ThreadCpuMs() - start;
        };
    }
    unit.MainText.SetText(bench::ColouringScript(10));
    ColourWholeDocument(unit);
    RunUntil([] { return false; }, 3000);  // the first check of the whole text
    const int at = unit.MainText.LineIndex(unit.MainText.BreakCount() / 2);
    unit.MainText.SetSelStart(at);
    RunUntil([] { return false; }, 500);
    for (int round = 0; round < 3; ++round) {
        const double thread = ThreadCpuMs();
        editor.paintMs = handlersMs = 0;
        editor.paints = 0;
        Type(&editor, '@');
        const double typed = ThreadCpuMs() - thread;
        RunUntil([] { return false; }, 1500);
        const bool marked = unit.Marks.Within(at, at + 1) != nullptr;

        std::printf("editor alone, %s: a keystroke and 1.5 s after it: %.2f ms CPU on the editor thread%s "
                    "(the keystroke %.2f, %d paints %.2f, the check's handlers %.2f)\n",
                    withCheck ? "with the check" : "no check      ", ThreadCpuMs() - thread,
                    withCheck ? (marked ? " (marked)" : " (NOT MARKED)") : "", typed, editor.paints, editor.paintMs,
                    handlersMs);
        QTest::keyClick(&editor, Qt::Key_Backspace);
        RunUntil([] { return false; }, 1500);
    }
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    using namespace tarnwick;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    const std::string path = home.filePath("10mb.vbs").toStdString();
    std::ofstream(path, std::ios::binary) << bench::ColouringScript(10);

    TForm1 form;
    form.resize(900, 700);
    form.show();
    RunUntil([] { return false; }, 500);

    double thread = ThreadCpuMs(), process = ProcessCpuMs();
    form.Files().OpenOperation("10mb.vbs", path);
    QApplication::processEvents();
    form.MainText()->viewport()->repaint();
    std::printf("open 10 MB: %.1f ms CPU on the editor thread, %.1f ms the process\n", ThreadCpuMs() - thread,
                ProcessCpuMs() - process);
    // Everything the open set going: the check of the whole text among it.
    process = ProcessCpuMs();
    RunUntil([] { return false; }, 3000);
    std::printf("after the open, within 3 s: %.1f ms CPU the process (the first check of the whole text)\n",
                ProcessCpuMs() - process);

    // A character that is no VBScript at the start of a line far down: its mark must come.
    MainUnit& unit = form.Unit();
    const int at = unit.MainText.LineIndex(unit.MainText.BreakCount() / 2);
    unit.MainText.SetSelStart(at);
    RunUntil([] { return false; }, 1000);
    const std::size_t before = unit.Marks.All().size();
    for (int round = 0; round < 3; ++round) {
        thread = ThreadCpuMs();
        Type(form.MainText(), '@');
        const double keystroke = ThreadCpuMs() - thread;
        QElapsedTimer wall;
        wall.start();
        const bool marked =
            RunUntil([&] { return unit.Marks.Within(at, at + 1) && unit.Marks.Within(at, at + 1)->text == "Invalid character"; });
        const double waited = wall.elapsed();
        if (!marked)
            std::printf("  typed: \"%s\", %zu marks, %zu before\n",
                        unit.MainText.TextRange(at, 12).c_str(), unit.Marks.All().size(), before);
        std::printf("keystroke: %.2f ms CPU on the editor thread; until its mark came (%s, %.0f ms later): "
                    "%.2f ms in all\n",
                    keystroke, marked ? "marked" : "NO MARK", waited, ThreadCpuMs() - thread);
        QTest::keyClick(form.MainText(), Qt::Key_Backspace);
        RunUntil([&] { return !unit.Marks.Within(at, at + 1) && unit.Marks.All().size() == before; });
    }
    CheckShare(false);
    CheckShare(true);
    return 0;
}
