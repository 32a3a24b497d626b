// The order of registration is part of the file format: lookups find the first class
// registered under an ID.
#include "objects/annot.h"
#include "objects/bezier.h"
#include "objects/gradient.h"
#include "objects/guide.h"
#include "objects/image.h"
#include "objects/line.h"
#include "objects/rectangle.h"
#include "storage/lookup_table_manager.h"
#include "text/text.h"

void RegisterBuiltinClasses(TLookupTableManager& registry) {
  registry.Register<TPDFRectangle>();
  registry.Register<TPDFLine>();
  registry.Register<TPDFText>();
  registry.Register<TPDFBezier>();
  registry.Register<TPDFImage>();
  registry.Register<TPDFGuide>();
  registry.Register<TPDFGradient>();
  registry.Register<TPDFAnnot>();
}

const TLookupTableManager& BuiltinClassRegistry() {
  static const TLookupTableManager registry = [] {
    TLookupTableManager r;
    RegisterBuiltinClasses(r);
    return r;
  }();
  return registry;
}
