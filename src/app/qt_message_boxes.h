#pragma once

#include "app/message_sink.h"

class QWidget;

namespace discada {

// Modal message boxes with one OK button, owned by the main window.
class QtMessageBoxes final : public MessageSink {
public:
    explicit QtMessageBoxes(QWidget& owner) : owner_(owner) {}

    void show(std::string_view text, std::string_view caption, MessageIcon icon) override;

private:
    QWidget& owner_;
};

}  // namespace discada
