#include "export/pdf_state_cache.h"

std::string TPDFStateCache::SetPDFState(std::string_view op, std::string_view value) {
  std::string v(value);
  if (!v.empty()) v.push_back(' ');
  for (auto& [name, last] : entries_) {
    if (name != op) continue;
    if (last == v) return {};
    last = v;
    return v.append(op).append("\n");
  }
  entries_.emplace_back(std::string(op), v);
  return v.append(op).append("\n");
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
