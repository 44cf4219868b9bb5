# Listings and usage errors with standard output on a full device: a run that
# would end with status 0 ends with 101 and says so on standard error; a
# usage error and an input/output failure keep their own status.
try() {
  "$HBPINS" "$@" > /dev/full 2> stderr.txt
  echo "status $?"
  cat stderr.txt
}
try -2 QM733
try QMALL
try -W QM722
try -x
try -t missing QM722
rm stderr.txt
