# Sourced by the tool checks that load every board with every module: writes
# mine.csv, a module file with an LVDS pair and a vector (module 760), and
# sets modules to every module and variant the program lists (a second
# variant is modification 1; module 700 cannot be placed, 722 is the same
# module), then the general-IO modules, an empty slot and 760. Needs $hbpins
# and a writable current directory.
printf '%s\n' module,variant,position,signal,direction,standard 760,0,3,RX_p,in,LVDS_25 \
  760,0,4,RX_n,in,LVDS_25 '760,0,5,DATA<0>,out,' '760,0,6,DATA<1>,out,' '760,0,7,DATA<2>,out,' \
  760,0,8,EN,inout, > mine.csv
modules=($("$hbpins" -W QMALL | awk '/pin table/ { m = substr($1, 3) } /^modification 2/ { print m "-1" }
  /pin table/ && m != 700 { print m }') 953 955 954 760)
[ ${#modules[@]} -eq 38 ] || { echo "the listing gave ${#modules[@]} modules"; exit 1; }
