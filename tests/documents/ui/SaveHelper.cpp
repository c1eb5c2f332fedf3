// A small program that saves through the real file writer, for the scripts
// that kill it mid-save or run it where saving must fail:
//   init FILE                 writes version 0 of the kill test's content
//   repeat FILE               checks FILE as check does, then writes the versions
//                             after the one it holds, one after another, until killed
//   check FILE                prints the version FILE holds; fails unless whole
//   save-document FILE TEXT   opens FILE as the document, appends TEXT, saves;
//                             prints the error, if any, and "changed" or "unchanged"
//   write-setting FILE NAME VALUE   prints "written" or "refused"

#include "documents/DocumentFiles.h"
#include "documents/FileAccess.h"
#include "documents/ui/QtFileWriter.h"
#include "settings/FileSettingsStore.h"
#include "unit/Error.h"
#include "unit/MainUnit.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace tarnwick {
namespace {

// Version k of the content: a header naming k and the length, then bytes that
// depend on both k and their place, so that a mixture of two versions, a cut
// or a hole shows. The lengths differ from one version to the next.
std::string Version(unsigned long k) {
    // Around a megabyte, so that a write takes long enough for a kill to cut it short.
    const std::size_t length = 500000 + (k * 7919) % 1000000;
    std::string bytes = "version " + std::to_string(k) + " " + std::to_string(length) + "\n";
    bytes.reserve(bytes.size() + length);
    for (std::size_t i = 0; i < length; ++i) bytes += static_cast<char>((k * 131 + i * 7 + i / 251) & 0xFF);
    return bytes;
}

// The version the file holds whole; nullopt, after saying why, when it holds none.
std::optional<unsigned long> WholeVersion(const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const Error& failure) {
        std::cout << failure.what() << "\n";
        return std::nullopt;
    }
    unsigned long k = 0;
    if (std::sscanf(bytes.c_str(), "version %lu", &k) != 1 || bytes != Version(k)) {
        std::cout << "not a whole version: " << bytes.size() << " bytes starting \"" << bytes.substr(0, 24)
                  << "\"\n";
        return std::nullopt;
    }
    return k;
}

int SaveDocument(const std::string& path, const std::string& text) {
    QtFileWriter writer;
    MainUnit unit;
    unit.Files = &writer;
    DocumentFiles files(unit, nullptr);
    int status = 0;
    try {
        files.OpenOperation(FileNamePart(path), path);
        unit.MainText.SetSelStart(unit.MainText.Length());
        unit.MainText.TypeText(text);
        files.Save();
    } catch (const Error& failure) {
        std::cout << failure.what() << "\n";
        status = 2;
    }
    std::cout << (files.Changed() ? "changed" : "unchanged") << "\n";
    return status;
}

int Main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    const std::string path = argc > 2 ? argv[2] : "";
    QtFileWriter writer;
    if (mode == "init") {
        writer.Replace(path, Version(0), NewFileAccess::Usual);
        return 0;
    }
    if (mode == "repeat") {
        const std::optional<unsigned long> held = WholeVersion(path);
        if (!held) return 1;
        std::cout << *held << std::endl;  // the driver waits for this line before it takes aim
        for (unsigned long k = *held + 1;; ++k) writer.Replace(path, Version(k), NewFileAccess::Usual);
    }
    if (mode == "check") {
        const std::optional<unsigned long> held = WholeVersion(path);
        if (held) std::cout << *held << "\n";
        return held ? 0 : 1;
    }
    if (mode == "save-document" && argc == 4) return SaveDocument(path, argv[3]);
    if (mode == "write-setting" && argc == 5) {
        FileSettingsStore store(path, writer);
        std::cout << (store.OpenForWriting()->WriteString(argv[3], argv[4]) ? "written" : "refused") << "\n";
        return 0;
    }
    std::cerr << "usage: see the top of SaveHelper.cpp\n";
    return 64;
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);  // a file size limit then fails the write instead of ending the program
#endif
    try {
        return tarnwick::Main(argc, argv);
    } catch (const tarnwick::Error& failure) {
        std::cout << failure.what() << "\n";
        return 1;
    }
}
