#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/pdf_normalised.h"
#include "text/font_table.h"
#include "text/shared_tab_rack.h"

// A font choice as the properties dialog hands it to the constructor.
struct TTextFont {
  int FontFace = 0;
  int FontSize = 12000;  // thousandths of a point
  std::uint8_t FontStyle = 0;
};

// FontStyle bits.
namespace TextStyle {
inline constexpr std::uint8_t Bold = 1;
inline constexpr std::uint8_t Italic = 2;
inline constexpr std::uint8_t Underline = 4;
}  // namespace TextStyle

// Alignment values.
namespace TextAlign {
inline constexpr std::uint8_t Left = 0;
inline constexpr std::uint8_t Right = 1;
inline constexpr std::uint8_t Centre = 2;
}  // namespace TextAlign

// One tag of the markup: lower-cased name, attributes (name lower-cased, value as typed),
// and where it stands in Text: characters StartPos .. EndPos - 1 counted from 0.
struct TTag {
  std::string Name;
  TResources Attributes;
  int StartPos = 0;
  int EndPos = 0;
};
using TTagTable = std::vector<TTag>;

// The longest text the saved form holds. The properties dialog keeps entries within it;
// saving a longer text fails with SaveRangeError rather than cutting it.
inline constexpr std::size_t MaxTextLength = 65535;

// A block of text written in a small markup language, laid out with the metrics of the
// PDF base fonts so that screen, PDF and SVG break and align lines in the same places.
class TPDFText : public TPDFNormalised {
 public:
  TPDFText(int left, int top, int right, int bottom);
  TPDFText(const TTextFont& font, std::string_view text, int left, int top, int right, int bottom);
  ~TPDFText() override;

  std::uint8_t ClassID() const override { return ClassId::Text; }
  bool IsA(std::uint8_t id) const override { return id == ClassId::Text; }
  std::unique_ptr<TPDFObject> CreateBlank() const override;

  void MoveEdges(int edges, int dx, int dy) override;
  void DrawHighlight(TQuarrionCanvas& canvas) override;
  void Draw(TQuarrionCanvas& canvas) override;
  void PDFCode(TQuarrionCanvas& canvas, std::string& out) override;
  void SVGCode(TQuarrionCanvas& canvas, std::string& out) override;
  void PrepareForExport(TQuarrionCanvas& canvas) override;
  void PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources) override;
  void PDFAnnots(int page, TPDFSelection& numbers) override;
  void AssignAppearanceTo(TPDFObject& dest) const override;
  void AssignGeometryTo(TPDFObject& dest) const override;
  void SaveToString(std::string& out) const override;
  void LoadFromString(ByteReader& in) override;
  using TPDFObject::LoadFromString;
  using TPDFObject::SaveToString;
  void PagesShifted(int delta, int fromPage) override;
  void PagesReordered(const TMultiSwap& swaps) override;

  // ---- Text and markup (text.cpp, text_markup.cpp) ------------------------------------
  const std::string& Text() const { return text_; }
  // The tags of Text, recorded on first use: loading a document reads many texts whose
  // tags nothing asks for until they are edited or their pages renumbered.
  const TTagTable& Tags() const;
  void SetText(std::string_view s);
  // Parse mode (expand false) adds the tags of s to Tags and keeps tags verbatim; expand
  // mode gives the display string. Tags that show document values read them from `canvas` (or the owner);
  // the page title and number from the document and page of its draw context.
  std::string ProcessMarkup(std::string_view s, bool expand, const TQuarrionCanvas* canvas = nullptr);
  std::string ExpandTag(const std::string& name, const TResources& attributes,
                        const TQuarrionCanvas* canvas = nullptr) const;
  // True for the tags whose expansion reads the document, the page, the clock or the
  // user rather than only the tag itself.
  static bool ReadsOutside(const std::string& name);
  // The expansion of Text, kept until the text, the flags the expansion reads or a value
  // shown by a tag that reads outside the text changes. Valid until the next call.
  const std::string& ExpandedText(const TQuarrionCanvas* canvas = nullptr);

  // ---- Layout (text_layout.cpp, text_wrap.cpp) -----------------------------------------
  // Width in points of display string s starting at x = startX (points from the box's
  // left edge); size in thousandths of a point. Updates StyleState.
  double MeasureText(std::string_view s, const TPostScriptFontFace& face, double startX, double size);
  double MeasureText(std::string_view s, double startX = 0);
  // Line feeds inserted so every line fits the box width (unchanged when Wrap is off).
  std::string WrapText(std::string_view s);
  static std::string TrimLine(std::string_view s);
  // The face entry FontFace names; face 0 stands in for an index outside the table.
  int EffectiveFace() const;
  const TFontFace& Face() const { return FontTable()[std::size_t(EffectiveFace())]; }

  // One laid-out line of the display string.
  struct TLine {
    std::size_t Start = 0;  // byte range in Display
    std::size_t End = 0;
    double Width = 0;  // w(i), measured from the running style
    double X0 = 0;     // alignment offset from the box's left edge
  };
  struct TLayout {
    std::string Display;  // wrapped display string
    std::vector<TLine> Lines;
    double BulletX = 0;  // bullet offset from the box's left edge
  };
  // Wraps and measures the text for one output pass; leaves StyleState at 0.
  TLayout Layout(const TQuarrionCanvas* canvas);
  // The same layout, kept until the expanded text or anything the wrap and the measures
  // read changes: exports and repaints ask again for texts nobody edited. Valid until
  // the next call.
  const TLayout& CachedLayout(const TQuarrionCanvas* canvas);

  // Rebuilds the attached link areas from the current layout (no surface needed).
  void RebuildLinks(TQuarrionCanvas& canvas);

  // ---- Fields ------------------------------------------------------------------------
  bool Dirty = true;
  std::uint8_t StyleState = 0;  // 0 regular, 1 bold, 2 italic, 3 bold italic
  bool Wrap = true;
  bool Bulleted = false;
  bool SmartQuotes = true;
  bool UnderlineLinks = true;
  bool BlockOut = false;
  int FontFace = 0;
  int FontSize = 12000;
  std::uint8_t FontStyle = 0;
  int LineSpacing = 14400;
  std::uint8_t Alignment = TextAlign::Left;
  TColor TextColour = 0;
  TColor LinkColour = 0xFF0000;
  TColor BlockColour = 0xFFFFFF;
  TSharedTabRack TabStops;

 private:
  // True while `canvas` writes a slide that shows this text from its master page and the
  // text holds a field that names the slide: its words, and so its links, move per slide.
  bool LinksFollowSlide(const TQuarrionCanvas& canvas, int slidePage) const;
  // The link areas as laid out on `slidePage`; the object's own areas are left as they were.
  std::vector<std::unique_ptr<TPDFAnnot>> SlideLinks(TQuarrionCanvas& canvas, int slidePage);

  // The links written for each slide by the last PDF export of a master-page text.
  std::vector<std::unique_ptr<TPDFAnnot>> slideLinks_;
  bool slideLinksUsed_ = false;
  // Rewrites the page attribute of absolute jump tags; `map` gives the new page number
  // for N, or 0 to delete the tag (and its closing tag).
  template <class Map>
  bool RewriteJumpTags(Map map);

  // Everything a layout depends on besides the font table, which never changes.
  // The expanded text is kept beside them (layoutExpanded_).
  struct TLayoutInputs {
    int Face = 0, Size = 0, Left = 0, Right = 0;
    bool Wrap = false, Bulleted = false;
    std::uint8_t Alignment = 0;
    TSharedTabRack TabStops;
    bool operator==(const TLayoutInputs&) const = default;
  };
  TLayoutInputs LayoutInputs() const;
  TLayout LayoutExpanded(std::string_view expanded);

  // The display string of s with tags kept verbatim (parse mode) or expanded.
  std::string BuildDisplay(std::string_view s, bool expand, const TQuarrionCanvas* canvas) const;

  // The last expansion with what it was made from: the tags that read outside the text
  // and the values they gave.
  struct TExpansion {
    bool Known = false;
    std::string Source;
    bool SmartQuotes = false;
    std::uint8_t FontStyle = 0;
    TTagTable OutsideTags;
    std::vector<std::string> OutsideValues;
    std::string Expanded;
  };
  bool ExpansionCurrent(const TQuarrionCanvas* canvas) const;

  std::string text_;
  TExpansion expansion_;
  // Valid while tagsKnown_; SetText forgets them.
  mutable TTagTable tags_;
  mutable bool tagsKnown_ = false;
  bool haveLayout_ = false;
  TLayoutInputs layoutInputs_;
  std::string layoutExpanded_;
  TLayout layout_;
};
