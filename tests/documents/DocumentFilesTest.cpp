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
    for (const auto& [path, reason] : failures) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ErrorOf([&] { files.OpenOperation("x.vbs", path); }), "Cannot open file \"" + path + "\". " + reason);
        EXPECT_EQ(unit.MainText.Text(), "keep me and this");
        EXPECT_EQ(unit.CurrentFileName, dir.File("first.vbs"));
        EXPECT_EQ(unit.SavedText, "keep me");
        EXPECT_EQ(files.Title(), "Tarnwick - first.vbs");
        EXPECT_FALSE(unit.Busy);
    }
}

TEST_F(DocumentFilesTest, RichTextThatCannotBeReadLeavesTheDocument) {
    Load("first.vbs", "keep me");
    // Nested deeper than the reader takes.
    EXPECT_EQ(ErrorOf([&] { Load("broken.rtf", "{\\rtf1 " + std::string(100000, '{')); }), "Failed to Load Stream");
    EXPECT_EQ(unit.MainText.Text(), "keep me");
    EXPECT_EQ(unit.CurrentFileName, dir.File("first.vbs"));
    EXPECT_FALSE(unit.Busy);
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

TEST_F(DocumentFilesTest, NewOnAFreshDocumentDoesNothing) {
    files.New();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(titles.empty());
    EXPECT_EQ(files.Title(), "Tarnwick");
}

TEST_F(DocumentFilesTest, NewOnALoadedDocumentAsksAndNoGivesAnUntitledUnchangedDocument) {
    Load("a.vbs", "text");
    boxes.Answer(Answer::No);
    files.New();
    EXPECT_EQ(boxes.Questions(), std::vector<std::string>{"Do you want to save the changes to this document?"});
    EXPECT_EQ(unit.MainText.Text(), "");
    EXPECT_EQ(unit.CurrentFileName, "");
    EXPECT_EQ(unit.SavedText, "");
    EXPECT_EQ(files.Title(), "Tarnwick - Untitled");
    EXPECT_FALSE(files.Changed());
    EXPECT_EQ(TempDir::Read(dir.File("a.vbs")), "text");
}

TEST_F(DocumentFilesTest, NewAnsweredYesSavesThenLeavesAnUntitledDocument) {
    Type("first script");
    boxes.Answer(Answer::Yes);
    dialogs.ChooseSave(dir.File("first.vbs"));
    files.New();
    EXPECT_EQ(TempDir::Read(dir.File("first.vbs")), "first script");
    EXPECT_EQ(unit.MainText.Text(), "");
    EXPECT_EQ(unit.CurrentFileName, "");  // the next Save asks for a name
    EXPECT_EQ(files.Title(), "Tarnwick - Untitled");
    Type("second");
    dialogs.ChooseSave(std::nullopt);
    EXPECT_FALSE(files.Save());
    EXPECT_EQ(TempDir::Read(dir.File("first.vbs")), "first script");
}

TEST_F(DocumentFilesTest, NewAndOpenStopOnCancelAndOnACancelledSave) {
    Type("precious");
    for (void (DocumentFiles::*command)() : {&DocumentFiles::New, &DocumentFiles::Open}) {
        boxes.Answer(Answer::Yes);
        dialogs.ChooseSave(std::nullopt);
        (files.*command)();
        boxes.Answer(Answer::Cancel);
        (files.*command)();
    }
    EXPECT_EQ(unit.MainText.Text(), "precious");
    EXPECT_EQ(files.Title(), "Tarnwick");
    EXPECT_TRUE(files.Changed());
    EXPECT_TRUE(dialogs.openFilters.empty());  // the Open dialog never showed
}

TEST_F(DocumentFilesTest, NewStopsWhenItsSaveFails) {
    Load("a.vbs", "x");
    Type("y");
    writer.failure = "No space left on device";
    boxes.Answer(Answer::Yes);
    EXPECT_EQ(ErrorOf([&] { files.New(); }),
              "Cannot save file \"" + dir.File("a.vbs") + "\". No space left on device");
    EXPECT_EQ(unit.MainText.Text(), "xy");
    EXPECT_EQ(unit.CurrentFileName, dir.File("a.vbs"));
}

TEST_F(DocumentFilesTest, OpenWithoutChangesGoesStraightToTheDialog) {
    const std::string path = dir.Write("b.vbs", "bee");
    dialogs.ChooseOpen(path);
    files.Open();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(dialogs.openFilters, std::vector<std::string>{"All Files|*.*|Text Files|*.txt|VBS Files|*.vbs"});
    EXPECT_EQ(unit.MainText.Text(), "bee");
    EXPECT_EQ(files.Title(), "Tarnwick - b.vbs");
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

TEST_F(DocumentFilesTest, OpenAnsweredNoKeepsTheTextUntilAFileIsChosen) {
    Type("draft");
    boxes.Answer(Answer::No);
    dialogs.ChooseOpen(std::nullopt);
    files.Open();
    EXPECT_EQ(boxes.Questions(),
              std::vector<std::string>{"Do you want to save the changes to this document before opening a new one?"});
    EXPECT_EQ(unit.MainText.Text(), "draft");

    boxes.Answer(Answer::No);
    dialogs.ChooseOpen(dir.Write("c.vbs", "sea"));
    files.Open();
    EXPECT_EQ(unit.MainText.Text(), "sea");
}

TEST_F(DocumentFilesTest, OpenAnsweredYesSavesFirst) {
    Load("a.vbs", "old");
    Type(" new");
    boxes.Answer(Answer::Yes);
    dialogs.ChooseOpen(dir.Write("b.vbs", "bee"));
    files.Open();
    EXPECT_EQ(TempDir::Read(dir.File("a.vbs")), "old new");
    EXPECT_EQ(unit.MainText.Text(), "bee");
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

TEST_F(DocumentFilesTest, SaveOfAnUntitledDocumentRunsSaveAs) {
    Type("abc");
    dialogs.ChooseSave(dir.File("new.vbs"));
    ASSERT_TRUE(files.Save());
    EXPECT_EQ(dialogs.saveFilters,
              std::vector<std::string>{"Visual Basic Script File (*.vbs)|*.vbs|Text File (*.txt)|*.txt"});
    EXPECT_EQ(unit.CurrentFileName, dir.File("new.vbs"));
    EXPECT_EQ(files.Title(), "Tarnwick - new.vbs");
    EXPECT_EQ(unit.SavedText, "abc");
}

TEST_F(DocumentFilesTest, CancelledSaveAsLeavesEverythingAsItWas) {
    Type("abc");
    EXPECT_FALSE(files.SaveAs());
    EXPECT_EQ(unit.CurrentFileName, "");
    EXPECT_EQ(files.Title(), "Tarnwick");
    EXPECT_TRUE(files.Changed());
}

TEST_F(DocumentFilesTest, AFailedSaveNamesTheFailureAndChangesNoState) {
    Load("a.vbs", "old");
    Type(" new");
    writer.failure = "Permission denied";
    EXPECT_EQ(ErrorOf([&] { files.Save(); }), "Cannot save file \"" + dir.File("a.vbs") + "\". Permission denied");
    const std::string path = dir.File("other.vbs");
    dialogs.ChooseSave(path);
    EXPECT_EQ(ErrorOf([&] { files.SaveAs(); }), "Cannot save file \"" + path + "\". Permission denied");
    EXPECT_EQ(unit.CurrentFileName, dir.File("a.vbs"));
    EXPECT_EQ(files.Title(), "Tarnwick - a.vbs");
    EXPECT_EQ(unit.SavedText, "old");
    EXPECT_TRUE(files.Changed());
    EXPECT_TRUE(writer.writes.empty());
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
