#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "model/surface.h"

// The installed family that draws a face of the font table with the widths the text
// layout uses: metric-compatible clones of the PDF standard fonts. Unknown faces are
// asked for by their own name.
QString ScreenFamily(const std::string& face);

// A QFont for a screen font: the mapped family, the character height in pixels, the
// styles, kerning off (kerned widths would drift from the layout's widths).
QFont ScreenQFont(const TScreenFont& font);

// The characters that the single-byte text of a document shows in a face: Windows-1252
// for the Latin faces; the fonts' own codes for the symbol and dingbat faces.
QString ScreenText(const std::string& face, const std::string& bytes);
