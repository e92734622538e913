#include "device/TXModemUebertragung.h"

#include "device/TSeriellerPort.h"
#include "shell/TSpeicherDatei.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

TXModemUebertragung::TXModemUebertragung(TSeriellerPort& port, QObject* eltern)
    : QObject(eltern), FPort(port), FWecker(new QTimer(this)) {
    FWecker->setSingleShot(true);
    connect(FWecker, &QTimer::timeout, this, &TXModemUebertragung::Zeitablauf);
    connect(&FPort, &TSeriellerPort::DatenVorhanden, this, &TXModemUebertragung::Bearbeiten);
    connect(&FPort, &TSeriellerPort::VerbindungVerloren, this, [this] {
        if (FLaeuft) {
            FEmpfaenger.Abbrechen(TXModemEmpfaenger::xmVerbindung);
            Abschliessen();
        }
    });
}

TXModemUebertragung::~TXModemUebertragung() = default;

void TXModemUebertragung::ZielSetzen(const QString& verzeichnis, const QString& name) {
    FVerzeichnis = verzeichnis;
    FName = QFileInfo(name).fileName();
}

QString TXModemUebertragung::ZielPfad() const {
    return QDir(FVerzeichnis).filePath(FName);
}

void TXModemUebertragung::ZeitenSetzen(int kopfMs, int zeichenMs) {
    FEmpfaenger.KopfZeitMs = kopfMs;
    FEmpfaenger.ZeichenZeitMs = zeichenMs;
}

void TXModemUebertragung::Starten() {
    if (FLaeuft) {
        return;
    }
    const QByteArray nak = FEmpfaenger.Starten();
    FLaeuft = true;
    emit Status(1);
    FEmpfangen.clear();
    FSchreibFehler.clear();
    FTeilDatei.clear();
    QDir().mkpath(FVerzeichnis); // a data directory that is not there yet is made
    FDatei = std::make_unique<TSpeicherDatei>(ZielPfad());
    if (FName.isEmpty() || !FDatei->Oeffnen()) {
        FSchreibFehler =
            FName.isEmpty() ? QStringLiteral("Kein Dateiname angegeben.") : FDatei->Fehler();
        FEmpfaenger.Abbrechen(TXModemEmpfaenger::xmSchreibfehler);
        Abschliessen();
        return;
    }
    Antworten(nak);
    FWecker->start(FEmpfaenger.ZeitlimitMs());
    // Bytes that came before the start are the sender's, too.
    if (FPort.Wartend() > 0) {
        Bearbeiten();
    }
}

void TXModemUebertragung::Antworten(const QByteArray& antwort) {
    if (!antwort.isEmpty()) {
        FPort.Senden(antwort);
    }
}

void TXModemUebertragung::Bearbeiten() {
    if (!FLaeuft) {
        return;
    }
    const int bloeckeVorher = FEmpfaenger.Bloecke();
    while (FLaeuft && FPort.Wartend() > 0) {
        const QByteArray daten = FPort.Nehmen(FPort.Wartend());
        const QByteArray antwort = FEmpfaenger.Zufuehren(daten);
        const QByteArray nutzdaten = FEmpfaenger.DatenNehmen();
        FEmpfangen += nutzdaten;
        if (!FDatei->Schreiben(nutzdaten)) {
            FSchreibFehler = FDatei->Fehler();
            Antworten(FEmpfaenger.Abbrechen(TXModemEmpfaenger::xmSchreibfehler));
            break;
        }
        Antworten(antwort);
        if (!FEmpfaenger.Laeuft()) {
            break;
        }
    }
    if (!FEmpfaenger.Laeuft()) {
        Abschliessen();
        return;
    }
    FWecker->start(FEmpfaenger.ZeitlimitMs());
    if (FEmpfaenger.Bloecke() != bloeckeVorher) {
        emit Status(0);
    }
}

void TXModemUebertragung::Zeitablauf() {
    if (!FLaeuft) {
        return;
    }
    Antworten(FEmpfaenger.Zeitablauf());
    if (!FEmpfaenger.Laeuft()) {
        Abschliessen();
        return;
    }
    FWecker->start(FEmpfaenger.ZeitlimitMs());
}

void TXModemUebertragung::Abbrechen(int code) {
    if (!FLaeuft) {
        return;
    }
    Antworten(FEmpfaenger.Abbrechen(code));
    Abschliessen();
}

void TXModemUebertragung::Abschliessen() {
    FWecker->stop();
    int code = FEmpfaenger.Fehlercode();
    if (code == TXModemEmpfaenger::xmOk && !FDatei->Abschliessen()) {
        code = TXModemEmpfaenger::xmSchreibfehler;
        FSchreibFehler = FDatei->Fehler();
    } else if (code != TXModemEmpfaenger::xmOk && FDatei) {
        FDatei->Verwerfen(); // the old target stays as it was
    }
    FDatei.reset();
    if (code != TXModemEmpfaenger::xmOk) {
        TeilBehalten();
    }
    FEmpfangen = QByteArray();
    FLaeuft = false;
    // The events go out through the event loop, as the command run expects them.
    QMetaObject::invokeMethod(
        this,
        [this, code] {
            if (code != TXModemEmpfaenger::xmOk) {
                emit Fehler(code);
            }
            emit Fertig(code);
        },
        Qt::QueuedConnection);
}

QString TXModemUebertragung::TeilPfad(const QString& ziel) {
    const QFileInfo info(ziel);
    const QString stamm =
        info.completeBaseName().isEmpty() ? QStringLiteral("Empfang") : info.completeBaseName();
    const QString endung = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    const QDir verzeichnis = info.dir();
    for (int nr = 1;; ++nr) {
        const QString name = stamm + QStringLiteral("_unvollstaendig") +
                             (nr > 1 ? QStringLiteral("_%1").arg(nr) : QString()) + endung;
        const QString pfad = verzeichnis.filePath(name);
        if (!QFileInfo::exists(pfad)) {
            return pfad;
        }
    }
}

void TXModemUebertragung::TeilBehalten() {
    if (FEmpfangen.isEmpty() || FName.isEmpty()) {
        return;
    }
    const QString pfad = TeilPfad(ZielPfad());
    if (const TErgebnis e = TSpeicherDatei::Alles(pfad, FEmpfangen)) {
        FTeilDatei = pfad;
    } else if (FSchreibFehler.isEmpty()) {
        FSchreibFehler = e.Meldung;
    }
}
