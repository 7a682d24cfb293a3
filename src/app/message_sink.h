#pragma once

#include <string_view>

#include "platform/window_host.h"

namespace discada {

// Where the window's modal message boxes go: real boxes in the program, a recorder in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;

    // Returns when the user has closed the box.
    virtual void show(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
};

}  // namespace discada
