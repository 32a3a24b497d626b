#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The byte offsets of a PDF file's indirect objects, indexed by object number, and the
// cross-reference section built from them. Recording is constant time whatever the order
// in which objects are placed in the file.
class TXrefTable {
 public:
  // Remembers where object `number` (1 or more) begins. A number is recorded once; a
  // second call for it replaces the first offset.
  void RecordOffset(int number, std::size_t offset);
  // The highest recorded object number, 0 when nothing is recorded.
  int HighestNumber() const { return int(offsets_.size()) - 1; }
  bool IsRecorded(int number) const;
  std::size_t OffsetOf(int number) const;
  // "xref\n0 M+1\n" and one 20-byte entry per object number 0..M; numbers that were
  // never recorded are written as free entries.
  void WriteXref(std::string& out) const;
  void Clear() { offsets_.assign(1, kFree); }

 private:
  static constexpr std::size_t kFree = std::size_t(-1);
  std::vector<std::size_t> offsets_ = std::vector<std::size_t>(1, kFree);
};
