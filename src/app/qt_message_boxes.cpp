#include "app/qt_message_boxes.h"

#include <QMessageBox>

#include "app/qt_text.h"

namespace discada {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageBoxes::show(std::string_view text, std::string_view caption, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), toQString(caption), toQString(text), QMessageBox::Ok, &owner_);
    // The game's texts are plain; nothing in them is markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace discada
