#!/usr/bin/env python3
"""Every golden case through the WebAssembly twin of tarvik-cli.

    parity.py [--native PATH/TO/tarvik-cli] TWIN CASE_DIR...

Each case must pass the golden check (tests/cli/check_golden.py) run on the
twin; with --native, the twin's standard output, error output and exit status
must also be byte for byte those of the native program on the same case. A
case folder that does not exist is skipped (the shared cases live beside the
repository only on the development machines). The last line printed is
"N passed, M failed".
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "cli"))
import check_golden  # noqa: E402


def case_args(case):
    with open(os.path.join(case, "args")) as f:
        return [os.path.join(case, "input.tk") if a == "FILE" else a for a in f.read().splitlines() if a]


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
    for case in cases:
        try:
            problems = check_golden.run_case(twin, case)
            if native:
                a = subprocess.run([twin] + case_args(case), capture_output=True, timeout=60)
                b = subprocess.run([native] + case_args(case), capture_output=True, timeout=60)
                for what, x, y in (("exit status", a.returncode, b.returncode),
                                   ("standard output", a.stdout, b.stdout),
                                   ("error output", a.stderr, b.stderr)):
                    if x != y:
                        problems.append(f"{what} differs from the native program's: {x[:200]!r} vs {y[:200]!r}")
        except Exception as e:  # a crash or hang of the twin fails that case
            problems = [f"{type(e).__name__}: {e}"]
        if problems:
            failed += 1
            print(f"FAIL {case}")
            for line in problems[:5]:
                print(f"    {line}")
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed or not cases else 0


if __name__ == "__main__":
    sys.exit(main())
