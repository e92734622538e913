#include "device/TSeriellerPort.h"

#include "shell/TSpeicherDatei.h"

#include <QDateTime>
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

// "hh:mm:ss.zzz" of the wall clock, for trace and log lines.
QString Zeitstempel() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString Lesbar(const QByteArray& daten) {
    QString text;
    for (char c : daten) {
        const auto b = static_cast<unsigned char>(c);
        text += (b >= 0x20 && b < 0x7F) ? QChar(b) : QChar(u'.');
    }
    return text;
}

} // namespace

TSeriellerPort::TSeriellerPort(QObject* eltern) : QObject(eltern) {
    FUhr.start();
}

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
    const int parity =
        (einstellungen.Parity >= 0 && einstellungen.Parity <= 4) ? einstellungen.Parity : 0;
    Notiz(QStringLiteral("Öffnen %1 %2 %3%4%5")
              .arg(einstellungen.Name)
              .arg(einstellungen.Baud)
              .arg(einstellungen.DatenBits)
              .arg(QLatin1String(kParityNamen[parity]))
              .arg(einstellungen.StopBits));
    if (!GeraetOeffnen(einstellungen, fehler)) {
        FFehlertext = fehler;
        Notiz(QStringLiteral("Öffnen fehlgeschlagen: ") + fehler);
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
    Notiz(QStringLiteral("Schließen"));
}

bool TSeriellerPort::OffenHalten() {
    if (FOffen) {
        return !FGetrennt;
    }
    if (!FGeoeffnetGewesen) {
        FFehlertext = QStringLiteral("Schnittstelle nicht geöffnet");
        return false;
    }
    Notiz(QStringLiteral("Erneut öffnen"));
    return Oeffnen(FEinstellungen);
}

bool TSeriellerPort::ZeichenSenden(char zeichen) {
    return Senden(QByteArray(1, zeichen));
}

bool TSeriellerPort::Senden(const QByteArray& daten) {
    if (!OffenHalten()) {
        return false;
    }
    Trace(true, daten);
    if (!GeraetSchreiben(daten)) {
        Notiz(QStringLiteral("Senden fehlgeschlagen"));
        return false;
    }
    return true;
}

void TSeriellerPort::Empfangen(const QByteArray& daten) {
    if (daten.isEmpty()) {
        return;
    }
    Trace(false, daten);
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
    Notiz(QStringLiteral("Verbindung verloren: ") + grund);
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

void TSeriellerPort::ProtokollEinschalten(bool an, int eintraege) {
    FProtokoll = an;
    FEintraege = std::max(eintraege, 1);
    if (!an) {
        FTrace.clear();
        FLog.clear();
    }
}

void TSeriellerPort::Trace(bool ausgang, const QByteArray& daten) {
    if (!FProtokoll) {
        return;
    }
    const qint64 jetzt = FUhr.elapsed();
    // Bytes of one direction within the same millisecond make one entry.
    if (!FTrace.isEmpty() && FTrace.back().Ausgang == ausgang && FTrace.back().Zeit == jetzt &&
        FTrace.back().Daten.size() < 16) {
        FTrace.back().Daten += daten;
    } else {
        FTrace.append({jetzt, ausgang, daten});
    }
    while (FTrace.size() > FEintraege) {
        FTrace.removeFirst();
    }
}

void TSeriellerPort::Notiz(const QString& text) {
    if (!FProtokoll) {
        return;
    }
    FLog.append(Zeitstempel() + QStringLiteral("  ") + text);
    while (FLog.size() > FEintraege) {
        FLog.removeFirst();
    }
}

QStringList TSeriellerPort::TraceZeilen() const {
    QStringList zeilen;
    const QDateTime beginn = QDateTime::currentDateTime().addMSecs(-FUhr.elapsed());
    for (const TTraceEintrag& e : FTrace) {
        for (qsizetype i = 0; i < e.Daten.size(); i += 16) {
            const QByteArray teil = e.Daten.mid(i, 16);
            zeilen.append(QStringLiteral("%1  %2  %3 |%4|")
                              .arg(beginn.addMSecs(e.Zeit).toString(
                                  QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")))
                              .arg(e.Ausgang ? QStringLiteral("->") : QStringLiteral("<-"))
                              .arg(QString::fromLatin1(teil.toHex(' ')), -47)
                              .arg(Lesbar(teil)));
        }
    }
    return zeilen;
}

bool TSeriellerPort::ProtokollSchreiben(const QString& traceDatei, const QString& logDatei,
                                        QString* fehler) {
    bool ok = true;
    const auto schreiben = [&ok, fehler](const QString& pfad, const QStringList& zeilen) {
        QByteArray text;
        for (const QString& z : zeilen) {
            text += z.toUtf8();
            text += '\n';
        }
        QString grund;
        if (!TSpeicherDatei::Alles(pfad, text, &grund)) {
            if (ok && fehler) {
                *fehler = pfad + u'\r' + grund;
            }
            ok = false;
        }
    };
    schreiben(traceDatei, TraceZeilen());
    schreiben(logDatei, FLog);
    FProtokoll = false;
    FTrace.clear();
    FLog.clear();
    return ok;
}
