#pragma once

#include <initializer_list>
#include <memory>

#include "text/tab_rack.h"

// A text's tab stops. Nearly every text keeps the default rack, so the racks are shared
// and copied only when one is given new stops: a loaded document holds one default rack,
// not one per text, and copying a default rack costs no count. Assigning new stops never
// changes the rack another text reads.
class TSharedTabRack {
 public:
  // The default rack.
  TSharedTabRack();
  TSharedTabRack(const TTabRack& stops);
  TSharedTabRack(std::initializer_list<int> stops);
  // Copies only: a moved-from rack would point at stops its new owner holds.
  TSharedTabRack(const TSharedTabRack&) = default;
  TSharedTabRack& operator=(const TSharedTabRack&) = default;

  TSharedTabRack& operator=(const TTabRack& stops);
  TSharedTabRack& operator=(std::initializer_list<int> stops);

  const TTabRack& Stops() const { return *rack_; }
  operator const TTabRack&() const { return *rack_; }
  bool IsDefault() const { return rack_ == &DefaultTabRack(); }
  // True while this rack and `other` are one and the same (not merely equal).
  bool SharesWith(const TSharedTabRack& other) const { return rack_ == other.rack_; }

  friend bool operator==(const TSharedTabRack& a, const TSharedTabRack& b) {
    return a.rack_ == b.rack_ || *a.rack_ == *b.rack_;
  }
  friend bool operator==(const TSharedTabRack& a, const TTabRack& b) { return *a.rack_ == b; }

 private:
  const TTabRack* rack_;
  std::shared_ptr<const TTabRack> own_;  // none for the default rack
};
