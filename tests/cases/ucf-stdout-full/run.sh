"$HBPINS" -v -d 710 -u board > /dev/full 2> stderr.txt
echo "status $?"
cat stderr.txt
rm stderr.txt
