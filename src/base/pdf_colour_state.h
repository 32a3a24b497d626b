#pragma once

#include <string>
#include <string_view>

#include "base/geometry.h"

class TPDFStateCache;

// A colour set through the state cache. Its operands ("0.502 0.502 0.502") outgrow a
// short string, so they are formatted in a buffer kept per thread, not a string of their own.
void AppendPDFColourState(TPDFStateCache& cache, std::string& out, std::string_view op, TColor colour);
// A whole line width ("w") set through the state cache, compared as a number.
void AppendPDFWidthState(TPDFStateCache& cache, std::string& out, long long width);
