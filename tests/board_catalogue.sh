# Sourced by the test scripts that run every built-in board: they learn the
# boards from the program itself, so that a board added to the catalogue is
# tested without a word here. Needs $hbpins, the program, and a writable
# current directory; the boards of the board files named in board_files, an
# array of absolute names the script may set, join them.
#
#   boards           the board numbers, as the usage text lists them (--help),
#                    then those of the board files
#   slots[NUMBER]    the slots of each board, as its UCF file heads them
#   loading[NUMBER]  the board file a board is loaded from; none for a
#                    built-in board: "${loading[$board]:+-b}" ${loading[$board]}

boards=($("$hbpins" --help | sed -n 's/^ *supported HBxxx: //p' | tr -d ,))
(( ${#boards[@]} > 0 )) || { echo "the usage text lists no boards"; exit 1; }
declare -A slots loading
for file in "${board_files[@]}"; do
  # The board column, found by its name in any case after a byte order mark.
  loaded=$(awk -F, 'NR == 1 { sub(/^\xEF\xBB\xBF/, ""); for (i = 1; i <= NF; i++)
      if (tolower($i) == "board") c = i; next } $c ~ /^[0-9]+$/ && !seen[$c]++ { print $c }' "$file")
  [ -n "$loaded" ] || { echo "$file gives no board"; exit 1; }
  for board in $loaded; do
    boards+=("$board")
    loading[$board]=$file
  done
done
for board in "${boards[@]}"; do
  "$hbpins" ${loading[$board]:+-b "${loading[$board]}"} -d "$board" -u board-slots > /dev/null 2>&1
  slots[$board]=$(grep -c '^# Empty slot' board-slots.ucf)
  rm -f board-slots.ucf
done
