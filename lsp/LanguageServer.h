#pragma once

#include "language/Check.h"
#include "language/ScriptAnalysis.h"
#include "lsp/MessageReader.h"
#include "lsp/TextDocument.h"
#include "syntax/SyntaxTable.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <functional>
#include <map>
#include <memory>

namespace tarnwick::lsp {

// An open script with the result of its latest reading, which an edit
// updates by reading again only what the edit can change. The reading keeps
// the text; the document's lines are found in it, so it is held once.
struct OpenScript {
    OpenScript(std::string text, int version, PositionEncoding encoding)
        : checked(std::move(text), language::TextForm::Utf8),
          document(TextDocument::Borrowed{checked.Text()}, version, encoding) {}
    OpenScript(const OpenScript&) = delete;
    OpenScript& operator=(const OpenScript&) = delete;
    // Reading the result moves into place what the last edits left lagging: no change a reader sees.
    mutable language::ScriptAnalysis checked;
    TextDocument document;
    const language::Analysis& Checked() const { return checked.Result(); }
};

// The protocol's methods, one handler each, over the editor's knowledge of
// VBScript: the syntax check and its tree, the syntax table, object typing,
// parameter tips and tidying. Messages come in whole; whatever it sends goes
// through `send`. Never throws: a request it cannot answer gets an error response.
class LanguageServer {
public:
    // Receives each message as its compact JSON text.
    using Send = std::function<void(const QByteArray& body)>;
    LanguageServer(SyntaxEntries table, Send send);

    // Taken by value: an opened script's text moves on into its document.
    void Receive(ReadMessage message);
    // After "exit": the process's exit code (0 when "shutdown" came first).
    bool Exited() const { return exitCode_ >= 0; }
    int ExitCode() const { return exitCode_; }

private:
    using Handler = QJsonValue (LanguageServer::*)(const QJsonObject& params);

    void Dispatch(const QJsonObject& message);
    void Notify(const QString& method, const QJsonObject& params);
    void SendMessage(const QJsonObject& message);

    // Lifecycle.
    QJsonValue Initialize(const QJsonObject& params);
    QJsonValue Shutdown(const QJsonObject& params);
    // Documents.
    void DidOpen(const QJsonObject& params);
    void DidChange(const QJsonObject& params);
    void DidClose(const QJsonObject& params);
    void Analyse(const QString& uri, OpenScript& script);
    // Knowledge.
    QJsonValue DocumentSymbols(const QJsonObject& params);
    QJsonValue Definition(const QJsonObject& params);
    QJsonValue References(const QJsonObject& params);
    QJsonValue Rename(const QJsonObject& params);
    QJsonValue Completion(const QJsonObject& params);
    QJsonValue SignatureHelp(const QJsonObject& params);
    QJsonValue Hover(const QJsonObject& params);
    QJsonValue Formatting(const QJsonObject& params);
    QJsonValue RangeFormatting(const QJsonObject& params);

    // The open script a request names; RequestFailed when it was never opened.
    OpenScript& ScriptOf(const QJsonObject& params);
    // The script and the byte offset of the request's position (InvalidParams past the last line).
    std::pair<OpenScript*, int> ScriptAndOffset(const QJsonObject& params);
    QJsonValue FormatLines(OpenScript& script, int firstLine, int lastLine);

    SyntaxEntries table_;
    Send send_;
    PositionEncoding encoding_ = PositionEncoding::Utf16;
    bool initialized_ = false;
    bool shutDown_ = false;
    int exitCode_ = -1;
    std::map<QString, std::unique_ptr<OpenScript>> scripts_;
    std::optional<std::string> documentText_;  // the text the reader kept out of the message being handled
};

}  // namespace tarnwick::lsp
