#include "shell/designer_settings.h"

#include "shell/settings_keys.h"

namespace Keys = SettingsKeys;

namespace {
void PutInt32(std::string& out, std::int32_t value) {
  auto bits = std::uint32_t(value);
  for (int shift = 0; shift < 32; shift += 8) out += char((bits >> shift) & 0xFF);
}

std::int32_t GetInt32(std::string_view bytes, std::size_t at) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = bits << 8 | std::uint8_t(bytes[at + i]);
  return std::int32_t(bits);
}
}  // namespace

std::string EncodeWindowCoords(const WindowCoords& coords) {
  std::string out;
  for (std::int32_t v : {coords.Top, coords.Left, coords.Height, coords.Width}) PutInt32(out, v);
  return out;
}

std::optional<WindowCoords> DecodeWindowCoords(std::string_view bytes) {
  if (bytes.size() != 16) return std::nullopt;
  return WindowCoords{GetInt32(bytes, 0), GetInt32(bytes, 4), GetInt32(bytes, 8),
                      GetInt32(bytes, 12)};
}

bool operator==(const DesignerSettings& a, const DesignerSettings& b) {
  const TEnvironmentInfo &x = a.Environment, &y = b.Environment;
  return a.Window == b.Window && a.RecentFiles == b.RecentFiles &&
         a.DocumentsDir == b.DocumentsDir && a.PDFDir == b.PDFDir &&
         a.PluginsDir == b.PluginsDir && a.SVGDir == b.SVGDir && x.UserName == y.UserName &&
         x.ShowPDFOnExport == y.ShowPDFOnExport && x.ConfirmDelete == y.ConfirmDelete &&
         x.ShowPropsOnStencilDblClick == y.ShowPropsOnStencilDblClick &&
         x.ShowDocPropsOnNew == y.ShowDocPropsOnNew && x.ShowTooltips == y.ShowTooltips &&
         a.FullScreen == b.FullScreen && a.ShowOutlines == b.ShowOutlines &&
         a.SnapToGrid == b.SnapToGrid && a.GridSize == b.GridSize &&
         a.PageListHeight == b.PageListHeight;
}

void ApplySettingsDefaults(DesignerSettings& settings, const SettingsFolders& folders) {
  std::string userName = std::move(settings.Environment.UserName);
  settings = DesignerSettings{};
  settings.Environment.UserName = std::move(userName);
  settings.DocumentsDir = folders.DocumentsDir;
  settings.PDFDir = folders.PDFDir;
  settings.PluginsDir = folders.PluginsDir;
  settings.SVGDir = folders.SVGDir;
}

namespace {
// A missing or mistyped string reads as empty.
std::string Text(const SettingsStore& store, std::string_view name) {
  return store.ReadString(name).value_or(std::string());
}

bool IsTrue(const SettingsStore& store, std::string_view name) {
  return Text(store, name) == "True";
}

// An empty folder falls back to its default; a folder typed without its final "/" gets
// one, since file names are appended to it.
std::string Folder(const SettingsStore& store, std::string_view name, const std::string& fallback) {
  std::string folder = Text(store, name);
  if (folder.empty()) return fallback;
  if (folder.back() != '/') folder += '/';
  return folder;
}

// False when "MRULength" is missing, mistyped or no signed byte: the reading stops.
bool ReadRecentFiles(const SettingsStore& store, TMRU& mru) {
  std::optional<std::int32_t> length = store.ReadInteger(Keys::MRULength);
  if (!length || *length < -128 || *length > 127) return false;
  mru.MaxCount = std::int8_t(*length);
  // Oldest first, so that the most recent ends on top.
  for (int n = *length; n >= 1; --n)
    if (std::optional<std::string> path = store.ReadString(Keys::MRUEntry(n))) mru.Add(*path);
  return true;
}

void ReadFolders(const SettingsStore& store, DesignerSettings& s, const SettingsFolders& folders) {
  s.DocumentsDir = Folder(store, Keys::CurrentDirectory, folders.DocumentsDir);
  s.PDFDir = Folder(store, Keys::PDFDirectory, folders.PDFDir);
  s.PluginsDir = Folder(store, Keys::PluginsDirectory, folders.PluginsDir);
}

// The values after the page-list height, up to the grid size.
bool ReadInterfaceOptions(const SettingsStore& store, DesignerSettings& s) {
  TEnvironmentInfo& env = s.Environment;
  env.ConfirmDelete = IsTrue(store, Keys::ConfirmDelete);
  env.ShowPropsOnStencilDblClick = IsTrue(store, Keys::ShowPropsOnStencilDblClick);
  env.ShowDocPropsOnNew = IsTrue(store, Keys::ShowDocPropsOnNew);
  env.ShowTooltips = Text(store, Keys::ShowTooltips) != "False";
  s.SnapToGrid = IsTrue(store, Keys::SnapToGrid);
  std::optional<std::int32_t> gridSize = store.ReadInteger(Keys::GridSize);
  if (!gridSize) return false;
  s.GridSize = *gridSize;
  return true;
}
}  // namespace

bool LoadSettings(const SettingsStore& store, DesignerSettings& settings,
                  const SettingsFolders& folders) {
  if (!store.KeyExists()) return false;
  // A block of another size is treated as absent: its numbers would be guesses.
  settings.Window = DecodeWindowCoords(store.ReadBinary(Keys::WindowCoords).value_or(""))
                        .value_or(WindowCoords{});
  if (!ReadRecentFiles(store, settings.RecentFiles)) return false;
  ReadFolders(store, settings, folders);
  settings.Environment.ShowPDFOnExport = IsTrue(store, Keys::ShowPDFOnExport);
  settings.FullScreen = IsTrue(store, Keys::FullScreen);
  settings.ShowOutlines = IsTrue(store, Keys::ShowOutlines);
  std::optional<std::int32_t> height = store.ReadInteger(Keys::PageListHeight);
  if (!height) return false;
  settings.PageListHeight = *height;
  return ReadInterfaceOptions(store, settings);
}

namespace {
void WriteBool(SettingsStore& store, std::string_view name, bool value) {
  store.WriteString(name, value ? "True" : "False");
}

void WriteRecentFiles(SettingsStore& store, const TMRU& mru) {
  store.WriteInteger(Keys::MRULength, mru.MaxCount);
  const auto& files = mru.Files();
  int number = 0;
  for (const std::string& path : files) store.WriteString(Keys::MRUEntry(++number), path);
  // Entries left from a longer list would come back on the next start.
  while (number < Keys::MaxMRUEntry) store.RemoveValue(Keys::MRUEntry(++number));
}
}  // namespace

bool SaveSettings(SettingsStore& store, const DesignerSettings& settings) {
  const TEnvironmentInfo& env = settings.Environment;
  store.WriteBinary(Keys::WindowCoords, EncodeWindowCoords(settings.Window));
  WriteRecentFiles(store, settings.RecentFiles);
  store.WriteString(Keys::CurrentDirectory, settings.DocumentsDir);
  store.WriteString(Keys::PDFDirectory, settings.PDFDir);
  store.WriteString(Keys::PluginsDirectory, settings.PluginsDir);
  WriteBool(store, Keys::ShowPDFOnExport, env.ShowPDFOnExport);
  WriteBool(store, Keys::FullScreen, settings.FullScreen);
  WriteBool(store, Keys::ShowOutlines, settings.ShowOutlines);
  store.WriteInteger(Keys::PageListHeight, settings.PageListHeight);
  WriteBool(store, Keys::ConfirmDelete, env.ConfirmDelete);
  WriteBool(store, Keys::ShowPropsOnStencilDblClick, env.ShowPropsOnStencilDblClick);
  WriteBool(store, Keys::ShowDocPropsOnNew, env.ShowDocPropsOnNew);
  WriteBool(store, Keys::ShowTooltips, env.ShowTooltips);
  WriteBool(store, Keys::SnapToGrid, settings.SnapToGrid);
  store.WriteInteger(Keys::GridSize, settings.GridSize);
  return store.Commit();
}
