#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The per-slide graphics-state cache and the text-object flag that the objects' PDF code
// shares while a content stream is built. Operators that repeat their last operands
// write nothing.
class TPDFStateCache {
 public:
  // Text to append: operands + " " + operator + "\n", or "" when nothing changed.
  std::string SetPDFState(std::string_view op, std::string_view value);
  // The same text appended to `out`, without a string of its own.
  void AppendPDFState(std::string& out, std::string_view op, std::string_view value);
  // "BT " when no text object is open, else "".
  std::string BeginPDFText();
  // "ET " when a text object is open, else "".
  std::string EndPDFText();
  void Clear() { entries_.clear(); }
  bool InText() const { return inText_; }
  void ResetText() { inText_ = false; }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
  bool inText_ = false;
};
