#include "language/Lexer.h"
#include "language/TokenPipe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>

#include <string>
#include <tuple>
#include <vector>

namespace tarnwick::language {
namespace {

auto Fields(const Token& t, std::int32_t shift) { return std::tuple(t.kind, t.keyword, t.offset - shift, t.length); }

// A script long enough to be read ahead on a second thread, made of one piece
// with lexical errors again and again, reads as that piece read alone: the same
// tokens, and its errors handed over at the same steps of the reading.
TEST(TokenReader, LongScriptReadsAsItsRepeatedPieceReadsAlone) {
    const std::string piece = "x = 1\r\ns = \"open\r\n[" + std::string(300, 'n') + "] = &H\r\ny = 1.2.3 @ [a\r\n"
                              "If a Then b = \"c\" : d = e.f(1) ' note\r\n";
    struct Step { std::tuple<TokenKind, Keyword, std::int32_t, std::int32_t> previous, current; std::size_t errors; };
    std::vector<Step> alone;
    std::vector<RawDiagnostic> pieceErrors;
    for (TokenReader reader(piece, TextForm::Ansi, pieceErrors); reader.Current().kind != TokenKind::EndOfText;
         reader.Advance())
        alone.push_back({Fields(reader.Previous(), 0), Fields(reader.Current(), 0), pieceErrors.size()});
    ASSERT_EQ(pieceErrors.size(), 6u);

    std::string script;
    while (script.size() < 1'500'000) script += piece;
    std::vector<RawDiagnostic> errors;
    TokenReader reader(script, TextForm::Ansi, errors);
    for (std::size_t copy = 0; copy * piece.size() < script.size(); ++copy) {
        const auto shift = static_cast<std::int32_t>(copy * piece.size());
        for (std::size_t k = 0; k < alone.size(); reader.Advance(), ++k) {
            ASSERT_EQ(Fields(reader.Current(), shift), alone[k].current) << "copy " << copy << ", token " << k;
            if (k > 0) {
                ASSERT_EQ(Fields(reader.Previous(), shift), alone[k].previous);
            }
            ASSERT_EQ(errors.size(), copy * pieceErrors.size() + alone[k].errors) << "copy " << copy << ", token " << k;
        }
        for (std::size_t e = 0; e < pieceErrors.size(); ++e) {
            const RawDiagnostic& found = errors[copy * pieceErrors.size() + e];
            ASSERT_EQ(std::tuple(found.message, found.offset - shift, found.length),
                      std::tuple(pieceErrors[e].message, pieceErrors[e].offset, pieceErrors[e].length));
        }
    }
    EXPECT_EQ(reader.Current().kind, TokenKind::EndOfText);
}

// The pipe's thread reading a text without end: a failure of its reading
// reaches the reader at the block that failed, after every block read before
// it, and a reader that drops the pipe midway is not kept waiting.
TEST(TokenPipe, FailureReachesTheReaderAndDroppingStopsTheThread) {
    struct Row { int failingFill; int nexts; int thrownAt; };  // 0: never fails; 0: nothing thrown
    for (const Row row : {Row{3, 5, 3}, Row{0, 1, 0}, Row{0, 9, 0}}) {
        int fills = 0;
        int thrownAt = 0;
        {
            TokenPipe pipe([&](Token* out, std::size_t capacity, std::vector<PendingErrors::Entry>&) {
                if (++fills == row.failingFill) throw std::bad_alloc();
                std::fill_n(out, capacity, Token{TokenKind::Name});
                return capacity;
            });
            for (int next = 1; next <= row.nexts && thrownAt == 0; ++next) {
                try {
                    EXPECT_EQ(pipe.Next().count, TokenPipe::kBlockTokens);
                } catch (const std::bad_alloc&) {
                    thrownAt = next;
                }
            }
        }
        EXPECT_EQ(thrownAt, row.thrownAt) << "failing fill " << row.failingFill;
    }
}

}  // namespace
}  // namespace tarnwick::language
