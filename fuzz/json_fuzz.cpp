// Arbitrary bytes as the input of `quarrion-cli build`: JSON parsing, then the document
// reader. Either ends in a document or a clean error; a document that was built must
// survive a JSON round trip unchanged.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "cli/document_json.h"
#include "base/format_error.h"
#include "model/quarrion_canvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Json json = Json::parse(data, data + size, nullptr, false);
  if (json.is_discarded()) return 0;
  TQuarrionCanvas canvas;
  try {
    DocumentFromJson(json, canvas);
  } catch (const JsonInputError&) {
    return 0;
  } catch (const FormatError&) {
    return 0;
  }
  const Json written = DocumentToJson(canvas);
  TQuarrionCanvas again;
  DocumentFromJson(written, again);
  if (DocumentToJson(again) != written) __builtin_trap();
  return 0;
}
