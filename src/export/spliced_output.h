#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/ordered_work_queue.h"
#include "export/xref_table.h"

// A file written in order by one thread while other threads finish some of its pieces
// (compressed streams): the writer appends what it has at once and leaves each deferred
// piece a place, and Splice puts the pieces there, in order. Offsets recorded meanwhile
// are those of the spliced file. With one thread a piece is made on the spot and appended
// like any other text, so the file is never copied.
class TSplicedOutput {
 public:
  // Makes the bytes of a piece; runs on any thread and must own what it reads.
  using TMakePiece = std::function<void(std::string& piece)>;

  // `out` is the file so far; `threads` as for TOrderedWorkQueue.
  TSplicedOutput(std::string& out, TXrefTable& xref, int threads);
  TSplicedOutput(const TSplicedOutput&) = delete;
  TSplicedOutput& operator=(const TSplicedOutput&) = delete;

  // Whether pieces are made by other threads (else on the spot, as they are deferred).
  bool Parallel() const { return work_.Threads() > 1; }
  // Object `number` begins at the current end of the file.
  void Record(int number);
  // Leaves the place at the current end of the file to the piece `make` returns.
  // `sizeHint`: about how long the piece will be, for a piece made on the spot.
  void Defer(TMakePiece make, std::size_t sizeHint);
  // Starts making a piece before its place in the file is reached, and returns the
  // number to give Place then. Every piece started must be placed before Splice.
  std::size_t Start(TMakePiece make);
  // Leaves the place at the current end of the file to piece `piece` from Start.
  void Place(std::size_t piece);
  // Waits for the pieces and puts each at its place, in the file's own buffer (a second
  // buffer the size of the file would be touched page by page for one copy); afterwards
  // the file is complete and every offset is in the table. Rethrows what a piece's maker
  // threw, leaving the file as it was.
  void Splice();

 private:
  struct TPiece {
    std::string Text;    // filled by the job
    std::size_t Ticket;  // the job that makes it
  };
  struct THole {
    std::size_t At;     // offset in the text written so far
    std::size_t Piece;  // index in pieces_
  };
  // An object that begins after `Holes` places were left.
  struct TMark {
    int Number;
    std::size_t At;
    std::size_t Holes;
  };

  std::string& out_;
  TXrefTable& xref_;
  std::vector<THole> holes_;
  std::vector<TMark> marks_;
  std::deque<TPiece> pieces_;  // addresses stay put while jobs fill them
  std::size_t placed_ = 0;
  TOrderedWorkQueue work_;     // last: joined before the pieces go
};
