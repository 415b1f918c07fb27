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
#include <span>
#include <string_view>

constexpr uint32_t kModelMagic = 0x0ef71821u;
constexpr uint32_t kModelVersion = 1;
constexpr size_t kModelHeaderBytes = 12;
constexpr size_t kModelCharacterBytes = 16;
constexpr size_t kModelPairBytes = 8;
// Larger files are not read (the Japanese model is 26 MB).
constexpr size_t kModelMaxBytes = size_t(128) << 20;

// Whether the bytes hold a whole, well-formed model.
bool handwriting_model_sound(std::span<const uint8_t> model);

// A model entry's character (UTF-8) as one UTF-16 unit; 0 for anything that is not exactly one
// well-formed character of the Basic Multilingual Plane.
char16_t single_utf8_character(std::string_view text);
