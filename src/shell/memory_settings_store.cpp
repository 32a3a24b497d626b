#include "shell/memory_settings_store.h"

namespace {
// Value names are plain ASCII; folding only A-Z keeps other bytes as they are.
std::string Folded(std::string_view name) {
  std::string key(name);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return key;
}
}  // namespace

const MemorySettingsStore::Value* MemorySettingsStore::Find(std::string_view name,
                                                            ValueType type) const {
  auto it = values_.find(Folded(name));
  return it != values_.end() && it->second.Type == type ? &it->second : nullptr;
}

std::optional<std::string> MemorySettingsStore::ReadString(std::string_view name) const {
  const Value* v = Find(name, ValueType::String);
  return v ? std::optional(v->Text) : std::nullopt;
}

std::optional<std::int32_t> MemorySettingsStore::ReadInteger(std::string_view name) const {
  const Value* v = Find(name, ValueType::Integer);
  return v ? std::optional(v->Integer) : std::nullopt;
}

std::optional<std::string> MemorySettingsStore::ReadBinary(std::string_view name) const {
  const Value* v = Find(name, ValueType::Binary);
  return v ? std::optional(v->Text) : std::nullopt;
}

void MemorySettingsStore::Store(std::string_view name, Value value) {
  keyExists_ = true;
  values_.insert_or_assign(Folded(name), std::move(value));
}

void MemorySettingsStore::WriteString(std::string_view name, std::string_view value) {
  Store(name, {ValueType::String, std::string(value)});
}

void MemorySettingsStore::WriteInteger(std::string_view name, std::int32_t value) {
  Store(name, {ValueType::Integer, {}, value});
}

void MemorySettingsStore::WriteBinary(std::string_view name, std::string_view bytes) {
  Store(name, {ValueType::Binary, std::string(bytes)});
}

void MemorySettingsStore::RemoveValue(std::string_view name) { values_.erase(Folded(name)); }

bool MemorySettingsStore::Commit() {
  ++commits_;
  return !failCommits_;
}

std::optional<MemorySettingsStore::ValueType> MemorySettingsStore::TypeOf(
    std::string_view name) const {
  auto it = values_.find(Folded(name));
  return it != values_.end() ? std::optional(it->second.Type) : std::nullopt;
}
