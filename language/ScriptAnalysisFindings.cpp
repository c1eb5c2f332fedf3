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
    std::vector<Diagnostic>& list = analysis_.diagnostics;
    SettleDiagnostics(list.size());
    if (!diagnosticsInOrder_) return false;
    const auto byPlace = [](const RawDiagnostic& a, const RawDiagnostic& b) {
        if (a.offset != b.offset) return a.offset < b.offset;
        return IsWarning(a.message) < IsWarning(b.message);
    };
    std::sort(gone.begin(), gone.end(), byPlace);
    std::sort(come.begin(), come.end(), byPlace);
    // Two findings of one kind at one place: their order is the whole checks' order.
    const auto samePlace = [](const auto& a, const auto& b) {
        return a.offset == b.offset && IsWarning(a.message) == IsWarning(b.message);
    };
    if (std::adjacent_find(come.begin(), come.end(), samePlace) != come.end()) return false;

    std::vector<Diagnostic> out;
    out.reserve(list.size() + come.size());
    std::vector<bool> taken(gone.size());
    std::size_t g = 0;
    std::size_t c = 0;
    const auto add = [&](const RawDiagnostic& r) {
        Diagnostic& d = out.emplace_back();
        d.severity = IsWarning(r.message) ? Severity::Warning : Severity::Error;
        d.number = static_cast<int>(r.message);
        d.text = FormatMessage(r.message, r.detail);
        d.offset = r.offset;
        d.length = r.length;
        // Not from one reported after the text's end, on a line of its own.
        const bool known = out.size() > 1 && out[out.size() - 2].offset < static_cast<std::int32_t>(text_.size());
        FindPositionAfter(text_, form_, known ? out[out.size() - 2] : Diagnostic{}, d);
    };
    for (Diagnostic& d : list) {
        while (g < gone.size() && gone[g].offset < d.offset) {
            if (!taken[g]) return false;  // a finding to take away that is not there
            ++g;
        }
        bool drop = false;
        for (std::size_t j = g; j < gone.size() && gone[j].offset == d.offset && !drop; ++j) {
            if (!taken[j] && static_cast<int>(gone[j].message) == d.number) drop = taken[j] = true;
        }
        if (drop) continue;
        if (d.offset >= static_cast<std::int32_t>(offset)) {
            d.offset += delta;
            if (static_cast<std::size_t>(d.offset) <= lineLast) d.column += delta;
        }
        const bool warning = d.severity == Severity::Warning;
        for (; c < come.size() && (come[c].offset < d.offset || (come[c].offset == d.offset && !IsWarning(come[c].message) && warning)); ++c)
            add(come[c]);
        if (c < come.size() && come[c].offset == d.offset && IsWarning(come[c].message) == warning) return false;
        out.push_back(std::move(d));
    }
    if (std::find(taken.begin() + static_cast<std::ptrdiff_t>(g), taken.end(), false) != taken.end()) return false;
    for (; c < come.size(); ++c) add(come[c]);
    // The host's first error leads: one found in reading comes before a name redefined, wherever it stands.
    const auto late = [](const Diagnostic& d) {
        return d.number == static_cast<int>(Message::NameRedefined) ||
               d.number == static_cast<int>(Message::InconsistentPropertyArguments);
    };
    const auto error = [](const Diagnostic& d) { return d.severity == Severity::Error; };
    const auto firstError = std::find_if(out.begin(), out.end(), error);
    if (firstError != out.end() && late(*firstError) &&
        std::any_of(firstError, out.end(), [&](const Diagnostic& d) { return error(d) && !late(d); }))
        return false;
    list = std::move(out);
    lags_.diagnostics = {};
    return true;
}

}  // namespace tarnwick::language
