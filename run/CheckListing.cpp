#include "run/CheckListing.h"

#include "editor/Ansi.h"
#include "language/RunCheck.h"

namespace tarnwick {

namespace {

// The document's text in UTF-8: an ANSI text's bytes are Windows-1252 characters.
std::string Utf8Of(const std::string& text, TextEncoding encoding) {
    if (encoding != TextEncoding::Ansi) return text;
    std::string out;
    for (const char c : text) out += EncodeCharacter(AnsiToUnicode(static_cast<unsigned char>(c)), TextEncoding::Utf8);
    return out;
}

}  // namespace

CheckListing ListFindings(const std::vector<language::Diagnostic>& found, const std::string& path,
                          TextEncoding encoding) {
    CheckListing listing{"Check Syntax: " + path, {}, language::CheckSummary(found)};
    for (const language::Diagnostic& d : found)
        listing.lines.push_back({path + Utf8Of(language::HostLine("", d), encoding), CapturedProcess::Channel::Output,
                                 SourcePlace{d.line, d.column}});
    if (found.empty()) listing.lines.push_back({listing.summary, CapturedProcess::Channel::Output, std::nullopt});
    return listing;
}

}  // namespace tarnwick
