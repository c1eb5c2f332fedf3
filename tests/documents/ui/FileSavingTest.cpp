#include "documents/DocumentFiles.h"
#include "documents/ui/QtFileWriter.h"
#include "fakes/TempDir.h"
#include "syntax/DocumentColouring.h"
#include "syntax/SyntaxTable.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QtTest>

#include <csignal>
#include <filesystem>
#include <functional>
#include <iterator>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace tarnwick;
using testing::TempDir;
namespace fs = std::filesystem;

namespace {

QByteArray Bytes(const std::string& bytes) { return QByteArray::fromStdString(bytes); }

std::string ErrorOf(const std::function<void()>& command) {
    try {
        command();
    } catch (const Error& failure) {
        return failure.what();
    }
    return {};
}

std::ptrdiff_t FilesIn(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

constexpr fs::perms kOwnerOnly = fs::perms::owner_read | fs::perms::owner_write;
constexpr fs::perms kGroupReads = kOwnerOnly | fs::perms::group_read;

}  // namespace

class FileSavingTest : public QObject {
    Q_OBJECT
private slots:
    void theWriterKeepsWhatItMustAndReplacesOnlyPlainFiles();
    void aFileSizeLimitFailsTheSaveAndLeavesNothingBehind();
    void openedAndSavedFilesKeepTheirBytes_data();
    void openedAndSavedFilesKeepTheirBytes();
};

void FileSavingTest::theWriterKeepsWhatItMustAndReplacesOnlyPlainFiles() {
    struct Row {
        const char* name;
        NewFileAccess access;
        // Prepares the folder and returns the path to save to.
        std::function<std::string(const TempDir&)> prepare;
        const char* reason;  // why the save fails; null: it succeeds
        // The file that must hold the new bytes, and its permissions after the save.
        const char* written;
        fs::perms permissions;
    };
    // As long as the system allows, with a two-byte character where the new
    // file's name, which is this one cut and marked, cuts it.
    const std::string longName = std::string(233, 'n') + "\xC3\xA9" + std::string(16, 'n') + ".vbs";
    const Row rows[] = {
        {"a new file only its owner reads", NewFileAccess::OwnerOnly,
         [](const TempDir& d) { return d.File("new.vbs"); }, nullptr, "new.vbs", kOwnerOnly},
        {"a file keeps its permissions", NewFileAccess::OwnerOnly,
         [](const TempDir& d) {
             const std::string path = d.Write("old.vbs", "old");
             fs::permissions(path, kGroupReads);
             return path;
         },
         nullptr, "old.vbs", kGroupReads},
        {"a symbolic link is written through", NewFileAccess::Usual,
         [](const TempDir& d) {
             fs::permissions(d.Write("real.vbs", "old"), kGroupReads);
             fs::create_symlink("real.vbs", d.File("link.vbs"));
             return d.File("link.vbs");
         },
         nullptr, "real.vbs", kGroupReads},
        {"the program's own file is its owner's alone", NewFileAccess::Private,
         [](const TempDir& d) {
             const std::string path = d.Write("own.vbs", "old");
             fs::permissions(path, kGroupReads);
             return path;
         },
         nullptr, "own.vbs", kOwnerOnly},
        {"a link in place of the program's own file is replaced", NewFileAccess::Private,
         [](const TempDir& d) {
             d.Write("real.vbs", "old");
             fs::create_symlink("real.vbs", d.File("own.vbs"));
             return d.File("own.vbs");
         },
         nullptr, "own.vbs", kOwnerOnly},
        {"the longest name", NewFileAccess::OwnerOnly,
         [&](const TempDir& d) {
             fs::permissions(d.Write(longName, "old"), kOwnerOnly);
             return d.File(longName);
         },
         nullptr, longName.c_str(), kOwnerOnly},
        {"a name longer than the system allows", NewFileAccess::Usual,
         [](const TempDir& d) { return d.File(std::string(252, 'n') + ".vbs"); }, "File name too long", nullptr, {}},
        {"a missing folder", NewFileAccess::Usual, [](const TempDir& d) { return d.File("missing/x.vbs"); },
         "No such file or directory", nullptr, {}},
        {"a folder", NewFileAccess::Usual,
         [](const TempDir& d) {
             fs::create_directory(d.File("folder.vbs"));
             return d.File("folder.vbs");
         },
         "Is a directory", nullptr, {}},
        {"a pipe", NewFileAccess::Usual,
         [](const TempDir& d) {
             mkfifo(d.File("pipe.vbs").c_str(), 0600);
             return d.File("pipe.vbs");
         },
         "Not a regular file", nullptr, {}},
    };
    QtFileWriter writer;
    for (const Row& row : rows) {
        TempDir dir;
        const std::string path = row.prepare(dir);
        const auto before = FilesIn(dir.Path());
        const std::string error = ErrorOf([&] { writer.Replace(path, "new\r\n", row.access); });
        QCOMPARE(error, row.reason ? "Cannot save file \"" + path + "\". " + row.reason : std::string());
        if (row.written) {
            const fs::path written = dir.Path() / row.written;
            QCOMPARE(Bytes(TempDir::Read(written.string())), QByteArray("new\r\n"));
            QCOMPARE(fs::status(written).permissions() & fs::perms::all, row.permissions);
            QCOMPARE(fs::is_symlink(path), std::string(row.name) == "a symbolic link is written through");
        }
        if (fs::exists(dir.Path() / "real.vbs") && !fs::is_symlink(path))  // what a link named keeps its bytes
            QCOMPARE(Bytes(TempDir::Read(dir.File("real.vbs"))), QByteArray("old"));
        std::error_code tooLong;
        if (!row.written && fs::is_regular_file(path, tooLong)) QCOMPARE(Bytes(TempDir::Read(path)), QByteArray("old"));
        // Nothing left beside it: a new file, or nothing at all when the save failed.
        QCOMPARE(FilesIn(dir.Path()), before + (row.written && before == 0 ? 1 : 0));
    }
}

void FileSavingTest::aFileSizeLimitFailsTheSaveAndLeavesNothingBehind() {
    TempDir dir;
    const std::string path = dir.Write("a.vbs", "old");
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const rlimit small{4096, old.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the test
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QtFileWriter writer;
    const std::string error = ErrorOf([&] { writer.Replace(path, std::string(100000, 'x'), NewFileAccess::Usual); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    QCOMPARE(QString::fromStdString(error), QString::fromStdString("Cannot save file \"" + path + "\". File too large"));
    QCOMPARE(Bytes(TempDir::Read(path)), QByteArray("old"));
    QCOMPARE(FilesIn(dir.Path()), std::ptrdiff_t{1});
}

// Each file is opened and saved as the program does: read, coloured (which
// tidies), written through the real writer. Byte-order-mark files belong with
// the text encodings and are tested there.
void FileSavingTest::openedAndSavedFilesKeepTheirBytes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved");  // empty: byte for byte the file
    const auto row = [](const char* name, const std::string& file, const std::string& saved = {}) {
        QTest::newRow(name) << Bytes(file) << Bytes(saved);
    };
    std::string every;
    for (int b = 0; b < 256; ++b) every += char(b);
    row("CR LF lines, tidy", "Dim a\r\na = 1\r\nMsgBox a\r\n");
    row("no final break", "Dim a\r\nMsgBox a");
    row("NUL bytes", std::string("a\0b\r\n\0\r\n", 8));
    row("a TAB", "\tMsgBox 1\r\n");
    row("a 10 MB line", "' " + std::string(10'000'000, 'x') + "\r\n");
    // The colouring splits the text into lines at CR LF, a lone CR or a lone
    // LF and joins them with CR LF: each lone CR and each lone LF becomes CR LF.
    row("every byte value", every + "\r\n", every.substr(0, 10) + "\r\n\x0B\x0C\r\n" + every.substr(14) + "\r\n");
    row("lone CR", "one\rtwo\r\n", "one\r\ntwo\r\n");
    row("lone LF", "one\ntwo\r\n", "one\r\ntwo\r\n");
    row("mixed breaks", "a\r\nb\nc\rd\r\n", "a\r\nb\r\nc\r\nd\r\n");
}

void FileSavingTest::openedAndSavedFilesKeepTheirBytes() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    TempDir dir;
    const std::string path = dir.Write("script.vbs", file.toStdString());
    QtFileWriter writer;
    MainUnit unit;
    unit.Files = &writer;
    unit.SyntaxTable =
        LoadSyntaxTable(QDir(QCoreApplication::applicationDirPath()).filePath("syntax.ini").toStdString());
    DocumentFiles files(unit, nullptr, [](MainUnit& u) { ColourWholeDocument(u); });
    files.OpenOperation("script.vbs", path);
    QVERIFY(files.Save());
    const QByteArray onDisk = Bytes(TempDir::Read(path));
    if (onDisk.size() > 1000 && onDisk != (saved.isEmpty() ? file : saved)) QFAIL("the long file changed");
    QCOMPARE(onDisk, saved.isEmpty() ? file : saved);
}

QTEST_MAIN(FileSavingTest)
#include "FileSavingTest.moc"
