#!/usr/bin/python3
"""The browser program's goals, measured in headless Chromium: the time from the start of loading
to the first complete picture (best and median of several loads) from a file:// address and from a
local web server serving the site folder (first visit, then the visits its service worker serves);
the size of what the page loads (raw and gzip-compressed); the module's memory after a whole game
against the computer at level 2 (the person plays the first legal cell in scan order every time);
and, in the benchmark's copy of the page with the processor slowed four times as on a mid-range
phone, the computer's choice at the hidden level over the bench positions (median and worst), with
the search's signature and answers, which must be those of `discada-cli bench`.

    page_goals.py INDEX_HTML SITE_FOLDER BENCH_INDEX_HTML [LOADS]

The benchmark's page is built by `cmake --build --preset web --target discada_bench_page` into
build/web/src/web/bench/index.html.
"""
import gzip
import os
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder

page, site, bench_page = (os.path.abspath(p) for p in sys.argv[1:4])
loads = int(sys.argv[4]) if len(sys.argv) > 4 else 7
# A processor four times slower, as DevTools takes a mid-range phone to be.
THROTTLING = 4
folder = tempfile.mkdtemp(prefix="discada-goals-")
options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--window-size=800,700", "--user-data-dir=" + folder):
    options.add_argument(argument)
if os.geteuid() == 0:
    options.add_argument("--no-sandbox")
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
driver.set_script_timeout(600)


def wait_for(condition, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        if driver.execute_script("return " + condition):
            return
        time.sleep(0.01)
    raise TimeoutError(condition)


def close_boxes():
    while driver.execute_script("return document.querySelector('.box.message') !== null"):
        driver.execute_script("document.querySelector('.box.message button').click()")
        time.sleep(0.05)


def candidates():
    """The empty cells next to a disc, in scan order, as the canvas shows them."""
    occupied = driver.execute_script("""
        const canvas = document.querySelector('.board');
        const d = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        const taken = [];
        for (let c = 1; c <= 8; ++c) for (let r = 1; r <= 8; ++r) {
            const i = 4 * ((42 * r - 5) * canvas.width + 42 * c - 5);
            taken.push(!(d[i] === 238 && d[i + 1] === 130));
        }
        return taken;""")
    taken = lambda c, r: 1 <= c <= 8 and 1 <= r <= 8 and occupied[(c - 1) * 8 + r - 1]
    return [(c, r) for c in range(1, 9) for r in range(1, 9)
            if not taken(c, r) and any(taken(c + dc, r + dr)
                                       for dc in (-1, 0, 1) for dr in (-1, 0, 1))]


def first_picture_times(address, count):
    times = []
    for _ in range(count):
        driver.get(address)
        wait_for("performance.getEntriesByName('discada-first-picture').length > 0")
        times.append(driver.execute_script(
            "return performance.getEntriesByName('discada-first-picture')[0].startTime"))
    return times


def serve(folder):
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    server = subprocess.Popen(["/usr/bin/python3", "-m", "http.server", str(port), "--bind",
                               "127.0.0.1"], cwd=folder, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    end = time.time() + 10
    while time.time() < end:
        with socket.socket() as probe:
            if probe.connect_ex(("127.0.0.1", port)) == 0:
                return server, f"http://127.0.0.1:{port}/index.html"
        time.sleep(0.05)
    raise TimeoutError("web server")


def choice_bench():
    """The bench page's report at the processor's slowed speed: the signature line, then
    "NAME C,R VALUE MILLISECONDS" per position."""
    driver.get("file://" + bench_page)
    wait_for("document.body.dataset.ready === 'true' && typeof discadaChoiceBench === 'function'")
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": THROTTLING})
    try:
        return driver.execute_script("return discadaChoiceBench()").splitlines()
    finally:
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})


server = None
try:
    times = first_picture_times("file://" + page, loads)
    with open(page, "rb") as file:
        raw = file.read()
    print(f"first picture from a file: best {min(times):.0f} ms, median "
          f"{statistics.median(times):.0f} ms over {loads} loads")
    served = os.path.join(folder, "site")
    shutil.copytree(site, served)
    server, address = serve(served)
    [first] = first_picture_times(address, 1)
    wait_for("navigator.serviceWorker.controller !== null")
    times = first_picture_times(address, loads)
    print(f"first picture from a local web server: {first:.0f} ms on the first visit; later, "
          f"from the service worker's cache, best {min(times):.0f} ms, median "
          f"{statistics.median(times):.0f} ms over {loads} loads")
    server.kill()
    print(f"page size: {len(raw)} bytes, {len(gzip.compress(raw, 9))} bytes gzip-compressed")

    report = choice_bench()
    print(f"{report[0]} (in the page)")
    rows = [line.split() for line in report[1:]]
    for name, choice, value, milliseconds in rows:
        print(f"  {name:12} {choice:>4} {value:>5} {float(milliseconds):8.1f} ms")
    spent = [float(row[3]) for row in rows]
    print(f"the computer's choice at the hidden level, processor slowed {THROTTLING} times: "
          f"median {statistics.median(spent):.0f} ms, worst {max(spent):.0f} ms "
          f"over {len(spent)} bench positions")

    driver.get("file://" + page)
    wait_for("document.body.dataset.ready === 'true'")
    driver.execute_script("""
        const top = document.querySelectorAll('.menubar .top')[0];
        top.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true}));
        [...document.querySelectorAll('.item')].find(
            i => i.querySelector('.label').textContent === 'レベル2')
            .dispatchEvent(new PointerEvent('pointerup', {bubbles: true}));""")
    start_heap = driver.execute_script("return DiscadaPage.heapBytes()")
    while True:
        wait_for("!DiscadaPage.busy() || document.querySelector('.box.message') !== null", 60)
        close_boxes()
        wait_for("!DiscadaPage.busy()", 60)
        rows = driver.execute_script("return document.querySelectorAll('.movelist > div').length")
        placed = False
        for column, row in candidates():
            box = driver.execute_script(
                "const b = document.querySelector('.board').getBoundingClientRect();"
                "return [b.left, b.top]")
            actions = ActionBuilder(driver)
            actions.pointer_action.move_to_location(
                int(box[0] + 42 * column - 5), int(box[1] + 42 * row - 5)).click()
            actions.perform()
            time.sleep(0.02)
            wait_for("!DiscadaPage.busy() || document.querySelector('.box.message') !== null", 60)
            if driver.execute_script(
                    "return document.querySelectorAll('.movelist > div').length") > rows:
                placed = True
                break
        if not placed:
            break
    close_boxes()
    moves = driver.execute_script("return document.querySelectorAll('.movelist > div').length")
    heap = driver.execute_script("return DiscadaPage.heapBytes()")
    print(f"memory: {start_heap} bytes at the start, {heap} bytes after a whole game "
          f"of {moves} placements")
finally:
    if server:
        server.kill()
    driver.quit()
    shutil.rmtree(folder, ignore_errors=True)
