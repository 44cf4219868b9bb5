cp "$HBPINS" tool/hbpins
tool/hbpins -d 710 -o tool/HB710_template; echo "status $?"
rm tool/hbpins
