#pragma once

#include <string>
#include <vector>

#include "objects/rectangle.h"

// Target of a jump: a slide (absolute, -1 = the last) or a distance in slides (relative),
// with the view position and zoom given to the viewer.
// Page, Left and Top are stored as 16-bit numbers around zero, Zoom x 1000 in 24 bits.
struct TLinkDest {
  int Page = 0;
  int Left = 0;
  int Top = 0;
  double Zoom = 0;
};

// One annotation the last PDF export wrote for a slide that shows the link.
struct TAnnotPage {
  TLinkDest Dest;
  int ObjectNumber = 0;
  int PageIndex = 0;
};

// A clickable area: a jump to a slide, a web address or a file. Either an object of its
// own or attached to another object (text creates one per link).
class TPDFAnnot : public TPDFRectangle {
 public:
  TPDFAnnot(int left, int top, int right, int bottom);

  std::uint8_t ClassID() const override { return ClassId::Annot; }
  bool IsA(std::uint8_t id) const override {
    return id == ClassId::Annot || TPDFRectangle::IsA(id);
  }
  std::unique_ptr<TPDFObject> CreateBlank() const override;

  void Draw(TQuarrionCanvas& canvas) override;
  // A link draws nothing in the content stream: the viewer shows the annotation.
  void PDFCode(TQuarrionCanvas&, std::string&) override {}
  void SVGCode(TQuarrionCanvas& canvas, std::string& out) override;
  // The annotation objects for the canvas's current page: one per slide that shows a
  // relative jump placed on a master page, one shared object otherwise.
  void PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources) override;
  void PDFAnnots(int page, TPDFSelection& numbers) override;

  // `dest` with its Page turned into the slide number the link leads to when shown on
  // the page `pageIndex` (an absolute page index, masters counted).
  TLinkDest ResolveTarget(const TQuarrionCanvas& canvas, const TLinkDest& dest,
                          int pageIndex) const;
  // Sets Destination, kept inside what the saved form holds.
  void SetDestination(const TLinkDest& dest);

  void AssignAppearanceTo(TPDFObject& dest) const override;
  void SaveToString(std::string& out) const override;
  void LoadFromString(ByteReader& in) override;
  using TPDFObject::LoadFromString;
  using TPDFObject::SaveToString;
  void PagesShifted(int delta, int fromPage) override;
  void PagesReordered(const TMultiSwap& swaps) override;

  int LinkKind = 0;  // 0 absolute jump, 1 relative jump, 2 Internet link, 3 link to file
  std::vector<TAnnotPage> AnnotPages;
  TLinkDest Destination;
  bool Attached = false;
  // Emptied by SaveToString for jumps, which carry no target.
  mutable std::string Target;

 private:
  void AppendAnnotBody(const TQuarrionCanvas& canvas, const TAnnotPage& entry, std::string& out) const;
};
