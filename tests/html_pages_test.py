# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
"""Opens every HTML page the package installs in headless Chromium, with
nothing reachable beyond the files: each picture decodes at the size its file
declares, each equation is laid out as MathML with a box of its own, each link
between the pages and each anchor leads somewhere, the console stays quiet and
no request leaves the file system. Saves each page on a narrow and a wide
window for a person to look at.
  usage: html_pages_test.py HTML_DIR SCREENSHOT_DIR
Exits 77 (skipped) off Debian where Chromium is missing; on Debian a missing
browser is a failure."""

import json
import os
import struct
import sys
import tempfile
from pathlib import Path
from urllib.parse import unquote, urlsplit

SKIP = 77
WINDOWS = {"narrow": 420, "wide": 1280}
WINDOW_HEIGHT = 900


def picture_size(path):
    """Width and height from a PNG's or GIF's own header."""
    head = path.read_bytes()[:24]
    if head.startswith(b"\x89PNG"):
        return struct.unpack(">II", head[16:24])
    if head.startswith(b"GIF"):
        return struct.unpack("<HH", head[6:10])
    return None


def start_browser(profile):
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
    except ImportError:
        return None, "python3-selenium"
    for path in ("/usr/bin/chromium", "/usr/bin/chromedriver"):
        if not os.access(path, os.X_OK):
            return None, path
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in (
        "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
        f"--user-data-dir={profile}", "--no-first-run", "--no-default-browser-check",
        "--disable-background-networking", "--disable-component-update", "--disable-sync",
        "--disable-extensions", "--disable-default-apps", "--hide-scrollbars",
        # No name resolves and every proxied request meets a closed port.
        "--host-resolver-rules=MAP * ~NOTFOUND", "--proxy-server=127.0.0.1:9",
        "--proxy-bypass-list=<-loopback>", f"--window-size={WINDOWS['wide']},{WINDOW_HEIGHT}",
    ):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options), None


PAGE_FACTS = """
const pictures = [...document.images].map(i => ({src: i.src, complete: i.complete,
    width: i.naturalWidth, height: i.naturalHeight}));
const equations = [...document.getElementsByTagName('math')].map(m => {
    const box = m.getBoundingClientRect();
    return {mathml: m instanceof MathMLElement, width: box.width, height: box.height,
        text: m.textContent.slice(0, 40)};
});
return {
    title: document.title,
    ids: [...document.querySelectorAll('[id]')].map(e => e.id),
    links: [...document.links].map(a => a.href),
    pictures: pictures,
    equations: equations,
    scripts: document.scripts.length,
    sheets: [...document.styleSheets].map(s => s.href),
    // pages.css applied: it sets the text's width and the equations' fonts.
    styled: getComputedStyle(document.body).maxWidth !== 'none',
    mathFont: equations.length ? getComputedStyle(document.querySelector('math')).fontFamily : '',
    fonts: [...document.fonts].length,
    requests: performance.getEntriesByType('navigation').concat(
        performance.getEntriesByType('resource')).map(e => e.name),
    height: document.documentElement.scrollHeight,
};
"""


def check_page(driver, html_dir, page, shots, faults):
    """Loads one page, checks what needs no other page, returns its facts."""
    driver.get(page.as_uri())
    facts = driver.execute_script(PAGE_FACTS)
    name = page.name
    if not facts["title"]:
        faults.append(f"{name}: no title")
    if facts["scripts"]:
        faults.append(f"{name}: {facts['scripts']} script elements")
    if facts["fonts"]:
        faults.append(f"{name}: loads a web font")
    if facts["sheets"] != [(html_dir / "pages.css").as_uri()] or not facts["styled"]:
        faults.append(f"{name}: style sheets {facts['sheets']}, not pages.css alone")
    if facts["equations"] and "Latin Modern Math" not in facts["mathFont"]:
        faults.append(f"{name}: equations in {facts['mathFont']}, not a math font")
    for picture in facts["pictures"]:
        path = Path(unquote(urlsplit(picture["src"]).path))
        declared = picture_size(path) if path.is_file() else None
        if not picture["complete"] or picture["width"] == 0 or (picture["width"], picture["height"]) != tuple(declared or ()):
            faults.append(f"{name}: picture {path.name} decoded at {picture['width']}x{picture['height']}, "
                          f"its file says {declared}")
    expected = page.read_text(encoding="utf-8").count("<math ")
    if len(facts["equations"]) != expected:
        faults.append(f"{name}: {len(facts['equations'])} equations laid out of {expected} in the file")
    for equation in facts["equations"]:
        if not equation["mathml"] or equation["width"] <= 0 or equation["height"] <= 0:
            faults.append(f"{name}: equation {equation['text']!r} laid out as {equation}")
    for request in facts["requests"]:
        if not request.startswith("file:"):
            faults.append(f"{name}: requested {request}")
    for width_name, width in WINDOWS.items():
        driver.set_window_size(width, WINDOW_HEIGHT)
        height = driver.execute_script("return document.documentElement.scrollHeight")
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
        driver.save_screenshot(str(shots / f"{page.stem}-{width_name}.png"))
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    return facts


def check_links(html_dir, facts, faults):
    """Every link to a file leads to a page or picture in the folder, and
    every anchor to an element of that page."""
    for name, page in facts.items():
        for link in page["links"]:
            parts = urlsplit(link)
            if parts.scheme in ("http", "https", "mailto"):
                continue
            target = Path(unquote(parts.path))
            if parts.scheme != "file" or target.parent != html_dir or not target.is_file():
                faults.append(f"{name}: link {link} leads to no file of the folder")
            elif parts.fragment and parts.fragment not in facts.get(target.name, {}).get("ids", []):
                faults.append(f"{name}: link {link}: no element {parts.fragment!r} in {target.name}")


def network_faults(driver):
    """From the browser's own network log: anything a page asked for beyond
    the files, and anything at all asked of the network (the browser's own
    start page draws on chrome:// and chrome-untrusted:// resources, which
    stay inside it)."""
    faults = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] != "Network.requestWillBeSent":
            continue
        url = message["params"]["request"]["url"]
        scheme = urlsplit(url).scheme
        from_page = message["params"].get("documentURL", "").startswith("file:")
        if scheme not in ("file", "data") and (from_page or scheme not in ("chrome", "chrome-untrusted", "about", "devtools")):
            faults.append(f"the browser asked for {url}")
    return faults


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    html_dir = Path(sys.argv[1]).resolve()
    shots = Path(sys.argv[2]).resolve()
    pages = sorted(html_dir.glob("*.html"))
    if len(pages) < 2 or not (html_dir / "index.html").is_file():
        print(f"html_pages_test: no pages in {html_dir}", file=sys.stderr)
        return 1
    shots.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as profile:
        driver, missing = start_browser(profile)
        if driver is None:
            on_debian = os.path.exists("/etc/debian_version")
            print(f"html_pages_test: {missing} is missing (Debian: chromium chromium-driver python3-selenium)",
                  file=sys.stderr)
            return 1 if on_debian else SKIP
        faults = []
        try:
            facts = {page.name: check_page(driver, html_dir, page, shots, faults) for page in pages}
            check_links(html_dir, facts, faults)
            for entry in driver.get_log("browser"):
                faults.append(f"console: {entry['level']} {entry['message']}")
            faults += network_faults(driver)
        finally:
            driver.quit()
    for fault in faults:
        print(f"html_pages_test: {fault}", file=sys.stderr)
    if faults:
        return 1
    equations = sum(len(page["equations"]) for page in facts.values())
    pictures = sum(len(page["pictures"]) for page in facts.values())
    print(f"{len(pages)} pages, {pictures} pictures, {equations} equations checked in Chromium; "
          f"screenshots in {shots}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
