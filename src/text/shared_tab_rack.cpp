#include "text/shared_tab_rack.h"

namespace {
const std::shared_ptr<const TTabRack>& SharedDefault() {
  static const std::shared_ptr<const TTabRack> rack = std::make_shared<const TTabRack>(DefaultTabRack());
  return rack;
}
}  // namespace

TSharedTabRack::TSharedTabRack() : rack_(SharedDefault()) {}

TSharedTabRack::TSharedTabRack(const TTabRack& stops)
    : rack_(stops == DefaultTabRack() ? SharedDefault() : std::make_shared<const TTabRack>(stops)) {}

TSharedTabRack::TSharedTabRack(std::initializer_list<int> stops) : TSharedTabRack(TTabRack(stops)) {}

TSharedTabRack& TSharedTabRack::operator=(const TTabRack& stops) {
  *this = TSharedTabRack(stops);
  return *this;
}

TSharedTabRack& TSharedTabRack::operator=(std::initializer_list<int> stops) {
  *this = TSharedTabRack(TTabRack(stops));
  return *this;
}
