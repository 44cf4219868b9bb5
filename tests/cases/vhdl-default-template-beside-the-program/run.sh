cp "$HBPINS" tool/hbpins
ln -s tool/hbpins link
cd work
../tool/hbpins -d 710 -s 722 -o top1; echo "status $?"
../link -d 710 -s 722 -o top2; echo "status $?"
PATH=$PWD/../tool:$PATH hbpins -d 710 -s 722 -o top3; echo "status $?"
cd .. && rm link tool/hbpins
