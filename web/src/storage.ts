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

// The camber table's saved baseline, in the desktop's baseline file format.
const BASELINE_KEY = 'tarvik.baseline';

export function keepBaseline(text: string): void {
  try {
    localStorage.setItem(BASELINE_KEY, text);
  } catch {
    // Only the copy is lost.
  }
}

export function keptBaseline(): string | null {
  try {
    return localStorage.getItem(BASELINE_KEY);
  } catch {
    return null;
  }
}
