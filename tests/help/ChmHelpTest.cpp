#include "help/ChmHelp.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarnwick {
namespace {

constexpr const char* kHelp = "/opt/tarnwick/Tarnwick Help.chm";
constexpr std::uintptr_t kOwner = 77;

struct Sent {
    std::uintptr_t owner;
    std::optional<std::string> file;
    int command;
    HelpData data;
    bool operator==(const Sent&) const = default;
};

void PrintTo(const Sent& s, std::ostream* os) {
    *os << "{owner " << s.owner << ", file " << (s.file ? "\"" + *s.file + "\"" : "none") << ", command "
        << s.command << ", data ";
    if (const auto* text = std::get_if<std::string>(&s.data)) *os << '"' << *text << '"';
    else *os << std::get<std::uintptr_t>(s.data);
    *os << "}";
}

class RecordingEntry : public HtmlHelpEntry {
public:
    void Send(std::uintptr_t owner, const std::optional<std::string>& file, int command,
              const HelpData& data) override {
        sent.push_back({owner, file, command, data});
    }
    std::vector<Sent> sent;
};

class StubManager : public IHelpManager {
public:
    std::uintptr_t GetHandle() const override { return kOwner; }
    std::string GetHelpFile() const override { return helpFile; }
    void Release(int viewerId) override { released = viewerId; }
    std::string helpFile;
    int released = -1;
};

struct Viewer {
    RecordingEntry entry;
    StubManager manager;
    std::string applicationFile = kHelp;
    TChmHelpViewer viewer{&entry, "/opt/tarnwick/", [this] { return applicationFile; }};
    Viewer() { viewer.SetHelpManager(&manager); }
};

Sent To(const std::string& file, int command, HelpData data = std::uintptr_t{0}) {
    return {kOwner, file, command, std::move(data)};
}

TEST(ChmHelpViewer, RequestsSendTheirCommands) {
    const Sent closeAll{0, std::nullopt, hh::kCloseAll, std::uintptr_t{0}};
    const std::string kHelpFile = kHelp;
    struct Row {
        const char* name;
        std::string applicationFile;
        std::function<void(TChmHelpViewer&)> request;
        std::vector<Sent> expected;
    };
    const std::vector<Row> rows = {
        {"contents", kHelp, [](auto& v) { v.ShowTableOfContents(); }, {To(kHelp, hh::kDisplayToc)}},
        {"contents of a file in capitals", "/h/HELP.CHM", [](auto& v) { v.ShowTableOfContents(); },
         {To("/h/HELP.CHM", hh::kDisplayToc)}},
        {"contents of a file that is not compiled help", "/h/help.hlp",
         [](auto& v) { v.ShowTableOfContents(); }, {}},
        {"keyword entry shown under the keyword alone", kHelp,
         [](auto& v) { v.ShowHelp("TarnwickChm:  For Each "); },
         {To(kHelp, hh::kDisplayIndex, std::string("For Each"))}},
        {"keyword without a name", kHelp, [](auto& v) { v.ShowHelp(" Dim "); },
         {To(kHelp, hh::kDisplayIndex, std::string("Dim"))}},
        {"keyword on a file that is not compiled help", "/h/help.hlp", [](auto& v) { v.ShowHelp("Dim"); }, {}},
        {"topic without extension", kHelp, [](auto& v) { v.DisplayTopic("intro"); },
         {To(kHelpFile + "::/intro.htm", hh::kDisplayTopic)}},
        {"topic in a folder with a dot", kHelp, [](auto& v) { v.DisplayTopic("v1.1/intro"); },
         {To(kHelpFile + "::/v1.1/intro.htm", hh::kDisplayTopic)}},
        {"topic with .HTML keeps its name", kHelp, [](auto& v) { v.DisplayTopic("page.HTML"); },
         {To(kHelpFile + "::/page.HTML", hh::kDisplayTopic)}},
        {"topic with another extension", kHelp, [](auto& v) { v.DisplayTopic("notes.txt"); },
         {To(kHelpFile + "::/notes.txt.htm", hh::kDisplayTopic)}},
        {"context goes to the looked-up file", kHelp, [](auto& v) { v.DisplayHelpContext(42, "other.hlp"); },
         {To(kHelp, hh::kHelpContext, std::uintptr_t{42})}},
        {"context on a file not ending in .chm", "/h/help.hlp",
         [](auto& v) { v.DisplayHelpContext(42, "other.chm"); }, {}},
        {"soft shutdown closes all without owner or file", kHelp, [](auto& v) { v.SoftShutDown(); }, {closeAll}},
        {"shutdown drops the manager", kHelp,
         [](auto& v) {
             v.ShutDown();
             v.ShowTableOfContents();
         },
         {closeAll, {0, kHelpFile, hh::kDisplayToc, std::uintptr_t{0}}}},
        {"get last error is never sent", kHelp, [](auto& v) { v.HtmlHelp(kHelp, hh::kGetLastError, std::uintptr_t{0}); },
         {}},
        {"close all sent directly loses its file", kHelp,
         [](auto& v) { v.HtmlHelp(kHelp, hh::kCloseAll, std::uintptr_t{0}); }, {closeAll}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Viewer v;
        v.applicationFile = row.applicationFile;
        row.request(v.viewer);
        EXPECT_EQ(v.entry.sent, row.expected);
    }
}

TEST(ChmHelpViewer, WithoutAnEntryPointEveryRequestDoesNothing) {
    TChmHelpViewer viewer(nullptr, "/opt/", [] { return std::string(kHelp); });
    viewer.ShowTableOfContents();
    viewer.ShowHelp("Dim");
    viewer.DisplayTopic("intro");
    viewer.DisplayHelpContext(1, kHelp);
    viewer.ShutDown();
    EXPECT_TRUE(viewer.CanShowTableOfContents());
}

TEST(ChmHelpViewer, HelpFileLookup) {
    struct Row {
        const char* managerFile;
        const char* applicationFile;
        const char* executableDir;
        const char* expected;
    };
    const Row rows[] = {
        {"", "Tarnwick Help.chm", "/opt/tarnwick/", "/opt/tarnwick/Tarnwick Help.chm"},
        {"", "Tarnwick Help.chm", "/opt/tarnwick", "/opt/tarnwick/Tarnwick Help.chm"},
        {"", "/usr/share/doc/t.chm", "/opt/tarnwick/", "/usr/share/doc/t.chm"},
        {"", "docs\\t.chm", "C:\\Tarnwick\\", "docs\\t.chm"},
        {"Other.chm", "Tarnwick Help.chm", "C:\\Tarnwick\\", "C:\\Tarnwick\\Other.chm"},
        {"", "", "/opt/tarnwick/", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(LookUpHelpFile(row.managerFile, row.applicationFile, row.executableDir), row.expected);
    }
    // A folder longer than the old 260-character path buffer is kept whole.
    const std::string deep = "/opt/" + std::string(300, 'd') + "/";
    EXPECT_EQ(LookUpHelpFile("", "Tarnwick Help.chm", deep), deep + "Tarnwick Help.chm");
    Viewer v;
    v.applicationFile = "Tarnwick Help.chm";
    EXPECT_EQ(v.viewer.HelpFile(), "/opt/tarnwick/Tarnwick Help.chm");
}

TEST(ChmHelpViewer, Answers) {
    for (const auto& [name, compiled] : std::vector<std::pair<std::string, bool>>{
             {"a.chm", true}, {"A.CHM", true}, {"/x.y/a.Chm", true}, {"a.chm.bak", false}, {"chm", false}, {"", false}})
        EXPECT_EQ(IsCompiledHelp(name), compiled) << name;

    Viewer v;
    EXPECT_EQ(v.viewer.GetViewerName(), "TarnwickChm");
    EXPECT_EQ(v.viewer.GetHelpStrings("Dim"), std::vector<std::string>{"TarnwickChm: Dim"});
    EXPECT_EQ(v.viewer.UnderstandsKeyword("Dim"), 1);
    EXPECT_TRUE(v.viewer.UnderstandsTopic("intro"));
    EXPECT_TRUE(v.viewer.UnderstandsContext(1, "x.CHM"));
    EXPECT_FALSE(v.viewer.UnderstandsContext(1, kHelp + std::string(".old")));
    v.applicationFile = "/h/help.hlp";
    EXPECT_EQ(v.viewer.UnderstandsKeyword("Dim"), 0);
    EXPECT_FALSE(v.viewer.UnderstandsTopic("intro"));
    EXPECT_TRUE(v.viewer.CanShowTableOfContents());

    using List = std::vector<std::string>;
    EXPECT_EQ(v.viewer.SelectKeyword(List{"TarnwickChm: Dim", "WinHelp: Dim"}), 0);
    EXPECT_EQ(v.viewer.SelectKeyword(List{"WinHelp: Dim", "tarnwickchm: Dim", "TarnwickChm"}), 2);
    EXPECT_EQ(v.viewer.SelectKeyword(List{"WinHelp: Dim"}), 0);
    EXPECT_EQ(v.viewer.TableOfContents(List{"TarnwickChm", "WinHelp"}), 0);
    EXPECT_EQ(v.viewer.TableOfContents(List{"Other", "tarnwickchm"}), 1);
    EXPECT_EQ(v.viewer.TableOfContents(List{"WinHelp"}), -1);

    v.viewer.NotifyID(3);
    EXPECT_EQ(v.viewer.ViewerID(), 3);

    const TChmWinHelpTester tester;
    EXPECT_FALSE(tester.CanShowALink("a", kHelp));
    EXPECT_FALSE(tester.CanShowTopic("intro", kHelp));
    EXPECT_FALSE(tester.CanShowContext(1, kHelp));
    EXPECT_EQ(tester.GetHelpStrings("Link"), List{": Link"});
    EXPECT_EQ(tester.GetHelpPath(), "");
    EXPECT_EQ(tester.GetDefaultHelpFile(), "");
}

}  // namespace
}  // namespace tarnwick
