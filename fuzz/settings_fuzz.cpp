// Arbitrary stored settings: values of any type under the settings' names (in any case)
// or under other names. Loading must end normally; what was loaded must save and load
// back unchanged, into a fresh store and over the stored values alike.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/designer_settings.h"
#include "shell/memory_settings_store.h"

namespace {
const SettingsFolders kFolders{"/docs/", "/pdf/", "/plugins/", "/svg/"};

constexpr std::string_view kNames[] = {
    "WindowCoords", "MRULength", "Current Directory", "PDF Directory", "Plugins Directory",
    "Show PDF On Export", "Start in Full Screen mode", "Create Outline Tree",
    "Pagelist splitter position", "Confirm Object Deletion",
    "Show Object Properties on Stencil Double-click", "Show Document Properties on File-New",
    "Show Tooltips", "Snap to Grid", "Grid size", "GRID SIZE", "mrulength", "MRU Entry 1",
    "MRU Entry 2", "MRU Entry 3", "mru entry 9", "MRU Entry 10", "MRU Entry 127",
    "MRU Entry 128", "MRU Entry 01"};
constexpr std::size_t kNameCount = std::size(kNames);

// Reads the fuzz input front to back; past its end every read gives zeros.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::string Bytes(std::size_t count) {
    count = std::min(count, size_ - std::min(at_, size_));
    std::string out(reinterpret_cast<const char*>(data_ + at_), count);
    at_ += count;
    return out;
  }
  std::int32_t Integer() {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= std::uint32_t(Byte()) << (8 * i);
    return std::int32_t(bits);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// One record: type, name (one of kNames, or a given one), value.
void StoreOne(Input& in, MemorySettingsStore& store) {
  const std::uint8_t type = in.Byte() % 3;
  const std::uint8_t pick = in.Byte();
  const std::string name =
      pick < kNameCount ? std::string(kNames[pick]) : in.Bytes(pick - kNameCount);
  if (type == 0) store.WriteString(name, in.Bytes(in.Byte()));
  if (type == 1) store.WriteInteger(name, in.Integer());
  if (type == 2) store.WriteBinary(name, in.Bytes(in.Byte()));
}

DesignerSettings Loaded(const SettingsStore& store, bool& complete) {
  DesignerSettings settings;
  settings.Environment.UserName = "fuzz";
  ApplySettingsDefaults(settings, kFolders);
  complete = LoadSettings(store, settings, kFolders);
  // The list keeps at most MaxCount - 1 paths, and the menu shows each of them.
  const TMRU& mru = settings.RecentFiles;
  const auto entries = mru.MenuEntries();
  if (int(mru.Files().size()) > std::max(mru.MaxCount - 1, 0)) __builtin_trap();
  if (entries.size() != mru.Files().size()) __builtin_trap();
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].Hint != mru.Files()[i]) __builtin_trap();
  return settings;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  MemorySettingsStore source(in.Byte() % 2 == 1);
  while (!in.AtEnd()) StoreOne(in, source);

  bool complete = false;
  const DesignerSettings first = Loaded(source, complete);
  MemorySettingsStore fresh;
  if (!SaveSettings(fresh, first)) __builtin_trap();
  const DesignerSettings second = Loaded(fresh, complete);
  if (!complete || !(second == first)) __builtin_trap();

  if (!SaveSettings(source, first)) __builtin_trap();
  const DesignerSettings third = Loaded(source, complete);
  if (!complete || !(third == first)) __builtin_trap();
  return 0;
}
