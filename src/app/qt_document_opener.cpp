#include "app/qt_document_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "app/qt_text.h"

namespace discada {

bool QtDocumentOpener::open(const std::string& path) {
    const QFileInfo file(toQString(path));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

}  // namespace discada
