// Real processes: a stand-in host that records its argument vector, and the
// real cscript run through Wine.

#include "support/UiTestSupport.h"

#include "run/ScriptRunner.h"
#include "run/ui/OutputPane.h"
#include "run/ui/QtProcessStarter.h"

#include <QLabel>
#include <QProcess>
#include <QStatusBar>

using namespace tarnwick;

class ScriptHostTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void hostilePathsReachTheHostAsOneArgument();
    void aMissingHostIsReported();
    void f5RunsTheScriptThroughCscript();
    void ctrlF5ShowsTheOutputAndExitCodeInThePane();

private:
    QTemporaryDir prefix;  // a Wine prefix of the tests' own; its first start takes a while

    static QByteArray WaitForFile(const QString& path, int seconds) {
        QFile file(path);
        for (int waited = 0; waited < seconds * 10 && !file.exists(); ++waited) QTest::qWait(100);
        QTest::qWait(200);  // the writer may still be closing it
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll();
    }
};

void ScriptHostTest::initTestCase() {
    qputenv("WINEPREFIX", prefix.path().toLocal8Bit());
    qputenv("WINEDEBUG", "-all");
}

void ScriptHostTest::cleanupTestCase() { QProcess::execute("wineserver", {"-k"}); }

void ScriptHostTest::hostilePathsReachTheHostAsOneArgument() {
    QTemporaryDir dir;
    // The stand-in host writes each argument followed by a NUL byte.
    const QString recorder = dir.filePath("recorder");
    QFile script(recorder);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$RECORD_TO.tmp\" && mv \"$RECORD_TO.tmp\" \"$RECORD_TO\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QStringList names = {"a b", "x & del * | y ^ %PATH% !v! ; $(touch pwned) `id`", "-rf",
                               "qu\"ote", "back\\slash\\", QString::fromUtf8("caf\u00e9 \u20ac \u4e2d")};
    for (int i = 0; i < names.size(); ++i) {
        const QString folder = dir.filePath(names[i]);
        QVERIFY(QDir().mkpath(folder));
        const std::string scratch = ToPath(folder + "/rundefault080.vbs");
        const QString record = dir.filePath(QString("record%1").arg(i));
        qputenv("RECORD_TO", record.toLocal8Bit());
        QtProcessStarter starter([&] { return scratch; });
        starter.Start(FormCommand("\"" + ToPath(recorder) + "\" //nologo [FilePath]", scratch));
        const QByteArray expected = QByteArray("//nologo") + '\0' + QByteArray::fromStdString(scratch) + '\0';
        QCOMPARE(WaitForFile(record, 10), expected);
    }
    QVERIFY(!QFile::exists(QDir::current().filePath("pwned")));
}

void ScriptHostTest::aMissingHostIsReported() {
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());  // neither the host nor Wine can be found
    struct Row {
        const char* command;
        const char* named;
    } rows[] = {{"cscript //nologo x.vbs", "\"cscript\""}, {"no-such-host-4711 x", "\"no-such-host-4711\""}};
    for (const Row& row : rows) {
        QtProcessStarter starter([] { return std::string("/x.vbs"); });
        try {
            starter.Start(row.command);
            QFAIL("a host that cannot start must be reported");
        } catch (const std::exception& failure) {
            QVERIFY2(std::string(failure.what()).find(row.named) != std::string::npos, failure.what());
        }
    }
    qputenv("PATH", path);
}

void ScriptHostTest::f5RunsTheScriptThroughCscript() {
    if (QStandardPaths::findExecutable("wine").isEmpty()) QFAIL("Wine is not installed: run tools/setup.sh");
    const QString out = prefix.filePath("written by the script.txt");

    testing::MainWindowFixture fx;
    fx.WriteSettings({{"RunDefault", " cscript  //nologo [FilePath]"}});
    TForm1& form = fx.Create();
    form.show();
    form.Unit().MainText.SetText("Set fso = CreateObject(\"Scripting.FileSystemObject\")\r\n"
                                 "Set f = fso.CreateTextFile(\"" + ToPath(QString("Z:" + out).replace('/', '\\')) +
                                 "\", True)\r\nf.WriteLine \"ran: \" & WScript.ScriptName\r\nf.Close");
    form.Action("mRunDefault")->trigger();
    QVERIFY2(fx.boxes.shown.empty(), fx.boxes.shown.empty() ? "" : fx.boxes.shown[0].text.c_str());
    QVERIFY(form.StatusPanel0->text().startsWith("Started: cscript  //nologo  \""));
    QCOMPARE(WaitForFile(out, 120), QByteArray("ran: rundefault080.vbs\r\n"));
}

void ScriptHostTest::ctrlF5ShowsTheOutputAndExitCodeInThePane() {
    if (QStandardPaths::findExecutable("wine").isEmpty()) QFAIL("Wine is not installed: run tools/setup.sh");
    testing::MainWindowFixture fx;
    fx.WriteSettings({{"RunDefault", " wscript  //B [FilePath]"}});  // its host is not used
    TForm1& form = fx.Create();
    form.show();
    form.Unit().MainText.SetText("WScript.Echo \"one\"\r\nWScript.Echo \"two\" & 2\r\nWScript.Quit 3\r\nWScript.Echo \"never\"");
    form.Action("mRunInPane")->trigger();
    QVERIFY2(fx.boxes.shown.empty(), fx.boxes.shown.empty() ? "" : fx.boxes.shown[0].text.c_str());
    QVERIFY(form.Output->Status()->text().startsWith("Running: cscript //nologo //B "));
    QTRY_VERIFY_WITH_TIMEOUT(form.Output->Status()->text().startsWith("Exit code 3 after"), 120000);
    // A fresh Wine prefix may say so on the error channel first.
    QVERIFY2(form.Output->View()->toPlainText().endsWith("one\ntwo2"), qPrintable(form.Output->View()->toPlainText()));
}

QTEST_MAIN(ScriptHostTest)
#include "ScriptHostTest.moc"
