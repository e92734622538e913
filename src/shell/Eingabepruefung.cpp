#include "shell/Eingabepruefung.h"

#include "shell/Meldungen.h"
#include "shell/Nachricht.h"
#include "shell/TShellKontext.h"
#include "shell/Zahlen.h"

namespace {

// The common end of the four range checks.
bool Bereich(TShellKontext& app, bool imBereich, bool zeigen, const QString& grenzen) {
    if (!imBereich && zeigen) {
        app.Nachricht(Meldung::ZahlAusserhalbBereich, grenzen);
    }
    return imBereich;
}

bool KeineZahl(TShellKontext& app, bool zeigen) {
    if (zeigen) {
        app.Nachricht(Meldung::NurGanzeZahlen);
    }
    return false;
}

bool Bereich(TBenutzer& benutzer, const TSprachTexte& texte, bool imBereich, bool zeigen,
             const QString& grenzen) {
    if (!imBereich && zeigen) {
        Nachricht(benutzer, texte, Meldung::ZahlAusserhalbBereich, grenzen);
    }
    return imBereich;
}

bool KeineZahl(TBenutzer& benutzer, const TSprachTexte& texte, bool zeigen) {
    if (zeigen) {
        Nachricht(benutzer, texte, Meldung::NurGanzeZahlen, QString());
    }
    return false;
}

QString Grenzen(const QString& minimum, const QString& maximum) {
    return minimum + QStringLiteral(" ... ") + maximum;
}

} // namespace

namespace Eingabepruefung {

std::optional<quint32> BitTextWert(const QString& text) {
    if (text.size() > 255) {
        return std::nullopt;
    }
    quint32 wert = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[n - 1 - i] == u'1') {
            wert |= quint32(1) << (i % 32);
        }
    }
    return wert;
}

bool BitTextPruefen(TShellKontext& app, qint64 minimum, qint64 maximum, const QString& text,
                    bool zeigen) {
    const auto wert = BitTextWert(text);
    if (!wert) {
        return KeineZahl(app, zeigen);
    }
    return Bereich(app, minimum <= qint64(*wert) && qint64(*wert) <= maximum, zeigen,
                   Grenzen(QString::number(minimum), QString::number(maximum)));
}

bool GanzzahlPruefen(TShellKontext& app, qint32 minimum, qint32 maximum, const QString& text,
                     bool zeigen) {
    return GanzzahlPruefen(*app.Benutzer, app.Texte, minimum, maximum, text, zeigen);
}

bool GanzzahlPruefen(TBenutzer& benutzer, const TSprachTexte& texte, qint32 minimum, qint32 maximum,
                     const QString& text, bool zeigen) {
    const auto wert = Zahlen::GanzzahlLesen(text);
    if (!wert) {
        return KeineZahl(benutzer, texte, zeigen);
    }
    return Bereich(benutzer, texte, minimum <= *wert && *wert <= maximum, zeigen,
                   Grenzen(QString::number(minimum), QString::number(maximum)));
}

bool KardinalzahlPruefen(TShellKontext& app, quint32 minimum, quint32 maximum, const QString& text,
                         bool zeigen) {
    const auto wert = Zahlen::Ganzzahl64Lesen(text);
    if (!wert || *wert < 0 || *wert > 4294967295LL) {
        return KeineZahl(app, zeigen);
    }
    const auto w = quint32(*wert);
    return Bereich(app, minimum <= w && w <= maximum, zeigen,
                   Grenzen(QString::number(minimum), QString::number(maximum)));
}

bool GleitzahlPruefen(TShellKontext& app, const QString& text, bool zeigen, double minimum,
                      double maximum) {
    return GleitzahlPruefen(*app.Benutzer, app.Texte, text, zeigen, minimum, maximum);
}

bool GleitzahlPruefen(TBenutzer& benutzer, const TSprachTexte& texte, const QString& text,
                      bool zeigen, double minimum, double maximum) {
    const auto wert = Zahlen::GleitzahlLesen(text);
    if (!wert) {
        return KeineZahl(benutzer, texte, zeigen);
    }
    return Bereich(benutzer, texte, minimum <= *wert && *wert <= maximum, zeigen,
                   Grenzen(Zahlen::GleitzahlText(minimum), Zahlen::GleitzahlText(maximum)));
}

} // namespace Eingabepruefung
