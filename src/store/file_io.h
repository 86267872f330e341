#pragma once
// Whole-record file access in binary mode. Every call opens its file, works and closes it
// again, so no handle stays open between events. Each reports whether it could do its work.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fileio {

// Size in bytes, or -1 when the file cannot be opened.
long fileSize(const std::string& path);

bool exists(const std::string& path);

// Reads up to n bytes at offset into dst. Returns false when the file cannot be opened;
// *got tells how many bytes were there (0 past the end).
bool readAt(const std::string& path, long offset, char* dst, std::size_t n, std::size_t* got = nullptr);

// Writes bytes at offset into an existing file (never creates it). Writing past the end
// extends the file. True only when every byte was written and the file closed cleanly.
bool writeAt(const std::string& path, long offset, std::string_view bytes);

// Creates the file (truncating an existing one) with the given content.
bool createFile(const std::string& path, std::string_view bytes);

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> readAll(const std::string& path);

}  // namespace fileio
