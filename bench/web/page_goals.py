#!/usr/bin/python3
"""The browser program's goals, measured in headless Chromium on the built page opened from a
file:// address: the time from the start of loading to the first complete picture (best and median
of several loads), the size of what the page loads (raw and gzip-compressed), and the module's
memory after a whole game against the computer at level 2 (the person plays the first legal cell in
scan order every time).

    page_goals.py INDEX_HTML [LOADS]
"""
import gzip
import os
import shutil
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder

page = os.path.abspath(sys.argv[1])
loads = int(sys.argv[2]) if len(sys.argv) > 2 else 7
folder = tempfile.mkdtemp(prefix="discada-goals-")
options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--window-size=800,700", "--user-data-dir=" + folder):
    options.add_argument(argument)
if os.geteuid() == 0:
    options.add_argument("--no-sandbox")
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


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


try:
    times = []
    for _ in range(loads):
        driver.get("file://" + page)
        wait_for("performance.getEntriesByName('discada-first-picture').length > 0")
        times.append(driver.execute_script(
            "return performance.getEntriesByName('discada-first-picture')[0].startTime"))
    with open(page, "rb") as file:
        raw = file.read()
    print(f"first picture: best {min(times):.0f} ms, median {statistics.median(times):.0f} ms "
          f"over {loads} loads")
    print(f"page size: {len(raw)} bytes, {len(gzip.compress(raw, 9))} bytes gzip-compressed")

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
    driver.quit()
    shutil.rmtree(folder, ignore_errors=True)
