// The order of registration is part of the file format: lookups find the first class
// registered under an ID.
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"
#include "storage/lookup_table_manager.h"

void RegisterBuiltinClasses(TLookupTableManager& registry) {
  registry.Register<TPDFRectangle>();
  // ClassId::Line
  // ClassId::Text
  // ClassId::Bezier
  // ClassId::Image
  // ClassId::Guide
  registry.Register<TPDFGradient>();
  registry.Register<TPDFAnnot>();
}
