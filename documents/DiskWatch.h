#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// What a file on disk looks like from outside: enough to notice cheaply that
// it may have been written.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time{};
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path; a path that cannot be looked at does not exist.
FileStamp StampOf(const std::string& path);

// Tells when the document's file has been changed on disk by another program
// since the document was loaded from it or saved to it.
//
// A new size or modification time alone is no change: the bytes are read and
// compared with those remembered, so a file that was only touched, or written
// again with the same bytes, asks nothing. A write that keeps both the size and
// the modification time (within the file system's resolution) goes unnoticed.
class DiskWatch {
public:
    // After a load or a save: the file at path holds bytes.
    void Remember(const std::string& path, std::string_view bytes) { RememberHash(path, HashOf(bytes)); }
    // The same with the bytes' HashOf, for a caller that hands the bytes on.
    void RememberHash(const std::string& path, std::size_t hash);
    static std::size_t HashOf(std::string_view bytes);
    void Forget();

    // Whether the file at path holds other bytes than those remembered. A file
    // that is gone, cannot be read, or is not the remembered one is no change.
    bool Changed(const std::string& path);
    // The user has seen the file as it now stands and keeps the document:
    // Declined() holds until the file holds other bytes, so a touch alone
    // does not bring the question back.
    void Decline() { declinedHash_ = seenHash_; }
    bool Declined() const { return seenChanged_ && declinedHash_ == seenHash_; }

private:
    std::string path_;
    FileStamp stamp_;        // of the remembered bytes
    std::size_t hash_ = 0;   // of the remembered bytes
    FileStamp seen_;         // the file at the last check
    std::size_t seenHash_ = 0;  // of its bytes then
    bool seenChanged_ = false;
    std::optional<std::size_t> declinedHash_;  // of the bytes the user chose to keep the document over
};

}  // namespace tarnwick
