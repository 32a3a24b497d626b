// Arbitrary bytes as a stencil file image. Reading must end in success or a clean failure;
// whatever was read must save, and what it saves must read back completely to the same
// bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/lookup_table_manager.h"
#include "storage/stencil_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<TStencil> stencils;
  ReadStencilImage(std::string_view(reinterpret_cast<const char*>(data), size), BuiltinClassRegistry(), stencils);
  std::string first = WriteStencilImage(stencils, BuiltinClassRegistry());
  std::vector<TStencil> again;
  if (!ReadStencilImage(first, BuiltinClassRegistry(), again).Ok()) __builtin_trap();
  if (again.size() != stencils.size()) __builtin_trap();
  if (WriteStencilImage(again, BuiltinClassRegistry()) != first) __builtin_trap();
  return 0;
}
