#include "device/TSeriellerPort.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

const char* const kParityNamen[] = {"N", "O", "E", "M", "S"};

bool GleichOhneFall(char a, char b) {
    auto klein = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return klein(a) == klein(b);
}

bool EndetMit(const QByteArray& gesehen, const QByteArray& text, bool grossKleinEgal) {
    if (gesehen.size() < text.size()) {
        return false;
    }
    const qsizetype start = gesehen.size() - text.size();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char a = gesehen[start + i];
        if (grossKleinEgal ? !GleichOhneFall(a, text[i]) : a != text[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

TSeriellerPort::TSeriellerPort(QObject* eltern) : QObject(eltern) {}

TSeriellerPort::~TSeriellerPort() {
    AlleTriggerEntfernen();
}

bool TSeriellerPort::Oeffnen(const TPortEinstellungen& einstellungen) {
    if (FOffen) {
        Schliessen();
    }
    FEinstellungen = einstellungen;
    FGeoeffnetGewesen = true;
    QString fehler;
    FGibtEsNicht = false;
    const int parity =
        (einstellungen.Parity >= 0 && einstellungen.Parity <= 4) ? einstellungen.Parity : 0;
    FProtokoll.Notiz(QStringLiteral("Öffnen %1 %2 %3%4%5")
                         .arg(einstellungen.Name)
                         .arg(einstellungen.Baud)
                         .arg(einstellungen.DatenBits)
                         .arg(QLatin1String(kParityNamen[parity]))
                         .arg(einstellungen.StopBits));
    if (!GeraetOeffnen(einstellungen, fehler)) {
        FFehlertext = fehler;
        FProtokoll.Notiz(QStringLiteral("Öffnen fehlgeschlagen: ") + fehler);
        return false;
    }
    FFehlertext.clear();
    FGetrennt = false;
    FOffen = true;
    return true;
}

void TSeriellerPort::Schliessen() {
    if (!FOffen) {
        return;
    }
    GeraetSchliessen();
    FOffen = false;
    FEingang.clear();
    FProtokoll.Notiz(QStringLiteral("Schließen"));
}

bool TSeriellerPort::OffenHalten() {
    if (FOffen) {
        return !FGetrennt;
    }
    if (!FGeoeffnetGewesen) {
        FFehlertext = QStringLiteral("Schnittstelle nicht geöffnet");
        return false;
    }
    FProtokoll.Notiz(QStringLiteral("Erneut öffnen"));
    return Oeffnen(FEinstellungen);
}

bool TSeriellerPort::ZeichenSenden(char zeichen) {
    return Senden(QByteArray(1, zeichen));
}

bool TSeriellerPort::Senden(const QByteArray& daten) {
    if (!OffenHalten()) {
        return false;
    }
    FProtokoll.Trace(true, daten);
    if (!GeraetSchreiben(daten)) {
        FProtokoll.Notiz(QStringLiteral("Senden fehlgeschlagen"));
        return false;
    }
    return true;
}

void TSeriellerPort::Empfangen(const QByteArray& daten) {
    if (daten.isEmpty()) {
        return;
    }
    FProtokoll.Trace(false, daten);
    FEingang += daten;
    AnkuendigungPlanen();
}

void TSeriellerPort::AnkuendigungPlanen() {
    if (FAnkuendigungGeplant) {
        return;
    }
    FAnkuendigungGeplant = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            FAnkuendigungGeplant = false;
            if (!FEingang.isEmpty()) {
                emit DatenVorhanden();
            }
        },
        Qt::QueuedConnection);
}

void TSeriellerPort::Verloren(const QString& grund) {
    if (FGetrennt) {
        return;
    }
    FGetrennt = true;
    FProtokoll.Notiz(QStringLiteral("Verbindung verloren: ") + grund);
    QMetaObject::invokeMethod(this, &TSeriellerPort::VerbindungVerloren, Qt::QueuedConnection);
}

int TSeriellerPort::Wartend() {
    if (FOffen && !FGetrennt) {
        Empfangen(GeraetLesen(0));
    }
    return int(FEingang.size());
}

QByteArray TSeriellerPort::Ansehen(int anzahl) {
    return FEingang.left(anzahl);
}

QByteArray TSeriellerPort::Nehmen(int anzahl) {
    QByteArray teil = FEingang.left(anzahl);
    FEingang.remove(0, teil.size());
    return teil;
}

void TSeriellerPort::EingangLeeren() {
    Wartend();
    FEingang.clear();
}

bool TSeriellerPort::WartenAuf(const QByteArray& text, int ticks, bool schleife,
                               bool grossKleinEgal) {
    return Suchen({text}, ticks, schleife, grossKleinEgal) == 1;
}

int TSeriellerPort::WartenAufEines(const QByteArray& texte, int ticks, bool schleife,
                                   bool grossKleinEgal, char trenner) {
    return Suchen(texte.split(trenner), ticks, schleife, grossKleinEgal);
}

int TSeriellerPort::Suchen(const QList<QByteArray>& texte, int ticks, bool schleife,
                           bool grossKleinEgal) {
    for (int i = 0; i < texte.size(); ++i) {
        if (texte[i].isEmpty()) {
            return i + 1;
        }
    }
    if (!OffenHalten()) {
        return 0;
    }
    qsizetype laengste = 0;
    for (const QByteArray& t : texte) {
        laengste = std::max(laengste, t.size());
    }
    QElapsedTimer uhr;
    uhr.start();
    const qint64 frist = qint64(std::max(ticks, 0)) * TickMs;
    QByteArray gesehen;
    while (true) {
        while (!FEingang.isEmpty()) {
            const char c = FEingang.front();
            FEingang.remove(0, 1);
            if (BeiWarteZeichen) {
                BeiWarteZeichen(c);
            }
            gesehen += c;
            if (gesehen.size() > laengste) {
                gesehen.remove(0, gesehen.size() - laengste);
            }
            for (int i = 0; i < texte.size(); ++i) {
                if (EndetMit(gesehen, texte[i], grossKleinEgal)) {
                    return i + 1;
                }
            }
        }
        const qint64 rest = frist - uhr.elapsed();
        if (rest <= 0 || FGetrennt || !FOffen) {
            return 0;
        }
        if (schleife) {
            QEventLoop schleifeObjekt;
            QTimer wecker;
            wecker.setSingleShot(true);
            connect(&wecker, &QTimer::timeout, &schleifeObjekt, &QEventLoop::quit);
            connect(this, &TSeriellerPort::DatenVorhanden, &schleifeObjekt, &QEventLoop::quit);
            connect(this, &TSeriellerPort::VerbindungVerloren, &schleifeObjekt, &QEventLoop::quit);
            wecker.start(int(std::min<qint64>(rest, 50)));
            schleifeObjekt.exec();
            if (FOffen && !FGetrennt) {
                Empfangen(GeraetLesen(0));
            }
        } else {
            Empfangen(GeraetLesen(int(rest)));
        }
    }
}

void TSeriellerPort::Pause(int ms) {
    QEventLoop schleife;
    QTimer::singleShot(std::max(ms, 0), &schleife, &QEventLoop::quit);
    schleife.exec();
}

quint16 TSeriellerPort::TimerHinzufuegen() {
    const quint16 handle = FNaechsterHandle++;
    if (FNaechsterHandle == 0) {
        FNaechsterHandle = 1;
    }
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, handle] { emit TimerAbgelaufen(handle); });
    FTimer.insert(handle, timer);
    return handle;
}

void TSeriellerPort::TimerSetzen(quint16 handle, int ticks) {
    QTimer* timer = FTimer.value(handle);
    if (!timer) {
        return;
    }
    if (ticks <= 0) {
        timer->stop();
    } else {
        timer->start(ticks * TickMs);
    }
}

void TSeriellerPort::AlleTriggerEntfernen() {
    qDeleteAll(FTimer);
    FTimer.clear();
}
