#include "base/pdf_colour_state.h"

#include "base/pdf_state_cache.h"
#include "base/pdf_syntax.h"

void AppendPDFColourState(TPDFStateCache& cache, std::string& out, std::string_view op, TColor colour) {
  thread_local std::string operands;
  operands.clear();
  AppendPDFColour(operands, colour);
  cache.AppendPDFState(out, op, operands);
}
