# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
"""Headless Chromium for the page tests and the web benchmark: Debian's
chromium and chromedriver through python3-selenium, reaching nothing beyond
the files it is given."""

import os
import time

# WebGL drawn in software by SwiftShader, in a window the pages fill.
WEBGL = ("--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--window-size=800,600")
WAIT_SECONDS = 30  # the longest a page may take to reach a state


def start_browser(profile, extra=(), window=(1280, 900)):
    """The driver and None; or None and what is missing. profile: an empty
    folder for the browser's own files; extra: more command-line switches,
    whose --window-size wins over window."""
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
        "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", f"--user-data-dir={profile}",
        "--no-first-run", "--no-default-browser-check", "--disable-background-networking",
        "--disable-component-update", "--disable-sync", "--disable-extensions", "--disable-default-apps",
        # No name resolves and every proxied request meets a closed port.
        "--host-resolver-rules=MAP * ~NOTFOUND", "--proxy-server=127.0.0.1:9", "--proxy-bypass-list=<-loopback>",
        "--hide-scrollbars", f"--window-size={window[0]},{window[1]}", *extra,
    ):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options), None


def wait_for(driver, script, what, seconds=WAIT_SECONDS):
    """The first true value the script returns, asked every 50 ms; stops
    the caller, naming what, once seconds have passed without one."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = driver.execute_script(script)
        if value:
            return value
        time.sleep(0.05)
    raise SystemExit(f"{what}: not within {seconds} s")
