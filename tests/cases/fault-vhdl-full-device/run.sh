# VHDL outputs on a full device (symbolic links to /dev/full): error 101, and
# the links, which are no regular files, are left alone.
ln -s /dev/full decl.vhd
ln -s /dev/full top.vhd
"$HBPINS" -d 711 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -c decl
echo "status $?"
"$HBPINS" -d 711 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -t tmpl -o top
echo "status $?"
for name in decl.vhd top.vhd; do
  [ "$(readlink $name)" = /dev/full ] && [ -c /dev/full ] && echo "$name still links to /dev/full"
done
rm decl.vhd top.vhd
