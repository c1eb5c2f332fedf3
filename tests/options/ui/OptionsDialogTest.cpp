// The Editor Options window driven as a user drives it, with the shipped
// syntax table: its controls, picks that are in force at once, Cancel,
// Apply with its failures, and what the next start reads back.
#include "support/UiTestSupport.h"

#include "options/ui/vbsoptions.h"
#include "window/ui/EditorWidget.h"

#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPushButton>

using namespace tarnwick;

namespace {

constexpr Colour kNavy = 0x00800000;
constexpr Colour kRed = 0x000000FF;

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

void Pick(QComboBox* picker, const QString& shownAs) {
    const int index = picker->findText(shownAs);
    QVERIFY(index >= 0);
    picker->setCurrentIndex(index);
}

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

struct OptionsWindow : testing::MainWindowFixture {
    std::unique_ptr<TForm4> options;

    TForm4& Start(std::vector<std::string> arguments = {"tarnwick"}) {
        options.reset();
        TForm1& main = Create();
        options = std::make_unique<TForm4>(main, arguments, &main);
        main.SetSecondaryWindows(nullptr, nullptr, options.get());
        return *options;
    }
    EditorModel& Editor() { return form->Unit().MainText; }
    std::optional<std::string> Stored(const char* name) { return Store().OpenReadOnly()->ReadString(name); }
};

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void controlsAsCreated();
    void picksAreInForceBeforeApplyAndAfterCancel();
    void applyChangesTheDocumentAndIsReadAtTheNextStart();
    void storedColourOutsideTheTwentyIsShownAndKept();
};

void OptionsDialogTest::controlsAsCreated() {
    OptionsWindow w;
    TForm4& options = w.Start();
    QCOMPARE(options.windowTitle(), QString("Editor Options"));
    QCOMPARE(options.size(), QSize(260, 277));
    QCOMPARE(options.minimumSize(), options.maximumSize());
    QVERIFY(!options.isVisible());

    QStringList groups;
    for (const QGroupBox* group : options.findChildren<QGroupBox*>()) groups << group->title();
    QCOMPARE(groups, (QStringList{" Font ", " Color Coding "}));
    QStringList sizes;
    for (int size = 8; size <= 24; ++size) sizes << QString::number(size);
    QCOMPARE(Items(options.CmbSize), sizes);
    QCOMPARE(options.CmbSize->currentText(), QString("10"));
    QCOMPARE(options.CmbFont->currentText(), QString("Courier New"));
    QVERIFY(options.CmbFont->isEditable());
    const QStringList fonts = Items(options.CmbFont);
    QVERIFY(fonts.contains("Default"));
    QCOMPARE(fonts.size(), QFontDatabase::families().size() + (QFontDatabase::families().contains("Default") ? 0 : 1));
    for (int i = 1; i < fonts.size(); ++i) QVERIFY(fonts[i - 1].compare(fonts[i], Qt::CaseInsensitive) <= 0);

    for (QComboBox* picker : {options.ccFunctions, options.ccStatements, options.ccComments}) {
        QCOMPARE(picker->count(), 20);
        QCOMPARE(picker->itemText(0), QString("Black"));
        QCOMPARE(picker->itemText(9), QString("Cream"));
        QCOMPARE(picker->itemText(19), QString("Medium Gray"));
        QVERIFY(!picker->itemIcon(4).isNull());
    }
    QCOMPARE(options.ccFunctions->currentText(), QString("Navy"));
    QCOMPARE(options.ccStatements->currentText(), QString("Navy"));
    QCOMPARE(options.ccComments->currentText(), QString("Green"));
    QCOMPARE(options.CmdReset->text(), QString("&Reset to Default"));
    QCOMPARE(options.CmdApply->text(), QString("&Apply"));
    QCOMPARE(options.CmdCancel->text(), QString("&Cancel"));
}

void OptionsDialogTest::picksAreInForceBeforeApplyAndAfterCancel() {
    OptionsWindow w;
    TForm4& options = w.Start();
    w.form->show();
    w.form->Action("mEditorOptions")->trigger();
    QVERIFY(options.isVisible());
    Pick(options.ccFunctions, "Red");
    QCOMPARE(options.Colours().functions, kRed);
    QTest::keyClick(&options, Qt::Key_Escape);
    QVERIFY(!options.isVisible());
    QCOMPARE(options.ccFunctions->currentText(), QString("Red"));  // showing again keeps the pick
    QVERIFY(!w.Stored("ccFunctions"));

    // The next opened file and the next line left use the cancelled pick.
    const QString path = WriteFile(w.config.filePath("a.vbs"), "x = len(a)\r\n");
    w.form->Files().OpenOperation("a.vbs", path.toStdString());
    QCOMPARE(w.Editor().ColourAt(4), kRed);
    w.Editor().SetSelStart(w.Editor().Length());
    Pick(options.ccFunctions, "Blue");
    QTest::keyClicks(w.form->MainText(), "y = abs(b)");
    QTest::keyClick(w.form->MainText(), Qt::Key_Return);
    QCOMPARE(w.Editor().ColourAt(w.Editor().LineIndex(1) + 4), 0x00FF0000u);
    QCOMPARE(w.Editor().ColourAt(4), kRed);  // coloured earlier: kept
}

void OptionsDialogTest::applyChangesTheDocumentAndIsReadAtTheNextStart() {
    OptionsWindow w;
    const QString path = WriteFile(w.config.filePath("b.vbs"), "dim s\r\ns = len(s) ' n\r\n");
    TForm4& options = w.Start({"tarnwick", path.toStdString()});
    QCOMPARE(w.Editor().ColourAt(0), kNavy);  // Dim
    options.show();
    for (const auto& [font, size] : {std::pair{"DejaVu Sans Mono", "14"}, std::pair{"Default", "9"}}) {
        options.CmbFont->setCurrentText(font);
        options.CmbSize->setCurrentText(size);
        Pick(options.ccStatements, "Red");
        QTest::mouseClick(options.CmdApply, Qt::LeftButton);
        QVERIFY(!options.isVisible());
        QCOMPARE(w.Editor().FontName(), std::string(font));
        QCOMPARE(w.form->MainText()->Layout().Font().pointSize(), QString(size).toInt());
    }
    QCOMPARE(w.form->MainText()->Layout().Font().family(),
             QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    QCOMPARE(w.Editor().ColourAt(0), kRed);      // the statement
    QCOMPARE(w.Editor().ColourAt(11), kNavy);    // the function keeps navy
    QCOMPARE(w.Stored("ccStatements"), std::optional<std::string>("clRed"));
    QVERIFY(w.boxes.Errors().empty());

    // A refused size says why and keeps the window open; reopened, it shows the size in use.
    options.show();
    options.CmbSize->setCurrentText("0");
    QTest::mouseClick(options.CmdApply, Qt::LeftButton);
    QVERIFY(options.isVisible());
    QCOMPARE(w.boxes.Errors().size(), size_t(1));
    QVERIFY(w.boxes.Errors()[0].find("sizes go from 1 to 1638 points") != std::string::npos);
    QTest::keyClick(&options, Qt::Key_Escape);
    options.show();
    QCOMPARE(options.CmbSize->currentText(), QString("9"));

    options.show();
    QTest::mouseClick(options.CmdReset, Qt::LeftButton);
    QCOMPARE(options.CmbFont->currentText(), QString("Courier New"));
    QCOMPARE(options.ccStatements->currentText(), QString("Navy"));
    QCOMPARE(options.Colours(), ColourSettings{});
    QCOMPARE(w.Editor().ColourAt(0), kRed);  // nothing applied yet
    options.CmbSize->setCurrentText("12");
    Pick(options.ccComments, "Teal");
    QTest::mouseClick(options.CmdApply, Qt::LeftButton);

    TForm4& next = w.Start();
    QCOMPARE(w.Editor().FontName(), std::string("Courier New"));
    QCOMPARE(w.Editor().FontSize(), 12);
    QCOMPARE(next.CmbSize->currentText(), QString("12"));
    QCOMPARE(next.ccStatements->currentText(), QString("Navy"));
    QCOMPARE(next.ccComments->currentText(), QString("Teal"));
}

void OptionsDialogTest::storedColourOutsideTheTwentyIsShownAndKept() {
    OptionsWindow w;
    w.WriteSettings({{"ccFunctions", "$00123456"}});
    TForm4& options = w.Start();
    QCOMPARE(options.ccFunctions->count(), 21);
    QCOMPARE(options.ccFunctions->currentText(), QString("$00123456"));
    QCOMPARE(options.Colours().functions, 0x00123456u);
    QCOMPARE(options.ccStatements->count(), 20);
    Pick(options.ccFunctions, "Red");
    QTest::mouseClick(options.CmdReset, Qt::LeftButton);
    Pick(options.ccFunctions, "$00123456");  // still offered
    QTest::mouseClick(options.CmdApply, Qt::LeftButton);
    QCOMPARE(w.Stored("ccFunctions"), std::optional<std::string>("$00123456"));
}

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
