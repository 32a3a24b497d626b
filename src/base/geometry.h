#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR: red in the low byte, as the file format stores them.
using TColor = std::uint32_t;

inline constexpr std::uint8_t RedOf(TColor c) { return c & 0xFF; }
inline constexpr std::uint8_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
inline constexpr std::uint8_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }
inline constexpr TColor RGBColour(int r, int g, int b) {
  return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// Edge sets used by MoveEdges and HitTest: one bit per edge.
namespace Edge {
inline constexpr int Bottom = 1;
inline constexpr int Left = 2;
inline constexpr int Right = 4;
inline constexpr int Top = 8;
inline constexpr int All = 15;
inline constexpr int TopLeft = Top | Left;
inline constexpr int BottomLeft = Bottom | Left;
inline constexpr int TopRight = Top | Right;
inline constexpr int BottomRight = Bottom | Right;
}  // namespace Edge

// The range one two-byte coordinate of the saved form can hold.
inline constexpr int MinStoredCoord = -512;
inline constexpr int MaxStoredCoord = 65023;

inline constexpr int ClampCoord(long long v) {
  return v < MinStoredCoord ? MinStoredCoord : v > MaxStoredCoord ? MaxStoredCoord : int(v);
}
