#include "driver/files/descriptor_buffer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace hbpins {

namespace {

// Writes all of data, through short writes and interrupted ones; the errno
// of a failure, 0 when everything went out.
int write_all(int descriptor, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(descriptor, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return 0;
}

}  // namespace

descriptor_buffer::descriptor_buffer(int descriptor)
    : descriptor_(descriptor), buffer_(std::make_unique_for_overwrite<char[]>(capacity)) {
  setp(buffer_.get(), buffer_.get() + capacity);
}

// Empties the buffer into the descriptor; after a failure nothing more goes
// out.
bool descriptor_buffer::drain() {
  if (error_ == 0)
    error_ = write_all(descriptor_, pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_.get(), buffer_.get() + capacity);
  return error_ == 0;
}

descriptor_buffer::int_type descriptor_buffer::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize descriptor_buffer::xsputn(const char* data, std::streamsize size) {
  const auto length = static_cast<std::size_t>(size);
  if (length > static_cast<std::size_t>(epptr() - pptr())) {
    if (!drain()) return 0;
    if (length >= capacity) {
      error_ = write_all(descriptor_, data, length);
      return error_ == 0 ? size : 0;
    }
  }
  std::memcpy(pptr(), data, length);
  pbump(static_cast<int>(length));
  return size;
}

int descriptor_buffer::sync() {
  return drain() ? 0 : -1;
}

}  // namespace hbpins
