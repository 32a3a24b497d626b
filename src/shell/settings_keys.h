#pragma once

#include <string>
#include <string_view>

// The names of the stored settings, in the order they are read and written.
namespace SettingsKeys {
inline constexpr std::string_view WindowCoords = "WindowCoords";
inline constexpr std::string_view MRULength = "MRULength";
inline constexpr std::string_view CurrentDirectory = "Current Directory";
inline constexpr std::string_view PDFDirectory = "PDF Directory";
inline constexpr std::string_view PluginsDirectory = "Plugins Directory";
inline constexpr std::string_view ShowPDFOnExport = "Show PDF On Export";
inline constexpr std::string_view FullScreen = "Start in Full Screen mode";
inline constexpr std::string_view ShowOutlines = "Create Outline Tree";
inline constexpr std::string_view PageListHeight = "Pagelist splitter position";
inline constexpr std::string_view ConfirmDelete = "Confirm Object Deletion";
inline constexpr std::string_view ShowPropsOnStencilDblClick =
    "Show Object Properties on Stencil Double-click";
inline constexpr std::string_view ShowDocPropsOnNew = "Show Document Properties on File-New";
inline constexpr std::string_view ShowTooltips = "Show Tooltips";
inline constexpr std::string_view SnapToGrid = "Snap to Grid";
inline constexpr std::string_view GridSize = "Grid Size";

// "MRU Entry 1" is the most recent file.
inline std::string MRUEntry(int number) { return "MRU Entry " + std::to_string(number); }
// MRULength fits a signed byte, so no entry beyond this number is ever read.
inline constexpr int MaxMRUEntry = 127;
}  // namespace SettingsKeys
