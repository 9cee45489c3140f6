// The page: builds the boxes, the front view and the panels, and passes every
// user action to the core's document. It keeps no rule of its own: what a
// box accepts, what a refusal says and every result text come from the core.
import type { Spot, TarvikDocument, TarvikModule, TarvikTable } from './tarvik';
import { bytesToString, keep, keepBaseline, kept, keptBaselines, stringToBytes } from './storage';
import { CalculatorDialog } from './calculator';
import { DesignDialog } from './design';
import { TablePanel, buildReport } from './table';
import { showPicture } from './picture';

declare global {
  interface Window {
    tarvikTimings: Record<string, number>;
    tarvikSpots: () => Spot[];
    tarvikPrintView: (comment: string) => number;
    tarvikSvg: () => string;
  }
}

const $ = <T extends HTMLElement>(id: string) => document.getElementById(id) as T;
const timings: Record<string, number> = {};
window.tarvikTimings = timings;

let mod: TarvikModule;
let doc: TarvikDocument;
let table: TarvikTable;
let panel: TablePanel;
const boxes = new Map<number, HTMLInputElement>();
const results: { side: number; row: number; cell: HTMLElement }[] = [];

function warn(message: string): void {
  $('message-text').textContent = message;
  $<HTMLDialogElement>('message').showModal();
}

function cell(tag: string, text = '', cls = ''): HTMLElement {
  const e = document.createElement(tag);
  e.textContent = text;
  if (cls) e.className = cls;
  return e;
}

function makeBox(entry: number): HTMLInputElement {
  const box = document.createElement('input');
  box.id = `entry-${entry}`;
  box.inputMode = 'decimal';
  box.autocomplete = 'off';
  box.maxLength = 30;
  box.setAttribute('aria-label', doc.description(entry));
  box.addEventListener('focus', () => {
    $('help').textContent = `${doc.description(entry)}: ${doc.help(entry)}`;
  });
  box.addEventListener('keydown', (e) => {
    if (e.key === 'Enter') commit(entry, box);
  });
  box.addEventListener('change', () => commit(entry, box));
  boxes.set(entry, box);
  return box;
}

function commit(entry: number, box: HTMLInputElement): void {
  if (box.value === doc.shownEntry(entry)) return;
  const start = performance.now();
  performance.mark('edit');
  const reply = doc.edit(entry, box.value);
  lap('solve', 'edit');
  timings.lastSolve = performance.now() - start;
  // A skipped text (an empty box) stays as typed, as on the desktop.
  if (reply.outcome === 'skip') return;
  box.value = doc.shownEntry(entry);
  if (reply.outcome === 'refuse') warn(reply.message);
  if (reply.outcome === 'accept') refresh();
}

function buildGrid(): void {
  const points = $('points');
  points.replaceChildren();
  const head = document.createElement('tr');
  for (const h of ['', 'Right (X)', 'Height', 'Left (X)', 'Height']) head.append(cell('th', h));
  points.append(head);
  for (let row = 0; row < mod.pointRows; ++row) {
    const tr = document.createElement('tr');
    tr.append(cell('th', doc.rowCaption(row), 'row-caption'));
    for (const side of [0, 1]) {
      for (const column of [0, 1]) {
        const td = document.createElement('td');
        td.append(makeBox(mod.pointEntry(side, column, row)));
        tr.append(td);
      }
    }
    points.append(tr);
  }
  const other = $('other');
  other.replaceChildren();
  const head2 = document.createElement('tr');
  for (const h of ['', 'Right', 'Left']) head2.append(cell('th', h));
  other.append(head2);
  results.length = 0;
  for (let row = 0; row < mod.otherSpecsRows; ++row) {
    const tr = document.createElement('tr');
    tr.append(cell('th', doc.rowCaption(mod.pointRows + row), 'row-caption'));
    for (const side of [0, 1]) {
      const td = document.createElement('td');
      const entry = mod.otherSpecsEntry(side, row);
      if (doc.isInput(entry)) {
        td.append(makeBox(entry));
      } else {
        const shown = cell('output', '', 'result');
        shown.id = `result-${side}-${row}`;
        results.push({ side, row, cell: shown });
        td.append(shown);
      }
      tr.append(td);
    }
    other.append(tr);
  }
}

// The picture's size follows the view's width. It is read again only when
// the view is resized: reading it after the boxes changed would make the
// browser lay the page out in the middle of every edit.
let viewWidth = 0;
function viewSize(): [number, number] {
  if (!viewWidth) viewWidth = Math.max(300, Math.floor($('view').clientWidth));
  return [viewWidth, Math.floor(viewWidth * 0.62)];
}

function drawView(): void {
  const [w, h] = viewSize();
  performance.mark('draw');
  const svg = doc.svg(w, h);
  lap('svg-text', 'draw');
  showPicture($('view'), svg);
}

// Where an edit's time goes, as Performance API measures (solve, boxes,
// results, picture) that the browser tests read back.
function lap(name: string, from: string): void {
  performance.mark(`${name}-end`);
  performance.measure(`tarvik-${name}`, from, `${name}-end`);
}

function refresh(): void {
  const start = performance.now();
  performance.mark('refresh');
  for (const [entry, box] of boxes) {
    const text = doc.shownEntry(entry);
    if (box.value !== text) box.value = text;
  }
  lap('boxes', 'refresh');
  for (const r of results) r.cell.textContent = doc.otherSpecsResult(r.side, r.row);
  const c = doc.captions();
  $('rc').textContent = c.rollCenterHeight;
  $('rc-side').textContent = c.rollCenterSide;
  $('moved-rc').textContent = [c.movedRollCenterHeight, c.movedRollCenterSide].join('  ');
  $('status').textContent = c.status;
  $('kpi').textContent = `${c.kingPinAngle[0]} / ${c.kingPinAngle[1]}`;
  $('spindle').textContent = `${c.spindleAngle[0]} / ${c.spindleAngle[1]}`;
  $('track').textContent = c.track.join(' / ');
  $('gain').textContent = `${c.camberGain[0]}  ${c.camberGain[1]}  ${c.gainBasis}`;
  lap('results', 'boxes-end');
  drawView();
  lap('picture', 'results-end');
  $<HTMLButtonElement>('undo').disabled = !doc.canUndo();
  $<HTMLButtonElement>('redo').disabled = !doc.canRedo();
  const name = doc.fileName().replace(/^.*[\\/]/, '').toUpperCase();
  $('file-title').textContent = `${name}${doc.changed() ? ' *' : ''}`;
  timings.lastRedraw = performance.now() - start;
  rememberSoon();
  if (!$('table-panel').hidden) panel.fill();
}

// The copy in browser storage is written once the user pauses (a slider's
// drag redraws many times a second) and when the page goes away.
let rememberTimer = 0;
function rememberSoon(): void {
  clearTimeout(rememberTimer);
  rememberTimer = window.setTimeout(remember, 250);
}

function remember(): void {
  clearTimeout(rememberTimer);
  keep({
    bytes: bytesToString(doc.fileBytes()),
    name: doc.fileName(),
    changed: doc.changed(),
    dive: doc.entry(mod.diveEntry),
    roll: doc.entry(mod.rollEntry),
    applied: doc.applyDiveRoll(),
  });
}

function setMotion(entry: number, text: string): void {
  if (!doc.applyDiveRoll()) {
    doc.setApplyDiveRoll(true);
    $<HTMLInputElement>('apply').checked = true;
  }
  const reply = doc.edit(entry, text);
  if (reply.outcome === 'refuse') warn(reply.message);
  refresh();
}

function wireMotion(entry: number, slider: string, box: string): void {
  const s = $<HTMLInputElement>(slider);
  const b = $<HTMLInputElement>(box);
  boxes.set(entry, b);
  s.addEventListener('input', () => {
    b.value = s.value;
    setMotion(entry, s.value);
  });
  b.addEventListener('change', () => {
    setMotion(entry, b.value);
    s.value = doc.entry(entry) || '0';
  });
  b.addEventListener('focus', () => {
    $('help').textContent = `${doc.description(entry)}: ${doc.help(entry)}`;
  });
}

function wireDrag(): void {
  const view = $('view');
  let drag: { side: number; row: number } | null = null;
  const at = (e: PointerEvent) => {
    const r = view.getBoundingClientRect();
    return [e.clientX - r.left, e.clientY - r.top];
  };
  view.addEventListener('pointerdown', (e) => {
    const [x, y] = at(e);
    const [w, h] = viewSize();
    const reach = e.pointerType === 'touch' ? 24 : 12;
    let best: { side: number; row: number; draggable: boolean } | null = null;
    let bestDistance = reach;
    for (const s of doc.spots(w, h)) {
      const d = Math.hypot(s.x - x, s.y - y);
      if (d <= bestDistance) {
        bestDistance = d;
        best = s;
      }
    }
    if (!best || !best.draggable) return;
    drag = { side: best.side, row: best.row };
    view.setPointerCapture(e.pointerId);
    doc.beginDrag();
    e.preventDefault();
  });
  view.addEventListener('pointermove', (e) => {
    if (!drag) return;
    const [x, y] = at(e);
    const [w, h] = viewSize();
    const message = doc.dragTo(drag.side, drag.row, x, y, w, h);
    $('help').textContent = message;
    refresh();
  });
  const end = () => {
    if (!drag) return;
    drag = null;
    doc.endDrag();
    refresh();
  };
  view.addEventListener('pointerup', end);
  view.addEventListener('pointercancel', end);
}

function download(bytes: Uint8Array | string, name: string, type: string): void {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

function saveName(): string {
  const base = doc.fileName().replace(/^.*[\\/]/, '');
  return /\.tk$/i.test(base) ? base : `${base.toUpperCase()}.TK`;
}

async function openFile(file: File): Promise<void> {
  const bytes = new Uint8Array(await file.arrayBuffer());
  const message = doc.openBytes(bytes, file.name);
  if (message) warn(message);
  afterOpen();
}

function afterOpen(): void {
  buildGrid();
  $<HTMLInputElement>('apply').checked = doc.applyDiveRoll();
  $<HTMLInputElement>('metric').checked = doc.metric();
  // The dive slider spans the same travel in the layout's length units.
  const dive = $<HTMLInputElement>('dive-slider');
  const factor = doc.lengthFactor();
  [dive.min, dive.max, dive.step] = [-3, 3, 0.1].map((v) => String(+(v * factor).toFixed(2)));
  dive.value = doc.entry(mod.diveEntry) || '0';
  refresh();
}

function wireCommands(): void {
  $('new').addEventListener('click', () => {
    doc.newLayout();
    afterOpen();
  });
  $<HTMLSelectElement>('examples').addEventListener('change', (e) => {
    const select = e.target as HTMLSelectElement;
    if (!select.value) return;
    const message = doc.openExample(select.value);
    if (message) warn(message);
    select.value = '';
    afterOpen();
  });
  $<HTMLInputElement>('open').addEventListener('change', (e) => {
    const input = e.target as HTMLInputElement;
    if (input.files?.[0]) void openFile(input.files[0]);
    input.value = '';
  });
  document.body.addEventListener('dragover', (e) => e.preventDefault());
  document.body.addEventListener('drop', (e) => {
    e.preventDefault();
    const file = e.dataTransfer?.files[0];
    if (file) void openFile(file);
  });
  $('save').addEventListener('click', () => {
    const name = saveName();
    download(doc.fileBytes(), name, 'application/octet-stream');
    doc.markSaved(name);
    refresh();
  });
  $('undo').addEventListener('click', () => doc.undo() && afterOpen());
  $('redo').addEventListener('click', () => doc.redo() && afterOpen());
  document.addEventListener('keydown', (e) => {
    if (!(e.ctrlKey || e.metaKey) || (e.target as HTMLElement).tagName === 'INPUT') return;
    if (e.key === 'z') doc.undo() && afterOpen();
    if (e.key === 'y') doc.redo() && afterOpen();
  });
  $<HTMLInputElement>('big').addEventListener('change', (e) => {
    doc.setBigLayout((e.target as HTMLInputElement).checked);
    refresh();
  });
  $<HTMLInputElement>('apply').addEventListener('change', (e) => {
    doc.setApplyDiveRoll((e.target as HTMLInputElement).checked);
    refresh();
  });
  $('table-button').addEventListener('click', () => {
    const shown = $('table-panel');
    shown.hidden = !shown.hidden;
    if (!shown.hidden) panel.fill();
  });
  $('baseline').addEventListener('click', () => {
    table.saveBaseline();
    keepBaseline(table.quantity(), table.baselineText(), doc.metric());
    panel.fill();
  });
  $('csv').addEventListener('click', () => download(table.csv(), 'camber-table.csv', 'text/csv'));
  $('print').addEventListener('click', () => {
    const comment = window.prompt(mod.reportCommentPrompt, '');
    if (comment === null) return;
    printView(comment);
    window.print();
  });
  // The browser's own print command (Ctrl+P) prints the report too, without a comment.
  window.addEventListener('beforeprint', () => {
    if (!$('report').childElementCount) printView('');
  });
  window.addEventListener('afterprint', () => $('report').replaceChildren());
  $<HTMLInputElement>('metric').addEventListener('change', (e) => {
    doc.setUnits((e.target as HTMLInputElement).checked);
    afterOpen();
  });
  $('message-ok').addEventListener('click', () => $<HTMLDialogElement>('message').close());
  window.addEventListener('pagehide', remember);
  document.addEventListener('visibilitychange', () => document.hidden && remember());
  let resize = 0;
  new ResizeObserver(() => {
    clearTimeout(resize);
    resize = window.setTimeout(() => {
      const width = Math.max(300, Math.floor($('view').clientWidth));
      if (width === viewWidth) return;
      viewWidth = width;
      drawView();
    }, 50);
  }).observe($('view'));
}

// The printed report of the table as it stands, in the print view; returns
// its number of pages.
function printView(comment: string): number {
  panel.fill();
  return buildReport(table, comment);
}

async function start(): Promise<void> {
  const { default: createTarvik } = await import('./tarvik.mjs' as string);
  mod = (await createTarvik()) as TarvikModule;
  doc = new mod.Document('/data');
  table = new mod.CamberTable(doc);
  const calculator = new CalculatorDialog(new mod.Calculator(doc), afterOpen);
  $('shim-right').addEventListener('click', () => calculator.open(mod.shimMode, 0));
  $('shim-left').addEventListener('click', () => calculator.open(mod.shimMode, 1));
  $('spring').addEventListener('click', () => calculator.open(mod.springMode, 0));
  const design = new DesignDialog(doc, new mod.PickupSearch(doc), afterOpen);
  $('design-button').addEventListener('click', () => design.open());
  panel = new TablePanel(table, warn);
  for (const kept of keptBaselines(table.quantities().length)) table.takeBaselineText(kept.text, kept.metric);
  const last = kept();
  let restored = false;
  if (last) {
    restored = doc.openBytes(stringToBytes(last.bytes), last.name) === '';
    if (restored) {
      doc.setChanged(last.changed);
      if (last.dive) doc.edit(mod.diveEntry, last.dive);
      if (last.roll) doc.edit(mod.rollEntry, last.roll);
      doc.setApplyDiveRoll(last.applied);
      doc.setChanged(last.changed);
    }
  }
  if (!restored) doc.openExample('WORKED.TK');
  wireCommands();
  wireMotion(mod.diveEntry, 'dive-slider', 'dive');
  wireMotion(mod.rollEntry, 'roll-slider', 'roll');
  wireDrag();
  afterOpen();
  $<HTMLInputElement>('dive-slider').value = doc.entry(mod.diveEntry) || '0';
  $<HTMLInputElement>('roll-slider').value = doc.entry(mod.rollEntry) || '0';
  // Where the points are drawn, for the browser tests.
  window.tarvikSpots = () => doc.spots(...viewSize());
  window.tarvikPrintView = printView;
  window.tarvikSvg = () => doc.svg(...viewSize());
  timings.interactive = performance.now();
  document.body.dataset.ready = '1';
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('./sw.js').catch(() => undefined);
  }
}

void start();
