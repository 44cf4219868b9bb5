# bash completion for hbpins

_hbpins() {
  local cur prev
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD-1]}
  local boards="701 706 709 710 711"
  local modules="701 702 703 704 706 706-1 707 707-1 709 710 711 712 713 714 715 717 720 721
    722 724 725 726 727 728 730 731 733 734 735 735-1 736 737 739 740 953 954 955"
  case ${prev,,} in
    -d)
      COMPREPLY=($(compgen -W "$boards" -- "$cur"))
      return
      ;;
    -s | -s[0-7])
      COMPREPLY=($(compgen -W "$modules" -- "$cur"))
      return
      ;;
    -u)
      COMPREPLY=($(compgen -f -X '!*.[uU][cC][fF]' -- "$cur") $(compgen -d -- "$cur"))
      return
      ;;
    -c | -t | -o)
      COMPREPLY=($(compgen -f -X '!*.vhd' -- "$cur") $(compgen -d -- "$cur"))
      return
      ;;
  esac
  local words="-v -1 -2 -W -d -s -u -c -t -o QMALL"
  local b m
  for b in $boards; do words+=" HB$b"; done
  for m in $modules; do [[ $m == 95? ]] || words+=" QM${m%-1}"; done
  COMPREPLY=($(compgen -W "$words" -- "$cur"))
}
complete -o filenames -F _hbpins hbpins
