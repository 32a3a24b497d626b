#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole-file helpers shared by the document file, the stencil file, the resource store,
// the exports and the settings. Writes go through WriteFileAtomically, so a failed write
// never destroys the file that was there before.

// Creates or replaces the file; false when it cannot be written. An empty string gives
// an empty file.
bool WriteFileString(const std::string& path, std::string_view bytes);
// The whole file, or an empty string when it cannot be opened.
std::string ReadFileString(const std::string& path);
// The same, telling an unreadable file from an empty one: false and `error` set on failure.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error = nullptr);

// The on-disk byte substitution of documents and stencils. It is its own inverse.
void ScrambleBytes(std::string& bytes);
bool WriteScrambledFile(const std::string& path, std::string_view bytes);
std::string ReadScrambledFile(const std::string& path);

// A zlib stream (RFC 1950) at the best compression level.
std::string CompressString(std::string_view bytes);
// Exactly `length` bytes inflated from the zlib stream `bytes`. Throws FormatError when
// the stream is damaged or holds fewer bytes, and refuses up front a length that the
// input could not possibly inflate to (zlib expands at most 1032:1) or that is larger
// than kMaxDecompressedLength, so a forged length never costs memory.
std::string DecompressString(std::string_view bytes, std::size_t length);
inline constexpr std::size_t kMaxDeflateRatio = 1032;
inline constexpr std::size_t kMaxDecompressedLength = std::size_t(1) << 30;
