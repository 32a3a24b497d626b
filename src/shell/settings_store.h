#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where the designer keeps its settings between runs: named values of three types
// (string, 32-bit integer, binary block). Names are matched without regard to case.
// The GUI implements it over QSettings; MemorySettingsStore serves tests and the fuzzer.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // False on a first start, when nothing was ever saved.
  virtual bool KeyExists() const = 0;
  // Each read gives nothing when the value is missing or was stored with another type.
  virtual std::optional<std::string> ReadString(std::string_view name) const = 0;
  virtual std::optional<std::int32_t> ReadInteger(std::string_view name) const = 0;
  virtual std::optional<std::string> ReadBinary(std::string_view name) const = 0;

  // A write replaces any value of that name, whatever its type.
  virtual void WriteString(std::string_view name, std::string_view value) = 0;
  virtual void WriteInteger(std::string_view name, std::int32_t value) = 0;
  virtual void WriteBinary(std::string_view name, std::string_view bytes) = 0;
  virtual void RemoveValue(std::string_view name) = 0;

  // Makes the writes lasting; true when everything was stored.
  virtual bool Commit() = 0;
};
