// Bundles the page's TypeScript with esbuild and writes the site folder:
// the static files, the core's module (tarvik.mjs + tarvik.wasm) and a
// service worker that caches every file of this build for offline use.
//   node build.mjs WASM_DIR SITE_DIR
import { build } from 'esbuild';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [wasmDir, siteDir] = process.argv.slice(2);
const here = new URL('.', import.meta.url).pathname;
mkdirSync(siteDir, { recursive: true });

for (const [entry, out] of [['main.ts', 'app.js'], ['worker.ts', 'worker.js']]) {
  await build({
    entryPoints: [join(here, 'src', entry)],
    bundle: true,
    format: 'esm',
    target: 'es2020',
    minify: true,
    external: ['./tarvik.mjs'],
    outfile: join(siteDir, out),
    logLevel: 'warning',
  });
}
for (const name of readdirSync(join(here, 'static'))) {
  copyFileSync(join(here, 'static', name), join(siteDir, name));
}
for (const name of ['tarvik.mjs', 'tarvik.wasm']) {
  copyFileSync(join(wasmDir, name), join(siteDir, name));
}

const files = readdirSync(siteDir).filter((n) => n !== 'sw.js').sort();
const hash = createHash('sha256');
for (const name of files) hash.update(name).update(readFileSync(join(siteDir, name)));
const version = hash.digest('hex').slice(0, 12);
const cached = ['./', ...files.map((n) => `./${n}`)];
writeFileSync(
  join(siteDir, 'sw.js'),
  `// Offline copy of this build of the site: every file is cached on install,
// answered from the cache first, and older caches are dropped on activation.
const CACHE = 'tarvik-${version}';
const FILES = ${JSON.stringify(cached)};
self.addEventListener('install', (e) => {
  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FILES)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', (e) => {
  e.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});
self.addEventListener('fetch', (e) => {
  if (e.request.method !== 'GET') return;
  e.respondWith(caches.open(CACHE).then((c) => c.match(e.request, { ignoreSearch: true })
    .then((hit) => hit || fetch(e.request))));
});
`,
);
console.log(`site: ${siteDir} (${files.length + 1} files, version ${version})`);
