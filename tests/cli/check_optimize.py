#!/usr/bin/env python3
"""tarvik-cli optimize on the worked example: the answers it must reach, one
answer per seed whatever the threads, and refusals that exit 2 with one line.

    check_optimize.py PATH/TO/tarvik-cli DATA_DIR

Each search takes well under a second on two cores; the budget is 10 s each
(stated here, not asserted: timing is the benchmark's business).
"""
import json
import os
import subprocess
import sys

HEIGHTS = ["--vary", "right.upper_frame_pivot.y=12:16", "--symmetric"]
THREE = ["--vary", "left.upper_ball_joint.y=13:17", "--vary", "left.upper_frame_pivot.y=12:16",
         "--vary", "left.lower_frame_pivot.y=4:8", "--symmetric"]


def run(cli, args):
    return subprocess.run([cli, "optimize"] + args, capture_output=True, text=True, timeout=60)


def main():
    cli, data = sys.argv[1], sys.argv[2]
    worked = os.path.join(data, "tkfiles", "WORKED.TK")
    failures = []

    def check(what, ok, detail=""):
        if not ok:
            failures.append(f"{what}: {detail}")

    def solve(args):
        p = run(cli, [worked] + args)
        check(" ".join(args), p.returncode == 0, p.stderr.strip())
        return json.loads(p.stdout) if p.returncode == 0 else None

    one = solve(["--target", "rc-height=2.0"] + HEIGHTS)
    if one:
        got = one["targets"]["rc-height"]["achieved"]
        check("rc-height alone", abs(got - 2.0) <= 0.02, got)
        texts = one["texts"]
        check("symmetric boxes", texts["right.upper_frame_pivot.y"] == texts["left.upper_frame_pivot.y"],
              texts)
        check("stopped", one["stopped"] == "finished" and not one["layout_problem"], one)
        check("reached", one["targets"]["rc-height"]["reached"] is True, one["targets"])

    # Targets come back under the names typed; one far out of reach is still
    # a sound layout, only not reached, even when its squared miss is beyond a double.
    far = solve(["--target", "camber-right@-0.2,0.5=-1", "--target", "rc-height=1e160"] + HEIGHTS)
    if far:
        check("names as typed", list(far["targets"]) == ["camber-right@-0.2,0.5", "rc-height"],
              far["targets"])
        check("far target", not far["layout_problem"]
              and not any(t["reached"] for t in far["targets"].values()), far)

    two = solve(["--target", "rc-height=2.0", "--target", "camber-gain=-1.2"] + THREE)
    if two:
        for name, want in (("rc-height", 2.0), ("camber-gain", -1.2)):
            got = two["targets"][name]["achieved"]
            check(name + " with gain", abs(got - want) <= 0.05, got)
        check("six boxes", len(two["entries"]) == 6, two["entries"])

    # One seed, one answer, on one thread or three.
    common = ["--target", "rc-height=1.5", "--target", "camber-left@2,3=0.5:2",
              "--target", "rc-migration=0.5", "--vary", "left.upper_frame_pivot.x=10:15",
              "--vary", "left.lower_ball_joint.x=24:28", "--vary", "right.upper_ball_joint.y=13:18",
              "--seed", "99"]
    a = run(cli, [worked] + common + ["--threads", "1"]).stdout
    b = run(cli, [worked] + common + ["--threads", "3"]).stdout
    check("same seed, same answer", a == b and a != "", (a, b))

    refusals = [
        (["--target", "rc-heigth=2"] + HEIGHTS, "unknown target 'rc-heigth'"),
        (["--target", "rc-height=2"], "no coordinate to vary"),
        (["--target", "rc-height=2:-1"] + HEIGHTS, "weight above 0"),
        (["--target", "camber-left=1"] + HEIGHTS, "needs @DIVE,ROLL"),
        (["--target", "rc-height=2", "--vary", "right.upper_frame_pivot.y=16:12"], "reversed range"),
        (["--target", "rc-height=2", "--vary", "right.frame.y=1:2"], "unknown coordinate"),
        # Both sides named with --symmetric are one pair only when their ranges agree.
        (["--target", "rc-height=2", "--vary", "left.upper_frame_pivot.y=12:15"] + HEIGHTS,
         "varied twice"),
        (["--target", "rc-height=2", "--seed", "x"] + HEIGHTS, "option '--seed'"),
        (["--target", "rc-height=2", "--time-limit", "-1"] + HEIGHTS, "option '--time-limit'"),
    ]
    for args, message in refusals:
        p = run(cli, [worked] + args)
        lines = p.stderr.strip().splitlines()
        check(" ".join(args), p.returncode == 2 and len(lines) == 1 and message in p.stderr
              and p.stdout == "", (p.returncode, p.stderr))

    for f in failures:
        print("FAIL", f)
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
