#pragma once

#include <optional>
#include <string>
#include <string_view>

// Documents hold single-byte Windows-1252 text; the outside world (JSON, the GUI) speaks
// UTF-8. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 code points of the same value, so every byte string survives a round trip.

std::string Windows1252ToUtf8(std::string_view bytes);
// Nothing when the text holds a character Windows-1252 cannot represent or is not valid
// UTF-8; `badCharacter` then receives the offending text position (byte offset).
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8, std::size_t* badOffset = nullptr);
