# bash completion for hbpins

# _hbpins_files PATTERN...: the files matching a PATTERN and the directories
# that start with the current word, each once, one candidate per line so that
# a name with blanks stays one word.
_hbpins_files() {
  # compgen takes the word as the file name itself: drop the quote it was
  # opened with, and outside single quotes the backslashes.
  local escaped=${cur#[\'\"]} plain i
  plain=$escaped
  if [[ $cur != \'* ]]; then
    plain=
    for ((i = 0; i < ${#escaped}; i++)); do
      [[ ${escaped:i:1} == \\ ]] && ((++i))
      plain+=${escaped:i:1}
    done
  fi
  mapfile -t COMPREPLY < <({
    for pattern; do compgen -f -X "!$pattern" -- "$plain"; done
    compgen -d -- "$plain"
  } | LC_ALL=C sort -u)
  compopt -o filenames
}

# _hbpins_board_numbers FILE: the numbers of the board column of a board
# file, each once.
_hbpins_board_numbers() {
  awk -F, 'NR == 1 { sub(/^\xEF\xBB\xBF/, ""); for (i = 1; i <= NF; i++) if (tolower($i) == "board") c = i; next }
    c && $c ~ /^[0-9]+$/ && !seen[$c]++ { print $c }' "$1" 2> /dev/null
}

# "-" for standard input, where the word typed so far may begin it.
_hbpins_standard_input() {
  [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
}

_hbpins() {
  local cur prev
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  # The boards as the program's usage text lists them, and those of the board
  # files given to -b so far on the line.
  local program=${COMP_WORDS[0]/#\~/$HOME} boards i file
  boards=$("$program" --help 2> /dev/null | sed -n 's/^ *supported HBxxx: //p' | tr -d ,)
  for ((i = 1; i < COMP_CWORD; i++)); do
    [[ ${COMP_WORDS[i],,} == -b ]] || continue
    file=${COMP_WORDS[i+1]}
    [[ ${file##*/} == *.* ]] || file+=.csv
    [[ -r $file ]] && boards+=" $(_hbpins_board_numbers "$file")"
  done
  local modules="701 702 703 704 706 706-1 707 707-1 709 710 711 712 713 714 715 717 720 721
    722 724 725 726 727 728 730 731 733 734 735 735-1 736 737 739 740 953 954 955"
  case ${prev,,} in
    -d)
      mapfile -t COMPREPLY < <(compgen -W "$boards" -- "$cur")
      return
      ;;
    -s | -s[0-7])
      mapfile -t COMPREPLY < <(compgen -W "$modules" -- "$cur")
      return
      ;;
    -u)
      _hbpins_files '*.[uU][cC][fF]'
      return
      ;;
    -k)
      _hbpins_files '*.[uU][cC][fF]'
      _hbpins_standard_input
      return
      ;;
    -c | -t | -o)
      # VHDL, or Verilog for a name ending in .v or .sv in any case.
      _hbpins_files '*.vhd' '*.vhdl' '*.[vV]' '*.[sS][vV]'
      return
      ;;
    -m | -b)
      _hbpins_files '*.[cC][sS][vV]'
      _hbpins_standard_input
      return
      ;;
    -p)
      # The report's kinds: CSV, JSON, the package picture and the page.
      _hbpins_files '*.[cC][sS][vV]' '*.[jJ][sS][oO][nN]' '*.[sS][vV][gG]' '*.[hH][tT][mM][lL]'
      return
      ;;
  esac
  local words="--help --version -v -1 -2 -W -x -m -b -d -s -u -c -t -o -p -k QMALL"
  local b m
  for b in $boards; do words+=" HB$b"; done
  # One QM word per module: the build variants (-1) are chosen after -s.
  for m in $modules; do [[ $m == *-1 || $m == 95? ]] || words+=" QM$m"; done
  mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
}
complete -F _hbpins hbpins
