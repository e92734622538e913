// text KEY [--language NAME]: the language text a user would see under KEY.
#include "cli/TCliKontext.h"
#include "shell/Sprache.h"

namespace {

int Text(TCliKontext& k, const QStringList& argumente) {
    QString schluessel;
    QString sprache;
    bool spracheGegeben = false;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        if (k.Option(argumente, i, "--language") && i + 1 < argumente.size() && !spracheGegeben) {
            sprache = argumente[++i];
            spracheGegeben = true;
        } else if (schluessel.isEmpty() && !k.SiehtAusWieOption(argumente, i)) {
            schluessel = argumente[i];
        } else {
            schluessel.clear();
            break;
        }
    }
    if (schluessel.isEmpty()) {
        Fehlerausgabe(QStringLiteral("usage: text KEY [--language NAME]"));
        return cliAufruf;
    }
    const QString* text = k.App.Texte.Suchen(schluessel);
    if (!text) {
        Fehlerausgabe(QStringLiteral("unknown text key: ") + schluessel);
        return cliAbgelehnt;
    }
    if (spracheGegeben) {
        // A language that the file lacks changes nothing, as in the language menu; say so,
        // since a script cannot see that it got the current texts instead.
        const QStringList& sprachen = k.App.AppConst.SprachenListe;
        if (!sprachen.isEmpty() && !sprachen.contains(sprache, Qt::CaseInsensitive)) {
            Fehlerausgabe(QStringLiteral("note: no language \"%1\" in %2")
                              .arg(sprache, Dateinamen::SprachDatei));
        }
        SpracheLesen(k.App, sprache);
    }
    Ausgabe(*text);
    return cliFertig;
}

const TCliBefehl befehl("text", "text KEY [--language NAME]", Text);

} // namespace
