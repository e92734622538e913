#include "TSocatPaar.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

TSocatPaar::TSocatPaar() {
    FSocat.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FSocat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + A(),
                                           QStringLiteral("pty,raw,echo=0,link=") + B()});
    if (!FSocat.waitForStarted(5000)) {
        return;
    }
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 5000) {
        if (QFileInfo::exists(A()) && QFileInfo::exists(B())) {
            FBereit = true;
            return;
        }
        QThread::msleep(10);
    }
}

TSocatPaar::~TSocatPaar() {
    if (FSocat.state() != QProcess::NotRunning) {
        FSocat.terminate();
        if (!FSocat.waitForFinished(3000)) {
            FSocat.kill();
            FSocat.waitForFinished(3000);
        }
    }
}
