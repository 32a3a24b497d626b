#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

// One zlib stream (RFC 1950) inflated piece by piece into memory the caller provides,
// towards a length announced beforehand. The checks and messages are those of every
// inflated input: a length the input cannot possibly reach is refused before anything
// is allocated, and a stream that ends early or is damaged throws FormatError.
class TInflateStream {
 public:
  // Throws FormatError for an announced length above kMaxDecompressedLength or beyond
  // what `bytes` could inflate to; `bytes` must outlive the stream.
  TInflateStream(std::string_view bytes, std::size_t length);
  ~TInflateStream();
  TInflateStream(const TInflateStream&) = delete;
  TInflateStream& operator=(const TInflateStream&) = delete;

  // Fills out[0, room) with the next bytes of the stream; `room` must not go past the
  // announced length. Throws FormatError when the stream cannot fill it, or, once the
  // announced length is reached, when what follows in the stream (its check value, say)
  // is damaged.
  void Fill(char* out, std::size_t room);
  std::size_t Total() const;
  std::size_t Length() const { return length_; }

 private:
  void CheckEnd();

  struct State;
  std::unique_ptr<State> state_;
  std::size_t length_;
};
