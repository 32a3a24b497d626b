#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/geometry.h"
#include "model/pdf_types.h"

class TQuarrionCanvas;
class TPDFGradient;
class TPDFAnnot;
class Surface;
class ByteReader;
class ByteWriter;

// The base of every drawing object: bounds in page units (points, y down), appearance
// shared by all kinds, an owned gradient and owned attached link annotations.
class TPDFObject {
 public:
  TPDFObject(int left, int top, int right, int bottom);
  virtual ~TPDFObject();
  TPDFObject(const TPDFObject&) = delete;
  TPDFObject& operator=(const TPDFObject&) = delete;

  // Identity. Each kind answers its class ID and whether it is, or derives from, a class.
  virtual std::uint8_t ClassID() const = 0;
  virtual bool IsA(std::uint8_t classId) const { return classId == ClassID(); }
  // A new object of the same class with bounds 0, 0, 0, 0 (what Clone starts from).
  virtual std::unique_ptr<TPDFObject> CreateBlank() const = 0;
  // True when `other` is of this object's class or of a class derived from it.
  bool AcceptsStyleOf(const TPDFObject& other) const { return other.IsA(ClassID()); }

  std::unique_ptr<TPDFObject> Clone() const;
  void AssignTo(TPDFObject& dest) const;

  // Geometry.
  virtual void MoveEdges(int edges, int dx, int dy);
  virtual int HitTest(int x, int y) const;
  virtual void Normalise();
  virtual TRect AdjustBounds(const TRect& proposed) { return proposed; }
  virtual TRect SetBounds(const TRect& r);

  // Screen.
  virtual void Draw(TQuarrionCanvas& canvas);
  virtual void DrawHighlight(TQuarrionCanvas& canvas);
  virtual void DrawFrame(TQuarrionCanvas& canvas, const TRect& bounds);
  virtual void DrawHandles(TQuarrionCanvas& canvas, const TRect& bounds);

  // Output. Code is appended to `out`.
  virtual void PDFCode(TQuarrionCanvas& canvas, std::string& out);
  virtual void SVGCode(TQuarrionCanvas& canvas, std::string& out);
  virtual void PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources);
  virtual void SVGResources(TQuarrionCanvas& canvas, TResources& resources);
  virtual void PDFAnnots(int page, TPDFSelection& numbers);

  // Copying.
  virtual void AssignAppearanceTo(TPDFObject& dest) const;
  virtual void AssignGeometryTo(TPDFObject& dest) const;

  // Saved form: each kind appends its part after its base's. SaveToString throws
  // SaveRangeError for values the form cannot hold; LoadFromString throws FormatError
  // for input that ends early.
  virtual void SaveToString(std::string& out) const;
  virtual void LoadFromString(ByteReader& in);
  std::string SaveToString() const;
  // Reads this object from the front of `s`; returns what follows its part.
  std::string_view LoadFromString(std::string_view s);

  // Page renumbering.
  virtual void PagesShifted(int delta, int fromPage);
  virtual void PagesReordered(const TMultiSwap& swaps);

  // Links attached to a text layer set this when their annotation areas need rebuilding
  // before an export (text objects override it).
  virtual void PrepareForExport(TQuarrionCanvas&) {}

  // Ownership.
  TQuarrionCanvas* Owner() const { return owner_; }
  virtual void SetOwner(TQuarrionCanvas* owner);
  TPDFGradient* Gradient() const { return gradient_.get(); }
  void SetGradient(std::unique_ptr<TPDFGradient> gradient);
  std::unique_ptr<TPDFGradient> DetachGradient();
  // Gives the object its id and passes it to its gradient, whose SVG id is made from it.
  void SetObjectID(int id);
  const std::vector<std::unique_ptr<TPDFAnnot>>& Annots() const { return annots_; }
  void AddAnnot(std::unique_ptr<TPDFAnnot> link);
  void ClearAnnots();
  std::unique_ptr<TPDFAnnot> RemoveAnnot(std::size_t index);

  // Shared helpers for the kinds.
  TRect ScreenRect(const TQuarrionCanvas& canvas, int left, int top, int right, int bottom) const;
  // "d" and "w" through the canvas's state cache.
  void AppendPDFDashAndWidth(TQuarrionCanvas& canvas, std::string& out) const;
  // Optional stroke-dasharray, then stroke-width, each followed by a blank.
  void AppendSVGStroke(std::string& out) const;
  // x="X" y="Y" width="W" height="H" for the object's size placed at (x, y), with no
  // closing quote after the height's value.
  void AppendSVGGeometry(std::string& out, long long x, long long y) const;
  // A line with the dash pattern between two screen points, on the current pen.
  void DashedLine(Surface& surface, TPoint a, TPoint b) const;
  // The segments of that line, added to `dashes`: the sides of an outline go to the
  // surface together (Surface::Lines), which costs far less than a call per dash.
  void AppendDashes(std::vector<std::array<TPoint, 2>>& dashes, TPoint a, TPoint b) const;

  int HelpContext = -1;
  int ObjectID = 0;
  int Top = 0;
  int Left = 0;
  int Bottom = 0;
  int Right = 0;
  int PageIndex = 0;
  bool Locked = false;
  double LineWidth = 0;
  TDashPattern DashPattern;
  bool Deleted = false;

 protected:
  void ClampBounds();

 private:
  TQuarrionCanvas* owner_ = nullptr;
  std::vector<std::unique_ptr<TPDFAnnot>> annots_;
  std::unique_ptr<TPDFGradient> gradient_;
};

using TPDFObjects = std::vector<std::unique_ptr<TPDFObject>>;

// Class IDs of the saved form.
namespace ClassId {
inline constexpr std::uint8_t Rectangle = 1;
inline constexpr std::uint8_t Line = 2;
inline constexpr std::uint8_t Text = 3;
inline constexpr std::uint8_t Bezier = 4;
inline constexpr std::uint8_t Image = 5;
inline constexpr std::uint8_t Guide = 6;
inline constexpr std::uint8_t Gradient = 7;
inline constexpr std::uint8_t Annot = 8;
}  // namespace ClassId
