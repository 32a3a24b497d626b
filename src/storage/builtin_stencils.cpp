#include "storage/builtin_stencils.h"

#include "objects/annot.h"
#include "objects/bezier.h"
#include "objects/guide.h"
#include "objects/image.h"
#include "objects/line.h"
#include "objects/rectangle.h"
#include "text/text.h"

namespace {
// An object of kind T constructed with the arguments A.
template <class T, int... A>
std::unique_ptr<TPDFObject> Make() {
  return std::make_unique<T>(A...);
}
}  // namespace

const std::array<TBuiltinStencil, kBuiltinStencilCount>& BuiltinStencilTable() {
  static const std::array<TBuiltinStencil, kBuiltinStencilCount> kTable{{
      {"Text", 0, &Make<TPDFText, 0, 0, 150, 40>},
      {"Line", 1, &Make<TPDFLine, 20, 80, 80, 80>},
      {"B\xE9zier Curve", 2, &Make<TPDFBezier, 0, 0, 100, 100, 50, 0, 50, 100>},
      {"Rectangle", 3, &Make<TPDFRectangle, 0, 0, 100, 100>},
      {"Image", 6, &Make<TPDFImage, 0, 0, 0, 0>},
      {"Guideline", 7, &Make<TPDFGuide, 40, 40, 0, 0>},
      {"Active Region", 8, &Make<TPDFAnnot, 40, 40, 100, 100>},
  }};
  return kTable;
}

std::vector<TStencil> MakeBuiltinStencils() {
  std::vector<TStencil> stencils;
  stencils.reserve(kBuiltinStencilCount);
  for (const TBuiltinStencil& b : BuiltinStencilTable()) {
    TStencil s;
    s.Caption = b.Caption;
    s.Icon = b.Icon;
    s.Objects.push_back(b.Create());
    s.BuiltIn = true;
    stencils.push_back(std::move(s));
  }
  return stencils;
}
