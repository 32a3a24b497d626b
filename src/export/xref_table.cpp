#include "export/xref_table.h"

#include "base/number_format.h"

void TXrefTable::RecordOffset(int number, std::size_t offset) {
  if (number < 1) return;  // object 0 is always the head of the free list
  if (std::size_t(number) >= offsets_.size()) offsets_.resize(std::size_t(number) + 1, kFree);
  offsets_[std::size_t(number)] = offset;
}

bool TXrefTable::IsRecorded(int number) const {
  return number >= 1 && std::size_t(number) < offsets_.size() && offsets_[std::size_t(number)] != kFree;
}

std::size_t TXrefTable::OffsetOf(int number) const {
  return IsRecorded(number) ? offsets_[std::size_t(number)] : 0;
}

namespace {
// Ten digits with leading zeros; every entry of the section is exactly 20 bytes long.
void AppendEntry(std::string& out, std::size_t offset, const char* tail) {
  char digits[10];
  for (int i = 9; i >= 0; --i) {
    digits[i] = char('0' + offset % 10);
    offset /= 10;
  }
  out.append(digits, sizeof digits);
  out.append(tail);
}
}  // namespace

void TXrefTable::WriteXref(std::string& out) const {
  const std::size_t count = offsets_.size();
  out.reserve(out.size() + 32 + 20 * count);
  out.append("xref\n0 ");
  AppendInt(out, static_cast<long long>(count));
  out.push_back('\n');
  for (std::size_t n = 0; n < count; ++n) {
    if (offsets_[n] == kFree)
      AppendEntry(out, 0, " 65535 f \n");
    else
      AppendEntry(out, offsets_[n], " 00000 n \n");
  }
}
