#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

namespace discada {

// Puts Qt's own Japanese texts into the standard dialogs and buttons ("キャンセル", the file
// dialog's labels, the overwrite question), whatever the system's language: the rest of the
// program speaks Japanese too. Returns false, leaving Qt's English texts, when `folder` holds no
// Japanese translation of Qt.
bool installDialogTranslation(
    QCoreApplication& application,
    const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace discada
