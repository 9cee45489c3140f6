// What survives a reload: the layout's file bytes, its name, whether it has
// unsaved changes, the dive and roll boxes, and the camber table's baseline.
// Nothing here reads a value.
export interface Kept {
  bytes: string; // the file's bytes, one character each
  name: string;
  changed: boolean;
  dive: string;
  roll: string;
  applied: boolean;
}

const KEY = 'tarvik.layout';

export function keep(kept: Kept): void {
  try {
    localStorage.setItem(KEY, JSON.stringify(kept));
  } catch {
    // A full or refused storage only loses the copy, never the page's layout.
  }
}

export function kept(): Kept | null {
  try {
    const text = localStorage.getItem(KEY);
    return text ? (JSON.parse(text) as Kept) : null;
  } catch {
    return null;
  }
}

export function bytesToString(bytes: Uint8Array): string {
  let out = '';
  for (const b of bytes) out += String.fromCharCode(b);
  return out;
}

export function stringToBytes(text: string): Uint8Array {
  const out = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) out[i] = text.charCodeAt(i) & 0xff;
  return out;
}

// The camber table's saved baselines, one per quantity the table shows, in
// the desktop's baseline file format (the file names its quantity).
const BASELINE_KEY = 'tarvik.baseline';
const baselineKey = (quantity: number) => (quantity === 0 ? BASELINE_KEY : `${BASELINE_KEY}.${quantity}`);

// A baseline is kept with the units of the layout it was saved from.
export function keepBaseline(quantity: number, text: string, metric: boolean): void {
  try {
    localStorage.setItem(baselineKey(quantity), text);
    localStorage.setItem(`${baselineKey(quantity)}.metric`, metric ? '1' : '');
  } catch {
    // Only the copy is lost.
  }
}

export function keptBaselines(count: number): { text: string; metric: boolean }[] {
  const out: { text: string; metric: boolean }[] = [];
  try {
    for (let q = 0; q < count; ++q) {
      const text = localStorage.getItem(baselineKey(q));
      if (text) out.push({ text, metric: !!localStorage.getItem(`${baselineKey(q)}.metric`) });
    }
  } catch {
    // Nothing kept.
  }
  return out;
}
