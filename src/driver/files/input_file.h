#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "driver/files/file_identity.h"

namespace hbpins {

// The input files hold a few hundred KiB at most; a longer one is refused,
// so that a device or a FIFO without end cannot take all memory.
inline constexpr std::size_t max_input_size = std::size_t{16} << 20;
// "16 MiB", as messages give the bound.
std::string max_input_size_words();

// What a NUL byte is to a text: data, or the end of what is read (kept as
// the text's last byte, for the reader to refuse), so that a device of
// zeros ends at once.
enum class nul_bytes { kept, end_the_text };

// The content of a file the run reads, up to max_input_size and one byte
// more, so that a longer file shows. A file that cannot be opened fails as
// a template does; one that cannot be read ends the run with the read
// failure's status.
std::string read_input_file(const std::string& name, nul_bytes nul = nul_bytes::kept);

// The same for standard input; name is how messages call it.
std::string read_standard_input(const std::string& name, nul_bytes nul = nul_bytes::kept);

// The file standard input reads; nothing where the system cannot tell.
std::optional<file_identity> standard_input_identity();

}  // namespace hbpins
