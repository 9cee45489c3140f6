#!/usr/bin/env python3
"""tarvik-cli sensitivity and fit: the derivatives agree with differences of
`tarvik-cli solve` on moved copies of the layout, and the fit finds two
coordinates moved on a hidden copy from its camber, with refusals that exit
2 with one line.

    check_fit.py PATH/TO/tarvik-cli DATA_DIR
"""
import json
import os
import subprocess
import sys
import tempfile

# Entry e of the point block sits on line 3 + e of a vehicle file.
COORDS = {"right.upper_ball_joint.y": 8, "right.upper_frame_pivot.x": 1,
          "right.lower_ball_joint.y": 10, "right.lower_frame_pivot.y": 11,
          "left.upper_frame_pivot.y": 25, "left.lower_ball_joint.x": 18}
STEP = 0.01


def run(cli, args):
    return subprocess.run([cli] + args, capture_output=True, text=True, timeout=60)


def moved_copy(source, folder, changes):
    lines = open(source, "rb").read().split(b"\r\n")
    for entry, delta in changes.items():
        lines[3 + entry] = repr(float(lines[3 + entry]) + delta).encode()
    path = os.path.join(folder, "moved.TK")
    open(path, "wb").write(b"\r\n".join(lines))
    return path


def main():
    cli, data = sys.argv[1], sys.argv[2]
    failures = []

    def check(what, ok, detail=""):
        if not ok:
            failures.append(f"{what}: {detail}")

    def solve(path, extra=()):
        p = run(cli, ["solve", path] + list(extra))
        return json.loads(p.stdout)

    with tempfile.TemporaryDirectory() as folder:
        for name in ("WORKED.TK", "CIRCLE.TK"):
            source = os.path.join(data, "tkfiles", name)
            p = run(cli, ["sensitivity", source])
            check(name + " sensitivity", p.returncode == 0, p.stderr)
            table = json.loads(p.stdout)["coordinates"]
            for coord, entry in COORDS.items():
                up = solve(moved_copy(source, folder, {entry: STEP}))
                down = solve(moved_copy(source, folder, {entry: -STEP}))
                for result, value in (("rc-height", lambda j: j["roll_center"]["y"]),
                                      ("camber-gain-right", lambda j: j["right"]["camber_gain"])):
                    want = (value(up) - value(down)) / (2 * STEP)
                    got = table[coord][result]
                    check(f"{name} {coord} {result}", abs(got - want) <= 1e-3, f"{got} vs {want}")

        csv = run(cli, ["sensitivity", os.path.join(data, "tkfiles", "WORKED.TK"),
                        "--dive", "1", "--roll", "-2", "--format", "csv"]).stdout.splitlines()
        check("csv header", csv[0].endswith(',"camber-right@1,-2","camber-left@1,-2"'), csv[0])
        check("csv rows", len(csv) == 25, len(csv))

        # A hidden car: two boxes measured wrong by a quarter inch.
        circle = os.path.join(data, "tkfiles", "CIRCLE.TK")
        truth = moved_copy(circle, folder, {8: 0.25, 26: -0.22})
        rows = ["dive,roll,camber_right,camber_left"]
        for dive in (-1, 0, 1, 2):
            for roll in (-2, 0, 2):
                j = solve(truth, ["--dive", str(dive), "--roll", str(roll)])["moved"]
                rows.append(f"{dive},{roll},{j['right']['dynamic_camber']:.3f},"
                            f"{j['left']['dynamic_camber']:.3f}")
        rows.append("3,0,,")  # planned, not read
        measured = os.path.join(folder, "CIRCLE.measured.csv")
        open(measured, "w").write("\n".join(rows) + "\n")
        p = run(cli, ["fit", circle, "--measured", measured, "--vary",
                      "right.upper_ball_joint.y=0.5", "--vary", "left.lower_ball_joint.y=4.5:5.5"])
        check("fit", p.returncode == 0, p.stderr)
        if p.returncode == 0:
            fit = json.loads(p.stdout)
            check("keys", list(fit)[:8] == ["residual_before", "residual_after", "entries", "moved",
                                           "at_tolerance", "points", "layout_problem",
                                           "evaluations"], list(fit))
            check("residual", fit["residual_after"] < 0.01 < fit["residual_before"], fit)
            check("entries", abs(fit["entries"]["right.upper_ball_joint.y"] - 16.25) <= 0.02
                  and abs(fit["entries"]["left.lower_ball_joint.y"] - 4.78) <= 0.02, fit["entries"])
            check("moved", abs(fit["moved"]["right.upper_ball_joint.y"] - 0.25) <= 0.02, fit["moved"])
            check("points", len(fit["points"]) == 12 and "after" in fit["points"][0]["camber_left"],
                  fit["points"][0])
        tight = json.loads(run(cli, ["fit", circle, "--measured", measured, "--vary",
                                     "right.upper_ball_joint.y=0.1"]).stdout)
        check("at tolerance", tight["at_tolerance"] == ["right.upper_ball_joint.y"], tight)

        bad = os.path.join(folder, "bad.csv")
        open(bad, "w").write("dive,roll,camber_right,camber_left\n1,0,-1,2\n2,zero,-1,2\n")
        for args, text in (
                (["--measured", bad, "--vary", "right.upper_ball_joint.y=0.5"],
                 "bad.csv: Row 3: the roll 'zero' is not a number."),
                (["--measured", measured, "--vary", "right.upper_ball_joint.y=-1"],
                 "needs a tolerance above 0"),
                (["--measured", measured, "--vary", "right.knee.y=1"], "unknown coordinate"),
                (["--vary", "right.upper_ball_joint.y=1"], "'--measured M.csv' is needed")):
            p = run(cli, ["fit", circle] + args)
            check(" ".join(args), p.returncode == 2 and text in p.stderr
                  and p.stderr.count("\n") == 1 and p.stdout == "", p.stderr)

    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
