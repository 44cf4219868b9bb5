# --help and --version count only as whole arguments in exactly this case:
# the usage text, or one line with the version, status 0, and nothing after
# them is read. Any other spelling is an illegal option.
for line in "--help" "-v --version -x QM703" "--helpx"; do
  echo "\$ hbpins $line"
  read -ra args <<< "$line"
  "$HBPINS" "${args[@]}"
  echo "status $?"
done
