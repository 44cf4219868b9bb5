#include "driver/files/file_names.h"

#include <cerrno>
#include <cstring>

namespace hbpins {

std::string complete_file_name(std::string_view name, std::string_view extension) {
  std::string completed(name);
  for (char& c : completed)
    if (c == '\\') c = '/';
  const std::size_t slash = completed.rfind('/');
  const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = completed.rfind('.');
  const bool has_dot = dot != std::string::npos && dot >= name_start;
  if (!has_dot) return completed.append(extension);
  if (dot + 1 == completed.size()) return completed.erase(dot).append(extension);
  return completed;
}

std::string directory_part(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? std::string_view()
                                                     : path.substr(0, slash + 1));
}

std::string option_file_name(std::string_view typed, std::string_view extension) {
  if (typed.empty()) throw usage_error("No file name specified!");
  return complete_file_name(typed, extension);
}

exit_status open_error_status(int error) {
  switch (error) {
    case ENOENT:
      return exit_status::not_found;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return exit_status::bad_path;
    case EMFILE:
    case ENFILE:
      return exit_status::too_many_files;
    default:
      return exit_status::denied;
  }
}

run_failure open_failure(const std::string& name, int error) {
  return {open_error_status(error), "cannot open " + name + ": " + std::strerror(error)};
}

run_failure read_failure(const std::string& name, int error) {
  std::string what = "cannot read " + name;
  if (error != 0) what += std::string(": ") + std::strerror(error);
  return {exit_status::read, what};
}

}  // namespace hbpins
