#include "catalogue/module_file/module_file_writer.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/number_reading.h"
#include "driver/files/run_failure.h"

namespace hbpins {

namespace {

// As module files, the rows of every module listed in a run form one file
// under one header.
void list_module(driver_state& state, const module_entry& module) {
  if (!state.listing_module_files) {
    print_module_pinout(state.listings, module, state.listing_format);
    return;
  }
  if (!state.module_file_started) write_module_file_header(state.listings);
  state.module_file_started = true;
  write_module_file_rows(state.listings, module);
}

}  // namespace

// QM<number> lists one module; QMALL lists every module the listing shows
// (and ends the run); anything else after QM is a mistyped module.
void listing_argument(driver_state& state, std::string_view a) {
  const std::string_view r = a.substr(2);
  if (r == "ALL") {
    for (const module_entry* module : listed_modules(state.catalogue)) {
      if (!state.listing_module_files) state.listings << '\n';
      list_module(state, *module);
    }
    return;
  }
  const std::optional<std::uint32_t> number = read_module_number(r);
  const module_entry* module = number ? find_module(state.catalogue, *number) : nullptr;
  if (module == nullptr || !is_listed(*module)) throw usage_error("Wrong QM Nr.!");
  list_module(state, *module);
}

}  // namespace hbpins
