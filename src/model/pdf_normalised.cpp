#include "model/pdf_normalised.h"

#include <utility>

#include "objects/gradient.h"

void TPDFNormalised::Normalise() {
  TPDFObject::Normalise();
  if (Right < Left) {
    std::swap(Left, Right);
    if (auto* g = Gradient()) g->MirrorHorizontally();
  }
  if (Bottom < Top) {
    std::swap(Top, Bottom);
    if (auto* g = Gradient()) g->MirrorVertically();
  }
  if (auto* g = Gradient()) g->PlaceGradient(*this);
}
