#pragma once
// Whole-file helpers for the small user files and the read-only data files.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Reads at most `max_bytes` of the file; nullopt when it cannot be opened.
std::optional<std::vector<uint8_t>> read_file_prefix(const std::string& path, size_t max_bytes);

// Replaces `path` with `data`: written to a temporary file in the same folder, flushed to disk,
// then renamed over the old file. On any failure the old file is left as it was and false is
// returned.
bool write_file_atomically(const std::string& path, std::span<const uint8_t> data);

// How the temporary file is flushed to disk (fsync by default); tests make it fail.
using FileSync = int (*)(int fd);
void file_io_set_sync(FileSync sync);
