#!/usr/bin/env python3
"""Every golden case through the WebAssembly twin of tarvik-cli.

    parity.py [--native PATH/TO/tarvik-cli] TWIN CASE_DIR...

Each case must pass the golden check (tests/cli/check_golden.py) run on the
twin. With --native, the twin's error output and exit status must be byte for
byte those of the native program on the same case, and so must its standard
output, but for one allowance: the C libraries' sine, arc tangent and the
like may differ in the last bit, so a JSON number the engine computed may
differ in its last digits (relative 1e-12); every text, every key and every
table cell must still be identical. The count of byte-identical cases is
printed. A
case folder that does not exist is skipped (the shared cases live beside the
repository only on the development machines). The last line printed is
"N passed, M failed".
"""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "cli"))
import check_golden  # noqa: E402


def case_args(case):
    with open(os.path.join(case, "args")) as f:
        return [os.path.join(case, "input.tk") if a == "FILE" else a for a in f.read().splitlines() if a]


def same_but_last_bits(a, b):
    if isinstance(a, dict):
        return isinstance(b, dict) and list(a) == list(b) and all(same_but_last_bits(a[k], b[k]) for k in a)
    if isinstance(a, list):
        return isinstance(b, list) and len(a) == len(b) and all(map(same_but_last_bits, a, b))
    if isinstance(a, float) and isinstance(b, float):
        return abs(a - b) <= 1e-12 * max(1.0, abs(a), abs(b))
    return type(a) is type(b) and a == b


def compare(twin_run, native_run):
    problems = []
    for what, x, y in (("exit status", twin_run.returncode, native_run.returncode),
                       ("error output", twin_run.stderr, native_run.stderr)):
        if x != y:
            problems.append(f"{what} differs from the native program's: {x!r} vs {y!r}")
    if twin_run.stdout != native_run.stdout:
        try:
            close = same_but_last_bits(json.loads(twin_run.stdout), json.loads(native_run.stdout))
        except ValueError:
            close = False
        if not close:
            problems.append("standard output differs from the native program's")
    return problems, twin_run.stdout == native_run.stdout


def threads_problems(twin, case):
    """The twin has no threads: a successful optimize case asked for several
    gives the answer of one thread (the same for a seed)."""
    args = case_args(case)
    if args[:1] != ["optimize"]:
        return []
    one = subprocess.run([twin] + args, capture_output=True, timeout=60)
    if one.returncode != 0:
        return []
    many = subprocess.run([twin] + args + ["--threads", "4"], capture_output=True, timeout=60)
    if (many.returncode, many.stdout, many.stderr) != (one.returncode, one.stdout, one.stderr):
        return [f"with --threads 4 the twin answers otherwise (exit {many.returncode}: {many.stderr[:80]!r})"]
    return []


def main():
    args = sys.argv[1:]
    native = None
    if args[:1] == ["--native"]:
        native, args = os.path.abspath(args[1]), args[2:]
    if not args:
        print(__doc__)
        return 2
    twin = os.path.abspath(args[0])
    cases = []
    for root in args[1:]:
        if os.path.isdir(root):
            cases += [os.path.join(root, d) for d in sorted(os.listdir(root)) if os.path.isdir(os.path.join(root, d))]
    failed = 0
    identical = 0
    for case in cases:
        try:
            problems = check_golden.run_case(twin, case)
            if native:
                a = subprocess.run([twin] + case_args(case), capture_output=True, timeout=60)
                b = subprocess.run([native] + case_args(case), capture_output=True, timeout=60)
                more, same = compare(a, b)
                problems += more
                identical += same
            problems += threads_problems(twin, case)
        except Exception as e:  # a crash or hang of the twin fails that case
            problems = [f"{type(e).__name__}: {e}"]
        if problems:
            failed += 1
            print(f"FAIL {case}")
            for line in problems[:5]:
                print(f"    {line}")
    if native:
        print(f"{identical} of {len(cases)} byte for byte as the native program")
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed or not cases else 0


if __name__ == "__main__":
    sys.exit(main())
