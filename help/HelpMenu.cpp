#include "help/HelpMenu.h"

#include "unit/Ports.h"

namespace tarnwick {

std::string HomePageAddress() { return std::string("https://") + kWebSite + "/"; }

std::string FeedbackMailAddress() {
    return std::string("mailto:") + kFeedbackAddress + "?Subject=Tarnwick%20Feedback";
}

void mHomePageClick(UrlOpener& urls) { urls.Open(HomePageAddress()); }

void mReportClick(MessageBoxes& boxes, UrlOpener& urls) {
    boxes.Information(kReportNote);
    urls.Open(FeedbackMailAddress());
}

}  // namespace tarnwick
