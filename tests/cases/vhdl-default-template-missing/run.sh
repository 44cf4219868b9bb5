mkdir bin && cp "$HBPINS" bin/hbpins
bin/hbpins -v -d 710 -o top | sed "s|$PWD/|./|"
echo "status ${PIPESTATUS[0]}"
rm -r bin
