// The browser program: the game behind a page. The page calls the functions below, one at a
// time: it queues the input that arrives while a call is suspended (the computer's wait, a
// message box, a file dialog) and delivers it afterwards, in order, so the game is never entered
// twice.
#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <variant>

#include "board/dsc_board.h"
#include "board/grid_pixels.h"
#include "game/accelerators.h"
#include "game/app_info.h"
#include "game/board_words.h"
#include "game/game_session.h"
#include "game/menu_bar.h"
#include "game/window_layout.h"
#include "record/record_text.h"
#include "web/disc_sheet.h"
#include "web/page_values.h"
#include "web/web_clock.h"
#include "web/web_document_opener.h"
#include "web/web_file_chooser.h"
#include "web/web_surface.h"
#include "web/web_window_host.h"

namespace discada {

namespace {

EM_JS(void, pageSetTitle, (const char* title), { DiscadaPage.setTitle(UTF8ToString(title)); });
EM_JS(void, pageSetLayout,
      (int outerWidth, int outerHeight, int clientWidth, int clientHeight, int listX1, int listY1,
       int listX2, int listY2),
      {
          DiscadaPage.setLayout(outerWidth, outerHeight, clientWidth, clientHeight,
                                [ listX1, listY1, listX2, listY2 ]);
      });
EM_JS(void, pageSetBoardArea, (int x1, int y1, int x2, int y2),
      { DiscadaPage.setBoardArea(x1, y1, x2, y2); });
EM_JS(void, pageAddMenuEntry, (int kind, int id, const char* text),
      { DiscadaPage.addMenuEntry(kind, id, UTF8ToString(text)); });
EM_JS(void, pageAddReplayButton,
      (const char* caption, int id, int x1, int y1, int x2, int y2, const char* spokenName), {
          DiscadaPage.addReplayButton(UTF8ToString(caption), id, [ x1, y1, x2, y2 ],
                                      UTF8ToString(spokenName));
      });
EM_JS(void, pageAddAccelerator, (const char* key, int character, int id),
      { DiscadaPage.addAccelerator(UTF8ToString(key), character, id); });
EM_JS(void, pagePresent,
      (const std::uint32_t* pixels, int width, int height, int x1, int y1, int x2, int y2), {
          DiscadaPage.present(HEAPU8.subarray(pixels, pixels + 4 * width * height), width, height,
                              [ x1, y1, x2, y2 ]);
      });
// The 64 cells row by row: their device pixels in the back buffer, four numbers each, and their
// names, a line each.
EM_JS(void, pageSetCells, (const int* areas, const char* names), {
    DiscadaPage.setCells(Array.from(HEAP32.subarray(areas >> 2, (areas >> 2) + 256)),
                         UTF8ToString(names).split("\n"));
});
// The game the page keeps in this tab's storage, allocated; none when it keeps none.
EM_JS(char*, pageStoredGame, (), {
    const text = DiscadaPage.storedGame();
    return text ? allocateUTF8(text) : 0;
});
EM_JS(void, pageKeepGame, (const char* text), { DiscadaPage.keepGame(UTF8ToString(text)); });
EM_JS(void, pageForgetGame, (), { DiscadaPage.forgetGame(); });
EM_JS(void, pageDrawText, (int x1, int y1, int x2, int y2, const char* text), {
    DiscadaPage.drawText([ x1, y1, x2, y2 ], UTF8ToString(text));
});
EM_JS(void, pageClose, (), { DiscadaPage.close(); });
EM_ASYNC_JS(void, pageAddFont, (const char* bytes, int length),
            { await DiscadaPage.addFont(HEAPU8.slice(bytes, bytes + length)); });

// The page's Japanese font, embedded in the module's own file system.
constexpr const char* kUiFontPath = "/ui_font.otf";

void addUiFont() {
    std::ifstream in(kUiFontPath, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    pageAddFont(bytes.data(), static_cast<int>(bytes.size()));
}

// The key names the page matches KeyboardEvent.key against.
const char* keyName(AcceleratorKey key) {
    switch (key) {
        case AcceleratorKey::F1:
            return "F1";
        case AcceleratorKey::F2:
            return "F2";
        case AcceleratorKey::F10:
            return "F10";
        case AcceleratorKey::X:
            return "x";
    }
    return "";
}

// Tells the page what the window holds: its size, the move list, the replay buttons, the menu
// bar and the accelerator keys, all from the tables every front end shares.
void describeWindow() {
    pageSetTitle(std::string(kAppName).c_str());
    pageSetLayout(kWindowOuterWidth, kWindowOuterHeight, kClientWidth, kClientHeight,
                  kMoveListArea.x1, kMoveListArea.y1, kMoveListArea.x2, kMoveListArea.y2);
    // The board's area, which a phone's layout shows on its own.
    const DscBoard board;
    pageSetBoardArea(board.left(), board.top(), board.left() + board.totalWidth(),
                     board.top() + board.totalHeight());
    for (const ReplayButton& button : kReplayButtons) {
        pageAddReplayButton(std::string(button.caption).c_str(), button.commandId, button.area.x1,
                            button.area.y1, button.area.x2, button.area.y2,
                            std::string(button.spokenName).c_str());
    }
    for (const MenuEntry& entry : kMenuBar)
        pageAddMenuEntry(static_cast<int>(entry.kind), entry.commandId, menuText(entry).c_str());
    for (const Accelerator& accelerator : kAccelerators) {
        if (const auto* key = std::get_if<AcceleratorKey>(&accelerator.trigger))
            pageAddAccelerator(keyName(*key), 0, accelerator.commandId);
        else
            pageAddAccelerator("",
                               static_cast<int>(std::get<TypedCharacter>(accelerator.trigger).code),
                               accelerator.commandId);
    }
}

constexpr int kCellCount = kBoardSize * kBoardSize;

// Everything the page's game is made of; created by start, destroyed when the game is closed.
// The game is kept in the page's storage for this tab whenever its call may be suspended (the
// computer's wait, a box, a dialog) and after each call: a reload can come only then.
class WebProgram {
public:
    explicit WebProgram(double ratio)
        : clock_([this] { keep(); }),
          host_([this] { paint(); }, [this] { keep(); }),
          files_(kRecordReadLimit, [this] { keep(); }),
          session_({.window = host_,
                    .files = files_,
                    .clock = clock_,
                    .opener = opener_,
                    // After closing nothing reaches the page any more.
                    .close =
                        [this] {
                            host_.detach();
                            pageClose();
                        },
                    .beforeHelp = [this] { pageFolder_.refreshHelpFile(); }}),
          backBuffer_(kBackBufferWidth, kBackBufferHeight, ratio),
          sheet_(discSheet(ratio)) {}

    void start() {
        session_.start();
        paint();
    }

    // Puts back the game kept for this tab, when there is one that makes sense; otherwise the
    // new game stays.
    void restore() {
        const std::unique_ptr<char, decltype(&std::free)> stored(pageStoredGame(), &std::free);
        if (stored) static_cast<void>(session_.restore(stored.get()));
        keep();
    }

    void command(int id) {
        session_.command(static_cast<std::uint32_t>(id));
        keep();
    }

    // A release at device pixel (x, y) of the back buffer.
    void click(int x, int y) {
        const PixelScale scale = backBuffer_.scale();
        if (x >= 0 && y >= 0) static_cast<void>(session_.click(scale.logical(x), scale.logical(y)));
        keep();
    }

    void place(int column, int row) {
        static_cast<void>(session_.place({column, row}));
        keep();
    }

    // What a screen reader reads on request.
    void readRow(int row) { host_.announce(rowWords(board(), row)); }
    void readColumn(int column) { host_.announce(columnWords(board(), column)); }
    void readOpenCells() { host_.announce(openCellsWords(session_.game().match())); }
    void readStatus() { host_.announce(statusWords(session_.game().statusText())); }

    // Draws at `ratio` device pixels a window pixel, of which the page shows the window area
    // `view`.
    void setView(double ratio, const Rect& view) {
        view_ = view;
        if (ratio != backBuffer_.ratio()) {
            backBuffer_ = WebSurface(kBackBufferWidth, kBackBufferHeight, ratio);
            sheet_ = discSheet(ratio);
        }
        paint();
    }

    // The device pixel edge nearest window coordinate `x`.
    int deviceEdge(int x) const { return backBuffer_.scale().pixels(x); }

    void paint() {
        if (session_.closed()) return;
        session_.paint(backBuffer_, sheet_);
        const Rect shown = backBuffer_.scale().pixels(view_);
        pagePresent(backBuffer_.pixels().data(), backBuffer_.deviceWidth(),
                    backBuffer_.deviceHeight(), shown.x1, shown.y1, shown.x2, shown.y2);
        for (const WebSurface::Text& text : backBuffer_.takeTexts()) {
            pageDrawText(text.area.x1, text.area.y1, text.area.x2, text.area.y2, text.text.c_str());
        }
        tellCells();
    }

    bool closed() const { return session_.closed(); }
    void close() {
        session_.close();
        keep();
    }

private:
    const DscBoard& board() const { return session_.game().match().board(); }

    // Where each cell stands on the back buffer's device pixels and what it holds, for the
    // page's grid of cells over the canvas, which keyboards and screen readers use.
    void tellCells() {
        const GridPixels grid = board().gridPixels(backBuffer_.scale());
        std::array<int, 4 * kCellCount> areas{};
        std::string names;
        auto area = areas.begin();
        for (std::int32_t row = 1; row <= kBoardSize; ++row) {
            for (std::int32_t column = 1; column <= kBoardSize; ++column) {
                const Rect cell = grid.cell(column, row);
                area = std::copy_n(std::array{cell.x1, cell.y1, cell.x2, cell.y2}.begin(), 4, area);
                if (!names.empty()) names += '\n';
                names += cellWords(board(), {column, row});
            }
        }
        pageSetCells(areas.data(), names.c_str());
    }

    // Closed, the game is gone for good: a reload starts a new one.
    void keep() {
        if (session_.closed())
            pageForgetGame();
        else
            pageKeepGame(session_.snapshot().c_str());
    }

    PageFolder pageFolder_;
    WebClock clock_;
    WebWindowHost host_;
    WebFileChooser files_;
    WebDocumentOpener opener_;
    GameSession session_;
    WebSurface backBuffer_;
    WebSurface sheet_;
    // The window area the page shows: the whole window, or the board on a phone.
    Rect view_{0, 0, kBackBufferWidth, kBackBufferHeight};
};

std::unique_ptr<WebProgram> program;

}  // namespace

}  // namespace discada

using discada::program;

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_start(double ratio) {
    if (program) return;
    discada::addUiFont();
    // The page knows the values it is sent before anything is sent.
    discada::tellPageValues();
    // The menu is there before the game sets the level's check mark.
    discada::describeWindow();
    program = std::make_unique<discada::WebProgram>(ratio);
    program->start();
}

// After start, when the page keeps a game for this tab.
EMSCRIPTEN_KEEPALIVE void web_restore() {
    if (program) program->restore();
}

EMSCRIPTEN_KEEPALIVE void web_command(int id) {
    if (program) program->command(id);
}

// A release at device pixel (x, y) of the back buffer.
EMSCRIPTEN_KEEPALIVE void web_click(int x, int y) {
    if (program) program->click(x, y);
}

EMSCRIPTEN_KEEPALIVE void web_place(int column, int row) {
    if (program) program->place(column, row);
}

EMSCRIPTEN_KEEPALIVE void web_read_row(int row) {
    if (program) program->readRow(row);
}

EMSCRIPTEN_KEEPALIVE void web_read_column(int column) {
    if (program) program->readColumn(column);
}

EMSCRIPTEN_KEEPALIVE void web_read_open_cells() {
    if (program) program->readOpenCells();
}

EMSCRIPTEN_KEEPALIVE void web_read_status() {
    if (program) program->readStatus();
}

EMSCRIPTEN_KEEPALIVE void web_set_view(double ratio, int x1, int y1, int x2, int y2) {
    if (program) program->setView(ratio, {x1, y1, x2, y2});
}

EMSCRIPTEN_KEEPALIVE int web_device_edge(int x) {
    return program ? program->deviceEdge(x) : x;
}

EMSCRIPTEN_KEEPALIVE void web_paint() {
    if (program) program->paint();
}

// The window's close box: the same close as the menu's.
EMSCRIPTEN_KEEPALIVE void web_close() {
    if (program) program->close();
}

// After a close, once the call that closed has returned: the game ends as the process would.
EMSCRIPTEN_KEEPALIVE void web_quit() {
    if (program && program->closed()) program.reset();
}
}
