#include "app/dialog_translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace discada {

bool installDialogTranslation(QCoreApplication& application, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_ja"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace discada
