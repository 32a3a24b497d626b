#include "export/spliced_output.h"

#include <cstring>
#include <utility>

TSplicedOutput::TSplicedOutput(std::string& out, TXrefTable& xref, int threads)
    : out_(out), xref_(xref), work_(threads) {}

void TSplicedOutput::Record(int number) {
  if (holes_.empty())
    xref_.RecordOffset(number, out_.size());
  else
    marks_.push_back({number, out_.size(), holes_.size()});
}

void TSplicedOutput::Defer(TMakePiece make, std::size_t sizeHint) {
  if (work_.Threads() == 1) {
    std::string piece;
    piece.reserve(sizeHint);
    make(piece);
    out_.append(piece);
    return;
  }
  std::string& piece = pieces_.emplace_back();
  holes_.push_back({out_.size(), work_.Submit([&piece, make = std::move(make)] { make(piece); })});
}

void TSplicedOutput::Splice() {
  if (holes_.empty()) return;
  const std::size_t written = out_.size();
  std::size_t size = written;
  for (std::size_t h = 0; h < holes_.size(); ++h) {
    work_.Wait(holes_[h].Ticket);
    size += pieces_[h].size();
  }
  // How far the text after each hole moves: the length of the pieces before it.
  std::vector<std::size_t> shift(holes_.size() + 1, 0);
  for (std::size_t h = 0; h < holes_.size(); ++h) shift[h + 1] = shift[h] + pieces_[h].size();
  // The file is assembled in place, from its end: each stretch of text moves up by the
  // length of the pieces before it, into room already cleared, and its piece fills the
  // gap it leaves.
  out_.resize(size);
  char* file = out_.data();
  for (std::size_t h = holes_.size(); h-- > 0;) {
    const std::size_t from = holes_[h].At;
    const std::size_t to = h + 1 < holes_.size() ? holes_[h + 1].At : written;
    std::memmove(file + from + shift[h + 1], file + from, to - from);
    std::memcpy(file + from + shift[h], pieces_[h].data(), pieces_[h].size());
  }
  for (const TMark& mark : marks_) xref_.RecordOffset(mark.Number, mark.At + shift[mark.Holes]);
  holes_.clear();
  marks_.clear();
  pieces_.clear();
}
