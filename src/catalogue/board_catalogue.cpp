#include "catalogue/board_catalogue.h"

namespace hbpins {

std::string board_name(std::uint32_t number) {
  return "HB" + std::to_string(number);
}

loaded_board::loaded_board(std::uint16_t number, std::string file_name)
    : file(std::move(file_name)), entry{number, {}, {}, {}, {}} {}

void loaded_board::set_tables(std::string prefix, package_shape package,
                              std::vector<slot_wiring> wiring,
                              std::vector<pin_type> board_signals) {
  location_prefix = std::move(prefix);
  connectors = std::move(wiring);
  signals = std::move(board_signals);
  signal_tables[0] = signals;
  entry.location_prefix = location_prefix;
  entry.package = package;
  entry.connectors = connectors;
  entry.signal_tables = signal_tables;
}

}  // namespace hbpins
