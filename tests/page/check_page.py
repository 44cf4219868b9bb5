#!/usr/bin/python3
"""Loads the page of -p NAME.html in headless Chromium for every board the
usage text names, and those of a board file where one is given, every slot
filled with modules the usage text names, and
checks it against the CSV report of the same run: the three views, the
filter, selection by click, keyboard and address, sorting, the marks of a
shared location, no console error and no request. Saves a screenshot of
each page as page-BOARD.png in the build directory.

    check_page.py HBPINS BUILD_DIR [BOARD_FILE]

Skipped (status 77) where Chromium, chromedriver or selenium is missing."""
import csv, itertools, json, os, re, subprocess, sys, tempfile, urllib.parse

SKIPPED = 77
hbpins, build_dir = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
board_file = ["-b", os.path.abspath(sys.argv[3])] if len(sys.argv) > 3 else []
chromium, chromedriver = "/usr/bin/chromium", "/usr/bin/chromedriver"
for tool, package in ((chromium, "chromium"), (chromedriver, "chromium-driver")):
    if not os.access(tool, os.X_OK):
        print(f"skipped: {tool} not found (Debian package {package})")
        sys.exit(SKIPPED)
try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.keys import Keys
except ImportError:
    print("skipped: selenium not found by /usr/bin/python3 (Debian package python3-selenium)")
    sys.exit(SKIPPED)

failures = []


def check(good, what):
    if not good:
        failures.append(what)
        print("FAILED:", what)


def run(*args, cwd=None):
    return subprocess.run([hbpins, *board_file, *args], cwd=cwd, capture_output=True, text=True)


# The boards and modules as the usage text lists them; the modules with a
# second pin table as their listings show them.
usage = run("--help").stdout
boards = re.findall(r"\d+", re.search(r"supported HBxxx: (.*)", usage)[1])
last_builtin = boards[-1]
if board_file:
    with open(board_file[1], newline="", encoding="utf-8-sig") as loaded:
        boards += sorted({row["board"] for row in csv.DictReader(loaded)}, key=int)
modules = re.findall(r"\d{3}", re.search(r"supported QMxx: (.*)", usage)[1])
two_tables = {m for m in modules if "modification 2" in run("-W", f"QM{m}").stdout}
# From the end of the list, where the empty slot and the general I/O are.
next_module = itertools.cycle(reversed(modules))


def slot_count(board):
    return next(k for k in range(9) if run("-d", board, f"-s{k}", "954").returncode != 0)


# A module on every slot, the next of the list each time; a module with two
# pin tables in its second on the odd slots. Each slot with the title the
# page must give it.
def load(board):
    placed, titles = [], []
    for slot in range(slot_count(board)):
        module = next(next_module)
        variant = slot % 2 if module in two_tables else None
        placed += ["-s", module if variant is None else f"{module}-{variant}"]
        title = f"Slot {slot}: QM{module}" + ("" if variant is None else f", variant {variant}")
        titles.append({"954": f"Slot {slot}: empty", "955": f"{title}, general I/O"}.get(module, title))
    return placed, titles


options = webdriver.ChromeOptions()
options.binary_location = chromium
profile = tempfile.TemporaryDirectory()
# Without the networking of its own (updates, sync, QUIC) Chromium starts on a
# closed network; a fresh profile each run.
for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             f"--user-data-dir={profile.name}", "--window-size=1280,800"):
    options.add_argument(flag)
options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
driver = webdriver.Chrome(service=Service(chromedriver), options=options)
js = driver.execute_script

# What the page shows of its elements, read in one call each.
CELLS = "return [...document.querySelectorAll('#pins tbody tr')].filter(r => !r.hidden)" \
        ".map(r => [...r.cells].map(c => c.textContent))"
MARKED = """return [...document.querySelectorAll(arguments[0])].map(e =>
  e.closest('#package') ? e.id : e.dataset.slot !== undefined ? e.dataset.slot + ':' + e.dataset.pin
  : e.matches('tr') ? 'row:' + e.cells[3].textContent : 'board:' + e.firstChild.textContent)"""


def marked(selector):
    return sorted(js(MARKED, selector))


def views_of(rows):
    """The marks that rows' signals leave in the three views."""
    marks = {row["location"] for row in rows} | {"row:" + row["signal"] for row in rows}
    marks |= {f"{r['slot']}:{r['position']}" if r["slot"] else "board:" + r["signal"] for r in rows}
    return sorted(marks)


def click(element):
    """Clicks an element in the middle of the window, clear of the sticky header."""
    js("arguments[0].scrollIntoView({block: 'center'})", element)
    element.click()


def read_report(name):
    with open(name, newline="") as report:
        header, *lines = list(csv.reader(report))
    return header, lines, [dict(zip(header, line)) for line in lines]


# Where the board wires each slot's positions: module 955 puts a signal on
# every wired position.
def board_wiring(board, slots, work):
    run("-d", board, *["-s", "955"] * slots, "-p", "wiring.csv", cwd=work)
    rows = read_report(f"{work}/wiring.csv")[2]
    return {(r["slot"], r["position"]): r["location"] for r in rows if r["slot"]}


def check_connectors(board, rows, titles, wiring):
    slots = js("return [...document.querySelectorAll('.card[data-slot]')].map(s => [s.firstChild.textContent,"
               " [...s.querySelectorAll('.pin')].map(p => [+p.dataset.pin, p.className,"
               " ...['name', 'dir', 'std', 'loc'].map(c => p.querySelector('.' + c).textContent)])])")
    check([title for title, _ in slots] == titles, f"{board}: slot titles {[t for t, _ in slots]}")
    on_position = {(r["slot"], r["position"]): r for r in rows if r["slot"]}
    for slot, (_, pins) in enumerate(slots):
        # The two-column listing: 2 and 1 at the top, 36 and 35 at the bottom.
        check([p[0] for p in pins] == [n + d for n in range(2, 37, 2) for d in (0, -1)],
              f"{board}: order of the pins of slot {slot}")
        for number, classes, name, direction, standard, location in pins:
            row = on_position.get((str(slot), str(number)))
            if number in (1, 2, 35, 36):
                want = ("+5V" if number < 3 else "GND", "", "power", "")
            elif row:
                want = (row["signal"], row["direction"], row["standard"], row["location"])
            elif (str(slot), str(number)) in wiring:
                want = ("no signal", "", "", wiring[str(slot), str(number)])
            else:
                want = ("not wired", "", "", "")
            check((name, direction, standard, location) == want, f"{board}: slot {slot} pin {number}")
            check(("even" if number % 2 == 0 else "odd") in classes, f"{board}: side of pin {number}")


def check_filter(board, rows, header):
    field = driver.find_element("id", "filter")
    field.send_keys("DIN")
    hits = [r for r in rows if "din" in r["signal"].lower() or r["location"].lower() == "din"]
    check(js(CELLS) == [[r[c] for c in header] for r in hits], f"{board}: rows filtered by DIN")
    check(marked(".match") == views_of(hits), f"{board}: pins marked by the filter DIN")
    check(js("return document.getElementById('count').textContent") ==
          f"{len(hits)} of {len(rows)} signals", f"{board}: count of filtered rows")
    set_filter("")
    check(marked(".match") == [] and len(js(CELLS)) == len(rows), f"{board}: filter cleared")


def set_filter(text):
    js("const field = document.getElementById('filter'); field.value = arguments[0];"
       " field.dispatchEvent(new Event('input'))", text)


def check_slot_and_location_filters(board, rows, header):
    set_filter("slot 1")
    check(len(js(CELLS)) == sum(r["slot"] == "1" for r in rows), f"{board}: rows of slot 1")
    # A location is matched whole: A2 is not AA2 or A20.
    used = {r["location"] for r in rows}
    location = min(l for l in used if any(l in other for other in used - {l}))
    set_filter(location.lower())
    check(js(CELLS) == [[r[c] for c in header] for r in rows if r["location"] == location],
          f"{board}: rows of location {location}")
    set_filter("")


def check_selection(board, rows, url):
    shared = {r["location"] for r in rows if r["conflict"]}
    row = next(r for r in rows if r["slot"] and r["location"] not in shared)
    click(driver.find_element("css selector", f'#package [id="{row["location"]}"]'))
    check(marked(".selected") == views_of([row]), f"{board}: a click on {row['location']}")
    fragment = "#" + urllib.parse.quote(row["signal"], safe="")
    check(driver.current_url.endswith(fragment), f"{board}: address after a click")
    # The address selects, on loading the page and on a change of fragment.
    target = next(r for r in reversed(rows) if "<" in r["signal"])
    driver.get(url + "#" + urllib.parse.quote(target["signal"], safe=""))
    check(marked(".selected") == views_of([target]), f"{board}: address {target['signal']}")
    driver.get(url + fragment)
    check(marked(".selected") == views_of([row]), f"{board}: a new fragment")


def check_keyboard(board, rows):
    """Enter on a table row, Space on a connector pin."""
    row = next(r for r in rows if r["slot"])
    other = rows[len(rows) // 2]
    line = driver.find_element("xpath", f"//tbody/tr[td[4][text()='{other['signal']}']]")
    line.send_keys(Keys.ENTER)
    check(marked(".selected") == views_of([other]), f"{board}: Enter on a row")
    pin = driver.find_element("css selector", f'.pin[data-slot="{row["slot"]}"][data-pin="{row["position"]}"]')
    pin.send_keys(Keys.SPACE)
    check(marked(".selected") == views_of([row]), f"{board}: Space on a connector pin")


def check_shared(board, rows):
    shared = [r for r in rows if r["conflict"]]
    check(marked(".shared") == views_of(shared), f"{board}: marks of the shared locations")
    for location in {r["location"] for r in shared}:
        fill = js(f"return document.querySelector('#package [id=\"{location}\"] circle, "
                  f"#package [id=\"{location}\"] rect').getAttribute('fill')")
        check(fill == "#EE0000", f"{board}: {location} red in the picture")
    return {r["location"] for r in shared}


def check_sorting(board, rows, header):
    def key(row):
        value = row["position"]
        return (value != "", int(value or 0))
    button = driver.find_element("xpath", "//th/button[text()='position']")
    click(button)
    want = [[r[c] for c in header] for r in sorted(rows, key=key)]
    check(js(CELLS) == want, f"{board}: sorted by position")
    click(button)
    check(js(CELLS) == [[r[c] for c in header] for r in sorted(rows, key=key, reverse=True)],
          f"{board}: sorted by position, descending")


def check_print(board):
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    check(js("return getComputedStyle(document.querySelector('header label')).display") == "none",
          f"{board}: the filter is not printed")
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})


# Every board's page is checked whole; on the last built-in one, which has
# every slot filled, so are the ways of using the page that depend on no
# board.
def check_board(board, work, last):
    placed, titles = load(board)
    page = f"{work}/b{board}.html"
    run("-d", board, *placed, "-p", "b.csv", "-p", page, cwd=work)
    header, lines, rows = read_report(f"{work}/b.csv")
    check(os.path.getsize(page) < 512 * 1024, f"{board}: page of {os.path.getsize(page)} bytes")
    url = "file://" + page
    driver.get(url)
    check(js("return [...document.querySelectorAll('#pins th')].map(h => h.textContent)") == header,
          f"{board}: table header")
    check(js(CELLS) == lines, f"{board}: table cells against the CSV report")
    picture = js("return document.querySelector('#package svg').textContent")
    grid = re.search(r"(\d+) × (\d+) ball grid", picture)
    size = int(grid[1]) * int(grid[2]) if grid else int(re.search(r"(\d+)-pin quad", picture)[1])
    check(len(js("return [...document.querySelectorAll('#package svg [id]')]")) == size,
          f"{board}: pins drawn against a package of {size}")
    check_connectors(board, rows, titles, board_wiring(board, len(titles), work))
    check_filter(board, rows, header)
    shared = check_shared(board, rows)
    if last:
        check_slot_and_location_filters(board, rows, header)
        check_sorting(board, rows, header)
        check_keyboard(board, rows)
        check_print(board)
    check_selection(board, rows, url)
    # The screenshot with a signal selected and its slot's pins filtered.
    selected = js("return document.querySelector('tr.selected').cells[0].textContent")
    set_filter(f"slot {selected}")
    js("document.activeElement.blur(); window.scrollTo(0, 0)")
    driver.save_screenshot(f"{build_dir}/page-{board}.png")
    errors = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
    check(errors == [], f"{board}: console errors {errors}")
    # The page's requests: those of its document, but for the document itself.
    events = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
    requests = [e["params"] for e in events if e["method"] == "Network.requestWillBeSent"]
    requests = [r["request"]["url"] for r in requests
                if urllib.parse.urldefrag(r["documentURL"]).url == url
                and urllib.parse.urldefrag(r["request"]["url"]).url != url]
    requests += js("return performance.getEntriesByType('resource').map(e => e.name)")
    check(requests == [], f"{board}: requests {requests}")
    print(f"board {board}: {' '.join(placed[1::2])}: {len(rows)} rows, {size} pins")
    return shared


try:
    with tempfile.TemporaryDirectory() as work:
        shared = {board: check_board(board, work, board == last_builtin) for board in boards}
    check("A2" in shared.get("711", ()), "711: A2 is not shared")
finally:
    driver.quit()
sys.exit(1 if failures else 0)
