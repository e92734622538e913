#include "shell/TSpeicherDatei.h"

#include "shell/DateiPruefung.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

TSpeicherDatei::TSpeicherDatei(const QString& pfad) : FPfad(pfad), FDatei(pfad) {}

TSpeicherDatei::~TSpeicherDatei() {
    Verwerfen();
}

void TSpeicherDatei::FehlerSetzen(const QString& grund) {
    if (FFehler.isEmpty()) {
        FFehler = grund.isEmpty() ? QStringLiteral("unbekannter Fehler") : grund;
    }
}

bool TSpeicherDatei::Oeffnen() {
    if (FOffen) {
        return Ok();
    }
    const QString art = DateiPruefung::Beschreibbar(FPfad);
    if (!art.isEmpty()) {
        FehlerSetzen(art);
        return false;
    }
    if (!FDatei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        FehlerSetzen(FDatei.errorString());
        return false;
    }
    FOffen = true;
    return true;
}

bool TSpeicherDatei::Schreiben(const char* daten, qsizetype anzahl) {
    if (!FOffen || !Ok()) {
        FehlerSetzen(QStringLiteral("Die Datei ist nicht offen."));
        return false;
    }
    if (anzahl <= 0) {
        return true;
    }
    const qint64 geschrieben = FDatei.write(daten, anzahl);
    if (geschrieben != anzahl) {
        FehlerSetzen(FDatei.errorString());
        FDatei.cancelWriting();
        return false;
    }
    FGeschrieben += geschrieben;
    return true;
}

bool TSpeicherDatei::Abschliessen() {
    if (!FOffen) {
        FehlerSetzen(QStringLiteral("Die Datei ist nicht offen."));
        return false;
    }
    if (Ok() && !FDatei.flush()) {
        FehlerSetzen(FDatei.errorString());
    }
#ifdef Q_OS_UNIX
    // Some file systems only find out at the sync that the blocks do not fit; QSaveFile
    // syncs too but ignores the answer.
    if (Ok() && FDatei.handle() >= 0 && ::fsync(FDatei.handle()) != 0 && errno != EINVAL) {
        FehlerSetzen(QString::fromLocal8Bit(std::strerror(errno)));
    }
#endif
    if (!Ok()) {
        Verwerfen();
        return false;
    }
    FOffen = false;
    if (!FDatei.commit()) {
        FehlerSetzen(FDatei.errorString());
        return false;
    }
    return true;
}

void TSpeicherDatei::Verwerfen() {
    if (!FOffen) {
        return;
    }
    FOffen = false;
    FDatei.cancelWriting();
    FDatei.commit(); // with the writing cancelled this only removes the temporary file
}

TErgebnis TSpeicherDatei::Alles(const QString& pfad, const QByteArray& bytes) {
    TSpeicherDatei datei(pfad);
    if (datei.Oeffnen() && datei.Schreiben(bytes) && datei.Abschliessen()) {
        return {};
    }
    return TErgebnis::Fehler(datei.Fehler());
}
