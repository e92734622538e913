#include "app/ui/QtUebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

bool QtUebersetzungSetzen(const QString& sprache) {
    // One translator for the whole run, replaced at every switch of the language.
    static QPointer<QTranslator> uebersetzung;
    if (uebersetzung != nullptr) {
        QCoreApplication::removeTranslator(uebersetzung);
        delete uebersetzung;
    }
    if (sprache.compare(QStringLiteral("Deutsch"), Qt::CaseInsensitive) != 0) {
        return false;
    }
    auto* neu = new QTranslator(QCoreApplication::instance());
    if (!neu->load(QStringLiteral("qtbase_de"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete neu;
        return false;
    }
    QCoreApplication::installTranslator(neu);
    uebersetzung = neu;
    return true;
}
