#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "base/geometry.h"

using Json = nlohmann::ordered_json;

// A problem in a JSON document: where (a JSON pointer such as /pages/0/objects/2/left)
// and what.
class JsonInputError : public std::runtime_error {
 public:
  JsonInputError(const std::string& where, const std::string& what)
      : std::runtime_error((where.empty() ? std::string("/") : where) + ": " + what) {}
};

// Reads the members of one JSON object, remembering its path for error messages.
class JsonFields {
 public:
  JsonFields(const Json& object, std::string path);

  const std::string& Path() const { return path_; }
  std::string PathOf(const std::string& key) const { return path_ + "/" + key; }
  const Json& Member(const std::string& key) const;
  bool Has(const std::string& key) const { return object_.contains(key); }

  long long Int(const std::string& key, long long lo, long long hi) const;
  double Number(const std::string& key, double lo, double hi) const;
  bool Bool(const std::string& key) const;
  // Text in UTF-8, returned as Windows-1252 bytes.
  std::string Text(const std::string& key) const;
  // "#RRGGBB".
  TColor Colour(const std::string& key) const;
  [[noreturn]] void Fail(const std::string& key, const std::string& what) const;

 private:
  const Json& object_;
  std::string path_;
};

// "#RRGGBB" for a colour.
std::string ColourText(TColor c);
// Windows-1252 bytes as a JSON string (UTF-8).
Json TextValue(const std::string& bytes);
