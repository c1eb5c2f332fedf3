#pragma once

#include <string>

namespace tarnwick {

class MessageBoxes;
class UrlOpener;

// The maker's addresses, kept here alone.
inline constexpr const char* kWebSite = "tarnwick.example.org";
inline constexpr const char* kFeedbackAddress = "feedback@tarnwick.example.org";
inline constexpr const char* kReportNote = "Please be specify when repoting errors or suggestions.";

std::string HomePageAddress();
// The mail message of Report: "mailto:" address "?Subject=Tarnwick%20Feedback".
std::string FeedbackMailAddress();

// Help > HomePage: the home page in the user's browser; a failure is not reported.
void mHomePageClick(UrlOpener& urls);
// Help > Report: the note first, then, once it is closed, the mail message.
void mReportClick(MessageBoxes& boxes, UrlOpener& urls);

}  // namespace tarnwick
