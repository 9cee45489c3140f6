#!/usr/bin/env python3
"""Run tarvik-cli on every golden case (tests/golden) and compare with what it must give.

    check-golden PATH/TO/tarvik-cli [CASE_DIR]

A case is a folder holding input.tk, args (one argument a line; FILE stands
for the input file) and one of: expected.json (solve: every key must be
present; numbers agree within 1e-3, texts exactly; extra keys are fine),
expected.csv (table: the text exactly, line ends aside), or expected.status
(the exit status) with, optionally, expected.err (a line the error output
must contain) and expected.out (a line the standard output must contain).  The last line printed is "N passed, M failed".
"""
import json
import os
import subprocess
import sys

TOL = 1e-3


def diff_json(want, got, path, out):
    if isinstance(want, dict):
        if not isinstance(got, dict):
            out.append(f"{path}: expected an object, got {got!r}")
            return
        for k, v in want.items():
            p = f"{path}.{k}" if path else k
            if k not in got:
                if path == "display" and v == "":
                    continue
                out.append(f"{p}: missing")
            else:
                diff_json(v, got[k], p, out)
    elif isinstance(want, bool) or want is None or isinstance(want, str):
        if want != got:
            out.append(f"{path}: expected {want!r}, got {got!r}")
    elif isinstance(want, (int, float)):
        if isinstance(got, bool) or not isinstance(got, (int, float)) or abs(want - got) > TOL:
            out.append(f"{path}: expected {want!r}, got {got!r}")
    elif isinstance(want, list):
        if not isinstance(got, list) or len(got) != len(want):
            out.append(f"{path}: expected {want!r}, got {got!r}")
        else:
            for i, (a, b) in enumerate(zip(want, got)):
                diff_json(a, b, f"{path}[{i}]", out)


def run_case(cli, case):
    tk = os.path.join(case, "input.tk")
    with open(os.path.join(case, "args")) as f:
        args = [tk if a == "FILE" else a for a in f.read().splitlines() if a != ""]
    p = subprocess.run([cli] + args, capture_output=True, text=True, timeout=60)
    problems = []
    status_file = os.path.join(case, "expected.status")
    if os.path.exists(status_file):
        want = int(open(status_file).read().strip())
        if p.returncode != want:
            problems.append(f"exit status {p.returncode}, expected {want}")
        err_file = os.path.join(case, "expected.err")
        if os.path.exists(err_file):
            line = open(err_file).read().strip()
            if line not in p.stderr:
                problems.append(f"error output lacks {line!r}: {p.stderr.strip()[:200]!r}")
        out_file = os.path.join(case, "expected.out")
        if os.path.exists(out_file):
            line = open(out_file).read().strip()
            if line not in p.stdout:
                problems.append(f"output lacks {line!r}: {p.stdout.strip()[:200]!r}")
        return problems
    if p.returncode != 0:
        return [f"exit status {p.returncode}: {p.stderr.strip()[:200]}"]
    if os.path.exists(os.path.join(case, "expected.json")):
        want = json.load(open(os.path.join(case, "expected.json")))
        try:
            got = json.loads(p.stdout)
        except ValueError as e:
            return [f"output is not JSON: {e}"]
        diff_json(want, got, "", problems)
    else:
        want = open(os.path.join(case, "expected.csv")).read().replace("\r\n", "\n").rstrip("\n")
        got = p.stdout.replace("\r\n", "\n").rstrip("\n")
        if want != got:
            wl, gl = want.split("\n"), got.split("\n")
            for i in range(max(len(wl), len(gl))):
                a = wl[i] if i < len(wl) else "<none>"
                b = gl[i] if i < len(gl) else "<none>"
                if a != b:
                    problems.append(f"line {i + 1}: expected {a!r}, got {b!r}")
                    break
    return problems


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    cli = os.path.abspath(sys.argv[1])
    root = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "golden")
    cases = sorted(d for d in os.listdir(root) if os.path.isdir(os.path.join(root, d)))
    failed = 0
    for name in cases:
        try:
            problems = run_case(cli, os.path.join(root, name))
        except Exception as e:  # a crash or hang of the CLI is a failure of that case
            problems = [f"{type(e).__name__}: {e}"]
        if problems:
            failed += 1
            print(f"FAIL {name}")
            for line in problems[:5]:
                print(f"    {line}")
            if len(problems) > 5:
                print(f"    ... {len(problems) - 5} more")
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
