#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// The characters a script host writes to a pipe, as that host writes them.
enum class HostTextForm { Utf8, Utf16Le, OemCodePage };

struct HostWriting {
    HostTextForm form = HostTextForm::Utf8;
    int codePage = 0;  // for OemCodePage
    bool operator==(const HostWriting&) const = default;
};

// The code page of console programs under Wine when nothing else is known.
inline constexpr int kWineOemCodePage = 437;

// Our own console script host, run through Wine where Windows' are missing.
inline constexpr std::string_view kOwnHostName = "tarnwick-host";

// The program of the words started, past a "wine" in front of it: its file
// name in lower case, without folder and ".exe".
std::string StartedProgramName(const std::vector<std::string>& startedWords);

// How the started program writes, from the words started (the program
// first; a program run through Wine is the first word after "wine"): our own
// host writes UTF-8, cscript and wscript the OEM code page given, either of
// them UTF-16 LE when "//U" stands among the host options before the script.
// Any other program is read as UTF-8.
HostWriting HostWritingOf(const std::vector<std::string>& startedWords, int oemCodePage);

// The characters of bytes 0x80 to 0xFF of one OEM code page.
struct OemCodePage {
    int number;
    char16_t upper[128];
};
extern const OemCodePage kOemCodePages[];
extern const std::size_t kOemCodePageCount;

// Whether the code page has a table here.
bool KnowsOemCodePage(int codePage);

// Turns one channel's bytes into UTF-8 as they come: a character split
// between two reads is kept until its end arrives. A byte-order mark at the
// start is dropped; bytes that form no character become U+FFFD. An OEM
// code page without a table is read as code page 437.
class HostOutputDecoder {
public:
    explicit HostOutputDecoder(HostWriting writing = {}) : writing_(writing) {}
    std::string Decode(std::string_view bytes);
    // The end of the channel: an unfinished character becomes U+FFFD.
    std::string Finish();

private:
    std::string DecodeUtf8(std::string_view bytes, bool atEnd);
    std::string DecodeUtf16(std::string_view bytes, bool atEnd);
    std::string DecodeOem(std::string_view bytes) const;

    HostWriting writing_;
    std::string pending_;  // the start of a character whose end has not come yet
    bool started_ = false;  // past the place of a byte-order mark
};

// The length of the longest start of text, at most `limit` bytes, that does
// not split a UTF-8 character (at least one character when one is longer).
std::size_t Utf8PieceLength(std::string_view text, std::size_t limit);

}  // namespace tarnwick
