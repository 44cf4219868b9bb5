# Sourced by the test scripts that run every built-in board: they learn the
# boards from the program itself, so that a board added to the catalogue is
# tested without a word here. Needs $hbpins, the program, and a writable
# current directory.
#
#   boards         the board numbers, as the usage text lists them (--help)
#   slots[NUMBER]  the slots of each board, as its UCF file heads them

boards=($("$hbpins" --help | sed -n 's/^ *supported HBxxx: //p' | tr -d ,))
(( ${#boards[@]} > 0 )) || { echo "the usage text lists no boards"; exit 1; }
declare -A slots
for board in "${boards[@]}"; do
  "$hbpins" -d "$board" -u board-slots > /dev/null 2>&1
  slots[$board]=$(grep -c '^# Empty slot' board-slots.ucf)
  rm -f board-slots.ucf
done
