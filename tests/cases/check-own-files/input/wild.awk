# The UCF file with one IOSTANDARD line for each slot whose nets share one
# standard (QM0_*, or QM<0>* for module 955), and the pull resistors of
# vectors as one line for all bits (HB710_I_SWI_ADR<*>) at the end.
function flush(  i, same) {
  same = n > 0
  for (i = 2; i <= n; i++) same = same && standard[i] == standard[1]
  if (same) print "NET \"" (general ? "QM<" slot ">*" : "QM" slot "_*") "\" IOSTANDARD = " standard[1] ";"
  for (i = 1; i <= n; i++) print (same ? placed[i] : line[i])
  n = 0
}
/^# .*slot [0-7]$/ || /^# Timing/ {
  flush(); in_slot = $0 !~ /Timing/; slot = $NF; general = /unspecified/
  print; next
}
in_slot && /^NET/ { n++; line[n] = $0; standard[n] = $9; placed[n] = "NET " $2 " LOC = " $5 ";"; next }
/\| PULLUP ;$/ && $2 ~ /<[0-9]+>"$/ {
  base = $2; sub(/<[0-9]+>"$/, "<*>\"", base); pulls[base] = 1; sub(/ \| PULLUP ;$/, " ;")
}
{ print }
END { for (base in pulls) print "NET " base " PULLUP;" }
