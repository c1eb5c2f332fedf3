#include "help/HelpMenu.h"

#include "fakes/FakeBoxes.h"
#include "unit/Ports.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// Records each address with the number of boxes shown before it was opened.
class RecordingOpener : public UrlOpener {
public:
    explicit RecordingOpener(const fakes::FakeBoxes& boxes) : boxes_(boxes) {}
    void Open(const std::string& address) override { opened.push_back({address, boxes_.shown.size()}); }
    std::vector<std::pair<std::string, std::size_t>> opened;

private:
    const fakes::FakeBoxes& boxes_;
};

TEST(HelpMenu, HomePageAndReportOpenTheMakersAddresses) {
    fakes::FakeBoxes boxes;
    RecordingOpener urls(boxes);
    mHomePageClick(urls);
    mReportClick(boxes, urls);
    using Opened = std::vector<std::pair<std::string, std::size_t>>;
    EXPECT_EQ(urls.opened, (Opened{{"https://tarnwick.example.org/", 0},
                                   {"mailto:feedback@tarnwick.example.org?Subject=Tarnwick%20Feedback", 1}}));
    EXPECT_EQ(boxes.Texts(fakes::FakeBoxes::Kind::Information),
              std::vector<std::string>{"Please be specify when repoting errors or suggestions."});
}

}  // namespace
}  // namespace tarnwick
