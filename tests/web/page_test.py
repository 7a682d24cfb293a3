#!/usr/bin/python3
"""The browser program in headless Chromium, opened from a file:// address as a person would open
it: the start picture against the Qt program's back buffer, the menu, a click answered by the
computer with a second click queued meanwhile, saving and loading records, a hostile file, the keys,
screens of several densities and a phone held upright and sideways. Then the site folder served
from a local web server: installable, replaced by a new version, and playing offline.

    page_test.py INDEX_HTML README_TXT QT_START_BOARD_PNG DISC_SHEET_2X_BMP SITE_FOLDER
                 [unittest arguments]
"""
import base64
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

PAGE, README, QT_BOARD, FINE_SHEET, SITE = (os.path.abspath(p) for p in sys.argv[1:6])
del sys.argv[1:6]

LOAD_FAILED = "棋譜の読み込みに失敗しました。"
THREE_MOVES = b" 1:4,3(1)\r\n 2:3,5(2)\r\n 3:4,6(1)\r\n"
# A two-person game one placement short of a full board: white's (1, 8) fills it.
ALL_BUT_THE_LAST = ("3,4 3,3 4,3 3,5 6,6 4,2 2,5 4,6 2,2 6,3 5,3 1,6 5,7 3,6 3,7 2,4 7,3 8,3 1,5 1,1 "
                    "6,2 1,4 3,2 6,5 8,4 4,7 1,2 6,1 4,1 7,7 8,8 6,4 5,1 7,1 1,3 6,7 8,2 2,7 3,8 2,8 "
                    "1,7 3,1 7,5 5,2 2,1 5,6 2,3 4,8 2,6 7,6 7,2 7,8 8,6 8,5 8,1 8,7 6,8 5,8 7,4")


def start_browser(folder, width=800, height=700, ratio=1, phone=False):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--user-data-dir=" + os.path.join(folder, "profile")):
        options.add_argument(argument)
    if os.geteuid() == 0:
        options.add_argument("--no-sandbox")
    if phone:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": height, "pixelRatio": ratio, "touch": True}})
    else:
        options.add_argument(f"--force-device-scale-factor={ratio}")
        options.add_argument(f"--window-size={width},{height}")
    options.add_experimental_option("prefs", {
        "download.default_directory": os.path.join(folder, "downloads"),
        "download.prompt_for_download": False})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class PageTest(unittest.TestCase):
    """One browser per class; every test opens a fresh copy of the page in a fresh folder."""
    width, height, ratio, phone = 800, 700, 1, False

    @classmethod
    def setUpClass(cls):
        cls.profile = tempfile.mkdtemp(prefix="discada-web-")
        cls.driver = start_browser(cls.profile, cls.width, cls.height, cls.ratio, cls.phone)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.profile, ignore_errors=True)

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="discada-page-")
        self.downloads = os.path.join(self.profile, "downloads")
        shutil.rmtree(self.downloads, ignore_errors=True)
        os.makedirs(self.downloads)
        shutil.copy(PAGE, os.path.join(self.folder, "index.html"))
        shutil.copy(README, os.path.join(self.folder, "readme.txt"))
        self.address = "file://" + os.path.join(self.folder, "index.html")
        self.open_page()

    def tearDown(self):
        for handle in self.driver.window_handles[1:]:
            self.driver.switch_to.window(handle)
            self.driver.close()
        self.driver.switch_to.window(self.driver.window_handles[0])
        # The tab's storage outlives the page: the next test's page must start a new game.
        self.js("sessionStorage.clear()")
        shutil.rmtree(self.folder, ignore_errors=True)

    # ---- helpers ------------------------------------------------------------------------------

    def open_page(self):
        self.driver.get(self.address)
        # Headless Chromium cancels a file chooser at once: keep it open for choose_file.
        self.driver.execute_cdp_cmd("Page.setInterceptFileChooserDialog", {"enabled": True})
        self.wait_for("document.body.dataset.ready === 'true'")

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait_for(self, condition, timeout=10):
        end = time.time() + timeout
        while time.time() < end:
            if self.js("return " + condition):
                return
            time.sleep(0.02)
        self.fail("timed out waiting for " + condition)

    def idle(self):
        """Waits until the game is neither thinking nor showing a box and the page has painted."""
        self.wait_for("!DiscadaPage.busy()")
        self.js("return new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")

    def rows(self):
        return self.js("return [...document.querySelectorAll('.movelist > div')]"
                       ".map(r => r.textContent)")

    def selected_row(self):
        return self.js("return [...document.querySelectorAll('.movelist > div')]"
                       ".findIndex(r => r.classList.contains('selected'))")

    def cell_point(self, column, row):
        """The viewport point at the centre of a cell, wherever the page put and scaled it."""
        return self.js("return DiscadaPage.pointOf(42 * arguments[0] - 5, 42 * arguments[1] - 5)"
                       ".client", column, row)

    def click_cell(self, column, row):
        x, y = self.cell_point(column, row)
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(int(x), int(y)).click()
        actions.perform()

    def press(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def press_with(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def message(self):
        return self.js("const t = document.querySelector('.box.message .text');"
                       "return t ? t.textContent : null")

    def close_message(self):
        self.driver.find_element(By.CSS_SELECTOR, ".box.message button").click()

    def board_cells(self):
        """What the canvas shows on each cell's centre: 0 empty, 1 black, 2 white."""
        return self.js("""
            const canvas = document.querySelector('.board');
            const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
            const cells = [];
            for (let c = 1; c <= 8; ++c) for (let r = 1; r <= 8; ++r) {
                const [x, y] = DiscadaPage.pointOf(42 * c - 5, 42 * r - 5).canvas;
                const i = 4 * (y * canvas.width + x);
                const v = data.data[i + 1];
                cells.push(data.data[i] === 238 && v === 130 ? 0 : v < 128 ? 1 : 2);
            }
            return cells;""")

    def set_screen(self, width, height, ratio, mobile=False):
        """Gives the page a viewport of width x height CSS pixels at `ratio` device pixels each."""
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": mobile})
        # The page has drawn again for the screen: a canvas pixel to each device pixel.
        self.wait_for(f"innerWidth === {width} && innerHeight === {height} "
                      f"&& devicePixelRatio === {ratio} && (c => Math.abs(c.width - "
                      "c.getBoundingClientRect().width * devicePixelRatio) < 1)"
                      "(document.querySelector('.board'))")
        self.idle()

    def scrolls(self):
        return self.js("const e = document.documentElement;"
                       "return e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight")

    def board_box(self):
        return self.js("const b = document.querySelector('.board').getBoundingClientRect();"
                       "return [b.left, b.top, b.right, b.bottom]")

    def board_screenshot(self):
        """The screen over the board's part of the canvas, up to the board's right and bottom
        edges: the clip in CSS pixels, and the picture as a PNG data address."""
        clip = self.js("""
            const box = document.querySelector('.board').getBoundingClientRect();
            const [right, bottom] = DiscadaPage.pointOf(364, 364).client;
            return {x: box.left, y: box.top, width: Math.min(box.right, right) - box.left,
                    height: Math.min(box.bottom, bottom) - box.top, scale: 1};""")
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot",
                                           {"format": "png", "clip": clip})["data"]
        return clip, "data:image/png;base64," + shot

    def picture_faults(self):
        """Reads the screen's device pixels: `seams`, the pixels down the middle of column 1 and
        along row 1 that are neither the board's violet nor a line's black; for the white disc on
        (4, 4), `rim`, its pixels the disc covers only in part, and `worst`, the largest
        difference between its coverage of a pixel and that of a circle of its size drawn at
        that ratio at its centre; the disc's `radius` in device pixels."""
        clip, url = self.board_screenshot()
        return self.driver.execute_async_script("""
            const [url, clip, done] = arguments;
            const image = new Image();
            image.onload = () => {
                const canvas = document.createElement('canvas');
                [canvas.width, canvas.height] = [image.width, image.height];
                const context = canvas.getContext('2d');
                context.drawImage(image, 0, 0);
                const data = context.getImageData(0, 0, image.width, image.height).data;
                const rgb = (x, y) => {
                    const i = 4 * (y * image.width + x);
                    return [data[i], data[i + 1], data[i + 2]];
                };
                const device = (x, y) => {
                    const [left, top] = DiscadaPage.pointOf(x, y).client;
                    return [(left - clip.x) * devicePixelRatio, (top - clip.y) * devicePixelRatio];
                };
                const ratio = (device(183, 0)[0] - device(143, 0)[0]) / 40;
                let seams = 0;
                const check = (x, y) => {
                    const [r, g, b] = rgb(x, y);
                    if (!(r === 238 && g === 130 && b === 238) && r + g + b !== 0) ++seams;
                };
                const [column, top] = device(37, 17);
                for (let y = Math.ceil(top); y < Math.floor(device(37, 350)[1]); ++y) check(Math.floor(column), y);
                const [left, row] = device(17, 37);
                for (let x = Math.ceil(left); x < Math.floor(device(350, 37)[0]); ++x) check(x, Math.floor(row));
                // Coverage from how far a pixel went from violet towards grey; darker pixels are
                // the lines around the cell.
                const pixels = [];
                let area = 0, sumX = 0, sumY = 0;
                const [x1, y1] = device(142, 142).map(Math.floor);
                const [x2, y2] = device(183, 183).map(Math.ceil);
                for (let y = y1; y < y2; ++y) for (let x = x1; x < x2; ++x) {
                    const [r, g] = rgb(x, y);
                    if (r < 100) continue;
                    const a = Math.min(1, Math.max(0, 1 - (r - g) / 108));
                    pixels.push([x, y, a]);
                    area += a;
                    sumX += a * (x + 0.5);
                    sumY += a * (y + 0.5);
                }
                const [cx, cy, radius, n] = [sumX / area, sumY / area, 20 * ratio, 8];
                let worst = 0, rim = 0;
                for (const [x, y, a] of pixels) {
                    let inside = 0;
                    for (let i = 0; i < n; ++i) for (let j = 0; j < n; ++j)
                        if (Math.hypot(x + (i + 0.5) / n - cx, y + (j + 0.5) / n - cy) <= radius) ++inside;
                    worst = Math.max(worst, Math.abs(a - inside / (n * n)));
                    if (a > 0.1 && a < 0.9) ++rim;
                }
                done({seams, rim, worst, radius});
            };
            image.src = url;""", url, clip)

    def assert_sharp(self):
        faults = self.picture_faults()
        self.assertEqual(faults["seams"], 0, faults)
        # A rim of partly covered pixels all round, each as covered as the circle's: no steps.
        self.assertGreater(faults["rim"], 2 * faults["radius"], faults)
        self.assertLess(faults["worst"], 0.2, faults)

    def cursor_pixels(self):
        """How many pixels of the screen over the board show the keyboard cursor's deep blue."""
        return self.driver.execute_async_script("""
            const [url, done] = arguments;
            const image = new Image();
            image.onload = () => {
                const canvas = document.createElement('canvas');
                [canvas.width, canvas.height] = [image.width, image.height];
                canvas.getContext('2d').drawImage(image, 0, 0);
                const data = canvas.getContext('2d').getImageData(0, 0, image.width, image.height).data;
                let blue = 0;
                for (let i = 0; i < data.length; i += 4)
                    if (data[i] < 24 && data[i + 1] > 24 && data[i + 1] < 56 && data[i + 2] > 180) ++blue;
                done(blue);
            };
            image.src = url;""", self.board_screenshot()[1])

    def focused_cell(self):
        return self.js("const e = document.activeElement;"
                       "return e.getAttribute('role') === 'gridcell' ? e.getAttribute('aria-label') : null")

    def announced(self):
        return self.js("return [...document.querySelectorAll('.announcer > div')].map(d => d.textContent)")

    def marks(self):
        return self.js("return [...document.querySelectorAll('.item')]"
                       ".filter(i => i.querySelector('.check').textContent)"
                       ".map(i => i.querySelector('.label').textContent)")

    def game_shown(self):
        self.idle()
        return self.board_cells(), self.rows(), self.selected_row(), self.marks()

    def choose_file(self, path):
        self.driver.find_element(By.CSS_SELECTOR, ".file-input").send_keys(path)

    def load(self, data, name="record.txt"):
        path = os.path.join(self.folder, name)
        with open(path, "wb") as file:
            file.write(data)
        self.press_with(Keys.CONTROL, "o")
        self.wait_for("!document.querySelector('.modal-layer').hidden")
        self.choose_file(path)
        # The picker has answered once the game goes on: its layer gone, or the failure's box.
        self.wait_for("document.querySelector('.modal-layer').hidden"
                      " || document.querySelector('.box.message') !== null")
        self.idle()

    def downloaded(self, name, timeout=10):
        path = os.path.join(self.downloads, name)
        end = time.time() + timeout
        while time.time() < end:
            if os.path.exists(path) and not os.path.exists(path + ".crdownload"):
                with open(path, "rb") as file:
                    return file.read()
            time.sleep(0.05)
        self.fail(f"no download {name}: {os.listdir(self.downloads)}")


class DesktopPageTest(PageTest):
    def test_start_picture_equals_the_desktop_back_buffer(self):
        with open(QT_BOARD, "rb") as file:
            expected = "data:image/png;base64," + base64.b64encode(file.read()).decode()
        differing = self.driver.execute_async_script("""
            const [url, done] = arguments;
            const image = new Image();
            image.onload = () => {
                const reference = document.createElement('canvas');
                reference.width = image.width;
                reference.height = image.height;
                const context = reference.getContext('2d');
                context.drawImage(image, 0, 0);
                const want = context.getImageData(5, 5, 358, 358).data;
                const got = document.querySelector('.board').getContext('2d')
                    .getImageData(5, 5, 358, 358).data;
                let differing = 0;
                for (let i = 0; i < want.length; i += 4)
                    if (want[i] !== got[i] || want[i + 1] !== got[i + 1] || want[i + 2] !== got[i + 2])
                        ++differing;
                done(differing);
            };
            image.src = url;""", expected)
        self.assertEqual(differing, 0, "board pixels differing from the Qt back buffer")
        # The panel's label is drawn: dark pixels in its first line.
        dark = self.js("""
            const d = document.querySelector('.board').getContext('2d')
                .getImageData(383, 20, 141, 19).data;
            let n = 0;
            for (let i = 0; i < d.length; i += 4) if (d[i] < 100) ++n;
            return n;""")
        self.assertGreater(dark, 20)
        self.assertEqual(self.driver.title, "DiscadaGame")
        self.assertEqual(self.rows(), [])
        self.assertFalse(self.js("return [...document.querySelectorAll('.replay')]"
                                 ".some(b => b.offsetParent !== null)"))

    def test_menu_shows_every_item_hint_check_mark_and_grey_state(self):
        menu = self.js("""
            return [...document.querySelectorAll('.menubar .top')].map(top => [
                top.firstChild.textContent + top.querySelector(':scope > u').textContent
                    + top.childNodes[2].textContent,
                [...top.querySelectorAll('.item')].map(i => [
                    i.querySelector('.label').textContent, i.querySelector('.hint').textContent,
                    i.querySelector('.check').textContent !== '', i.classList.contains('greyed')])]);""")
        self.assertEqual(menu, [
            ["ゲーム(G)", [
                ["先手でスタート(N)", "F2", False, False], ["後手でスタート", "", False, False],
                ["2人で遊ぶ", "", False, False], ["cpuのレベル", "", False, False],
                ["レベル0", "", False, False], ["レベル1", "", True, False],
                ["レベル2", "", False, False], ["待った(B)", "F10", False, False],
                ["棋譜の読み込み(O)", "Ctrl+O", False, False], ["棋譜の保存(A)", "", False, False],
                ["終局時に保存する", "", False, False], ["終了(X)", "", False, False]]],
            ["ヘルプ(H)", [["ヘルプ", "F1", False, False], ["バージョン情報", "", False, False]]]])
        # Alt+G opens the game menu; the arrows walk it and Enter chooses: level 2 gets the mark.
        self.press_with(Keys.ALT, "g")
        self.wait_for("!document.querySelector('.menubar .top .menu').hidden")
        self.press(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ARROW_RIGHT,
                   Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ENTER)
        self.idle()
        self.assertEqual(self.js("return [...document.querySelectorAll('.item')]"
                                 ".filter(i => i.querySelector('.check').textContent)"
                                 ".map(i => i.querySelector('.label').textContent)"), ["レベル2"])
        # The version box, through a click on the help menu.
        self.click_menu_item("バージョン情報", menu=1)
        self.wait_for("document.querySelector('.box.message') !== null")
        self.assertEqual(self.message(), "DiscadaGame\tVer.1.2")
        self.assertEqual(self.js("return document.querySelector('.box .caption').textContent"),
                         "バージョン情報")
        self.close_message()

    def test_computer_answers_after_its_wait_and_a_click_meanwhile_waits_its_turn(self):
        # The first click's release is seen as it happens; a new row when the observer is told,
        # which may be late (the game runs on until it waits), never early.
        self.js("""
            window.seen = {};
            document.addEventListener('pointerup', () => {
                if (!('click' in window.seen)) window.seen.click = performance.now();
            }, true);
            new MutationObserver(() => {
                const n = document.querySelectorAll('.movelist > div').length;
                if (!(n in window.seen)) window.seen[n] = performance.now();
            }).observe(document.querySelector('.movelist'), {childList: true});""")
        self.click_cell(4, 3)
        self.wait_for("document.querySelectorAll('.movelist > div').length === 1")
        self.click_cell(4, 6)  # during the computer's wait: legal only after its answer
        self.wait_for("document.querySelectorAll('.movelist > div').length >= 4")
        self.idle()
        seen = self.js("return window.seen")
        self.assertGreaterEqual(seen["2"] - seen["click"], 500)
        # The computer answered the queued placement too.
        self.assertEqual(self.rows()[1:], [" 3手目 黒(4, 6)", " 2手目 白(3, 5)", " 1手目 黒(4, 3)"])
        self.assertEqual(self.selected_row(), 0)

    def test_save_writes_the_desktop_bytes_by_the_save_dialog_or_by_a_download(self):
        self.load(THREE_MOVES)
        # The browser's save dialog, answered by a script, as headless Chromium shows none.
        self.js("""
            window.written = null;
            window.showSaveFilePicker = async (options) => {
                window.suggested = options.suggestedName;
                return {name: 'game.txt', createWritable: async () => ({
                    write: async (data) => { window.written = Array.from(data); },
                    close: async () => {}})};
            };""")
        self.click_menu_item("棋譜の保存(A)")
        self.wait_for("window.written !== null")
        self.assertEqual(self.js("return window.suggested"), "無題.txt")
        self.assertEqual(bytes(self.js("return window.written")), THREE_MOVES)
        self.idle()
        # A cancelled dialog is a cancel: nothing is written, nothing shown.
        self.js("""window.showSaveFilePicker = async () => {
                       throw new DOMException('cancelled', 'AbortError'); };""")
        self.click_menu_item("棋譜の保存(A)")
        self.idle()
        self.assertIsNone(self.message())
        # Without a save dialog: the name box, then a download of exactly those bytes.
        self.js("delete window.showSaveFilePicker; window.showSaveFilePicker = undefined;")
        self.click_menu_item("棋譜の保存(A)")
        name = self.driver.find_element(By.CSS_SELECTOR, ".box input")
        self.assertEqual(name.get_attribute("value"), "game.txt")
        name.clear()
        name.send_keys("棋譜", Keys.ENTER)
        self.assertEqual(self.downloaded("棋譜.txt"), THREE_MOVES)

    def click_menu_item(self, label, menu=0):
        self.driver.find_elements(By.CSS_SELECTOR, ".menubar .top")[menu].click()
        self.js("return [...document.querySelectorAll('.item')]"
                ".find(i => i.querySelector('.label').textContent === arguments[0])",
                label).click()

    def test_loaded_record_replays_with_the_buttons(self):
        self.load(THREE_MOVES)
        self.assertEqual(len(self.rows()), 3)
        buttons = self.driver.find_elements(By.CSS_SELECTOR, ".replay")
        self.assertEqual([b.text for b in buttons if b.is_displayed()], ["<<", "<", ">", ">>"])
        self.assertEqual(self.selected_row(), 0)
        self.assertTrue(self.js("return document.querySelector('.item.greyed') !== null"))
        buttons[1].click()  # "<": back to the second placement
        self.idle()
        self.assertEqual(self.selected_row(), 1)
        self.assertEqual(self.board_cells().count(0), 58)
        buttons[0].click()  # "<<": the start
        self.idle()
        self.assertEqual(self.board_cells().count(0), 60)
        buttons[3].click()  # ">>": the end again
        self.idle()
        self.assertEqual(self.selected_row(), 0)
        self.assertEqual(self.board_cells().count(0), 57)

    def test_hostile_files_end_clearly(self):
        before = self.board_cells()
        self.load(bytes(range(256)) * 64, "binary.txt")
        self.assertEqual(self.message(), LOAD_FAILED)
        # The icon the game names, whatever number it has in the game.
        self.assertEqual(self.js("return [...document.querySelectorAll('.box.message .icon')]"
                                 ".map(i => i.className)"), ["icon warning"])
        self.close_message()
        self.idle()
        self.assertEqual(self.board_cells(), before)
        self.load(b"", "empty.txt")
        self.assertEqual(self.message(), LOAD_FAILED)
        self.close_message()
        self.idle()
        # 50 MB: only the start is read, and the moves there load.
        started = time.time()
        self.load(THREE_MOVES + b"9" * (50 << 20), "huge.txt")
        self.assertLess(time.time() - started, 10)
        self.assertIsNone(self.message())
        self.assertEqual(len(self.rows()), 3)
        # An illegal first placement: the message, and the board as before the load.
        self.press(Keys.F2)
        self.idle()
        before = self.board_cells()
        self.load(b" 1:1,1(1)\r\n", "illegal.txt")
        self.assertEqual(self.message(), LOAD_FAILED)
        self.close_message()
        self.idle()
        self.assertEqual(self.board_cells(), before)

    def test_the_games_keys_are_the_games_alone(self):
        """F1, F2, F10 and Ctrl+O keep the browser's own help, search, menu and open dialog shut;
        a key the game does not use stays the browser's."""
        prevented = self.js("""
            const press = (key, ctrlKey) => {
                const event = new KeyboardEvent('keydown',
                    {key, ctrlKey, bubbles: true, cancelable: true});
                document.querySelector('.movelist').dispatchEvent(event);
                return key + (event.defaultPrevented ? ' kept' : ' passed');
            };
            return [press('F10'), press('F2'), press('F1'), press('F5'), press('o', true)];""")
        self.assertEqual(prevented, ["F10 kept", "F2 kept", "F1 kept", "F5 passed", "o kept"])
        self.wait_for("!document.querySelector('.modal-layer').hidden")  # the game's own picker

    def test_keys_act_wherever_the_focus_is(self):
        self.click_cell(4, 3)
        self.wait_for("document.querySelectorAll('.movelist > div').length === 2")
        self.idle()
        self.driver.find_element(By.CSS_SELECTOR, ".movelist").click()
        self.press(Keys.F10)  # undo: the person's placement and the computer's
        self.idle()
        self.assertEqual(self.rows(), [])
        self.click_cell(4, 3)
        self.wait_for("document.querySelectorAll('.movelist > div').length === 2")
        self.idle()
        self.press(Keys.F2)  # a new game
        self.idle()
        self.assertEqual(self.rows(), [])
        self.assertEqual(self.board_cells().count(0), 60)
        self.press(Keys.F1)  # help: readme.txt beside the page, in a new tab
        self.wait_for("true")
        end = time.time() + 5
        while len(self.driver.window_handles) < 2 and time.time() < end:
            time.sleep(0.05)
        self.assertEqual(len(self.driver.window_handles), 2)
        self.driver.switch_to.window(self.driver.window_handles[1])
        self.assertTrue(self.driver.current_url.endswith("/readme.txt"))
        self.driver.close()
        self.driver.switch_to.window(self.driver.window_handles[0])
        # Without the help file: the message, no tab.
        os.remove(os.path.join(self.folder, "readme.txt"))
        self.press(Keys.F1)
        self.wait_for("document.querySelector('.box.message') !== null")
        self.assertEqual(self.message(), "ヘルプファイルが見つかりません。")
        self.assertEqual(len(self.driver.window_handles), 1)
        self.close_message()
        self.idle()
        self.press("X")  # Shift+X: nothing
        self.press("x")  # X: the game ends and the page shows nothing of it
        self.wait_for("document.getElementById('stage') === null")
        self.assertEqual(self.driver.title, "")
        self.open_page()  # a reload starts a new game
        self.assertEqual(self.board_cells().count(0), 60)

    def test_keyboard_plays_on_the_board_and_the_cursor_shows_only_after_a_key(self):
        self.press(Keys.TAB)
        self.assertEqual(self.focused_cell(), "1列1行 空き")
        self.assertGreater(self.cursor_pixels(), 100)
        self.press(Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_DOWN,
                   Keys.ARROW_DOWN)
        self.assertEqual(self.focused_cell(), "4列3行 空き")
        self.press(Keys.ENTER)
        self.wait_for("document.querySelectorAll('.movelist > div').length === 2")
        self.idle()
        self.assertEqual(self.board_cells()[3 * 8 + 2], 1)
        self.assertEqual(self.focused_cell(), "4列3行 黒")
        self.press(Keys.END)
        self.assertEqual(self.focused_cell(), "8列3行 空き")
        self.press(Keys.PAGE_DOWN)
        self.assertEqual(self.focused_cell(), "8列8行 空き")
        self.press_with(Keys.CONTROL, Keys.HOME)
        self.assertEqual(self.focused_cell(), "1列1行 空き")
        # Letters read aloud: the open cells and the panel.
        self.press("l")
        self.wait_for("document.querySelector('.announcer').lastChild.textContent"
                      ".startsWith('黒の置ける場所: ')")
        self.press("s")
        self.wait_for("document.querySelector('.announcer').lastChild.textContent"
                      " === 'あなたの番(黒)、黒： 3、白： 3'")
        # A menu opened by the keyboard follows the keyboard, even when it opens under a resting
        # pointer that the browser reports again (as it does after a change of the page).
        x, y = self.js("const r = document.querySelector('.menubar .top').getBoundingClientRect();"
                       "return [r.left + 20, r.bottom + 60]")
        rest = {"type": "mouseMoved", "x": x, "y": y}
        self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", rest)
        self.press_with(Keys.ALT, "g")
        self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", rest)
        self.press(Keys.ARROW_DOWN)
        self.assertEqual(self.js("return document.querySelector('.item.active .label').textContent"),
                         "後手でスタート")
        self.press(Keys.ESCAPE)
        # Played with the pointer only, the picture has no cursor.
        self.js("sessionStorage.clear()")
        self.open_page()
        self.click_cell(4, 3)
        self.wait_for("document.querySelectorAll('.movelist > div').length === 2")
        self.idle()
        self.assertEqual(self.cursor_pixels(), 0)

    def test_screen_readers_find_named_cells_and_parts_and_hear_each_placement(self):
        def tree():
            nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
            return {node["nodeId"]: node for node in nodes}

        def named(nodes, role):
            return [n.get("name", {}).get("value", "") for n in nodes.values()
                    if n.get("role", {}).get("value") == role and not n.get("ignored")]

        def live_text(nodes):
            def text(node):
                own = node.get("name", {}).get("value", "") if node["role"]["value"] == "StaticText" else ""
                return own + "".join(text(nodes[c]) for c in node.get("childIds", []) if c in nodes)
            return [text(n) for n in nodes.values()
                    if any(p["name"] == "live" and p["value"]["value"] == "polite"
                           for p in n.get("properties", []))]

        nodes = tree()
        cells = named(nodes, "gridcell")
        self.assertEqual(len(cells), 64)
        for name in ("1列1行 空き", "4列4行 白", "5列4行 黒", "4列5行 黒", "8列8行 空き"):
            self.assertIn(name, cells)
        self.assertEqual(named(nodes, "grid"), ["盤"])
        self.assertEqual(named(nodes, "listbox"), ["手のリスト"])
        self.assertEqual(named(nodes, "region"), ["手番と石の数"])
        self.click_cell(4, 3)
        self.wait_for("document.querySelectorAll('.movelist > div').length === 2")
        self.idle()
        nodes = tree()
        self.assertIn("4列3行 黒", named(nodes, "gridcell"))
        spoken = live_text(nodes)
        self.assertEqual(len(spoken), 1, spoken)
        self.assertTrue(spoken[0].startswith("1手目 黒(4, 3)、1枚返しました2手目 白("), spoken)
        self.load(THREE_MOVES)
        self.assertEqual(named(tree(), "button")[-4:],
                         ["最初の局面まで戻る", "1手戻る", "1手進む", "最後の手まで進む"])

    def test_a_reload_brings_back_the_game_the_tab_showed(self):
        self.press_with(Keys.ALT, "g")  # level 2, and the record saved at the end
        self.press(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ARROW_RIGHT,
                   Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ENTER)
        self.idle()
        self.click_menu_item("終局時に保存する")
        self.idle()
        # Reloaded during the computer's wait: the person's placement stays and the computer
        # answers again.
        self.click_cell(4, 3)
        self.wait_for("document.querySelectorAll('.movelist > div').length === 1")
        self.assertTrue(self.js("return DiscadaPage.busy()"))
        self.driver.refresh()
        self.wait_for("document.body.dataset.ready === 'true'")
        self.wait_for("document.querySelectorAll('.movelist > div').length === 2")
        before = self.game_shown()
        self.assertEqual(before[1][1], " 1手目 黒(4, 3)")
        self.assertEqual(before[3], ["レベル2", "終局時に保存する"])
        # Reloaded between placements: the same board, list, selection and marks.
        self.driver.refresh()
        self.wait_for("document.body.dataset.ready === 'true'")
        self.assertEqual(self.game_shown(), before)
        # Damaged storage: a new game.
        self.js("sessionStorage.setItem('discada-game', arguments[0])",
                "DiscadaGame session 1\nmode 9\n")
        self.driver.refresh()
        self.wait_for("document.body.dataset.ready === 'true'")
        cells, rows, selected, marks = self.game_shown()
        self.assertEqual((cells.count(0), rows, selected, marks), (60, [], -1, ["レベル1"]))
        # A full storage keeps nothing, and no older game comes back instead.
        self.click_cell(4, 3)
        self.wait_for("document.querySelectorAll('.movelist > div').length === 2")
        self.idle()
        self.js("Storage.prototype.setItem = () => {"
                "    throw new DOMException('full', 'QuotaExceededError'); };")
        self.press(Keys.F2)
        self.idle()
        self.driver.refresh()
        self.wait_for("document.body.dataset.ready === 'true'")
        self.assertEqual(self.game_shown()[1], [])
        # Reloaded while the result box of the last placement shows: that placement stays.
        self.js("sessionStorage.setItem('discada-game', arguments[0])",
                "DiscadaGame session 1\nmode 0\nlevel 1\nsave-at-end 0\nreplay 0\nshown 59\n"
                "placements " + ALL_BUT_THE_LAST + "\n")
        self.driver.refresh()
        self.wait_for("document.body.dataset.ready === 'true'")
        self.assertEqual(len(self.game_shown()[1]), 59)
        self.click_cell(1, 8)
        self.wait_for("document.querySelector('.box.message') !== null")
        self.driver.refresh()
        self.wait_for("document.body.dataset.ready === 'true'")
        cells, rows, selected, marks = self.game_shown()
        self.assertEqual((cells.count(0), rows[0], selected), (0, "60手目 白(1, 8)", 0))


class HighDensityPageTest(PageTest):
    ratio = 2

    def test_discs_are_drawn_from_the_fine_sheet_without_blur(self):
        size = self.js("const c = document.querySelector('.board'); return [c.width, c.clientWidth]")
        self.assertEqual(size, [1060, 530])
        # Every device pixel of the white disc at (4, 4) is one of the fine sheet's white-tile
        # colours or the board's: an edge drawn by scaling would mix in new ones.
        with open(FINE_SHEET, "rb") as file:
            sheet = file.read()
        offset = int.from_bytes(sheet[10:14], "little")
        tile = {tuple(sheet[offset + 3 * (y * 160 + x):offset + 3 * (y * 160 + x) + 3][::-1])
                for y in range(80) for x in range(80)}
        tile.add((238, 130, 238))
        shown = self.js("""
            const d = document.querySelector('.board').getContext('2d')
                .getImageData(2 * 143, 2 * 143, 80, 80).data;
            const seen = new Set();
            for (let i = 0; i < d.length; i += 4) seen.add(d[i] + ',' + d[i + 1] + ',' + d[i + 2]);
            return [...seen];""")
        strangers = [c for c in shown if tuple(int(v) for v in c.split(",")) not in tile]
        self.assertEqual(strangers, [])
        self.assertGreater(len(shown), 8)

    def test_at_any_other_ratio_discs_lines_and_frame_are_drawn_at_the_device_pixels(self):
        try:
            for ratio in (1.25, 3):
                with self.subTest(ratio=ratio):
                    # A second override of the same size would tell no media query.
                    self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
                    self.set_screen(800, 700, ratio)
                    self.assert_sharp()
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


class PhonePageTest(PageTest):
    width, height, ratio, phone = 390, 844, 3, True

    def tap_cell(self, column, row):
        x, y = self.cell_point(column, row)
        finger = PointerInput(interaction.POINTER_TOUCH, "finger")
        actions = ActionBuilder(self.driver, mouse=finger)
        actions.pointer_action.move_to_location(int(x), int(y)).pointer_down().pointer_up()
        actions.perform()

    def test_upright_and_sideways_the_board_fills_the_screen_and_a_tap_places_on_its_cell(self):
        for width, height, layout in ((390, 844, "upright"), (844, 390, "sideways")):
            with self.subTest(layout):
                self.open_page()
                self.set_screen(width, height, 3, mobile=True)
                self.assertEqual(self.js("return document.body.dataset.layout"), layout)
                self.assertFalse(self.scrolls())
                left, top, right, bottom = self.board_box()
                self.assertTrue(0 <= left and right <= width and 0 <= top and bottom <= height)
                self.assertGreaterEqual(right - left if layout == "upright" else bottom - top,
                                        min(width, height) - 1)
                cell = 40 * (self.cell_point(5, 4)[0] - self.cell_point(4, 4)[0]) / 42
                self.assertGreaterEqual(cell, 44)
                if layout == "upright":
                    self.assert_sharp()
                self.tap_cell(4, 3)
                self.wait_for("document.querySelectorAll('.movelist > div').length >= 1")
                self.assertEqual(self.rows()[-1], " 1手目 黒(4, 3)")
                self.idle()
        # The replay buttons of a loaded record: as wide as a finger and on the screen.
        self.load(THREE_MOVES)
        buttons = self.js("return [...document.querySelectorAll('.replay')].map(b => {"
                          "const r = b.getBoundingClientRect(); return [r.top, r.bottom]; })")
        for top, bottom in buttons:
            self.assertGreaterEqual(bottom - top, 44)
            self.assertLessEqual(bottom, 390)
        self.assertTrue(self.js("return document.querySelector('.panel').textContent"
                                ".startsWith('後手の番(白)')"))
        for width, height, ratio, mobile, layout in ((1024, 768, 1, False, "window"),
                                                     (360, 640, 2, True, "upright"),
                                                     (1920, 1080, 1, False, "window")):
            with self.subTest(f"{width} x {height}"):
                self.set_screen(width, height, ratio, mobile)
                self.assertEqual(self.js("return document.body.dataset.layout"), layout)
                self.assertFalse(self.scrolls())


class ServedPageTest(PageTest):
    """The site folder served over http by a local web server, as a host would serve it."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="discada-site-")
        self.site = os.path.join(self.folder, "site")
        shutil.copytree(SITE, self.site)
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        self.server = subprocess.Popen(
            ["/usr/bin/python3", "-m", "http.server", str(port), "--bind", "127.0.0.1"],
            cwd=self.site, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        end = time.time() + 10
        while not self.serving(port):
            self.assertLess(time.time(), end, "the web server did not start")
            time.sleep(0.05)
        self.address = f"http://127.0.0.1:{port}/index.html"
        self.open_page()

    def tearDown(self):
        self.server.kill()
        self.server.wait()
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        super().tearDown()

    @staticmethod
    def serving(port):
        with socket.socket() as probe:
            return probe.connect_ex(("127.0.0.1", port)) == 0

    def caches(self):
        return self.driver.execute_async_script("caches.keys().then(arguments[0])")

    def test_installable_replaced_by_a_new_version_and_playing_offline_after_one_visit(self):
        self.wait_for("navigator.serviceWorker.controller !== null")
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        [first] = self.caches()
        # A new version on the server: the next visit installs it and drops the old cache, the
        # visit after that shows it.
        for name, old, new in (("index.html", "<title>", "<!-- version 2 --><title>"),
                               ("sw.js", first[len("discada-"):], "2-" + first[len("discada-"):])):
            path = os.path.join(self.site, name)
            with open(path, encoding="utf-8") as file:
                text = file.read()
            with open(path, "w", encoding="utf-8") as file:
                file.write(text.replace(old, new, 1))
        self.open_page()
        end = time.time() + 10
        while self.caches() != ["discada-2-" + first[len("discada-"):]]:
            self.assertLess(time.time(), end, self.caches())
            time.sleep(0.05)
        self.open_page()
        self.assertIn("version 2", self.js("return document.head.innerHTML"))
        # No server, no network: the page still opens and plays.
        self.server.kill()
        self.server.wait()
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.open_page()
        self.click_cell(4, 3)
        self.wait_for("document.querySelectorAll('.movelist > div').length >= 2")
        self.assertEqual(self.rows()[-1], " 1手目 黒(4, 3)")


if __name__ == "__main__":
    unittest.main(verbosity=2)
