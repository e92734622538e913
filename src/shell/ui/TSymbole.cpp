#include "shell/ui/TSymbole.h"

#include <QFile>

// The resource file is part of a static library: it has to be registered by hand, at file
// scope, before the first picture is asked for.
static void RessourcenLaden() {
    static const bool geladen = [] {
        Q_INIT_RESOURCE(Orvan);
        return true;
    }();
    Q_UNUSED(geladen);
}

QIcon TSymbole::Symbol(const QString& name) {
    RessourcenLaden();
    const QString datei = QStringLiteral(":/symbole/") + name + QStringLiteral(".svg");
    return QFile::exists(datei) ? QIcon(datei) : QIcon();
}

QIcon TSymbole::Programm() {
    RessourcenLaden();
    return QIcon(QStringLiteral(":/Orvan.svg"));
}
