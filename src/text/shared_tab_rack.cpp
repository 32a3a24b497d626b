#include "text/shared_tab_rack.h"

TSharedTabRack::TSharedTabRack() : rack_(&DefaultTabRack()) {}

TSharedTabRack::TSharedTabRack(const TTabRack& stops) : rack_(&DefaultTabRack()) {
  if (stops == DefaultTabRack()) return;
  own_ = std::make_shared<const TTabRack>(stops);
  rack_ = own_.get();
}

TSharedTabRack::TSharedTabRack(std::initializer_list<int> stops) : TSharedTabRack(TTabRack(stops)) {}

TSharedTabRack& TSharedTabRack::operator=(const TTabRack& stops) {
  *this = TSharedTabRack(stops);
  return *this;
}

TSharedTabRack& TSharedTabRack::operator=(std::initializer_list<int> stops) {
  *this = TSharedTabRack(TTabRack(stops));
  return *this;
}
