ln -s /dev/full full.ucf
"$HBPINS" -d 711 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -s 714 -u full
echo "status $?"
[ "$(readlink full.ucf)" = /dev/full ] && [ -c /dev/full ] && echo "full.ucf still links to /dev/full"
rm full.ucf
