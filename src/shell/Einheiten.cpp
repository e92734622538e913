#include "shell/Einheiten.h"

#include "shell/Meldungen.h"
#include "shell/TShellKontext.h"
#include "shell/Zahlen.h"

#include <algorithm>
#include <cmath>

TEinheiten NeutraleEinheit() {
    return TEinheiten{NeutralerEinheitenName, QString(), 1.0, 0.0, QString()};
}

void NeutraleEinheitEinfuegen(TEinheitenListe& liste) {
    if (EinheitSuchen(liste, NeutralerEinheitenName) < 0) {
        liste.prepend(NeutraleEinheit());
    }
}

qsizetype EinheitSuchen(const TEinheitenListe& liste, const QString& name) {
    for (qsizetype i = liste.size() - 1; i >= 0; --i) {
        if (liste[i].Name == name) {
            return i;
        }
    }
    return -1;
}

QString EinheitAnzeigeText(const TEinheiten& einheit) {
    return einheit.Name + QStringLiteral(" / ") + einheit.Zeichen;
}

QStringList EinheitenAnzeigeListe(const TEinheitenListe& liste) {
    QStringList texte;
    texte.reserve(liste.size());
    for (const TEinheiten& e : liste) {
        texte.append(EinheitAnzeigeText(e));
    }
    return texte;
}

qsizetype EinheitenAuswahlIndex(const TEinheitenListe& liste, const QString& anzeigeText) {
    const qsizetype index = EinheitenAnzeigeListe(liste).indexOf(anzeigeText);
    if (index >= 0) {
        return index;
    }
    return liste.isEmpty() ? -1 : 0;
}

std::optional<double> EinheitenWechselFaktor(const TEinheiten& von, const TEinheiten& nach) {
    if (von.Bezug.isEmpty() || nach.Bezug.isEmpty()) {
        return 1.0;
    }
    if (von.Bezug != nach.Bezug) {
        return std::nullopt;
    }
    if (von.Faktor == 0.0 || nach.Faktor == 0.0) {
        return 1.0;
    }
    const double faktor = von.Faktor / nach.Faktor;
    return std::isfinite(faktor) && faktor != 0.0 ? faktor : 1.0;
}

std::optional<double> EinheitenWechselPruefen(TShellKontext& app, const TEinheiten& von,
                                              const TEinheiten& nach) {
    const std::optional<double> faktor = EinheitenWechselFaktor(von, nach);
    if (!faktor) {
        app.Nachricht(Meldung::UngleicheBezugseinheiten,
                      von.Name + QStringLiteral(" <> ") + nach.Name);
    }
    return faktor;
}

namespace {

// A field of a comma-separated value, in double quotes (inner quotes doubled) when it would
// otherwise be split or lose characters on reading.
QString Feld(const QString& text) {
    const bool zitieren = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() <= u' ' || c == u',' || c == u'"';
    });
    if (!zitieren) {
        return text;
    }
    QString feld = text;
    feld.replace(u'"', QStringLiteral("\"\""));
    return u'"' + feld + u'"';
}

} // namespace

QString EinheitWertText(const TEinheiten& einheit) {
    QString wert = Feld(einheit.Zeichen) + u',' + Zahlen::GleitzahlText(einheit.Faktor) + u',' +
                   Zahlen::GleitzahlText(einheit.Offset) + u',' + Feld(einheit.Bezug);
    // The INI reading removes one pair of quotes around the whole value; give it one to take.
    if (wert.size() >= 2 && wert.startsWith(u'"') && wert.endsWith(u'"')) {
        wert = u'"' + wert + u'"';
    }
    return wert;
}
