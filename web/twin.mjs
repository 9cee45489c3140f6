#!/usr/bin/env node
// tarvik-cli compiled to WebAssembly: same arguments, output and exit status.
//
// The WebAssembly build has no threads, so optimize's evaluation pool runs on
// one: a thread count the command accepts is passed on as 1. One seed gives
// one answer whatever the number of threads, so the output is the same; a
// count the command refuses is passed on as given, for the same refusal.
import { createRequire } from 'node:module';

const args = process.argv;
if (args[2] === 'optimize') {
  for (let i = 3; i + 1 < args.length; ++i) {
    if (args[i] !== '--threads') continue;
    const n = Number(args[i + 1]);
    if (args[i + 1].trim() !== '' && Number.isInteger(n) && n >= 0 && n <= 1024) args[i + 1] = '1';
    ++i;
  }
}
createRequire(import.meta.url)('./tarvik-cli.cjs');
