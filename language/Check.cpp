#include "language/Check.h"

#include "language/Lexer.h"
#include "language/Messages.h"
#include "language/NameChecks.h"
#include "language/Parser.h"
#include "language/Warnings.h"

#include <algorithm>
#include <cstring>

namespace tarnwick::language {
namespace {

// Turns byte offsets, in increasing order, into the host's 1-based lines and
// columns: a CR LF pair, a lone CR and a lone LF each end a line; a column
// counts bytes of Windows-1252 text and UTF-16 units of UTF-8 text.
class PositionFinder {
public:
    PositionFinder(std::string_view text, TextForm form) : text_(text), form_(form) {}
    // Counting on from the start of a line whose number is known.
    PositionFinder(std::string_view text, TextForm form, std::size_t lineStart, int line)
        : text_(text), form_(form), lineStart_(lineStart), line_(line) {}

    void Find(std::size_t offset, int& line, int& column) {
        offset = std::min(offset, text_.size());
        // Whole lines at a time, then the characters of the last one.
        while (true) {
            const std::size_t brk = std::min(Next('\n', nextLf_), Next('\r', nextCr_));
            if (brk >= offset) break;
            const bool pair = text_[brk] == '\r' && brk + 1 < text_.size() && text_[brk + 1] == '\n';
            if (pair && brk + 1 >= offset) break;  // offsets never fall between CR and LF
            lineStart_ = brk + (pair ? 2 : 1);
            ++line_;
        }
        line = line_;
        if (form_ == TextForm::Ansi) {
            column = static_cast<int>(offset - lineStart_) + 1;
            return;
        }
        // UTF-16 units, counted on from the last finding when it was on the same line.
        if (countedStart_ != lineStart_ || countedTo_ > offset) {
            countedStart_ = countedTo_ = lineStart_;
            units_ = 0;
        }
        for (; countedTo_ < offset; ++countedTo_) {
            // A unit per character; a four-byte sequence is a surrogate pair, two.
            if (!IsContinuation(countedTo_) ||
                (countedTo_ >= lineStart_ + 3 && static_cast<unsigned char>(text_[countedTo_ - 3]) >= 0xF0 &&
                 IsContinuation(countedTo_ - 2) && IsContinuation(countedTo_ - 1)))
                ++units_;
        }
        column = static_cast<int>(units_) + 1;
    }

private:
    std::string_view text_;
    TextForm form_;
    // The next `c` at or after the current line's start (the text's size when there is
    // none), remembered in `cached` so that each byte is searched once.
    std::size_t Next(char c, std::size_t& cached) const {
        if (cached != kUnknown && cached >= lineStart_) return cached;
        const void* found = std::memchr(text_.data() + lineStart_, c, text_.size() - lineStart_);
        cached = found ? static_cast<std::size_t>(static_cast<const char*>(found) - text_.data()) : text_.size();
        return cached;
    }

    bool IsContinuation(std::size_t at) const { return (static_cast<unsigned char>(text_[at]) & 0xC0) == 0x80; }

    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
    std::size_t nextLf_ = kUnknown;
    std::size_t nextCr_ = kUnknown;
    std::size_t lineStart_ = 0;
    int line_ = 1;
    std::size_t countedStart_ = kUnknown;
    std::size_t countedTo_ = 0;
    std::size_t units_ = 0;
};

bool EndsWithLineBreak(std::string_view text) {
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

}  // namespace

namespace {

enum class WholeTree : bool { No, Yes };

Analysis Analyze(std::string_view text, TextForm form, const CheckOptions& options, WholeTree wholeTree) {
    std::vector<RawDiagnostic> raw;
    Analysis analysis;
    Parser parser(text, form, raw);
    if (wholeTree == WholeTree::No && !options.warnings) parser.SkipUses();
    analysis.tree = parser.Run();
    FinishAnalysis(text, form, options, std::move(raw), analysis);
    return analysis;
}

}  // namespace

void FinishAnalysis(std::string_view text, TextForm form, const CheckOptions& options, std::vector<RawDiagnostic> raw,
                    Analysis& analysis) {
    analysis.diagnostics.clear();
    // The name checks find at most one fault per declaration: room for them all, so that a script
    // that declares its names again and again does not copy its findings at each growth.
    std::size_t declarations = 0;
    for (const Scope& scope : analysis.tree.scopes) declarations += scope.declarations.size();
    raw.reserve(raw.size() + declarations);
    CheckNames(analysis.tree, raw);
    if (options.warnings) FindWarnings(text, analysis.tree, raw);

    // The findings in the order of their places, at one place the host's error
    // first: sorted as indices, which moves no finding's text.
    std::vector<std::uint32_t> order(raw.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    const auto before = [&raw](std::uint32_t a, std::uint32_t b) {
        if (raw[a].offset != raw[b].offset) return raw[a].offset < raw[b].offset;
        return IsWarning(raw[a].message) < IsWarning(raw[b].message);
    };
    // They mostly come in a few runs already in order (the reading's errors, each scope's names, each
    // kind of warning): merging the runs gives what a stable sort gives, in a pass per run; many runs sort.
    constexpr int kMostRuns = 16;
    std::vector<std::uint32_t>::iterator runEnds[kMostRuns];
    int runs = 0;
    for (auto at = order.begin(); at != order.end() && runs <= kMostRuns; ++runs) {
        at = std::is_sorted_until(at, order.end(), before);
        if (runs < kMostRuns) runEnds[runs] = at;
    }
    if (runs > kMostRuns) std::stable_sort(order.begin(), order.end(), before);
    else
        for (int run = 1; run < runs; ++run) std::inplace_merge(order.begin(), runEnds[run - 1], runEnds[run], before);
    PositionFinder positions(text, form);
    analysis.diagnostics.reserve(raw.size());
    // The host stops at the first error it finds: one found while reading the script
    // comes before any found by the checks after reading.
    std::size_t hostFirst = raw.size();
    std::size_t firstError = raw.size();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const RawDiagnostic& r = raw[order[i]];
        if (IsWarning(r.message)) continue;
        if (firstError == raw.size()) firstError = i;
        if (hostFirst == raw.size() || (raw[order[hostFirst]].late && !r.late)) hostFirst = i;
    }
    std::size_t hostFirstIndex = 0;
    std::size_t lastPlain = raw.size();  // the last finding formatted without a detail
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const RawDiagnostic& r = raw[order[i]];
        if (i == hostFirst) hostFirstIndex = analysis.diagnostics.size();
        if (!analysis.diagnostics.empty() && analysis.diagnostics.back().offset == r.offset &&
            analysis.diagnostics.back().number == static_cast<int>(r.message))
            continue;
        Diagnostic& d = analysis.diagnostics.emplace_back();
        d.severity = IsWarning(r.message) ? Severity::Warning : Severity::Error;
        d.number = static_cast<int>(r.message);
        // Findings of a kind often follow each other ("Name redefined" again and again): a text
        // without a name in it is formatted once for the run and copied.
        auto& list = analysis.diagnostics;
        if (r.detail.empty() && lastPlain < list.size() && list[lastPlain].number == d.number) d.text = list[lastPlain].text;
        else d.text = FormatMessage(r.message, r.detail);
        if (r.detail.empty()) lastPlain = list.size() - 1;
        d.offset = r.offset;
        d.length = r.length;
        positions.Find(static_cast<std::size_t>(r.offset), d.line, d.column);
        // An unclosed block: the line after the last, column 1.
        if (r.afterEnd && !text.empty() && !EndsWithLineBreak(text)) {
            ++d.line;
            d.column = 1;
        }
    }
    if (hostFirst < firstError || hostFirst == raw.size() || hostFirst == firstError) return;
    // Move it before the other errors (their positions are computed: order no longer matters).
    auto& list = analysis.diagnostics;
    std::size_t firstErrorIndex = 0;
    while (firstErrorIndex < list.size() && list[firstErrorIndex].severity != Severity::Error) ++firstErrorIndex;
    if (hostFirstIndex > firstErrorIndex && hostFirstIndex < list.size())
        std::rotate(list.begin() + static_cast<std::ptrdiff_t>(firstErrorIndex),
                    list.begin() + static_cast<std::ptrdiff_t>(hostFirstIndex),
                    list.begin() + static_cast<std::ptrdiff_t>(hostFirstIndex) + 1);
}

void FindPositionAfter(std::string_view text, TextForm form, const Diagnostic& known, Diagnostic& found) {
    const std::size_t from = std::min(static_cast<std::size_t>(known.offset), text.size());
    const std::size_t lineBreak = from == 0 ? std::string_view::npos : text.find_last_of("\r\n", from - 1);
    const std::size_t lineStart = lineBreak == std::string_view::npos ? 0 : lineBreak + 1;
    PositionFinder(text, form, lineStart, known.line).Find(static_cast<std::size_t>(found.offset), found.line, found.column);
}

Analysis AnalyzeScript(std::string_view text, TextForm form, const CheckOptions& options) {
    return Analyze(text, form, options, WholeTree::Yes);
}

std::vector<Diagnostic> CheckScript(std::string_view text, TextForm form, const CheckOptions& options) {
    return Analyze(text, form, options, WholeTree::No).diagnostics;
}

std::string HostLine(std::string_view path, const Diagnostic& d) {
    return std::string(path) + "(" + std::to_string(d.line) + ", " + std::to_string(d.column) + ") " +
           (d.severity == Severity::Error ? "Microsoft VBScript compilation error: " : "Tarnwick warning: ") + d.text;
}

}  // namespace tarnwick::language
