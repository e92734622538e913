#include "TSimProzess.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

TSimProzess::TSimProzess(const QString& home, const QString& geraet, const QString& link,
                         const QStringList& weitere)
    : FLink(link) {
    QStringList argumente = {
        QStringLiteral("--home"), home, QStringLiteral("--device"),      geraet,
        QStringLiteral("--link"), link, QStringLiteral("--max-seconds"), QStringLiteral("120")};
    argumente += weitere;
    FProzess.start(QStringLiteral(ORVAN_BIN_DIR "/orvan-sim"), argumente);
    if (!FProzess.waitForStarted(5000)) {
        return;
    }
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 5000 && FProzess.state() == QProcess::Running) {
        if (QFileInfo::exists(link)) {
            FBereit = true;
            return;
        }
        FProzess.waitForFinished(10);
    }
}

TSimProzess::~TSimProzess() {
    if (FProzess.state() != QProcess::NotRunning) {
        FProzess.terminate();
        if (!FProzess.waitForFinished(3000)) {
            FProzess.kill();
            FProzess.waitForFinished(3000);
        }
    }
}

QString TSimProzess::Meldungen() {
    // Pull in what is waiting in the pipe; nothing reads it while the test blocks.
    FProzess.waitForReadyRead(200);
    FMeldungen += QString::fromLocal8Bit(FProzess.readAllStandardError());
    return FMeldungen;
}
