#include "support/UiTestSupport.h"

#include "unit/ui/QtPorts.h"
#include "window/ui/EditorWidget.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTextLayout>

using namespace tarnwick;

namespace {

// Records the key handlers and the model's notifications in the order they come.
struct EventLog : EditorObserver {
    QStringList events;
    void TextChanged(int, int, int) override { events << "change"; }
    void SelectionChanged() override { events << "selection"; }
};

struct Editor {
    EditorModel model;
    EditorWidget widget{model};
    Editor() {
        widget.resize(400, 200);
        widget.show();
        widget.setFocus();
    }
    std::string Text() const { return model.Text(); }
    QPoint PointOf(int line, int column) const {
        const int lh = widget.Layout().LineHeight();
        const std::string text = model.Line(line);
        return QPoint(1 + int(widget.Layout().XOfColumn(text, column)) + 1, line * lh + lh / 2);
    }
    // A move with the left button held, as the platform sends it during a drag.
    void DragTo(QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, widget.viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget.viewport(), &move);
    }
};

void TypeUnicode(QWidget* widget, char32_t code) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&code, 1));
    QCoreApplication::sendEvent(widget, &press);
}

}  // namespace

class EditorWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void keysAndTypedTextEditTheModel_data();
    void keysAndTypedTextEditTheModel();
    void keyNavigation_data();
    void keyNavigation();
    void eventOrderOfATypedCharacter();
    void consumedKeysStillDeliverTheirCharacter();
    void mouseClickDragAndDoubleClick();
    void dragBelowTheTextKeepsScrolling();
    void scrollBarsFollowTheDocument();
    void contentWidthIsTheWidestLine_data();
    void contentWidthIsTheWidestLine();
    void caretPixelPositionFeedsTheModel();
    void paintsEachCharactersColourAndTheSelection();
    void caretStandsWhereTheCharactersAreDrawn();
};

// Keys and typed text edit the model: in a Unicode document whole characters;
// in a code-page document each character the code page lacks becomes a question mark.
void EditorWidgetTest::keysAndTypedTextEditTheModel_data() {
    QTest::addColumn<bool>("unicode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");  // a byte offset
    QTest::addColumn<QStringList>("input");  // key names, or text to type
    QTest::addColumn<QString>("expected");  // in the document's encoding
    QTest::addColumn<QString>("clipboard");  // empty: not looked at
    const QString all = QString::fromUtf8("a\u03A9\u65E5\U0001F600b");  // a, Ω (2 bytes), 日 (3), 😀 (4), b
    QTest::newRow("code page: what it lacks is typed as question marks")  // € is 0x80 in it
        << false << "" << 0 << QStringList{QString::fromUtf8("\u00E9\u20AC\u263A\U0001F600")}
        << QString::fromLatin1("\xE9\x80??") << "";
    QTest::newRow("typed characters outside the code page are kept")
        << true << "" << 0 << QStringList{QString::fromUtf8("\u03A9\u2192\u65E5\u672C\U0001F600")}
        << QString::fromUtf8("\u03A9\u2192\u65E5\u672C\U0001F600") << "";
    QTest::newRow("Backspace takes whole characters") << true << all << 10 << QStringList{"Backspace", "Backspace"}
                                                      << QString::fromUtf8("a\u03A9b") << "";
    QTest::newRow("Delete takes whole characters") << true << all << 1 << QStringList{"Delete", "Delete"}
                                                   << QString::fromUtf8("a\U0001F600b") << "";
    QTest::newRow("Left and Right step over whole characters")
        << true << all << 0 << QStringList{"Right", "Right", "Right", "Right", "Left", "Backspace"}
        << QString::fromUtf8("a\u03A9\U0001F600b") << "";
    QTest::newRow("a caret the program left inside a character types before it")
        << true << all << 2 << QStringList{"x"} << QString::fromUtf8("ax\u03A9\u65E5\U0001F600b") << "";
    QTest::newRow("Backspace at the start takes nothing")
        << true << QString::fromUtf8("\u03A9b") << 0 << QStringList{"Backspace"} << QString::fromUtf8("\u03A9b") << "";
    QTest::newRow("typing and Backspace over whole characters are one undo step")
        << true << "" << 0 << QStringList{QString::fromUtf8("a\u03A9b"), "Backspace", "Backspace", "Ctrl+Z"} << "" << "";
    QTest::newRow("a line break is still one step") << true << QString::fromUtf8("\u03A9\r\nb") << 4
                                                    << QStringList{"Backspace", "Backspace"} << "b" << "";
    QTest::newRow("word moves take letters of any script as word characters")
        << true << QString::fromUtf8("x Gr\u00FCne\u65E5\u672C y") << 2 << QStringList{"Ctrl+Right", "!"}
        << QString::fromUtf8("x Gr\u00FCne\u65E5\u672C !y") << "";
    QTest::newRow("typing, Return, Backspace, Home and Delete")
        << false << "" << 0 << QStringList{"Dim x", "Return", "x = 12", "Backspace", "Home", "Delete"}
        << "Dim x\r\n = 1" << "";
    QTest::newRow("Delete before a break joins the lines; a tab is text in the bare editor; Alt+Q types nothing")
        << false << "Dim x\r\n = 1" << 7 << QStringList{"Left", "Delete", "Tab", "Alt+Q"} << "Dim x\t = 1" << "";
    QTest::newRow("one run of edits at one place is one undo step")
        << false << "Dim x\r\nx = 1" << 7 << QStringList{"Delete", "Left", "Delete", "Tab", "Ctrl+Z"}
        << "Dim x\r\n = 1" << "";
    QTest::newRow("the clipboard takes and gives the characters")
        << true << all << 0 << QStringList{"Ctrl+A", "Ctrl+C", "End", "Ctrl+V"} << all + all << all;
}

void EditorWidgetTest::keysAndTypedTextEditTheModel() {
    QFETCH(bool, unicode);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QStringList, input);
    QFETCH(QString, expected);
    QFETCH(QString, clipboard);
    Editor e;
    TextEncoding encoding = unicode ? TextEncoding::Utf8 : TextEncoding::Ansi;
    QtClipboard port;
    port.SetEncoding(&encoding);
    e.widget.SetClipboard(&port);
    e.widget.SetEncoding(encoding);
    e.model.SetText(text.toStdString());
    e.model.SetSelStart(caret);
    const QMap<QString, QKeyCombination> keys{
        {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete}, {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right}, {"End", Qt::Key_End}, {"Ctrl+Right", Qt::CTRL | Qt::Key_Right},
        {"Ctrl+A", Qt::CTRL | Qt::Key_A}, {"Ctrl+C", Qt::CTRL | Qt::Key_C}, {"Ctrl+V", Qt::CTRL | Qt::Key_V},
        {"Ctrl+Z", Qt::CTRL | Qt::Key_Z}, {"Return", Qt::Key_Return}, {"Home", Qt::Key_Home}, {"Tab", Qt::Key_Tab},
        {"Alt+Q", Qt::ALT | Qt::Key_Q}};
    for (const QString& step : input) {
        if (keys.contains(step))
            QTest::keyClick(&e.widget, keys[step].key(), keys[step].keyboardModifiers());
        else
            for (char32_t code : step.toUcs4()) TypeUnicode(&e.widget, code);
    }
    QCOMPARE(QByteArray::fromStdString(e.Text()), unicode ? expected.toUtf8() : expected.toLatin1());
    if (!clipboard.isEmpty()) QCOMPARE(QApplication::clipboard()->text(), clipboard);
}

void EditorWidgetTest::keyNavigation_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("caret");
    // The document "abc def\r\nxy\r\nlast line" with the caret at 5 (between d and e).
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << 4 << 4;
    QTest::newRow("Shift+Left") << int(Qt::Key_Left) << int(Qt::ShiftModifier) << 5 << 4;
    QTest::newRow("Right") << int(Qt::Key_Right) << 0 << 6 << 6;
    QTest::newRow("Ctrl+Left") << int(Qt::Key_Left) << int(Qt::ControlModifier) << 4 << 4;
    QTest::newRow("Ctrl+Right") << int(Qt::Key_Right) << int(Qt::ControlModifier) << 7 << 7;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0 << 0 << 0;
    QTest::newRow("Shift+End") << int(Qt::Key_End) << int(Qt::ShiftModifier) << 5 << 7;
    QTest::newRow("Down clamps to the short line") << int(Qt::Key_Down) << 0 << 11 << 11;
    QTest::newRow("Ctrl+End") << int(Qt::Key_End) << int(Qt::ControlModifier) << 22 << 22;
    QTest::newRow("Ctrl+Shift+Home") << int(Qt::Key_Home) << int(Qt::ControlModifier | Qt::ShiftModifier) << 5 << 0;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << 18 << 18;
    QTest::newRow("Up on the first line") << int(Qt::Key_Up) << 0 << 5 << 5;
}

void EditorWidgetTest::keyNavigation() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, anchor);
    QFETCH(int, caret);
    Editor e;
    e.model.SetText("abc def\r\nxy\r\nlast line");
    e.model.SetSelStart(5);
    QTest::keyClick(&e.widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(e.model.Anchor(), anchor);
    QCOMPARE(e.model.CaretPos(), caret);
}

void EditorWidgetTest::eventOrderOfATypedCharacter() {
    Editor e;
    EventLog log;
    e.model.AddObserver(&log);
    e.widget.onKeyDown = [&](int& key, KeyModifiers) { log.events << "down " + QString::number(key); };
    e.widget.onKeyPress = [&](char& c) { log.events << "press " + QString(QChar(c)); };
    e.widget.onKeyUp = [&](int key, KeyModifiers) { log.events << "up " + QString::number(key); };
    QTest::keyClick(&e.widget, Qt::Key_Period);
    QTest::keyClick(&e.widget, Qt::Key_Greater, Qt::ShiftModifier);
    e.model.RemoveObserver(&log);
    // The Shift key itself comes down first and up last, as on Windows.
    QCOMPARE(log.events, (QStringList{"down 190", "press .", "change", "selection", "up 190",
                                      "down 16", "down 190", "press >", "change", "selection", "up 190", "up 16"}));
}

void EditorWidgetTest::consumedKeysStillDeliverTheirCharacter() {
    Editor e;
    e.model.SetText("abc");
    e.model.SetSelStart(3);
    QStringList pressed;
    e.widget.onKeyDown = [](int& key, KeyModifiers) {
        if (key == 37 || key == 8) key = 0;  // Left and Backspace consumed
    };
    e.widget.onKeyPress = [&](char& c) {
        pressed << QString::number(int(c));
        if (c == '\b') c = 0;
    };
    QTest::keyClick(&e.widget, Qt::Key_Left);
    QTest::keyClick(&e.widget, Qt::Key_Backspace);
    QCOMPARE(e.model.CaretPos(), 3);
    QCOMPARE(e.Text(), std::string("abc"));
    QCOMPARE(pressed, QStringList{"8"});
}

void EditorWidgetTest::mouseClickDragAndDoubleClick() {
    Editor e;
    e.model.SetText("first line\r\nsecond_word here");
    QTest::mouseClick(e.widget.viewport(), Qt::LeftButton, {}, e.PointOf(1, 3));
    QCOMPARE(e.model.CaretPos(), 12 + 3);
    QTest::mousePress(e.widget.viewport(), Qt::LeftButton, {}, e.PointOf(0, 2));
    QTest::mouseMove(e.widget.viewport(), e.PointOf(1, 2));
    e.DragTo(e.PointOf(1, 2));
    QTest::mouseRelease(e.widget.viewport(), Qt::LeftButton, {}, e.PointOf(1, 2));
    QCOMPARE(e.model.Anchor(), 2);
    QCOMPARE(e.model.CaretPos(), 14);
    QTest::mouseDClick(e.widget.viewport(), Qt::LeftButton, {}, e.PointOf(1, 4));
    QCOMPARE(QString::fromStdString(e.model.SelText()), QString("second_word"));
}

void EditorWidgetTest::dragBelowTheTextKeepsScrolling() {
    Editor e;
    std::string text;
    for (int i = 0; i < 200; ++i) text += "line\r\n";
    e.model.SetText(text);
    QTest::mousePress(e.widget.viewport(), Qt::LeftButton, {}, e.PointOf(0, 1));
    const QPoint below(5, e.widget.viewport()->height() + 5);
    e.DragTo(below);
    const int first = e.model.FirstVisibleLine();
    QTRY_VERIFY(e.model.FirstVisibleLine() >= first + 3);
    QTest::mouseRelease(e.widget.viewport(), Qt::LeftButton, {}, below);
    const int stopped = e.model.FirstVisibleLine();
    QTest::qWait(150);
    QCOMPARE(e.model.FirstVisibleLine(), stopped);
    QCOMPARE(e.model.Anchor(), 1);
    QVERIFY(e.model.CaretPos() > 1);
}

void EditorWidgetTest::scrollBarsFollowTheDocument() {
    Editor e;
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + std::string(i == 50 ? 200 : 0, 'x') + "\r\n";
    e.model.SetText(text);
    QCoreApplication::processEvents();
    QVERIFY(e.widget.verticalScrollBar()->maximum() > 0);
    QVERIFY(e.widget.horizontalScrollBar()->maximum() > 0);
    e.widget.verticalScrollBar()->setValue(30);
    QCOMPARE(e.model.FirstVisibleLine(), 30);
    e.model.LineScroll(-10);
    QCOMPARE(e.widget.verticalScrollBar()->value(), 20);
    QTest::keyClick(&e.widget, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(e.model.FirstVisibleLine() > 80);  // the caret was scrolled into view
    // The widest line is reachable sideways: End on it scrolls right.
    e.model.SetSelStart(e.model.LineIndex(50));
    QTest::keyClick(&e.widget, Qt::Key_End);
    QVERIFY(e.widget.horizontalScrollBar()->value() > 0);
    // A caret the program places follows too, once its work is done.
    e.model.SetSelStart(0);
    QCoreApplication::processEvents();
    QCOMPARE(e.widget.horizontalScrollBar()->value(), 0);
}

void EditorWidgetTest::contentWidthIsTheWidestLine_data() {
    QTest::addColumn<QStringList>("lines");
    const QString tabs(60, '\t');
    QTest::newRow("tabs after a longer line") << QStringList{QString(200, 'a'), tabs, "abc"};
    QTest::newRow("wide letters after narrow ones") << QStringList{QString(300, 'i'), QString(290, 'W'), "ii"};
    QTest::newRow("the widest last") << QStringList{"a", QString(150, 'b'), QString(100, 'c') + tabs};
}

// Sideways the document reaches as far as its widest line alone would.
void EditorWidgetTest::contentWidthIsTheWidestLine() {
    QFETCH(QStringList, lines);
    int widest = 0;
    for (const QString& line : lines) {
        Editor alone;
        alone.model.SetText(line.toStdString());
        QCoreApplication::processEvents();
        widest = std::max(widest, alone.widget.horizontalScrollBar()->maximum());
    }
    QVERIFY(widest > 0);
    Editor e;
    e.model.SetText(lines.join("\r\n").toStdString());
    QCoreApplication::processEvents();
    QCOMPARE(e.widget.horizontalScrollBar()->maximum(), widest);
}

void EditorWidgetTest::caretPixelPositionFeedsTheModel() {
    Editor e;
    e.model.SetText("ab\r\ncd");
    e.model.SetSelStart(5);
    const Point p = e.model.CaretPixelPosition();
    QCOMPARE(p.y, e.widget.Layout().LineHeight());
    QCOMPARE(p.x, 1 + int(e.widget.Layout().XOfColumn("cd", 1) + 0.5));
}

void EditorWidgetTest::paintsEachCharactersColourAndTheSelection() {
    Editor e;
    e.model.SetText("MMMM\r\nWWWW");
    e.model.SetSelStart(0);
    e.model.SetSelLength(4);
    e.model.SetSelColour(RgbColour(255, 0, 0));
    e.model.SetSelStart(6);
    e.model.SetSelLength(4);
    e.model.SetSelColour(kWindowTextColour);  // the control's own colour shows black
    e.model.SetSelLength(2);
    const QImage image = e.widget.viewport()->grab().toImage();
    const int lh = e.widget.Layout().LineHeight();
    // Pixels of one line near a colour (text is smoothed, so not exactly it).
    auto count = [&](int top, QColor colour) {
        int n = 0;
        for (int y = top; y < top + lh; ++y)
            for (int x = 0; x < 120; ++x) {
                const QColor p = image.pixelColor(x, y);
                n += std::abs(p.red() - colour.red()) < 60 && std::abs(p.green() - colour.green()) < 60 &&
                     std::abs(p.blue() - colour.blue()) < 60;
            }
        return n;
    };
    const QColor highlight = e.widget.palette().color(QPalette::Active, QPalette::Highlight);
    QVERIFY(count(0, Qt::red) > 5);
    QCOMPARE(count(lh, Qt::red), 0);
    QVERIFY(count(lh, Qt::black) > 5);
    QVERIFY(count(lh, highlight) > 10);
    QCOMPARE(count(0, highlight), 0);
}

// The caret is drawn, and a click lands, where the characters are drawn, fallback fonts included.
void EditorWidgetTest::caretStandsWhereTheCharactersAreDrawn() {
    Editor e;
    e.widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&e.widget));
    e.widget.SetEncoding(TextEncoding::Utf8);
    const QString line = QString::fromUtf8("s = \"\u00E9 \u03A9 \u65E5\u672C \U0001F600\" x");
    e.model.SetText(line.toStdString());
    e.model.SetSelLength(e.model.Length());
    e.model.SetSelColour(RgbColour(255, 0, 0));  // the caret alone is black
    QTextLayout drawn(line, e.widget.Layout().Font());
    drawn.beginLayout();
    const QTextLine shown = drawn.createLine();
    drawn.endLayout();
    for (int i = 0, column = 0, next; i <= line.size(); column += line.mid(i, next - i).toUtf8().size(), i = next) {
        next = drawn.nextCursorPosition(i);
        const qreal x = 1 + shown.cursorToX(i), right = 1 + shown.cursorToX(next);
        e.model.SetSelStart(column);
        QTRY_VERIFY(e.widget.CaretShown());
        const QImage image = e.widget.viewport()->grab().toImage();
        int caret = 0;
        while (caret < image.width() && image.pixelColor(caret, 1) != Qt::black) ++caret;
        QVERIFY2(std::abs(caret - x) <= 1, qPrintable(QString("column %1: caret at %2").arg(column).arg(caret)));
        if (i == line.size()) break;
        QTest::mouseClick(e.widget.viewport(), Qt::LeftButton, {}, QPoint(int(x + (right - x) / 4), 4));
        QCOMPARE(e.model.CaretPos(), column);  // a click on a character's left part goes before it
    }
}

QTEST_MAIN(EditorWidgetTest)
#include "EditorWidgetTest.moc"
