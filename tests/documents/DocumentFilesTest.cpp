#include "documents/DocumentFiles.h"
#include "documents/FileAccess.h"
#include "fakes/FakeBoxes.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeFileWriter.h"
#include "fakes/TempDir.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>  // mkfifo
#endif

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using fakes::FakeBoxes;
using fakes::FakeDialogs;
using fakes::FakeFileWriter;
using testing::TempDir;

class DocumentFilesTest : public ::testing::Test {
protected:
    DocumentFilesTest() {
        unit.Boxes = &boxes;
        unit.Dialogs = &dialogs;
        unit.Files = &writer;
    }

    // The document as loaded from a file of the temporary directory.
    void Load(const std::string& name, const std::string& bytes) {
        files.OpenOperation(name, dir.Write(name, bytes));
    }
    void Type(const std::string& text) {
        unit.MainText.SetSelStart(unit.MainText.Length());
        unit.MainText.TypeText(text);
    }
    std::string ErrorOf(const std::function<void()>& command) {
        try {
            command();
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }

    TempDir dir;
    MainUnit unit;
    FakeBoxes boxes;
    FakeDialogs dialogs;
    FakeFileWriter writer;
    std::vector<std::string> titles;
    int colourings = 0;
    bool busyWhileColouring = false;
    DocumentFiles files{unit, [this](const std::string& t) { titles.push_back(t); },
                        [this](MainUnit& u) {
                            ++colourings;
                            busyWhileColouring = u.Busy;
                        }};
};

TEST(FileNamePart, TakesWhatFollowsTheLastSeparatorOfTheSystem) {
    struct Row {
        const char* path;
        const char* name;
    };
#ifdef _WIN32
    const Row systemRows[] = {{"C:\\Scripts\\a.vbs", "a.vbs"}, {"C:a.vbs", "a.vbs"}, {"C:\\Scripts\\", ""}};
#else
    // Backslashes and colons are ordinary characters of a name here.
    const Row systemRows[] = {{"/home/me/back\\slash.vbs", "back\\slash.vbs"}, {"/home/me/a:b.vbs", "a:b.vbs"}};
#endif
    const Row rows[] = {{"/home/me/Hello.vbs", "Hello.vbs"}, {"plain.txt", "plain.txt"}, {"/home/me/", ""}};
    for (const auto& table : {std::vector<Row>(std::begin(rows), std::end(rows)),
                              std::vector<Row>(std::begin(systemRows), std::end(systemRows))})
        for (const Row& row : table) EXPECT_EQ(FileNamePart(row.path), row.name) << row.path;
}

TEST_F(DocumentFilesTest, OpenOperationLoadsTitlesColoursAndRecordsTheFile) {
    Load("Hello.vbs", "MsgBox 1\r\nMsgBox 2\r\n");
    EXPECT_EQ(unit.MainText.Text(), "MsgBox 1\r\nMsgBox 2\r\n");
    EXPECT_EQ(files.Title(), "Tarnwick - Hello.vbs");
    EXPECT_EQ(unit.CurrentFileName, dir.File("Hello.vbs"));
    EXPECT_EQ(unit.SavedText, unit.MainText.Text());
    EXPECT_EQ(colourings, 1);
    EXPECT_TRUE(busyWhileColouring);
    EXPECT_FALSE(unit.Busy);
    EXPECT_FALSE(files.Changed());
}

TEST_F(DocumentFilesTest, AFileOfRichTextLoadsAsItsTextNotItsMarkup) {
    Load("coloured.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}{\\colortbl;\\red0\\green0\\blue128;}"
                         "\\f0 \\cf1 MsgBox\\cf0  1\\par x}");
    EXPECT_EQ(unit.MainText.Text(), "MsgBox 1\r\nx");
    EXPECT_EQ(unit.MainText.ColourAt(0), Colour(0x00800000));
    EXPECT_EQ(files.Title(), "Tarnwick - coloured.rtf");
    EXPECT_FALSE(files.Changed());
}

TEST_F(DocumentFilesTest, SavedTextIsTakenAfterColouring) {
    files.SetColourer([](MainUnit& u) { u.MainText.SetText("tidied"); });
    Load("a.vbs", "untidy");
    EXPECT_EQ(unit.SavedText, "tidied");
    EXPECT_FALSE(files.Changed());
}

TEST_F(DocumentFilesTest, AFileThatCannotBeReadLeavesTheDocumentAndClearsBusy) {
    Load("first.vbs", "keep me");
    Type(" and this");
    std::vector<std::pair<std::string, std::string>> failures = {
        {dir.File("missing.vbs"), "No such file or directory"}, {dir.Path().string(), "Is a directory"}};
#ifndef _WIN32  // Windows has no named pipes in its file system
    // Only plain files open: a pipe would keep the read waiting for a writer for ever; a device may never end.
    ASSERT_EQ(mkfifo(dir.File("pipe.vbs").c_str(), 0600), 0);
    for (const std::string& path : {dir.File("pipe.vbs"), std::string("/dev/zero"), std::string("/dev/null")})
        failures.push_back({path, "Not a regular file"});
#endif
#ifdef __linux__
    // A plain file that opens but fails its first read: the process's memory, read from address 0.
    failures.push_back({"/proc/self/mem", "Input/output error"});
    // Larger than the editor could ever hold: refused before any of it is read (sparse, so it costs no disk).
    fs::resize_file(dir.Write("huge.vbs", ""), kMaxFileBytes + 1);
    failures.push_back({dir.File("huge.vbs"), "File too large"});
#endif
    // Rich text nested deeper than the reader takes fails as the editor's stream does.
    failures.push_back({dir.Write("broken.rtf", "{\\rtf1 " + std::string(100000, '{')), ""});
    for (const auto& [path, reason] : failures) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ErrorOf([&] { files.OpenOperation("x.vbs", path); }),
                  reason.empty() ? "Failed to Load Stream" : "Cannot open file \"" + path + "\". " + reason);
        EXPECT_EQ(unit.MainText.Text(), "keep me and this");
        EXPECT_EQ(unit.CurrentFileName, dir.File("first.vbs"));
        EXPECT_EQ(unit.SavedText, "keep me");
        EXPECT_EQ(files.Title(), "Tarnwick - first.vbs");
        EXPECT_FALSE(unit.Busy);
    }
}

TEST_F(DocumentFilesTest, AFailedColouringNeverLeavesTheNewTextUnderTheOldName) {
    Load("a.vbs", "old file");
    files.SetColourer([](MainUnit&) { throw Error("Failed to Load Stream"); });
    EXPECT_EQ(ErrorOf([&] { Load("b.vbs", "new file"); }), "Failed to Load Stream");
    EXPECT_EQ(unit.CurrentFileName, dir.File("b.vbs"));
    EXPECT_FALSE(unit.Busy);
    ASSERT_TRUE(files.Save());
    EXPECT_EQ(TempDir::Read(dir.File("a.vbs")), "old file");
}

TEST_F(DocumentFilesTest, AnEmptyNameOnlyRecoloursAndRetakesSavedText) {
    Load("a.vbs", "abc");
    Type("d");
    files.OpenOperation("", dir.Path().string() + "/");
    EXPECT_EQ(unit.MainText.Text(), "abcd");
    EXPECT_EQ(unit.SavedText, "abcd");
    EXPECT_EQ(unit.CurrentFileName, dir.File("a.vbs"));
    EXPECT_EQ(colourings, 2);
}

// The Open dialog starts where the current document lies.
TEST_F(DocumentFilesTest, OpenStartsInTheDocumentsFolder) {
    const struct {
        const char* current;
        const char* folder;
    } rows[] = {{"/home/me/Hello.vbs", "/home/me"}, {"/Hello.vbs", "/"}, {"Hello.vbs", ""}};
    for (const auto& row : rows) {
        unit.CurrentFileName = row.current;
        files.Open();
        EXPECT_EQ(dialogs.openFolders.back(), row.folder) << row.current;
    }
}

// New and Open ask about unsaved changes first (New even after a plain load),
// and go on only when the answer and any save let them; a save that fails or
// is cancelled changes nothing.
TEST(DocumentCommands, GoOnOnlyWhenTheQuestionAndTheSaveLetThem) {
    const std::string New = "New", Open = "Open", Save = "Save", SaveAs = "Save As";
    struct Row {
        const char* name;
        const char* before;  // "draft" typed untitled, or typed after a.vbs "old" is loaded; nullptr: fresh
        std::string command;
        std::optional<Answer> answer;
        std::optional<std::string> save, open;  // the dialogs' choices: files of the temporary folder
        const char* failure;                    // of the writer
        const char* question;                   // "" none
        const char* text;                       // the document afterwards
        const char* current;                    // its file, "" none
        const char* title;
        const char* a;                          // a.vbs afterwards
    } rows[] = {
        {"New on a fresh document", nullptr, New, {}, {}, {}, "", "", "", "", "Tarnwick", nullptr},
        {"New after a load, No", "", New, Answer::No, {}, {}, "", kNewQuestion, "", "", "Tarnwick - Untitled", "old"},
        {"New on a draft, Yes saves as", "draft", New, Answer::Yes, "draft.vbs", {}, "", kNewQuestion, "", "",
         "Tarnwick - Untitled", nullptr},
        {"New, Yes and the save cancelled", "draft", New, Answer::Yes, {}, {}, "", kNewQuestion, "draft", "", "Tarnwick",
         nullptr},
        {"New, Cancel", "draft", New, Answer::Cancel, {}, {}, "", kNewQuestion, "draft", "", "Tarnwick", nullptr},
        {"New, Yes and the save failing", " new", New, Answer::Yes, {}, {}, "No space left on device", kNewQuestion,
         "old new", "a.vbs", "Tarnwick - a.vbs", "old"},
        {"Open, Yes and the save cancelled", "draft", Open, Answer::Yes, {}, "b.vbs", "", kOpenQuestion, "draft", "",
         "Tarnwick", nullptr},
        {"Open, Cancel", "draft", Open, Answer::Cancel, {}, "b.vbs", "", kOpenQuestion, "draft", "", "Tarnwick", nullptr},
        {"Open unchanged: straight to the dialog", nullptr, Open, {}, {}, "b.vbs", "", "", "bee", "b.vbs",
         "Tarnwick - b.vbs", nullptr},
        {"Open, No and the dialog cancelled", "draft", Open, Answer::No, {}, {}, "", kOpenQuestion, "draft", "",
         "Tarnwick", nullptr},
        {"Open, No and a file chosen", "draft", Open, Answer::No, {}, "b.vbs", "", kOpenQuestion, "bee", "b.vbs",
         "Tarnwick - b.vbs", nullptr},
        {"Open, Yes saves first", " new", Open, Answer::Yes, {}, "b.vbs", "", kOpenQuestion, "bee", "b.vbs",
         "Tarnwick - b.vbs", "old new"},
        {"Save of a draft runs Save As", "draft", Save, {}, "new.vbs", {}, "", "", "draft", "new.vbs",
         "Tarnwick - new.vbs", nullptr},
        {"Save As cancelled", "draft", SaveAs, {}, {}, {}, "", "", "draft", "", "Tarnwick", nullptr},
        {"Save failing", " new", Save, {}, {}, {}, "Permission denied", "", "old new", "a.vbs", "Tarnwick - a.vbs",
         "old"},
        {"Save As failing", " new", SaveAs, {}, "other.vbs", {}, "Permission denied", "", "old new", "a.vbs",
         "Tarnwick - a.vbs", "old"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        MainUnit unit;
        FakeBoxes boxes;
        FakeDialogs dialogs;
        FakeFileWriter writer;
        unit.Boxes = &boxes;
        unit.Dialogs = &dialogs;
        unit.Files = &writer;
        std::vector<std::string> titles;
        DocumentFiles files(unit, [&](const std::string& t) { titles.push_back(t); });
        const bool draft = row.before && row.before == std::string("draft");
        if (row.before && !draft) files.OpenOperation("a.vbs", dir.Write("a.vbs", "old"));
        unit.MainText.SetSelStart(unit.MainText.Length());
        unit.MainText.TypeText(row.before ? row.before : "");
        if (row.answer) boxes.Answer(*row.answer);
        dialogs.ChooseSave(row.save ? std::optional(dir.File(*row.save)) : std::nullopt);
        dialogs.ChooseOpen(row.open ? std::optional(dir.Write(*row.open, "bee")) : std::nullopt);
        if (*row.failure) writer.failure = row.failure;
        std::string error;
        try {
            if (row.command == New) files.New();
            if (row.command == Open) files.Open();
            if (row.command == Save) files.Save();
            if (row.command == SaveAs) files.SaveAs();
        } catch (const Error& e) {
            error = e.what();
        }
        const std::string failed = dir.File(row.save ? *row.save : "a.vbs");
        EXPECT_EQ(error, *row.failure ? "Cannot save file \"" + failed + "\". " + row.failure : "");
        EXPECT_EQ(boxes.Questions(), *row.question ? std::vector<std::string>{row.question} : std::vector<std::string>{});
        EXPECT_EQ(unit.MainText.Text(), row.text);
        EXPECT_EQ(unit.CurrentFileName, *row.current ? dir.File(row.current) : "");
        EXPECT_EQ(files.Title(), row.title);
        const bool changed = (std::string(row.text) == "draft" && !*row.current) || *row.failure;
        EXPECT_EQ(files.Changed(), changed);
        EXPECT_TRUE(changed || unit.SavedText == row.text);  // New forgets the old text
        EXPECT_TRUE(!*row.failure || (unit.SavedText == std::string("old") && writer.writes.empty()));
        const std::vector<std::string> saveFilter{"Visual Basic Script File (*.vbs)|*.vbs|Text File (*.txt)|*.txt"};
        EXPECT_EQ(row.save ? dialogs.saveFilters : saveFilter, saveFilter);
        EXPECT_EQ(row.a ? TempDir::Read(dir.File("a.vbs")) : "", row.a ? row.a : "");
        EXPECT_EQ(row.save && !*row.failure ? TempDir::Read(dir.File(*row.save)) : "draft", "draft");
        // The Open dialog shows only once the question lets it.
        EXPECT_EQ(dialogs.openFilters.empty(), row.command != Open || row.answer == Answer::Cancel ||
                                                   (row.answer == Answer::Yes && !row.save && draft));
        EXPECT_TRUE(row.title != std::string("Tarnwick") || titles.empty());
    }
}

TEST_F(DocumentFilesTest, NamesOfAnyCharactersOpenAndSaveAs) {
    const char* const names[] = {
#ifdef _WIN32  // Windows allows no '"' or '|' in a name; names beyond ASCII have a test of their own there
        "quote ' and ^.vbs", "& ^ % ! ; $HOME.vbs",
#else
        "quotes \" and '.vbs", "& | ^ % ! ; $HOME.vbs", "caf\xC3\xA9 \xE2\x82\xAC.vbs",
#endif
        "with spaces.vbs", "-leading dash.vbs", "empty.vbs",
    };
    for (const std::string name : names) {
        SCOPED_TRACE(name);
        const std::string bytes = name == "empty.vbs" ? "" : "x = 1";
        Load(name, bytes);
        EXPECT_EQ(unit.MainText.Text(), bytes);
        EXPECT_EQ(files.Title(), "Tarnwick - " + name);
        dialogs.ChooseSave(dir.File("copy " + name));
        ASSERT_TRUE(files.SaveAs());
        EXPECT_EQ(TempDir::Read(dir.File("copy " + name)), bytes);
        EXPECT_EQ(files.Title(), "Tarnwick - copy " + name);
    }
}

TEST(DroppedFiles, OpenInTurnAfterOneQuestionAboutUnsavedChanges) {
    struct Row {
        const char* name;
        std::optional<Answer> answer;  // to the one question; none: the document is unchanged, nothing is asked
        std::string document;          // the editor's text afterwards
        std::string saved;             // a.vbs afterwards
    };
    const Row rows[] = {
        {"an unchanged document is replaced at once", {}, "three", "mine"},
        {"No discards the changes", Answer::No, "three", "mine"},
        {"Yes saves them first", Answer::Yes, "three", "mine, edited"},
        {"Cancel keeps everything", Answer::Cancel, "mine, edited", "mine"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        MainUnit unit;
        FakeBoxes boxes;
        FakeFileWriter writer;
        unit.Boxes = &boxes;
        unit.Files = &writer;
        int colourings = 0;
        DocumentFiles files(unit, nullptr, [&](MainUnit&) { ++colourings; });
        files.OpenOperation("a.vbs", dir.Write("a.vbs", "mine"));
        if (row.answer) {
            unit.MainText.SetSelStart(unit.MainText.Length());
            unit.MainText.TypeText(", edited");
            boxes.Answer(*row.answer);
        }
        files.DropFiles({dir.Write("1.vbs", "one"), dir.Write("2.vbs", "two"), dir.Write("3.vbs", "three")});
        EXPECT_EQ(boxes.Questions(), row.answer ? std::vector<std::string>{kOpenQuestion} : std::vector<std::string>{});
        EXPECT_EQ(unit.MainText.Text(), row.document);
        EXPECT_EQ(TempDir::Read(dir.File("a.vbs")), row.saved);
        const bool dropped = row.answer != Answer::Cancel;
        EXPECT_EQ(files.Title(), dropped ? "Tarnwick - 3.vbs" : "Tarnwick - a.vbs");
        EXPECT_EQ(unit.CurrentFileName, dir.File(dropped ? "3.vbs" : "a.vbs"));
        EXPECT_EQ(colourings, dropped ? 4 : 1);
    }
}

TEST_F(DocumentFilesTest, ADroppedFileThatCannotBeReadEndsTheDrop) {
    const std::vector<std::string> paths = {dir.Write("1.vbs", "one"), dir.File("gone.vbs"),
                                            dir.Write("3.vbs", "three")};
    EXPECT_EQ(ErrorOf([&] { files.DropFiles(paths); }),
              "Cannot open file \"" + dir.File("gone.vbs") + "\". No such file or directory");
    EXPECT_EQ(unit.MainText.Text(), "one");
    EXPECT_EQ(files.Title(), "Tarnwick - 1.vbs");
}

TEST_F(DocumentFilesTest, LongDroppedPathsAreTakenWhole) {
    std::string deep = dir.Path().string();
    while (deep.size() < 300) deep += "/a-rather-long-directory-name";
    fs::create_directories(deep);
    const std::string path = deep + "/script.vbs";
    std::ofstream(path, std::ios::binary) << "deep";
    files.DropFiles({path});
    EXPECT_EQ(unit.MainText.Text(), "deep");
    EXPECT_EQ(unit.CurrentFileName, path);
}

TEST_F(DocumentFilesTest, TypingBackTheSavedTextMakesTheDocumentUnchanged) {
    Load("a.vbs", "ab");
    Type("c");
    EXPECT_TRUE(files.Changed());
    unit.MainText.DeleteBackward();
    EXPECT_FALSE(files.Changed());
}

}  // namespace
}  // namespace tarnwick
