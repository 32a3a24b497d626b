// The designer's settings: the stored names and types, the reading order with its stop
// rules, and the round trip through a store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/quarrion_canvas.h"
#include "shell/designer_settings.h"
#include "shell/memory_settings_store.h"

namespace {
using Type = MemorySettingsStore::ValueType;

const SettingsFolders kFolders{"/home/u/Documents/Quarrion/Saved Documents/",
                               "/home/u/Documents/Quarrion/Saved PDF Documents/",
                               "/home/u/.local/share/Kelvane/Quarrion/Plugins/",
                               "/home/u/Documents/Quarrion/Saved SVG Documents/"};

DesignerSettings Defaults() {
  DesignerSettings s;
  ApplySettingsDefaults(s, kFolders);
  return s;
}

// Every value away from its default, so a value that is not read or written shows.
DesignerSettings Changed() {
  DesignerSettings s = Defaults();
  s.Window = {11, -22, 333, 4444};
  s.RecentFiles.MaxCount = 5;
  for (const char* path : {"/a/old.qsl", "/b/mid.qsl", "/c/new.qsl"}) s.RecentFiles.Add(path);
  s.DocumentsDir = "/docs/";
  s.PDFDir = "/pdf/";
  s.PluginsDir = "/plugins/";
  TEnvironmentInfo& env = s.Environment;
  env.ShowPDFOnExport = !env.ShowPDFOnExport;
  env.ConfirmDelete = !env.ConfirmDelete;
  env.ShowPropsOnStencilDblClick = !env.ShowPropsOnStencilDblClick;
  env.ShowDocPropsOnNew = !env.ShowDocPropsOnNew;
  env.ShowTooltips = !env.ShowTooltips;
  s.FullScreen = !s.FullScreen;
  s.ShowOutlines = !s.ShowOutlines;
  s.SnapToGrid = !s.SnapToGrid;
  s.GridSize = 7;
  s.PageListHeight = 123;
  return s;
}

MemorySettingsStore Saved(const DesignerSettings& s) {
  MemorySettingsStore store;
  EXPECT_TRUE(SaveSettings(store, s));
  return store;
}

TEST(DesignerSettings, SavedUnderTheirNamesAndTypes) {
  struct Value {
    const char* Name;
    Type Kind;
  };
  const std::vector<Value> expected = {
      {"WindowCoords", Type::Binary},
      {"MRULength", Type::Integer},
      {"MRU Entry 1", Type::String},
      {"MRU Entry 3", Type::String},
      {"Current Directory", Type::String},
      {"PDF Directory", Type::String},
      {"Plugins Directory", Type::String},
      {"Show PDF On Export", Type::String},
      {"Start in Full Screen mode", Type::String},
      {"Create Outline Tree", Type::String},
      {"Pagelist splitter position", Type::Integer},
      {"Confirm Object Deletion", Type::String},
      {"Show Object Properties on Stencil Double-click", Type::String},
      {"Show Document Properties on File-New", Type::String},
      {"Show Tooltips", Type::String},
      {"Snap to Grid", Type::String},
      {"Grid Size", Type::Integer},
  };
  MemorySettingsStore store = Saved(Changed());
  for (const Value& v : expected) EXPECT_EQ(store.TypeOf(v.Name), v.Kind) << v.Name;
  EXPECT_EQ(store.Count(), expected.size() + 1);  // and "MRU Entry 2"
  EXPECT_FALSE(store.TypeOf("MRU Entry 4"));
  EXPECT_EQ(store.ReadString("MRU Entry 1"), "/c/new.qsl");
  EXPECT_EQ(store.ReadString("Show PDF On Export"), "False");
  EXPECT_EQ(store.ReadString("Start in Full Screen mode"), "False");
  EXPECT_EQ(store.ReadString("Snap to Grid"), "True");
}

TEST(DesignerSettings, WindowCoordsBlockIsTopLeftHeightWidthLittleEndian) {
  const std::string block = EncodeWindowCoords({0x01020304, -2, 0x7FFFFFFF, 600});
  EXPECT_EQ(block, std::string("\x04\x03\x02\x01\xFE\xFF\xFF\xFF\xFF\xFF\xFF\x7F\x58\x02\x00\x00",
                               16));
  EXPECT_EQ(DecodeWindowCoords(block), (WindowCoords{0x01020304, -2, 0x7FFFFFFF, 600}));
  EXPECT_FALSE(DecodeWindowCoords(block.substr(0, 15)));
  EXPECT_FALSE(DecodeWindowCoords(block + "x"));
}

TEST(DesignerSettings, RoundTripRestoresEveryValue) {
  const DesignerSettings original = Changed();
  MemorySettingsStore store = Saved(original);
  DesignerSettings loaded = Defaults();
  EXPECT_TRUE(LoadSettings(store, loaded, kFolders));
  EXPECT_EQ(loaded.RecentFiles.Files(), original.RecentFiles.Files());
  EXPECT_TRUE(loaded == original);
}

TEST(DesignerSettings, DefaultsAreTheWorkAreasAndFirstStartKeepsThem) {
  TQuarrionCanvas workArea;
  DesignerSettings s = Changed();
  s.Environment.UserName = "ada";
  ApplySettingsDefaults(s, kFolders);
  EXPECT_EQ(s.Environment.UserName, "ada");
  EXPECT_EQ(s.FullScreen, workArea.FullScreen);
  EXPECT_EQ(s.ShowOutlines, workArea.ShowOutlines);
  EXPECT_EQ(s.SnapToGrid, workArea.SnapToGrid);
  EXPECT_EQ(s.GridSize, workArea.GridSize);
  EXPECT_EQ(s.Window, WindowCoords{});
  EXPECT_TRUE(s.Environment.ShowTooltips && s.Environment.ShowPDFOnExport);
  EXPECT_TRUE(s.RecentFiles.Files().empty());
  EXPECT_EQ(s.RecentFiles.MaxCount, 10);
  EXPECT_EQ(s.SVGDir, kFolders.SVGDir);

  const DesignerSettings before = s;
  EXPECT_FALSE(LoadSettings(MemorySettingsStore(), s, kFolders));
  EXPECT_TRUE(s == before);
}

// One stored value is taken away or spoiled: the values read before it are there, the
// ones after it keep their defaults, and the result is false.
TEST(DesignerSettings, MissingOrMistypedIntegerStopsTheReading) {
  struct Case {
    const char* Name;
    int Spoil;  // 0 remove, 1 store as a string, 2 store the integer 128, 3 store -129
    bool WindowRead, FoldersRead, ConfirmRead, SnapRead;
  };
  const Case cases[] = {
      {"MRULength", 0, true, false, false, false},
      {"MRULength", 1, true, false, false, false},
      {"MRULength", 2, true, false, false, false},
      {"MRULength", 3, true, false, false, false},
      {"Pagelist splitter position", 0, true, true, false, false},
      {"Pagelist splitter position", 1, true, true, false, false},
      {"Grid Size", 0, true, true, true, true},
      {"Grid Size", 1, true, true, true, true},
  };
  const DesignerSettings changed = Changed(), defaults = Defaults();
  for (const Case& c : cases) {
    MemorySettingsStore store = Saved(changed);
    if (c.Spoil == 0) store.RemoveValue(c.Name);
    if (c.Spoil == 1) store.WriteString(c.Name, "10");
    if (c.Spoil >= 2) store.WriteInteger(c.Name, c.Spoil == 2 ? 128 : -129);
    DesignerSettings s = Defaults();
    SCOPED_TRACE(std::string(c.Name) + " spoiled " + std::to_string(c.Spoil));
    EXPECT_FALSE(LoadSettings(store, s, kFolders));
    EXPECT_EQ(s.Window, (c.WindowRead ? changed : defaults).Window);
    EXPECT_EQ(s.RecentFiles.Files(), (c.FoldersRead ? changed : defaults).RecentFiles.Files());
    EXPECT_EQ(s.DocumentsDir, (c.FoldersRead ? changed : defaults).DocumentsDir);
    EXPECT_EQ(s.FullScreen, (c.FoldersRead ? changed : defaults).FullScreen);
    EXPECT_EQ(s.PageListHeight, (c.ConfirmRead ? changed : defaults).PageListHeight);
    EXPECT_EQ(s.Environment.ConfirmDelete,
              (c.ConfirmRead ? changed : defaults).Environment.ConfirmDelete);
    EXPECT_EQ(s.SnapToGrid, (c.SnapRead ? changed : defaults).SnapToGrid);
    EXPECT_EQ(s.GridSize, defaults.GridSize);
  }
}

TEST(DesignerSettings, MRULengthAtTheEndsOfASignedByte) {
  for (int length : {127, -128, 0}) {
    MemorySettingsStore store = Saved(Changed());
    store.WriteInteger("MRULength", length);
    DesignerSettings s = Defaults();
    EXPECT_TRUE(LoadSettings(store, s, kFolders)) << length;
    EXPECT_EQ(s.RecentFiles.MaxCount, length);
    EXPECT_EQ(s.RecentFiles.Files().size(), length == 127 ? 3u : 0u);
  }
}

// Booleans are texts: missing ones read false, except the tooltips, which only "False"
// turns off.
TEST(DesignerSettings, BooleanTexts) {
  struct Case {
    std::optional<std::string> Stored;
    bool Confirm, Tooltips;
  };
  const Case cases[] = {
      {std::nullopt, false, true}, {"True", true, true},  {"False", false, false},
      {"false", false, true},      {"", false, true},     {"yes", false, true},
  };
  for (const Case& c : cases) {
    MemorySettingsStore store = Saved(Defaults());
    for (const char* name : {"Confirm Object Deletion", "Show Tooltips"}) {
      store.RemoveValue(name);
      if (c.Stored) store.WriteString(name, *c.Stored);
    }
    DesignerSettings s = Defaults();
    EXPECT_TRUE(LoadSettings(store, s, kFolders));
    EXPECT_EQ(s.Environment.ConfirmDelete, c.Confirm) << c.Stored.value_or("(missing)");
    EXPECT_EQ(s.Environment.ShowTooltips, c.Tooltips) << c.Stored.value_or("(missing)");
  }
}

TEST(DesignerSettings, NamesIgnoreCaseAndFoldersFallBack) {
  MemorySettingsStore store = Saved(Changed());
  store.RemoveValue("Grid Size");
  store.WriteInteger("Grid size", 25);
  store.WriteString("current directory", "");
  store.RemoveValue("PDF Directory");
  store.WriteString("PLUGINS DIRECTORY", "/opt/q/plugins");
  DesignerSettings s = Defaults();
  EXPECT_TRUE(LoadSettings(store, s, kFolders));
  EXPECT_EQ(s.GridSize, 25);
  EXPECT_EQ(s.DocumentsDir, kFolders.DocumentsDir);
  EXPECT_EQ(s.PDFDir, kFolders.PDFDir);
  EXPECT_EQ(s.PluginsDir, "/opt/q/plugins/");
}

TEST(DesignerSettings, WindowCoordsAbsentOrMisshapenReadAsZero) {
  const char* const blocks[] = {"", "short", nullptr};  // nullptr: no block stored
  for (const char* block : blocks) {
    MemorySettingsStore store = Saved(Changed());
    store.RemoveValue("WindowCoords");
    if (block) store.WriteBinary("WindowCoords", block);
    DesignerSettings s = Changed();
    EXPECT_TRUE(LoadSettings(store, s, kFolders));
    EXPECT_EQ(s.Window, WindowCoords{});
  }
}

TEST(DesignerSettings, TenStoredEntriesLeaveNineAfterTheNextOpen) {
  MemorySettingsStore store = Saved(Defaults());
  std::vector<std::string> stored;
  for (int n = 1; n <= 10; ++n) {
    stored.push_back("/d/file" + std::to_string(n) + ".qsl");
    store.WriteString("MRU Entry " + std::to_string(n), stored.back());
  }
  store.RemoveValue("MRU Entry 4");  // a missing entry is skipped
  DesignerSettings s = Defaults();
  EXPECT_TRUE(LoadSettings(store, s, kFolders));
  s.RecentFiles.Add("/d/opened.qsl");
  const std::vector<std::string> expected = {"/d/opened.qsl", stored[0], stored[1], stored[2],
                                             stored[4],       stored[5], stored[6], stored[7],
                                             stored[8]};
  EXPECT_EQ(s.RecentFiles.Files(), expected);
}

TEST(DesignerSettings, SavingAShorterListDropsTheOldEntries) {
  DesignerSettings s = Changed();
  s.RecentFiles.MaxCount = 127;
  for (int n = 0; n < 126; ++n) s.RecentFiles.Add("/x/" + std::to_string(n));
  MemorySettingsStore store = Saved(s);
  s.RecentFiles.Clear();
  s.RecentFiles.Add("/only.qsl");
  EXPECT_TRUE(SaveSettings(store, s));
  DesignerSettings loaded = Defaults();
  EXPECT_TRUE(LoadSettings(store, loaded, kFolders));
  EXPECT_EQ(loaded.RecentFiles.Files(), std::vector<std::string>{"/only.qsl"});
}

TEST(DesignerSettings, SaveReportsAFailedCommit) {
  MemorySettingsStore store;
  store.FailCommits(true);
  EXPECT_FALSE(SaveSettings(store, Changed()));
  EXPECT_EQ(store.Commits(), 1);
}
}  // namespace
