#include "graph/StatistikTabelle.h"

#include "shell/DatumZeit.h"
#include "shell/TSpeicherDatei.h"
#include "shell/Textkodierung.h"
#include "shell/Zahlen.h"

#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace StatistikTabelle {

namespace {

QString Zahl(double wert, const TFormat& f) {
    return f.Zahl ? f.Zahl(wert) : Zahlen::GleitzahlText(wert);
}

QString Feld(const std::optional<double>& wert, const TFormat& f) {
    return wert ? Zahl(*wert, f) : QString();
}

// A field on screen: with the row's decimals (`stellen`) or six significant digits.
QString Feld(const std::optional<double>& wert, const TFormat& f, std::optional<int> stellen) {
    if (!f.Anzeige) {
        return Feld(wert, f);
    }
    return wert ? AnzeigeZahl(*wert, stellen) : QString();
}

QString XFeld(const std::optional<double>& wert, const TFormat& f) {
    return wert ? XText(*wert, f) : QString();
}

// "Einheit·s", "Einheit·<X unit>" or "Einheit" for the integral; "/" for the slope.
QString ProX(const TFormat& f, QChar verbindung) {
    const QString x = f.DatumZeit ? QStringLiteral("s") : f.XEinheit;
    if (x.isEmpty()) {
        return u'[' + f.Texte.Einheit + u']';
    }
    return u'[' + f.Texte.Einheit + verbindung + x + u']';
}

} // namespace

TBeschriftung Beschriftung(const TSprachTexte& t, bool kurz) {
    TBeschriftung b;
    b.Bereich = t.StatistikBereichText;
    b.Marker = t.StatistikMarkerText;
    b.Sichtbar = t.StatistikSichtbarText;
    // On screen "Integral [·s]": the curve's unit stands in its own column, the full
    // caption in the header's tool tip.
    b.Einheit = kurz ? QString() : t.StatistikEinheitText;
    b.Spalten = {t.StatistikKurveText,
                 t.StatistikEinheitText,
                 t.StatistikPunkteText,
                 kurz ? t.StatistikMinimumKurz : t.StatistikMinimumText,
                 kurz ? t.StatistikXMinimumKurz : t.StatistikXMinimumText,
                 kurz ? t.StatistikMaximumKurz : t.StatistikMaximumText,
                 kurz ? t.StatistikXMaximumKurz : t.StatistikXMaximumText,
                 kurz ? t.StatistikMittelwertKurz : t.StatistikMittelwertText,
                 kurz ? t.StatistikStandardabweichungKurz : t.StatistikStandardabweichungText,
                 t.StatistikRMSText,
                 t.StatistikErsterText,
                 t.StatistikLetzterText,
                 kurz ? t.StatistikDifferenzKurz : t.StatistikDifferenzText,
                 t.StatistikIntegralText,
                 t.StatistikSteigungText,
                 t.StatistikCursorText};
    return b;
}

int AnzeigeStellen(const TKurvenStatistik& s) {
    double groesse = 0;
    int ziffern = 4;
    if (s.Minimum && s.Maximum && *s.Maximum > *s.Minimum) {
        groesse = *s.Maximum - *s.Minimum;
    } else {
        groesse = s.Mittelwert ? std::fabs(*s.Mittelwert) : 0;
        ziffern = 6;
    }
    if (!std::isfinite(groesse) || groesse == 0) {
        return 0;
    }
    const int stellen = ziffern - 1 - int(std::floor(std::log10(groesse)));
    return std::clamp(stellen, 0, 12);
}

QString AnzeigeZahl(double wert, std::optional<int> stellen) {
    if (!std::isfinite(wert)) {
        return Zahlen::GleitzahlText(wert);
    }
    QString text;
    if (stellen) {
        text = QString::number(wert, 'f', *stellen);
    } else {
        text = QString::number(wert, 'g', 6);
    }
    if (text.startsWith(u'-') && QString::number(0.0, 'f', stellen.value_or(0)) == text.mid(1)) {
        text.remove(0, 1); // a tiny negative value rounded to nothing is no "-0.000"
    }
    return text;
}

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
    if (f.DatumZeit) {
        return DatumZeit::Formatieren(f.DatumZeitMuster, x);
    }
    return f.Anzeige ? AnzeigeZahl(x, std::nullopt) : Zahl(x, f);
}

QStringList BereichZeile(const Statistik::TBereich& bereich, const TFormat& f, const QString& art) {
    QString name = art;
    if (name.isEmpty()) {
        name = bereich.Marker ? f.Texte.Marker : f.Texte.Sichtbar;
    }
    return {f.Texte.Bereich, name, XText(bereich.Von, f), XText(bereich.Bis, f)};
}

QStringList Kopf(const TFormat& f) {
    QStringList kopf = f.Texte.Spalten.mid(0, spCursor);
    while (kopf.size() < spCursor) {
        kopf << QString();
    }
    kopf[spIntegral] += u' ' + ProX(f, QChar(0x00B7));
    kopf[spSteigung] += u' ' + ProX(f, u'/');
    if (f.Cursor) {
        kopf << f.Texte.Spalten.value(spCursor);
    }
    return kopf;
}

QStringList Zeile(const TKurvenStatistik& s, const TFormat& f, std::optional<double> cursor) {
    const std::optional<int> y = AnzeigeStellen(s);
    const std::optional<int> g = std::nullopt;
    QStringList z{s.Name,
                  s.AchseRechts ? f.EinheitRechts : f.EinheitLinks,
                  QString::number(s.Anzahl),
                  Feld(s.Minimum, f, y),
                  XFeld(s.MinimumX, f),
                  Feld(s.Maximum, f, y),
                  XFeld(s.MaximumX, f),
                  Feld(s.Mittelwert, f, y),
                  Feld(s.Standardabweichung, f, y),
                  Feld(s.RMS, f, y),
                  Feld(s.Erster, f, y),
                  Feld(s.Letzter, f, y),
                  Feld(s.Differenz, f, y),
                  Feld(s.Integral, f, g),
                  Feld(s.Steigung, f, g)};
    if (f.Cursor) {
        z << Feld(cursor, f, y);
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
