#include "app/qt_file_chooser.h"

#include <QFileDialog>
#include <QStringList>

#include "app/qt_text.h"

namespace discada {

namespace {

// One entry of the dialog's type list. The dialog shows the description as written, for example
// "All files(*.*)", and filters by the patterns in a last pair of parentheses that it hides. "*.*"
// means every file, as on the desktop the game began on; here that is "*", since "*.*" would
// hide names without a dot.
QString nameFilter(const FileFilter& filter) {
    const QString pattern =
        filter.pattern == "*.*" ? QStringLiteral("*") : toQString(filter.pattern);
    return toQString(filter.description) + QLatin1Char('(') + pattern + QLatin1Char(')');
}

}  // namespace

FileChoice QtFileChooser::choose(const FileRequest& request) {
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << nameFilter(filter);

    QFileDialog dialog(&owner_, toQString(request.title), toQString(request.initialPath));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(toQString(request.defaultExtension));
    if (request.kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {FileChoiceOutcome::Cancelled, {}};
    }
    return {FileChoiceOutcome::Chosen, toUtf8(dialog.selectedFiles().constFirst())};
}

}  // namespace discada
