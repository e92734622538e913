#include "shell/Sprache.h"

#include "shell/Meldungen.h"
#include "shell/TIniDatei.h"
#include "shell/TShellKontext.h"

namespace {
QString SprachDateiPfad(const TShellKontext& app) {
    return app.AppConst.PrgKonfigPfad + Dateinamen::SprachDatei;
}
} // namespace

void SprachListeLesen(TShellKontext& app, QStringList& liste) {
    liste.clear();
    const TIniDatei ini(SprachDateiPfad(app));
    if (!ini.Vorhanden()) {
        app.Nachricht(Meldung::KeineSprachDatei, Dateinamen::SprachDatei);
        return;
    }
    if (!ini.Lesefehler().isEmpty()) {
        app.Nachricht(Meldung::Allgemein, ini.Pfad() + QStringLiteral(": ") + ini.Lesefehler());
    }
    liste = ini.Abschnitte();
}

void SpracheLesen(TShellKontext& app, const QString& sprache) {
    const TIniDatei ini(SprachDateiPfad(app));
    if (!ini.Vorhanden()) {
        app.Nachricht(Meldung::KeineSprachDatei, Dateinamen::SprachDatei);
        return;
    }
    if (!ini.AbschnittVorhanden(sprache)) {
        return;
    }
    for (const auto& eintrag : TSprachTexte::Liste()) {
        QString& text = app.Texte.*eintrag.Text;
        text = ini.LiesText(sprache, QLatin1String(eintrag.Schluessel), text);
    }
}

void SpracheLaden(TShellKontext& app) {
    SprachListeLesen(app, app.AppConst.SprachenListe);
    SpracheLesen(app, app.AppConst.Sprache);
}
