#pragma once

#include <initializer_list>
#include <memory>

#include "text/tab_rack.h"

// A text's tab stops. Nearly every text keeps the default rack, so the racks are shared
// and copied only when one is given new stops: a loaded document holds one default rack,
// not one per text. Assigning new stops never changes the rack another text reads.
class TSharedTabRack {
 public:
  // The default rack.
  TSharedTabRack();
  TSharedTabRack(const TTabRack& stops);
  TSharedTabRack(std::initializer_list<int> stops);

  TSharedTabRack& operator=(const TTabRack& stops);
  TSharedTabRack& operator=(std::initializer_list<int> stops);

  const TTabRack& Stops() const { return *rack_; }
  operator const TTabRack&() const { return *rack_; }
  // True while this rack and `other` are one and the same (not merely equal).
  bool SharesWith(const TSharedTabRack& other) const { return rack_ == other.rack_; }

  friend bool operator==(const TSharedTabRack& a, const TSharedTabRack& b) {
    return a.rack_ == b.rack_ || *a.rack_ == *b.rack_;
  }
  friend bool operator==(const TSharedTabRack& a, const TTabRack& b) { return *a.rack_ == b; }

 private:
  std::shared_ptr<const TTabRack> rack_;
};
