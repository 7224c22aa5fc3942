# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
"""The web pages measured in headless Chromium (WebGL by SwiftShader), each
page copied alone into an empty folder and opened from file://, beside the
native programs' figures of the same run (frame_bench's rows):
  - the page's size, gzipped;
  - the time from opening the file to the first frame drawn;
  - ticks a second over 10 s;
  - the browser's processor time (all its processes) per frame drawn.
Prints "ROW|" lines for the performance page's table and "FIGURE" lines.
  usage: web_bench.py PAGE_DIR NATIVE_ROWS"""

import gzip
import os
import re
import shutil
import sys
import tempfile
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tools"))
from headless_browser import WEBGL, start_browser, wait_for  # noqa: E402

RUN_SECONDS = 10
SIZE_GOAL_KB = 600
START_GOAL_MS = 1000
# Counts the frames the page draws (one clear each) and notes the first
# draw's time from the opening of the page.
FRAME_COUNTER = """
(() => {
  window.frames_drawn = 0;
  window.first_frame_ms = null;
  const gl = WebGLRenderingContext.prototype;
  const clear = gl.clear;
  gl.clear = function (mask) { ++window.frames_drawn; return clear.call(this, mask); };
  for (const name of ['drawArrays', 'drawElements']) {
    const draw = gl[name];
    gl[name] = function (...args) {
      if (window.first_frame_ms === null) window.first_frame_ms = performance.now();
      return draw.apply(this, args);
    };
  }
})();
"""
STATE = "return [performance.now(), program._simulatedTime(), window.frames_drawn];"


def browser_ticks(driver):
    """Processor time of Chromium's processes, in clock ticks: every
    process below the driver's."""
    children, total = {}, 0
    for stat in Path("/proc").glob("[0-9]*/stat"):
        try:
            fields = stat.read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append((int(stat.parent.name), int(fields[11]) + int(fields[12])))
    pending = [driver.service.process.pid]
    while pending:
        for pid, ticks in children.get(pending.pop(), []):
            total += ticks
            pending.append(pid)
    return total


def native(rows, pattern):
    """A native figure of the same run: the measured column of frame_bench's row."""
    for line in rows:
        if re.search(pattern, line):
            return float(line.split("|")[2])
    raise SystemExit(f"web_bench: no native row {pattern}")


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    pages, rows = Path(sys.argv[1]), Path(sys.argv[2]).read_text().splitlines()
    hertz = os.sysconf("SC_CLK_TCK")
    for name in ("velmora", "tarnwick"):
        size = len(gzip.compress((pages / f"{name}.html").read_bytes(), 9)) / 1000
        print(f"ROW| {name}.html size gzipped, KB | {size:.0f} | {SIZE_GOAL_KB} (goal) | {size / SIZE_GOAL_KB:.3f} "
              f"| <= 1 | {'met' if size <= SIZE_GOAL_KB else 'missed'} |")
        print(f"FIGURE WEB_{name.upper()}_KB {size:.0f}")
    for name in ("velmora", "tarnwick"):
        with tempfile.TemporaryDirectory() as folder, tempfile.TemporaryDirectory() as profile:
            shutil.copy(pages / f"{name}.html", folder)
            driver, missing = start_browser(profile, WEBGL)
            if driver is None:
                raise SystemExit(f"web_bench: {missing} is missing")
            try:
                driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FRAME_COUNTER})
                driver.get((Path(folder) / f"{name}.html").as_uri())
                first = wait_for(driver, "return window.first_frame_ms;", f"web_bench: {name}'s first frame")
                wait_for(driver, "return window.program && program._simulatedTime && program._simulatedTime() > 0;",
                         f"web_bench: {name}'s first tick")
                start, cpu = driver.execute_script(STATE), browser_ticks(driver)
                time.sleep(RUN_SECONDS)
                end, cpu = driver.execute_script(STATE), browser_ticks(driver) - cpu
            finally:
                driver.quit()
        seconds = (end[0] - start[0]) / 1000
        ticks = (end[1] - start[1]) / 0.01 / seconds
        frames = end[2] - start[2]
        cpu_ms = 1000 * cpu / hertz / frames if frames else float("nan")
        native_start = native(rows, rf"^ROW\| {name} start-up to first frame")
        native_rate = native(rows, rf"^ROW\| {name} frame rate")
        print(f"ROW| {name}.html start-up to first frame in Chromium, ms | {first:.0f} | {native_start:.1f} "
              f"(native) | {first / native_start:.1f} | <= {START_GOAL_MS} ms | "
              f"{'met' if first <= START_GOAL_MS else 'missed'} |")
        print(f"ROW| {name}.html ticks per s over {RUN_SECONDS} s | {ticks:.1f} | {native_rate:.2f} (native) "
              f"| {ticks / native_rate:.3f} | - | - |")
        print(f"ROW| {name}.html browser CPU ms per frame | {cpu_ms:.2f} | - | - | - | - |")
        print(f"FIGURE WEB_{name.upper()}_START_MS {first:.0f}")
        print(f"FIGURE WEB_{name.upper()}_TICKS {ticks:.1f}")
        print(f"FIGURE WEB_{name.upper()}_CPU_MS {cpu_ms:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
