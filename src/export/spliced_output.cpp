#include "export/spliced_output.h"

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
  std::size_t size = out_.size();
  for (std::size_t h = 0; h < holes_.size(); ++h) {
    work_.Wait(holes_[h].Ticket);
    size += pieces_[h].size();
  }
  std::string file;
  // The room the writer reserved beyond what it has written stays for what follows.
  file.reserve(size + (out_.capacity() - out_.size()));
  // Where the text written so far lands in the file: its offset plus the pieces before.
  std::vector<std::size_t> shift(holes_.size() + 1, 0);
  std::size_t copied = 0;
  for (std::size_t h = 0; h < holes_.size(); ++h) {
    file.append(out_, copied, holes_[h].At - copied);
    copied = holes_[h].At;
    file.append(pieces_[h]);
    shift[h + 1] = shift[h] + pieces_[h].size();
  }
  file.append(out_, copied);
  for (const TMark& mark : marks_) xref_.RecordOffset(mark.Number, mark.At + shift[mark.Holes]);
  out_.swap(file);
  holes_.clear();
  marks_.clear();
  pieces_.clear();
}
