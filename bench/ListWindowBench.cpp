// The completion list in the real main window, on the offscreen platform:
// the editor thread's CPU from the key to the list shown, filled and sized,
// for Ctrl+Space at the end of the 10 MB script with thousands of names of
// its own (about 7 800 rows), also filled afresh after another list, and for a "." after an object of its own class
// and after a file system object. Target: each under 3.5 ms. Prints its
// figures; run by hand (QT_QPA_PLATFORM=offscreen ./tarnwick_list_window_bench).

#include "bench/ColourScripts.h"
#include "window/ui/EditorWidget.h"
#include "window/ui/vbsmain.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

namespace tarnwick {
namespace {

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + t.tv_nsec / 1e6;
}

void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A class, 5 000 variables and 500 procedures of the script's own, the 10 MB
// script, and a procedure at the end where the caret stands.
std::string Script() {
    std::string out = "Class Widget\r\n  Public Name\r\n  Public Sub Draw(x, y)\r\n  End Sub\r\nEnd Class\r\n"
                      "Set w = New Widget\r\nSet fso = CreateObject(\"Scripting.FileSystemObject\")\r\n";
    for (int i = 0; i < 5000; ++i) out += "Dim global" + std::to_string(i) + "\r\n";
    for (int i = 0; i < 500; ++i) out += "Sub Proc" + std::to_string(i) + "(a, b)\r\nEnd Sub\r\n";
    return out + bench::ColouringScript(10) + "Sub Tail(arg)\r\n  Dim here\r\n  ";
}

using Keys = std::vector<std::pair<int, Qt::KeyboardModifiers>>;

// Types the keys at the end of the text; the CPU of the last of them until
// the list is shown and painted, best and median of several rounds. Before
// each round another list may be opened and closed (its keys typed and taken
// back), so that the list measured is filled afresh.
void Measure(TForm1& form, const char* what, const Keys& keys, const Keys& otherList = {}) {
    EditorWidget* editor = form.MainText();
    std::vector<double> rounds;
    std::size_t rows = 0;
    for (int round = 0; round < 7; ++round) {
        for (const auto& [key, modifiers] : otherList) QTest::keyClick(editor, Qt::Key(key), modifiers);
        QApplication::processEvents();
        QTest::keyClick(editor, Qt::Key_Escape);
        for (std::size_t i = 0; i < otherList.size(); ++i) QTest::keyClick(editor, Qt::Key_Backspace);
        for (std::size_t i = 0; i + 1 < keys.size(); ++i) QTest::keyClick(editor, Qt::Key(keys[i].first), keys[i].second);
        QApplication::processEvents();
        const double start = ThreadCpuMs();
        QTest::keyClick(editor, Qt::Key(keys.back().first), keys.back().second);
        QApplication::processEvents();
        form.Lst->repaint();
        rounds.push_back(ThreadCpuMs() - start);
        rows = static_cast<std::size_t>(form.Lst->count());
        if (!form.Lst->isVisible()) {
            const EditorModel& text = form.Unit().MainText;
            const int line = text.LineIndex(text.LineFromChar(text.SelStart()));
            std::printf("  %s: the list did not open after \"%s\"\n", what, text.TextRange(line, text.SelStart() - line).c_str());
        }
        QTest::keyClick(editor, Qt::Key_Escape);
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i].first != Qt::Key_Space) QTest::keyClick(editor, Qt::Key_Backspace);
        QApplication::processEvents();
    }
    std::sort(rounds.begin(), rounds.end());
    std::printf("%-40s %5zu rows: %6.2f ms CPU best, %6.2f median\n", what, rows, rounds.front(),
                rounds[rounds.size() / 2]);
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
    using namespace tarnwick;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    const std::string path = home.filePath("names.vbs").toStdString();
    std::ofstream(path, std::ios::binary) << Script();

    TForm1 form;
    form.resize(900, 700);
    form.show();
    RunFor(300);
    form.Files().OpenOperation("names.vbs", path);
    MainUnit& unit = form.Unit();
    unit.MainText.SetSelStart(unit.MainText.Length());
    form.MainText()->setFocus();
    RunFor(5000);  // the background check hands over the outline

    Measure(form, "Ctrl+Space, names in scope", {{Qt::Key_Space, Qt::ControlModifier}});
    Measure(form, "Ctrl+Space after another list", {{Qt::Key_Space, Qt::ControlModifier}},
            {{Qt::Key_W, {}}, {Qt::Key_Period, {}}});
    Measure(form, "\".\" after an object of its own class", {{Qt::Key_W, {}}, {Qt::Key_Period, {}}});
    Measure(form, "\".\" after a file system object", {{Qt::Key_F, {}}, {Qt::Key_S, {}}, {Qt::Key_O, {}},
                                                       {Qt::Key_Period, {}}});
    return 0;
}
