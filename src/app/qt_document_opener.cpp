#include "app/qt_document_opener.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include "app/qt_text.h"

namespace discada {

bool QtDocumentOpener::open(const std::string& path) {
    auto* run = new QProcess(&runs_);
    // The viewer may outlive the game: it must not write into a pipe that nobody reads.
    run->setProcessChannelMode(QProcess::ForwardedChannels);
    run->setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer since;
    since.start();
    QObject::connect(run, &QProcess::finished, &runs_,
                     [this, run, since](int exitCode, QProcess::ExitStatus status) {
                         run->deleteLater();
                         const bool failed = status != QProcess::NormalExit || exitCode != 0;
                         // Reported once the process object is done with its own signal.
                         if (failed && since.elapsed() <= watch_.count())
                             QTimer::singleShot(0, &runs_, onFailure_);
                     });
    run->start(QStringLiteral("xdg-open"), {QFileInfo(toQString(path)).absoluteFilePath()});
    if (run->waitForStarted()) return true;
    delete run;
    return false;
}

}  // namespace discada
