#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// Thrown by every parser of stored data (object strings, document files, stencils, JSON):
// what went wrong and at which byte of the input. The file operation catches it and
// turns it into "Load failed: ...".
class FormatError : public std::runtime_error {
 public:
  FormatError(const std::string& what, std::size_t offset)
      : std::runtime_error(what + " at byte " + std::to_string(offset)), offset_(offset) {}
  std::size_t Offset() const { return offset_; }

 private:
  std::size_t offset_;
};

// Thrown while saving when a value does not fit the stored form: the save stops instead
// of writing a file that would read back differently.
class SaveRangeError : public std::runtime_error {
 public:
  explicit SaveRangeError(const std::string& what) : std::runtime_error(what) {}
};
