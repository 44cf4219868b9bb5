#!/usr/bin/env python3
"""For every board the program lists, and those of the board files given,
fully loaded, reads the pin report of a run with a real
CSV reader and a real JSON parser and checks it against the UCF file of the
same run: every net once, on the same location, in the same order. Parses
the package picture of the run as XML: every location of the CSV report is
drawn once, with a title naming its signals; no other pin has a title; the
legend counts every pin once.  Usage: check_report.py HBPINS [BOARD_FILE]..."""
import csv, json, os, re, subprocess, sys, tempfile
import xml.etree.ElementTree as ElementTree

hbpins = os.path.abspath(sys.argv[1])
# Every board the usage text lists, its slots filled in turn from these
# modules, the second variants and the modules of a meaning of their own
# among them.
usage = subprocess.run([hbpins, "--help"], capture_output=True, text=True, check=True).stdout
boards = [int(b) for b in re.search(r"supported HBxxx: ([0-9, ]*)", usage).group(1).split(", ") if b]
board_files = []
for name in sys.argv[2:]:
    board_files += ["-b", os.path.abspath(name)]
    with open(name, newline="", encoding="utf-8-sig") as loaded:
        boards += sorted({int(value) for row in csv.DictReader(loaded)
                          for column, value in row.items() if column.lower() == "board" and value})
modules = "955 714 735-1 954 726 953 707-1 704 703 736 739 706-1 737 734 730 727".split()
failed = False
with tempfile.TemporaryDirectory() as work:
    for number, board in enumerate(boards):
        subprocess.run([hbpins, *board_files, "-d", str(board), "-u", "b"], cwd=work, check=True,
                       capture_output=True)
        with open(f"{work}/b.ucf") as ucf:
            slots = len(re.findall(r"^# Empty slot", ucf.read(), re.M))
        args = [hbpins, *board_files, "-d", str(board)]
        for slot in range(slots):
            args += ["-s", modules[(4 * number + slot) % len(modules)]]
        subprocess.run(args + ["-u", "b", "-p", "b", "-p", "b.json", "-p", "b.svg"], cwd=work,
                       check=True, capture_output=True)
        with open(f"{work}/b.ucf") as ucf:
            nets = re.findall(r'^NET "([^"]*)" +LOC = "([^"]*)"', ucf.read(), re.M)
        with open(f"{work}/b.csv", newline="") as report:
            rows = list(csv.DictReader(report))
        with open(f"{work}/b.json") as report:
            document = json.load(report)
        # Every pin of the picture has its location as its id; a used one a title.
        picture = ElementTree.parse(f"{work}/b.svg")
        pins = [e for e in picture.iter() if "id" in e.attrib]
        # The heading names the package: "26 &#215; 26 ball grid" or "208-pin quad flat pack".
        package = next(e.text for e in picture.iter("{http://www.w3.org/2000/svg}text")
                       if (e.text or "").startswith("FPGA package: "))
        grid = re.search(r"(\d+) \u00d7 (\d+) ball grid", package)
        package_pins = int(grid.group(1)) * int(grid.group(2)) if grid else int(
            re.search(r"(\d+)-pin quad flat pack", package).group(1))
        # The legend's counts, right-aligned, take each pin once.
        legend = [int(e.text.split()[0]) for e in picture.iter("{http://www.w3.org/2000/svg}text")
                  if e.get("text-anchor") == "end"]
        titles = {}
        for pin in pins:
            title = pin.findtext("{http://www.w3.org/2000/svg}title")
            titles.setdefault(pin.get("id"), []).append(title)
        from_csv = [(row["signal"], row["location"]) for row in rows]
        from_json = [(pin["signal"], pin["location"]) for pin in document["pins"]]
        checks = {"CSV rows": from_csv == nets, "JSON pins": from_json == nets,
                  "JSON board": document["board"] == board,
                  "nets once": len(set(nets)) == len(nets),
                  "picture's pins": len(pins) == package_pins,
                  "legend's total": sum(legend) == len(pins),
                  "picture's titled pins": {l for l, t in titles.items() if t != [None]}
                  == {l for _, l in from_csv},
                  "picture's titles": all(len(titles.get(l, [])) == 1 and re.search(
                      rf"^{re.escape(s)}:", titles[l][0], re.M) for s, l in from_csv)}
        for what, good in checks.items():
            if not good:
                print(f"board {board}: {what} do not match the UCF file")
                failed = True
        print(f"board {board}: {len(nets)} nets")
sys.exit(1 if failed else 0)
