// Paths a new user takes through the real main window, typed key by key with
// the shipped syntax table: undo and redo, the completion list's edges, the
// status text and the keys users expect.
#include "support/UiTestSupport.h"

#include "commands/ui/FindDialogs.h"
#include "editor/ui/LinePainter.h"
#include "options/ColourSettingsLoader.h"
#include "window/ui/EditorWidget.h"
#include "window/ui/VirtualKeys.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>

#include <fstream>

using namespace tarnwick;

namespace {

// A shown main window with the shipped table, the focus in its editor.
using UserWindow = testing::ShownWindow;
using testing::kFsoLine;

}  // namespace

class UserPathsTest : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoWalkTheSameSteps();
    void acceptingAMemberReplacesOnlyItsName();
    void statusTextFollowsBusyCommands();
    void listStaysInsideTheWindowAndShowsWholeNames();
    void commandsCloseTheListAndTheTip();
    void pageDownStopsAtTheLastLine();
    void namedConstantsAreColouredAndRespelled();
    void findAndGoToLineKeys();
    void saveAsAddsTheChosenFiltersExtension();
    void keysByThePhysicalKey();
    void systemColoursTakeThePalettesColours();
    void printWithoutAPrinterWritesAPdf();
};

// Undo and Redo by each of their keys and by the menu.
void UserPathsTest::undoAndRedoWalkTheSameSteps() {
    using Step = std::function<void(UserWindow&)>;
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers mods) { return [=](UserWindow& w) { w.Keys(k, 1, mods); }; };
    const auto menu = [](const char* action) { return [=](UserWindow& w) { w.form->Action(action)->trigger(); }; };
    const Step threeLines = [](UserWindow& w) {
        w.TypeLine("dim abc");
        w.TypeLine("ABC=1");
        QTest::keyClicks(w.editor, "x = 2");
    };
    const Step undo = key(Qt::Key_Z, Qt::ControlModifier), redo = key(Qt::Key_Y, Qt::ControlModifier);
    struct Row {
        const char* name;
        Step type, undo, redo;
    };
    const Row rows[] = {
        {"three lines, caret still", threeLines, undo, redo},
        {"two lines, caret moved up and down",
         [](UserWindow& w) {
             w.TypeLine("dim abc");
             QTest::keyClicks(w.editor, "ABC=1");
             for (int i = 0; i < 3; ++i) {
                 w.Keys(Qt::Key_Up, 1);
                 w.Keys(Qt::Key_Down, 1);
             }
         },
         undo, redo},
        {"Ctrl+Shift+Z redoes", threeLines, undo, key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier)},
        {"the Edit menu", threeLines, menu("mUndo"), menu("mRedo")},
    };
    for (const Row& row : rows) {
        UserWindow w;
        w.Open();
        // The text after each step, as typing leaves it, from the last back to the first.
        std::vector<std::string> states;
        row.type(w);
        states.push_back(w.Text());
        for (int i = 0; i < 3; ++i) {
            row.undo(w);
            QVERIFY2(w.Text() != states.back(), row.name);  // every Undo undoes text
            states.push_back(w.Text());
        }
        // Back and forth, with the caret moved in between: the same states.
        w.Keys(Qt::Key_Up, 1);
        w.Keys(Qt::Key_Down, 1);
        for (int i = 2; i >= 0; --i) {
            row.redo(w);
            QVERIFY2(w.Text() == states[i], row.name);
        }
        for (int i = 1; i <= 3; ++i) {
            row.undo(w);
            QVERIFY2(w.Text() == states[i], row.name);
        }
    }
}

void UserPathsTest::acceptingAMemberReplacesOnlyItsName() {
    UserWindow w;
    TForm1& form = w.Open();
    w.TypeLine(kFsoLine);
    w.TypeLine("Set ts = fso.OpenTextFile(\"a\")");
    QTest::keyClicks(w.editor, "arr = Split(ts.readl");
    QVERIFY(form.Lst->isVisible());
    QTest::keyClicks(w.editor, ",");
    QVERIFY(!form.Lst->isVisible());  // a comma is no part of a name
    QTest::keyClicks(w.editor, " vbTab)");
    QCOMPARE(QString::fromStdString(form.Unit().MainText.Line(2)), QString("arr = Split(ts.readl, vbTab)"));

    // Accepted in front of other text, the name replaces only the name characters after the dot.
    w.Keys(Qt::Key_Return, 1);
    QTest::keyClicks(w.editor, "x = ts(1)");
    w.Keys(Qt::Key_Left, 3);
    QTest::keyClicks(w.editor, ".rEADl");
    QVERIFY(form.Lst->isVisible());
    w.Keys(Qt::Key_Space, 1);
    QCOMPARE(QString::fromStdString(form.Unit().MainText.Line(3)), QString("x = ts.ReadLine (1)"));
}

void UserPathsTest::statusTextFollowsBusyCommands() {
    UserWindow w;
    TForm1& form = w.Open();
    const QString path = w.config.filePath("long.vbs");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 600; ++i) file.write(i < 600 ? "x = 1\r\n" : "Set fso = CreateObject(\"Scripting.FileSystemObject\")");
    file.close();
    w.dialogs.ChooseOpen(path.toStdString());
    QTest::keyClicks(w.editor, "abc");
    w.boxes.Answer(Answer::No);
    form.Action("mOpen")->trigger();
    QCOMPARE(form.StatusPanel0->text(), QString("Line 1 of 600, Col 1"));

    // A member accepted by a double click.
    w.Keys(Qt::Key_End, 1, Qt::ControlModifier);
    w.Keys(Qt::Key_Return, 1);
    QTest::keyClicks(w.editor, "fso.");
    QVERIFY(w.ClickRow("GetFile") && w.DoubleClickRow("GetFile"));
    QCOMPARE(QString::fromStdString(form.Unit().MainText.Line(600)), QString("fso.GetFile"));
    QCOMPARE(form.StatusPanel0->text(), QString("Line 601 of 601, Col 12"));
}

void UserPathsTest::listStaysInsideTheWindowAndShowsWholeNames() {
    UserWindow w;
    TForm1& form = w.Open();
    QTest::keyClicks(w.editor, kFsoLine);
    // Down to the last visible line, then out to the right edge.
    w.Keys(Qt::Key_Return, w.editor->VisibleLineCount() + 5);
    QTest::keyClicks(w.editor, QString(60, ' ') + "MsgBox fso.");
    QVERIFY(form.Lst->isVisible() && form.TxtTip->isVisible());
    const QRect client = form.centralWidget()->rect();
    QVERIFY2(client.contains(form.Lst->geometry()), "the list inside the client area");
    QVERIFY2(client.contains(form.TxtTip->geometry()), "the tip inside the client area");
    const Point caret = w.editor->CaretPixelPosition();
    const QPoint caretInWindow = w.editor->viewport()->mapTo(form.centralWidget(), QPoint(caret.x, caret.y));
    QVERIFY2(form.Lst->geometry().bottom() < caretInWindow.y(), "above the caret line");
    QVERIFY2(!form.TxtTip->geometry().intersects(form.Lst->geometry()), "the tip clear of the list");
    const QFontMetrics metrics(form.Lst->font());
    QVERIFY(form.Lst->width() >= 24 + metrics.horizontalAdvance("GetAbsolutePathName"));
}

// The list and the tip belong to the text they opened on; each command closes
// them before it asks its question (New is cancelled there: the text stays).
// Tab and Shift+Tab move the line under them: they close them too.
void UserPathsTest::commandsCloseTheListAndTheTip() {
    for (const std::string how : {"Open", "New", "drop", "reload", "Tab", "Shift+Tab"}) {
        UserWindow w;
        TForm1& form = w.Open();
        const std::string path = ToPath(w.config.filePath("a.vbs"));
        std::ofstream(path, std::ios::binary) << kFsoLine << "\r\n";
        for (int i = 0; i < 2; ++i) w.dialogs.ChooseOpen(path);
        form.Action("mOpen")->trigger();
        w.Keys(Qt::Key_End, 1, Qt::ControlModifier);
        QTest::keyClicks(w.editor, "MsgBox fso.");
        QVERIFY2(form.Lst->isVisible() && form.TxtTip->isVisible(), how.c_str());
        if (how.ends_with("Tab")) w.Keys(Qt::Key_Tab, 1, how == "Tab" ? Qt::NoModifier : Qt::ShiftModifier);
        else w.boxes.Answer(how == "reload" ? Answer::Yes : how == "New" ? Answer::Cancel : Answer::No);
        if (how == "Open" || how == "New") form.Action(("m" + how).c_str())->trigger();
        if (how == "drop") testing::DropFiles(form, {FromPath(path)});
        if (how == "reload") std::ofstream(path, std::ios::app) << "' changed elsewhere\r\n";
        if (how == "reload") form.Files().CheckFileOnDisk();
        QVERIFY2(!form.Lst->isVisible() && !form.TxtTip->isVisible(), how.c_str());
    }
}

void UserPathsTest::pageDownStopsAtTheLastLine() {
    UserWindow w;
    TForm1& form = w.Open();
    const int visible = w.editor->VisibleLineCount();
    std::string text;
    for (int i = 0; i < visible * 3 / 2; ++i) text += "x\r\n";
    form.Unit().MainText.SetText(text);
    const int lines = form.Unit().MainText.BreakCount() + 1;
    for (int i = 0; i < 4; ++i) w.Keys(Qt::Key_PageDown, 1);
    QCOMPARE(form.Unit().MainText.FirstVisibleLine(), lines - visible);
    w.Keys(Qt::Key_PageUp, 1);
    QCOMPARE(form.Unit().MainText.FirstVisibleLine(), std::max(0, lines - visible - (visible - 1)));
}

void UserPathsTest::namedConstantsAreColouredAndRespelled() {
    UserWindow w;
    TForm1& form = w.Open();
    w.colours.statements = RgbColour(0, 0, 200);
    QTest::keyClicks(w.editor, "x = vbcrlf & VBTAB");
    w.Keys(Qt::Key_Return, 1);
    const EditorModel& model = form.Unit().MainText;
    QCOMPARE(QString::fromStdString(model.Line(0)), QString("x = vbCrLf & vbTab"));
    QCOMPARE(model.ColourAt(4), w.colours.statements);
    QCOMPARE(model.ColourAt(13), w.colours.statements);
}

void UserPathsTest::findAndGoToLineKeys() {
    UserWindow w;
    TForm1& form = w.Open();
    EditorModel& model = form.Unit().MainText;
    auto backToTheEditor = [&](QWidget* dialog) {
        dialog->hide();
        form.activateWindow();
        w.editor->setFocus();
    };
    model.SetText("cat\r\ndog cat\r\ncat");
    w.Keys(Qt::Key_F, 1, Qt::ControlModifier);
    QVERIFY(form.DialogFind->isVisible());
    QTest::keyClicks(form.DialogFind->TxtFind, "cat");
    backToTheEditor(form.DialogFind);
    model.SetSelStart(0);
    w.Keys(Qt::Key_F3, 1);
    QCOMPARE(model.SelStart(), 0);
    QCOMPARE(model.SelLength(), 3);
    w.Keys(Qt::Key_F3, 1);
    QCOMPARE(model.SelStart(), 9);
    QVERIFY(!form.DialogFind->isVisible());  // F3 leaves the dialog unseen
    w.Keys(Qt::Key_F3, 1, Qt::ShiftModifier);
    QCOMPARE(model.SelStart(), 0);
    QCOMPARE(model.Text(), std::string("cat\r\ndog cat\r\ncat"));  // no key typed anything

    w.Keys(Qt::Key_H, 1, Qt::ControlModifier);
    QVERIFY(form.DialogReplace->isVisible());
    backToTheEditor(form.DialogReplace);
    w.Keys(Qt::Key_G, 1, Qt::ControlModifier);
    QVERIFY(form.TxtGoto->hasFocus());
    QCOMPARE(form.TxtGoto->selectedText(), form.TxtGoto->text());
    QTest::keyClicks(form.TxtGoto, "3");
    QTest::keyClick(form.TxtGoto, Qt::Key_Return);
    QCOMPARE(model.SelStart(), model.LineIndex(2));
}

void UserPathsTest::saveAsAddsTheChosenFiltersExtension() {
    struct Row {
        const char* typed;
        int filter;
        const char* written;
    } rows[] = {
        {"script", 0, "script.vbs"},
        {"notes", 1, "notes.txt"},
        {"kept.txt", 0, "kept.txt"},
    };
    for (const Row& row : rows) {
        UserWindow w;
        TForm1& form = w.Open();
        QTest::keyClicks(w.editor, "x");
        w.dialogs.ChooseSave(w.config.filePath(row.typed).toStdString(), row.filter);
        form.Action("mSaveAs")->trigger();
        QVERIFY2(QFile::exists(w.config.filePath(row.written)), row.written);
        QCOMPARE(form.Unit().CurrentFileName, w.config.filePath(row.written).toStdString());
    }
}

void UserPathsTest::keysByThePhysicalKey() {
    struct Row {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        quint32 xKeycode;  // 0: the platform tells no physical key
        int virtualKey;
    } rows[] = {
        {"keypad dot", Qt::Key_Period, Qt::KeypadModifier, 91, 110},
        {"keypad 5", Qt::Key_5, Qt::KeypadModifier, 84, 101},
        {"( on the 9 key (US)", Qt::Key_ParenLeft, Qt::ShiftModifier, 18, 57},
        {"( on the 8 key (German)", Qt::Key_ParenLeft, Qt::ShiftModifier, 17, 56},
        {"period key", Qt::Key_Period, Qt::NoModifier, 60, 190},
        {"( without a physical key", Qt::Key_ParenLeft, Qt::ShiftModifier, 0, 57},
    };
    for (const Row& row : rows) {
        const QKeyEvent event(QEvent::KeyPress, row.key, row.mods, row.xKeycode, 0, 0);
        QVERIFY2(VirtualKeyOf(event, true) == row.virtualKey, row.name);
    }

    // Typed into the window, the keypad's "." opens no list.
    UserWindow w;
    TForm1& form = w.Open();
    w.TypeLine(kFsoLine);
    QTest::keyClicks(w.editor, "x = fso");
    QTest::keyClick(w.editor, Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(QString::fromStdString(form.Unit().MainText.Line(1)), QString("x = fso."));
    QVERIFY(!form.Lst->isVisible());
}

void UserPathsTest::systemColoursTakeThePalettesColours() {
    UserWindow w;
    w.Open();
    const QPalette palette = QApplication::palette();
    auto rgb = [](const QColor& c) { return RgbColour(c.red(), c.green(), c.blue()); };
    QCOMPARE(ResolvedColour(0xFF00000Fu), rgb(palette.color(QPalette::Button)));  // clBtnFace
    QCOMPARE(ResolvedColour(0xFF00000Du), rgb(palette.color(QPalette::Highlight)));  // clHighlight
    QCOMPARE(ToQColor(0xFF000008u), palette.color(QPalette::Text));                  // clWindowText
    QCOMPARE(ResolvedColour(kWindowTextColour), kBlack);
    QCOMPARE(ResolvedColour(0x00800000u), 0x00800000u);
}

// The PDF holds every character, a line wider than the page wrapped, within margins of 15 mm.
void UserPathsTest::printWithoutAPrinterWritesAPdf() {
    struct NoPrinter : QtPrinter {
        bool HasPrinter() const override { return false; }
    } printer;
    UserWindow w;
    TForm1& form = w.Open();
    form.Unit().PrinterPort = &printer;
    std::string longLine = "s = \"";
    for (int i = 100; i < 190; ++i) longLine += "w" + std::to_string(i) + " ";
    std::string text = longLine + "\"\r\n";
    for (int i = 0; i < 150; ++i) text += "MsgBox \"line\"\r\n";  // more than one page
    form.Unit().MainText.SetText(text);
    w.dialogs.ChooseSave(w.config.filePath("printout").toStdString());
    form.Action("mPrint")->trigger();
    QCOMPARE(w.dialogs.saveFilters, std::vector<std::string>{"PDF File (*.pdf)|*.pdf"});
    QVERIFY(w.boxes.Errors().empty());

    QProcess words;  // each word of the first page with its box, in points
    words.start("pdftotext", {"-bbox", "-f", "1", "-l", "2", w.config.filePath("printout.pdf"), "-"});
    QVERIFY2(words.waitForFinished(), "pdftotext (poppler-utils) reads the printout");
    const QString page = QString::fromUtf8(words.readAllStandardOutput());
    QCOMPARE(page.count("<page "), 2);
    const double width = QRegularExpression("<page width=\"([0-9.]+)\"").match(page).captured(1).toDouble();
    const double margin = 15 / 25.4 * 72;
    QString shown;
    const QRegularExpression word("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" "
                                  "xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    for (auto it = word.globalMatch(page); it.hasNext();) {
        const auto match = it.next();
        QVERIFY2(match.captured(1).toDouble() >= margin - 1 && match.captured(2).toDouble() <= width - margin + 1,
                 qPrintable(match.captured(0)));
        shown += match.captured(3);
    }
    QString expected = QString::fromStdString(longLine + "\"");
    expected.remove(' ');
    QVERIFY2(shown.startsWith(expected.replace("\"", "&quot;")), qPrintable(shown.left(expected.size())));
}

QTEST_MAIN(UserPathsTest)
#include "UserPathsTest.moc"
