#include "graph/SpeicherAblauf.h"

#include "shell/Meldungen.h"
#include "shell/Nachricht.h"
#include "shell/TShellKontext.h"

#include <QFileInfo>

namespace SpeicherAblauf {

std::optional<QString> Ausfuehren(TShellKontext& app, const TDateiDialog& dialog,
                                  const TSchritte& schritte) {
    const std::optional<QString> gewaehlt = app.Benutzer->DateiSpeichern(dialog);
    if (!gewaehlt) {
        return std::nullopt;
    }
    if (QFileInfo::exists(*gewaehlt) &&
        app.Nachricht(Meldung::UeberschreibenFragen, *gewaehlt) != mrYes) {
        return std::nullopt;
    }
    if (!Schreiben(app, *gewaehlt, schritte)) {
        return std::nullopt;
    }
    return gewaehlt;
}

bool Schreiben(TShellKontext& app, const QString& name, const TSchritte& schritte) {
    if (schritte.Pruefen && !schritte.Pruefen(name)) {
        return false;
    }
    if (!schritte.Schreiben(name)) {
        app.Nachricht(Meldung::DateiNichtAnlegbar, name);
        return false;
    }
    return true;
}

} // namespace SpeicherAblauf
