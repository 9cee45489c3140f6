// The calculation window as a dialog: the rows, results and questions the
// core's calculation session gives; the page only lays them out.
import type { CalcFeedback, CalcMessage, TarvikCalculator } from './tarvik';

const ANSWER_OK = 0;
const ANSWER_YES = 1;
const ANSWER_NO = 2;

const text = (t: string) => t.replace(/\r/g, '\n');

function say(messages: CalcMessage[]): void {
  for (const m of messages) alert(text(m.title ? `${m.title}\n\n${m.text}` : m.text));
}

export class CalculatorDialog {
  private dialog = document.getElementById('calc') as HTMLDialogElement;
  private body = document.getElementById('calc-body') as HTMLElement;

  constructor(
    private calc: TarvikCalculator,
    private changed: () => void,
  ) {
    document.getElementById('calc-accept')!.addEventListener('click', () => this.accept());
    document.getElementById('calc-cancel')!.addEventListener('click', () => this.close());
  }

  open(mode: number, side: number): void {
    const opened = this.calc.open(mode, side);
    if (opened.refusal) {
      say([opened.refusal]);
      return;
    }
    say(opened.messages);
    this.render();
    this.dialog.showModal();
  }

  private feedback(f: CalcFeedback): void {
    say(f.messages);
    this.render();
  }

  private render(): void {
    const view = this.calc.view();
    if (!view) return;
    (document.getElementById('calc-title') as HTMLElement).textContent = view.caption;
    (document.getElementById('calc-accept') as HTMLButtonElement).textContent = view.acceptCaption || 'Accept';
    (document.getElementById('calc-accept') as HTMLButtonElement).disabled = !view.acceptEnabled;
    this.body.replaceChildren();
    const table = document.createElement('table');
    table.className = 'grid';
    for (const row of view.rows) {
      if (!row.visible) continue;
      const tr = document.createElement('tr');
      const th = document.createElement('th');
      th.className = 'row-caption';
      th.textContent = row.caption;
      const td = document.createElement('td');
      if (row.isChoice) {
        const select = document.createElement('select');
        select.id = `calc-row-${row.k}`;
        select.disabled = !row.enabled;
        row.items.forEach((item, i) => select.add(new Option(item, String(i), false, i === row.choiceIndex)));
        if (row.choiceIndex < 0) select.selectedIndex = -1;
        select.addEventListener('change', () => this.feedback(this.calc.choose(row.k, select.selectedIndex)));
        td.append(select);
      } else {
        const input = document.createElement('input');
        input.id = `calc-row-${row.k}`;
        input.inputMode = 'decimal';
        input.value = row.text;
        input.disabled = !row.enabled;
        input.addEventListener('change', () => this.feedback(this.calc.leaveBox(row.k, input.value)));
        td.append(input);
      }
      tr.append(th, td);
      table.append(tr);
    }
    this.body.append(table);
    if (view.isShim) {
      const target = document.createElement('p');
      const on = document.createElement('input');
      on.type = 'checkbox';
      on.id = 'calc-target-on';
      on.checked = view.target.on;
      on.addEventListener('change', () => this.feedback(this.calc.setTargetOn(on.checked)));
      const box = document.createElement('input');
      box.id = 'calc-target';
      box.inputMode = 'decimal';
      box.value = view.target.text;
      box.disabled = !view.target.on;
      box.addEventListener('change', () => this.feedback(this.calc.leaveTarget(box.value)));
      const label = document.createElement('label');
      label.append(on, ' Target camber ');
      target.append(label, box, ` ${view.target.camber} ${view.target.residual} ${view.target.note}`);
      this.body.append(target);
    }
    const results = document.createElement('dl');
    results.id = 'calc-results';
    for (const o of view.outputs) {
      if (!o.visible) continue;
      const dt = document.createElement('dt');
      dt.textContent = o.name;
      const dd = document.createElement('dd');
      dd.textContent = o.value;
      results.append(dt, dd);
    }
    this.body.append(results);
    if (view.note) {
      const note = document.createElement('p');
      note.textContent = text(view.note);
      this.body.append(note);
    }
  }

  private accept(): void {
    for (let asked = 0; asked < 8; ++asked) {
      const r = this.calc.accept();
      if (r.outcome === 'close') {
        this.dialog.close();
        this.changed();
        return;
      }
      if (r.outcome === 'stay') {
        if (r.message) say([r.message]);
        return;
      }
      const m = r.message!;
      const yes = confirm(text(m.title ? `${m.title}\n\n${m.text}` : m.text));
      this.calc.answer(r.question, m.buttons === 0 ? ANSWER_OK : yes ? ANSWER_YES : ANSWER_NO);
    }
  }

  private close(): void {
    this.calc.close();
    this.dialog.close();
  }
}
