// Hostile files and names through every way a path reaches the real window:
// Open, a drop, the command line and Save As. Each either opens or saves, or
// names the failure and leaves the document as it was. (Run hands the host
// the scratch script's path, never the document's: ScriptHostTest.)

#include "support/UiTestSupport.h"

#include "options/ui/vbsoptions.h"
#include "unit/ui/QtPorts.h"

#include <QFile>

#include <functional>
#include <memory>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

enum class Input { Folder, Device, Pipe, Plain, Vanished, Unreadable };
enum class Way { Open, Drop, CommandLine, SaveAs };

// Makes the row's input in the folder and returns its path.
std::string Prepare(Input input, const QString& folder, const QString& name, const QByteArray& bytes) {
    const QString path = folder + "/" + name;
    const std::string local = ToPath(path);
    switch (input) {
    case Input::Folder:
        QDir().mkpath(path);
        break;
    case Input::Device:
        // The superuser's own null device: a save that went wrong could
        // otherwise replace the system's. Anyone else cannot replace /dev/null.
        if (geteuid() != 0) return "/dev/null";
        mknod(local.c_str(), S_IFCHR | 0666, makedev(1, 3));
        break;
    case Input::Pipe:
        mkfifo(local.c_str(), 0600);
        break;
    case Input::Plain:
    case Input::Vanished:
    case Input::Unreadable: {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        if (input == Input::Vanished) file.remove();  // chosen, then gone before the read
        if (input == Input::Unreadable) file.setPermissions({});
        break;
    }
    }
    return local;
}

// Runs the action as an ordinary user where the row's file must be unreadable
// and the test runs as the superuser, whom permissions do not stop.
void AsTheRowsUser(Input input, const std::function<void()>& action) {
    const bool asNobody = input == Input::Unreadable && geteuid() == 0;
    if (asNobody && seteuid(65534) != 0) QFAIL("cannot act as an ordinary user");
    action();
    if (asNobody && seteuid(0) != 0) qFatal("cannot become the superuser again");
}

// The error boxes shown, one a line.
std::string ErrorsShown(const fakes::FakeBoxes& boxes) {
    std::string shown;
    for (const std::string& text : boxes.Errors()) shown += text + "\n";
    return shown;
}

}  // namespace

class HostileInputTest : public QObject {
    Q_OBJECT
private slots:
    void eachWayOpensOrNamesTheFailure_data();
    void eachWayOpensOrNamesTheFailure();
    void settingsOfAMegabyteStartTheWindow();
};

void HostileInputTest::eachWayOpensOrNamesTheFailure_data() {
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("openFailure");  // empty: the file opens
    QTest::addColumn<QString>("saveFailure");  // empty: Save As writes it
    const auto row = [](const char* what, Input input, const QString& name, const QByteArray& bytes,
                        const char* openFailure, const char* saveFailure) {
        QTest::newRow(what) << int(input) << name << bytes << openFailure << saveFailure;
    };
    QByteArray binary;
    for (int b = 255; b >= 0; --b) binary += char(b);
    row("a folder", Input::Folder, "folder.vbs", {}, "Is a directory", "Is a directory");
    row("a device", Input::Device, "device.vbs", {}, "Not a regular file", "Not a regular file");
    row("a pipe", Input::Pipe, "pipe.vbs", {}, "Not a regular file", "Not a regular file");
    row("a 0-byte file", Input::Plain, "empty.vbs", {}, "", "");
    row("a binary file", Input::Plain, "binary.vbs", binary, "", "");
    row("a file gone before the read", Input::Vanished, "gone.vbs", "x", "No such file or directory", "");
    row("a file the user may not read", Input::Unreadable, "secret.vbs", "x", "Permission denied",
        "Permission denied");
    row("spaces and quotes", Input::Plain, "a \"quoted\" 'name' .vbs", "x = 1", "", "");
    row("shell and URL characters", Input::Plain, "& | ^ % ! ; $HOME `id` #1 %20.vbs", "x = 1", "", "");
    row("a leading dash", Input::Plain, "-rf.vbs", "x = 1", "", "");
    row("characters above 127", Input::Plain, QString::fromUtf8("caf\u00e9 \u20ac \u4e2d.vbs"), "x = 1", "", "");
}

void HostileInputTest::eachWayOpensOrNamesTheFailure() {
    QFETCH(int, input);
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, openFailure);
    QFETCH(QString, saveFailure);
    const Input kind = Input(input);

    for (const Way way : {Way::Open, Way::Drop, Way::CommandLine, Way::SaveAs}) {
        QTemporaryDir files;
        QFile::setPermissions(files.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther);  // for the ordinary user
        const std::string path = Prepare(kind, files.path(), name, bytes);
        testing::MainWindowFixture fx;
        TForm1& form = fx.Create();
        std::unique_ptr<TForm4> options;
        const std::string before = way == Way::CommandLine ? "" : "unsaved work";
        form.Unit().MainText.SetText(before);
        AsTheRowsUser(kind, [&] {
            switch (way) {
            case Way::Open:
                fx.boxes.Answer(Answer::No);  // to the question about the unsaved work
                fx.dialogs.ChooseOpen(path);
                form.Action("mOpen")->trigger();
                break;
            case Way::Drop:
                fx.boxes.Answer(Answer::No);
                testing::DropFiles(form, {FromPath(path)});
                break;
            case Way::CommandLine:
                options = std::make_unique<TForm4>(form, std::vector<std::string>{"tarnwick", path}, &form);
                break;
            case Way::SaveAs:
                fx.dialogs.ChooseSave(path);
                form.Action("mSaveAs")->trigger();
                break;
            }
        });
        const char* wayName[] = {"Open", "drop", "command line", "Save As"};
        const std::string where = std::string(wayName[int(way)]) + ": ";
        const QString failure = way == Way::SaveAs ? saveFailure : openFailure;
        if (failure.isEmpty()) {
            QCOMPARE(where + ErrorsShown(fx.boxes), where);
            QCOMPARE(form.Unit().CurrentFileName, path);
            QCOMPARE(form.windowTitle(), "Tarnwick - " + name);
            QVERIFY2(!form.Files().Changed(), where.c_str());
            if (way == Way::SaveAs) {
                QFile saved(FromPath(path));
                QVERIFY(saved.open(QIODevice::ReadOnly));
                QCOMPARE(saved.readAll(), QByteArray("unsaved work"));
            }
        } else {
            const char* what = way == Way::SaveAs ? "Cannot save file \"" : "Cannot open file \"";
            QCOMPARE(where + ErrorsShown(fx.boxes), where + what + path + "\". " + failure.toStdString() + ".\n");
            QCOMPARE(where + form.Unit().MainText.Text(), where + before);
            QCOMPARE(form.windowTitle(), QString("Tarnwick"));
            QCOMPARE(where + form.Unit().CurrentFileName, where);
        }
    }
}

// Values of any size or form are read or passed over by the code that parses
// them; these are the ones that reach Qt whole.
void HostileInputTest::settingsOfAMegabyteStartTheWindow() {
    const std::string megabyte(1 << 20, 'x');
    testing::MainWindowFixture fx;
    fx.WriteSettings({{"FontName", megabyte.c_str()}, {"RunDefault", megabyte.c_str()}});
    TForm1& form = fx.Create();
    TForm4 options(form, {"tarnwick"}, &form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Action("mRunDefault")->trigger();
    QCOMPARE(fx.boxes.Errors().size(), size_t(1));
    QVERIFY(fx.boxes.Errors()[0].starts_with("Cannot start \"xxx"));
}

QTEST_MAIN(HostileInputTest)
#include "HostileInputTest.moc"
