#include "lsp/LanguageServer.h"

#include "lsp/Protocol.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <span>
#include <unordered_map>

namespace tarnwick::lsp {
namespace {

// The methods answered, by name.
struct MethodHash {
    std::size_t operator()(const QString& s) const { return qHash(s); }
};

const char* EncodingName(PositionEncoding encoding) {
    switch (encoding) {
    case PositionEncoding::Utf8: return "utf-8";
    case PositionEncoding::Utf32: return "utf-32";
    case PositionEncoding::Utf16: break;
    }
    return "utf-16";
}

// UTF-8 when the client offers it (its bytes are the document's own), else the protocol's UTF-16.
PositionEncoding ChooseEncoding(const QJsonObject& params) {
    const QJsonArray offered =
        params.value("capabilities").toObject().value("general").toObject().value("positionEncodings").toArray();
    for (const QJsonValue& name : offered)
        if (name.toString() == "utf-8") return PositionEncoding::Utf8;
    return PositionEncoding::Utf16;
}

QJsonObject Capabilities(PositionEncoding encoding) {
    return {
        {"positionEncoding", EncodingName(encoding)},
        {"textDocumentSync", QJsonObject{{"openClose", true}, {"change", 2}}},  // incremental
        {"documentSymbolProvider", true},
        {"definitionProvider", true},
        {"referencesProvider", true},
        {"renameProvider", true},
        {"completionProvider", QJsonObject{{"triggerCharacters", QJsonArray{"."}}}},
        {"signatureHelpProvider", QJsonObject{{"triggerCharacters", QJsonArray{"(", " ", ","}}}},
        {"hoverProvider", true},
        {"documentFormattingProvider", true},
        {"documentRangeFormattingProvider", true},
    };
}

}  // namespace

LanguageServer::LanguageServer(SyntaxEntries table, Send send) : table_(std::move(table)), send_(std::move(send)) {}

void LanguageServer::Receive(ReadMessage message) {
    switch (message.kind) {
    case ReadMessage::Kind::Message:
        documentText_ = std::move(message.documentText);
        Dispatch(message.object);
        documentText_.reset();
        return;
    case ReadMessage::Kind::BadJson:
        return SendMessage(ErrorResponseTo(QJsonValue::Null, ErrorCode::ParseError, message.error));
    case ReadMessage::Kind::NotAnObject:
        return SendMessage(ErrorResponseTo(QJsonValue::Null, ErrorCode::InvalidRequest, message.error));
    case ReadMessage::Kind::BadFraming:
        // No message, so nothing to answer: the client hears of it in its log.
        return Notify("window/logMessage", {{"type", 1}, {"message", QString::fromStdString(message.error)}});
    }
}

void LanguageServer::Notify(const QString& method, const QJsonObject& params) {
    SendMessage(QJsonObject{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}});
}

void LanguageServer::SendMessage(const QJsonObject& message) { send_(QJsonDocument(message).toJson(QJsonDocument::Compact)); }

void LanguageServer::Dispatch(const QJsonObject& message) {
    static const std::unordered_map<QString, Handler, MethodHash> requests = {
        {"initialize", &LanguageServer::Initialize},
        {"shutdown", &LanguageServer::Shutdown},
        {"textDocument/documentSymbol", &LanguageServer::DocumentSymbols},
        {"textDocument/definition", &LanguageServer::Definition},
        {"textDocument/references", &LanguageServer::References},
        {"textDocument/rename", &LanguageServer::Rename},
        {"textDocument/completion", &LanguageServer::Completion},
        {"textDocument/signatureHelp", &LanguageServer::SignatureHelp},
        {"textDocument/hover", &LanguageServer::Hover},
        {"textDocument/formatting", &LanguageServer::Formatting},
        {"textDocument/rangeFormatting", &LanguageServer::RangeFormatting},
    };
    using Notified = void (LanguageServer::*)(const QJsonObject&);
    static const std::unordered_map<QString, Notified, MethodHash> notifications = {
        {"textDocument/didOpen", &LanguageServer::DidOpen},
        {"textDocument/didChange", &LanguageServer::DidChange},
        {"textDocument/didClose", &LanguageServer::DidClose},
    };

    const QJsonValue method = message.value("method");
    const bool isRequest = message.contains("id");
    const QJsonValue id = message.value("id");
    if (isRequest && !id.isString() && !id.isDouble())
        return SendMessage(ErrorResponseTo(QJsonValue::Null, ErrorCode::InvalidRequest, "A request's id must be a number or a string."));
    if (!method.isString()) {
        if (isRequest && (message.contains("result") || message.contains("error"))) return;  // a response: none is awaited
        return SendMessage(ErrorResponseTo(id, ErrorCode::InvalidRequest, "A message must name its method."));
    }
    const QString name = method.toString();
    const QJsonValue params = message.value("params");
    try {
        if (!params.isUndefined() && !params.isObject())
            throw RequestError(ErrorCode::InvalidParams, "The params must be an object.");
        if (!isRequest) {
            if (name == "exit") {
                exitCode_ = shutDown_ ? 0 : 1;
            } else if (auto found = notifications.find(name); found != notifications.end() && initialized_ && !shutDown_) {
                (this->*found->second)(params.toObject());
            }
            return;  // "initialized", "$/..." and notifications unknown here need nothing
        }
        if (!initialized_ && name != "initialize")
            throw RequestError(ErrorCode::ServerNotInitialized, "The server has not been initialized.");
        if (shutDown_) throw RequestError(ErrorCode::InvalidRequest, "The server is shut down.");
        const auto found = requests.find(name);
        if (found == requests.end())
            throw RequestError(ErrorCode::MethodNotFound, "Unknown method \"" + name.toStdString() + "\".");
        SendMessage(ResponseTo(id, (this->*found->second)(params.toObject())));
    } catch (const RequestError& error) {
        if (isRequest) SendMessage(ErrorResponseTo(id, error.code, error.what()));
        else Notify("window/logMessage", {{"type", 1}, {"message", QString::fromUtf8(error.what())}});
    } catch (const std::exception& failure) {
        if (isRequest) SendMessage(ErrorResponseTo(id, ErrorCode::InternalError, failure.what()));
        else Notify("window/logMessage", {{"type", 1}, {"message", QString::fromUtf8(failure.what())}});
    }
}

QJsonValue LanguageServer::Initialize(const QJsonObject& params) {
    if (initialized_) throw RequestError(ErrorCode::InvalidRequest, "The server is already initialized.");
    initialized_ = true;
    encoding_ = ChooseEncoding(params);
    return QJsonObject{{"capabilities", Capabilities(encoding_)},
                       {"serverInfo", QJsonObject{{"name", "tarnwick"}, {"version", TARNWICK_VERSION}}}};
}

QJsonValue LanguageServer::Shutdown(const QJsonObject&) {
    shutDown_ = true;
    scripts_.clear();
    return QJsonValue::Null;
}

void LanguageServer::DidOpen(const QJsonObject& params) {
    const QJsonObject item = ObjectMember(params, "textDocument");
    const QString uri = StringMember(item, "uri");
    std::string text = documentText_ ? std::move(*documentText_) : StringMember(item, "text").toStdString();
    auto script = std::make_unique<OpenScript>(std::move(text), IntMember(item, "version"), encoding_);
    OpenScript& opened = *(scripts_[uri] = std::move(script));
    Analyse(uri, opened);
}

void LanguageServer::DidChange(const QJsonObject& params) {
    const QJsonObject item = ObjectMember(params, "textDocument");
    OpenScript& script = ScriptOf(params);
    const int version = IntMember(item, "version");  // read first: a change without one changes nothing
    const QJsonValue changes = params.value("contentChanges");
    if (!changes.isArray()) throw RequestError(ErrorCode::InvalidParams, "\"contentChanges\" must be an array.");
    for (const QJsonValue& value : changes.toArray()) {
        const QJsonObject change = value.toObject();
        std::string text = StringMember(change, "text").toStdString();
        if (!change.contains("range")) {
            script.checked = language::ScriptAnalysis(std::move(text), language::TextForm::Utf8);
            script.document.Reread();
            continue;
        }
        // A range past the end is taken to the end: the client's text and ours stay the same length.
        const Range range = RangeMember(change, "range");
        const int start = script.document.ClampedOffsetOf(range.start);
        const int end = script.document.ClampedOffsetOf(range.end);
        if (end < start) throw RequestError(ErrorCode::InvalidParams, "A change's range ends before it starts.");
        script.checked.Replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), text);
        script.document.Replaced(start, end, static_cast<int>(text.size()));
    }
    script.document.SetVersion(version);
    Analyse(StringMember(item, "uri"), script);
}

void LanguageServer::DidClose(const QJsonObject& params) {
    const QString uri = StringMember(ObjectMember(params, "textDocument"), "uri");
    if (scripts_.erase(uri) == 0) throw RequestError(ErrorCode::RequestFailed, "The document is not open.");
    // The client clears what it shows for a closed script only when told.
    Notify("textDocument/publishDiagnostics", {{"uri", uri}, {"diagnostics", QJsonArray{}}});
}

void LanguageServer::Analyse(const QString& uri, OpenScript& script) {
    // Written as text, not built as objects: after each keystroke this is most of the answer.
    // The members stand in the order a QJsonObject would give them, so the bytes are the same.
    const TextDocument& document = script.document;
    QByteArray body = R"({"jsonrpc":"2.0","method":"textDocument/publishDiagnostics","params":{"diagnostics":[)";
    // The host stops at the first error; beyond a few hundred more, a list only slows the client.
    constexpr std::size_t kMostDiagnostics = 500;
    const std::span<const language::Diagnostic> found = script.checked.FirstDiagnostics(kMostDiagnostics);
    const auto position = [&body](Position p) {
        body += R"({"character":)" + QByteArray::number(p.character) + R"(,"line":)" + QByteArray::number(p.line) + '}';
    };
    for (const language::Diagnostic& d : found) {
        if (&d != found.data()) body += ',';
        body += R"({"code":)" + QByteArray::number(d.number) + R"(,"message":)";
        AppendJsonString(body, QString::fromStdString(d.text));
        const Range range = document.RangeOf(d.offset, d.length);
        body += R"(,"range":{"end":)";
        position(range.end);
        body += R"(,"start":)";
        position(range.start);
        body += R"(},"severity":)";
        body += d.severity == language::Severity::Error ? '1' : '2';
        body += R"(,"source":"tarnwick"})";
    }
    body += R"(],"uri":)";
    AppendJsonString(body, uri);
    body += R"(,"version":)" + QByteArray::number(document.Version()) + "}}";
    send_(body);
}

OpenScript& LanguageServer::ScriptOf(const QJsonObject& params) {
    const QString uri = StringMember(ObjectMember(params, "textDocument"), "uri");
    const auto found = scripts_.find(uri);
    if (found == scripts_.end())
        throw RequestError(ErrorCode::RequestFailed, "The document " + uri.toStdString() + " is not open.");
    return *found->second;
}

std::pair<OpenScript*, int> LanguageServer::ScriptAndOffset(const QJsonObject& params) {
    OpenScript& script = ScriptOf(params);
    const Position position = PositionMember(params, "position");
    const std::optional<int> offset = script.document.OffsetOf(position);
    if (!offset) throw RequestError(ErrorCode::InvalidParams, "The position lies past the document's end.");
    return {&script, *offset};
}

}  // namespace tarnwick::lsp
