#include "base/pdf_colour_state.h"

#include <charconv>

#include "base/pdf_state_cache.h"
#include "base/pdf_syntax.h"

void AppendPDFColourState(TPDFStateCache& cache, std::string& out, std::string_view op, TColor colour) {
  using TKeyed = TPDFStateCache::TKeyed;
  const bool fill = op == TPDFStateCache::KeyedOperator(TKeyed::Fill);
  const bool keyed = fill || op == TPDFStateCache::KeyedOperator(TKeyed::Stroke);
  const TKeyed slot = fill ? TKeyed::Fill : TKeyed::Stroke;
  if (keyed && cache.Unchanged(slot, colour)) return;
  thread_local std::string operands;
  operands.clear();
  AppendPDFColour(operands, colour);
  if (keyed)
    cache.AppendKeyed(out, slot, colour, operands);
  else
    cache.AppendPDFState(out, op, operands);
}

void AppendPDFWidthState(TPDFStateCache& cache, std::string& out, long long width) {
  using TKeyed = TPDFStateCache::TKeyed;
  if (cache.Unchanged(TKeyed::Width, std::uint64_t(width))) return;
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, width).ptr;
  cache.AppendKeyed(out, TKeyed::Width, std::uint64_t(width), std::string_view(text, std::size_t(end - text)));
}
