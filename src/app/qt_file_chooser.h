#pragma once

#include "platform/file_chooser.h"

class QWidget;

namespace discada {

// The desktop's open and save dialogs, modal to the main window.
class QtFileChooser final : public FileChooser {
public:
    explicit QtFileChooser(QWidget& owner) : owner_(owner) {}

    FileChoice choose(const FileRequest& request) override;

private:
    QWidget& owner_;
};

}  // namespace discada
