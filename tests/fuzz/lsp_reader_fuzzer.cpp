// The language server's message reader on any bytes, fed in pieces of every
// size the input chooses: it never crashes or hangs, takes every byte it is
// given, and each message it yields is a JSON object or a reason in words.
// The messages then go through the server itself, which must answer without
// throwing whatever they ask.
#include "lsp/LanguageServer.h"
#include "lsp/MessageReader.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QJsonDocument>

#include <cstdint>
#include <string_view>

using namespace tarnwick::lsp;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte sets the piece size, so one input tries many splits.
    const std::size_t piece = 1 + data[0] % 64;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    MessageReader reader;
    int sent = 0;
    LanguageServer server({}, [&sent](const QByteArray& body) {
        FUZZ_CHECK(QJsonDocument::fromJson(body).object().value("jsonrpc").toString() == "2.0");
        ++sent;
    });
    std::size_t fed = 0;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        const std::string_view part = bytes.substr(at, piece);
        reader.Feed(part);
        fed += part.size();
        while (const std::optional<ReadMessage> message = reader.Next()) {
            if (message->kind == ReadMessage::Kind::Message) FUZZ_CHECK(message->error.empty());
            else FUZZ_CHECK(!message->error.empty());
            server.Receive(*message);
        }
        FUZZ_CHECK(reader.Pending() <= fed);
    }
    return 0;
}
