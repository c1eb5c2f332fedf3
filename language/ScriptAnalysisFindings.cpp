// The checks after reading, again for only what an edit touched: the names it
// changed a declaration or a use of, and the On Error statements and
// assignments without Set of what was read again.
#include "language/Messages.h"
#include "language/ScriptAnalysis.h"

#include <algorithm>

namespace tarnwick::language {

SpanOf ScriptAnalysis::CurrentSpans() const {
    return [this](bool declaration, Where w) {
        const Scope& scope = analysis_.tree.scopes[static_cast<std::size_t>(w.scope)];
        const auto index = static_cast<std::size_t>(w.index);
        Span span = declaration ? scope.declarations[index].span : scope.references[index].span;
        const Lag& lag = w.scope == 0 ? (declaration ? lags_.declarations : lags_.references) : lags_.scopes;
        if ((w.scope == 0 ? index : static_cast<std::size_t>(w.scope)) >= lag.from) span.offset += lag.by;
        return span;
    };
}

void ScriptAnalysis::FindingsOf(const std::vector<std::string>& names, const std::vector<int>& scopes,
                                std::size_t from, std::size_t to, std::vector<RawDiagnostic>& out) const {
    const SyntaxTree& tree = analysis_.tree;
    const SpanOf spans = CurrentSpans();
    for (const std::string& name : names)
        if (const NameUse* uses = nameUses_.Find(name)) FindingsOfName(text_, tree, *uses, spans, out);
    const auto moved = [](Span span, const Lag& lag, std::size_t index) {
        if (index >= lag.from) span.offset += lag.by;
        return span;
    };
    // The last On Error statement of a procedure or of the script's own code is Resume Next.
    for (const int s : scopes) {
        const Scope& scope = tree.scopes[static_cast<std::size_t>(s)];
        if (scope.onErrorResumeNext.empty() || scope.kind == ScopeKind::Class) continue;
        const bool script = s == 0;
        const std::size_t last = scope.onErrorResumeNext.size() - 1;
        const Span resume = moved(scope.onErrorResumeNext.back(), script ? lags_.resumeNext : lags_.scopes,
                                  script ? last : static_cast<std::size_t>(s));
        if (!scope.onErrorGoTo0.empty() &&
            moved(scope.onErrorGoTo0.back(), script ? lags_.goTo0 : lags_.scopes,
                  script ? scope.onErrorGoTo0.size() - 1 : static_cast<std::size_t>(s))
                    .offset > resume.offset)
            continue;
        const Span name = moved(scope.nameSpan, lags_.scopes, static_cast<std::size_t>(s));
        out.push_back({Message::ResumeNextLeftOn, resume.offset, resume.length, false,
                       script ? std::string("the script")
                              : "'" + text_.substr(static_cast<std::size_t>(name.offset),
                                                   static_cast<std::size_t>(name.length)) + "'"});
    }
    for (std::size_t i = from; i < to; ++i) {
        const ObjectAssignment& a = tree.objectsWithoutSet[i];
        const Span span = moved(a.span, lags_.objectsWithoutSet, i);
        out.push_back({Message::SetMissing, span.offset, span.length, false, a.name});
    }
}

bool ScriptAnalysis::Refind(std::vector<RawDiagnostic> gone, std::vector<RawDiagnostic> come, std::size_t offset,
                            std::int32_t delta, std::size_t lineLast) {
    if (!diagnosticsInOrder_) return false;
    std::vector<Diagnostic>& list = analysis_.diagnostics;
    Lag& lag = lags_.diagnostics;
    // A finding that is there before the edit and after it, moved as the edit moves the rest, stays
    // (its text taken again: a name's spelling may have changed, and the findings before the edit
    // were worded from the text after it).
    const auto after = [&](RawDiagnostic r) {
        if (r.offset >= static_cast<std::int32_t>(offset)) r.offset += delta;
        return r;
    };
    const auto same = [](const RawDiagnostic& a, const RawDiagnostic& b) {
        return a.offset == b.offset && a.length == b.length && a.message == b.message;
    };
    std::vector<bool> stays(come.size());
    std::erase_if(gone, [&](const RawDiagnostic& g) -> bool {
        const RawDiagnostic moved = after(g);
        for (std::size_t i = 0; i < come.size(); ++i)
            if (!stays[i] && same(moved, come[i])) {
                stays[i] = true;
                return true;
            }
        return false;
    });
    std::vector<RawDiagnostic> reworded;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < come.size(); ++i) {
        if (stays[i]) reworded.push_back(std::move(come[i]));
        else if (kept++ != i) come[kept - 1] = std::move(come[i]);
    }
    come.resize(kept);

    const auto at = [&](std::size_t i) { return list[i].offset + (i >= lag.from ? lag.by : 0); };
    const auto firstFrom = [&](auto before) {
        std::size_t low = 0;
        for (std::size_t count = list.size(); count > 0;) {
            const std::size_t half = count / 2;
            if (before(low + half)) {
                low += half + 1;
                count -= half + 1;
            } else {
                count = half;
            }
        }
        return low;
    };
    // Taken away where they stand before the edit.
    for (const RawDiagnostic& g : gone) {
        std::size_t i = firstFrom([&](std::size_t k) { return at(k) < g.offset; });
        while (i < list.size() && at(i) == g.offset && list[i].number != static_cast<int>(g.message)) ++i;
        if (i == list.size() || at(i) != g.offset) return false;  // not there: the whole checks will tell
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        if (i < lag.from) --lag.from;
    }
    // The rest moves: the ones after the edit lag, but for the few on its line.
    const std::size_t from = firstFrom([&](std::size_t k) { return at(k) < static_cast<std::int32_t>(offset); });
    SettleDiagnostics(from);
    lag.by += delta;
    for (std::size_t i = from; i < list.size() && static_cast<std::size_t>(at(i)) <= lineLast; ++i)
        list[i].column += delta;
    for (const RawDiagnostic& r : reworded) {
        std::size_t i = firstFrom([&](std::size_t k) { return at(k) < r.offset; });
        while (i < list.size() && at(i) == r.offset && list[i].number != static_cast<int>(r.message)) ++i;
        if (i == list.size() || at(i) != r.offset) return false;
        list[i].text = FormatMessage(r.message, r.detail);
    }
    // Added in order: at one place errors come first, and two of one kind take the whole checks.
    for (const RawDiagnostic& r : come) {
        const bool warning = IsWarning(r.message);
        const std::size_t i = firstFrom([&](std::size_t k) {
            return at(k) < r.offset || (at(k) == r.offset && list[k].severity == Severity::Error && warning);
        });
        const auto samePlace = [&](std::size_t k) {
            return k < list.size() && at(k) == r.offset && (list[k].severity == Severity::Warning) == warning;
        };
        if ((i > 0 && samePlace(i - 1)) || samePlace(i)) return false;
        Diagnostic d;
        d.severity = warning ? Severity::Warning : Severity::Error;
        d.number = static_cast<int>(r.message);
        d.text = FormatMessage(r.message, r.detail);
        d.offset = r.offset;
        d.length = r.length;
        // Counted on from the finding before it, unless that one stands after the text's end on a line of its own.
        Diagnostic known;
        if (i > 0 && at(i - 1) < static_cast<std::int32_t>(text_.size())) {
            known = list[i - 1];
            known.offset = at(i - 1);
        }
        FindPositionAfter(text_, form_, known, d);
        if (i > lag.from) d.offset -= lag.by;
        else ++lag.from;
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(i), std::move(d));
    }
    // The host's first error leads: one found in reading comes before a name redefined, wherever it stands.
    if (readErrors_.empty()) return true;
    const auto firstError =
        std::find_if(list.begin(), list.end(), [](const Diagnostic& d) { return d.severity == Severity::Error; });
    return firstError == list.end() || (firstError->number != static_cast<int>(Message::NameRedefined) &&
                                        firstError->number != static_cast<int>(Message::InconsistentPropertyArguments));
}

}  // namespace tarnwick::language
