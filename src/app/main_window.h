#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QListWidget;
class QPushButton;

namespace discada {

class BoardView;
class Clock;
class Discada;
class GameSession;
class DocumentOpener;
class FileChooser;
class MenuCheckStyle;
class MessageSink;
class QtWindowHost;

// The services the window reaches the desktop through. Tests hand in scripted doubles; a null
// entry stands for the real one (message boxes, file dialogs, the desktop viewer, the clock).
struct DesktopServices {
    MessageSink* messages = nullptr;
    FileChooser* files = nullptr;
    DocumentOpener* opener = nullptr;
    Clock* clock = nullptr;
    // Where help looks when the working directory holds no help file; empty: nowhere else.
    std::filesystem::path installedHelpFolder;
};

// The game's one window: the menu bar, the board view with the move list and the replay buttons,
// and the accelerator keys. Every menu item, key and button becomes one command of the game; the
// window keeps no game state of its own.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const DesktopServices& services = {});
    ~MainWindow() override;

    // The menu item of a command id, or null when the menu has none.
    QAction* menuItem(int commandId) const;
    const Discada& game() const;

protected:
    void showEvent(QShowEvent* event) override;
    // Catches the typed character of the load command whatever child of the window has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void buildAcceleratorKeys();
    void placeOnPrimaryScreen();
    void placeFrameOnceKnown();
    void adoptServices(const DesktopServices& services);
    // A key acts through its menu item, so it does nothing while the item is greyed.
    void triggerCommand(int commandId);
    void runCommand(int commandId);

    BoardView* view_ = nullptr;
    QListWidget* moveList_ = nullptr;
    std::array<QPushButton*, 4> replayButtons_{};
    std::map<int, QAction*> menuItems_;
    // The look of the menus' check marks, shared by every menu; a child of the window.
    MenuCheckStyle* menuStyle_ = nullptr;
    // Where the window's outer frame belongs, until the frame has been put there or the time to
    // look for it has passed.
    std::optional<QPoint> centredCorner_;
    QTimer frameWatch_;
    int frameChecks_ = 0;

    // The real desktop services, for the entries a caller left null.
    std::unique_ptr<MessageSink> ownMessages_;
    std::unique_ptr<FileChooser> ownFiles_;
    std::unique_ptr<DocumentOpener> ownOpener_;
    std::unique_ptr<Clock> ownClock_;
    DesktopServices services_;

    // Declared last so the game goes first: it refers to the host and the services.
    std::unique_ptr<QtWindowHost> host_;
    std::unique_ptr<GameSession> session_;
};

}  // namespace discada
