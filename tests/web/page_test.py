#!/usr/bin/python3
"""The browser program in headless Chromium, opened from a file:// address as a person would open
it: the start picture against the Qt program's back buffer, the menu, a click answered by the
computer with a second click queued meanwhile, saving and loading records, a hostile file, the keys,
a high-density screen and a phone's width.

    page_test.py INDEX_HTML README_TXT QT_START_BOARD_PNG DISC_SHEET_2X_BMP [unittest arguments]
"""
import base64
import os
import shutil
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

PAGE, README, QT_BOARD, FINE_SHEET = (os.path.abspath(p) for p in sys.argv[1:5])
del sys.argv[1:5]

LOAD_FAILED = "棋譜の読み込みに失敗しました。"
THREE_MOVES = b" 1:4,3(1)\r\n 2:3,5(2)\r\n 3:4,6(1)\r\n"


def start_browser(folder, width=800, ratio=1, phone=False):
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--user-data-dir=" + os.path.join(folder, "profile")):
        options.add_argument(argument)
    if os.geteuid() == 0:
        options.add_argument("--no-sandbox")
    if phone:
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": 844, "pixelRatio": ratio, "touch": True}})
    else:
        options.add_argument(f"--force-device-scale-factor={ratio}")
        options.add_argument(f"--window-size={width},700")
    options.add_experimental_option("prefs", {
        "download.default_directory": os.path.join(folder, "downloads"),
        "download.prompt_for_download": False})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class PageTest(unittest.TestCase):
    """One browser per class; every test opens a fresh copy of the page in a fresh folder."""
    width, ratio, phone = 800, 1, False

    @classmethod
    def setUpClass(cls):
        cls.profile = tempfile.mkdtemp(prefix="discada-web-")
        cls.driver = start_browser(cls.profile, cls.width, cls.ratio, cls.phone)

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
        self.open_page()

    def tearDown(self):
        for handle in self.driver.window_handles[1:]:
            self.driver.switch_to.window(handle)
            self.driver.close()
        self.driver.switch_to.window(self.driver.window_handles[0])
        shutil.rmtree(self.folder, ignore_errors=True)

    # ---- helpers ------------------------------------------------------------------------------

    def open_page(self):
        self.driver.get("file://" + os.path.join(self.folder, "index.html"))
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
        return self.js("""
            const box = document.querySelector('.board').getBoundingClientRect();
            const scale = box.width / document.querySelector('.board').clientWidth;
            return [box.left + (42 * arguments[0] - 5) * scale,
                    box.top + (42 * arguments[1] - 5) * scale];""", column, row)

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
            const k = canvas.width / canvas.clientWidth;
            const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
            const cells = [];
            for (let c = 1; c <= 8; ++c) for (let r = 1; r <= 8; ++r) {
                const i = 4 * (Math.round((42 * r - 5) * k) * canvas.width + Math.round((42 * c - 5) * k));
                const v = data.data[i + 1];
                cells.push(data.data[i] === 238 && v === 130 ? 0 : v < 128 ? 1 : 2);
            }
            return cells;""")

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


class PhonePageTest(PageTest):
    width, ratio, phone = 390, 3, True

    def test_the_window_fits_the_width_and_a_tap_places_on_its_cell(self):
        box = self.js("const b = document.getElementById('window').getBoundingClientRect();"
                      "return [b.left, b.right, document.documentElement.clientWidth]")
        self.assertGreaterEqual(box[0], 0)
        self.assertLessEqual(box[1], box[2])
        x, y = self.cell_point(4, 3)
        finger = PointerInput(interaction.POINTER_TOUCH, "finger")
        actions = ActionBuilder(self.driver, mouse=finger)
        actions.pointer_action.move_to_location(int(x), int(y)).pointer_down().pointer_up()
        actions.perform()
        self.wait_for("document.querySelectorAll('.movelist > div').length >= 1")
        self.assertEqual(self.rows()[-1], " 1手目 黒(4, 3)")


if __name__ == "__main__":
    unittest.main(verbosity=2)
