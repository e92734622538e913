#include "app/ui/TOrvanApplikation.h"

#include "app/ui/QtUebersetzung.h"

#include "shell/Arbeitsspeicher.h"
#include "shell/TBenutzer.h"

#include <QKeyEvent>
#include <QMenu>
#include <exception>
#include <iostream>
#include <new>

namespace {
// The help context of the general error box: the program's main help page.
constexpr int kHilfeKontext = 10;
} // namespace

TOrvanApplikation::TOrvanApplikation(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt's own German texts for the buttons of the messages of the start-up; the main window
    // sets those of the language read then.
    QtUebersetzungSetzen(QStringLiteral("Deutsch"));
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

bool TOrvanApplikation::F1Taste(QObject* empfaenger, QEvent* ereignis) {
    if (Benutzer == nullptr || ereignis->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(ereignis)->key() != Qt::Key_F1) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(empfaenger);
    // Menus have their own F1 (the help of the highlighted entry, see the main window).
    if (widget == nullptr || qobject_cast<QMenu*>(widget->window()) != nullptr) {
        return false;
    }
    // The help context of the nearest window or control that names one.
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const int kontext = w->property("HilfeKontext").toInt();
        if (kontext > 0) {
            Benutzer->HilfeZeigen(kontext);
            return true;
        }
    }
    return false;
}

bool TOrvanApplikation::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        if (F1Taste(empfaenger, ereignis)) {
            return true;
        }
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::bad_alloc&) {
        FehlerZeigen(Benutzer, Arbeitsspeicher::ErschoepftText());
    } catch (const std::exception& fehler) {
        FehlerZeigen(Benutzer, QString::fromUtf8(fehler.what()));
    } catch (...) {
        FehlerZeigen(Benutzer, QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}
