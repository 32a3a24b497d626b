#pragma once

// Ids of the main window's actions in the ActionRegistry. Menus, the toolbar and the
// context menus list these; the command files connect them.
namespace ActionId {
inline constexpr char FileNew[] = "file.new";
inline constexpr char FileOpen[] = "file.open";
inline constexpr char FileSave[] = "file.save";
inline constexpr char FileSaveAs[] = "file.saveAs";
inline constexpr char FilePdf[] = "file.pdf";
inline constexpr char FileSvg[] = "file.svg";
inline constexpr char FileDocProps[] = "file.documentProperties";
inline constexpr char FileExit[] = "file.exit";

inline constexpr char EditUndo[] = "edit.undo";
inline constexpr char EditRedo[] = "edit.redo";
inline constexpr char EditCopy[] = "edit.copy";
inline constexpr char EditCut[] = "edit.cut";
inline constexpr char EditPaste[] = "edit.paste";

inline constexpr char ObjFront[] = "object.front";
inline constexpr char ObjForward[] = "object.forward";
inline constexpr char ObjBack[] = "object.back";
inline constexpr char ObjToBack[] = "object.toBack";
inline constexpr char ObjDuplicate[] = "object.duplicate";
inline constexpr char ObjNudgeUp[] = "object.nudgeUp";
inline constexpr char ObjNudgeDown[] = "object.nudgeDown";
inline constexpr char ObjNudgeLeft[] = "object.nudgeLeft";
inline constexpr char ObjNudgeRight[] = "object.nudgeRight";
inline constexpr char ObjAddStencil[] = "object.addStencil";
inline constexpr char ObjDelete[] = "object.delete";
inline constexpr char ObjProperties[] = "object.properties";

inline constexpr char SlideInsert[] = "slide.insert";
inline constexpr char SlideAdd[] = "slide.add";
inline constexpr char SlideDelete[] = "slide.delete";
inline constexpr char SlideDuplicate[] = "slide.duplicate";
inline constexpr char SlideFirst[] = "slide.first";
inline constexpr char SlidePrevious[] = "slide.previous";
inline constexpr char SlideNext[] = "slide.next";
inline constexpr char SlideLast[] = "slide.last";
inline constexpr char SlideGoTo[] = "slide.goTo";
inline constexpr char SlideOrganiser[] = "slide.organiser";
inline constexpr char SlideShowStart[] = "slide.showStart";
inline constexpr char SlideShowCurrent[] = "slide.showCurrent";

// Entries of the page context menu that differ from the Slide menu's.
inline constexpr char PageGoTo[] = "page.goTo";
inline constexpr char PagePaste[] = "page.paste";
inline constexpr char PageDocProps[] = "page.documentProperties";
inline constexpr char PageProperties[] = "page.properties";

inline constexpr char ToolSelection[] = "tools.selection";
inline constexpr char ToolDropper[] = "tools.dropper";
inline constexpr char ToolNext[] = "tools.next";
inline constexpr char ToolSelectAll[] = "tools.selectAll";
inline constexpr char ToolSelectNone[] = "tools.selectNone";
inline constexpr char ToolLog[] = "tools.log";
inline constexpr char ToolOptions[] = "tools.options";

inline constexpr char HelpContents[] = "help.contents";
inline constexpr char HelpAbout[] = "help.about";
}  // namespace ActionId

// Ids of the menus in the registry; later parts add entries to them by id.
namespace MenuId {
inline constexpr char File[] = "menu.file";
inline constexpr char Edit[] = "menu.edit";
inline constexpr char Object[] = "menu.object";
inline constexpr char Slide[] = "menu.slide";
inline constexpr char Stencil[] = "menu.stencil";
inline constexpr char Insert[] = "menu.insert";
inline constexpr char Tools[] = "menu.tools";
inline constexpr char Help[] = "menu.help";
inline constexpr char ObjectContext[] = "menu.objectContext";
inline constexpr char PageContext[] = "menu.pageContext";
}  // namespace MenuId
