#pragma once

#include <array>
#include <cstdint>
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
  // The fill and stroke colours ("rg", "RG"), the dash ("d") and the line width ("w") are
  // set for nearly every object, mostly to what they already are. A caller that makes
  // their operands from one number (a colour, a width) can ask first whether the
  // operands last written were made from the same number, and skip making them.
  enum class TKeyed { Fill, Stroke, Dash, Width };
  static constexpr std::string_view KeyedOperator(TKeyed slot) {
    constexpr std::string_view kOperators[] = {"rg", "RG", "d", "w"};
    return kOperators[static_cast<int>(slot)];
  }
  bool Unchanged(TKeyed slot, std::uint64_t key) const {
    const TKey& k = keys_[static_cast<std::size_t>(slot)];
    return k.Known && k.Value == key;
  }
  // As AppendPDFState for the slot's operator, remembering what made the operands.
  void AppendKeyed(std::string& out, TKeyed slot, std::uint64_t key, std::string_view value);
  // "BT " when no text object is open, else "".
  std::string BeginPDFText();
  // "ET " when a text object is open, else "".
  std::string EndPDFText();
  void Clear() {
    entries_.clear();
    keys_ = {};
  }
  bool InText() const { return inText_; }
  void ResetText() { inText_ = false; }

 private:
  struct TKey {
    bool Known = false;
    std::uint64_t Value = 0;
    std::size_t Entry = 0;  // the operator's place in entries_, while Known
  };
  // Forgets what made the operands of `op` when it is one of the keyed operators.
  void ForgetKey(std::string_view op);
  // AppendPDFState without forgetting a key; returns the operator's entry.
  std::size_t Set(std::string& out, std::string_view op, std::string_view value);
  static void Write(std::string& out, std::string_view op, std::string_view value);

  std::vector<std::pair<std::string, std::string>> entries_;
  std::array<TKey, 4> keys_{};
  bool inText_ = false;
};
