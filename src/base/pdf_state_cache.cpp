#include "base/pdf_state_cache.h"

std::string TPDFStateCache::SetPDFState(std::string_view op, std::string_view value) {
  std::string s;
  AppendPDFState(s, op, value);
  return s;
}

void TPDFStateCache::AppendPDFState(std::string& out, std::string_view op, std::string_view value) {
  auto found = entries_.begin();
  while (found != entries_.end() && found->first != op) ++found;
  if (found == entries_.end()) {
    entries_.emplace_back(std::string(op), std::string(value));
  } else {
    if (found->second == value) return;
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
