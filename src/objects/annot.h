#pragma once

#include <string>
#include <vector>

#include "objects/rectangle.h"

// Target of a jump: a slide (absolute, -1 = the last) or a distance in slides (relative),
// with the view position and zoom given to the viewer.
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
  std::string Target;
};
