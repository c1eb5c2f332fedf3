#include "help/ChmHelp.h"
#include "help/ui/ChmHelpWindow.h"
#include "help/ui/QtHtmlHelp.h"

#include <QLineEdit>
#include <QToolBar>
#include <QListWidget>
#include <QTabWidget>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QtTest>

using namespace tarnwick;

namespace {

const QString kHelpFile = QStringLiteral(TARNWICK_HELP_FILE);

std::string Argument(const QString& topic = {}) {
    return (topic.isEmpty() ? kHelpFile : kHelpFile + "::/" + topic).toStdString();
}

QString Title(const ChmHelpWindow* window) { return window->Browser->documentTitle(); }

}  // namespace

// The program's own viewer answering the HTML Help commands with the shipped help file.
class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (!QFile::exists(kHelpFile)) QSKIP("the help file was not compiled (chmcmd is missing)");
    }
    void commands_data();
    void commands();
    void linksPicturesAndHistory();
    void contextsAndClosing();
    void keyboardReachesEveryPartAndCloses();
    void missingFileNamesTheFile();
};

void HelpViewerTest::commands_data() {
    QTest::addColumn<QString>("topic");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("title");
    QTest::newRow("contents beside the first topic") << "" << hh::kDisplayToc << "" << 0 << "Welcome to Tarnwick";
    QTest::newRow("a topic") << "keys.htm" << hh::kDisplayTopic << "" << 0 << "Keys";
    QTest::newRow("a topic with an anchor") << "menus.htm#run" << hh::kDisplayTopic << "" << 0 << "Menu commands";
    QTest::newRow("index with the keyword") << "" << hh::kDisplayIndex << "tab KEY" << 1 << "Keys";
    QTest::newRow("index with the start of a keyword") << "" << hh::kDisplayIndex << "syntax.i" << 1
                                                        << "The syntax table (syntax.ini)";
    // A word the index lacks selects its neighbour but shows no unrelated topic.
    QTest::newRow("index without the keyword") << "" << hh::kDisplayIndex << "zzz" << 1 << "Welcome to Tarnwick";
}

void HelpViewerTest::commands() {
    QFETCH(QString, topic);
    QFETCH(int, command);
    QFETCH(QString, keyword);
    QFETCH(int, tab);
    QFETCH(QString, title);
    QtHtmlHelp help;
    const HelpData data = keyword.isEmpty() ? HelpData(std::uintptr_t{0}) : HelpData(keyword.toStdString());
    help.Send(0, Argument(topic), command, data);
    ChmHelpWindow* window = help.Window(kHelpFile);
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), "Tarnwick Help");
    QCOMPARE(window->Tabs->currentIndex(), tab);
    QCOMPARE(Title(window), title);

    // Inside the screen's free area, with the page shown marked in the contents.
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    QTreeWidget* tree = window->ContentsTree;
    QVERIFY(tree->currentItem());
    QCOMPARE(ChmBrowser::TopicUrl(tree->currentItem()->data(0, Qt::UserRole).toString()).path(),
             window->Browser->source().path());
    QCOMPARE(tree->topLevelItemCount(), 7);
    QCOMPARE(tree->topLevelItem(2)->text(0), "Using the editor");
    QCOMPARE(tree->topLevelItem(2)->child(0)->text(0), "Menu commands");
    QVERIFY(window->IndexList->count() > 50);
    if (command == hh::kDisplayIndex) {
        QCOMPARE(window->IndexKeyword->text(), keyword);
        const bool indexed = window->IndexList->currentItem()->text().startsWith(keyword, Qt::CaseInsensitive);
        QCOMPARE(indexed, title != "Welcome to Tarnwick");
    }
}

void HelpViewerTest::linksPicturesAndHistory() {
    QtHtmlHelp help;
    help.Send(0, Argument(), hh::kDisplayToc, std::uintptr_t{0});
    ChmHelpWindow* window = help.Window(kHelpFile);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    ChmBrowser* browser = window->Browser;

    // The compiler takes the pictures in from the pages that show them.
    for (const char* name : {"images/mainwindow.png", "images/runoptions.png", "images/editoroptions.png"}) {
        const QImage picture =
            QImage::fromData(browser->loadResource(QTextDocument::ImageResource, QUrl(name)).toByteArray());
        QVERIFY2(!picture.isNull(), name);
    }

    // No page shrinks its pictures: they show at their own size.
    for (QTreeWidgetItemIterator it(window->ContentsTree); *it; ++it) {
        emit window->ContentsTree->itemClicked(*it, 0);
        const QByteArray page = browser->loadResource(QTextDocument::HtmlResource, browser->source()).toByteArray();
        QVERIFY2(!QString(page).contains(QRegularExpression("<img[^>]* (width|height)=")), qPrintable((*it)->text(0)));
    }
    browser->clearHistory();
    help.Send(0, Argument("welcome.htm"), hh::kDisplayTopic, std::uintptr_t{0});

    // A click on the link "Getting started" of the first page.
    QTextCursor link = browser->document()->find("Getting started");
    QVERIFY(!link.isNull());
    QTextCursor inside(browser->document());
    inside.setPosition(link.selectionStart() + 2);
    browser->ensureCursorVisible();
    const QPoint at = browser->cursorRect(inside).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(Title(window), "Getting started");

    browser->backward();
    QCOMPARE(Title(window), "Welcome to Tarnwick");
    browser->forward();
    QCOMPARE(Title(window), "Getting started");

    // A page of the contents, and a second request going to the same window.
    QTreeWidgetItem* tips = window->ContentsTree->topLevelItem(3)->child(2);
    emit window->ContentsTree->itemClicked(tips, 0);
    QCOMPARE(Title(window), "Parameter tips");
    help.Send(0, Argument("settings.htm"), hh::kDisplayTopic, std::uintptr_t{0});
    QCOMPARE(help.Window(kHelpFile), window);
    QCOMPARE(Title(window), "Where settings are kept");
}

void HelpViewerTest::contextsAndClosing() {
    QtHtmlHelp help;
    help.Send(0, Argument(), hh::kHelpContext, std::uintptr_t{99});
    QVERIFY2(!help.Window(kHelpFile), "a context the file does not map opens nothing");
    help.Send(0, Argument(), hh::kHelpContext, std::uintptr_t{3});
    QVERIFY(help.Window(kHelpFile));
    QCOMPARE(Title(help.Window(kHelpFile)), "Running scripts");
    help.Send(0, Argument("nowhere.htm"), hh::kDisplayTopic, std::uintptr_t{0});
    QCOMPARE(Title(help.Window(kHelpFile)), "Running scripts");
    help.Send(0, std::nullopt, hh::kCloseAll, std::uintptr_t{0});
    QVERIFY(!help.Window(kHelpFile));
}

void HelpViewerTest::keyboardReachesEveryPartAndCloses() {
    for (const QKeySequence& close : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        QtHtmlHelp help;
        help.Send(0, Argument("welcome.htm"), hh::kDisplayTopic, std::uintptr_t{0});
        QPointer<ChmHelpWindow> window = help.Window(kHelpFile);
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->Browser->setFocus();
        QSet<QWidget*> reached;
        for (int i = 0; i < 80; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget();
        }
        QWidget* home = window->findChild<QToolBar*>()->widgetForAction(window->findChild<QAction*>("HelpHome"));
        for (QWidget* part : {home, static_cast<QWidget*>(window->ContentsTree), static_cast<QWidget*>(window->Browser)})
            QVERIFY(reached.contains(part));
        QTest::keySequence(QApplication::focusWidget(), close);
        QTRY_VERIFY(!window || !window->isVisible());
    }
}

void HelpViewerTest::missingFileNamesTheFile() {
    // The topic is split off after the help file's name, so "::" in a folder stays in the path.
    const struct {
        const char* argument;
        QString path;
    } rows[] = {
        {"/nowhere/Tarnwick Help.chm", "/nowhere/Tarnwick Help.chm"},
        {"/now::here/Tarnwick Help.CHM::/keys.htm", "/now::here/Tarnwick Help.CHM"},
    };
    for (const auto& row : rows) {
        QStringList reports;
        QtHtmlHelp help([&](QWidget*, const QString& text) { reports << text; });
        help.Send(0, row.argument, hh::kDisplayTopic, std::uintptr_t{0});
        QCOMPARE(reports, QStringList{"Cannot open help file \"" + row.path + "\"."});
        QVERIFY(!help.Window(row.path));
    }
}

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
