#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <variant>
#include <vector>

#include "game/accelerators.h"

namespace discada {
namespace {

WORD virtualKeyOf(AcceleratorKey key) {
    switch (key) {
        case AcceleratorKey::F1:
            return VK_F1;
        case AcceleratorKey::F2:
            return VK_F2;
        case AcceleratorKey::F10:
            return VK_F10;
        case AcceleratorKey::X:
            break;
    }
    return 'X';
}

// One line per entry: how it is matched (with any modifier), the key or character, the command.
std::string entryLine(const ACCEL& entry) {
    const BYTE matching = entry.fVirt & (FVIRTKEY | FSHIFT | FCONTROL | FALT);
    return std::to_string(matching) + " " + std::to_string(entry.key) + " " +
           std::to_string(entry.cmd);
}

ACCEL tableEntry(const Accelerator& accelerator) {
    ACCEL entry{};
    entry.cmd = static_cast<WORD>(accelerator.commandId);
    if (const auto* key = std::get_if<AcceleratorKey>(&accelerator.trigger)) {
        entry.fVirt = FVIRTKEY;
        entry.key = virtualKeyOf(*key);
    } else {
        entry.key = static_cast<WORD>(std::get<TypedCharacter>(accelerator.trigger).code);
    }
    return entry;
}

TEST(AcceleratorResource, HoldsTheAcceleratorTableEntryForEntry) {
    const HACCEL accelerators = ::LoadAcceleratorsW(::GetModuleHandleW(nullptr), L"MYACCEL");
    ASSERT_NE(accelerators, nullptr);
    std::vector<ACCEL> entries(
        static_cast<std::size_t>(::CopyAcceleratorTableW(accelerators, nullptr, 0)));
    ::CopyAcceleratorTableW(accelerators, entries.data(), static_cast<int>(entries.size()));
    std::vector<std::string> resource;
    for (const ACCEL& entry : entries)
        resource.push_back(entryLine(entry));

    std::vector<std::string> table;
    for (const Accelerator& accelerator : kAccelerators)
        table.push_back(entryLine(tableEntry(accelerator)));
    EXPECT_EQ(resource, table);
}

}  // namespace
}  // namespace discada
