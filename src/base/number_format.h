#pragma once

#include <string>

// Locale-independent number text for PDF, SVG and the JSON dump: always a point, never
// an exponent, built with std::to_chars and appended in place.

void AppendInt(std::string& out, long long value);

// "General format with at most `digits` significant digits": rounded to that many
// digits, trailing zeros and a trailing point dropped, a leading "0" before the point.
// 128/255 with 3 digits is "0.502", 1/255 is "0.00392", 2.0 is "2", 0 is "0".
void AppendGeneral(std::string& out, double value, int digits);
std::string FormatGeneral(double value, int digits);

// The shortest form with up to 15 significant digits (the text object's F(x)).
inline void AppendShortest(std::string& out, double value) { AppendGeneral(out, value, 15); }

std::string IntToStr(long long value);
