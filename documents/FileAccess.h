#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tarnwick {

// Whole-file reads of scripts, byte for byte; writes go through the FileWriter port.

// Paths reach the core as UTF-8 on Windows, so that names outside the ANSI
// code page work, and as the system's own bytes elsewhere.
std::filesystem::path PathOf(const std::string& path);

// The path made whole from the working folder, with "." and ".." taken out, in
// the same form; a path's bytes stay as they are, also where they are no UTF-8.
std::string AbsolutePath(const std::string& path);

// The largest file read: twice what the editor holds, which a UTF-16 file may need.
inline constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{1} << 31;

// The file's bytes, or Error("Cannot open file \"<path>\". <the system's reason>").
// Only plain files are read: a directory, device, pipe or socket is refused,
// and so is a file larger than kMaxFileBytes.
std::string ReadFileBytes(const std::string& path);

// Deletes a file; a file that does not exist is no error, nor is any other failure.
void DeleteFileQuietly(const std::string& path);

}  // namespace tarnwick
