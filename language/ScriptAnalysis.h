#pragma once

#include "language/Check.h"
#include "language/Lexer.h"
#include "language/NameUses.h"
#include "language/Parser.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::language {

// A script kept checked while it is edited. An edit is read again from the
// start of the statement of the script's level it falls in, up to the first
// such statement after it where the reading is where the previous one was;
// the rest of the previous reading is kept, moved by the edit's size. The
// result is always exactly what AnalyzeScript gives for the whole text.
class ScriptAnalysis {
public:
    ScriptAnalysis(std::string text, TextForm form, CheckOptions options = {});

    // Replaces `removed` bytes at `offset` (both taken to the text's end) with `inserted`.
    void Replace(std::size_t offset, std::size_t removed, std::string_view inserted);

    const std::string& Text() const { return text_; }
    const Analysis& Result() {
        SettleAll();
        return analysis_;
    }
    // The first `count` findings (fewer when there are fewer), without moving the rest into place.
    std::span<const Diagnostic> FirstDiagnostics(std::size_t count);
    // The bytes read again by the last Replace (the whole text after a full reading).
    std::size_t LastReadBytes() const { return lastRead_; }

private:
    // Reads from statements_[first] (the whole text when first < 0) and splices the
    // reading into the kept one; `offset`, `removed` and `inserted` describe the edit.
    void ReadAgain(int first, std::size_t offset, std::size_t removed, std::size_t inserted);

    // An edit moves what follows it only once something reads it there, so that typing
    // at one place of a long script moves nothing at each keystroke. A list's items from
    // `from` on lie `by` bytes later than their offsets say.
    struct Lag {
        std::size_t from = 0;
        std::int32_t by = 0;
    };
    struct Lags {
        Lag statements, scopes, declarations, references, resumeNext, goTo0, objectsWithoutSet, diagnostics;
    };
    // Moves each list's items before the indices `upTo` counts into place, and lets the ones after them lag.
    void SettleAt(const StatementStart& upTo, std::size_t statement);
    void SettleAll();
    // The checks after reading, over the whole tree.
    void Finish();
    // Where the tree's items lie now, the lagging ones included.
    SpanOf CurrentSpans() const;
    // The findings of the checks after reading about `names`, and about the On Error
    // statements of `scopes` and the assignments without Set objectsWithoutSet[from, to).
    void FindingsOf(const std::vector<std::string>& names, const std::vector<int>& scopes, std::size_t from,
                    std::size_t to, std::vector<RawDiagnostic>& out) const;
    // Takes the findings `gone` (placed before the edit at `offset`) away, moves the rest by
    // the edit, and adds `come`; false when only the whole checks can tell the order.
    bool Refind(std::vector<RawDiagnostic> gone, std::vector<RawDiagnostic> come, std::size_t offset,
                std::int32_t delta, std::size_t lineLast);
    void SettleDiagnostics(std::size_t upTo);
    std::int32_t StatementOffset(std::size_t i) const {
        return statements_[i].offset + (i >= lags_.statements.from ? lags_.statements.by : 0);
    }
    // The first statement at or after `from` that starts at or after `offset`.
    std::size_t StatementAtOrAfter(std::size_t from, std::int64_t offset) const;

    std::string text_;
    TextForm form_;
    CheckOptions options_;
    std::vector<RawDiagnostic> readErrors_;  // the errors found while reading, as the parser gave them
    std::vector<StatementStart> statements_;
    int optionExplicitUnits_ = 0;  // statements_ whose statements set the tree's flags
    int executesCodeUnits_ = 0;
    Analysis analysis_;
    Lags lags_;
    bool lastLazy_ = false;  // the last edit kept the lists' numbering
    NameUses nameUses_;  // made at the first edit that can use it, kept while edits keep the lists' numbering
    bool diagnosticsInOrder_ = true;  // by offset (the host's first error may stand before later ones)
    std::size_t lastRead_ = 0;
    bool plainEdit_ = false;  // the last edit was within a line, of printable ASCII
};

}  // namespace tarnwick::language
