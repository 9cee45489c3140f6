// The camber table panel: the core's grids as HTML tables, right then left,
// the quantity they show, the rows chosen for a graph (drawn as SVG from the
// core's graph data), and the printed report's pages (laid out by the core).
import type { GraphView, ReportView, TableFill, TarvikTable } from './tarvik';

const $ = (id: string) => document.getElementById(id) as HTMLElement;
const SVG = 'http://www.w3.org/2000/svg';
// Lines of one pair (a row and its baseline) share a colour.
const COLORS = ['#d50000', '#1565c0', '#2e7d32', '#ef6c00', '#6a1b9a', '#00838f', '#5d4037', '#ad1457'];

export class TablePanel {
  private filled: TableFill | null = null;
  private first = 0; // the rows chosen for a graph, grid rows of the right grid
  private last = 0;

  constructor(
    private table: TarvikTable,
    private warn: (message: string) => void,
  ) {
    const select = $('table-quantity') as HTMLSelectElement;
    table.quantities().forEach((name, i) => select.append(new Option(name, String(i))));
    select.addEventListener('change', () => {
      this.show(table.showQuantity(Number(select.value)));
      this.redrawGraph();
    });
    $('graph').addEventListener('click', () => this.drawGraph(true));
  }

  // A new sweep of the layout; an open graph follows it.
  fill(): void {
    const start = performance.now();
    const filled = this.table.fill();
    window.tarvikTimings.tableFill = performance.now() - start;
    this.show(filled);
    this.redrawGraph();
  }

  private show(filled: TableFill): void {
    const before = this.filled;
    this.filled = filled;
    if (filled.notice) this.warn(filled.notice);
    if (before && !filled.refusal && !before.refusal && this.patch(before, filled)) return;
    const host = $('table-grids');
    host.replaceChildren();
    if (filled.refusal) {
      host.textContent = filled.refusal;
      return;
    }
    const caption = document.createElement('p');
    caption.textContent = filled.caption;
    host.append(caption);
    ['Right', 'Left'].forEach((name, side) => {
      const heading = document.createElement('h3');
      heading.textContent = name;
      const grid = document.createElement('table');
      grid.className = 'camber-grid';
      grid.id = `table-${name.toLowerCase()}`;
      filled.grids[side].forEach((row, r) => {
        const tr = document.createElement('tr');
        row.forEach((text, c) => {
          const td = document.createElement(r === 0 || c === 0 ? 'th' : 'td');
          td.textContent = text;
          const color = filled.heat[side][r]?.[c];
          if (color) td.style.background = color;
          tr.append(td);
        });
        if (r > 0) tr.addEventListener('click', (e) => this.choose(r, e.shiftKey));
        grid.append(tr);
      });
      host.append(heading, grid);
    });
    this.mark();
  }

  // A refill of the same shape (every edit with the table open) writes only
  // the cells whose text or colour changed.
  private patch(before: TableFill, filled: TableFill): boolean {
    const same = (a: string[][], b: string[][]) =>
      a.length === b.length && a.every((row, r) => row.length === b[r].length);
    if (!same(before.grids[0], filled.grids[0]) || !same(before.grids[1], filled.grids[1])) return false;
    const caption = $('table-grids').querySelector('p');
    if (caption && caption.textContent !== filled.caption) caption.textContent = filled.caption;
    ['right', 'left'].forEach((name, side) => {
      const rows = (document.getElementById(`table-${name}`) as HTMLTableElement).rows;
      filled.grids[side].forEach((row, r) =>
        row.forEach((text, c) => {
          const color = filled.heat[side][r]?.[c] ?? '';
          if (text === before.grids[side][r][c] && color === (before.heat[side][r]?.[c] ?? '')) return;
          const td = rows[r].cells[c];
          td.textContent = text;
          td.style.background = color;
        }),
      );
    });
    return true;
  }

  // A click chooses a row for the graph; a shift-click extends the choice.
  private choose(row: number, extend: boolean): void {
    if (extend && this.first > 0) {
      this.first = Math.min(this.first, row);
      this.last = Math.max(this.last, row);
    } else {
      this.first = this.last = row;
    }
    this.mark();
  }

  private mark(): void {
    for (const id of ['table-right', 'table-left']) {
      const rows = document.getElementById(id)?.querySelectorAll('tr') ?? [];
      rows.forEach((tr, r) => tr.classList.toggle('chosen', r >= this.first && r <= this.last && r > 0));
    }
  }

  private redrawGraph(): void {
    if ($('graph-view').childElementCount > 0) this.drawGraph(false);
  }

  private drawGraph(asked: boolean): void {
    const host = $('graph-view');
    if (!this.filled || this.filled.refusal) return;
    if (this.first === 0) this.first = this.last = 1;
    const g = this.table.graph(this.first, this.last);
    this.first = g.firstRow;
    this.last = g.lastRow;
    this.mark();
    if (g.refusal) {
      host.replaceChildren();
      if (asked) this.warn(g.refusal);
      return;
    }
    if (asked && g.limitMessage) this.warn(g.limitMessage);
    host.replaceChildren(graphSvg(g));
  }
}

function el(tag: string, attrs: Record<string, string | number>, text = ''): SVGElement {
  const e = document.createElementNS(SVG, tag);
  for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, String(v));
  if (text) e.textContent = text;
  return e;
}

// Even steps of 1, 2 or 5 times a power of ten over [low, high].
function ticks(low: number, high: number): number[] {
  const span = high - low || 1;
  const raw = span / 6;
  const power = 10 ** Math.floor(Math.log10(raw));
  const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw) ?? raw;
  const out = [];
  for (let v = Math.ceil(low / step) * step; v <= high + step * 1e-9; v += step) out.push(+v.toFixed(10));
  return out;
}

function graphSvg(g: GraphView): SVGElement {
  const [W, H, left, right, top] = [720, 420, 64, 200, 36];
  const bottom = H - 48;
  const xs = g.series.flatMap((s) => s.points.map((p) => p[0]));
  const ys = g.series.flatMap((s) => s.points.map((p) => p[1]));
  let [x0, x1, y0, y1] = [Math.min(...xs), Math.max(...xs), Math.min(...ys), Math.max(...ys)];
  if (x0 === x1) [x0, x1] = [x0 - 1, x1 + 1];
  if (y0 === y1) [y0, y1] = [y0 - 1, y1 + 1];
  const px = (x: number) => left + ((x - x0) / (x1 - x0)) * (W - left - right);
  const py = (y: number) => bottom - ((y - y0) / (y1 - y0)) * (bottom - top);
  const svg = el('svg', { viewBox: `0 0 ${W} ${H}`, class: 'graph', role: 'img' });
  svg.append(el('text', { x: W / 2, y: 20, 'text-anchor': 'middle', class: 'graph-title' }, g.title));
  for (const t of ticks(x0, x1)) {
    svg.append(el('line', { x1: px(t), x2: px(t), y1: top, y2: bottom, class: 'graph-grid' }));
    svg.append(el('text', { x: px(t), y: bottom + 16, 'text-anchor': 'middle' }, String(t)));
  }
  for (const t of ticks(y0, y1)) {
    svg.append(el('line', { x1: left, x2: W - right, y1: py(t), y2: py(t), class: 'graph-grid' }));
    svg.append(el('text', { x: left - 6, y: py(t) + 4, 'text-anchor': 'end' }, String(t)));
  }
  svg.append(el('rect', { x: left, y: top, width: W - left - right, height: bottom - top, class: 'graph-frame' }));
  svg.append(el('text', { x: (left + W - right) / 2, y: H - 10, 'text-anchor': 'middle' }, g.xAxisTitle));
  svg.append(el('text', { x: 14, y: (top + bottom) / 2, 'text-anchor': 'middle',
    transform: `rotate(-90 14 ${(top + bottom) / 2})` }, g.yAxisTitle));
  g.series.forEach((s, i) => {
    const color = COLORS[s.pair % COLORS.length];
    const dash: Record<string, string> = s.baseline ? { 'stroke-dasharray': '6 4' } : {};
    svg.append(el('polyline', { points: s.points.map((p) => `${px(p[0])},${py(p[1])}`).join(' '),
      stroke: color, class: 'graph-line', ...dash }));
    const ly = top + 10 + i * 16;
    svg.append(el('line', { x1: W - right + 10, x2: W - right + 34, y1: ly, y2: ly, stroke: color,
      class: 'graph-line', ...dash }));
    svg.append(el('text', { x: W - right + 38, y: ly + 4, class: 'graph-legend' }, s.legend));
  });
  return svg;
}

// The report's pages as absolutely placed texts, rules and fills in points,
// for the browser's print (the print style sheet shows only these).
const PAGE_WIDTH = 540; // US Letter inside half-inch margins, points
const PAGE_HEIGHT = 720;

export function buildReport(table: TarvikTable, comment: string): number {
  const canvas = document.createElement('canvas').getContext('2d')!;
  const measure = (text: string, size: number): [number, number] => {
    canvas.font = `${size}pt "DejaVu Sans", Arial, sans-serif`;
    return [canvas.measureText(text).width * 0.75, size * 1.2];
  };
  const report: ReportView = table.report(PAGE_WIDTH, PAGE_HEIGHT, comment, measure);
  const host = $('report');
  host.replaceChildren();
  let page: HTMLElement | null = null;
  const newPage = () => {
    page = document.createElement('div');
    page.className = 'report-page';
    host.append(page);
    return page;
  };
  const box = (x: number, y: number, w: number, h: number) => {
    const d = document.createElement('div');
    d.style.cssText = `left:${x}pt;top:${y}pt;width:${Math.max(w, 0)}pt;height:${Math.max(h, 0)}pt`;
    return d;
  };
  for (const item of report.items) {
    if (item.kind === 'page') {
      newPage();
      continue;
    }
    const target = page ?? newPage();
    if (item.kind === 'text') {
      const span = box(item.x, item.y, 0, 0);
      span.className = 'report-text';
      span.style.fontSize = `${item.size}pt`;
      span.style.color = item.color;
      span.textContent = item.text;
      target.append(span);
    } else {
      const shape = box(item.x, item.y, item.x2 - item.x, item.kind === 'rule' ? 0 : item.y2 - item.y);
      shape.className = `report-${item.kind}`;
      if (item.kind === 'fill') shape.style.background = item.color;
      target.append(shape);
    }
  }
  return report.pages;
}
