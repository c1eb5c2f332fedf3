#include "support/UiTestSupport.h"

#include "editor/ui/LinePainter.h"
#include "options/ui/vbsoptions.h"
#include "run/ui/OutputPane.h"
#include "unit/ui/ScreenFit.h"
#include "window/ui/Glyphs.h"
#include "window/ui/ProcedureBox.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>

using namespace tarnwick;
using namespace tarnwick::testing;

namespace {

// The contrast of two colours as the accessibility guidelines measure it (1 to 21).
double Contrast(QColor a, QColor b) {
    auto luminance = [](QColor c) {
        auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette Palette(const QColor& window, const QColor& text) {
    QPalette p(window);
    p.setColor(QPalette::Base, window.darker(110));
    p.setColor(QPalette::Text, text);
    return p;
}

// The nearest named control the keyboard is in, also inside a list that opened from it.
QString Focused() {
    for (QObject* w = QApplication::focusWidget(); w; w = w->parent())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) return w->objectName();
    return {};
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowKeptOnScreen_data();
    void mainWindowKeptOnScreen();
    void dialogsKeptOnScreen();
    void keyboardReach_data();
    void keyboardReach();
    void menuKeysOpenThePopupAtTheCaret();
    void optionsTextsWhole();
    void glyphsAndOutputReadOnEveryPalette();
    void proportionalFontDrawnWhereMeasured();
};

void DesktopTest::mainWindowKeptOnScreen_data() {
    QTest::addColumn<QStringList>("stored");  // Left, Top, Width, Height; none: a first start
    QTest::addColumn<QSize>("size");          // of the frame; empty: any
    QTest::addColumn<QPoint>("place");        // of the frame; (-1, -1): any
    const QPoint any(-1, -1);
    QTest::newRow("fits: as stored") << QStringList{"10", "20", "500", "400"} << QSize(500, 400) << QPoint(10, 20);
    QTest::newRow("off the bottom right: moved in") << QStringList{"1800", "1000", "600", "400"} << QSize(600, 400)
                                                    << any;
    QTest::newRow("above and left: moved in") << QStringList{"-300", "-200", "500", "400"} << QSize(500, 400)
                                              << QPoint(0, 0);
    QTest::newRow("larger than the screen: shrunk") << QStringList{"0", "0", "2400", "1300"} << QSize(800, 600)
                                                    << QPoint(0, 0);
    QTest::newRow("first start at 800 x 600") << QStringList{} << QSize() << any;
}

void DesktopTest::mainWindowKeptOnScreen() {
    QFETCH(QStringList, stored);
    QFETCH(QSize, size);
    QFETCH(QPoint, place);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(available, QRect(0, 0, 800, 600));
    MainWindowFixture w;
    if (!stored.isEmpty())
        w.WriteSettings({{"Left", qPrintable(stored[0])}, {"Top", qPrintable(stored[1])},
                         {"Width", qPrintable(stored[2])}, {"Height", qPrintable(stored[3])}});
    TForm1& form = w.Create();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(600);  // the last fitting, once a frame could have come
    QVERIFY(available.contains(form.frameGeometry()));
    if (size.isValid()) QCOMPARE(form.frameGeometry().size(), size);
    if (place != QPoint(-1, -1)) QCOMPARE(form.frameGeometry().topLeft(), place);
}

void DesktopTest::dialogsKeptOnScreen() {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        QRect shownAt;
        bool fixedSize;
        QSize frameSize;  // empty: as shown
    } rows[] = {
        {{700, 500, 300, 200}, true, {}},             // moved in
        {{-50, 20, 980, 700}, false, {800, 600}},     // the help window's size at 800 x 600: shrunk
        {{100, 100, 900, 200}, true, {}},             // cannot shrink: its left edge in reach
    };
    for (const auto& row : rows) {
        QWidget dialog(nullptr, Qt::Dialog);
        dialog.setGeometry(row.shownAt);
        if (row.fixedSize) dialog.setFixedSize(row.shownAt.size());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect frame = dialog.frameGeometry();
        QVERIFY(available.contains(frame) || (frame.left() == available.left() && frame.top() > available.top()));
        if (row.frameSize.isEmpty()) QCOMPARE(dialog.size(), row.shownAt.size());
        else QCOMPARE(frame.size(), row.frameSize);
    }
}

void DesktopTest::keyboardReach_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<bool>("paneShown");
    QTest::newRow("the procedure list") << "Ctrl+Shift+O" << "CmbProcedures" << false;
    QTest::newRow("Escape from the list") << "Ctrl+Shift+O,Esc" << "MainText" << false;
    QTest::newRow("Tab from the go-to box") << "Ctrl+G,Tab" << "CmbProcedures" << false;
    QTest::newRow("Escape from the box") << "Ctrl+G,Tab,Esc" << "MainText" << false;
    QTest::newRow("F6 into the output pane") << "F6" << "TxtOutput" << true;
    QTest::newRow("Tab to the pane's close") << "F6,Tab" << "CmdCloseOutput" << true;
    QTest::newRow("F6 back to the editor") << "F6,F6" << "MainText" << true;
    QTest::newRow("Escape from the pane") << "F6,Esc" << "MainText" << true;
    QTest::newRow("Shift+Esc closes the pane") << "F6,Shift+Esc" << "MainText" << false;
}

void DesktopTest::keyboardReach() {
    QFETCH(QString, keys);
    QFETCH(QString, focused);
    QFETCH(bool, paneShown);
    ShownWindow w;
    TForm1& form = w.Open();
    w.TypeLine("Sub Foo");
    for (const QString& key : keys.split(',')) {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        QCoreApplication::processEvents();
    }
    QCOMPARE(Focused(), focused);
    QCOMPARE(form.Output->isVisible(), paneShown);
    QCOMPARE(form.CmbProcedures->view()->isVisible(), keys == "Ctrl+Shift+O");
}

void DesktopTest::menuKeysOpenThePopupAtTheCaret() {
    ShownWindow w;
    TForm1& form = w.Open();
    w.TypeLine("x = 1");
    QTest::keyClicks(w.editor, "MsgBox x");
    QCursor::setPos(form.mapToGlobal(QPoint(5, 5)));  // far from the caret
    const QPoint caret = w.editor->viewport()->mapToGlobal(
        QPoint(w.editor->CaretPixelPosition().x, w.editor->CaretPixelPosition().y + w.editor->Layout().LineHeight()));
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        QPoint shownAt;
        QTimer::singleShot(50, [&] {
            shownAt = form.mPopup->pos();
            form.mPopup->close();
        });
        QTest::keySequence(w.editor, keys);
        QCOMPARE(shownAt, caret);
    }
}

void DesktopTest::optionsTextsWhole() {
    ShownWindow w;
    TForm1& form = w.Open();
    TForm4 options(form, {"tarnwick"}, &form);
    QCOMPARE(options.size(), QSize(260, 277));  // the design's font: the design's size
    for (const QFont& font : {QFont("DejaVu Sans", 13), QFont("DejaVu Serif", 16, QFont::Bold)}) {
        options.setFont(font);
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        for (QWidget* text : options.findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(text) || qobject_cast<QPushButton*>(text))
                QVERIFY2(text->fontMetrics().horizontalAdvance(text->property("text").toString().remove('&')) <=
                                 text->width() &&
                             text->fontMetrics().height() <= text->height() &&
                             options.rect().contains(QRect(text->mapTo(&options, QPoint()), text->size())),
                         qPrintable(font.family() + ": " + text->property("text").toString()));
    }
}

void DesktopTest::glyphsAndOutputReadOnEveryPalette() {
    // Every edge of a glyph stands out from the bar; the pane's error text and links from its page.
    QStringList unreadable;
    for (const QPalette& palette : {Palette(QColor(239, 239, 239), Qt::black), Palette(QColor(53, 53, 53), Qt::white),
                                    Palette(QColor(30, 30, 30), QColor(220, 220, 220))}) {
        const QColor bar = palette.color(QPalette::Window);
        for (int index = 0; index < kGlyphCount; ++index) {
            QImage image(16, 16, QImage::Format_ARGB32);
            image.fill(bar);
            QPainter(&image).drawPixmap(0, 0, Glyph(index, palette));
            const QImage alpha = Glyph(index, palette).toImage();
            int edges = 0, seen = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    auto solid = [&](int px, int py) {
                        return px >= 0 && py >= 0 && px < 16 && py < 16 && qAlpha(alpha.pixel(px, py)) >= 128;
                    };
                    if (!solid(x, y) || (solid(x - 1, y) && solid(x + 1, y) && solid(x, y - 1) && solid(x, y + 1)))
                        continue;
                    ++edges;
                    seen += Contrast(image.pixelColor(x, y), bar) >= 1.5;
                }
            if (seen < edges * 9 / 10) unreadable << QString("glyph %1 on %2").arg(index).arg(bar.name());
        }
        OutputPane pane;
        pane.View()->setPalette(palette);
        pane.AddLine({"Microsoft VBScript runtime error", CapturedProcess::Channel::Error, std::nullopt});
        pane.AddLine({"x.vbs(2, 1) error", CapturedProcess::Channel::Output, SourcePlace{2, 1}});
        for (QTextBlock block = pane.View()->document()->begin(); block.isValid(); block = block.next())
            QVERIFY2(Contrast(block.begin().fragment().charFormat().foreground().color(),
                              palette.color(QPalette::Base)) >= 4.5,
                     qPrintable(block.text() + " on " + palette.color(QPalette::Base).name()));
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
}

void DesktopTest::proportionalFontDrawnWhereMeasured() {
    // A word coloured apart from its neighbours stands where it stands in one colour: no gap opens.
    const std::string text = "AVAWAY To Tawny.If";
    for (const char* family : {"DejaVu Sans", "Liberation Serif", "DejaVu Sans Mono"}) {
        EditorLayout layout;
        layout.SetFont(QFont(family, 10), 96);
        QImage shown[2];
        for (int split = 0; split < 2; ++split) {
            EditorModel model;
            model.LoadColoured(text, std::vector<Colour>(text.size(), 0));
            for (int pos = 0; split && pos < int(text.size()); pos += 2) {
                model.SetSelStart(pos);
                model.SetSelLength(1);
                model.SetSelColour(0x010000);  // as black as may be, a colour of its own
            }
            shown[split] = QImage(300, 20, QImage::Format_RGB32);
            shown[split].fill(Qt::white);
            QPainter painter(&shown[split]);
            painter.setFont(layout.Font());
            LinePainter{model, layout, 0, 0, Qt::blue, Qt::white}.PaintLine(painter, 0, 2, 0, 300);
        }
        for (int x = 0; x < 300; ++x) {
            int inkOne = 0, inkSplit = 0;
            for (int y = 0; y < 20; ++y) {
                inkOne += qGray(shown[0].pixel(x, y)) < 128;
                inkSplit += qGray(shown[1].pixel(x, y)) < 128;
            }
            QVERIFY2(std::abs(inkOne - inkSplit) <= 1, qPrintable(QString("%1 at x = %2").arg(family).arg(x)));
        }
    }
}

int main(int argc, char** argv) {
    // One screen of 800 x 600, the smallest the program is tried on.
    QTemporaryFile screens;
    if (!screens.open()) return 1;
    screens.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 800, "height": 600,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    KeepWindowsOnScreen(app);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "DesktopTest.moc"
