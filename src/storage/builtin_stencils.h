#pragma once

#include <array>
#include <memory>
#include <vector>

#include "model/pdf_object.h"
#include "storage/stencil_file.h"

// One of the stencils the program makes at start: one object each.
struct TBuiltinStencil {
  const char* Caption;  // Windows-1252
  int Icon;
  std::unique_ptr<TPDFObject> (*Create)();
};

inline constexpr std::size_t kBuiltinStencilCount = 7;

// The built-in stencils in panel order; user stencils follow them.
const std::array<TBuiltinStencil, kBuiltinStencilCount>& BuiltinStencilTable();

// A fresh set of the built-in stencils, marked BuiltIn so the stencil file skips them.
std::vector<TStencil> MakeBuiltinStencils();
