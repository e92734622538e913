#include "graph/StatistikTabelle.h"

#include "shell/DatumZeit.h"
#include "shell/TSpeicherDatei.h"
#include "shell/Textkodierung.h"
#include "shell/Zahlen.h"

#include <cmath>

namespace StatistikTabelle {

namespace {

QString Zahl(double wert, const TFormat& f) {
    return f.Zahl ? f.Zahl(wert) : Zahlen::GleitzahlText(wert);
}

QString Feld(const std::optional<double>& wert, const TFormat& f) {
    return wert ? Zahl(*wert, f) : QString();
}

QString XFeld(const std::optional<double>& wert, const TFormat& f) {
    return wert ? XText(*wert, f) : QString();
}

// "Einheit·s", "Einheit·<X unit>" or "Einheit" for the integral; "/" for the slope.
QString ProX(const TFormat& f, QChar verbindung) {
    const QString x = f.DatumZeit ? QStringLiteral("s") : f.XEinheit;
    if (x.isEmpty()) {
        return QStringLiteral("[Einheit]");
    }
    return QStringLiteral("[Einheit") + verbindung + x + u']';
}

} // namespace

QString EinheitZeichen(const TEinheitenListe& einheiten, const QString& name) {
    QString zeichen;
    for (qsizetype k = 1; k < einheiten.size(); ++k) {
        if (einheiten[k].Name == name) {
            zeichen = einheiten[k].Zeichen;
        }
    }
    return zeichen;
}

TFormat FormatFuer(const TDiagramm& d, const TEinheitenListe& einheiten,
                   const QString& datumZeitMuster) {
    TFormat f;
    f.XEinheit = EinheitZeichen(einheiten, d.AchseUnten.Einheit);
    f.EinheitLinks = EinheitZeichen(einheiten, d.AchseLinks.Einheit);
    f.EinheitRechts = EinheitZeichen(einheiten, d.AchseRechts.Einheit);
    f.DatumZeit = d.DatumZeitAchse;
    f.DatumZeitMuster = datumZeitMuster;
    return f;
}

QString XText(double x, const TFormat& f) {
    if (!std::isfinite(x)) {
        return QString(); // an open end of the range
    }
    return f.DatumZeit ? DatumZeit::Formatieren(f.DatumZeitMuster, x) : Zahl(x, f);
}

QStringList BereichZeile(const Statistik::TBereich& bereich, const TFormat& f, const QString& art) {
    QString name = art;
    if (name.isEmpty()) {
        name = bereich.Marker ? QStringLiteral("Marker") : QStringLiteral("Sichtbarer Bereich");
    }
    return {QStringLiteral("Bereich"), name, XText(bereich.Von, f), XText(bereich.Bis, f)};
}

QStringList Kopf(const TFormat& f) {
    QStringList kopf{QStringLiteral("Kurve"),
                     QStringLiteral("Einheit"),
                     QStringLiteral("Punkte"),
                     QStringLiteral("Minimum"),
                     QStringLiteral("X Minimum"),
                     QStringLiteral("Maximum"),
                     QStringLiteral("X Maximum"),
                     QStringLiteral("Mittelwert"),
                     QStringLiteral("Standardabweichung"),
                     QStringLiteral("RMS"),
                     QStringLiteral("Erster"),
                     QStringLiteral("Letzter"),
                     QStringLiteral("Differenz"),
                     QStringLiteral("Integral ") + ProX(f, QChar(0x00B7)),
                     QStringLiteral("Steigung ") + ProX(f, u'/')};
    if (f.Cursor) {
        kopf << QStringLiteral("Cursor");
    }
    return kopf;
}

QStringList Zeile(const TKurvenStatistik& s, const TFormat& f, std::optional<double> cursor) {
    QStringList z{s.Name,
                  s.AchseRechts ? f.EinheitRechts : f.EinheitLinks,
                  QString::number(s.Anzahl),
                  Feld(s.Minimum, f),
                  XFeld(s.MinimumX, f),
                  Feld(s.Maximum, f),
                  XFeld(s.MaximumX, f),
                  Feld(s.Mittelwert, f),
                  Feld(s.Standardabweichung, f),
                  Feld(s.RMS, f),
                  Feld(s.Erster, f),
                  Feld(s.Letzter, f),
                  Feld(s.Differenz, f),
                  Feld(s.Integral, f),
                  Feld(s.Steigung, f)};
    if (f.Cursor) {
        z << Feld(cursor, f);
    }
    return z;
}

QString TabText(const QList<QStringList>& zeilen) {
    QString text;
    for (const QStringList& zeile : zeilen) {
        for (qsizetype i = 0; i < zeile.size(); ++i) {
            if (i > 0) {
                text += u'\t';
            }
            QString feld = zeile[i];
            feld.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' ');
            text += feld;
        }
        text += u'\n';
    }
    return text;
}

TErgebnis Speichern(const QString& datei, const QList<QStringList>& zeilen) {
    QString text = TabText(zeilen);
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return TSpeicherDatei::Alles(datei, Textkodierung::NachWindows1252(text));
}

} // namespace StatistikTabelle
