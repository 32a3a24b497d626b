#include "shell/stencil_placement.h"

#include "base/geometry.h"

TStencilCopies StencilCopies(const TPDFObjects& objects) {
  TStencilCopies copies;
  copies.reserve(objects.size());
  for (const auto& object : objects) copies.push_back(object->Clone());
  return copies;
}

TStencilCopies StencilCopiesAt(const TPDFObjects& objects, int x, int y) {
  TStencilCopies copies = StencilCopies(objects);
  const TPDFObject* reference = nullptr;
  for (const auto& object : objects)
    if (!reference || object->Top < reference->Top) reference = object.get();
  if (!reference) return copies;
  const int dx = x - reference->Left;
  const int dy = y - reference->Top;
  for (auto& copy : copies) copy->MoveEdges(Edge::All, dx, dy);
  return copies;
}
