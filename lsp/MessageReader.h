#pragma once

#include <QJsonObject>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace simdjson::dom {
class parser;
}

namespace tarnwick::lsp {

// One message taken from the stream, or why none could be.
struct ReadMessage {
    enum class Kind { Message, BadFraming, BadJson, NotAnObject };
    Kind kind = Kind::Message;
    QJsonObject object;  // the message, for Kind::Message
    std::string error;   // what was wrong, in the program's own words
    // The text a didOpen carries, kept out of `object` as the UTF-8 it came in:
    // the one member that may be megabytes, and the form the server keeps.
    std::optional<std::string> documentText;
};

// Splits the bytes of the client's stream into messages: header lines ended by
// CR LF ("Content-Length: N" is the one that counts), an empty line, then N
// bytes of UTF-8 JSON. Bytes may arrive in any pieces. A header block without a
// usable length is dropped whole, so the next message is still found.
class MessageReader {
public:
    MessageReader();
    ~MessageReader();

    // The largest body taken (a longer one is refused): room for a script of hundreds of megabytes.
    static constexpr long long kMaxBody = 1LL << 30;
    // A header block longer than this is garbage, not headers.
    static constexpr std::size_t kMaxHeader = 1 << 16;

    void Feed(std::string_view bytes);
    // The next complete message, if the bytes fed so far hold one.
    std::optional<ReadMessage> Next();
    // Bytes fed but not yet taken.
    std::size_t Pending() const { return buffer_.size() - consumed_; }

private:
    ReadMessage ParseBody(std::string_view body);
    // A copy of an opened script's text, which the parser holds; a large one takes over the buffer.
    std::string TakeText(std::string_view text);
    static constexpr std::size_t kLargeText = 1 << 20;
    static constexpr long long kMostReserved = 1LL << 26;

    std::string buffer_;
    std::size_t consumed_ = 0;
    long long bodyLength_ = -1;  // the length of the body being waited for, after its headers
    std::unique_ptr<simdjson::dom::parser> parser_;  // kept, so its buffers serve the next message too
};

}  // namespace tarnwick::lsp
