#include "app/ui/TOrvanApplikation.h"

#include "shell/Arbeitsspeicher.h"
#include "shell/Fehleranzeige.h"
#include "shell/TBenutzer.h"

#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>
#include <exception>
#include <new>

TOrvanApplikation::TOrvanApplikation(int& argc, char** argv) : QApplication(argc, argv) {
    QtSpracheSetzen(QStringLiteral("Deutsch"));
}

bool TOrvanApplikation::QtSpracheSetzen(const QString& sprache) {
    auto* anwendung = QCoreApplication::instance();
    if (anwendung == nullptr) {
        return false;
    }
    const QString name = QStringLiteral("QtUebersetzung");
    delete anwendung->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    // Only German has Qt texts of its own here; every other language of the language file
    // gets Qt's built-in English ("Ctrl+", "Cancel").
    if (sprache.compare(QStringLiteral("Deutsch"), Qt::CaseInsensitive) != 0) {
        return false;
    }
    auto* uebersetzung = new QTranslator(anwendung);
    uebersetzung->setObjectName(name);
    if (!uebersetzung->load(QStringLiteral("qtbase_de"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    QCoreApplication::installTranslator(uebersetzung);
    return true;
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
