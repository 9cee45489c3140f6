// The front view is redrawn by patching the drawn SVG. The core's picture is
// cut into its tags; where the new picture has the same tags in the same
// order, only the tags whose text changed are written into their live
// elements (attributes and text), so an edit neither parses nor rebuilds
// the whole picture. A picture of another shape replaces the old one.
let drawn = '';
let drawnTags: string[] = [];
let drawnNodes: Element[] = [];
const entities: Record<string, string> = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const unescape = (t: string) =>
  t.replace(/&(#x?[0-9a-f]+|[a-z]+);/gi, (m, e: string) => {
    if (e[0] !== '#') return entities[e] ?? m;
    const hex = e[1] === 'x' || e[1] === 'X';
    return String.fromCodePoint(parseInt(e.slice(hex ? 2 : 1), hex ? 16 : 10));
  });

// The opening tags in document order, each with the text that follows it.
function tagsOf(svg: string): string[] | null {
  const tags: string[] = [];
  for (const piece of svg.split(/(?=<)/)) {
    if (piece.startsWith('</')) {
      if (piece.slice(piece.indexOf('>') + 1).trim()) return null; // text after a child: rebuild
    } else if (piece.startsWith('<') && !piece.startsWith('<?') && !piece.startsWith('<!')) {
      tags.push(piece);
    }
  }
  return tags;
}

function patchTag(node: Element, tag: string): boolean {
  const close = tag.lastIndexOf('>');
  const head = tag.slice(0, close);
  const name = /^<([\w:-]+)/.exec(head)?.[1];
  if (name !== node.tagName) return false;
  const attrs = new Map<string, string>();
  for (const m of head.matchAll(/([\w:-]+)="([^"]*)"/g)) attrs.set(m[1], unescape(m[2]));
  for (const [k, v] of attrs) if (node.getAttribute(k) !== v) node.setAttribute(k, v);
  for (const { name: k } of Array.from(node.attributes)) if (!attrs.has(k)) node.removeAttribute(k);
  const text = unescape(tag.slice(close + 1));
  if (node.childElementCount > 0) return !text.trim();
  if (!head.endsWith('/') && node.textContent !== text) node.textContent = text;
  return true;
}

export function showPicture(view: HTMLElement, svg: string): void {
  if (svg === drawn) return;
  const tags = tagsOf(svg);
  let patched = !!tags && tags.length === drawnTags.length && drawnNodes.length === tags.length;
  for (let i = 0; patched && tags && i < tags.length; ++i) {
    if (tags[i] !== drawnTags[i]) patched = patchTag(drawnNodes[i], tags[i]);
  }
  if (!patched) {
    view.innerHTML = svg;
    drawnNodes = Array.from(view.querySelectorAll('*'));
  }
  drawn = svg;
  drawnTags = tags ?? [];
}
