#!/usr/bin/env python3
"""tarvik-cli draw: the front view of a vehicle file as SVG.

    test_draw.py PATH/TO/tarvik-cli PATH/TO/WORKED.TK

The picture parses as XML, has the asked size, the twelve point letters and
the captions, draws the moved layout over the gray static one with --dive,
gives the same bytes on standard output, and a refused option writes nothing.
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"


def main():
    cli, worked = sys.argv[1], sys.argv[2]
    failures = []

    def draw(*args):
        return subprocess.run([cli, "draw", worked, *args], capture_output=True, timeout=60)

    def check(ok, what):
        if not ok:
            failures.append(what)

    def parse(data):
        root = ET.fromstring(data)
        texts = {c: [e.text for e in root.iter(SVG + "text") if e.get("class") == c]
                 for c in ("letter", "caption")}
        return root, texts, list(root.iter(SVG + "line"))

    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "front.svg")
        p = draw("-o", out)
        check(p.returncode == 0 and p.stdout == b"", f"static: {p.returncode} {p.stderr!r}")
        data = open(out, "rb").read()
        root, texts, lines = parse(data)
        check((root.get("width"), root.get("height")) == ("800", "480"), "default size")
        check(texts["letter"] == list("ABCDEFGHIJKL"), f"letters {texts['letter']}")
        check("Roll Center height = 3.7" in texts["caption"], f"captions {texts['caption']}")
        check(draw("-o", "-").stdout == data, "standard output differs from the file")

        p = draw("--dive", "1", "--roll", "2", "--extension-lines", "on", "--size", "300x200",
                 "-o", "-")
        root, texts, lines = parse(p.stdout)
        check((root.get("width"), root.get("height")) == ("300", "200"), "--size")
        check("Roll Center Left = 4.8" in texts["caption"], f"moved {texts['caption']}")
        check(any(e.get("stroke") == "#c0c0c0" for e in lines), "no gray static layout")
        check(any(e.get("class") == "extension" for e in lines), "no extension lines")

        for args in (["--size", "10x10"], ["--extension-lines", "yes"], ["--dive", "one"]):
            p = draw(*args, "-o", out + ".new")
            check(p.returncode == 2 and args[0] in p.stderr.decode(), f"{args}: {p.stderr!r}")
            check(not os.path.exists(out + ".new"), f"{args} wrote a file")
        p = draw("-o", tmp)  # a folder is never replaced by a picture
        check(p.returncode == 2 and os.path.isdir(tmp), f"folder output: {p.returncode}")

    for f in failures:
        print("FAIL", f)
    print("failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
