#pragma once

#include <array>
#include <string_view>
#include <variant>

#include "game/commands.h"

namespace discada {

// The keys the accelerators are matched by; each front end maps them to its own key codes.
enum class AcceleratorKey { F1, F2, F10, X };

// A character the keyboard types, matched whatever keys typed it (with or without Shift or Alt).
struct TypedCharacter {
    char32_t code;
};

// One accelerator: a key pressed without Shift, Ctrl or Alt (Shift+X does not close the
// window), or a typed character. The accelerators act whatever control has the focus.
struct Accelerator {
    std::variant<AcceleratorKey, TypedCharacter> trigger;
    int commandId;
    // The key as the menu item of the command names it after a tab; empty: the item names none.
    std::string_view menuHint;
};

// In the order of the accelerator table MYACCEL of the Windows program.
inline constexpr auto kAccelerators = std::to_array<Accelerator>({
    {AcceleratorKey::F1, command::kHelp, "F1"},
    {AcceleratorKey::F2, command::kNewGameAsBlack, "F2"},
    {AcceleratorKey::F10, command::kUndo, "F10"},
    {AcceleratorKey::X, command::kClose, ""},
    // Ctrl+O types 0x0F.
    {TypedCharacter{0x0F}, command::kLoadRecord, "Ctrl+O"},
});

}  // namespace discada
