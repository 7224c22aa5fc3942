# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
"""Every HTML page the package installs, each language's too, in headless
Chromium with nothing reachable beyond the files, at three widths; the model
page with velmora live where the programs' web pages lie beside it.
  usage: html_pages_test.py HTML_DIR SCREENSHOT_DIR
Exits 77 (skipped) off Debian where Chromium is missing."""

import json
import os
import sys
import tempfile
from pathlib import Path
from urllib.parse import unquote, urlsplit

from PIL import Image

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tools"))
from headless_browser import start_browser, wait_for  # noqa: E402

RIGHT_TO_LEFT = {"ar"}  # the languages written, and their pages run, right to left
WEB_PAGES = ("velmora.html", "tarnwick.html")  # beside the pages; web_pages_test.py tests them
WINDOWS = {"phone": 360, "tablet": 768, "desktop": 1280}
WINDOW_HEIGHT = 900
SCREENSHOTS = {"velmora.png", "tarnwick.png", "desktop.png", "pendulum.gif"}  # pixel for pixel; the rest are plots


def picture_size(path):
    """Width and height of a raster picture as its file declares them; None for SVG."""
    if path.suffix == ".svg":
        return None
    with Image.open(path) as image:
        return image.size


LOADED = """
return document.readyState === 'complete' && document.styleSheets.length > 0
    && [...document.images].every(i => i.complete);
"""

PAGE_FACTS = """
const equations = [...document.getElementsByTagName('math')].map(m => {
    const box = m.getBoundingClientRect();
    return {mathml: m instanceof MathMLElement, width: box.width, height: box.height,
        text: m.textContent.slice(0, 40)};
});
return {
    title: document.title,
    lang: document.documentElement.lang,
    dir: getComputedStyle(document.documentElement).direction,
    // Equations, code and plots read left to right on every page.
    mirrored: [...document.querySelectorAll('math, code, pre, img')].filter(e =>
        getComputedStyle(e).direction !== 'ltr').map(e => e.tagName.toLowerCase()
        + ' ' + JSON.stringify(e.textContent.trim().slice(0, 40))),
    languages: [...document.querySelectorAll('nav.languages a')].map(a => a.getAttribute('href')),
    ids: [...document.querySelectorAll('[id]')].map(e => e.id),
    links: [...document.links].map(a => a.href),
    pictures: [...document.images].map(i => ({src: i.src, complete: i.complete,
        width: i.naturalWidth, height: i.naturalHeight})),
    equations: equations,
    scripts: document.scripts.length,
    frames: [...document.querySelectorAll('iframe')].map(f => f.src),
    still: [...document.querySelectorAll('figure.live img')].map(i => i.src),
    sheets: [...document.styleSheets].map(s => s.href),
    // pages.css applied: it sets the text's width and the equations' fonts.
    styled: getComputedStyle(document.body).maxWidth !== 'none',
    mathFont: equations.length ? getComputedStyle(document.querySelector('math')).fontFamily : '',
    fonts: [...document.fonts].length,
};
"""


# How far the page reaches, and each equation, table, code block and picture
# past the window's edges with no box scrolling it, or wider than its own box.
LAYOUT_FACTS = """
const width = document.documentElement.clientWidth;
const scrolls = box => ['auto', 'scroll'].includes(getComputedStyle(box).overflowX);
const scroller = element => {
    for (let box = element; box && box !== document.body; box = box.parentElement)
        if (scrolls(box)) return box;
    return null;
};
const outside = box => box.left < -0.5 || box.right > width + 0.5;
const loose = [...document.querySelectorAll('math, table, pre, img')].filter(element => {
    if (element.clientWidth > 0 && element.scrollWidth > element.clientWidth + 1 && !scrolls(element)) return true;
    if (!outside(element.getBoundingClientRect())) return false;
    const box = scroller(element);
    return !box || outside(box.getBoundingClientRect());
}).map(element => `${element.tagName.toLowerCase()} ${JSON.stringify(element.textContent.trim().slice(0, 40))}`);
const pictures = [...document.images].map(i => ({src: i.src, natural: i.naturalWidth,
    shown: i.getBoundingClientRect().width}));
return {width: width, pageWidth: document.documentElement.scrollWidth, height: document.documentElement.scrollHeight,
    loose: loose, pictures: pictures};
"""


def check_layout(driver, page, shots, faults):
    """At each width: nothing wider than the window but in a box that scrolls, every plot sharp."""
    for width_name, width in WINDOWS.items():
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": width, "height": WINDOW_HEIGHT, "deviceScaleFactor": 1, "mobile": False})
        layout = driver.execute_script(LAYOUT_FACTS)
        where = f"{page.name} at {width} px"
        if layout["pageWidth"] > layout["width"]:
            faults.append(f"{where}: the page is {layout['pageWidth']} px wide and scrolls sideways")
        for element in layout["loose"]:
            faults.append(f"{where}: {element} reaches past the window or its box, and does not scroll")
        for picture in layout["pictures"]:
            name = Path(unquote(urlsplit(picture["src"]).path)).name
            scalable = name.endswith(".svg") or picture["natural"] >= 2 * picture["shown"]
            if name not in SCREENSHOTS and not scalable:
                faults.append(f"{where}: plot {name} is a raster {picture['natural']} px wide shown "
                              f"{picture['shown']:.0f} px wide: blurred when scaled, not SVG")
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": width, "height": layout["height"], "deviceScaleFactor": 1, "mobile": False})
        driver.save_screenshot(str(shots / f"{page.parent.name}-{page.stem}-{width_name}.png"))
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def check_page(driver, html_dir, page, shots, faults):
    driver.get(page.as_uri())
    # On a busy machine the browser may hand the page back before all is in.
    wait_for(driver, LOADED, f"html_pages_test: {page.name} loaded", 60)
    facts = driver.execute_script(PAGE_FACTS)
    name = str(page.relative_to(html_dir))
    language = page.parent.name.replace("_", "-") if page.parent != html_dir else "en"
    direction = "rtl" if language in RIGHT_TO_LEFT else "ltr"
    found = [
        (facts["lang"] != language, f"lang {facts['lang']!r}, not {language!r}"),
        (facts["dir"] != direction, f"runs {facts['dir']}, not {direction}"),
        (page.parent != html_dir and "../" + page.name not in facts["languages"],
         f"the languages' line {facts['languages']} has no link to the English page"),
        (not facts["title"], "no title"),
        (facts["scripts"], f"{facts['scripts']} script elements"),
        (facts["fonts"], "loads a web font"),
        (facts["sheets"] != [(html_dir / "pages.css").as_uri()] or not facts["styled"],
         f"style sheets {facts['sheets']}, not pages.css alone"),
        (facts["equations"] and "Latin Modern Math" not in facts["mathFont"],
         f"equations in {facts['mathFont']}, not a math font"),
    ] + [(True, f"{element} runs right to left") for element in facts["mirrored"]]
    faults += [f"{name}: {fault}" for bad, fault in found if bad]
    for picture in facts["pictures"]:
        path = Path(unquote(urlsplit(picture["src"]).path))
        declared = picture_size(path) if path.is_file() else None
        sized = declared is None and path.suffix == ".svg" or (picture["width"], picture["height"]) == declared
        if not picture["complete"] or picture["width"] == 0 or not sized:
            faults.append(f"{name}: picture {path.name} decoded at {picture['width']}x{picture['height']}, "
                          f"its file says {declared}")
    for equation in facts["equations"]:
        if not equation["mathml"] or equation["width"] <= 0 or equation["height"] <= 0:
            faults.append(f"{name}: equation {equation['text']!r} laid out as {equation}")
    # The model page: velmora live where the web pages are built, its still
    # picture always; no other page runs a program.
    live = [(html_dir / "velmora.html").as_uri()] if (html_dir / WEB_PAGES[0]).is_file() else []
    if page.name == "model.html":
        if facts["frames"] != live or facts["still"] != [(html_dir / "velmora.png").as_uri()]:
            faults.append(f"{name}: shows {facts['frames']} live and {facts['still']} still")
    elif facts["frames"]:
        faults.append(f"{name}: shows {facts['frames']}")
    check_layout(driver, page, shots, faults)
    return facts


def check_links(html_dir, facts, faults):
    """Every link to a file leads into the folder, every anchor to an element there."""
    for name, page in facts.items():
        for link in page["links"]:
            parts = urlsplit(link)
            if parts.scheme in ("http", "https", "mailto"):
                continue
            target = Path(unquote(parts.path))
            if parts.scheme != "file" or html_dir not in target.parents or not target.is_file():
                faults.append(f"{name}: link {link} leads to no file of the folder")
            elif parts.fragment and parts.fragment not in facts.get(
                    str(target.relative_to(html_dir)), {}).get("ids", []):
                faults.append(f"{name}: link {link}: no element {parts.fragment!r} in {target.name}")


def network_faults(driver):
    """Anything a page asked for beyond the files, and anything asked of the
    network (the browser's own start page draws on chrome:// resources)."""
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
    pages = [page for page in sorted(html_dir.glob("*.html")) + sorted(html_dir.glob("*/*.html"))
             if page.name not in WEB_PAGES or page.parent != html_dir]
    if len(pages) < 2 or not (html_dir / "index.html").is_file():
        print(f"html_pages_test: no pages in {html_dir}", file=sys.stderr)
        return 1
    shots.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as profile:
        driver, missing = start_browser(profile, window=(WINDOWS["desktop"], WINDOW_HEIGHT))
        if driver is None:
            on_debian = os.path.exists("/etc/debian_version")
            print(f"html_pages_test: {missing} is missing (Debian: chromium chromium-driver python3-selenium)",
                  file=sys.stderr)
            return 1 if on_debian else 77  # skipped
        faults = []
        try:
            facts = {str(page.relative_to(html_dir)): check_page(driver, html_dir, page, shots, faults)
                     for page in pages}
            check_links(html_dir, facts, faults)
            # The model page's live velmora speaks for itself: the browser's
            # notes on its WebGL are web_pages_test.py's to judge.
            programs = tuple((html_dir / name).as_uri() for name in WEB_PAGES)
            for entry in driver.get_log("browser"):
                if not entry["message"].startswith(programs):
                    faults.append(f"console: {entry['level']} {entry['message']}")
            faults += network_faults(driver)
        finally:
            driver.quit()
    for fault in faults:
        print(f"html_pages_test: {fault}", file=sys.stderr)
    if not faults:
        print(f"{len(pages)} pages checked in Chromium; screenshots in {shots}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
