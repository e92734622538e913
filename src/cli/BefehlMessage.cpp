// message N [TEXT]: how numbered message N is composed.
#include "cli/TCliKontext.h"
#include "shell/Nachricht.h"
#include "shell/Nachrichtenzeile.h"

namespace {

const char* TypName(TNachrichtTyp typ) {
    switch (typ) {
    case TNachrichtTyp::Warnung:
        return "warning";
    case TNachrichtTyp::Fehler:
        return "error";
    case TNachrichtTyp::Information:
        return "information";
    case TNachrichtTyp::Bestaetigung:
        return "confirmation";
    case TNachrichtTyp::Eigen:
        return "custom";
    }
    return "custom";
}

const char* KnopfNamen(TNachrichtKnoepfe knoepfe) {
    switch (knoepfe) {
    case TNachrichtKnoepfe::OkHilfe:
        return "ok,help";
    case TNachrichtKnoepfe::JaNeinHilfe:
        return "yes,no,help";
    case TNachrichtKnoepfe::JaNeinAbbrechenHilfe:
        return "yes,no,cancel,help";
    }
    return "ok,help";
}

int Message(TCliKontext& k, const QStringList& argumente) {
    bool ok = false;
    const int nummer = argumente.value(0).toInt(&ok);
    if (!ok || argumente.size() > 2) {
        Fehlerausgabe(QStringLiteral("usage: message N [TEXT]"));
        return cliAufruf;
    }
    const TNachrichtInhalt n = NachrichtZusammensetzen(nummer, argumente.value(1), k.App.Texte);
    Ausgabe(QStringLiteral("type: ") + QLatin1String(TypName(n.Typ)));
    Ausgabe(QStringLiteral("buttons: ") + QLatin1String(KnopfNamen(n.Knoepfe)));
    Ausgabe(QStringLiteral("help: ") + QString::number(n.HilfeKontext));
    Ausgabe(QStringLiteral("text: ") + Nachrichtenzeile::Maskiert(n.Text));
    return cliFertig;
}

const TCliBefehl befehl("message", "message N [TEXT]", Message);

} // namespace
