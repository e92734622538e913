#include "app/ui/TOrvanApplikation.h"

#include "shell/TBenutzer.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <exception>
#include <iostream>

namespace {
// The help context of the general error box: the program's main help page.
constexpr int kHilfeKontext = 10;
} // namespace

TOrvanApplikation::TOrvanApplikation(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt's own German texts for the buttons of the standard dialogs.
    auto* uebersetzung = new QTranslator(this);
    if (uebersetzung->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(uebersetzung);
    }
}

void TOrvanApplikation::FehlerZeigen(TBenutzer* benutzer, const QString& text) {
    if (benutzer == nullptr) {
        std::cerr << text.toStdString() << std::endl;
        return;
    }
    TNachrichtInhalt inhalt;
    inhalt.Typ = TNachrichtTyp::Fehler;
    inhalt.Knoepfe = TNachrichtKnoepfe::OkHilfe;
    inhalt.HilfeKontext = kHilfeKontext;
    inhalt.Text = text;
    benutzer->NachrichtZeigen(inhalt);
}

bool TOrvanApplikation::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::exception& fehler) {
        FehlerZeigen(Benutzer, QString::fromUtf8(fehler.what()));
    } catch (...) {
        FehlerZeigen(Benutzer, QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}
