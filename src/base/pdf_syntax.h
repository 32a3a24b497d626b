#pragma once

#include <string>
#include <string_view>

#include "base/geometry.h"

// Shared text forms of the writers.

// For PDF strings: "\" "(" ")" are escaped with a backslash, other bytes pass.
// For XML: the five markup characters become entities and every byte above 127 a
// numeric character reference (Windows-1252 mapped through the writer's table).
std::string EscapeText(std::string_view text, bool forXml);
void AppendEscaped(std::string& out, std::string_view text, bool forXml);

// "r g b" with each component c/255 in general format with 3 significant digits.
std::string PDFColour(TColor colour);
void AppendPDFColour(std::string& out, TColor colour);
// "#RRGGBB" in upper-case hexadecimal.
std::string SVGColour(TColor colour);

// A PDF text string for Windows-1252 text outside content streams (document information,
// bookmarks): "(...)" in PDFDocEncoding when every character has a code there, else
// "<FEFF...>", UTF-16BE with its byte-order mark.
void AppendPDFTextString(std::string& out, std::string_view text);

// "/Dest [N 0 R /XYZ left top zoom]\n" for a slide number counted from 0.
std::string PDFDestination(int page, int left, double zoom, int top);
void AppendPDFDestination(std::string& out, int page, int left, double zoom, int top);
