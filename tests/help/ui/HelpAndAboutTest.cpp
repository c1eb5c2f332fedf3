#include "support/UiTestSupport.h"

#include "help/ui/vbsabout.h"
#ifdef TARNWICK_HAVE_CHMLIB
#include "help/ui/ChmHelpWindow.h"
#endif

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using namespace tarnwick;

// Takes the addresses the desktop would open, as they would be handed on.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(const QStringList& schemes) : schemes_(schemes) {
        for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~UrlRecorder() override {
        for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList opened;
public slots:
    void Open(const QUrl& url) { opened << QString::fromLatin1(url.toEncoded()); }

private:
    QStringList schemes_;
};

// The Help menu and the About box of the real main window. The test runs
// beside the program, where the compiled help file lies.
class HelpAndAboutTest : public QObject {
    Q_OBJECT
private slots:
    void f1OpensTheHelpWithItsContents();
    void homePageAndReportReachTheOpener();
    void aboutBoxLayout_data();
    void aboutBoxLayout();
    void aboutBoxIsOneModelessBox();
};

void HelpAndAboutTest::f1OpensTheHelpWithItsContents() {
#ifndef TARNWICK_HAVE_CHMLIB
    QSKIP("built without chmlib: there is no help viewer");
#else
    if (!QFile::exists(QCoreApplication::applicationDirPath() + "/Tarnwick Help.chm"))
        QSKIP("the help file was not compiled (chmcmd is missing)");
    qApp->setProperty("helpFile", "Tarnwick Help.chm");  // as at start-up: a bare name
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);

    const QList<ChmHelpWindow*> windows = form.findChildren<ChmHelpWindow*>();
    QCOMPARE(windows.size(), 1);
    ChmHelpWindow* help = windows.front();
    QVERIFY(help->isVisible());
    QCOMPARE(help->Tabs->currentIndex(), 0);
    QCOMPARE(help->ContentsTree->topLevelItem(0)->text(0), "Welcome to Tarnwick");
    QCOMPARE(help->Browser->documentTitle(), "Welcome to Tarnwick");
    QTest::keyClick(&form, Qt::Key_F1);
    QCOMPARE(form.findChildren<ChmHelpWindow*>().size(), 1);
#endif
}

void HelpAndAboutTest::homePageAndReportReachTheOpener() {
    UrlRecorder recorder({"https", "mailto"});
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    // The addresses and the box's text are the core's (HelpMenuTest); here
    // only that the menu reaches the system's opener, once per command.
    form.Action("mHomePage")->trigger();
    QCOMPARE(recorder.opened.size(), 1);
    QVERIFY(recorder.opened[0].startsWith("https:"));
    QVERIFY(fx.boxes.shown.empty());
    form.Action("mReport")->trigger();
    QCOMPARE(fx.boxes.Texts(fakes::FakeBoxes::Kind::Information).size(), size_t(1));
    QCOMPARE(recorder.opened.size(), 2);
    QVERIFY(recorder.opened[1].startsWith("mailto:"));
}

void HelpAndAboutTest::aboutBoxLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("bounds");  // an empty size: sized to its text
    QTest::addColumn<QString>("font");  // family, pixel size and b(old) u(nderline)
    QTest::addColumn<QString>("text");
    QTest::newRow("Shape1") << "Shape1" << QRect(0, 0, 361, 233) << "" << "";
    QTest::newRow("Shape2") << "Shape2" << QRect(8, 40, 353, 3) << "" << "";
    QTest::newRow("Shape3") << "Shape3" << QRect(8, 176, 353, 3) << "" << "";
    QTest::newRow("Shape4") << "Shape4" << QRect(360, 40, 25, 4) << "" << "";
    QTest::newRow("Shape5") << "Shape5" << QRect(359, 176, 25, 3) << "" << "";
    QTest::newRow("LblTitle") << "LblTitle" << QRect(16, 16, 0, 0) << "Tahoma 19 b" << " Tarnwick";
    QTest::newRow("LblVersion") << "LblVersion" << QRect(72, 40, 0, 0) << "Verdana 11 b" << " Version 1.1";
    QTest::newRow("Label4") << "Label4" << QRect(136, 160, 131, 11) << "Tahoma 9 bu" << "tarnwick.example.org";
    QTest::newRow("Label5") << "Label5" << QRect(8, 184, 185, 41) << "Tahoma 11 "
                            << "Written by the Tarnwick team. Thanks to everyone who sends errors, suggestions and "
                               "comments.";
    QTest::newRow("CmdOk") << "CmdOk" << QRect(264, 192, 89, 25) << "Verdana 11 " << "OK";
}

void HelpAndAboutTest::aboutBoxLayout() {
    QFETCH(QString, name);
    QFETCH(QRect, bounds);
    QFETCH(QString, font);
    QFETCH(QString, text);
    TForm3 about;
    QCOMPARE(about.windowTitle(), "About Tarnwick");
    QCOMPARE(about.pos(), QPoint(319, 229));
    QCOMPARE(about.size(), QSize(382, 231));
    QCOMPARE(about.font().family(), "MS Sans Serif");
    QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::white));
    const Qt::WindowFlags flags = about.windowFlags();
    // Fixed, and with close as the only border function, so that no window manager offers maximise.
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.CmdOk->isDefault());

    auto* control = about.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->pos(), bounds.topLeft());
    if (!bounds.size().isEmpty()) QCOMPARE(control->size(), bounds.size());
    if (name.startsWith("Shape")) {
        const QColor fill = name == "Shape2" || name == "Shape3" ? QColor(Qt::white) : QColor(0x21, 0x5C, 0xDA);
        QCOMPARE(control->palette().color(QPalette::Window), fill);
        return;
    }
    const QFont f = control->font();
    const QString described = QString("%1 %2 %3%4")
                                  .arg(f.family())
                                  .arg(f.pixelSize())
                                  .arg(f.bold() ? "b" : "")
                                  .arg(f.underline() ? "u" : "");
    QCOMPARE(described, font);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    } else {
        QCOMPARE(qobject_cast<QPushButton*>(control)->text(), text);
    }
}

void HelpAndAboutTest::aboutBoxIsOneModelessBox() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    TForm3 about(&form);
    form.SetSecondaryWindows(nullptr, &about, nullptr);
    form.show();
    for (int i = 0; i < 2; ++i) form.Action("mAbout")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(form.findChildren<TForm3*>().size(), 1);
    QVERIFY(!QApplication::activeModalWidget());

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        form.Action("mAbout")->trigger();
        QVERIFY(about.isVisible());
        QTest::keyClick(&about, key);
        QVERIFY2(about.isHidden(), qPrintable(QKeySequence(key).toString()));
    }
    form.Action("mAbout")->trigger();
    QTest::mouseClick(about.CmdOk, Qt::LeftButton);
    QVERIFY(about.isHidden());
}

QTEST_MAIN(HelpAndAboutTest)
#include "HelpAndAboutTest.moc"
