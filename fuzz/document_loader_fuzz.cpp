// Arbitrary bytes as a document file. Loading must end in success or a clean failure;
// a document that loaded must save, and what it saves must load back to the same image.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/quarrion_canvas.h"
#include "storage/document_file.h"
#include "base/file_helpers.h"
#include "storage/lookup_table_manager.h"

namespace {

std::string Image(TQuarrionCanvas& canvas) {
  std::string image;
  WriteDocumentImage(canvas, BuiltinClassRegistry(), image, {});
  return image;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TQuarrionCanvas canvas;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!LoadDocumentFromBytes(canvas, std::move(bytes), BuiltinClassRegistry()).Ok()) return 0;

  std::string first = Image(canvas);
  std::string file = first;
  ScrambleBytes(file);
  TQuarrionCanvas again;
  if (!LoadDocumentFromBytes(again, file, BuiltinClassRegistry()).Ok()) __builtin_trap();
  if (Image(again) != first) __builtin_trap();
  return 0;
}
