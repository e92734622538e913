#include "device/TPortProtokoll.h"

#include "shell/TSpeicherDatei.h"

#include <QDateTime>
#include <algorithm>

namespace {

// Date and time of the wall clock to the millisecond, for trace and log lines.
QString Zeitstempel(const QDateTime& zeit) {
    return zeit.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
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

TPortProtokoll::TPortProtokoll() {
    FUhr.start();
}

void TPortProtokoll::Einschalten(bool an, int eintraege) {
    FAn = an;
    FEintraege = std::max(eintraege, 1);
    if (!an) {
        FTrace.clear();
        FLog.clear();
    }
}

void TPortProtokoll::Trace(bool ausgang, const QByteArray& daten) {
    if (!FAn) {
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

void TPortProtokoll::Notiz(const QString& text) {
    if (!FAn) {
        return;
    }
    FLog.append(Zeitstempel(QDateTime::currentDateTime()) + QStringLiteral("  ") + text);
    while (FLog.size() > FEintraege) {
        FLog.removeFirst();
    }
}

QStringList TPortProtokoll::TraceZeilen() const {
    QStringList zeilen;
    const QDateTime beginn = QDateTime::currentDateTime().addMSecs(-FUhr.elapsed());
    for (const TEintrag& e : FTrace) {
        for (qsizetype i = 0; i < e.Daten.size(); i += 16) {
            const QByteArray teil = e.Daten.mid(i, 16);
            zeilen.append(QStringLiteral("%1  %2  %3 |%4|")
                              .arg(Zeitstempel(beginn.addMSecs(e.Zeit)))
                              .arg(e.Ausgang ? QStringLiteral("->") : QStringLiteral("<-"))
                              .arg(QString::fromLatin1(teil.toHex(' ')), -47)
                              .arg(Lesbar(teil)));
        }
    }
    return zeilen;
}

TErgebnis TPortProtokoll::Schreiben(const QString& traceDatei, const QString& logDatei) {
    TErgebnis ergebnis;
    const auto schreiben = [&ergebnis](const QString& pfad, const QStringList& zeilen) {
        QByteArray text;
        for (const QString& z : zeilen) {
            text += z.toUtf8();
            text += '\n';
        }
        // Both files are tried; the first failure is the one reported.
        if (const TErgebnis e = TSpeicherDatei::Alles(pfad, text); !e && ergebnis) {
            ergebnis = TErgebnis::Fehler(pfad + u'\r' + e.Meldung);
        }
    };
    schreiben(traceDatei, TraceZeilen());
    schreiben(logDatei, FLog);
    Einschalten(false);
    return ergebnis;
}
