#pragma once
// Whole-file reads of the dictionary sources.
#include <optional>
#include <string>

// The file's bytes, unpacked when it is gzip-compressed; nullopt when it cannot be read.
std::optional<std::string> read_source_file(const std::string& path);

// EUC-JP text to UTF-8; bytes that do not decode are skipped.
std::string euc_jp_to_utf8(const std::string& euc);
