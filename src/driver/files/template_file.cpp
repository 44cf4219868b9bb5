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

// The directory part, backslashes read as slashes as in every file name
// given to hbpins.
std::string slashed_directory(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return directory_part(path);
}

}  // namespace

std::string program_directory(std::string_view program_path) {
  std::array<char, 4096> path{};
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length > 0 && static_cast<std::size_t>(length) < path.size())
    return slashed_directory(std::string(path.data(), static_cast<std::size_t>(length)));
  return slashed_directory(std::string(program_path));
}

void open_template(template_file& tmpl, const std::string& name) {
  tmpl.made.reset();
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
  tmpl.name = name;
  tmpl.language = language_of_file(name);
  tmpl.opened.push_back({identity_of(info), tmpl.language});
}

void use_made_template(template_file& tmpl, std::string text, std::string name,
                       hdl_language language) {
  if (tmpl.stream.is_open()) tmpl.stream.close();
  tmpl.made.emplace(std::move(text));
  tmpl.name = std::move(name);
  tmpl.language = language;
}

bool is_open(const template_file& tmpl) {
  return tmpl.made || tmpl.stream.is_open();
}

std::istream& template_text(template_file& tmpl) {
  if (tmpl.made) return *tmpl.made;
  return tmpl.stream;
}

void close_template(template_file& tmpl) {
  tmpl.stream.close();
  tmpl.made.reset();
}

std::string default_template_name(std::string_view program_path, std::uint32_t board_number,
                                  hdl_language language) {
  return program_directory(program_path) + default_template_file_name(board_number, language);
}

namespace {

// The language of the default template that the file is, if it is one:
// every board's, not only the chosen one's, as a later run may choose
// another, and in either language.
std::optional<hdl_language> default_template_language(std::string_view program_path,
                                                      const run_catalogue& catalogue,
                                                      const file_identity& file) {
  const std::string directory = program_directory(program_path);
  for (const board_entry* board : listed_boards(catalogue))
    for (hdl_language language : hdl_languages)
      if (identity_of(directory + default_template_file_name(board->number, language)) == file)
        return language;
  return std::nullopt;
}

}  // namespace

// A name that leads to no file is no template; most outputs are new files.
void check_not_template(const template_file& tmpl, std::string_view program_path,
                        const run_catalogue& catalogue, const std::string& name) {
  const std::optional<file_identity> output = identity_of(name);
  if (!output) return;
  const auto refuse = [](hdl_language language) {
    throw usage_error("Output file is the " + std::string(language_info(language).name) +
                      " template!");
  };
  for (const opened_template& opened : tmpl.opened)
    if (opened.file == *output) refuse(opened.language);
  if (const std::optional<hdl_language> language =
          default_template_language(program_path, catalogue, *output))
    refuse(*language);
}

void warn_of_missing_markers(const template_file& tmpl, template_markers found, std::ostream& err) {
  if (found.declarations && found.port_map) return;
  const std::string lead(language_info(tmpl.language).marker_lead);
  std::string missing = found.declarations ? "" : '"' + lead + "_BEGIN\"";
  if (!found.declarations && !found.port_map) missing += " and no ";
  if (!found.port_map) missing += '"' + lead + "_MAP_BEGIN\"";
  err << "hbpins: warning: " + tmpl.name + " has no " + missing + " line\n";
}

}  // namespace hbpins
