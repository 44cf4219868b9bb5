#pragma once

#include <cstddef>
#include <memory>
#include <streambuf>

namespace hbpins {

// An output stream buffer over an open file descriptor, which it neither
// opens nor closes: one large buffer, and writes larger than the buffer go
// to the descriptor as they are. A failed write leaves its errno in error()
// and makes the stream bad.
class descriptor_buffer : public std::streambuf {
 public:
  explicit descriptor_buffer(int descriptor);
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* data, std::streamsize size) override;
  int sync() override;

 private:
  bool drain();

  static constexpr std::size_t capacity = std::size_t{1} << 16;
  int descriptor_;
  int error_ = 0;
  std::unique_ptr<char[]> buffer_;
};

}  // namespace hbpins
