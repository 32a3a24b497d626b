#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/geometry.h"

using Json = nlohmann::ordered_json;

// A problem in a JSON document: where (a JSON pointer such as /pages/0/objects/2/left)
// and what.
class JsonInputError : public std::runtime_error {
 public:
  JsonInputError(const std::string& where, const std::string& what)
      : std::runtime_error((where.empty() ? std::string("/") : where) + ": " + what), where_(where) {}
  const std::string& Where() const { return where_; }

 private:
  std::string where_;
};

// Reads the members of one JSON object, remembering its path for error messages. Every
// member may be left out: the reader then gets the fallback it passes, which is the value
// a new document, page or object of that kind has. Each member asked for (read or tested
// with Has) becomes known; RejectUnknown then refuses anything else, so a misspelt member
// is never silently ignored.
class JsonFields {
 public:
  JsonFields(const Json& object, std::string path);

  const std::string& Path() const { return path_; }
  // The JSON pointer of a member, and of the entry `index` of a list member.
  std::string PathOf(const std::string& key) const;
  std::string PathOf(const std::string& key, std::size_t index) const {
    return PathOf(key) + "/" + std::to_string(index);
  }
  bool Has(const std::string& key) const;
  // The member itself; only for members that Has found.
  const Json& Member(const std::string& key) const;

  long long Int(const std::string& key, long long lo, long long hi, long long fallback) const;
  double Number(const std::string& key, double lo, double hi, double fallback) const;
  bool Bool(const std::string& key, bool fallback) const;
  // Text in UTF-8, returned as Windows-1252 bytes, at most `maxBytes` of them.
  std::string Text(const std::string& key, const std::string& fallback, std::size_t maxBytes = 65535) const;
  // "#RRGGBB".
  TColor Colour(const std::string& key, TColor fallback) const;
  // Throws for the first member no reader asked for, suggesting a known one close to it.
  void RejectUnknown() const;
  [[noreturn]] void Fail(const std::string& key, const std::string& what) const;

 private:
  const Json* Find(const std::string& key) const;

  const Json& object_;
  std::string path_;
  mutable std::vector<std::string> known_;
};

// The known name closest to `name` (a typo or a different case), or "" when none is close.
std::string ClosestName(const std::string& name, const std::vector<std::string>& known);
// "#RRGGBB" for a colour.
std::string ColourText(TColor c);
// Windows-1252 bytes as a JSON string (UTF-8).
Json TextValue(const std::string& bytes);
