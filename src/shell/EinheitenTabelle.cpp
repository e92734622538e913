#include "shell/EinheitenTabelle.h"

#include "shell/Einheiten.h"
#include "shell/Meldungen.h"
#include "shell/TSprachTexte.h"
#include "shell/Zahlen.h"

#include <utility>

namespace EinheitenTabelle {

namespace {

QString Zelle(const TZeilen& zeilen, int zeile, int spalte) {
    return zeilen.value(zeile).value(spalte);
}

// Only the letters a to z are raised, as the table always did; umlauts keep their case.
QString SortierSchluessel(const QString& text) {
    QString s = text;
    for (QChar& c : s) {
        if (c >= u'a' && c <= u'z') {
            c = QChar(c.unicode() - (u'a' - u'A'));
        }
    }
    return s;
}

} // namespace

TZeilen Zeilen(const TEinheitenListe& liste) {
    TZeilen zeilen;
    for (const TEinheiten& e : liste) {
        zeilen.append({e.Name, e.Zeichen, Zahlen::GleitzahlText(e.Faktor),
                       Zahlen::GleitzahlText(e.Offset), e.Bezug});
    }
    if (zeilen.isEmpty()) {
        zeilen.append(QStringList(SpaltenAnzahl, QString()));
    }
    return zeilen;
}

bool NameSpeicherbar(const QString& name) {
    return !name.contains(u'=') && !name.contains(u',') && !name.startsWith(u';') &&
           !name.startsWith(u'[');
}

TPruefung ZellePruefen(const TZeilen& zeilen, int zeile, int spalte, const TSprachTexte& texte) {
    const QString text = Zelle(zeilen, zeile, spalte);
    switch (spalte) {
    case Name: {
        if (text.isEmpty()) {
            return {Meldung::EinheitenName, QString()};
        }
        for (int i = 0; i < zeilen.size(); ++i) {
            if (i != zeile && Zelle(zeilen, i, Name) == text) {
                return {Meldung::EinheitenName, text};
            }
        }
        if (!NameSpeicherbar(text)) {
            return {Meldung::EinheitenName,
                    text + QStringLiteral(" - ") + texte.EinheitNameUngueltigText};
        }
        return {};
    }
    case Faktor: {
        const auto zahl = Zahlen::GleitzahlLesen(text);
        if (!zahl) {
            return {Meldung::NurZeichen, texte.ZahlenText};
        }
        if (*zahl <= 0) {
            return {Meldung::NurZeichen,
                    QStringLiteral(" ") + texte.ZahlenText + QStringLiteral(" >0")};
        }
        return {};
    }
    case Offset:
        if (!Zahlen::GleitzahlLesen(text)) {
            return {Meldung::NurZeichen, texte.ZahlenText};
        }
        return {};
    default:
        return {};
    }
}

bool ZeichenErlaubt(QChar zeichen) {
    return (zeichen >= u'0' && zeichen <= u'9') || zeichen == u'+' || zeichen == u',' ||
           zeichen == u'-' || zeichen == u'.' || zeichen == u'/';
}

QString ZahlFiltern(const QString& getippt) {
    QString ergebnis;
    for (const QChar c : getippt) {
        if (ZeichenErlaubt(c)) {
            ergebnis += c == u',' ? QChar(u'.') : c;
        }
    }
    return ergebnis;
}

void Sortieren(TZeilen& zeilen, int spalte) {
    // Neighbour swaps until a pass swaps nothing: rows with equal keys keep their order.
    bool getauscht = true;
    while (getauscht) {
        getauscht = false;
        for (int i = 0; i + 1 < zeilen.size(); ++i) {
            const QString a = SortierSchluessel(Zelle(zeilen, i, spalte));
            const QString b = SortierSchluessel(Zelle(zeilen, i + 1, spalte));
            if (QString::localeAwareCompare(a, b) > 0) {
                std::swap(zeilen[i], zeilen[i + 1]);
                getauscht = true;
            }
        }
    }
}

TListenErgebnis Liste(const TZeilen& zeilen, const TSprachTexte& texte) {
    TListenErgebnis ergebnis;
    TZeilen z = zeilen;
    for (int i = 0; i < z.size(); ++i) {
        z[i].resize(SpaltenAnzahl);
        const QStringList& zeile = z[i];
        bool leer = true;
        for (const QString& zelle : zeile) {
            leer = leer && zelle.trimmed().isEmpty();
        }
        if (leer) {
            continue;
        }
        // A number cell never typed into takes the value of the neutral unit.
        if (zeile[Faktor].trimmed().isEmpty()) {
            z[i][Faktor] = QStringLiteral("1");
        }
        if (zeile[Offset].trimmed().isEmpty()) {
            z[i][Offset] = QStringLiteral("0");
        }
        for (const int spalte : {int(Name), int(Faktor), int(Offset)}) {
            const TPruefung p = ZellePruefen(z, i, spalte, texte);
            if (!p.Gut()) {
                ergebnis.Fehler = p;
                ergebnis.Zeile = i;
                ergebnis.Spalte = spalte;
                ergebnis.Liste.clear();
                return ergebnis;
            }
        }
        TEinheiten e;
        e.Name = z[i][Name];
        e.Zeichen = z[i][Zeichen];
        e.Faktor = Zahlen::GleitzahlLesen(z[i][Faktor]).value_or(1.0);
        e.Offset = Zahlen::GleitzahlLesen(z[i][Offset]).value_or(0.0);
        e.Bezug = z[i][Bezug];
        ergebnis.Liste.append(e);
    }
    NeutraleEinheitEinfuegen(ergebnis.Liste);
    return ergebnis;
}

} // namespace EinheitenTabelle
