#pragma once

#include <QKeyCombination>
#include <array>
#include <string_view>

#include "game/commands.h"
#include "game/menu_bar.h"

namespace discada {

// The accelerator keys matched by key. They act whatever child has the focus, and only without
// Shift, Ctrl or Alt: Shift+X does not close the window.
struct AcceleratorKey {
    QKeyCombination key;
    int commandId;
};

inline constexpr auto kAcceleratorKeys = std::to_array<AcceleratorKey>({
    {QKeyCombination(Qt::Key_F1), command::kHelp},
    {QKeyCombination(Qt::Key_F2), command::kNewGameAsBlack},
    {QKeyCombination(Qt::Key_F10), command::kUndo},
    {QKeyCombination(Qt::Key_X), command::kClose},
});

// The accelerator matched by the character a key types rather than by the key: 0x0F, which
// Ctrl+O types, with or without Shift or Alt.
struct CharacterAccelerator {
    char16_t character;
    int commandId;
};

inline constexpr CharacterAccelerator kLoadRecordAccelerator{0x0F, command::kLoadRecord};

}  // namespace discada
