#include "support/UiTestSupport.h"

#include "unit/Error.h"
#include "window/ui/EditorWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

using namespace tarnwick;

namespace {

// "text|shortcut|glyph" per item, "-" for a separator.
QStringList Describe(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) {
        if (a->isSeparator()) out << "-";
        else out << a->text() + "|" + a->shortcut().toString(QKeySequence::PortableText) + "|" +
                    QString::number(a->property("glyph").toInt());
    }
    return out;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menus_data();
    void menus();
    void toolBar();
    void popupMenu();
    void statusBarAndHiddenControls();
    void designGeometryAndFont();
    void storedGeometryAndFont();
    void resizePlacesTheEditor();
    void shortcutsRunTheirCommands();
    void secondaryWindowsShowByTheirCommands();
    void clipboardCommandsThroughMenusAndKeys();
    void goToLineBox();
    void failingCommandShowsTheApplicationErrorBox();
};

void MainWindowTest::menus_data() {
    // The access letters are unique in each menu; the keys the editor handles itself are shown after a tab.
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("File, a recent path holding &") << 0 << "&File"
                          << QStringList{"&New|Ctrl+N|0", "&Open|Ctrl+O|1", "-", "&Save|Ctrl+S|2", "Save &As||-1", "-",
                                         "&Print|Ctrl+P|3", "-", "&1 /scripts/R&&D/a.vbs||0", "-", "E&xit|Ctrl+Q|-1"};
    QTest::newRow("Edit") << 1 << "&Edit"
                          << QStringList{"&Undo Last Action\tCtrl+Z||8", "Re&do\tCtrl+Y||-1", "-", "Cu&t\tCtrl+X||4",
                                         "&Copy\tCtrl+C||5", "&Paste\tCtrl+V||6", "Select &All\tCtrl+A||-1", "-",
                                         "&Find|Ctrl+F|7", "Find &Next|F3|-1", "Find Pre&vious|Shift+F3|-1",
                                         "&Replace|Ctrl+H|-1", "&Go to Line|Ctrl+G|-1",
                                         "Procedure &List|Ctrl+Shift+O|-1", "-", "&Indent\tTab||12",
                                         "&Outdent\tShift+Tab||13", "-", "Co&mment||10", "UnComm&ent||11"};
    QTest::newRow("Run") << 2 << "&Run" << QStringList{"&Run||14", "Run with &default settings|F5|-1",
                                                       "Run in &Output Pane|Ctrl+F5|-1",
                                                       "&Stop\tCtrl+Break|Ctrl+Pause|-1", "-",
                                                       "Output &Pane|F6|-1", "C&lose Output Pane|Shift+Esc|-1",
                                                       "-", "&Check Syntax|Ctrl+F7|-1"};
    QTest::newRow("Tools") << 3 << "&Tools" << QStringList{"&Editor Options||-1"};
    QTest::newRow("Help") << 4 << "&Help"
                          << QStringList{"&Contents|F1|-1", "&HomePage||-1",
                                         "&Report errors, suggestions, comments||-1", "-", "&About Tarnwick||-1"};
}

void MainWindowTest::menus() {
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    testing::MainWindowFixture fx;
    fx.WriteSettings({{"MRU1", "/scripts/R&D/a.vbs"}});
    TForm1& form = fx.Create();
    const QList<QAction*> menus = form.menuBar()->actions();
    QCOMPARE(menus.size(), 5);
    QCOMPARE(menus[index]->text(), title);
    QCOMPARE(Describe(menus[index]->menu()->actions()), items);
    // Alt and the title's letter opens the menu, also from the editor.
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.MainText()->setFocus();
    QTest::keyClick(form.MainText(), title.at(1).toLatin1(), Qt::AltModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), menus[index]->menu());
}

void MainWindowTest::toolBar() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    QStringList layout;
    for (QAction* a : form.TBar->actions()) {
        if (a->isSeparator()) layout << "-";
        else if (QWidget* w = form.TBar->widgetForAction(a); qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
            layout << w->objectName();
        else layout << a->objectName() + "|" + a->toolTip() + "|" + QString::number(a->property("glyph").toInt());
    }
    QCOMPARE(layout, (QStringList{"bNew|Create a new file|0", "bOpen|Open an existing file|1",
                                  "bSave|Save current file|2", "bPrint|Print File|3", "-",
                                  "bCut|Cut selected text|4", "bCopy|Copy selected text|5",
                                  "bPaste|Paste selected text|6", "bFind|Open Find dialog|7", "-",
                                  "bUndo|Undo Last Action|8", "-", "TxtGoto",
                                  "bIndent|Indent Selected Text|12", "bOutdent|Outdent Selected Text|13",
                                  "bComment|Comment selected lines|10", "bUncomment|Uncomment Selected Text|11", "-",
                                  "bRun|Run with default settings specified in the Run Dialog|14", "-",
                                  "CmbProcedures"}));
    QCOMPARE(form.TBar->height(), 25);
    QCOMPARE(form.TxtGoto->text(), QString("Enter Ln"));
    QCOMPARE(form.TxtGoto->toolTip(), QString("Go to line"));
    QCOMPARE(form.TxtGoto->size(), QSize(67, 22));
    QCOMPARE(form.TxtGoto->font().pointSize(), 7);
}

void MainWindowTest::popupMenu() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    QCOMPARE(Describe(form.mPopup->actions()),
             (QStringList{"Cu&t\tCtrl+X||4", "&Copy\tCtrl+C||5", "&Paste\tCtrl+V||6", "Select &All\tCtrl+A||-1", "-",
                          "&Find\tCtrl+F||7", "&Replace\tCtrl+H||-1", "-", "&Indent\tTab||12",
                          "&Outdent\tShift+Tab||13", "-", "Co&mment||10", "&Uncomment||11"}));
}

void MainWindowTest::statusBarAndHiddenControls() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    QCOMPARE(form.StatusPanel0->text(), QString("Line 1 of 1, Col 1"));
    QCOMPARE(form.StatusPanel0->width(), 550);
    QCOMPARE(form.StatusPanel1->text(), QString("1.1.0.31"));
    QCOMPARE(form.StatusPanel1->width(), 50);
    QVERIFY(form.StatusPanel1->alignment() & Qt::AlignRight);
    QCOMPARE(form.StBar->height(), 20);

    QVERIFY(!form.TxtTip->isVisible());
    QCOMPARE(form.TxtTip->text(), QString(" ToolTips Here"));
    QCOMPARE(form.TxtTip->geometry(), QRect(184, 480, 161, 19));
    QVERIFY(!form.LblTip->isVisible());
    QCOMPARE(form.LblTip->text(), QString("<-- ToolTip Width -->"));
    QVERIFY(!form.Lst->isVisible());
    QCOMPARE(form.Lst->count(), 4);
    QCOMPARE(form.Lst->item(0)->text(), QString("Function 1"));
    QVERIFY(!form.FunctionIcon.isNull());
    QVERIFY(!form.PropertyIcon.isNull());
    QCOMPARE(form.windowTitle(), QString("Tarnwick"));
    QVERIFY(form.acceptDrops());
}

void MainWindowTest::designGeometryAndFont() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    QCOMPARE(form.pos(), QPoint(282, 118));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.centralWidget()->size(), QSize(662, 526));  // the client area below the menu
    QCOMPARE(form.Unit().MainText.FontName(), std::string("Courier New"));
    QCOMPARE(form.Unit().MainText.FontSize(), 10);
}

void MainWindowTest::storedGeometryAndFont() {
    testing::MainWindowFixture fx;
    fx.WriteSettings({{"Left", "-6"}, {"Top", "40"}, {"Width", "700"}, {"Height", "500"},
                      {"FontName", "Liberation Mono"}, {"FontSize", "12"}});
    TForm1& form = fx.Create();
    QCOMPARE(form.OuterLeft(), -6);
    QCOMPARE(form.OuterTop(), 40);
    QCOMPARE(form.OuterWidth(), 700);
    QCOMPARE(form.OuterHeight(), 500);
    QCOMPARE(form.Unit().MainText.FontName(), std::string("Liberation Mono"));
    QCOMPARE(form.Unit().MainText.FontSize(), 12);
    QCOMPARE(form.MainText()->Layout().Font().pointSize(), 12);
}

void MainWindowTest::resizePlacesTheEditor() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    form.resize(800, 640);
    QCOMPARE(form.MainText()->geometry(), QRect(1, 28, form.OuterWidth() - 10, form.OuterHeight() - 102));
}

void MainWindowTest::shortcutsRunTheirCommands() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.MainText()->setFocus();
    QTest::keyClicks(form.MainText(), "x");

    // New, Open and Exit each ask their own question about the unsaved text.
    const std::pair<Qt::Key, const char*> asking[] = {
        {Qt::Key_N, "Do you want to save the changes to this document?"},
        {Qt::Key_O, "Do you want to save the changes to this document before opening a new one?"},
        {Qt::Key_Q, "Save the changes to this document?"}};
    for (const auto& [key, question] : asking) {
        fx.boxes.Answer(Answer::Cancel);
        QTest::keyClick(form.MainText(), key, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(fx.boxes.Questions().back()), QString(question));
    }
    QVERIFY(form.isVisible());
    QTest::keyClick(form.MainText(), Qt::Key_S, Qt::ControlModifier);  // untitled: Save As, cancelled
    QCOMPARE(fx.dialogs.saveFilters.size(), size_t(1));

    int printed = 0, runs = 0, help = 0;
    form.commands.Print = [&] { ++printed; };
    form.commands.RunDefault = [&] { ++runs; };
    form.commands.HelpContents = [&] { ++help; };
    QTest::keyClick(form.MainText(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(form.MainText(), Qt::Key_F5);
    QTest::keyClick(form.MainText(), Qt::Key_F1);
    QCOMPARE(printed, 1);
    QCOMPARE(runs, 1);
    QCOMPARE(help, 1);
    QCOMPARE(form.Unit().MainText.Text(), std::string("x"));  // none of the keys typed
}

void MainWindowTest::clipboardCommandsThroughMenusAndKeys() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    EditorModel& text = form.Unit().MainText;
    text.SetText("abc");
    text.SelectAll();
    form.Action("mCopy")->trigger();
    text.SetSelStart(3);
    form.Action("mPaste")->trigger();
    QCOMPARE(text.Text(), std::string("abcabc"));
    // Ctrl+X and Ctrl+V go through the same commands, and the editor's own keys do not act as well.
    text.SetSelStart(0);
    text.SetSelLength(2);
    QTest::keyClick(form.MainText(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(text.Text(), std::string("cabc"));
    QTest::keyClick(form.MainText(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(form.MainText(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text.Text(), std::string("cabcab"));
    form.Action("mUndo")->trigger();
    QCOMPARE(text.Text(), std::string("cabc"));
    form.Action("mSelectAll")->trigger();
    QCOMPARE(text.SelLength(), 4);
    // Tab and Shift+Tab indent and outdent; the menus comment and uncomment.
    text.SetSelStart(0);
    QTest::keyClick(form.MainText(), Qt::Key_Tab);
    QCOMPARE(text.Text(), std::string("    cabc"));
    QTest::keyClick(form.MainText(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(text.Text(), std::string("cabc"));
    form.Action("mComment")->trigger();
    QCOMPARE(text.Text(), std::string("'cabc"));
    form.Action("mUnComment")->trigger();
    QCOMPARE(text.Text(), std::string("cabc"));
    QVERIFY(fx.boxes.shown.empty());
}

void MainWindowTest::goToLineBox() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.Unit().MainText.SetText("one\r\ntwo\r\nthree");
    auto* box = form.findChild<QLineEdit*>("TxtGoto");
    QVERIFY(box);
    // The untouched box holds no number: the application error box says so.
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(fx.boxes.Errors(), std::vector<std::string>{"'Enter Ln' is not a valid integer value."});
    box->clear();
    QTest::keyClicks(box, "x-3");  // only digits reach the box
    QCOMPARE(box->text(), QString("3"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(form.Unit().MainText.SelStart(), 10);
}

void MainWindowTest::secondaryWindowsShowByTheirCommands() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    QWidget runOptions, about, options;
    form.SetSecondaryWindows(&runOptions, &about, &options);
    form.Action("mRun")->trigger();
    form.Action("mAbout")->trigger();
    form.Action("mEditorOptions")->trigger();
    QVERIFY(runOptions.isVisible() && about.isVisible() && options.isVisible());
}

void MainWindowTest::failingCommandShowsTheApplicationErrorBox() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.commands.Find = [] { throw std::runtime_error("Something broke"); };
    form.Action("mFind")->trigger();
    form.commands.Find = [] { throw Error("Already a sentence."); };
    form.Action("bFind")->trigger();
    QCOMPARE(fx.boxes.Errors(), (std::vector<std::string>{"Something broke.", "Already a sentence."}));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
