# A template whose reading fails: /proc/self/mem, read from its start, where
# nothing is mapped, gives an input/output error. The run stops with error
# 100, the top file being written is removed (here it replaced an older
# one), and board.ucf, finished before, stays.
ln -s /proc/self/mem mem.vhd
echo "an older top file" > top.vhd
"$HBPINS" -v -d 701 -s 722 -u board -t mem -o top
echo "status $?"
[ -e top.vhd ] || echo "top.vhd is gone"
[ "$(readlink mem.vhd)" = /proc/self/mem ] && echo "mem.vhd still links to /proc/self/mem"
rm mem.vhd
