#include "support/UiTestSupport.h"

#include "window/ui/EditorWidget.h"

#include <QFile>

using namespace tarnwick;

class ClosePathsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void closePaths_data();
    void closePaths();
    void cancelledCloseHasStoredTheGeometry();
    void failedSaveKeepsTheWindowOpen();
    void unwritableSettingsNeverBlockTheClose();

private:
    static QString Scratch() { return QCoreApplication::applicationDirPath() + "/rundefault080.vbs"; }
};

void ClosePathsTest::init() {
    QFile scratch(Scratch());
    QVERIFY(scratch.open(QIODevice::WriteOnly));
    scratch.write("WScript.Echo 1\r\n");
}

void ClosePathsTest::closePaths_data() {
    // Each answer's decision is the core's (CloseStepTest); here only how the
    // window carries a decision out: it closes or stays, hides the others.
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");  // -1: no question expected
    QTest::addColumn<bool>("saveChosen");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("scratchDeleted");
    QTest::addColumn<bool>("othersHidden");
    QTest::newRow("unchanged") << false << -1 << false << true << true << true;
    QTest::newRow("changed, Cancel") << true << int(Answer::Cancel) << false << false << false << false;
}

void ClosePathsTest::closePaths() {
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, saveChosen);
    QFETCH(bool, closes);
    QFETCH(bool, scratchDeleted);
    QFETCH(bool, othersHidden);

    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    QWidget runOptions, about, options;
    form.SetSecondaryWindows(&runOptions, &about, &options);
    form.show();
    for (QWidget* w : {&runOptions, &about, &options}) w->show();
    if (changed) QTest::keyClicks(form.MainText(), "MsgBox 1");
    if (answer >= 0) fx.boxes.Answer(Answer(answer));
    const QString saved = fx.config.filePath("saved.vbs");
    if (saveChosen) fx.dialogs.ChooseSave(ToPath(saved));

    QCOMPARE(form.close(), closes);
    QCOMPARE(form.isVisible(), !closes);
    QCOMPARE(fx.boxes.Questions().size(), size_t(answer >= 0 ? 1 : 0));
    if (answer >= 0) QCOMPARE(fx.boxes.Questions()[0], std::string("Save the changes to this document?"));
    QCOMPARE(!QFile::exists(Scratch()), scratchDeleted);
    QCOMPARE(!runOptions.isVisible() && !about.isVisible() && !options.isVisible(), othersHidden);
    if (saveChosen) {
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("MsgBox 1"));
    }
    QVERIFY(fx.boxes.Errors().empty());
}

void ClosePathsTest::cancelledCloseHasStoredTheGeometry() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    form.move(-7, 33);
    QTest::keyClicks(form.MainText(), "x");
    fx.boxes.Answer(Answer::Cancel);
    QVERIFY(!form.close());
    FileSettingsStore store = fx.Store();
    auto key = store.OpenReadOnly();
    QCOMPARE(key->ReadString("Left").value_or(""), std::string("-7"));
    QCOMPARE(key->ReadString("Top").value_or(""), std::to_string(form.OuterTop()));
    QCOMPARE(key->ReadString("Width").value_or(""), std::to_string(form.OuterWidth()));
    QCOMPARE(key->ReadString("Height").value_or(""), std::to_string(form.OuterHeight()));

    // The next start stands where this one was left.
    TForm1 again;
    QCOMPARE(again.OuterLeft(), -7);
    QCOMPARE(again.OuterWidth(), form.OuterWidth());
}

void ClosePathsTest::failedSaveKeepsTheWindowOpen() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    QTest::keyClicks(form.MainText(), "keep");
    fx.boxes.Answer(Answer::Yes);
    fx.dialogs.ChooseSave(ToPath(fx.config.filePath("no-such-dir/x.vbs")));
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    QCOMPARE(fx.boxes.Errors().size(), size_t(1));
    QVERIFY(fx.boxes.Errors()[0].rfind("Cannot save file \"", 0) == 0);
    QCOMPARE(form.Unit().MainText.Text(), std::string("keep"));
    QVERIFY(QFile::exists(Scratch()));
}

void ClosePathsTest::unwritableSettingsNeverBlockTheClose() {
    testing::MainWindowFixture fx;
    // A file where the settings directory should be: nothing can be written.
    QFile blocker(fx.config.filePath("Tarnwick"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TForm1& form = fx.Create();
    form.show();
    QVERIFY(form.close());
    QVERIFY(fx.boxes.shown.empty());
}

QTEST_MAIN(ClosePathsTest)
#include "ClosePathsTest.moc"
