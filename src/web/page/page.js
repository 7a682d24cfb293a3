// The page around the game: the window's frame, menu bar, move list, replay buttons, message
// boxes and file dialogs. The game itself runs in the WebAssembly module and calls the methods of
// DiscadaPage; the page calls the game through one queue, so that input arriving while a call is
// suspended (the computer's wait, a message box, a dialog) is delivered afterwards, in order.
"use strict";

const DiscadaPage = (() => {
    const windowElement = document.getElementById("window");
    const stage = document.getElementById("stage");
    const canvas = windowElement.querySelector(".board");
    const context = canvas.getContext("2d");
    const menubar = windowElement.querySelector(".menubar");
    const moveList = windowElement.querySelector(".movelist");
    const panel = windowElement.querySelector(".panel");
    const replayRow = windowElement.querySelector(".replay-row");
    const modalLayer = windowElement.querySelector(".modal-layer");
    const cellGrid = windowElement.querySelector(".cells");
    const announcer = document.querySelector(".announcer");
    const fileInput = document.querySelector(".file-input");

    const kUiFontFamily = "Discada UI";
    // The panel's text as the desktop's system font shows it: 16 pixels, about 19 a line.
    const kPanelFont = "16px " + getComputedStyle(document.documentElement).getPropertyValue("--ui-font");
    const kPanelLineHeight = 19;
    const kListRowHeight = 16;
    // The game's enumerations that cross to the page as numbers, filled by name when the game
    // starts (defineValue): the page never counts on their order.
    const MessageIcon = {};
    const MenuEntryKind = {};
    const FileChoiceOutcome = {};
    const gameValues = { MessageIcon, MenuEntryKind, FileChoiceOutcome };
    // Room left above the window where the screen has it.
    const kStagePadding = 8;

    let game = null;
    let started = false;
    let closed = false;
    let outerSize = [0, 0];
    let ratio = 0;
    const accelerators = [];
    const menuItems = new Map();

    // ---- The one way into the game ------------------------------------------------------------

    const queue = [];
    let running = false;

    // Runs `job` after every job queued before it has finished, suspended calls included.
    function post(job) {
        if (closed || !game) return;
        queue.push(job);
        if (!running) drain();
    }

    async function drain() {
        running = true;
        while (queue.length > 0 && !closed) {
            const job = queue.shift();
            try {
                await job();
            } catch (error) {
                console.error(error);
            }
        }
        running = false;
        if (closed && game) game._web_quit();
    }

    function call(name, ...args) {
        return game.ccall(name, null, args.map(() => "number"), args, { async: true });
    }

    function postCommand(id) {
        post(() => call("web_command", id));
    }

    // ---- What the game tells at its start --------------------------------------------------------

    function defineValue(type, name, value) {
        gameValues[type][name] = value;
    }

    // ---- Layout from the game's table -----------------------------------------------------------

    function setLayout(outerWidth, outerHeight, clientWidth, clientHeight, list) {
        outerSize = [outerWidth, outerHeight];
        const border = (outerWidth - clientWidth) / 2;
        const bars = outerHeight - clientHeight - 2 * border;
        const style = windowElement.style;
        style.setProperty("--outer-width", outerWidth + "px");
        style.setProperty("--outer-height", outerHeight + "px");
        style.setProperty("--client-width", clientWidth + "px");
        style.setProperty("--client-height", clientHeight + "px");
        style.setProperty("--border", border + "px");
        style.setProperty("--caption-height", Math.ceil(bars / 2) + "px");
        style.setProperty("--menu-height", Math.floor(bars / 2) + "px");
        style.setProperty("--row-height", kListRowHeight + "px");
        // A list box that fits its height to whole rows, as the desktop's does.
        const frame = 2;
        const rows = Math.floor((list[3] - list[1] - frame) / kListRowHeight);
        place(moveList, [list[0], list[1], list[2], list[1] + rows * kListRowHeight + frame]);
    }

    // Puts `element` at `area` of the client area, where the window stands as it is.
    function place(element, area) {
        element.style.setProperty("--left", area[0] + "px");
        element.style.setProperty("--top", area[1] + "px");
        element.style.setProperty("--width", area[2] - area[0] + "px");
        element.style.setProperty("--height", area[3] - area[1] + "px");
    }

    function setTitle(title) {
        document.title = title;
        windowElement.querySelector(".caption .title").textContent = title;
    }

    // ---- Layouts: the window as it is, or its parts laid out for a phone ------------------------

    // Where the window fits the viewport it stands as it is; on a smaller screen its parts are
    // laid out for a phone held upright (the board as wide as the screen, the rest below) or
    // sideways (the board as tall as the screen, the rest beside it).
    const Layout = { Window: "window", Upright: "upright", Sideways: "sideways" };
    // On a phone: window pixels of the board's margin left out on each side, the menu bar's
    // height, and the least room kept for the panel, the list and the buttons.
    const kPhoneBoardTrim = 6;
    const kPhoneMenuHeight = 40;
    const kPhoneSideHeight = 200;
    const kPhoneSideWidth = 220;
    // Below this width the panel and the list stand one above the other, so that the panel's
    // longest label still fits in the phone's font.
    const kPhoneTwoColumnsWidth = 360;

    let boardArea = [0, 0, 0, 0];
    // What the canvas shows: the window pixel at its top-left corner and the size in window
    // pixels; the device pixels per window pixel are `ratio`.
    let view = { layout: Layout.Window, origin: [0, 0], size: [0, 0] };

    function setBoardArea(x1, y1, x2, y2) {
        boardArea = [x1, y1, x2, y2];
    }

    function devicePixelRatio() {
        return window.devicePixelRatio || 1;
    }

    function chooseLayout(width, height) {
        if (width >= outerSize[0] && height >= outerSize[1]) return Layout.Window;
        return width > height ? Layout.Sideways : Layout.Upright;
    }

    // The areas of a phone layout in CSS pixels: the board's square, the menu bar and the rest.
    function phoneAreas(layout, width, height) {
        if (layout === Layout.Upright) {
            const board = Math.min(width, height - kPhoneMenuHeight - kPhoneSideHeight);
            const below = kPhoneMenuHeight + board;
            return {
                board: [Math.floor((width - board) / 2), kPhoneMenuHeight, board],
                menu: [0, 0, width],
                side: [0, below, width, height - below],
            };
        }
        const board = Math.min(height, width - kPhoneSideWidth);
        return {
            board: [0, Math.floor((height - board) / 2), board],
            menu: [board, 0, width - board],
            side: [board, kPhoneMenuHeight, width - board, height - kPhoneMenuHeight],
        };
    }

    function setPixels(style, name, value) {
        style.setProperty(name, value + "px");
    }

    // Lays the page out for the viewport and has the game draw at the device pixels it shows.
    function fit() {
        const width = document.documentElement.clientWidth;
        const height = document.documentElement.clientHeight;
        const layout = chooseLayout(width, height);
        document.body.dataset.layout = layout;
        document.body.classList.toggle("phone", layout !== Layout.Window);
        const style = document.body.style;
        let wanted = devicePixelRatio();
        if (layout === Layout.Window) {
            view = { layout, origin: [0, 0], size: [outerSize[0], outerSize[1]] };
            stage.style.width = outerSize[0] + "px";
            stage.style.height = outerSize[1] + "px";
            stage.style.left = Math.floor(Math.max(0, (width - outerSize[0]) / 2)) + "px";
            stage.style.top = Math.floor(Math.max(0, Math.min(kStagePadding, (height - outerSize[1]) / 2))) + "px";
        } else {
            stage.style.width = stage.style.height = "";
            const shown = [boardArea[0] + kPhoneBoardTrim, boardArea[1] + kPhoneBoardTrim,
                boardArea[2] - kPhoneBoardTrim, boardArea[3] - kPhoneBoardTrim];
            const areas = phoneAreas(layout, width, height);
            view = { layout, origin: [shown[0], shown[1]], size: [shown[2] - shown[0], shown[3] - shown[1]] };
            wanted *= areas.board[2] / view.size[0];
            setPixels(style, "--board-left", areas.board[0]);
            setPixels(style, "--board-top", areas.board[1]);
            setPixels(style, "--menu-left", areas.menu[0]);
            setPixels(style, "--menu-width", areas.menu[2]);
            ["--side-left", "--side-top", "--side-width", "--side-height"].forEach((name, i) => setPixels(style, name, areas.side[i]));
            document.body.classList.toggle("narrow-side", areas.side[2] < kPhoneTwoColumnsWidth);
        }
        // Once the window shows: start lays it out before it does.
        requestAnimationFrame(putCanvasOnDevicePixels);
        if (started && !closed) {
            ratio = wanted;
            const [x, y] = view.origin;
            game._web_set_view(ratio, x, y, x + view.size[0], y + view.size[1]);
        }
    }

    // Moves the canvas by less than a device pixel onto whole device pixels, where each of its
    // pixels shows as one of the screen's: anywhere else the browser would resample the picture,
    // blurring it and letting seams cross the board.
    function putCanvasOnDevicePixels() {
        const box = canvas.getBoundingClientRect();
        const shift = (v) => (Math.round(v * devicePixelRatio()) - v * devicePixelRatio()) / devicePixelRatio();
        const moved = view.layout === Layout.Window
            ? [[stage.style, "left"], [stage.style, "top"]]
            : [[document.body.style, "--board-left"], [document.body.style, "--board-top"]];
        [box.left, box.top].forEach((edge, i) => {
            const [target, name] = moved[i];
            target.setProperty(name, parseFloat(target.getPropertyValue(name)) + shift(edge) + "px");
        });
    }

    function watchRatio() {
        const query = matchMedia(`(resolution: ${devicePixelRatio()}dppx)`);
        query.addEventListener("change", () => {
            fit();
            watchRatio();
        }, { once: true });
    }

    // The device pixels of the back buffer the canvas shows, as the game last presented them:
    // the whole window, or the board on a phone.
    let shown = [0, 0, 0, 0];

    // The device pixel of the back buffer under a point of the viewport, or null off the canvas.
    // The game turns it into a window pixel by its own rule.
    function devicePointAt(clientX, clientY) {
        const box = canvas.getBoundingClientRect();
        if (box.width === 0 || box.height === 0) return null;
        const x = Math.floor((clientX - box.left) * canvas.width / box.width);
        const y = Math.floor((clientY - box.top) * canvas.height / box.height);
        if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return null;
        return [shown[0] + x, shown[1] + y];
    }

    // Where the window pixel (x, y) is in the viewport and on the canvas, for scripts that play
    // the page (the tests): the middle of the device pixels the game draws it on.
    function pointOf(x, y) {
        const box = canvas.getBoundingClientRect();
        const middle = (v) => (game._web_device_edge(v) + game._web_device_edge(v + 1)) / 2;
        const device = [middle(x) - shown[0], middle(y) - shown[1]];
        return {
            client: [box.left + device[0] * box.width / canvas.width, box.top + device[1] * box.height / canvas.height],
            canvas: device.map(Math.floor),
        };
    }

    // The panel's text as the page shows it on a phone, where the canvas holds only the board.
    function showPanelText(text) {
        panel.textContent = text;
        return view.layout === Layout.Window;
    }

    // ---- Painting -------------------------------------------------------------------------------

    let paintScheduled = false;

    function requestRepaint() {
        if (paintScheduled) return;
        paintScheduled = true;
        requestAnimationFrame(() => {
            paintScheduled = false;
            if (game && !closed) game._web_paint();
        });
    }

    // Shows the back buffer: `pixels` holds width × height RGBA pixels at the current ratio, of
    // which the canvas takes the device pixels `area` the layout shows, one canvas pixel to a
    // device pixel.
    function present(pixels, width, height, area) {
        shown = area.map((v, i) => Math.max(0, Math.min(v, i % 2 === 0 ? width : height)));
        const [x1, y1, x2, y2] = shown;
        if (canvas.width !== x2 - x1 || canvas.height !== y2 - y1) {
            canvas.width = x2 - x1;
            canvas.height = y2 - y1;
        }
        canvas.style.width = canvas.width / devicePixelRatio() + "px";
        canvas.style.height = canvas.height / devicePixelRatio() + "px";
        const image = new ImageData(new Uint8ClampedArray(pixels.buffer, pixels.byteOffset, pixels.length), width, height);
        context.putImageData(image, -x1, -y1, x1, y1, x2 - x1, y2 - y1);
        placeCells();
    }

    // Draws text black on white, left- and top-aligned in `area` (window pixels), broken only at
    // newlines and clipped to the area.
    function drawText(area, text) {
        if (!showPanelText(text)) return;
        const [x1, y1, x2, y2] = area;
        context.save();
        context.setTransform(ratio, 0, 0, ratio, 0, 0);
        context.beginPath();
        context.rect(x1, y1, x2 - x1, y2 - y1);
        context.clip();
        context.fillStyle = "#fff";
        context.fillRect(x1, y1, x2 - x1, y2 - y1);
        context.fillStyle = "#000";
        context.font = kPanelFont;
        context.textBaseline = "top";
        text.split("\n").forEach((line, index) => {
            context.fillText(line, x1, y1 + index * kPanelLineHeight + 2);
        });
        context.restore();
    }

    // ---- The move list --------------------------------------------------------------------------

    function listReset() {
        moveList.replaceChildren();
    }

    function listInsertTop(text) {
        const row = document.createElement("div");
        row.setAttribute("role", "option");
        row.textContent = text;
        moveList.prepend(row);
    }

    function listDeleteTop() {
        if (moveList.firstElementChild) moveList.firstElementChild.remove();
    }

    function listSelect(index) {
        const rows = moveList.children;
        for (const row of rows) {
            row.classList.remove("selected");
            row.removeAttribute("aria-selected");
        }
        const row = rows[index];
        if (!row) return;
        row.classList.add("selected");
        row.setAttribute("aria-selected", "true");
        const top = row.offsetTop;
        if (top < moveList.scrollTop) moveList.scrollTop = top;
        else if (top + row.offsetHeight > moveList.scrollTop + moveList.clientHeight)
            moveList.scrollTop = top + row.offsetHeight - moveList.clientHeight;
    }

    // Choosing a row changes only the highlight; the list tells the game, as a list box does.
    function chooseRow(index) {
        listSelect(index);
        postCommand(0);
    }

    moveList.addEventListener("pointerdown", (event) => {
        const row = event.target.closest(".movelist > div");
        if (row) chooseRow([...moveList.children].indexOf(row));
    });

    moveList.addEventListener("keydown", (event) => {
        const rows = [...moveList.children];
        if (rows.length === 0 || event.altKey || event.ctrlKey) return;
        const current = rows.findIndex((row) => row.classList.contains("selected"));
        const page = Math.max(1, Math.floor(moveList.clientHeight / rows[0].offsetHeight) - 1);
        const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: page, PageUp: -page };
        let next = null;
        if (event.key in moves) next = Math.min(rows.length - 1, Math.max(0, current + moves[event.key]));
        else if (event.key === "Home") next = 0;
        else if (event.key === "End") next = rows.length - 1;
        if (next === null) return;
        event.preventDefault();
        if (next !== current) chooseRow(next);
    });

    // ---- The replay buttons ---------------------------------------------------------------------

    const replayButtons = [];

    function addReplayButton(caption, id, area, spokenName) {
        const button = document.createElement("button");
        button.type = "button";
        button.className = "replay";
        button.textContent = caption;
        button.setAttribute("aria-label", spokenName);
        button.hidden = true;
        place(button, area);
        button.addEventListener("click", () => postCommand(id));
        replayRow.append(button);
        replayButtons.push(button);
    }

    function showReplayButtons(shown) {
        for (const button of replayButtons) button.hidden = !shown;
    }

    // ---- The menu bar ---------------------------------------------------------------------------

    // "ゲーム(&G)" → the text with its mnemonic letter underlined, and the letter.
    function labelOf(text) {
        const fragment = document.createDocumentFragment();
        let mnemonic = null;
        let plain = "";
        for (let i = 0; i < text.length; ++i) {
            if (text[i] === "&" && i + 1 < text.length) {
                ++i;
                if (text[i] !== "&") {
                    fragment.append(plain);
                    plain = "";
                    const underlined = document.createElement("u");
                    underlined.textContent = text[i];
                    fragment.append(underlined);
                    mnemonic = mnemonic || text[i].toLowerCase();
                    continue;
                }
            }
            plain += text[i];
        }
        fragment.append(plain);
        return { fragment, mnemonic };
    }

    let openMenus = [];      // the open menus, outermost first
    // While the keyboard drives the open menus, a pointer resting where a menu appears takes
    // nothing over until it actually moves.
    let menusFollowKeyboard = false;
    let pointerAt = null;
    let topMenus = [];       // the top-level entries of the menu bar
    const building = { top: null, menus: [] };

    function newMenu() {
        const menu = document.createElement("div");
        menu.className = "menu";
        menu.setAttribute("role", "menu");
        menu.hidden = true;
        return menu;
    }

    function addMenuEntry(kind, id, text) {
        if (kind === MenuEntryKind.Menu) {
            const top = document.createElement("div");
            top.className = "top";
            top.setAttribute("role", "menuitem");
            const { fragment, mnemonic } = labelOf(text);
            top.append(fragment);
            top.mnemonic = mnemonic;
            top.menu = newMenu();
            top.append(top.menu);
            menubar.append(top);
            topMenus.push(top);
            building.top = top;
            building.menus = [top.menu];
            top.addEventListener("pointerdown", (event) => {
                if (event.target.closest(".menu")) return;
                event.preventDefault();
                if (openMenus[0] === top.menu) closeMenus();
                else openTop(top, false);
            });
            top.addEventListener("pointerenter", () => {
                if (menusFollowKeyboard) return;
                if (openMenus.length > 0 && openMenus[0] !== top.menu) openTop(top, false);
            });
            return;
        }
        const menu = building.menus[building.menus.length - 1];
        if (kind === MenuEntryKind.EndSubMenu) {
            building.menus.pop();
            return;
        }
        if (kind === MenuEntryKind.Separator) {
            const line = document.createElement("div");
            line.className = "separator";
            line.setAttribute("role", "separator");
            menu.append(line);
            return;
        }
        const item = document.createElement("div");
        item.className = "item";
        item.setAttribute("role", kind === MenuEntryKind.CheckItem ? "menuitemcheckbox" : "menuitem");
        const [label, hint] = text.split("\t");
        const check = document.createElement("span");
        check.className = "check";
        const labelSpan = document.createElement("span");
        labelSpan.className = "label";
        const { fragment, mnemonic } = labelOf(label);
        labelSpan.append(fragment);
        const hintSpan = document.createElement("span");
        hintSpan.className = "hint";
        hintSpan.textContent = hint || "";
        item.append(check, labelSpan, hintSpan);
        item.mnemonic = mnemonic;
        item.commandId = id;
        menu.append(item);
        if (kind === MenuEntryKind.SubMenu) {
            item.classList.add("sub");
            item.submenu = newMenu();
            item.append(item.submenu);
            building.menus.push(item.submenu);
        } else {
            menuItems.set(id, item);
        }
        item.addEventListener("pointerenter", () => {
            if (!menusFollowKeyboard) highlight(item, Submenu.Shown);
        });
        item.addEventListener("pointerup", (event) => {
            event.stopPropagation();
            activate(item);
        });
    }

    function setMenuState(id, checked, greyed) {
        const item = menuItems.get(id);
        if (!item) return;
        item.querySelector(".check").textContent = checked ? "\u2713" : "";
        item.classList.toggle("greyed", greyed);
        item.setAttribute("aria-disabled", String(greyed));
        if (item.getAttribute("role") === "menuitemcheckbox") item.setAttribute("aria-checked", String(checked));
    }

    function itemsOf(menu) {
        return [...menu.children].filter((child) => child.classList.contains("item"));
    }

    function openTop(top, withKeyboard) {
        closeMenus();
        menusFollowKeyboard = withKeyboard;
        top.classList.add("active");
        top.menu.hidden = false;
        openMenus = [top.menu];
        if (withKeyboard) highlight(itemsOf(top.menu)[0], Submenu.Closed);
    }

    function closeMenus() {
        for (const top of topMenus) top.classList.remove("active");
        for (const menu of openMenus) {
            menu.hidden = true;
            for (const item of itemsOf(menu)) item.classList.remove("active");
        }
        openMenus = [];
    }

    // How a highlighted item's submenu opens: not at all (the arrow keys passing over it), shown
    // (the pointer resting on it) or entered with its first item active (the keyboard asking).
    const Submenu = { Closed: 0, Shown: 1, Entered: 2 };

    // Makes `item` the active entry of its menu.
    function highlight(item, submenu) {
        if (!item) return;
        const menu = item.parentElement;
        const depth = openMenus.indexOf(menu);
        if (depth < 0) return;
        for (const deeper of openMenus.splice(depth + 1)) {
            deeper.hidden = true;
            for (const other of itemsOf(deeper)) other.classList.remove("active");
        }
        for (const other of itemsOf(menu)) other.classList.toggle("active", other === item);
        if (item.submenu && submenu !== Submenu.Closed) {
            item.submenu.hidden = false;
            openMenus.push(item.submenu);
            if (submenu === Submenu.Entered) highlight(itemsOf(item.submenu)[0], Submenu.Closed);
        }
    }

    function activate(item) {
        if (item.submenu) {
            highlight(item, Submenu.Entered);
            return;
        }
        if (item.classList.contains("greyed")) return;
        closeMenus();
        postCommand(item.commandId);
    }

    function activeItem(menu) {
        return itemsOf(menu).find((item) => item.classList.contains("active"));
    }

    // A pointer that moves takes the menus back; the browser also reports a pointer standing still
    // when something appears under it.
    document.addEventListener("pointermove", (event) => {
        const moved = pointerAt !== null && (event.clientX !== pointerAt[0] || event.clientY !== pointerAt[1]);
        pointerAt = [event.clientX, event.clientY];
        if (moved) menusFollowKeyboard = false;
    }, true);

    // The keys of an open menu, as a desktop menu takes them.
    function menuKey(event) {
        menusFollowKeyboard = true;
        const menu = openMenus[openMenus.length - 1];
        const items = itemsOf(menu);
        const current = activeItem(menu);
        const index = items.indexOf(current);
        const topIndex = topMenus.findIndex((top) => top.menu === openMenus[0]);
        switch (event.key) {
            case "ArrowDown":
                highlight(items[(index + 1) % items.length], Submenu.Closed);
                break;
            case "ArrowUp":
                highlight(items[(index - 1 + items.length) % items.length], Submenu.Closed);
                break;
            case "ArrowRight":
                if (current && current.submenu) highlight(current, Submenu.Entered);
                else openTop(topMenus[(topIndex + 1) % topMenus.length], true);
                break;
            case "ArrowLeft":
                if (openMenus.length > 1) {
                    const parent = openMenus[openMenus.length - 2];
                    highlight(activeItem(parent), Submenu.Closed);
                } else {
                    openTop(topMenus[(topIndex - 1 + topMenus.length) % topMenus.length], true);
                }
                break;
            case "Enter":
            case " ":
                if (current) activate(current);
                break;
            case "Escape":
                if (openMenus.length > 1) {
                    menu.hidden = true;
                    openMenus.pop();
                } else {
                    closeMenus();
                }
                break;
            case "Tab":
            case "Alt":
                closeMenus();
                break;
            default: {
                const letter = event.key.length === 1 ? event.key.toLowerCase() : null;
                const chosen = letter && items.find((item) => item.mnemonic === letter);
                if (chosen) activate(chosen);
                else if (!letter) return;
            }
        }
        event.preventDefault();
        event.stopPropagation();
    }

    // A press outside an open menu only closes the menu, as on the desktop.
    let swallowRelease = false;
    document.addEventListener("pointerdown", (event) => {
        swallowRelease = false;
        if (openMenus.length > 0 && !event.target.closest(".menubar")) {
            closeMenus();
            swallowRelease = true;
        }
    }, true);

    // ---- Keys -----------------------------------------------------------------------------------

    function addAccelerator(key, character, id) {
        accelerators.push({ key, character, id });
    }

    // The command of the accelerator `event` presses, or null. A key matches only without Shift,
    // Ctrl or Alt; a control character matches Ctrl and the letter that types it.
    function acceleratorOf(event) {
        const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
        const plain = !event.shiftKey && !event.ctrlKey && !event.altKey && !event.metaKey;
        for (const accelerator of accelerators) {
            if (accelerator.key !== "" && plain && key === accelerator.key) return accelerator.id;
            if (accelerator.character > 0 && accelerator.character < 32 && event.ctrlKey &&
                key === String.fromCharCode(accelerator.character + 96))
                return accelerator.id;
        }
        return null;
    }

    document.addEventListener("keydown", (event) => {
        if (closed || !game || event.isComposing) return;
        if (!modalLayer.hidden) return;
        if (openMenus.length > 0) {
            menuKey(event);
            return;
        }
        if (event.altKey && !event.ctrlKey && event.key.length === 1) {
            const top = topMenus.find((entry) => entry.mnemonic === event.key.toLowerCase());
            if (top) {
                event.preventDefault();
                openTop(top, true);
                return;
            }
        }
        const id = acceleratorOf(event);
        if (id === null) return;
        event.preventDefault();
        event.stopPropagation();
        postCommand(id);
    }, true);

    // ---- The board: a click counts where the button or the finger is released --------------------

    // The cells laid over the canvas take the releases over them: the same click.
    for (const element of [canvas, cellGrid]) {
        element.addEventListener("pointerup", (event) => {
            if (event.button !== 0 || !modalLayer.hidden || swallowRelease) return;
            const point = devicePointAt(event.clientX, event.clientY);
            if (point) post(() => call("web_click", point[0], point[1]));
        });
    }

    // ---- The board's cells, for keyboards and screen readers -------------------------------------

    // A grid of cells over the board's part of the canvas, which stays the picture. It takes the
    // focus in the page's tab order; the arrow keys move a cursor from cell to cell, Enter or
    // Space places there, and letters read a row, a column, the open cells or the panel aloud.
    // Each cell is named by its column, row and content. The cursor shows only while a key has
    // put the focus there, so a pointer's or a finger's player sees the window picture as it is.
    const cells = [];        // row by row
    let cellSide = 0;
    let cellAreas = [];      // the device pixels of each cell in the back buffer, four numbers each
    let placedCells = "";
    let cursor = 0;          // the index of the cell that takes the focus

    // Called by the game after every paint: where the cells are and what they hold.
    function setCells(areas, names) {
        if (cells.length !== names.length) buildCells(names.length);
        names.forEach((name, i) => {
            if (cells[i].getAttribute("aria-label") !== name) cells[i].setAttribute("aria-label", name);
        });
        cellAreas = areas;
        placeCells();
    }

    function buildCells(count) {
        cellSide = Math.round(Math.sqrt(count));
        cellGrid.replaceChildren();
        cells.length = 0;
        for (let row = 1; row <= cellSide; ++row) {
            const line = document.createElement("div");
            line.setAttribute("role", "row");
            for (let column = 1; column <= cellSide; ++column) {
                const cell = document.createElement("div");
                cell.className = "cell";
                cell.setAttribute("role", "gridcell");
                cell.tabIndex = cells.length === cursor ? 0 : -1;
                cell.place = { column, row };
                line.append(cell);
                cells.push(cell);
            }
            cellGrid.append(line);
        }
        placedCells = "";
    }

    // Puts each cell over its device pixels, on the canvas's CSS pixels (present sizes the
    // canvas at one canvas pixel to a device pixel).
    function placeCells() {
        const scale = devicePixelRatio();
        const key = [scale, ...shown, ...cellAreas].join();
        if (key === placedCells || cellAreas.length !== 4 * cells.length) return;
        placedCells = key;
        cells.forEach((cell, i) => {
            const [x1, y1, x2, y2] = cellAreas.slice(4 * i, 4 * i + 4);
            cell.style.left = (x1 - shown[0]) / scale + "px";
            cell.style.top = (y1 - shown[1]) / scale + "px";
            cell.style.width = (x2 - x1) / scale + "px";
            cell.style.height = (y2 - y1) / scale + "px";
        });
    }

    function moveCursor(column, row) {
        const clamp = (v) => Math.min(cellSide, Math.max(1, v));
        cells[cursor].tabIndex = -1;
        cursor = (clamp(row) - 1) * cellSide + clamp(column) - 1;
        cells[cursor].tabIndex = 0;
        cells[cursor].focus();
    }

    function placeOn({ column, row }) {
        post(() => call("web_place", column, row));
    }

    // The cell a pointer or a screen reader focused becomes the cursor's.
    cellGrid.addEventListener("focusin", (event) => {
        const index = cells.indexOf(event.target);
        if (index < 0 || index === cursor) return;
        cells[cursor].tabIndex = -1;
        cursor = index;
        cells[cursor].tabIndex = 0;
    });

    // A screen reader activates a cell with a click of no pointer.
    cellGrid.addEventListener("click", (event) => {
        const cell = event.target.closest(".cell");
        if (event.detail === 0 && cell && modalLayer.hidden) placeOn(cell.place);
    });

    // The keys on the board: a key the page does not take goes on to the browser.
    cellGrid.addEventListener("keydown", (event) => {
        if (!modalLayer.hidden || event.altKey || event.metaKey || cells.length === 0) return;
        const { column, row } = cells[cursor].place;
        const moves = {
            ArrowLeft: [column - 1, row], ArrowRight: [column + 1, row],
            ArrowUp: [column, row - 1], ArrowDown: [column, row + 1],
            Home: event.ctrlKey ? [1, 1] : [1, row], End: event.ctrlKey ? [cellSide, cellSide] : [cellSide, row],
            PageUp: [column, 1], PageDown: [column, cellSide],
        };
        const reads = {
            r: () => call("web_read_row", row), c: () => call("web_read_column", column),
            l: () => call("web_read_open_cells"), s: () => call("web_read_status"),
        };
        const letter = event.key.length === 1 && !event.ctrlKey && !event.shiftKey ? event.key.toLowerCase() : null;
        if (event.key in moves && (!event.ctrlKey || event.key === "Home" || event.key === "End")) {
            moveCursor(...moves[event.key]);
        } else if ((event.key === "Enter" || event.key === " ") && !event.ctrlKey) {
            placeOn(cells[cursor].place);
        } else if (letter in reads) {
            post(reads[letter]);
        } else {
            return;
        }
        event.preventDefault();
    });

    // ---- Spoken news: a polite live region ------------------------------------------------------

    // Reads `text` once the screen reader is free: every placement with the discs it turned, each
    // message box's text, and what the board's letters ask for. A few lines stay, so that the
    // same text twice is read twice.
    function announce(text) {
        const line = document.createElement("div");
        line.textContent = text;
        announcer.append(line);
        while (announcer.childElementCount > 3) announcer.firstElementChild.remove();
    }

    // A right-button press (or a long touch) changes nothing, as on the desktop: no browser menu.
    windowElement.addEventListener("contextmenu", (event) => event.preventDefault());

    // The close box closes as the menu's close item does, after the input before it.
    windowElement.querySelector(".close-box").addEventListener("click", () => post(() => call("web_close")));

    // ---- Modal boxes ----------------------------------------------------------------------------

    // Shows `box` over the window until `settle` is called; the window takes no input meanwhile.
    function showModal(box) {
        closeMenus();
        modalLayer.replaceChildren(box);
        modalLayer.hidden = false;
    }

    function hideModal() {
        modalLayer.hidden = true;
        modalLayer.replaceChildren();
    }

    function boxFrame(caption) {
        const box = document.createElement("div");
        box.className = "box";
        box.setAttribute("role", "dialog");
        box.setAttribute("aria-modal", "true");
        box.setAttribute("aria-label", caption);
        const bar = document.createElement("div");
        bar.className = "caption";
        bar.textContent = caption;
        box.append(bar);
        return box;
    }

    function button(text, action) {
        const element = document.createElement("button");
        element.type = "button";
        element.textContent = text;
        element.addEventListener("click", action);
        return element;
    }

    // How a message box shows its icon, a MessageIcon; null for none.
    function iconLook(icon) {
        if (icon === MessageIcon.Information) return { name: "information", glyph: "i" };
        if (icon === MessageIcon.Warning) return { name: "warning", glyph: "!" };
        return null;
    }

    function showMessage(text, caption, icon) {
        return new Promise((resolve) => {
            const box = boxFrame(caption);
            box.classList.add("message");
            const body = document.createElement("div");
            body.className = "body";
            const look = iconLook(icon);
            if (look) {
                const mark = document.createElement("span");
                mark.className = "icon " + look.name;
                mark.textContent = look.glyph;
                body.append(mark);
            }
            const words = document.createElement("span");
            words.className = "text";
            words.textContent = text;
            body.append(words);
            const done = () => {
                hideModal();
                resolve();
            };
            const ok = button("OK", done);
            const buttons = document.createElement("div");
            buttons.className = "buttons";
            buttons.append(ok);
            box.append(body, buttons);
            announce(text);
            box.addEventListener("keydown", (event) => {
                if (event.key === "Enter" || event.key === "Escape" || event.key === " ") {
                    event.preventDefault();
                    done();
                }
            });
            showModal(box);
            ok.focus();
        });
    }

    // ---- Files ----------------------------------------------------------------------------------

    // The name box in place of a save dialog: the name, the type list, save or cancel. Answers the
    // chosen name, or null.
    function askName(title, suggested, filters, extension) {
        return new Promise((resolve) => {
            const box = boxFrame(title);
            const field = document.createElement("div");
            field.className = "body field";
            const nameLabel = document.createElement("label");
            nameLabel.textContent = "ファイル名:";
            const name = document.createElement("input");
            name.type = "text";
            name.value = suggested;
            nameLabel.htmlFor = name.id = "discada-save-name";
            const typeLabel = document.createElement("label");
            typeLabel.textContent = "ファイルの種類:";
            const type = document.createElement("select");
            typeLabel.htmlFor = type.id = "discada-save-type";
            for (const filter of filters) type.append(new Option(filter[0], filter[1]));
            field.append(nameLabel, name, typeLabel, type);
            const finish = (answer) => {
                hideModal();
                resolve(answer);
            };
            const save = () => {
                let chosen = name.value.trim().replace(/[\\/]/g, "_");
                if (chosen === "" || chosen === "." || chosen === "..") return;
                // A name typed without an extension gets the default one, as in a save dialog.
                if (!/\.[^.]+$/.test(chosen) && extension) chosen += "." + extension;
                finish(chosen);
            };
            const buttons = document.createElement("div");
            buttons.className = "buttons";
            buttons.append(button("保存(S)", save), button("キャンセル", () => finish(null)));
            box.append(field, buttons);
            box.addEventListener("keydown", (event) => {
                if (event.key === "Enter") {
                    event.preventDefault();
                    save();
                } else if (event.key === "Escape") {
                    event.preventDefault();
                    finish(null);
                }
            });
            showModal(box);
            name.focus();
            const dot = suggested.lastIndexOf(".");
            name.setSelectionRange(0, dot > 0 ? dot : suggested.length);
        });
    }

    function filtersOf(text) {
        return text.split("\n").filter(Boolean).map((line) => line.split("\t"));
    }

    // Where each chosen save goes, the browser's file or a download's name, by the number its
    // dialog answered, until its bytes come. The game saves one record at a time: a place whose
    // bytes never came is dropped by the next dialog.
    const saveTargets = new Map();
    let lastSaveTarget = 0;

    function chosenSave(name, place) {
        saveTargets.set(++lastSaveTarget, place);
        return { outcome: FileChoiceOutcome.Chosen, name, target: lastSaveTarget };
    }

    // Asks where to save. Answers the outcome (a FileChoiceOutcome) and, when chosen, the name and
    // the number of the place chosen.
    async function chooseSave(title, suggested, filtersText, extension) {
        saveTargets.clear();
        const filters = filtersOf(filtersText);
        if (typeof window.showSaveFilePicker === "function") {
            try {
                const handle = await window.showSaveFilePicker({
                    suggestedName: suggested,
                    types: filters.filter((f) => f[1] !== "*.*").map((f) => ({
                        description: f[0],
                        accept: { "text/plain": [f[1].replace("*", "")] },
                    })),
                });
                return chosenSave(handle.name, { handle });
            } catch (error) {
                if (error.name === "AbortError") return { outcome: FileChoiceOutcome.Cancelled };
                // Refused (no user gesture, a sandboxed frame): the name box serves instead.
            }
        }
        const name = await askName(title, suggested, filters, extension);
        if (name === null) return { outcome: FileChoiceOutcome.Cancelled };
        return chosenSave(name, { name });
    }

    // Puts the saved bytes where the save dialog that answered `number` chose: into the chosen
    // file, or as a download of that name.
    async function deliverSave(number, bytes) {
        const target = saveTargets.get(number);
        saveTargets.delete(number);
        if (!target) return false;
        if (target.handle) {
            try {
                const writable = await target.handle.createWritable();
                await writable.write(bytes);
                await writable.close();
                return true;
            } catch (error) {
                console.error(error);
                return false;
            }
        }
        const link = document.createElement("a");
        const url = URL.createObjectURL(new Blob([bytes], { type: "text/plain" }));
        link.href = url;
        link.download = target.name;
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(url), 60000);
        return true;
    }

    // Asks for a record file. Answers the outcome (a FileChoiceOutcome) and, when chosen, the
    // file's name and at most `limit` bytes from its start: a huge file is never read further than
    // the game reads.
    function chooseOpen(limit) {
        return new Promise((resolve) => {
            let settled = false;
            let chosen = false;
            const settle = (answer) => {
                if (settled) return;
                settled = true;
                fileInput.onchange = fileInput.oncancel = null;
                window.removeEventListener("focus", onFocus);
                hideModal();
                resolve(answer);
            };
            fileInput.value = "";
            fileInput.onchange = async () => {
                chosen = true;
                const file = fileInput.files[0];
                if (!file) {
                    settle({ outcome: FileChoiceOutcome.Cancelled });
                    return;
                }
                try {
                    const bytes = new Uint8Array(await file.slice(0, limit).arrayBuffer());
                    const name = file.name.replace(/[\\/]/g, "_").replace(/^\.*$/, "record.txt");
                    settle({ outcome: FileChoiceOutcome.Chosen, name, bytes });
                } catch (error) {
                    settle({ outcome: FileChoiceOutcome.Failed });
                }
            };
            fileInput.oncancel = () => settle({ outcome: FileChoiceOutcome.Cancelled });
            // Browsers that send no cancel event for a file input: the page gets the focus back
            // and no file comes.
            const onFocus = () => setTimeout(() => {
                if (!chosen) settle({ outcome: FileChoiceOutcome.Cancelled });
            }, 1500);
            window.addEventListener("focus", onFocus);
            showModal(document.createElement("div"));
            fileInput.click();
        });
    }

    // Does the page's folder hold `name`? Asked of a web server by a request for it; for a page
    // opened from a file, by an object element, which fails to load what is not there.
    function hasFile(name) {
        if (location.protocol === "http:" || location.protocol === "https:") {
            return fetch(name, { method: "HEAD", cache: "no-store" }).then((r) => r.ok, () => false);
        }
        return new Promise((resolve) => {
            const probe = document.createElement("object");
            probe.style.cssText = "position:absolute;width:0;height:0;visibility:hidden";
            probe.type = "text/plain";
            const finish = (found) => {
                probe.remove();
                resolve(found);
            };
            probe.addEventListener("load", () => finish(true));
            probe.addEventListener("error", () => finish(false));
            probe.data = name;
            document.body.append(probe);
        });
    }

    // Opens `name`, beside the page, in a new tab; false when the browser refused.
    function openDocument(name) {
        const tab = window.open(name, "_blank");
        if (!tab) return false;
        tab.opener = null;
        return true;
    }

    // Makes the page's own font, cut from a Japanese font for exactly the texts the page shows,
    // the first choice of every text, the panel's included.
    async function addFont(bytes) {
        const face = new FontFace(kUiFontFamily, bytes);
        document.fonts.add(face);
        try {
            await face.load();
        } catch (error) {
            console.error(error);
        }
    }

    // ---- Served from a web server: an app that opens offline -------------------------------------

    // A page opened from a file has no worker and asks for no manifest: it is one file. Served
    // over http(s), the site folder beside it holds both; a page that cannot have them still
    // plays.
    function becomeInstallable() {
        if (location.protocol !== "http:" && location.protocol !== "https:") return;
        const manifest = document.createElement("link");
        manifest.rel = "manifest";
        manifest.href = "manifest.webmanifest";
        document.head.append(manifest);
        if (!("serviceWorker" in navigator)) return;
        window.addEventListener("load", () => {
            navigator.serviceWorker.register("sw.js").catch((error) => console.warn(error));
        });
    }

    becomeInstallable();

    // ---- The game in this tab's storage --------------------------------------------------------

    // The game is kept in the tab's sessionStorage, which ends with the tab: a reload, or the
    // browser bringing back a tab it had discarded, finds it there. Storage that is refused or
    // full keeps nothing, and then nothing is restored.
    const kKeptGame = "discada-game";

    function storedGame() {
        try {
            return sessionStorage.getItem(kKeptGame);
        } catch (error) {
            return null;
        }
    }

    function keepGame(text) {
        try {
            sessionStorage.setItem(kKeptGame, text);
        } catch (error) {
            // An older game must not come back instead.
            forgetGame();
        }
    }

    function forgetGame() {
        try {
            sessionStorage.removeItem(kKeptGame);
        } catch (error) {
            console.warn(error);
        }
    }

    // ---- Closing --------------------------------------------------------------------------------

    // The game is over as a closed window's: nothing of it stays on the page.
    function close() {
        if (closed) return;
        closed = true;
        queue.length = 0;
        closeMenus();
        stage.remove();
        fileInput.remove();
        document.title = "";
        if (!running && game) game._web_quit();
    }

    // ---- Start ----------------------------------------------------------------------------------

    async function start(module) {
        game = module;
        ratio = window.devicePixelRatio || 1;
        await call("web_start", ratio);
        started = true;
        fit();
        watchRatio();
        window.addEventListener("resize", fit);
        windowElement.hidden = false;
        if (storedGame() !== null) post(() => call("web_restore"));
        document.body.dataset.ready = "true";
        // From the start of the page's load to the first complete picture, for the benchmark.
        requestAnimationFrame(() => performance.mark("discada-first-picture"));
    }

    // Whether the page still has work of its own: a call of the game that is not waiting for the
    // person (in a box or a dialog), input in the queue, or a paint.
    function busy() {
        return (running && modalLayer.hidden) || queue.length > 0 || paintScheduled;
    }

    // The module's memory in bytes, for the benchmark.
    function heapBytes() {
        return game ? game.HEAP8.buffer.byteLength : 0;
    }

    return {
        busy, heapBytes, pointOf, addFont, defineValue, setBoardArea, setLayout, setTitle, addMenuEntry, addReplayButton, addAccelerator, setMenuState,
        requestRepaint, present, drawText, setCells, announce, listReset, listInsertTop, listDeleteTop, listSelect,
        showReplayButtons, showMessage, chooseSave, chooseOpen, deliverSave, hasFile, openDocument,
        storedGame, keepGame, forgetGame, close, start,
    };
})();

createDiscada().then((module) => DiscadaPage.start(module));
