#pragma once

#include <QIcon>
#include <QList>

// The icons a stencil can show, by index. The built-in stencils use 0 to 3 and 6 to 8;
// the rest are offered for user stencils. Each icon is painted at the size asked for, so
// it stays sharp at any screen density.
namespace StencilIcons {
inline constexpr int Text = 0;
inline constexpr int Line = 1;
inline constexpr int Bezier = 2;
inline constexpr int Rectangle = 3;
inline constexpr int Ellipse = 4;
inline constexpr int Arrow = 5;
inline constexpr int Image = 6;
inline constexpr int Guide = 7;
inline constexpr int ActiveRegion = 8;
inline constexpr int Group = 9;
inline constexpr int Star = 10;
inline constexpr int Title = 11;
inline constexpr int Count = 12;

// Every icon in index order.
QList<QIcon> All();
// The icon of `index`, or an empty frame for an index without one (a file may name any
// index up to 255).
QIcon Icon(int index);
}  // namespace StencilIcons
