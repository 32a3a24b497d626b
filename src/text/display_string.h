#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The display string: text characters with formatting carried in-band as control pairs,
// byte 1 followed by a code byte, some with a payload. Layout and output read it; the
// markup scanner writes it.
namespace Pair {
inline constexpr char Lead = '\x01';
inline constexpr unsigned char BoldOn = 1;
inline constexpr unsigned char BoldOff = 2;
inline constexpr unsigned char ItalicOn = 3;
inline constexpr unsigned char ItalicOff = 4;
inline constexpr unsigned char PageLink = 5;      // + two-byte number: slide index + 32000
inline constexpr unsigned char LinkEnd = 6;
inline constexpr unsigned char RelativeLink = 7;  // + two-byte number: offset + 32000
inline constexpr unsigned char Tab = 8;
inline constexpr unsigned char WebLink = 9;       // + two-byte length L + L bytes
inline constexpr unsigned char UnderlineOn = 32;
inline constexpr unsigned char UnderlineOff = 33;
inline constexpr unsigned char FileLink = 34;     // + two-byte length L + L bytes
}  // namespace Pair

// Page numbers in links are stored with this bias so that negative offsets fit.
inline constexpr int LinkNumberBias = 32000;
// The largest value a two-byte number holds: 223 * 223 - 1.
inline constexpr int MaxTwoByteNumber = 223 * 223 - 1;

// Appends n as the two bytes (n mod 223) + 33 and ((n div 223) mod 223) + 33. Values outside
// 0..MaxTwoByteNumber are clamped: a wrapped value would decode to a different number and a
// negative one to bytes that read as control codes.
void AppendTwoByteNumber(std::string& out, long long n);
// Reads a two-byte number at s[i], s[i + 1]; missing bytes count as 33 (zero).
int ReadTwoByteNumber(std::string_view s, std::size_t i);

// The pair's lead at s[i] (which must be byte 1): the number of bytes of the pair with its
// payload, cut short at the end of s.
std::size_t PairLength(std::string_view s, std::size_t i);

// True for the codes that open a link span.
inline bool IsLinkStart(unsigned char code) {
  return code == Pair::PageLink || code == Pair::RelativeLink || code == Pair::WebLink ||
         code == Pair::FileLink;
}
// True for the codes whose payload is an address of L bytes.
inline bool HasAddress(unsigned char code) { return code == Pair::WebLink || code == Pair::FileLink; }
