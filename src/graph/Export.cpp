#include "graph/Export.h"

#include "graph/Kurvenwerte.h"
#include "shell/TSpeicherDatei.h"
#include "shell/Textkodierung.h"
#include "shell/Zahlen.h"

namespace Export {

namespace {

bool BrauchtAnfuehrung(const QString& feld, QChar trenner) {
    for (const QChar c : feld) {
        if (c.unicode() <= 32 || c == u'"' || c == trenner) {
            return true;
        }
    }
    return false;
}

// Calls `zeile` for every line in order; the lines are made one at a time, so a long
// export never holds all its text at once.
template <typename F> void ZeilenErzeugen(const TDiagramm& d, QChar trenner, F&& zeile) {
    QStringList felder;
    for (const TKurve& k : d.Kurven) {
        felder << k.Name + u'X' << k.Name + u'Y';
    }
    zeile(FelderVerbinden(felder, trenner));
    for (qsizetype i = 0;; ++i) {
        felder.clear();
        bool punkt = false;
        for (const TKurve& k : d.Kurven) {
            // Guarded by both rows, should a curve ever hold rows of different length.
            if (qMin(k.Werte[0].size(), k.Werte[1].size()) > i) {
                felder << Zahlen::GleitzahlText(Kurvenwerte::GezeigtX(k, k.Werte[0][i]))
                       << Zahlen::GleitzahlText(Kurvenwerte::GezeigtY(k, k.Werte[1][i]));
                punkt = true;
            } else {
                felder << QString() << QString();
            }
        }
        zeile(FelderVerbinden(felder, trenner));
        if (!punkt) {
            break;
        }
    }
}

TErgebnis Schreiben(const QString& datei, const TDiagramm& d, QChar trenner) {
    TSpeicherDatei f(datei);
    if (f.Oeffnen()) {
        QByteArray puffer;
        ZeilenErzeugen(d, trenner, [&](const QString& zeile) {
            puffer += Textkodierung::NachWindows1252(zeile);
            puffer += "\r\n";
            if (puffer.size() >= (1 << 20)) {
                f.Schreiben(puffer);
                puffer.clear();
            }
        });
        if (f.Schreiben(puffer) && f.Abschliessen()) {
            return {};
        }
    }
    return TErgebnis::Fehler(f.Fehler());
}

} // namespace

TArt ArtNachEndung(const QString& datei) {
    if (datei.endsWith(QStringLiteral(".csv"))) {
        return TArt::CSV;
    }
    if (datei.endsWith(QStringLiteral(".txt"))) {
        return TArt::Text;
    }
    return TArt::Keine;
}

QString FelderVerbinden(const QStringList& felder, QChar trenner) {
    if (felder.size() == 1 && felder.first().isEmpty()) {
        return QStringLiteral("\"\"");
    }
    QString zeile;
    for (qsizetype i = 0; i < felder.size(); ++i) {
        if (i > 0) {
            zeile += trenner;
        }
        const QString& feld = felder[i];
        if (BrauchtAnfuehrung(feld, trenner)) {
            QString innen = feld;
            innen.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            zeile += u'"' + innen + u'"';
        } else {
            zeile += feld;
        }
    }
    return zeile;
}

QStringList ExportZeilen(const TDiagramm& d, QChar trenner) {
    QStringList zeilen;
    ZeilenErzeugen(d, trenner, [&](const QString& zeile) { zeilen << zeile; });
    return zeilen;
}

TErgebnis ExportCSV(const QString& datei, const TDiagramm& d) {
    return Schreiben(datei, d, u',');
}

TErgebnis ExportText(const QString& datei, const TDiagramm& d) {
    return Schreiben(datei, d, QChar(9));
}

TErgebnis Exportieren(const QString& datei, const TDiagramm& d) {
    switch (ArtNachEndung(datei)) {
    case TArt::CSV:
        return ExportCSV(datei, d);
    case TArt::Text:
        return ExportText(datei, d);
    case TArt::Keine:
        break;
    }
    return TErgebnis::Fehler(
        datei + QStringLiteral(": nur die Endungen .csv und .txt können exportiert werden"));
}

} // namespace Export
