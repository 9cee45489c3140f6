// The Find Pick-up Points dialog: the core's design form as rows of checks
// and boxes, the search in a Web Worker with its progress, Stop, and Apply.
import type { DesignForm, DesignResult, TarvikDocument, TarvikPickupSearch } from './tarvik';

function input(value: string, id: string, disabled = false): HTMLInputElement {
  const box = document.createElement('input');
  box.value = value;
  box.id = id;
  box.inputMode = 'decimal';
  box.disabled = disabled;
  return box;
}

function check(checked: boolean, id: string, disabled = false): HTMLInputElement {
  const box = document.createElement('input');
  box.type = 'checkbox';
  box.checked = checked;
  box.id = id;
  box.disabled = disabled;
  return box;
}

function row(...cells: (Node | string)[]): HTMLTableRowElement {
  const tr = document.createElement('tr');
  for (const c of cells) {
    const td = document.createElement('td');
    td.append(c);
    tr.append(td);
  }
  return tr;
}

export class DesignDialog {
  private dialog = document.getElementById('design') as HTMLDialogElement;
  private status = document.getElementById('design-status') as HTMLElement;
  private form: DesignForm | null = null;
  private worker: Worker | null = null;
  private result: DesignResult | null = null;
  private best: DesignResult | null = null; // what Stop offers: the best layout so far

  constructor(
    private doc: TarvikDocument,
    private search: TarvikPickupSearch,
    private applied: () => void,
  ) {
    document.getElementById('design-run')!.addEventListener('click', () => this.run());
    document.getElementById('design-stop')!.addEventListener('click', () => this.stopWithBest());
    document.getElementById('design-apply')!.addEventListener('click', () => this.apply());
    document.getElementById('design-close')!.addEventListener('click', () => {
      this.stop('');
      this.dialog.close();
    });
  }

  open(): void {
    this.form = this.search.view();
    const targets = document.getElementById('design-targets') as HTMLTableElement;
    targets.replaceChildren();
    this.form.targets.forEach((t, i) => {
      const extra = t.isCamber ? [input(t.dive, `design-dive-${i}`), input(t.roll, `design-roll-${i}`)] : ['', ''];
      targets.append(row(check(t.used, `design-use-${i}`), t.label, input(t.value, `design-value-${i}`),
        input(t.weight, `design-weight-${i}`), ...extra, `${t.now} ${t.unit}`));
    });
    const coordinates = document.getElementById('design-coordinates') as HTMLTableElement;
    coordinates.replaceChildren();
    this.form.coordinates.forEach((c, i) => {
      coordinates.append(row(check(c.used, `design-vary-${i}`, c.computed), c.label,
        input(c.minimum, `design-min-${i}`, c.computed), input(c.maximum, `design-max-${i}`, c.computed), c.now));
    });
    (document.getElementById('design-symmetric') as HTMLInputElement).checked = this.form.symmetric;
    (document.getElementById('design-prefer') as HTMLInputElement).checked = this.form.preferSmallChange;
    this.status.textContent = '';
    (document.getElementById('design-apply') as HTMLButtonElement).disabled = true;
    this.dialog.showModal();
  }

  private read(): DesignForm {
    const form = this.form!;
    const value = (id: string) => (document.getElementById(id) as HTMLInputElement | null)?.value ?? '';
    const checked = (id: string) => (document.getElementById(id) as HTMLInputElement).checked;
    form.targets.forEach((t, i) => {
      t.used = checked(`design-use-${i}`);
      t.value = value(`design-value-${i}`);
      t.weight = value(`design-weight-${i}`);
      t.dive = value(`design-dive-${i}`);
      t.roll = value(`design-roll-${i}`);
    });
    form.coordinates.forEach((c, i) => {
      c.used = checked(`design-vary-${i}`);
      c.minimum = value(`design-min-${i}`);
      c.maximum = value(`design-max-${i}`);
    });
    form.symmetric = checked('design-symmetric');
    form.preferSmallChange = checked('design-prefer');
    return form;
  }

  private run(): void {
    this.stop('');
    this.result = null;
    (document.getElementById('design-apply') as HTMLButtonElement).disabled = true;
    const started = performance.now();
    this.worker = new Worker('./worker.js', { type: 'module' });
    this.best = null;
    this.worker.onmessage = (e) => {
      if (e.data.progress) {
        const p = e.data.progress;
        if (p.best) this.best = p.best;
        this.status.textContent = `${p.stage}  ${p.error}  (${p.evaluations} solves, ${p.elapsed.toFixed(1)} s)`;
        return;
      }
      this.worker?.terminate();
      this.worker = null;
      window.tarvikTimings.designSearch = performance.now() - started;
      this.show(e.data.result);
    };
    this.worker.postMessage({ bytes: this.doc.fileBytes(), name: this.doc.fileName(), form: this.read() });
    this.status.textContent = 'Searching...';
  }

  private show(r: DesignResult): void {
    if (r.refusal) {
      this.status.textContent = r.refusal;
      return;
    }
    this.result = r;
    const lines = r.targets.map((t) => `${t.name}: ${t.achieved} (target ${t.target})${t.reached ? '' : ' *'}`);
    lines.push(...r.changes.map((c) => `${c.label}: ${c.before} -> ${c.after}`), r.movement, r.status);
    this.status.textContent = lines.join('\n');
    (document.getElementById('design-apply') as HTMLButtonElement).disabled = !r.applicable;
  }

  // Stop ends the worker at once and offers the best layout it had reported.
  private stopWithBest(): void {
    if (!this.worker) return;
    this.stop('Stopped: nothing changed.');
    if (this.best) this.show(this.best);
    this.best = null;
  }

  private stop(message: string): void {
    if (!this.worker) return;
    this.worker.terminate();
    this.worker = null;
    this.status.textContent = message;
  }

  private apply(): void {
    if (!this.result) return;
    this.doc.applyEntries(this.result.entries);
    this.result = null;
    this.dialog.close();
    this.applied();
  }
}
