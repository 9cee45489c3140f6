// The camber table panel: the core's grids as HTML tables, right then left.
import type { TarvikTable } from './tarvik';

export function showTable(table: TarvikTable, clock: Performance): void {
  const start = clock.now();
  const filled = table.fill();
  window.tarvikTimings.tableFill = clock.now() - start;
  const host = document.getElementById('table-grids') as HTMLElement;
  host.replaceChildren();
  if (filled.refusal) {
    host.textContent = filled.refusal;
    return;
  }
  ['Right', 'Left'].forEach((name, side) => {
    const caption = document.createElement('h3');
    caption.textContent = name;
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
      grid.append(tr);
    });
    host.append(caption, grid);
  });
}
