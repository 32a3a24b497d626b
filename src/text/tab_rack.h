#pragma once

#include <vector>

// Tab stop positions in points from the left edge of a text box.
using TTabRack = std::vector<int>;
using TTabRackTable = std::vector<TTabRack>;

// 160 stops, one every half inch: 0, 36, 72 ... 5724.
const TTabRack& DefaultTabRack();
// The racks the program offers; the default is the only one.
const TTabRackTable& TabRackTable();

// A tab never moves past this x, and stops at or beyond it are never chosen.
inline constexpr int TabLimit = 6000;

// The smallest stop of `rack` strictly greater than x (and below TabLimit), or TabLimit.
double NextTabStop(const TTabRack& rack, double x);
