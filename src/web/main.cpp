// The browser program: the game behind a page. The page calls the functions below, one at a
// time: it queues the input that arrives while a call is suspended (the computer's wait, a
// message box, a file dialog) and delivers it afterwards, in order, so the game is never entered
// twice.
#include <emscripten.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <variant>

#include "board/dsc_board.h"
#include "game/accelerators.h"
#include "game/app_info.h"
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
EM_JS(void, pageAddReplayButton, (const char* caption, int id, int x1, int y1, int x2, int y2), {
    DiscadaPage.addReplayButton(UTF8ToString(caption), id, [ x1, y1, x2, y2 ]);
});
EM_JS(void, pageAddAccelerator, (const char* key, int character, int id),
      { DiscadaPage.addAccelerator(UTF8ToString(key), character, id); });
EM_JS(void, pagePresent, (const std::uint32_t* pixels, int width, int height), {
    DiscadaPage.present(HEAPU8.subarray(pixels, pixels + 4 * width * height), width, height);
});
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
                            button.area.y1, button.area.x2, button.area.y2);
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

// Everything the page's game is made of; created by start, destroyed when the game is closed.
class WebProgram {
public:
    explicit WebProgram(double ratio)
        : host_([this] { paint(); }),
          files_(kRecordReadLimit),
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

    void command(int id) { session_.command(static_cast<std::uint32_t>(id)); }
    void click(int x, int y) { session_.click(x, y); }

    void setRatio(double ratio) {
        if (ratio == backBuffer_.ratio()) return;
        backBuffer_ = WebSurface(kBackBufferWidth, kBackBufferHeight, ratio);
        sheet_ = discSheet(ratio);
        paint();
    }

    void paint() {
        if (session_.closed()) return;
        session_.paint(backBuffer_, sheet_);
        pagePresent(backBuffer_.pixels().data(), backBuffer_.deviceWidth(),
                    backBuffer_.deviceHeight());
        for (const WebSurface::Text& text : backBuffer_.takeTexts()) {
            pageDrawText(text.area.x1, text.area.y1, text.area.x2, text.area.y2, text.text.c_str());
        }
    }

    bool closed() const { return session_.closed(); }
    void close() { session_.close(); }

private:
    PageFolder pageFolder_;
    WebClock clock_;
    WebWindowHost host_;
    WebFileChooser files_;
    WebDocumentOpener opener_;
    GameSession session_;
    WebSurface backBuffer_;
    WebSurface sheet_;
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

EMSCRIPTEN_KEEPALIVE void web_command(int id) {
    if (program) program->command(id);
}

EMSCRIPTEN_KEEPALIVE void web_click(int x, int y) {
    if (program) program->click(x, y);
}

EMSCRIPTEN_KEEPALIVE void web_set_ratio(double ratio) {
    if (program) program->setRatio(ratio);
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
