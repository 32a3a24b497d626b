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
  // Waits for the pieces and puts each at its place, in the file's own buffer (a second
  // buffer the size of the file would be touched page by page for one copy); afterwards
  // the file is complete and every offset is in the table. Rethrows what a piece's maker
  // threw, leaving the file as it was.
  void Splice();

 private:
  struct THole {
    std::size_t At;      // offset in the text written so far
    std::size_t Ticket;  // the job that makes the piece
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
  std::deque<std::string> pieces_;  // filled by the jobs; addresses stay put
  TOrderedWorkQueue work_;          // last: joined before the pieces go
};
