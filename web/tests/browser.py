#!/usr/bin/python3
"""The browser edition in Debian's headless Chromium, driven by Selenium.

    browser.py SITE_DIR CLI [SCREENSHOT_DIR]

Serves SITE_DIR on a free loopback port and walks what a user does: the first
visit shows the worked example's roll centre, a typed value changes the
results, a dragged point moves its boxes, the dive slider moves the car, the
camber table shows a saved baseline and the differences, a saved file is the
desktop's file for the same edit (checked with CLI, tarvik-cli or its Node
twin), and a reload with the server gone still works
(service worker and browser storage). Prints the measured times and the
site's gzipped size; with SCREENSHOT_DIR, saves the 1366x768 and 390x844
pictures there. Run with Debian's /usr/bin/python3 (python3-selenium).
"""
import functools
import gzip
import http.server
import json
import os
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

HERE = os.path.dirname(os.path.abspath(__file__))
WORKED = os.path.join(HERE, "..", "..", "data", "tkfiles", "WORKED.TK")
RC = "Roll Center height = 3.7"
UBJ_HEIGHT = 8  # the right upper ball joint's Height box
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def serve(site):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser(downloads):
    o = webdriver.ChromeOptions()
    o.binary_location = "/usr/bin/chromium"
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
              "--disable-background-networking", "--disable-component-update", "--disable-sync",
              "--disable-dev-shm-usage", "--window-size=1366,768",
              f"--user-data-dir={tempfile.mkdtemp(prefix='tarvik-chromium-')}"):
        o.add_argument(a)
    o.add_experimental_option("prefs", {"download.default_directory": downloads,
                                        "download.prompt_for_download": False})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)


def wait(predicate, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        try:
            if predicate():
                return True
        except Exception:
            pass
        time.sleep(0.05)
    return False


def text(d, element_id):
    return d.find_element(By.ID, element_id).text


def gzipped_size(site):
    total = 0
    for name in os.listdir(site):
        with open(os.path.join(site, name), "rb") as f:
            total += len(gzip.compress(f.read(), 9))
    return total


def main():
    site = os.path.abspath(sys.argv[1])
    cli = os.path.abspath(sys.argv[2])
    shots = sys.argv[3] if len(sys.argv) > 3 else None
    server = serve(site)
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    downloads = tempfile.mkdtemp(prefix="tarvik-downloads-")
    d = browser(downloads)
    try:
        d.get(url)
        check(wait(lambda: d.find_element(By.TAG_NAME, "body").get_attribute("data-ready") == "1"),
              "the page starts")
        check(text(d, "rc") == RC, f"first visit shows '{RC}' (got {text(d, 'rc')!r})")
        check(RC in d.find_element(By.ID, "view").get_attribute("innerHTML"), "the front view draws the caption")
        interactive = d.execute_script("return window.tarvikTimings.interactive")
        for w, h in ((390, 844), (1366, 768)):
            d.set_window_size(w, h)
            time.sleep(0.3)
            wide = d.execute_script("return document.documentElement.scrollWidth - window.innerWidth")
            check(wide <= 0, f"no horizontal scrolling at {w}x{h} ({wide} px)")
            if shots:
                d.get_screenshot_as_file(os.path.join(shots, f"web-{w}x{h}.png"))

        box = d.find_element(By.ID, f"entry-{UBJ_HEIGHT}")
        box.clear()
        box.send_keys("12" + Keys.ENTER)
        check(wait(lambda: text(d, "rc") != RC), f"a typed value changes the results ({text(d, 'rc')!r})")
        edit_ms = d.execute_script("""
            const box = document.getElementById('entry-%d');
            const times = [];
            performance.clearMeasures();
            for (let i = 0; i < 41; ++i) {
              const t = performance.now();
              box.value = (12 + (i %% 10) / 10).toFixed(1); box.dispatchEvent(new Event('change'));
              times.push(performance.now() - t);
            }
            const median = (a) => a.sort((x, y) => x - y)[a.length >> 1];
            const parts = {};
            for (const m of performance.getEntriesByType('measure')) (parts[m.name] ||= []).push(m.duration);
            for (const k in parts) parts[k] = median(parts[k]);
            return [median(times), times[times.length - 1], times[Math.floor(times.length * 0.9)], parts];""" % UBJ_HEIGHT)
        fresh = d.execute_script("""const t = document.createElement('template'); t.innerHTML = window.tarvikSvg();
            return t.innerHTML === document.getElementById('view').innerHTML;""")
        check(fresh, "after many edits the patched front view is the core's picture, node for node")
        box = d.find_element(By.ID, f"entry-{UBJ_HEIGHT}")
        box.clear()
        box.send_keys("abc" + Keys.ENTER)
        refused = wait(lambda: d.find_element(By.ID, "message").get_attribute("open") is not None, 3)
        if refused:
            d.find_element(By.ID, "message-ok").click()
        box.clear()
        box.send_keys("12" + Keys.ENTER)

        lower_pivot = d.find_element(By.ID, "entry-11")  # the right lower frame pivot's Height
        before = lower_pivot.get_attribute("value")
        spot = d.execute_script("return window.tarvikSpots().find(s => s.side === 0 && s.row === 3)")
        view = d.find_element(By.ID, "view")
        rect = d.execute_script("const r = arguments[0].getBoundingClientRect(); return [r.width, r.height];", view)
        (ActionChains(d).move_to_element_with_offset(view, int(spot["x"] - rect[0] / 2), int(spot["y"] - rect[1] / 2))
         .click_and_hold().move_by_offset(0, -15).move_by_offset(0, -15).release().perform())
        check(wait(lambda: d.find_element(By.ID, "entry-11").get_attribute("value") != before, 3),
              f"dragging the lower frame pivot moves its Height box ({before} -> "
              f"{d.find_element(By.ID, 'entry-11').get_attribute('value')})")
        d.find_element(By.ID, "undo").click()
        check(wait(lambda: d.find_element(By.ID, "entry-11").get_attribute("value") == before, 3),
              "undo puts the dragged point back")

        slider = d.find_element(By.ID, "dive-slider")
        slider.click()
        for _ in range(5):
            slider.send_keys(Keys.ARROW_RIGHT)
        check(wait(lambda: text(d, "moved-rc").strip() != ""), f"the dive slider moves the car ({text(d, 'moved-rc')!r})")
        dive_box = d.find_element(By.ID, "dive").get_attribute("value")
        d.find_element(By.ID, "apply").click()  # back to the static layout

        d.find_element(By.ID, "table-button").click()
        check(wait(lambda: len(d.find_elements(By.CSS_SELECTOR, "#table-right tr")) > 1), "the camber table fills")
        rows_plain = len(d.find_elements(By.CSS_SELECTOR, "#table-right tr"))
        table_ms = d.execute_script("return window.tarvikTimings.tableFill")
        d.find_element(By.ID, "baseline").click()
        box = d.find_element(By.ID, f"entry-{UBJ_HEIGHT}")
        box.clear()
        box.send_keys("12.5" + Keys.ENTER)
        check(wait(lambda: len(d.find_elements(By.CSS_SELECTOR, "#table-right tr")) > rows_plain),
              "after a baseline and a change the table shows base and difference rows")
        cells = [e.text for e in d.find_elements(By.CSS_SELECTOR, "#table-right td")]
        check(any(c not in ("", ".00", "0", "-.00") and c.startswith(("-", ".")) for c in cells),
              "the differences are not all zero")
        table_views(d)
        table_ms = [table_ms, d.execute_script("""
            const box = document.getElementById('entry-%d'), times = [];
            for (let i = 0; i < 21; ++i) {
              const t = performance.now();
              box.value = (12.5 + (i %% 5) / 10).toFixed(1); box.dispatchEvent(new Event('change'));
              times.push(performance.now() - t);
            }
            box.value = '12.5'; box.dispatchEvent(new Event('change'));
            return times.sort((a, b) => a - b)[10];""" % UBJ_HEIGHT)]
        print_view(d)

        for button in ("shim-right", "spring"):
            d.find_element(By.ID, button).click()
            opened = wait(lambda: d.find_element(By.ID, "calc").get_attribute("open") is not None, 5)
            rows = len(d.find_elements(By.CSS_SELECTOR, "#calc-body tr"))
            title = text(d, "calc-title")
            check(opened and rows > 0 and title != "", f"the {button} calculator opens ({title!r}, {rows} rows)")
            if opened:
                d.find_element(By.ID, "calc-cancel").click()

        d.find_element(By.ID, "design-button").click()
        wait(lambda: d.find_element(By.ID, "design").get_attribute("open") is not None, 5)
        d.find_element(By.ID, "design-use-0").click()  # the roll-centre height
        d.find_element(By.ID, "design-value-0").clear()
        d.find_element(By.ID, "design-value-0").send_keys("2")
        labels = [e.text for e in d.find_elements(By.CSS_SELECTOR, "#design-coordinates tr td:nth-child(2)")]
        pivot = next(i for i, t in enumerate(labels) if "Upper Frame Pivot" in t and "Height" in t)
        d.find_element(By.ID, f"design-vary-{pivot}").click()
        if not d.find_element(By.ID, "design-symmetric").is_selected():
            d.find_element(By.ID, "design-symmetric").click()
        d.find_element(By.ID, "design-run").click()
        found = wait(lambda: d.find_element(By.ID, "design-apply").is_enabled(), 120)
        search_ms = d.execute_script("return window.tarvikTimings.designSearch")
        check(found, f"Find Pick-up Points finds an answer in a worker ({text(d, 'design-status')[:80]!r})")
        if found:
            d.find_element(By.ID, "design-apply").click()
            check(wait(lambda: text(d, "rc") == "Roll Center height = 2.0", 5),
                  f"the applied answer gives the target roll centre ({text(d, 'rc')!r})")
            d.find_element(By.ID, "undo").click()
        else:
            d.find_element(By.ID, "design-close").click()

        design_stop(d)

        d.find_element(By.ID, "save").click()
        check(wait(lambda: any(n.upper().endswith(".TK") for n in os.listdir(downloads)), 10), "Save downloads a file")
        saved = [n for n in os.listdir(downloads) if n.upper().endswith(".TK")]
        if saved:
            got = open(os.path.join(downloads, saved[0]), "rb").read()
            check(as_desktop_saves(got, ["12.5", dive_box], cli),
                  "the downloaded file is, byte for byte, the desktop's save of the same edit "
                  f"({got.splitlines()[3 + UBJ_HEIGHT]!r})")

        metric_units(d)

        d.refresh()
        check(wait(lambda: d.execute_script("return !!navigator.serviceWorker.controller"), 10),
              "the service worker controls the page")
        server.shutdown()
        server.server_close()
        d.refresh()
        check(wait(lambda: d.find_element(By.TAG_NAME, "body").get_attribute("data-ready") == "1"),
              "with the server gone a reload still starts (offline)")
        check(d.find_element(By.ID, f"entry-{UBJ_HEIGHT}").get_attribute("value") == "12.5",
              "the layout and its change survive the reload")
        check(d.find_element(By.ID, "dive").get_attribute("value") == dive_box, "the dive box survives the reload")
        d.find_element(By.ID, "table-button").click()
        check(wait(lambda: len(d.find_elements(By.CSS_SELECTOR, "#table-right tr")) > rows_plain),
              "the table's baseline survives the reload")

        print(f"first visit to interactive: {interactive:.0f} ms")
        print(f"edit to redrawn view: median {edit_ms[0]:.1f} ms, 90th percentile {edit_ms[2]:.1f} ms, "
              f"worst {edit_ms[1]:.1f} ms (of 41); medians of its parts: "
              + ", ".join(f"{k[7:]} {v:.1f}" for k, v in sorted(edit_ms[3].items())) + " ms")
        print(f"table fill: {table_ms[0]:.1f} ms; edit with the table open: median {table_ms[1]:.1f} ms")
        print(f"Find Pick-up Points (one target, one coordinate): {(search_ms or 0) / 1000:.1f} s")
        print(f"site gzipped: {gzipped_size(site) / 1024:.0f} KiB")
    finally:
        d.quit()
    print(f"{len(failures)} failed")
    return 1 if failures else 0


def table_views(d):
    """Rows chosen in the right grid are graphed from the core's graph data;
    the roll-centre views show one roll centre in both grids, and an open
    graph follows the quantity."""
    rows = d.find_elements(By.CSS_SELECTOR, "#table-right tr")
    rows[1].click()
    ActionChains(d).key_down(Keys.SHIFT).click(rows[4]).key_up(Keys.SHIFT).perform()
    d.find_element(By.ID, "graph").click()
    lines = d.find_elements(By.CSS_SELECTOR, "#graph-view polyline")
    legends = [e.text for e in d.find_elements(By.CSS_SELECTOR, "#graph-view .graph-legend")]
    title = d.find_element(By.CSS_SELECTOR, "#graph-view .graph-title").text
    # Two data rows with their baseline groups: new and base lines per side.
    check(len(lines) == 8 and any(t.startswith("Rt") for t in legends) and any(t.startswith("Lt") for t in legends)
          and "Camber" in title, f"the chosen rows are graphed ({len(lines)} lines, {title!r}, {legends[:2]})")
    dashed = d.find_elements(By.CSS_SELECTOR, "#graph-view polyline[stroke-dasharray]")
    check(len(dashed) == 4, f"the baseline rows are drawn dashed ({len(dashed)})")
    quantity = d.find_element(By.ID, "table-quantity")
    for value, name in (("1", "Roll Center Height"), ("2", "Roll Center Lateral")):
        quantity.find_element(By.CSS_SELECTOR, f"option[value='{value}']").click()
        right = [e.text for e in d.find_elements(By.CSS_SELECTOR, "#table-right td")]
        left = [e.text for e in d.find_elements(By.CSS_SELECTOR, "#table-left td")]
        title = d.find_element(By.CSS_SELECTOR, "#graph-view .graph-title").text
        lines = len(d.find_elements(By.CSS_SELECTOR, "#graph-view polyline"))
        chosen = len(d.find_elements(By.CSS_SELECTOR, "#table-right tr.chosen"))
        check(right == left and right and name in title and lines == min(chosen, 6),
              f"the {name} view shows one roll centre and graphs each chosen row once "
              f"({title!r}, {lines} lines, {chosen} rows)")
    quantity.find_element(By.CSS_SELECTOR, "option[value='0']").click()


def print_view(d):
    """The printed report in headless Chromium's own PDF: the desktop's report
    texts, the table's numbers and the comment, on the pages the core laid out."""
    import base64
    pages = d.execute_script("return window.tarvikPrintView('Spring test day')")
    cells = [e.text for e in d.find_elements(By.CSS_SELECTOR, "#table-right td")]
    pdf = base64.b64decode(d.print_page())
    with tempfile.NamedTemporaryFile(suffix=".pdf") as f:
        f.write(pdf)
        f.flush()
        got = subprocess.run(["pdftotext", "-layout", f.name, "-"], capture_output=True, text=True).stdout
    printed = got.count("\f")
    got = " ".join(got.split())  # the PDF's text keeps no runs of blanks
    check(pages >= 1 and printed == pages, f"the report prints on its {pages} page(s) ({printed} in the PDF)")
    for want in ("Camber, degrees", "Report Comment: Spring test day", "Vehicle File:", "Right", "Left",
                 "Difference", cells[0]):
        check(want in got, f"the printed report holds {want!r}")
    check("Find Pick-up Points" not in got and "Static Layout" not in got, "the print shows only the report")
    with tempfile.NamedTemporaryFile(suffix=".pdf") as f:  # the browser's own print command
        f.write(base64.b64decode(d.print_page()))
        f.flush()
        again = subprocess.run(["pdftotext", f.name, "-"], capture_output=True, text=True).stdout
    check("Camber, degrees" in again and "Spring test day" not in again,
          "the browser's print command prints the report afresh, without the comment")


def design_stop(d):
    """Stop during a long search ends the worker and offers the best layout
    reported so far; Apply writes it as one undo step."""
    boxes = lambda: [e.get_attribute("value") for e in d.find_elements(By.CSS_SELECTOR, "#points input")]
    before = boxes()
    d.find_element(By.ID, "design-button").click()
    wait(lambda: d.find_element(By.ID, "design").get_attribute("open") is not None, 5)
    d.find_element(By.ID, "design-use-0").click()
    d.find_element(By.ID, "design-value-0").clear()
    d.find_element(By.ID, "design-value-0").send_keys("1.5")
    if d.find_element(By.ID, "design-symmetric").is_selected():
        d.find_element(By.ID, "design-symmetric").click()
    # Two targets over every free coordinate, on both sides apart: a search of
    # many seconds, stopped once it reports its first progress.
    d.find_element(By.ID, "design-use-1").click()
    varied = [e for e in d.find_elements(By.CSS_SELECTOR, "#design-coordinates input[type=checkbox]")
              if e.is_enabled()]
    for e in varied:
        if not e.is_selected():
            e.click()
    d.find_element(By.ID, "design-run").click()
    searching = wait(lambda: text(d, "design-status").startswith(("sampling", "evolving", "polishing")), 60)
    d.find_element(By.ID, "design-stop").click()
    status = text(d, "design-status")
    check(searching and "Stopped" in status and d.find_element(By.ID, "design-apply").is_enabled(),
          f"Stop offers the best layout so far ({status.splitlines()[-1] if status else ''!r})")
    if d.find_element(By.ID, "design-apply").is_enabled():
        d.find_element(By.ID, "design-apply").click()
        check(wait(lambda: boxes() != before, 3), "Apply writes the stopped search's answer")
        d.find_element(By.ID, "undo").click()
        check(wait(lambda: boxes() == before, 3), "one undo takes the whole answer back")
    else:
        d.find_element(By.ID, "design-close").click()


def metric_units(d):
    """Metric units: the core converts the layout (the boxes show millimetres),
    the results and the table follow, and undo brings the inches back."""
    before = d.find_element(By.ID, f"entry-{UBJ_HEIGHT}").get_attribute("value")
    rc = text(d, "rc")
    d.find_element(By.ID, "metric").click()
    got = d.find_element(By.ID, f"entry-{UBJ_HEIGHT}").get_attribute("value")
    check(abs(float(got) - float(before) * 25.4) < 0.01, f"metric units convert the boxes ({before} -> {got})")
    check(text(d, "rc") != rc, f"the results follow the units ({text(d, 'rc')!r})")
    check(d.find_element(By.ID, "dive-slider").get_attribute("max") == "76.2", "the dive slider spans millimetres")
    d.find_element(By.ID, "table-quantity").find_element(By.CSS_SELECTOR, "option[value='1']").click()
    caption = d.find_element(By.CSS_SELECTOR, "#table-grids p").text
    check("millimeters" in caption, f"the table names millimetres ({caption!r})")
    d.find_element(By.ID, "table-quantity").find_element(By.CSS_SELECTOR, "option[value='0']").click()
    d.find_element(By.ID, "undo").click()
    check(wait(lambda: d.find_element(By.ID, f"entry-{UBJ_HEIGHT}").get_attribute("value") == before, 3)
          and not d.find_element(By.ID, "metric").is_selected() and text(d, "rc") == rc,
          "undo brings the inches back")


def as_desktop_saves(got, edited, cli):
    """The desktop writes the shipped file back unchanged but for the edited
    boxes (the Height typed and the dive the slider set) and the arm dimensions its solve writes back into their boxes (the
    same CR LF lines, comment and terminator). The write-back texts of the
    saved layout come from tarvik-cli, and its roll centre must be the one
    the page showed."""
    want = open(WORKED, "rb").read().split(b"\r\n")
    have = got.split(b"\r\n")
    if len(want) != len(have) or got[:11] != b"QMK-TK*1.10":
        return False
    with tempfile.NamedTemporaryFile(suffix=".TK") as f:
        f.write(got)
        f.flush()
        out = json.loads(subprocess.run([cli, "solve", f.name], capture_output=True, check=True).stdout)
    arms = {out["display"][k].encode() for k in out["display"] if "_arm_" in k}
    changed = [b for a, b in zip(want, have) if a != b]
    typed = [t.encode() for t in edited]
    return all(t in changed for t in typed) and all(b in typed or b in arms for b in changed)


if __name__ == "__main__":
    sys.exit(main())
