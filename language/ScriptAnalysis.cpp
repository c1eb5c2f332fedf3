#include "language/ScriptAnalysis.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace tarnwick::language {
namespace {

// Replaces kept[from, to) with fresh[freshFrom, freshTo): `moveFresh` puts each new
// item in place, `moveRest` each kept item after the replaced ones.
template <class T, class MoveFresh, class MoveRest>
void Splice(std::vector<T>& kept, std::size_t from, std::size_t to, std::vector<T>& fresh, std::size_t freshFrom,
            std::size_t freshTo, MoveFresh moveFresh, MoveRest moveRest) {
    for (std::size_t i = freshFrom; i < freshTo; ++i) moveFresh(fresh[i]);
    for (std::size_t i = to; i < kept.size(); ++i) moveRest(kept[i]);
    const auto at = [](auto& list, std::size_t i) { return list.begin() + static_cast<std::ptrdiff_t>(i); };
    const std::size_t count = freshTo - freshFrom;
    const std::size_t gap = to - from;
    if (count <= gap) {
        std::move(at(fresh, freshFrom), at(fresh, freshTo), at(kept, from));
        kept.erase(at(kept, from + count), at(kept, to));
    } else {
        std::move(at(fresh, freshFrom), at(fresh, freshFrom + gap), at(kept, from));
        kept.insert(at(kept, to), std::make_move_iterator(at(fresh, freshFrom + gap)),
                    std::make_move_iterator(at(fresh, freshTo)));
    }
}

// Moves what a scope holds by `by` bytes and renumbers the scopes it names with `index`.
template <class Index>
void MoveScope(Scope& scope, std::int32_t by, Index index) {
    scope.span.offset += by;
    scope.nameSpan.offset += by;
    if (scope.parent >= 0) scope.parent = index(scope.parent);
    for (Declaration& d : scope.declarations) {
        d.span.offset += by;
        if (d.scope >= 0) d.scope = index(d.scope);
    }
    for (Reference& r : scope.references) r.span.offset += by;
    for (Span& s : scope.onErrorResumeNext) s.offset += by;
    for (Span& s : scope.onErrorGoTo0) s.offset += by;
}

bool StartsWithByteOrderMark(std::string_view text) { return text.substr(0, 3) == "\xEF\xBB\xBF"; }

}  // namespace

ScriptAnalysis::ScriptAnalysis(std::string text, TextForm form, CheckOptions options)
    : text_(std::move(text)), form_(form), options_(options) {
    analysis_.tree.scopes.emplace_back();
    ReadAgain(-1, 0, 0, text_.size());
}

void ScriptAnalysis::Replace(std::size_t offset, std::size_t removed, std::string_view inserted) {
    offset = std::min(offset, text_.size());
    removed = std::min(removed, text_.size() - offset);
    text_.replace(offset, removed, inserted);
    // The statement before the one the edit starts at: an edit at a line's start may join it to the line before.
    const auto after = std::lower_bound(statements_.begin(), statements_.end(), offset,
                                        [](const StatementStart& s, std::size_t at) { return s.offset < static_cast<std::int64_t>(at); });
    int first = static_cast<int>(after - statements_.begin()) - 1;
    // A byte order mark counts only at the text's start: read from there.
    if (first >= 0 && form_ == TextForm::Utf8 &&
        StartsWithByteOrderMark(std::string_view(text_).substr(static_cast<std::size_t>(statements_[first].offset))))
        first = -1;
    ReadAgain(first, offset, removed, inserted.size());
}

void ScriptAnalysis::ReadAgain(int first, std::size_t offset, std::size_t removed, std::size_t inserted) {
    const std::int32_t start = first < 0 ? 0 : statements_[static_cast<std::size_t>(first)].offset;
    const std::int32_t delta = static_cast<std::int32_t>(inserted) - static_cast<std::int32_t>(removed);
    const std::size_t editEnd = offset + inserted;

    // Read until a statement start that the kept reading has too, moved by the edit.
    std::vector<RawDiagnostic> errors;
    std::vector<StatementStart> starts;
    std::size_t resumeAt = statements_.size();  // the kept statement the reading stopped at
    StatementStart stop;                         // the fresh reading's counts there
    Parser parser(std::string_view(text_).substr(static_cast<std::size_t>(start)), form_, errors);
    parser.NoteStatementStarts(
        starts,
        [&](const StatementStart& s) {
            const std::size_t at = static_cast<std::size_t>(start) + static_cast<std::size_t>(s.offset);
            // Not at the text's end: an unclosed block before it is reported there.
            if (s.offset == 0 || at < editEnd || at >= text_.size()) return false;
            const std::int64_t old = static_cast<std::int64_t>(at) - delta;
            if (old == 0) return false;  // the kept reading skipped a byte order mark there
            const auto found = std::lower_bound(statements_.begin() + (first + 1), statements_.end(), old,
                                                [](const StatementStart& k, std::int64_t o) { return k.offset < o; });
            if (found == statements_.end() || found->offset != old || found->statementSeen != s.statementSeen)
                return false;
            resumeAt = static_cast<std::size_t>(found - statements_.begin());
            stop = s;
            return true;
        },
        first >= 0 && statements_[static_cast<std::size_t>(first)].statementSeen);
    SyntaxTree fresh = parser.Run();
    const bool resumed = resumeAt < statements_.size();
    Scope& freshScript = fresh.scopes.front();
    if (!resumed) {
        stop = {static_cast<std::int32_t>(text_.size()) - start,
                false,
                false,
                false,
                static_cast<std::int32_t>(fresh.scopes.size()),
                static_cast<std::int32_t>(freshScript.declarations.size()),
                static_cast<std::int32_t>(freshScript.references.size()),
                static_cast<std::int32_t>(freshScript.onErrorResumeNext.size()),
                static_cast<std::int32_t>(freshScript.onErrorGoTo0.size()),
                static_cast<std::int32_t>(fresh.objectsWithoutSet.size())};
    }
    lastRead_ = static_cast<std::size_t>(stop.offset);

    // What the kept reading had made before the reading's start and before where it stopped.
    SyntaxTree& tree = analysis_.tree;
    Scope& script = tree.scopes.front();
    StatementStart before{0, false, false, false, 1, 0, 0, 0, 0, 0};
    if (first >= 0) before = statements_[static_cast<std::size_t>(first)];
    StatementStart upTo{0,
                        false,
                        false,
                        false,
                        static_cast<std::int32_t>(tree.scopes.size()),
                        static_cast<std::int32_t>(script.declarations.size()),
                        static_cast<std::int32_t>(script.references.size()),
                        static_cast<std::int32_t>(script.onErrorResumeNext.size()),
                        static_cast<std::int32_t>(script.onErrorGoTo0.size()),
                        static_cast<std::int32_t>(tree.objectsWithoutSet.size())};
    if (resumed) upTo = statements_[resumeAt];
    const std::int32_t keptFrom = resumed ? statements_[resumeAt].offset : std::numeric_limits<std::int32_t>::max();

    // The errors: the kept ones before the start and after the stop, the fresh ones between.
    std::vector<RawDiagnostic> read;
    read.reserve(readErrors_.size() + errors.size());
    for (RawDiagnostic& e : readErrors_)
        if (e.offset < start) read.push_back(std::move(e));
    for (RawDiagnostic& e : errors) {
        if (resumed && e.offset >= stop.offset) continue;  // the kept reading has those
        e.offset += start;
        read.push_back(std::move(e));
    }
    for (RawDiagnostic& e : readErrors_) {
        if (e.offset < keptFrom || e.offset < start) continue;
        e.offset += delta;
        read.push_back(std::move(e));
    }
    readErrors_ = std::move(read);

    // The tree: fresh scopes take the place of the ones read again, later ones are renumbered.
    const std::int32_t added = stop.scopes - 1;
    const auto keptIndex = [&](int k) { return k >= upTo.scopes ? k + before.scopes + added - upTo.scopes : k; };
    const auto freshIndex = [&](int k) { return k == 0 ? 0 : k - 1 + before.scopes; };
    Splice(tree.scopes, static_cast<std::size_t>(before.scopes), static_cast<std::size_t>(upTo.scopes), fresh.scopes, 1,
           static_cast<std::size_t>(stop.scopes), [&](Scope& s) { MoveScope(s, start, freshIndex); },
           [&](Scope& s) { MoveScope(s, delta, keptIndex); });
    Scope& kept = tree.scopes.front();
    const auto moveSpan = [](std::int32_t by) { return [by](auto& item) { item.span.offset += by; }; };
    const auto moveDeclaration = [](std::int32_t by, auto index) {
        return [by, index](Declaration& d) {
            d.span.offset += by;
            if (d.scope >= 0) d.scope = index(d.scope);
        };
    };
    const auto moveBare = [](std::int32_t by) { return [by](Span& s) { s.offset += by; }; };
    Splice(kept.declarations, before.declarations, upTo.declarations, freshScript.declarations, 0,
           stop.declarations, moveDeclaration(start, freshIndex), moveDeclaration(delta, keptIndex));
    Splice(kept.references, before.references, upTo.references, freshScript.references, 0, stop.references,
           moveSpan(start), moveSpan(delta));
    Splice(kept.onErrorResumeNext, before.resumeNext, upTo.resumeNext, freshScript.onErrorResumeNext, 0,
           stop.resumeNext, moveBare(start), moveBare(delta));
    Splice(kept.onErrorGoTo0, before.goTo0, upTo.goTo0, freshScript.onErrorGoTo0, 0, stop.goTo0, moveBare(start),
           moveBare(delta));
    Splice(tree.objectsWithoutSet, before.objectsWithoutSet, upTo.objectsWithoutSet, fresh.objectsWithoutSet, 0,
           stop.objectsWithoutSet, moveSpan(start), moveSpan(delta));
    kept.span = {0, static_cast<std::int32_t>(text_.size())};

    // The statement starts, with the counts of what was made before each.
    const std::size_t replacedFrom = first < 0 ? 0 : static_cast<std::size_t>(first);
    for (std::size_t i = replacedFrom; i < resumeAt; ++i) {
        optionExplicitUnits_ -= statements_[i].optionExplicit;
        executesCodeUnits_ -= statements_[i].executesCode;
    }
    for (const StatementStart& s : starts) {
        optionExplicitUnits_ += s.optionExplicit;
        executesCodeUnits_ += s.executesCode;
    }
    const auto rebase = [](StatementStart& s, const StatementStart& from, const StatementStart& to) {
        s.scopes += to.scopes - from.scopes;
        s.declarations += to.declarations - from.declarations;
        s.references += to.references - from.references;
        s.resumeNext += to.resumeNext - from.resumeNext;
        s.goTo0 += to.goTo0 - from.goTo0;
        s.objectsWithoutSet += to.objectsWithoutSet - from.objectsWithoutSet;
    };
    const StatementStart freshBase{0, false, false, false, 1, 0, 0, 0, 0, 0};
    StatementStart afterFresh = before;
    rebase(afterFresh, freshBase, stop);
    Splice(
        statements_, replacedFrom, resumeAt, starts, 0, starts.size(),
        [&](StatementStart& s) {
            s.offset += start;
            rebase(s, freshBase, before);
        },
        [&](StatementStart& s) {
            s.offset += delta;
            rebase(s, upTo, afterFresh);
        });
    tree.optionExplicit = optionExplicitUnits_ > 0;
    tree.executesCode = executesCodeUnits_ > 0;

    FinishAnalysis(text_, form_, options_, readErrors_, analysis_);
}

}  // namespace tarnwick::language
