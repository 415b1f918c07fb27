#pragma once
// The handwriting model file, checked before the recogniser library is given it: the library
// walks the file trusting every count and terminator in it, so a damaged file must not reach it.
//
//   u32 magic      the file's size XOR 0x0ef71821
//   u32 version    1
//   u32 count      number of characters
//   count times:   16 bytes   the character in UTF-8, zero-terminated within the 16 bytes
//                  f32        bias
//                  pairs of (i32 index, f32 weight), the last with index -1
//   and nothing after the last character.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

constexpr uint32_t kModelMagic = 0x0ef71821u;
constexpr uint32_t kModelVersion = 1;
constexpr size_t kModelHeaderBytes = 12;
constexpr size_t kModelCharacterBytes = 16;
constexpr size_t kModelPairBytes = 8;
// Larger files are not read (the Japanese model is 26 MB).
constexpr size_t kModelMaxBytes = size_t(128) << 20;

// Whether the bytes hold a whole, well-formed model.
bool handwriting_model_sound(std::span<const uint8_t> model);

// Reads the model file at `path` piece by piece, checking it as handwriting_model_sound does,
// and returns a sound model of only the entries whose character `keep` accepts (count and magic
// written anew; the entries in their order). The whole file is never in memory: the Japanese
// model holds 6420 characters, the program asks for 1945 of them. Nothing when the file cannot be
// read or is damaged.
std::optional<std::vector<uint8_t>> read_model_keeping(const std::string& path,
                                                       const std::function<bool(char16_t)>& keep);

// A model entry's character (UTF-8) as one UTF-16 unit; 0 for anything that is not exactly one
// well-formed character of the Basic Multilingual Plane.
char16_t single_utf8_character(std::string_view text);
