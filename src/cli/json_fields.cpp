#include "cli/json_fields.h"

#include <cmath>

#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/windows1252.h"

JsonFields::JsonFields(const Json& object, std::string path)
    : object_(object), path_(std::move(path)) {
  if (!object_.is_object()) throw JsonInputError(path_, "expected an object");
}

void JsonFields::Fail(const std::string& key, const std::string& what) const {
  throw JsonInputError(PathOf(key), what);
}

const Json& JsonFields::Member(const std::string& key) const {
  auto it = object_.find(key);
  if (it == object_.end()) Fail(key, "missing");
  return *it;
}

long long JsonFields::Int(const std::string& key, long long lo, long long hi) const {
  const Json& v = Member(key);
  if (!v.is_number_integer())
    Fail(key, "expected a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
  long long n = v.is_number_unsigned() && v.get<unsigned long long>() > 9e18 ? hi + 1 : v.get<long long>();
  if (n < lo || n > hi)
    Fail(key, std::to_string(n) + " is outside " + std::to_string(lo) + " to " + std::to_string(hi));
  return n;
}

double JsonFields::Number(const std::string& key, double lo, double hi) const {
  const Json& v = Member(key);
  if (!v.is_number()) Fail(key, "expected a number");
  double d = v.get<double>();
  if (!std::isfinite(d) || d < lo || d > hi)
    Fail(key, "the number is outside " + FormatGeneral(lo, 10) + " to " + FormatGeneral(hi, 10));
  return d;
}

bool JsonFields::Bool(const std::string& key) const {
  const Json& v = Member(key);
  if (!v.is_boolean()) Fail(key, "expected true or false");
  return v.get<bool>();
}

std::string JsonFields::Text(const std::string& key) const {
  const Json& v = Member(key);
  if (!v.is_string()) Fail(key, "expected a string");
  std::size_t bad = 0;
  auto bytes = Utf8ToWindows1252(v.get_ref<const std::string&>(), &bad);
  if (!bytes)
    Fail(key, "character at byte " + std::to_string(bad) + " cannot be stored (Windows-1252 only)");
  return *bytes;
}

TColor JsonFields::Colour(const std::string& key) const {
  const Json& v = Member(key);
  auto hex = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (v.is_string()) {
    const auto& s = v.get_ref<const std::string&>();
    if (s.size() == 7 && s[0] == '#') {
      int d[6];
      bool ok = true;
      for (int i = 0; i < 6; ++i) ok = ok && (d[i] = hex(s[i + 1])) >= 0;
      if (ok) return RGBColour(d[0] * 16 + d[1], d[2] * 16 + d[3], d[4] * 16 + d[5]);
    }
  }
  Fail(key, "expected a colour \"#RRGGBB\"");
}

std::string ColourText(TColor c) { return SVGColour(c); }

Json TextValue(const std::string& bytes) { return Windows1252ToUtf8(bytes); }
