#pragma once

#include <memory>
#include <vector>

#include "model/pdf_object.h"

// Copies of a stencil's objects as they go onto a page, in the stencil's order.
using TStencilCopies = std::vector<std::unique_ptr<TPDFObject>>;

// Copies at the positions stored in the stencil (double click, "Add to Page").
TStencilCopies StencilCopies(const TPDFObjects& objects);

// Copies moved as one group so that the reference object's top-left corner lands on
// (x, y): the reference is the object with the smallest top, the first one on ties.
TStencilCopies StencilCopiesAt(const TPDFObjects& objects, int x, int y);
