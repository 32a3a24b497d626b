#include "text/tab_rack.h"

#include <algorithm>

const TTabRack& DefaultTabRack() {
  static const TTabRack rack = [] {
    TTabRack r(160);
    for (int k = 0; k < 160; ++k) r[std::size_t(k)] = 36 * k;
    return r;
  }();
  return rack;
}

const TTabRackTable& TabRackTable() {
  static const TTabRackTable table{DefaultTabRack()};
  return table;
}

double NextTabStop(const TTabRack& rack, double x) {
  // Racks are normally sorted; a rack edited out of order is still read correctly.
  if (std::is_sorted(rack.begin(), rack.end())) {
    auto it = std::upper_bound(rack.begin(), rack.end(), x, [](double v, int stop) { return v < stop; });
    if (it != rack.end() && *it < TabLimit) return *it;
    return TabLimit;
  }
  double best = TabLimit;
  for (int stop : rack)
    if (stop > x && stop < best) best = stop;
  return best;
}
