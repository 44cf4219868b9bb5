#!/usr/bin/env python3
"""For every board fully loaded, reads the pin report of a run with a real
CSV reader and a real JSON parser and checks it against the UCF file of the
same run: every net once, on the same location, in the same order."""
import csv, json, os, re, subprocess, sys, tempfile

hbpins = os.path.abspath(sys.argv[1])
loads = {701: "955 714 735-1 954", 706: "726 953 707-1 955", 709: "704 703 736 955 954 739 706-1 953",
         710: "737 734 955 730", 711: "714 727 703 735-1 955 954 953 736"}
failed = False
with tempfile.TemporaryDirectory() as work:
    for board, modules in loads.items():
        args = [hbpins, "-d", str(board)]
        for module in modules.split():
            args += ["-s", module]
        subprocess.run(args + ["-u", "b", "-p", "b", "-p", "b.json"], cwd=work, check=True,
                       capture_output=True)
        with open(f"{work}/b.ucf") as ucf:
            nets = re.findall(r'^NET "([^"]*)" +LOC = "([^"]*)"', ucf.read(), re.M)
        with open(f"{work}/b.csv", newline="") as report:
            rows = list(csv.DictReader(report))
        with open(f"{work}/b.json") as report:
            document = json.load(report)
        from_csv = [(row["signal"], row["location"]) for row in rows]
        from_json = [(pin["signal"], pin["location"]) for pin in document["pins"]]
        checks = {"CSV rows": from_csv == nets, "JSON pins": from_json == nets,
                  "JSON board": document["board"] == board,
                  "nets once": len(set(nets)) == len(nets)}
        for what, good in checks.items():
            if not good:
                print(f"board {board}: {what} do not match the UCF file")
                failed = True
        print(f"board {board}: {len(nets)} nets")
sys.exit(1 if failed else 0)
