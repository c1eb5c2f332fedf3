#include "lsp/LspCommand.h"

#include "lsp/LanguageServer.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tarnwick::lsp {
namespace {

// Whatever the pipe holds now, up to the buffer's size; 0 at the end of the input.
long ReadInput(char* buffer, unsigned size) {
#ifdef _WIN32
    return _read(0, buffer, size);
#else
    long got = 0;
    do got = ::read(0, buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
#endif
}

void WriteMessage(const QByteArray& body) {
    const std::string header = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    std::fwrite(header.data(), 1, header.size(), stdout);
    std::fwrite(body.data(), 1, static_cast<std::size_t>(body.size()), stdout);
    std::fflush(stdout);
}

}  // namespace

bool IsLspCommand(const std::vector<std::string>& arguments) {
    return arguments.size() >= 2 && arguments[1] == kLspOption;
}

int RunLspCommand(int argc, char** argv) {
#ifdef _WIN32
    // The lengths count bytes: no CR may be added or taken away.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // A core application (no display) for the executable's folder, where syntax.ini stands.
    QCoreApplication app(argc, argv);
    const QString syntaxIni = QDir(QCoreApplication::applicationDirPath()).filePath("syntax.ini");
    LanguageServer server(LoadSyntaxTable(syntaxIni.toStdString()), WriteMessage);
    MessageReader reader;
    std::string buffer(1 << 16, '\0');
    while (!server.Exited()) {
        const long got = ReadInput(buffer.data(), static_cast<unsigned>(buffer.size()));
        if (got <= 0) return 1;  // the client went away without "exit"
        reader.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
        while (!server.Exited()) {
            std::optional<ReadMessage> message = reader.Next();
            if (!message) break;
            server.Receive(std::move(*message));
        }
    }
    return server.ExitCode();
}

}  // namespace tarnwick::lsp
