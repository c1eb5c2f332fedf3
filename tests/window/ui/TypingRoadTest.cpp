// Typing into the real main window key by key, with the shipped syntax table:
// tidying and colouring of the line left, the completion list, the parameter
// tip and the status bar, as the user meets them.
#include "support/UiTestSupport.h"

#include "completion/ui/LstDrawItem.h"
#include "editor/Ansi.h"
#include "window/ui/EditorWidget.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

using namespace tarnwick;

namespace {

// Distinct colours, so a run shows which of the three it took.
constexpr ColourSettings kColours{RgbColour(200, 0, 0), RgbColour(0, 0, 200), RgbColour(0, 150, 0)};

// A line's colours as runs: "[S]Set[0] x" with S statements, F functions,
// C comments, 0 black (or the window-text colour), other values in hex.
QString ColourRuns(const EditorModel& model, int line) {
    const int start = model.LineIndex(line);
    const std::string text = model.Line(line);
    QString out, current;
    for (int i = 0; i < int(text.size()); ++i) {
        const Colour c = model.ColourAt(start + i);
        QString tag = c == kColours.statements ? "S"
                      : c == kColours.functions ? "F"
                      : c == kColours.comments  ? "C"
                      : DisplayedColour(c) == kBlack ? "0"
                                                     : QString::number(c, 16);
        if (tag != current) out += "[" + tag + "]";
        current = tag;
        out += QChar(text[i]);
    }
    return out;
}

QStringList ListRows(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

// The members of an object type in the shipped table, sorted ignoring case.
QStringList MembersOf(const SyntaxEntries& table, const std::string& type) {
    QStringList names;
    for (const TColorCoding& e : table)
        if (AnsiLowerCase(e.TypeA) == AnsiLowerCase(type)) names << QString::fromStdString(e.Name);
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

QString ParameterOf(const SyntaxEntries& table, const std::string& name) {
    for (const TColorCoding& e : table)
        if (e.Name == name && !e.Parameter.empty()) return QString::fromStdString(e.Parameter);
    return {};
}

using testing::kFsoLine;

// A shown main window with the shipped table, the focus in its editor.
struct TypingWindow : testing::ShownWindow {
    TypingWindow() { colours = kColours; }
    int Caret() const { return form->Unit().MainText.CaretPos(); }
    // Where the list and the tip stand: 20 pixels left of and 18 below the caret.
    QPoint BesideCaret() const {
        const Point caret = editor->CaretPixelPosition();
        return editor->viewport()->mapTo(form->centralWidget(), QPoint(caret.x, caret.y)) + QPoint(-20, 18);
    }
};

}  // namespace

class TypingRoadTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void roadOfTyping();
    void boundObjectMembers_data();
    void boundObjectMembers();
    void parameterTipFollowsTheCalls();
    void tipAndListStandAtTheCaretOfAScrolledView();
    void listKeys();
    void openedScriptIsColouredAndTidied();
    void recolouringALineKeepsTheView();
    void ownClassAndNamesInScope();
};

void TypingRoadTest::initTestCase() {
    // The window reads the table beside the executable, where the build puts it.
    QVERIFY2(QFile::exists(QCoreApplication::applicationDirPath() + "/syntax.ini"), "syntax.ini not beside the test");
}

void TypingRoadTest::roadOfTyping() {
    TypingWindow w;
    TForm1& form = w.Open();
    QVERIFY(!form.Unit().SyntaxTable.empty());
    QTest::keyClicks(w.editor, "set fso=CreateObject(\"Scripting.FileSystemObject\")");
    QCOMPARE(ColourRuns(form.Unit().MainText, 0), "[0]set fso=CreateObject(\"Scripting.FileSystemObject\")");
    QCOMPARE(form.StatusPanel0->text(), QString("Line 1 of 1, Col 51"));

    QTest::keyClick(w.editor, Qt::Key_Return);
    QCOMPARE(w.Text(), std::string(kFsoLine) + "\r\n");
    QCOMPARE(ColourRuns(form.Unit().MainText, 0),
             "[S]Set[0] fso = [F]CreateObject[0](\"Scripting.FileSystemObject\")");
    QCOMPARE(form.StatusPanel0->text(), QString("Line 2 of 2, Col 1"));

    QTest::keyClicks(w.editor, "fso.");
    QVERIFY(form.Lst->isVisible());
    const QStringList members = MembersOf(form.Unit().SyntaxTable, "FSO");
    QVERIFY(members.contains("CreateTextFile"));
    QCOMPARE(ListRows(form.Lst), members);
    QCOMPARE(form.Lst->currentRow(), -1);  // nothing chosen before a letter or arrow key
    QCOMPARE(form.Lst->pos(), w.BesideCaret());
    QCOMPARE(form.Lst->height(), 170);
    QVERIFY(form.Lst->width() >= 137);  // wide enough for the longest name
    QCOMPARE(form.StatusPanel0->text(), QString("Line 2 of 2, Col 5"));

    QTest::keyClicks(w.editor, "createt");
    QVERIFY(form.Lst->currentItem());
    QCOMPARE(form.Lst->currentItem()->text(), QString("CreateTextFile"));
    QVERIFY(form.Lst->isVisible());
    QCOMPARE(w.Text(), std::string(kFsoLine) + "\r\nfso.createt");  // the list writes nothing yet

    QTest::keyClick(w.editor, Qt::Key_Return);
    QVERIFY(!form.Lst->isVisible());
    QCOMPARE(w.Text(), std::string(kFsoLine) + "\r\nfso.CreateTextFile\r\n");
    QCOMPARE(ColourRuns(form.Unit().MainText, 1), "[0]fso.CreateTextFile");
    QCOMPARE(ColourRuns(form.Unit().MainText, 0),
             "[S]Set[0] fso = [F]CreateObject[0](\"Scripting.FileSystemObject\")");
    QCOMPARE(form.StatusPanel0->text(), QString("Line 3 of 3, Col 1"));
    QVERIFY(w.editor->hasFocus());
    QVERIFY(!form.Unit().Busy);
}

void TypingRoadTest::boundObjectMembers_data() {
    QTest::addColumn<QStringList>("lines");  // typed, each ended by Enter
    QTest::addColumn<QString>("object");     // typed, then the dot
    QTest::addColumn<QString>("type");       // whose members the list shows
    QTest::addColumn<QString>("letters");    // typed after the dot; Enter accepts
    QTest::addColumn<QString>("accepted");   // the line then
    QTest::addColumn<QString>("tipAfter");   // typed next, with the tip it shows
    QTest::newRow("dictionary") << QStringList{"Set d = CreateObject(\"Scripting.Dictionary\")"} << "d"
                                << "Dictionary" << "ex" << "d.Exists" << "(";
    QTest::newRow("regexp match") << QStringList{"Set re = New RegExp", "Set m = re.Execute(s)", "For Each x In m"}
                                  << "  x" << "RegExp.Match" << "fi" << "  x.FirstIndex" << "";
}

void TypingRoadTest::boundObjectMembers() {
    QFETCH(QStringList, lines);
    QFETCH(QString, object);
    QFETCH(QString, type);
    QFETCH(QString, letters);
    QFETCH(QString, accepted);
    QFETCH(QString, tipAfter);
    TypingWindow w;
    TForm1& form = w.Open();
    for (const QString& line : lines) w.TypeLine(line);
    QTest::keyClicks(w.editor, object + ".");
    QVERIFY(form.Lst->isVisible());
    QCOMPARE(ListRows(form.Lst), MembersOf(form.Unit().SyntaxTable, type.toStdString()));
    QTest::keyClicks(w.editor, letters);
    QTest::keyClick(w.editor, Qt::Key_Return);
    QVERIFY(!form.Lst->isVisible());
    const EditorModel& model = form.Unit().MainText;
    QCOMPARE(QString::fromStdString(model.Line(int(lines.size()))), accepted);
    if (tipAfter.isEmpty()) return;
    // The member's own tip, on the line just accepted.
    QTest::keyClick(w.editor, Qt::Key_Up);
    QTest::keyClick(w.editor, Qt::Key_End);
    QTest::keyClicks(w.editor, tipAfter);
    QVERIFY(form.TxtTip->isVisible());
    const QString name = accepted.mid(accepted.lastIndexOf('.') + 1);
    QString tip;
    for (const TColorCoding& e : form.Unit().SyntaxTable)
        if (QString::fromStdString(e.Name) == name && QString::fromStdString(e.TypeA) == type)
            tip = QString::fromStdString(e.Parameter);
    QCOMPARE(form.TxtTip->text(), " " + tip + " ");
}

void TypingRoadTest::parameterTipFollowsTheCalls() {
    TypingWindow w;
    TForm1& form = w.Open();
    const SyntaxEntries& table = form.Unit().SyntaxTable;
    const QString leftTip = " " + ParameterOf(table, "Left") + " ";
    QVERIFY(leftTip.trimmed().size() > 0);

    QTest::keyClicks(w.editor, "MsgBox Left(");
    QVERIFY(form.TxtTip->isVisible());
    QCOMPARE(form.TxtTip->text(), leftTip);
    QCOMPARE(form.TxtTip->pos(), w.BesideCaret());
    form.LblTip->setText(leftTip);
    form.LblTip->adjustSize();
    QCOMPARE(form.TxtTip->size(), QSize(form.LblTip->width() + 15, 19));

    // After a "(" a click elsewhere in the line evaluates the tip there.
    const int lh = w.editor->Layout().LineHeight();
    const QPoint column3(1 + int(w.editor->Layout().XOfColumn("MsgBox Left(", 3)) + 1, lh / 2);
    QTest::mouseClick(w.editor->viewport(), Qt::LeftButton, Qt::NoModifier, column3);
    QCOMPARE(w.Caret(), 3);
    QVERIFY(form.TxtTip->isVisible());
    QCOMPARE(form.TxtTip->pos(), w.BesideCaret());
    QTest::keyClick(w.editor, Qt::Key_End);
    QTest::keyClick(w.editor, Qt::Key_Return);
    QVERIFY(!form.TxtTip->isVisible());  // Enter hides it
}

// Beside the caret; at the window's right edge the tip moves left to stay whole.
static QPoint TipPlace(TForm1& form, QPoint beside) {
    return {std::min(beside.x(), form.centralWidget()->width() - form.TxtTip->width()), beside.y()};
}

void TypingRoadTest::tipAndListStandAtTheCaretOfAScrolledView() {
    TypingWindow w;
    TForm1& form = w.Open();
    QScrollBar* sideways = w.editor->horizontalScrollBar();
    QTest::keyClicks(w.editor, "MsgBox");
    // Each blank shows the tip; past the right edge the view scrolls first.
    for (int i = 0; i < 150 && sideways->value() == 0; ++i) {
        QTest::keyClick(w.editor, Qt::Key_Space);
        QVERIFY(form.TxtTip->isVisible());
        QCOMPARE(form.TxtTip->pos(), TipPlace(form, w.BesideCaret()));
    }
    QVERIFY(sideways->value() > 0);
    QTest::keyClick(w.editor, Qt::Key_Home);
    QTest::keyClick(w.editor, Qt::Key_Right);
    QTest::keyClick(w.editor, Qt::Key_End);  // a move after a blank evaluates the tip again
    QVERIFY(form.TxtTip->isVisible());
    QCOMPARE(form.TxtTip->pos(), TipPlace(form, w.BesideCaret()));

    QTest::keyClick(w.editor, Qt::Key_Return);
    QTest::keyClicks(w.editor, QString(kFsoLine) + QString(100, ' '));
    QTest::keyClick(w.editor, Qt::Key_Return);
    QTest::keyClicks(w.editor, QString(90, ' ') + "fso.");
    QVERIFY(sideways->value() > 0);
    QVERIFY(form.Lst->isVisible());
    // At the window's right edge the list moves left to stay inside it.
    const QPoint beside = w.BesideCaret();
    QCOMPARE(form.Lst->pos(), QPoint(std::min(beside.x(), form.centralWidget()->width() - form.Lst->width()), beside.y()));
}

void TypingRoadTest::listKeys() {
    TypingWindow w;
    TForm1& form = w.Open();
    w.TypeLine(kFsoLine);
    QTest::keyClicks(w.editor, "fso.");
    QVERIFY(form.Lst->isVisible());
    const int last = form.Lst->count() - 1;
    const int caret = w.Caret();

    // Up and Down move in the list (which rows: the list's own tests), not the caret.
    QTest::keyClick(w.editor, Qt::Key_Down);
    QCOMPARE(form.Lst->currentRow(), 0);
    QTest::keyClick(w.editor, Qt::Key_Up);  // to the last row: the list scrolls down
    QCOMPARE(form.Lst->currentRow(), last);
    QCOMPARE(w.Caret(), caret);
    QCOMPARE(form.StatusPanel0->text(), QString("Line 2 of 2, Col 5"));

    QTest::keyClick(w.editor, Qt::Key_Escape);
    QVERIFY(!form.Lst->isVisible());
    QCOMPARE(w.Text(), std::string(kFsoLine) + "\r\nfso.");
    QTest::keyClick(w.editor, Qt::Key_Down);  // a closed list leaves Down to the editor
    QCOMPARE(w.Caret(), caret);               // (on the last line it stays)

    QTest::keyClick(w.editor, Qt::Key_Backspace);
    QTest::keyClicks(w.editor, ".");
    QVERIFY(form.Lst->isVisible());
    QCOMPARE(form.Lst->currentRow(), -1);  // opened afresh: nothing chosen, nothing highlighted
    QVERIFY(form.Lst->selectedItems().isEmpty());
    QCOMPARE(form.Lst->verticalScrollBar()->value(), 0);  // from its first row
    QTest::keyClick(w.editor, Qt::Key_Backspace);  // right after the dot
    QVERIFY(!form.Lst->isVisible());
    QCOMPARE(w.Text(), std::string(kFsoLine) + "\r\nfso");

    QTest::keyClicks(w.editor, ".g");
    QScrollBar* bar = form.Lst->verticalScrollBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, bar->height() - 4));
    QVERIFY(w.editor->hasFocus());  // scrolling the list leaves the focus in the editor
    QVERIFY(w.ClickRow("GetFile"));
    QCOMPARE(form.Lst->currentItem()->text(), QString("GetFile"));
    QVERIFY(w.DoubleClickRow("GetFile"));
    QVERIFY(!form.Lst->isVisible());
    QCOMPARE(w.Text(), std::string(kFsoLine) + "\r\nfso.GetFile");  // the name alone
    QCOMPARE(w.Caret(), int(w.Text().size()));
    QVERIFY(w.editor->hasFocus());
}

void TypingRoadTest::openedScriptIsColouredAndTidied() {
    TypingWindow w;
    TForm1& form = w.Open();
    const QString path = w.config.filePath("note.vbs");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("dim x\r\nx=1 ' note\r\nmsgbox \"dim\"\r\n");
    }
    w.dialogs.ChooseOpen(ToPath(path));
    form.Action("mOpen")->trigger();
    QCOMPARE(w.Text(), std::string("Dim x\r\nx = 1 ' note\r\nMsgBox \"dim\"\r\n"));
    const EditorModel& model = form.Unit().MainText;
    QCOMPARE(ColourRuns(model, 0), "[S]Dim[0] x");
    QCOMPARE(ColourRuns(model, 1), "[0]x = 1 [C]' note");
    QCOMPARE(ColourRuns(model, 2), "[F]MsgBox[0] \"dim\"");
    QVERIFY(!form.Files().Changed());
    QVERIFY(!form.Unit().Busy);

    // Typing goes on from there as in a fresh window.
    QTest::keyClick(w.editor, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(form.StatusPanel0->text(), QString("Line 4 of 4, Col 1"));
    QTest::keyClicks(w.editor, "msgbox x");
    QTest::keyClick(w.editor, Qt::Key_Return);
    QCOMPARE(ColourRuns(model, 3), "[F]MsgBox[0] x");
    QVERIFY(form.Files().Changed());
}

void TypingRoadTest::recolouringALineKeepsTheView() {
    TypingWindow w;
    TForm1& form = w.Open();
    for (int i = 0; i < 80; ++i) {
        QTest::keyClicks(w.editor, "n=" + QString::number(i));
        QTest::keyClick(w.editor, Qt::Key_Return);
    }
    EditorModel& model = form.Unit().MainText;
    QCOMPARE(model.Line(79), std::string("n = 79"));
    const int visible = w.editor->VisibleLineCount();
    QVERIFY(model.FirstVisibleLine() > 80 - visible);  // the caret's line in view
    QVERIFY(model.FirstVisibleLine() <= 80);

    // The user scrolls up and clicks into a line in the middle of the view.
    w.editor->verticalScrollBar()->setValue(20);
    QCOMPARE(model.FirstVisibleLine(), 20);
    const int lh = w.editor->Layout().LineHeight();
    QTest::mouseClick(w.editor->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 5 * lh + lh / 2));
    QCOMPARE(form.StatusPanel0->text(), QString("Line 26 of 81, Col 7"));
    QTest::keyClicks(w.editor, "+1");
    QTest::keyClick(w.editor, Qt::Key_Down);  // leaves the line: recoloured, the view stays
    QCOMPARE(model.Line(25), std::string("n = 25+1"));
    QCOMPARE(model.FirstVisibleLine(), 20);
    QCOMPARE(w.editor->verticalScrollBar()->value(), 20);
    QCOMPARE(form.StatusPanel0->text(), QString("Line 27 of 81, Col 7"));
}

// A class the script defines: its members after "." with their kinds' icons,
// the tip of a member, and Ctrl+Space for the names in scope.
void TypingRoadTest::ownClassAndNamesInScope() {
    TypingWindow w;
    TForm1& form = w.Open();
    for (const char* line : {"Class Robot", "Public Name", "Sub Walk(steps)", "End Sub", "End Class",
                             "Set r = New Robot"}) {
        QTest::keyClicks(w.editor, line);
        QTest::keyClick(w.editor, Qt::Key_Return);
    }
    QTest::keyClicks(w.editor, "r.");
    QVERIFY(form.Lst->isVisible());
    QCOMPARE(ListRows(form.Lst), QStringList({"Name", "Walk"}));
    QCOMPARE(form.Lst->item(0)->icon().cacheKey(), LstDrawItem::KindIcon(RowIcon::Variable).cacheKey());
    QCOMPARE(form.Lst->item(1)->icon().cacheKey(), form.FunctionIcon.cacheKey());
    QTest::keyClicks(w.editor, "w");
    QCOMPARE(form.Lst->currentItem()->text(), QString("Walk"));
    QTest::keyClick(w.editor, Qt::Key_Space);
    QVERIFY(!form.Lst->isVisible());
    QVERIFY(form.TxtTip->isVisible());
    QCOMPARE(form.TxtTip->text(), QString(" Walk(steps) "));
    QTest::keyClick(w.editor, Qt::Key_Return);

    QTest::keyClicks(w.editor, "x = ro");
    QTest::keyClick(w.editor, Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(form.Lst->isVisible());
    QCOMPARE(form.Lst->currentItem()->text(), QString("Robot"));
    QCOMPARE(form.Lst->currentItem()->icon().cacheKey(), LstDrawItem::KindIcon(RowIcon::Class).cacheKey());
    QTest::keyClick(w.editor, Qt::Key_Return);
    QVERIFY(w.Text().find("\r\nr.Walk \r\nx = Robot\r\n") != std::string::npos);
}

QTEST_MAIN(TypingRoadTest)
#include "TypingRoadTest.moc"

