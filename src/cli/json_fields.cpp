#include "cli/json_fields.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/windows1252.h"

JsonFields::JsonFields(const Json& object, std::string path)
    : object_(object), path_(std::move(path)) {
  if (!object_.is_object()) throw JsonInputError(path_, "expected an object");
}

std::string JsonFields::PathOf(const std::string& key) const {
  // JSON pointers write "~" as "~0" and "/" as "~1".
  std::string p = path_ + "/";
  for (char c : key) {
    if (c == '~') p += "~0";
    else if (c == '/') p += "~1";
    else p += c;
  }
  return p;
}

void JsonFields::Fail(const std::string& key, const std::string& what) const {
  throw JsonInputError(PathOf(key), what);
}

const Json* JsonFields::Find(const std::string& key) const {
  if (std::find(known_.begin(), known_.end(), key) == known_.end()) known_.push_back(key);
  auto it = object_.find(key);
  return it == object_.end() ? nullptr : &*it;
}

bool JsonFields::Has(const std::string& key) const { return Find(key) != nullptr; }

const Json& JsonFields::Member(const std::string& key) const {
  const Json* v = Find(key);
  if (!v) Fail(key, "missing");
  return *v;
}

long long JsonFields::Int(const std::string& key, long long lo, long long hi, long long fallback) const {
  const Json* v = Find(key);
  if (!v) return fallback;
  if (!v->is_number_integer())
    Fail(key, "expected a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
  if (v->is_number_unsigned() && v->get<unsigned long long>() > static_cast<unsigned long long>(hi))
    Fail(key, std::to_string(v->get<unsigned long long>()) + " is outside " + std::to_string(lo) + " to " +
                  std::to_string(hi));
  long long n = v->get<long long>();
  if (n < lo || n > hi)
    Fail(key, std::to_string(n) + " is outside " + std::to_string(lo) + " to " + std::to_string(hi));
  return n;
}

double JsonFields::Number(const std::string& key, double lo, double hi, double fallback) const {
  const Json* v = Find(key);
  if (!v) return fallback;
  if (!v->is_number()) Fail(key, "expected a number");
  double d = v->get<double>();
  if (!std::isfinite(d) || d < lo || d > hi)
    Fail(key, "the number is outside " + FormatGeneral(lo, 17) + " to " + FormatGeneral(hi, 17));
  return d;
}

bool JsonFields::Bool(const std::string& key, bool fallback) const {
  const Json* v = Find(key);
  if (!v) return fallback;
  if (!v->is_boolean()) Fail(key, "expected true or false");
  return v->get<bool>();
}

std::string JsonFields::Text(const std::string& key, const std::string& fallback, std::size_t maxBytes) const {
  const Json* v = Find(key);
  if (!v) return fallback;
  if (!v->is_string()) Fail(key, "expected a string");
  std::size_t bad = 0;
  auto bytes = Utf8ToWindows1252(v->get_ref<const std::string&>(), &bad);
  if (!bytes)
    Fail(key, "character at byte " + std::to_string(bad) + " cannot be stored (Windows-1252 only)");
  if (bytes->size() > maxBytes)
    Fail(key, "longer than " + std::to_string(maxBytes) + " bytes in Windows-1252");
  return *bytes;
}

TColor JsonFields::Colour(const std::string& key, TColor fallback) const {
  const Json* v = Find(key);
  if (!v) return fallback;
  auto hex = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (v->is_string()) {
    const auto& s = v->get_ref<const std::string&>();
    if (s.size() == 7 && s[0] == '#') {
      int d[6];
      bool ok = true;
      for (int i = 0; i < 6; ++i) ok = ok && (d[i] = hex(s[std::size_t(i) + 1])) >= 0;
      if (ok) return RGBColour(d[0] * 16 + d[1], d[2] * 16 + d[3], d[4] * 16 + d[5]);
    }
  }
  Fail(key, "expected a colour \"#RRGGBB\"");
}

void JsonFields::RejectUnknown() const {
  for (auto it = object_.begin(); it != object_.end(); ++it) {
    if (std::find(known_.begin(), known_.end(), it.key()) != known_.end()) continue;
    std::string close = ClosestName(it.key(), known_);
    Fail(it.key(), "unknown member" + (close.empty() ? std::string() : "; did you mean \"" + close + "\"?"));
  }
}

namespace {
// Letters inserted, left out, changed or swapped with their neighbour; case is ignored.
std::size_t EditDistance(const std::string& a, const std::string& b) {
  auto same = [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  };
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i)
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (same(a[i - 1], b[j - 1]) ? 0 : 1)});
      if (i > 1 && j > 1 && same(a[i - 1], b[j - 2]) && same(a[i - 2], b[j - 1]))
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}
}  // namespace

std::string ClosestName(const std::string& name, const std::vector<std::string>& known) {
  // Close means at most a third of the name's letters wrong (at least one allowed),
  // with letter case not counted: "colur" and "Colour" both find "colour".
  std::size_t limit = std::max<std::size_t>(1, name.size() / 3), best = limit + 1;
  std::string found;
  for (const auto& k : known) {
    std::size_t d = EditDistance(name, k);
    if (d < best) {
      best = d;
      found = k;
    }
  }
  return found;
}

std::string ColourText(TColor c) { return SVGColour(c); }

Json TextValue(const std::string& bytes) { return Windows1252ToUtf8(bytes); }
