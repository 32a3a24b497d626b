#include "model/byte_reader.h"

#include <algorithm>

#include "base/format_error.h"

void ByteReader::Fail(const std::string& what) const { throw FormatError(what, base_ + pos_); }

void ByteReader::Short(const char* field) const { Fail(std::string("data ends inside ") + field); }

bool ByteReader::Await(std::size_t count) {
  while (count > ready_ - pos_ && supply_ && ready_ < data_.size()) {
    std::size_t more = supply_->WaitBeyond(ready_);
    if (more <= ready_) break;
    ready_ = std::min(more, data_.size());
  }
  return count <= ready_ - pos_;
}
