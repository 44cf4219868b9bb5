# A template of about 6 MB in six lines of up to 2 MB, made here rather than
# kept in the repository, with the expected top file made beside it from the
# two blocks of board 701 with 722 on slot 0. The merge reads in blocks of
# 256 KiB; the lengths put a marker, a lone CR and a CRLF across the ends of
# blocks 8, 12 and 20.
repeat() { head -c "$2" /dev/zero | tr '\0' "$1"; }
block=262144
a=1000000
b=$((8 * block - 5 - (a + 1)))      # "-- QM_BEGIN" starts 5 bytes before the end of block 8
c_start=$((8 * block - 5 + 11 + 2))
c=$((12 * block - 1 - c_start))     # its lone CR is the last byte of block 12
e_start=$((12 * block + 500000 + 9 + 1))
e=$((20 * block - 1 - 19 - e_start)) # the CR of its CRLF ends block 20
g=700000

{
  repeat a $a; printf '\n'
  repeat b $b; printf -- '-- QM_BEGIN\r\n'
  repeat c $c; printf '\r'
  repeat d 500000; printf -- '-- QM_END\n'
  repeat e $e; printf -- '-- QM_MAP_BEGINffff\r\n'
  repeat g $g
} > big.vhd
{
  repeat a $a; printf '\n'
  cat declarations.txt
  repeat c $c; printf '\n'
  cat port-map.txt
  repeat g $g; printf '\n'
} > expected.vhd

echo "template of $(wc -c < big.vhd) bytes"
echo "across the end of block 8: $(tail -c +$((8 * block - 4)) big.vhd | head -c 11)"
echo "CR at the end of block 12: $(tail -c +$((12 * block)) big.vhd | head -c 2 | od -An -c)"
echo "CRLF across the end of block 20: $(tail -c +$((20 * block)) big.vhd | head -c 2 | od -An -c)"
"$HBPINS" -d 701 -s 722 -t big -o top
echo "status $?"
cmp top.vhd expected.vhd && echo "top.vhd is the template with both blocks in place"
rm big.vhd expected.vhd top.vhd
