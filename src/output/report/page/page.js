"use strict";
// The board's three views of its signals: the package picture (drawn by
// hbpins, each pin with its location as its id), the slot connectors and
// the pin table, both built here from the JSON report and the slots'
// wiring in the page. An element of any view that stands for signals is a
// "pick": a click, or Enter or Space on it, selects its signals in all three.

const report = JSON.parse(document.getElementById("report").textContent);
const wiring = JSON.parse(document.getElementById("wiring").textContent);
const rows = report.pins;
const columns = rows.length ? Object.keys(rows[0]) : [];

const picks = new Map(); // element -> the indices of its rows
const views = rows.map(() => []); // row index -> the elements showing it
const atLocation = new Map(); // FPGA location -> the indices of its rows
const onPosition = new Map(); // "slot:position" -> row index
rows.forEach((row, i) => {
  if (!atLocation.has(row.location)) atLocation.set(row.location, []);
  atLocation.get(row.location).push(i);
  if (row.slot !== null) onPosition.set(`${row.slot}:${row.position}`, i);
});
const shared = (i) => atLocation.get(rows[i].location).length > 1;

function element(tag, className, text) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  return made;
}

function makePick(view, indices) {
  picks.set(view, indices);
  view.classList.add("pick");
  view.setAttribute("tabindex", "0");
  // A table row stays a row to a screen reader; the pins are buttons.
  if (view.tagName !== "TR") view.setAttribute("role", "button");
  if (indices.some(shared)) view.classList.add("shared");
  for (const i of indices) views[i].push(view);
}

// The package: each used pin stands for every signal on its location.
for (const [location, indices] of atLocation) {
  const pin = document.getElementById(location);
  if (pin) makePick(pin, indices);
}

// The colour the picture gives a row's group, unless its pin is shared.
function groupColour(i) {
  const shape = views[i][0]?.querySelector("circle, rect");
  return shape && !shared(i) ? shape.getAttribute("fill") : null;
}

// What a connector pin shows: its kind, its texts (name, direction,
// standard, location) and its row, if it has one.
function pinTexts(slot, pin) {
  if (pin <= 2) return ["power", ["+5V", "", "power", ""]];
  if (pin >= 35) return ["power", ["GND", "", "power", ""]];
  const i = onPosition.get(`${slot.slot}:${pin}`);
  const wired = slot.wired[pin - 3];
  if (i === undefined && wired === null) return ["unwired", ["not wired", "", "", ""]];
  if (i === undefined) return ["free", ["no signal", "", "", wired]];
  const row = rows[i];
  return ["signal", [row.signal, row.direction, row.standard, row.location], i];
}

// A connector pin, laid out as the two-column pin listing: the even pins on
// the left, mirrored, so that the pin numbers meet in the middle.
function connectorPin(slot, pin) {
  const [kind, texts, i] = pinTexts(slot, pin);
  const side = pin % 2 ? "odd" : "even";
  const view = element("div", `pin ${side} ${kind}`);
  view.dataset.slot = slot.slot;
  view.dataset.pin = pin;
  view.title = `pin ${pin}: ${texts.filter((t) => t).join(", ")}`;
  const cells = [element("span", "num", pin)];
  ["name", "dir", "std", "loc"].forEach((c, k) => cells.push(element("span", c, texts[k])));
  view.append(...(side === "even" ? cells.reverse() : cells));
  if (i !== undefined) makePick(view, [i]);
  return view;
}

function slotTitle(slot) {
  if (slot.kind === "empty") return `Slot ${slot.slot}: empty`;
  let title = `Slot ${slot.slot}: QM${slot.module}`;
  if (slot.variant !== null) title += `, variant ${slot.variant}`;
  return slot.kind === "general_io" ? `${title}, general I/O` : title;
}

function connectorCard(slot) {
  const card = element("section", "card");
  card.dataset.slot = slot.slot;
  const title = element("h2", "", slotTitle(slot));
  card.append(title);
  const pins = element("div", "connector");
  for (let pin = 2; pin <= 36; pin += 2)
    pins.append(connectorPin(slot, pin), connectorPin(slot, pin - 1));
  card.append(pins);
  const first = rows.findIndex((row, i) => row.slot === slot.slot && !shared(i));
  if (first >= 0) title.style.borderColor = groupColour(first);
  return card;
}

// The board's own signals sit on no connector: a list of their own.
function boardCard() {
  const card = element("section", "card board");
  card.append(element("h2", "", `HB${report.board} board signals`));
  const list = element("div", "signals");
  rows.forEach((row, i) => {
    if (row.slot !== null) return;
    const view = element("div", "sig");
    for (const c of ["signal", "direction", "standard", "location"])
      view.append(element("span", c, row[c]));
    makePick(view, [i]);
    list.append(view);
  });
  card.append(list);
  return card;
}

document.getElementById("connectors").append(...wiring.slots.map(connectorCard), boardCard());

// The table: the columns of the report, sortable by any of them.
const tbody = document.querySelector("#pins tbody");
const headRow = document.querySelector("#pins thead tr");
const lines = rows.map((row, i) => {
  const line = element("tr");
  for (const c of columns) line.append(element("td", c, row[c] ?? ""));
  makePick(line, [i]);
  return line;
});
tbody.append(...lines);

const collator = new Intl.Collator("en", { numeric: true });
function compare(a, b) {
  if (a === b) return 0;
  if (a === null || b === null) return a === null ? -1 : 1;
  return typeof a === "number" ? a - b : collator.compare(a, b);
}

let sorted = { column: null, up: true };
function sortBy(column, header) {
  sorted = { column, up: sorted.column !== column || !sorted.up };
  const sign = sorted.up ? 1 : -1;
  const order = rows.map((_, i) => i);
  order.sort((a, b) => sign * compare(rows[a][column], rows[b][column]) || a - b);
  tbody.append(...order.map((i) => lines[i]));
  for (const th of headRow.children) th.removeAttribute("aria-sort");
  header.setAttribute("aria-sort", sorted.up ? "ascending" : "descending");
}

for (const c of columns) {
  const header = element("th");
  const button = element("button", "", c);
  button.type = "button";
  button.addEventListener("click", () => sortBy(c, header));
  header.append(button);
  headRow.append(header);
}

// Selection: the same signals marked in every view; the fragment names the
// first, so that the address leads back to it.
function select(indices) {
  for (const view of document.querySelectorAll(".selected")) view.classList.remove("selected");
  for (const i of indices) for (const view of views[i]) view.classList.add("selected");
  if (indices.length) history.replaceState(null, "", `#${encodeURIComponent(rows[indices[0]].signal)}`);
}

document.addEventListener("click", (event) => {
  const view = event.target.closest(".pick");
  if (view) select(picks.get(view));
});
document.addEventListener("keydown", (event) => {
  const view = event.target.closest(".pick");
  if (!view || (event.key !== "Enter" && event.key !== " ")) return;
  event.preventDefault();
  select(picks.get(view));
});

function selectFragment() {
  let name;
  try {
    name = decodeURIComponent(location.hash.slice(1));
  } catch {
    return;
  }
  const i = rows.findIndex((row) => row.signal === name);
  if (i < 0) return;
  select([i]);
  lines[i].scrollIntoView({ block: "center" });
}
window.addEventListener("hashchange", selectFragment);

// The filter: rows whose signal holds the text, whose location is the text,
// or whose slot it names ("3" or "slot 3"), in any case; their pins marked
// in both pictures.
const filter = document.getElementById("filter");
const count = document.getElementById("count");
function matches(row, text) {
  if (row.signal.toLowerCase().includes(text) || row.location.toLowerCase() === text) return true;
  return row.slot !== null && (text === `${row.slot}` || text === `slot ${row.slot}`);
}

function applyFilter() {
  const text = filter.value.trim().toLowerCase();
  document.body.classList.toggle("filtering", text !== "");
  for (const view of document.querySelectorAll(".match")) view.classList.remove("match");
  let shown = 0;
  rows.forEach((row, i) => {
    const hit = text !== "" && matches(row, text);
    lines[i].hidden = text !== "" && !hit;
    if (hit) for (const view of views[i]) view.classList.add("match");
    if (!lines[i].hidden) shown++;
  });
  count.textContent = `${shown} of ${rows.length} signals`;
}
filter.addEventListener("input", applyFilter);

document.title = `HB${report.board} FPGA pins`;
document.querySelector("h1").textContent = document.title;
applyFilter();
selectFragment();
