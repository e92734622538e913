#include "TSimPty.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

TSimPty::~TSimPty() {
    Schliessen();
}

bool TSimPty::Oeffnen(const QString& link, QString& fehler) {
    FMaster = posix_openpt(O_RDWR | O_NOCTTY);
    if (FMaster < 0 || grantpt(FMaster) != 0 || unlockpt(FMaster) != 0) {
        fehler = QStringLiteral("pseudo-terminal: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        Schliessen();
        return false;
    }
    FSlaveName = QString::fromLocal8Bit(ptsname(FMaster));
    FSlave = ::open(ptsname(FMaster), O_RDWR | O_NOCTTY);
    termios t{};
    if (FSlave < 0 || tcgetattr(FSlave, &t) != 0) {
        fehler =
            QStringLiteral("slave %1: %2").arg(FSlaveName, QString::fromLocal8Bit(strerror(errno)));
        Schliessen();
        return false;
    }
    cfmakeraw(&t);
    tcsetattr(FSlave, TCSANOW, &t);
    QFile::remove(link);
    if (!QFile::link(FSlaveName, link)) {
        fehler = QStringLiteral("cannot create link %1").arg(link);
        Schliessen();
        return false;
    }
    FLink = link;
    return true;
}

void TSimPty::Schliessen() {
    if (FSlave >= 0) {
        ::close(FSlave);
        FSlave = -1;
    }
    if (FMaster >= 0) {
        ::close(FMaster);
        FMaster = -1;
    }
    if (!FLink.isEmpty()) {
        QFile::remove(FLink);
        FLink.clear();
    }
}

int TSimPty::Lesen(int ms) {
    if (FMaster < 0) {
        return -2;
    }
    pollfd p{FMaster, POLLIN, 0};
    const int r = ::poll(&p, 1, ms);
    if (r == 0) {
        return -1;
    }
    if (r < 0) {
        return errno == EINTR ? -1 : -2;
    }
    unsigned char c = 0;
    const ssize_t n = ::read(FMaster, &c, 1);
    if (n == 1) {
        return c;
    }
    return (n < 0 && (errno == EAGAIN || errno == EINTR)) ? -1 : -2;
}

bool TSimPty::Schreiben(const QByteArray& daten) {
    qsizetype gesendet = 0;
    while (FMaster >= 0 && gesendet < daten.size()) {
        const ssize_t n = ::write(FMaster, daten.constData() + gesendet, daten.size() - gesendet);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                pollfd p{FMaster, POLLOUT, 0};
                ::poll(&p, 1, 100);
                continue;
            }
            return false;
        }
        gesendet += n;
    }
    return gesendet == daten.size();
}

void TSimPty::Verwerfen() {
    while (Lesen(0) >= 0) {
    }
}
