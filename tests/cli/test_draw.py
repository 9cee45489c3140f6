#!/usr/bin/env python3
"""tarvik-cli draw: the front view of a vehicle file as SVG.

    test_draw.py PATH/TO/tarvik-cli PATH/TO/WORKED.TK

Checks that the picture parses as XML, has the requested size, the twelve
point letters and the captions, draws the dive-and-roll pass over the gray
static layout when asked, writes the same bytes to a file and to standard
output, and refuses bad options without writing anything.
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"


def run(cli, *args):
    return subprocess.run([cli, "draw", *args], capture_output=True, timeout=60)


def parse(data):
    root = ET.fromstring(data)
    texts = [(e.get("class"), e.text) for e in root.iter(SVG + "text")]
    lines = [e for e in root.iter(SVG + "line")]
    return root, texts, lines


def main():
    cli, worked = sys.argv[1], sys.argv[2]
    failures = []

    def check(ok, what):
        if not ok:
            failures.append(what)

    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "front.svg")
        p = run(cli, worked, "-o", out)
        check(p.returncode == 0 and p.stdout == b"", f"static draw: {p.returncode} {p.stderr!r}")
        data = open(out, "rb").read()
        root, texts, lines = parse(data)
        check((root.get("width"), root.get("height")) == ("800", "480"), "default size")
        letters = [t for c, t in texts if c == "letter"]
        check(letters == list("ABCDEFGHIJKL"), f"letters {letters}")
        captions = [t for c, t in texts if c == "caption"]
        check("Roll Center height = 3.7" in captions, f"captions {captions}")
        check(len(lines) > 20, f"{len(lines)} lines")
        check(not any(e.get("class") == "extension" for e in lines), "extension lines by default")

        p = run(cli, worked, "--size", "300x200", "-o", "-")
        check(p.returncode == 0, "stdout draw")
        root, _, _ = parse(p.stdout)
        check((root.get("width"), root.get("height")) == ("300", "200"), "--size")
        p = run(cli, worked, "-o", "-")
        check(p.stdout == data, "standard output and file differ")

        p = run(cli, worked, "--dive", "1", "--roll", "2", "--extension-lines", "on", "-o", out)
        check(p.returncode == 0, "moved draw")
        _, texts, lines = parse(open(out, "rb").read())
        captions = [t for c, t in texts if c == "caption"]
        check("Roll Center Left = 4.8" in captions, f"moved captions {captions}")
        check(any(e.get("stroke") == "#c0c0c0" for e in lines), "no gray static layout")
        check(any(e.get("class") == "extension" for e in lines), "no extension lines")

        for args, message in [
            (["--size", "10x10"], "option '--size'"),
            (["--size", "800x"], "option '--size'"),
            (["--extension-lines", "yes"], "option '--extension-lines'"),
            (["--dive", "one"], "option '--dive'"),
            (["--zoom", "2"], "unknown option '--zoom'"),
        ]:
            target = os.path.join(tmp, "refused.svg")
            p = run(cli, worked, *args, "-o", target)
            check(p.returncode == 2 and message in p.stderr.decode(), f"{args}: {p.stderr!r}")
            check(not os.path.exists(target), f"{args} wrote a file")
        p = run(cli, worked, "-o", tmp)  # a folder cannot be replaced by a picture
        check(p.returncode == 2 and os.path.isdir(tmp), f"folder output: {p.returncode}")

    for f in failures:
        print("FAIL", f)
    print(f"{'failed' if failures else 'passed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
