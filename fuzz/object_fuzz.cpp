// The saved form of one object through the class registry: the first byte is the class
// ID, the rest the object's string. Reading ends in an object or a FormatError; an object
// that was read must save, and what it saves must read back and save to the same bytes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "base/format_error.h"
#include "storage/lookup_table_manager.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t id = data[0];
  const std::string_view form(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::unique_ptr<TPDFObject> first;
  try {
    first = BuiltinClassRegistry().CreateObject(id, form);
  } catch (const FormatError&) {
    return 0;
  }
  if (!first) return 0;

  const TStringRep saved = BuiltinClassRegistry().WriteObject(*first);
  if (saved.ID != id) __builtin_trap();
  std::unique_ptr<TPDFObject> second = BuiltinClassRegistry().CreateObject(saved.ID, saved.Data);
  if (!second || BuiltinClassRegistry().WriteObject(*second).Data != saved.Data) __builtin_trap();
  return 0;
}
