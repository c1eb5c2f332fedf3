// The settings file reader and writer on any file: a value written reads back
// as written, from the same key and from a fresh one, and every other value the
// file held reads as before.
#include "settings/FileSettingsStore.h"
#include "tests/fakes/FakeFileWriter.h"
#include "tests/fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

using namespace tarnwick;

namespace {

const std::filesystem::path& SettingsFile() {
    static const std::filesystem::path file = [] {
        auto dir = std::filesystem::temp_directory_path() / ("tarnwick-fuzz-settings-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        return dir / "Tarnwick.conf";
    }();
    return file;
}

// The names of the "Name=" lines of the file, found the plain way.
std::vector<std::string> NamesIn(const std::string& bytes) {
    std::vector<std::string> names;
    std::size_t from = 0;
    while (from < bytes.size()) {
        std::size_t end = bytes.find('\n', from);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(from, end - from);
        from = end + 1;
        if (const std::size_t eq = line.find('='); eq != std::string::npos && eq > 0) names.push_back(line.substr(0, eq));
    }
    return names;
}

bool ValidName(const std::string& name) { return !name.empty() && name.find_first_of("=\r\n[") == std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string name = in.ConsumeRandomLengthString(24);
    const std::string value = in.ConsumeRandomLengthString(200);
    const std::string bytes = in.ConsumeRemainingBytesAsString();
    {
        std::ofstream out(SettingsFile(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    fakes::FakeFileWriter writer;
    FileSettingsStore store(SettingsFile(), writer);

    std::map<std::string, std::optional<std::string>> before;
    {
        const auto key = store.OpenReadOnly();
        for (const std::string& other : NamesIn(bytes)) before[other] = key->ReadString(other);
        FUZZ_CHECK(!key->WriteString("Name", "read-only key"));
    }

    const auto key = store.OpenForWriting();
    FUZZ_CHECK(key != nullptr);
    const bool written = key->WriteString(name, value);
    FUZZ_CHECK(written == ValidName(name));
    if (!written) return 0;
    FUZZ_CHECK(key->ReadString(name) == value);
    const auto fresh = store.OpenReadOnly();
    FUZZ_CHECK(fresh->ReadString(name) == value);
    for (const auto& [other, was] : before)
        if (other != name) FUZZ_CHECK(fresh->ReadString(other) == was);
    return 0;
}
