#include "base/pdf_state_cache.h"

#include <cstring>

std::string TPDFStateCache::SetPDFState(std::string_view op, std::string_view value) {
  std::string s;
  AppendPDFState(s, op, value);
  return s;
}

namespace {
// Operators are one to three letters: compared in place, without a call.
bool SameOperator(const std::string& a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < b.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// Operands run longer; the size and the first byte settle most differences.
bool SameOperands(const std::string& a, std::string_view b) {
  return a.size() == b.size() && (b.empty() || (a[0] == b[0] && std::memcmp(a.data(), b.data(), b.size()) == 0));
}
}  // namespace

void TPDFStateCache::ForgetKey(std::string_view op) {
  for (std::size_t slot = 0; slot < keys_.size(); ++slot)
    if (op == KeyedOperator(TKeyed(slot))) keys_[slot].Known = false;
}

// A known slot remembers where its operator's entry is, so it is not looked for again.
void TPDFStateCache::AppendKeyed(std::string& out, TKeyed slot, std::uint64_t key, std::string_view value) {
  TKey& k = keys_[static_cast<std::size_t>(slot)];
  if (!k.Known) {
    k = {true, key, Set(out, KeyedOperator(slot), value)};
    return;
  }
  k.Value = key;
  std::string& operands = entries_[k.Entry].second;
  if (SameOperands(operands, value)) return;
  operands.assign(value);
  Write(out, KeyedOperator(slot), value);
}

void TPDFStateCache::AppendPDFState(std::string& out, std::string_view op, std::string_view value) {
  ForgetKey(op);
  Set(out, op, value);
}

std::size_t TPDFStateCache::Set(std::string& out, std::string_view op, std::string_view value) {
  auto found = entries_.begin();
  while (found != entries_.end() && !SameOperator(found->first, op)) ++found;
  const std::size_t entry = std::size_t(found - entries_.begin());
  if (found == entries_.end()) {
    entries_.emplace_back(std::string(op), std::string(value));
  } else {
    if (SameOperands(found->second, value)) return entry;
    found->second.assign(value);
  }
  Write(out, op, value);
  return entry;
}

void TPDFStateCache::Write(std::string& out, std::string_view op, std::string_view value) {
  out.append(value);
  if (!value.empty()) out.push_back(' ');
  out.append(op);
  out.push_back('\n');
}

std::string TPDFStateCache::BeginPDFText() {
  if (inText_) return {};
  inText_ = true;
  return "BT ";
}

std::string TPDFStateCache::EndPDFText() {
  if (!inText_) return {};
  inText_ = false;
  return "ET ";
}
