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
  if (op.size() == 2 && op[1] == 'g' && op[0] == 'r') keys_[0].Known = false;
  if (op.size() == 2 && op[1] == 'G' && op[0] == 'R') keys_[1].Known = false;
  if (op.size() == 1 && op[0] == 'd') keys_[2].Known = false;
  if (op.size() == 1 && op[0] == 'w') keys_[3].Known = false;
}

void TPDFStateCache::AppendKeyed(std::string& out, TKeyed slot, std::uint64_t key, std::string_view value) {
  AppendPDFState(out, KeyedOperator(slot), value);
  keys_[static_cast<std::size_t>(slot)] = {true, key};
}

void TPDFStateCache::AppendPDFState(std::string& out, std::string_view op, std::string_view value) {
  ForgetKey(op);
  auto found = entries_.begin();
  while (found != entries_.end() && !SameOperator(found->first, op)) ++found;
  if (found == entries_.end()) {
    entries_.emplace_back(std::string(op), std::string(value));
  } else {
    if (SameOperands(found->second, value)) return;
    found->second.assign(value);
  }
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
