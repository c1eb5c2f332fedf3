#include "documents/DocumentFiles.h"
#include "fakes/FakeBoxes.h"
#include "fakes/FakeFileWriter.h"
#include "fakes/TempDir.h"
#include "unit/MainUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace tarnwick {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(FileChangedOnDisk, ActivationAndSaveAskFirstAndFollowTheAnswer) {
    enum class Change { Touch, Rewrite, Delete };
    enum class Command { Activate, Save, SaveAfterNoToReload };
    const std::string loaded = "x = 1\r\n", other = "x = 22\r\n", edited = "x = 1\r\n' mine";
    struct Row {
        const char* name;
        Change change;  // what another program does to the file
        bool edited;    // the document has unsaved changes
        Command command;
        std::optional<Answer> answer;  // none: nothing may be asked
        std::string document;          // the editor's text afterwards
        std::string disk;              // the file's bytes afterwards; empty: gone
    };
    const Row rows[] = {
        {"a file only touched asks nothing", Change::Touch, false, Command::Activate, {}, loaded, loaded},
        {"Yes reloads the file", Change::Rewrite, false, Command::Activate, Answer::Yes, other, other},
        {"Yes reloads over unsaved changes", Change::Rewrite, true, Command::Activate, Answer::Yes, other, other},
        {"No keeps the unsaved changes", Change::Rewrite, true, Command::Activate, Answer::No, edited, other},
        {"Cancel keeps the document", Change::Rewrite, false, Command::Activate, Answer::Cancel, loaded, other},
        {"a file that is gone asks nothing", Change::Delete, true, Command::Activate, {}, edited, ""},
        {"Save over a changed file, Yes, writes", Change::Rewrite, true, Command::Save, Answer::Yes, edited, edited},
        {"Save over a changed file, No, leaves it", Change::Rewrite, true, Command::Save, Answer::No, edited, other},
        {"Save over a touched file asks nothing", Change::Touch, true, Command::Save, {}, edited, edited},
        {"No to reloading, then Save still asks", Change::Rewrite, true, Command::SaveAfterNoToReload, Answer::No,
         edited, other},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        MainUnit unit;
        fakes::FakeBoxes boxes;
        fakes::FakeFileWriter writer;
        unit.Boxes = &boxes;
        unit.Files = &writer;
        DocumentFiles files(unit, nullptr);
        const std::string path = dir.Write("a.vbs", loaded);
        files.OpenOperation("a.vbs", path);
        files.CheckFileOnDisk();  // the document's own load is no change
        if (row.edited) {
            unit.MainText.SetSelStart(unit.MainText.Length());
            unit.MainText.TypeText("' mine");
        }
        const int caret = unit.MainText.SelStart();

        const auto later = fs::last_write_time(path) + std::chrono::seconds(5);
        switch (row.change) {
        case Change::Touch: fs::last_write_time(path, later); break;
        case Change::Rewrite: dir.Write("a.vbs", other); break;
        case Change::Delete: fs::remove(path); break;
        }
        std::vector<std::string> asked;
        if (row.command == Command::SaveAfterNoToReload) {
            boxes.Answer(Answer::No);
            files.CheckFileOnDisk();
            asked.push_back(ReloadQuestion(path, row.edited));
        }
        if (row.answer) boxes.Answer(*row.answer);
        if (row.command == Command::Activate) {
            files.CheckFileOnDisk();
        } else {
            EXPECT_EQ(files.Save(), row.answer != Answer::No);
        }

        if (row.answer)
            asked.push_back(row.command != Command::Activate ? SaveOverQuestion(path) : ReloadQuestion(path, row.edited));
        EXPECT_EQ(boxes.Questions(), asked);
        EXPECT_EQ(unit.MainText.Text(), row.document);
        EXPECT_EQ(unit.MainText.SelStart(), std::min(caret, unit.MainText.Length()));  // a reload keeps the caret
        EXPECT_EQ(fs::exists(path) ? TempDir::Read(path) : "", row.disk);
        // Nothing more is asked until the file changes again; the program's own save is no change,
        // and neither is a touch of the bytes already asked about.
        files.CheckFileOnDisk();
        EXPECT_EQ(boxes.Questions().size(), asked.size());
        if (!fs::exists(path)) continue;
        fs::last_write_time(path, later + std::chrono::seconds(5));
        files.CheckFileOnDisk();
        EXPECT_EQ(boxes.Questions().size(), asked.size());
        dir.Write("a.vbs", "x = 333\r\n");
        boxes.Answer(Answer::No);
        files.CheckFileOnDisk();
        EXPECT_EQ(boxes.Questions().size(), asked.size() + 1);
    }
}

}  // namespace
}  // namespace tarnwick
