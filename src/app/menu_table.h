#pragma once

#include <QKeyCombination>
#include <array>
#include <string_view>

#include "game/commands.h"
#include "game/menu_bar.h"

namespace discada {

// The accelerator keys. They act whatever child has the focus, and only with exactly these
// modifiers: Shift+X does not close the window.
struct AcceleratorKey {
    QKeyCombination key;
    int commandId;
};

inline constexpr auto kAcceleratorKeys = std::to_array<AcceleratorKey>({
    {QKeyCombination(Qt::Key_F1), command::kHelp},
    {QKeyCombination(Qt::Key_F2), command::kNewGameAsBlack},
    {QKeyCombination(Qt::Key_F10), command::kUndo},
    {QKeyCombination(Qt::Key_X), command::kClose},
    {QKeyCombination(Qt::ControlModifier, Qt::Key_O), command::kLoadRecord},
});

}  // namespace discada
