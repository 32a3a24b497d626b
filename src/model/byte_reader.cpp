#include "model/byte_reader.h"

#include "base/format_error.h"

void ByteReader::Fail(const std::string& what) const { throw FormatError(what, base_ + pos_); }

void ByteReader::Short(const char* field) const { Fail(std::string("data ends inside ") + field); }
