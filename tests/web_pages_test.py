# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
"""The web pages in headless Chromium, each copied alone into an empty folder
and opened from file://, WebGL drawn by SwiftShader. Cases:
  render  each page's frame against the native program's (Xvfb, llvmpipe) at
          the same tick, on a clock of the test's: the bob's red pixels within
          1 %, its centroid within 1 px, both texts in the same boxes; the
          glDrawElements mend, a canvas reshaped at once, a lost context.
  pace    ticks over 10 s of real time: velmora 50 a second, tarnwick one a
          frame shown (6.0 s at 60 frames a second).
  sound   without WebGL a sentence instead of the canvas; tarnwick's toolkit
          options from the address, X's messages in the page; a quiet console.
  usage: web_pages_test.py CASE PAGE_DIR WINDOW_SCREENSHOT VELMORA TARNWICK
Exits 77 (skipped) off Debian where Chromium is missing."""

import base64
import contextlib
import io
import math
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from PIL import Image

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tools"))
from headless_browser import WEBGL, start_browser, wait_for  # noqa: E402

SKIP = 77
# The test's clock: requestAnimationFrame, performance.now and Date.now (the
# C library's time of day) answer to it,
# so that each step is one frame at a time of the test's choosing.
TEST_CLOCK = """
(() => {
  let now = 0, frames = [];
  const start = Date.now();
  performance.now = () => now;
  Date.now = () => start + now;
  window.requestAnimationFrame = callback => frames.push(callback);
  window.stepFrame = ms => { now += ms; frames.splice(0).forEach(f => f(now)); };
  window.waitingFrames = () => frames.length;
})();
"""
# The canvas's pixels as RGB rows, read in the task that drew them.
CANVAS_PIXELS = """
const canvas = document.getElementById('canvas');
const copy = document.createElement('canvas');
copy.width = canvas.width; copy.height = canvas.height;
const context = copy.getContext('2d');
context.drawImage(canvas, 0, 0);
const rgba = context.getImageData(0, 0, copy.width, copy.height).data;
let text = '';
for (let i = 0; i < rgba.length; i += 4)
  text += String.fromCharCode(rgba[i], rgba[i + 1], rgba[i + 2]);
return [copy.width, copy.height, btoa(text)];
"""


def read_png(png):
    """Width, height and RGB rows of a PNG: a path, or its bytes."""
    with Image.open(io.BytesIO(png) if isinstance(png, bytes) else png) as image:
        width, height = image.size
        data = image.convert("RGB").tobytes()
    return width, height, rgb_rows(data, width, height)


def rgb_rows(data, width, height):
    return [data[y * width * 3:(y + 1) * width * 3] for y in range(height)]


def is_red(rows, x, y):
    r, g, b = rows[y][3 * x:3 * x + 3]
    return r >= 60 and g <= 60 and b <= 60


def measure(width, height, rows):
    """The bob (red pixels whose four neighbours are red too, so that the
    one-pixel rod drops out): count and centroid; and the box of each line of
    text (red pixels in the upper half, away from the rod)."""
    red = {(x, y) for y in range(height) for x in range(width) if is_red(rows, x, y)}
    bob = [(x, y) for (x, y) in red if y > height // 2 and
           all(p in red for p in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))]
    if not bob:
        return None
    cx = sum(x for x, _ in bob) / len(bob)
    cy = sum(y for _, y in bob) / len(bob)
    # The rod runs from the pivot (the highest red pixel at the centre) to the bob.
    pivot_y = min((y for (x, y) in red if abs(x - width // 2) <= 1), default=None)
    if pivot_y is None:
        return None
    def off_rod(x, y):
        along = (y - pivot_y) / (cy - pivot_y)
        return abs(x - (width // 2 + along * (cx - width // 2))) > 3
    text = sorted((x, y) for (x, y) in red if pivot_y < y < height // 2 and off_rod(x, y))
    # Two lines of text whose letters may touch: split at the emptiest row
    # between their middles.
    rows = {}
    for _, y in text:
        rows[y] = rows.get(y, 0) + 1
    top, bottom = min(rows), max(rows)
    split = min(range(top + 5, bottom - 4), key=lambda y: (rows.get(y, 0), y))
    boxes = []
    for part in ([p for p in text if p[1] < split], [p for p in text if p[1] >= split]):
        xs, ys = [x for x, _ in part], [y for _, y in part]
        boxes.append([min(xs), min(ys), max(xs), max(ys)])
    return {"count": len(bob), "centroid": (cx, cy), "texts": boxes, "text_pixels": frozenset(text),
            "pivot": statistics.median(x for (x, y) in red if y == pivot_y)}


SCRIPTS = []


def open_page(driver, folder, name, query="", script=None, page=None):
    """Copies the page (or page, another build of it) alone into an empty
    folder and opens it from there, script run before the page's own."""
    source = page or PAGE_DIR / f"{name}.html"
    page = folder / f"{name}.html"
    shutil.copy(source, page)
    # The script for this page alone.
    while SCRIPTS:
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": SCRIPTS.pop()})
    if script:
        SCRIPTS.append(driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                              {"source": script})["identifier"])
    driver.get(page.as_uri() + query)


STARTED = "return window.program && typeof program._simulatedTime === 'function';"


def console_faults(driver):
    """Every console message but the performance notes of the browser's own
    readback: headless Chromium composites in software (--disable-gpu), and
    reads the WebGL canvas back for it, as the render case does too."""
    return [f"console: {e['level']} {e['message']}" for e in driver.get_log("browser")
            if "GPU stall due to ReadPixels" not in e["message"]]


def canvas_pixels(driver, first=""):
    """The canvas's pixels; first: a script run before, in the same task,
    so that what it draws is read before the browser presents it."""
    width, height, pixels = driver.execute_script(first + CANVAS_PIXELS)
    rows = rgb_rows(base64.b64decode(pixels), width, height)
    return width, height, rows


NATIVE_FRAMES = 3


def native_frames(native):
    """The native program's picture, a few frames 40 ms apart: a
    single-buffered window may be caught in the middle of a frame."""
    with tempfile.TemporaryDirectory() as shots:
        shot = Path(shots) / "native.png"
        subprocess.run([SCREENSHOT, "--frames", str(NATIVE_FRAMES), native, str(shot), "700"], check=True,
                       timeout=60, stdout=subprocess.DEVNULL)
        return [measure(*read_png(Path(shots) / f"native-{i:03d}.png")) for i in range(NATIVE_FRAMES)]


def check_render(driver, folder, name, native, faults):
    """The page's frame that shows the native frame's time text, that is the
    same tick, against it."""
    expected = [frame for frame in native_frames(native) if frame is not None]
    open_page(driver, folder, name, script=TEST_CLOCK)
    wait_for(driver, STARTED + " return waitingFrames() > 0;", f"{name}: first frame")
    period = 20 if name == "velmora" else 10
    seen = []
    for _ in range(200):
        frame = measure(*canvas_pixels(driver, f"stepFrame({period});"))
        if frame is not None:
            seen.append(frame)
    # The same tick: the fewest text pixels in one picture and not the other.
    pairs = [(len(e["text_pixels"] ^ s["text_pixels"]), i, s) for i, e in enumerate(expected) for s in seen]
    if not pairs:
        faults.append(f"{name}: no bob drawn")
        return
    differing, index, seen = min(pairs, key=lambda pair: pair[:2])
    expected = expected[index]
    # A tick apart the time texts differ by a digit, a few per cent of their pixels.
    if differing > 0.01 * len(expected["text_pixels"]):
        faults.append(f"{name}: no frame shows the native time text ({differing} text pixels differ)")
    if abs(seen["count"] - expected["count"]) > 0.01 * expected["count"]:
        faults.append(f"{name}: {seen['count']} red pixels of the bob, natively {expected['count']}")
    if math.dist(seen["centroid"], expected["centroid"]) > 1.0:
        faults.append(f"{name}: the bob's centroid at {seen['centroid']}, natively {expected['centroid']}")
    if any(abs(a - b) > 1 for s, e in zip(seen["texts"], expected["texts"]) for a, b in zip(s, e)):
        faults.append(f"{name}: text boxes {seen['texts']}, natively {expected['texts']}")


def check_draw_elements(driver, folder, faults):
    """A triangle drawn from client-side arrays with indices past their
    count: red at the middle with web/draw_elements.js. Without it (the page
    Emscripten's own glDrawElements makes) Emscripten 3.1.6 leaves it out; a
    newer one draws it, which is said, the mend then not needed."""
    faults += console_faults(driver)  # the pages before
    drawn = {}
    for variant in ("mended", "stock"):
        open_page(driver, folder, "draw_elements", page=PAGE_DIR / "checks" / f"draw-elements-{variant}.html")
        wait_for(driver, "return window.triangleDrawn === true;", f"glDrawElements, {variant}: drawn")
        width, height, rows = canvas_pixels(driver)
        drawn[variant] = is_red(rows, width // 2, height // 2)
        # Emscripten's own reports the vertices it lacks: that page's alone.
        messages = console_faults(driver)
        if variant == "mended":
            faults += messages
    if not drawn["mended"]:
        faults.append("glDrawElements, mended: the triangle missing")
    elif drawn["stock"]:
        print("web_pages_test: glDrawElements: this Emscripten's own draws the triangle too, needing no mend")


def check_resize(driver, folder, faults):
    """A canvas shown at another size is reshaped to it and drawn at once,
    with no tick between: the pivot at the middle of the new width."""
    open_page(driver, folder, "velmora", script=TEST_CLOCK)
    wait_for(driver, STARTED + " return waitingFrames() > 0;", "velmora: first frame")
    driver.execute_script("stepFrame(20);")
    driver.execute_script("const c = document.getElementById('canvas');"
                          "c.style.width = '400px'; c.style.height = '250px';")
    wait_for(driver, "const c = document.getElementById('canvas'); stepFrame(0);"
                     "return c.width === 400 && c.height === 250;", "velmora: canvas resized")
    driver.execute_script("stepFrame(0);")
    # As shown on screen: a canvas just resized reads back empty.
    width, height, rows = read_png(driver.find_element("id", "canvas").screenshot_as_png)
    frame = measure(width, height, rows)
    if (width, height) != (400, 250) or frame is None or abs(frame["pivot"] - width / 2) > 1:
        faults.append(f"velmora resized to 400 x 250: {width} x {height}, drawn {frame}")


def check_lost_context(driver, folder, faults):
    """The browser taking WebGL back: the sentence in place of the canvas,
    nothing thrown."""
    open_page(driver, folder, "velmora")
    wait_for(driver, STARTED + " return program._simulatedTime() > 0;", "velmora: first tick")
    driver.execute_script("document.getElementById('canvas').getContext('webgl')"
                          ".getExtension('WEBGL_lose_context').loseContext();")
    wait_for(driver, "return !document.getElementById('message').hidden;", "velmora: the lost context told")
    facts = driver.execute_script(PAGE_FACTS)
    if facts["canvas"] is not None or not facts["message"].startswith("velmora stopped"):
        faults.append(f"after a lost context: {facts}")


# Counts the passes of the toolkit's loop: one each frame the browser shows.
PASS_COUNTER = """
(() => {
  window.passes = 0;
  const request = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = callback => request(now => { ++window.passes; callback(now); });
})();
"""


def check_pace(driver, folder, name, faults):
    """velmora keeps to real time, half speed: 50 ticks a second whatever the
    frames; tarnwick takes one tick a frame, as a swap waits for the display
    (6.0 s in 10 s at 60 frames a second), whatever the frames a busy
    machine's browser manages."""
    open_page(driver, folder, name, script=PASS_COUNTER)
    wait_for(driver, STARTED + " return program._simulatedTime() > 0;", f"{name}: first tick")
    state = "return [performance.now(), program._simulatedTime(), window.passes];"
    start = driver.execute_script(state)
    time.sleep(10)
    end = driver.execute_script(state)
    seconds, ticks, passes = (end[0] - start[0]) / 1000, round((end[1] - start[1]) / 0.01), end[2] - start[2]
    expected = round(50 * seconds) if name == "velmora" else passes
    print(f"web_pages_test: {name}: {ticks} ticks in {seconds:.2f} s of {passes} frames")
    if abs(ticks - expected) > 0.03 * expected:
        faults.append(f"{name}: {ticks} ticks in {seconds:.2f} s of {passes} frames, not {expected}")


PAGE_FACTS = """
const canvas = document.getElementById('canvas');
return {canvas: canvas.hidden ? null : [canvas.width, canvas.height], title: document.title,
        message: document.getElementById('message').hidden ? '' : document.getElementById('message').textContent,
        errors: document.getElementById('errors').textContent};
"""


@contextlib.contextmanager
def browser(extra=WEBGL):
    """A browser with a profile of its own, quit at the end; the test ends
    where Chromium is missing, skipped off Debian."""
    with tempfile.TemporaryDirectory() as profile:
        driver, missing = start_browser(profile, extra)
        if driver is None:
            print(f"web_pages_test: {missing} is missing", file=sys.stderr)
            sys.exit(1 if os.path.exists("/etc/debian_version") else SKIP)
        try:
            yield driver
        finally:
            driver.quit()


def check_sound(folder, faults):
    with browser(("--disable-webgl", "--disable-3d-apis")) as driver:
        open_page(driver, folder, "velmora")
        time.sleep(2)  # for anything thrown after the sentence
        facts = driver.execute_script(PAGE_FACTS)
        if facts["canvas"] is not None or not facts["message"].startswith("velmora needs WebGL"):
            faults.append(f"without WebGL: {facts}")
        faults += console_faults(driver)
    # The address's options, as tarnwick's command line on X takes them.
    cases = [("", [300, 300], ""), ("?geometry=400x250", [400, 250], ""),
             ("?geometry=abc", [300, 300], ""), ("?geometry=400x", [300, 300], ""),
             ("?geometry", None, "freeglut (tarnwick): -geometry parameter must be followed by window geometry settings\n")]
    with browser() as driver:
        for query, canvas, errors in cases:
            open_page(driver, folder, "tarnwick", query)
            if canvas is not None:
                wait_for(driver, STARTED + " return program._simulatedTime() > 0;", f"tarnwick{query}")
            else:
                wait_for(driver, "return document.getElementById('errors').textContent;", f"tarnwick{query}")
            facts = driver.execute_script(PAGE_FACTS)
            if facts["canvas"] != canvas or facts["errors"] != errors or facts["title"] != "Velmora":
                faults.append(f"tarnwick{query}: {facts}")
        faults += console_faults(driver)


def main():
    global PAGE_DIR, SCREENSHOT
    if len(sys.argv) != 6 or sys.argv[1] not in ("render", "pace", "sound"):
        print(__doc__, file=sys.stderr)
        return 2
    case, PAGE_DIR = sys.argv[1], Path(sys.argv[2]).resolve()
    faults = []
    with tempfile.TemporaryDirectory() as folder:
        folder = Path(folder)
        if case == "sound":
            check_sound(folder, faults)
        else:
            with browser() as driver:
                if case == "render":
                    SCREENSHOT = sys.argv[3]
                    for name, native in (("velmora", sys.argv[4]), ("tarnwick", sys.argv[5])):
                        (folder / name).mkdir()
                        check_render(driver, folder / name, name, native, faults)
                    check_draw_elements(driver, folder, faults)
                    check_resize(driver, folder, faults)
                    check_lost_context(driver, folder, faults)
                else:
                    check_pace(driver, folder, "velmora", faults)
                    check_pace(driver, folder, "tarnwick", faults)
                faults += console_faults(driver)
    for fault in faults:
        print(f"web_pages_test: {case}: {fault}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
