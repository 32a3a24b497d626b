#include "export/spliced_output.h"

#include <cstring>
#include <stdexcept>
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
  Place(Start(std::move(make)));
}

std::size_t TSplicedOutput::Start(TMakePiece make) {
  TPiece& piece = pieces_.emplace_back();
  piece.Ticket = work_.Submit([&text = piece.Text, make = std::move(make)] { make(text); });
  return pieces_.size() - 1;
}

void TSplicedOutput::Place(std::size_t piece) {
  ++placed_;
  if (work_.Threads() == 1) {
    // Made on the spot by Start; waiting rethrows what its maker threw.
    work_.Wait(pieces_.at(piece).Ticket);
    out_.append(pieces_[piece].Text);
    std::string().swap(pieces_[piece].Text);
    return;
  }
  holes_.push_back({out_.size(), piece});
}

void TSplicedOutput::Splice() {
  if (placed_ != pieces_.size()) throw std::logic_error("a piece of the file was never placed");
  if (holes_.empty()) return;
  const std::size_t written = out_.size();
  std::size_t size = written;
  for (const THole& hole : holes_) {
    work_.Wait(pieces_[hole.Piece].Ticket);
    size += pieces_[hole.Piece].Text.size();
  }
  work_.Release();
  // How far the text after each hole moves: the length of the pieces before it.
  std::vector<std::size_t> shift(holes_.size() + 1, 0);
  for (std::size_t h = 0; h < holes_.size(); ++h)
    shift[h + 1] = shift[h] + pieces_[holes_[h].Piece].Text.size();
  // The file is assembled in place, from its end: each stretch of text moves up by the
  // length of the pieces before it, into room already cleared, and its piece fills the
  // gap it leaves.
  out_.resize(size);
  char* file = out_.data();
  for (std::size_t h = holes_.size(); h-- > 0;) {
    const std::size_t from = holes_[h].At;
    const std::size_t to = h + 1 < holes_.size() ? holes_[h + 1].At : written;
    const std::string& piece = pieces_[holes_[h].Piece].Text;
    std::memmove(file + from + shift[h + 1], file + from, to - from);
    std::memcpy(file + from + shift[h], piece.data(), piece.size());
  }
  for (const TMark& mark : marks_) xref_.RecordOffset(mark.Number, mark.At + shift[mark.Holes]);
  holes_.clear();
  marks_.clear();
  pieces_.clear();
  placed_ = 0;
}
