#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/environment_info.h"
#include "shell/mru.h"
#include "shell/settings_store.h"

// Placement of the main window in its normal (not maximised) state, in pixels. All zero
// puts the window at the top-left corner at its minimum size.
struct WindowCoords {
  std::int32_t Top = 0;
  std::int32_t Left = 0;
  std::int32_t Height = 0;
  std::int32_t Width = 0;
  bool operator==(const WindowCoords&) const = default;
};

// The stored block: Top, Left, Height, Width, each 4 bytes little-endian, 16 bytes.
std::string EncodeWindowCoords(const WindowCoords& coords);
// Nothing unless `bytes` is exactly such a block.
std::optional<WindowCoords> DecodeWindowCoords(std::string_view bytes);

// Height of the page-list panel in pixels before any setting says otherwise.
inline constexpr std::int32_t kDefaultPageListHeight = 200;

// Everything the designer keeps between runs. Folder paths end in "/".
struct DesignerSettings {
  WindowCoords Window;
  TMRU RecentFiles;
  std::string DocumentsDir;
  std::string PDFDir;
  std::string PluginsDir;
  std::string SVGDir;  // not stored: always the default
  TEnvironmentInfo Environment;
  // The work area's values of the same names.
  bool FullScreen = true;
  bool ShowOutlines = true;
  bool SnapToGrid = false;
  std::int32_t GridSize = 0;
  std::int32_t PageListHeight = kDefaultPageListHeight;

  friend bool operator==(const DesignerSettings& a, const DesignerSettings& b);
};

// The default folders, which are places of the platform and so given by the caller.
struct SettingsFolders {
  std::string DocumentsDir;
  std::string PDFDir;
  std::string PluginsDir;
  std::string SVGDir;
};

// Every stored value back to its default; Environment.UserName is not a stored value and
// is kept.
void ApplySettingsDefaults(DesignerSettings& settings, const SettingsFolders& folders);

// Reads the values in their fixed order into `settings`, which holds the defaults.
// False when nothing was ever saved (nothing changes) or when a missing or mistyped
// integer stopped the reading early (the values after it keep what they had).
bool LoadSettings(const SettingsStore& store, DesignerSettings& settings,
                  const SettingsFolders& folders);
// Writes every value in the same order; the store's Commit result.
bool SaveSettings(SettingsStore& store, const DesignerSettings& settings);
