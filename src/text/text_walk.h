#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/text.h"

// One pass over a laid-out text in page units, shared by the PDF and SVG output and by
// the link areas, so that all three place runs, tabs, underlines and links alike.
// The walk keeps the pass state (X, InLink, UnderlineOn, the open underline segment and
// link area) and calls the hooks; the hooks write.
class TTextWalk {
 public:
  TTextWalk(TPDFText& text, TQuarrionCanvas& canvas);
  virtual ~TTextWalk() = default;

  // Walks every line; FontStyle is cleared for the walk and restored after it.
  void Walk();

 protected:
  // The line's X is set; the segment and link area restarting here are already open.
  virtual void BeginLine(std::size_t) {}
  virtual void EndLine(std::size_t) {}
  // A run of text characters starts at X (X advances after the call).
  virtual void Text(std::string_view) {}
  // FontStyle changed from `old` to its current value.
  virtual void StyleChanged(std::uint8_t) {}
  // InLink has just become true (false at LinkEnded).
  virtual void LinkStarted() {}
  virtual void LinkEnded() {}
  // The underline segment from SegmentStart to X on line SegmentLine ends.
  virtual void FlushUnderline() {}
  // The part of the open link span from AreaStart to X on line AreaLine ends.
  virtual void LinkArea() {}

  TPDFText& text_;
  TQuarrionCanvas& canvas_;
  const TPDFText::TLayout& layout_;
  double S, L;
  double X = 0;
  bool InLink = false;
  bool UnderlineOn = false;
  bool Moved = false;  // a tab moved X since the last run of this line
  double SegmentStart = 0;
  std::size_t SegmentLine = 0;
  // The open link span.
  int LinkKind = 0;
  int LinkTarget = 0;
  std::string LinkAddress;
  double AreaStart = 0;
  std::size_t AreaLine = 0;

 private:
  bool SegmentOpen() const { return UnderlineOn || (InLink && text_.UnderlineLinks); }
  void StartSegment(std::size_t line) {
    SegmentStart = X;
    SegmentLine = line;
  }
  void Pair(std::string_view pair, std::size_t line);
};
