#include "support/UiTestSupport.h"

#include "documents/RecentFiles.h"
#include "options/ui/vbsoptions.h"
#include "window/ui/EditorWidget.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScopeGuard>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace tarnwick;

namespace {

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(bytes);
    return path;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void replacingTheDocument_data();
    void replacingTheDocument();
    void saveAndSaveAsWriteTheTypedText();
    void aLoadedDocumentIsNotTidiedAtTheOldDocumentsLine_data();
    void aLoadedDocumentIsNotTidiedAtTheOldDocumentsLine();
    void safeSaveIntoAReadOnlyDirectory();
    void unicodeDocumentAndChangesOnDiskInTheWindow();
    void aNameThatIsNoUtf8IsSavedUnderItself_data();
    void aNameThatIsNoUtf8IsSavedUnderItself();
};

// Each way the window replaces its document: what it was before, the command,
// the files it names (written as "' file NAME" unless called "gone"), the answer
// to the one question, and the window afterwards. Command-line names are
// relative to the folder the program starts in.
const struct ReplaceRow {
    const char* name;
    const char* before;  // "loaded" a.vbs, "edited" untitled, or "" fresh
    const char* how;     // an action, "drop" or "command line"
    QStringList files;
    std::optional<Answer> answer;
    const char* title;
    const char* current;   // the file recorded, "" none
    const char* question;  // "" none asked
    const char* error;     // the file the error box names, "" none
} kReplaceRows[] = {
    {"Open through the menu", "", "mOpen", {"Hello.vbs"}, {}, "Tarnwick - Hello.vbs", "Hello.vbs", "", ""},
    {"a missing file by the tool button", "loaded", "bOpen", {"gone.vbs"}, {}, "Tarnwick - a.vbs", "a.vbs", "", "gone.vbs"},
    {"New after a load, answered No", "loaded", "bNew", {}, Answer::No, "Tarnwick - Untitled", "", kNewQuestion, ""},
    {"three dropped on unsaved text", "edited", "drop", {"1.vbs", "2.vbs", "3.vbs"}, Answer::No, "Tarnwick - 3.vbs",
     "3.vbs", kOpenQuestion, ""},
    {"a file on the command line", "", "command line", {"cmd.vbs"}, {}, "Tarnwick - cmd.vbs", "cmd.vbs", "", ""},
    {"a missing file on the command line", "", "command line", {"gone.vbs"}, {}, "Tarnwick", "", "", "gone.vbs"},
    {"no file on the command line", "", "command line", {}, {}, "Tarnwick", "", "", ""},
};

void DocumentCommandsTest::replacingTheDocument_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kReplaceRows)); ++i) QTest::newRow(kReplaceRows[i].name) << i;
}

void DocumentCommandsTest::replacingTheDocument() {
    QFETCH(int, row);
    const ReplaceRow& r = kReplaceRows[row];
    const QString how = r.how;
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    auto file = [&](const QString& name) { return fx.config.filePath(name); };
    if (QString(r.before) == "loaded") {
        fx.dialogs.ChooseOpen(ToPath(WriteFile(file("a.vbs"), "' file a.vbs")));
        form.Action("mOpen")->trigger();
    }
    if (QString(r.before) == "edited") form.Unit().MainText.SetText("unsaved work");
    QStringList paths;
    for (const QString& name : r.files)
        paths << (name == "gone.vbs" ? file(name) : WriteFile(file(name), "' file " + name.toLatin1()));
    if (r.answer) fx.boxes.Answer(*r.answer);
    std::unique_ptr<TForm4> options;
    if (how == "drop") {
        testing::DropFiles(form, paths);
    } else if (how == "command line") {
        const QString folder = QDir::currentPath();
        QDir::setCurrent(fx.config.path());
        options = std::make_unique<TForm4>(form, std::vector<std::string>{"tarnwick", ToPath(r.files.value(0))}, &form);
        QDir::setCurrent(folder);
        QVERIFY(!options->isVisible());
        QCOMPARE(form.Unit().Colours, &options->Colours());
    } else {
        if (!paths.isEmpty()) fx.dialogs.ChooseOpen(ToPath(paths[0]));
        form.Action(r.how)->trigger();
    }
    QCOMPARE(form.windowTitle(), QString(r.title));
    const QString current = r.current;
    // A name from the command line is recorded as given, and found from any folder.
    QCOMPARE(form.Unit().CurrentFileName, ToPath(how == "command line" ? current : current.isEmpty() ? "" : file(current)));
    if (!current.isEmpty()) {
        QCOMPARE(ReadRecentFiles(*form.Unit().Settings).at(0), ToPath(file(current)));
        QCOMPARE(form.Unit().MainText.Text(), "' file " + current.toStdString());
    } else {
        QCOMPARE(form.Unit().MainText.Text(), std::string());
    }
    QCOMPARE(fx.boxes.Questions(), *r.question ? std::vector<std::string>{r.question} : std::vector<std::string>{});
    const std::string failed = ToPath(how == "command line" ? QString(r.error) : file(r.error));
    QCOMPARE(fx.boxes.Errors(), *r.error ? std::vector<std::string>{"Cannot open file \"" + failed +
                                                                     "\". No such file or directory."}
                                         : std::vector<std::string>{});
    QVERIFY(!form.Files().Changed());
    QVERIFY(!form.Unit().Busy);
}

void DocumentCommandsTest::saveAndSaveAsWriteTheTypedText() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    form.MainText()->setFocus();
    QTest::keyClicks(form.MainText(), "Dim a");
    QTest::keyClick(form.MainText(), Qt::Key_Return);
    QTest::keyClicks(form.MainText(), "a = \"");
    for (const QString& text : {QString(QChar(0xE9)), QString(QChar(0x20AC))}) {  // beyond what keyClicks types
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QCoreApplication::sendEvent(form.MainText(), &press);
    }
    QTest::keyClicks(form.MainText(), "\"");
    const QString first = fx.config.filePath("first.vbs");
    fx.dialogs.ChooseSave(ToPath(first));
    form.Action("bSave")->trigger();
    QCOMPARE(form.windowTitle(), QString("Tarnwick - first.vbs"));
    const QByteArray expected = QByteArray(form.Unit().MainText.Text().c_str());
    QVERIFY(expected.startsWith("Dim a\r\n"));
    QVERIFY(expected.endsWith("\"\xE9\x80\""));  // Windows-1252 bytes, no break added
    QCOMPARE(ReadFile(first), expected);

    QTest::keyClick(form.MainText(), Qt::Key_Return);
    form.Action("mSave")->trigger();  // named now: no dialog
    QCOMPARE(fx.dialogs.saveFilters.size(), size_t(1));
    QVERIFY(ReadFile(first).endsWith("\r\n"));

    const QString second = fx.config.filePath("second.txt");
    fx.dialogs.ChooseSave(ToPath(second));
    form.Action("mSaveAs")->trigger();
    QCOMPARE(form.windowTitle(), QString("Tarnwick - second.txt"));
    QCOMPARE(form.Unit().CurrentFileName, ToPath(second));
    QCOMPARE(ReadFile(second), ReadFile(first));
}

void DocumentCommandsTest::aLoadedDocumentIsNotTidiedAtTheOldDocumentsLine_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Open") << "Open";
    QTest::newRow("drop") << "drop";
    QTest::newRow("recent file") << "recent";
}

// Leaving a line tidies it: line 4 of b.vbs would take the declared spelling
// "Total", but the caret never stood on it.
void DocumentCommandsTest::aLoadedDocumentIsNotTidiedAtTheOldDocumentsLine() {
    QFETCH(QString, how);
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    const QString a = WriteFile(fx.config.filePath("a.vbs"), "' a\r\n' b\r\n' c\r\n' d\r\n");
    const QString b = WriteFile(fx.config.filePath("b.vbs"), "Dim Total\r\n' b\r\n' c\r\nx = total\r\n");
    for (const QString& path : {b, a}) {
        fx.dialogs.ChooseOpen(ToPath(path));
        form.Action("mOpen")->trigger();
    }
    EditorModel& text = form.Unit().MainText;
    text.SetSelStart(text.LineIndex(3));
    if (how == "Open") {
        fx.dialogs.ChooseOpen(ToPath(b));
        form.Action("mOpen")->trigger();
    } else if (how == "drop") {
        testing::DropFiles(form, {b});
    } else {
        form.Action("mRecent2")->trigger();
    }
    QCOMPARE(form.Unit().CurrentFileName, ToPath(b));
    QTest::keyClick(form.MainText(), Qt::Key_Down);
    QCOMPARE(text.Line(3), std::string("x = total"));
    QVERIFY(!form.Files().Changed());
}

void DocumentCommandsTest::safeSaveIntoAReadOnlyDirectory() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    // A directory no one may write into. Permissions do not stop the superuser,
    // who gets the process file system instead, whose files cannot be replaced.
    QString path;
    QByteArray original;
    if (geteuid() == 0) {
        path = "/proc/version";
        original = ReadFile(path);
    } else {
        QVERIFY(QDir(fx.config.path()).mkdir("locked"));
        original = "' the original\r\n";
        path = WriteFile(fx.config.filePath("locked/script.vbs"), original);
        QVERIFY(QFile::setPermissions(fx.config.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner));
    }
    fx.dialogs.ChooseOpen(ToPath(path));
    form.Action("mOpen")->trigger();
    const std::string title = form.windowTitle().toStdString();
    form.Unit().MainText.SetSelStart(0);
    form.Unit().MainText.TypeText("changed ");
    form.Action("mSave")->trigger();

    QCOMPARE(fx.boxes.Errors().size(), size_t(1));
    QVERIFY(fx.boxes.Errors()[0].rfind("Cannot save file \"" + ToPath(path) + "\". ", 0) == 0);
    QCOMPARE(ReadFile(path), original);
    QVERIFY(form.Files().Changed());  // nothing recorded as saved
    QCOMPARE(form.windowTitle().toStdString(), title);
    QCOMPARE(form.Unit().CurrentFileName, ToPath(path));
    if (geteuid() != 0) {
        QCOMPARE(QDir(fx.config.filePath("locked")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"script.vbs"});  // no temporary file left behind
        QFile::setPermissions(fx.config.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

// A Unicode file is shown, typed in and saved in its own encoding, which the
// status bar names; the window's activation asks about a file changed on disk.
void DocumentCommandsTest::unicodeDocumentAndChangesOnDiskInTheWindow() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.StatusEncoding->text(), QString("ANSI"));
    auto utf16 = [](const QString& text) {
        return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    const QString path = WriteFile(fx.config.filePath("u.vbs"), utf16(QString::fromUtf8("' \u03A9 \u65E5\u672C\r\n")));
    fx.dialogs.ChooseOpen(ToPath(path));
    form.Action("mOpen")->trigger();
    QCOMPARE(form.StatusEncoding->text(), QString("UTF-16 LE"));

    form.MainText()->setFocus();
    QTest::keyClick(form.MainText(), Qt::Key_End);
    QCOMPARE(form.StatusPanel0->text(), QString("Line 1 of 2, Col 7"));  // characters, not bytes
    QKeyEvent emoji(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\U0001F600"));
    QCoreApplication::sendEvent(form.MainText(), &emoji);
    QCOMPARE(form.StatusPanel0->text(), QString("Line 1 of 2, Col 8"));
    form.Action("mSave")->trigger();
    QCOMPARE(ReadFile(path), utf16(QString::fromUtf8("' \u03A9 \u65E5\u672C\U0001F600\r\n")));

    WriteFile(path, utf16("' changed elsewhere\r\n"));
    fx.boxes.Answer(Answer::Yes);
    QEvent activation(QEvent::ActivationChange);
    QCoreApplication::sendEvent(&form, &activation);
    QTRY_COMPARE(fx.boxes.Questions(), std::vector<std::string>{ReloadQuestion(ToPath(path), false)});
    QCOMPARE(form.Unit().MainText.Text(), std::string("' changed elsewhere\r\n"));

    fx.boxes.Answer(Answer::No);
    form.Action("mNew")->trigger();
    QCOMPARE(form.StatusEncoding->text(), QString("ANSI"));
}

QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"

void DocumentCommandsTest::aNameThatIsNoUtf8IsSavedUnderItself_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"command line", "drop", "recent file"}) QTest::newRow(how) << how;
}

// A Latin-1 byte in the name: a QString would make it a replacement mark and
// the save a new file of another name. The recent file is stored by another
// instance: the menu reads the list again as it opens.
void DocumentCommandsTest::aNameThatIsNoUtf8IsSavedUnderItself() {
    QFETCH(QString, how);
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    const std::filesystem::path folder = ToPath(fx.config.filePath("scripts"));
    std::filesystem::create_directory(folder);
    const auto removed = qScopeGuard([&] { std::filesystem::remove_all(folder); });  // Qt cannot name it
    const std::string path = (folder / "latin1-caf\xe9.vbs").string();
    std::ofstream(path, std::ios::binary) << "' old\r\n";
    if (how == "command line") {
        TForm4 options(form, {"tarnwick", path}, &form);
    } else if (how == "drop") {
        testing::DropUrls(form, {QUrl("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"))});
    } else {
        fx.WriteSettings({{"MRU1", path.c_str()}});
        emit form.findChild<QMenu*>("mFile")->aboutToShow();
        QVERIFY(form.Action("mRecent1"));
        form.Action("mRecent1")->trigger();
    }
    QCOMPARE(form.Unit().CurrentFileName, path);
    form.Unit().MainText.SetSelStart(0);
    form.Unit().MainText.TypeText("MsgBox 1\r\n");
    form.Action("mSave")->trigger();
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().string());
    QCOMPARE(names, std::vector<std::string>{path});  // no file of another name
    std::ifstream saved(path, std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(saved), {}), std::string("MsgBox 1\r\n' old\r\n"));
    QCOMPARE(ReadRecentFiles(*form.Unit().Settings).at(0), path);
}
