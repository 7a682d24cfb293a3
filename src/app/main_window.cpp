#include "app/main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <variant>

#include "app/board_view.h"
#include "app/menu_check_style.h"
#include "app/qt_document_opener.h"
#include "app/qt_file_chooser.h"
#include "app/qt_message_boxes.h"
#include "app/qt_rect.h"
#include "app/qt_text.h"
#include "app/qt_window_host.h"
#include "game/accelerators.h"
#include "game/app_info.h"
#include "game/game_session.h"
#include "game/help_command.h"
#include "game/menu_bar.h"
#include "game/window_layout.h"
#include "platform/system_clock.h"

namespace discada {

namespace {

// Once the window is on the screen it looks for its frame this often, for one second at most.
constexpr int kFrameCheckIntervalMs = 10;
constexpr int kFrameChecks = 100;

// Caption, fixed bar and minimise box only: no maximise box, no sizing border.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

Qt::Key qtKeyOf(AcceleratorKey key) {
    switch (key) {
        case AcceleratorKey::F1:
            return Qt::Key_F1;
        case AcceleratorKey::F2:
            return Qt::Key_F2;
        case AcceleratorKey::F10:
            return Qt::Key_F10;
        case AcceleratorKey::X:
            break;
    }
    return Qt::Key_X;
}

// The list shows whole rows only, as a list box does that fits its height to its rows: its height
// shrinks to the most rows the given height holds.
void fitWholeRows(QListWidget& list) {
    list.ensurePolished();
    // Every entry is as high as this one.
    list.addItem(QStringLiteral("60手目 白(8, 8)"));
    const int rowHeight = list.sizeHintForRow(0);
    list.clear();
    const int frame = 2 * list.frameWidth();
    const int rows = (list.height() - frame) / rowHeight;
    list.resize(list.width(), rows * rowHeight + frame);
}

// The command of the accelerator whose character a key pressed in a widget of `window` types;
// 0 for none.
int typedAcceleratorCommand(const QWidget& window, const QObject& receiver, const QEvent& event) {
    if (event.type() != QEvent::KeyPress || !receiver.isWidgetType()) return 0;
    if (static_cast<const QWidget&>(receiver).window() != &window) return 0;
    const QString typed = static_cast<const QKeyEvent&>(event).text();
    for (const Accelerator& accelerator : kAccelerators) {
        const auto* character = std::get_if<TypedCharacter>(&accelerator.trigger);
        if (character != nullptr && typed == QString::fromUcs4(&character->code, 1))
            return accelerator.commandId;
    }
    return 0;
}

template <typename Interface, typename Real, typename... Args>
Interface* realIfNull(Interface* given, std::unique_ptr<Interface>& own, Args&... args) {
    if (given != nullptr) return given;
    own = std::make_unique<Real>(args...);
    return own.get();
}

}  // namespace

MainWindow::MainWindow(const DesktopServices& services) : QMainWindow(nullptr, kWindowFlags) {
    setWindowTitle(toQString(kAppName));
    view_ = new BoardView(this);
    setCentralWidget(view_);
    buildControls();
    buildMenu();
    buildAcceleratorKeys();
    adoptServices(services);

    host_ = std::make_unique<QtWindowHost>(*services_.messages, *view_, *moveList_, replayButtons_,
                                           menuItems_);
    session_ = std::make_unique<GameSession>(FrontEnd{
        .window = *host_,
        .files = *services_.files,
        .clock = *services_.clock,
        .opener = *services_.opener,
        .installedHelpFolder = services.installedHelpFolder,
        // Closing the main window ends the program.
        .close = [this] { close(); },
    });
    view_->setSession(session_.get());
    session_->start();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    placeOnPrimaryScreen();
}

MainWindow::~MainWindow() {
    view_->setSession(nullptr);
}

const Discada& MainWindow::game() const {
    return session_->game();
}

QAction* MainWindow::menuItem(int commandId) const {
    const auto found = menuItems_.find(commandId);
    return found == menuItems_.end() ? nullptr : found->second;
}

void MainWindow::adoptServices(const DesktopServices& services) {
    QWidget& owner = *this;
    services_.messages =
        realIfNull<MessageSink, QtMessageBoxes>(services.messages, ownMessages_, owner);
    services_.files = realIfNull<FileChooser, QtFileChooser>(services.files, ownFiles_, owner);
    // xdg-open can fail after the help command has returned; the box then comes from the loop.
    auto viewerFailed = [this] { showViewerFailure(*host_); };
    services_.opener =
        realIfNull<DocumentOpener, QtDocumentOpener>(services.opener, ownOpener_, viewerFailed);
    services_.clock = realIfNull<Clock, SystemClock>(services.clock, ownClock_);
}

void MainWindow::buildControls() {
    moveList_ = new QListWidget(view_);
    moveList_->setObjectName(QStringLiteral("moveList"));
    moveList_->setGeometry(toQRect(kMoveListArea));
    moveList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    moveList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    moveList_->setSelectionMode(QAbstractItemView::SingleSelection);
    moveList_->setUniformItemSizes(true);
    fitWholeRows(*moveList_);

    for (std::size_t i = 0; i < replayButtons_.size(); ++i) {
        const ReplayButton& replay = kReplayButtons[i];
        auto* button = new QPushButton(toQString(replay.caption), view_);
        button->setGeometry(toQRect(replay.area));
        button->hide();
        const int id = replay.commandId;
        connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id); });
        replayButtons_[i] = button;
    }
}

void MainWindow::buildMenu() {
    menuStyle_ = new MenuCheckStyle();
    menuStyle_->setParent(this);
    QMenu* menu = nullptr;
    QMenu* subMenu = nullptr;
    for (const MenuEntry& entry : kMenuBar) {
        QMenu* current = subMenu != nullptr ? subMenu : menu;
        switch (entry.kind) {
            case MenuEntryKind::Menu:
                menu = menuBar()->addMenu(toQString(entry.label));
                menu->setStyle(menuStyle_);
                break;
            case MenuEntryKind::SubMenu:
                subMenu = menu->addMenu(toQString(entry.label));
                subMenu->setStyle(menuStyle_);
                break;
            case MenuEntryKind::EndSubMenu:
                subMenu = nullptr;
                break;
            case MenuEntryKind::Separator:
                current->addSeparator();
                break;
            case MenuEntryKind::Item:
            case MenuEntryKind::CheckItem: {
                QAction* action = current->addAction(toQString(menuText(entry)));
                action->setCheckable(entry.kind == MenuEntryKind::CheckItem);
                const int id = entry.commandId;
                connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
                menuItems_[id] = action;
                break;
            }
        }
    }
}

// A key acts only without Shift, Ctrl or Alt: a shortcut of the bare key. The typed characters
// are caught by the event filter.
void MainWindow::buildAcceleratorKeys() {
    for (const Accelerator& accelerator : kAccelerators) {
        const auto* key = std::get_if<AcceleratorKey>(&accelerator.trigger);
        if (key == nullptr) continue;
        auto* shortcut = new QShortcut(QKeySequence(qtKeyOf(*key)), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = accelerator.commandId;
        connect(shortcut, &QShortcut::activated, this, [this, id] { triggerCommand(id); });
    }
    qApp->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const int commandId = typedAcceleratorCommand(*this, *watched, *event);
    if (commandId == 0) return QMainWindow::eventFilter(watched, event);
    triggerCommand(commandId);
    return true;
}

void MainWindow::placeOnPrimaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const WindowPosition at =
        centredWindowPosition(screen->size().width(), screen->size().height());
    centredCorner_ = QPoint(at.x, at.y);
    move(*centredCorner_);
    frameWatch_.setInterval(kFrameCheckIntervalMs);
    connect(&frameWatch_, &QTimer::timeout, this, &MainWindow::placeFrameOnceKnown);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centredCorner_ && !frameWatch_.isActive()) frameWatch_.start();
}

// A window manager frames the window only after it is shown, and announces the frame's size
// before or after the first move: nothing tells the widget, whose own idea of its frame is
// refreshed only by the next move, so the window asks its native window. Once the frame is
// known, the frame, not the area inside it, goes to the centred corner, once; afterwards the
// window stays where the user puts it. Without a window manager no frame appears and the window
// stays where it is. A busy manager may take seconds to show the window and report a frame half
// made meanwhile: the frame counts only once the window is on the screen.
void MainWindow::placeFrameOnceKnown() {
    if (!windowHandle()->isExposed()) return;
    const QMargins frame = windowHandle()->frameMargins();
    if (!frame.isNull()) {
        windowHandle()->setPosition(*centredCorner_ + QPoint(frame.left(), frame.top()));
    } else if (++frameChecks_ < kFrameChecks) {
        return;
    }
    frameWatch_.stop();
    centredCorner_.reset();
}

void MainWindow::triggerCommand(int commandId) {
    if (QAction* action = menuItem(commandId)) {
        action->trigger();
    } else {
        runCommand(commandId);
    }
}

void MainWindow::runCommand(int commandId) {
    session_->command(static_cast<std::uint32_t>(commandId));
}

}  // namespace discada
