#include "driver/files/template_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <ostream>

#include "catalogue/board_catalogue.h"
#include "driver/files/file_names.h"
#include "driver/files/run_failure.h"

namespace hbpins {

namespace {

std::string directory_part(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::string program_directory(std::string_view program_path) {
  std::array<char, 4096> path{};
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length > 0 && static_cast<std::size_t>(length) < path.size())
    return directory_part(std::string(path.data(), static_cast<std::size_t>(length)));
  return directory_part(std::string(program_path));
}

void open_template(template_file& tmpl, const std::string& name) {
  if (tmpl.stream.is_open()) tmpl.stream.close();
  tmpl.stream.clear();
  errno = 0;
  tmpl.stream.open(name, std::ios::binary);
  if (!tmpl.stream.is_open()) throw open_failure(name, errno);
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) throw open_failure(name, errno);
  // A directory opens like a file but cannot be read as one.
  if (S_ISDIR(info.st_mode)) {
    tmpl.stream.close();
    throw open_failure(name, EISDIR);
  }
  tmpl.opened.push_back({info.st_dev, info.st_ino, S_ISREG(info.st_mode)});
  tmpl.name = name;
}

std::optional<file_identity> identity_of(const std::string& name) {
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return std::nullopt;
  return file_identity{info.st_dev, info.st_ino, S_ISREG(info.st_mode)};
}

void close_template(template_file& tmpl) {
  tmpl.stream.close();
}

std::string default_template_name(std::string_view program_path, unsigned board,
                                  std::string_view extension) {
  return program_directory(program_path) + "HB" + std::to_string(board) + "_template" +
         std::string(extension);
}

namespace {

// Every board's, not only the chosen one's: a later run may choose another.
bool is_default_template(std::string_view program_path, const file_identity& file) {
  for (const board_entry& board : builtin_boards)
    for (std::string_view extension : template_extensions)
      if (identity_of(default_template_name(program_path, board.number, extension)) == file)
        return true;
  return false;
}

}  // namespace

// A name that leads to no file is no template; most outputs are new files.
void check_not_template(const template_file& tmpl, std::string_view program_path,
                        const std::string& name) {
  const std::optional<file_identity> output = identity_of(name);
  if (!output) return;
  if (std::find(tmpl.opened.begin(), tmpl.opened.end(), *output) != tmpl.opened.end() ||
      is_default_template(program_path, *output))
    throw usage_error("Output file is the VHDL template!");
}

void warn_of_missing_markers(const template_file& tmpl, template_markers found, std::ostream& err) {
  if (found.declarations && found.port_map) return;
  std::string missing = found.declarations ? "" : "\"-- QM_BEGIN\"";
  if (!found.declarations && !found.port_map) missing += " and no ";
  if (!found.port_map) missing += "\"-- QM_MAP_BEGIN\"";
  err << "hbpins: warning: " + tmpl.name + " has no " + missing + " line\n";
}

}  // namespace hbpins
