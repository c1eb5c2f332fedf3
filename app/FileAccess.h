#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarnwick {

// Whole-file reads and writes of scripts, byte for byte.

// Paths reach the core as UTF-8 on Windows, so that names outside the ANSI
// code page work, and as the system's own bytes elsewhere.
std::filesystem::path PathOf(const std::string& path);

// The file's bytes, or Error("Cannot open file \"<path>\". <the system's reason>").
// Only plain files are read: a directory, device, pipe or socket is refused.
std::string ReadFileBytes(const std::string& path);

// Replaces the file's content by bytes without ever leaving it half written:
// the bytes go to a temporary file in the same directory, which then takes
// the original's permissions and replaces it. A symbolic link keeps pointing
// at the file it names; a file that may not be written, or that is no plain
// file, is not replaced. Throws Error("Cannot save file \"<path>\". <reason>");
// the original is then untouched.
void WriteFileSafely(const std::string& path, std::string_view bytes);

// Deletes a file; a file that does not exist is no error, nor is any other failure.
void DeleteFileQuietly(const std::string& path);

}  // namespace tarnwick
