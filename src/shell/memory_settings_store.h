#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "shell/settings_store.h"

// Settings held in memory, each value with the type it was written with. Tests use it to
// lay out any stored state (mistyped values, names in other cases) and to make Commit fail.
class MemorySettingsStore : public SettingsStore {
 public:
  enum class ValueType { String, Integer, Binary };

  explicit MemorySettingsStore(bool keyExists = false) : keyExists_(keyExists) {}

  bool KeyExists() const override { return keyExists_; }
  std::optional<std::string> ReadString(std::string_view name) const override;
  std::optional<std::int32_t> ReadInteger(std::string_view name) const override;
  std::optional<std::string> ReadBinary(std::string_view name) const override;

  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, std::int32_t value) override;
  void WriteBinary(std::string_view name, std::string_view bytes) override;
  void RemoveValue(std::string_view name) override;
  bool Commit() override;

  // Nothing when the value is missing.
  std::optional<ValueType> TypeOf(std::string_view name) const;
  std::size_t Count() const { return values_.size(); }
  void FailCommits(bool fail) { failCommits_ = fail; }
  int Commits() const { return commits_; }

 private:
  struct Value {
    ValueType Type;
    std::string Text;  // string and binary values
    std::int32_t Integer = 0;
  };
  const Value* Find(std::string_view name, ValueType type) const;
  void Store(std::string_view name, Value value);

  std::map<std::string, Value> values_;  // by name folded to lower case
  bool keyExists_;
  bool failCommits_ = false;
  int commits_ = 0;
};
