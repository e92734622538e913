#include "shell/HilfeSeite.h"

#include "shell/TAppConst.h"

#include <QFileInfo>

namespace HilfeSeite {

QString Datei(const QString& hilfePfad, const QString& sprache) {
    const QString deutsch = hilfePfad + Dateinamen::HilfeDatei;
    const QFileInfo name(Dateinamen::HilfeDatei);
    const QString eigene =
        hilfePfad + name.completeBaseName() + u'_' + sprache + u'.' + name.suffix();
    return QFileInfo(eigene).isFile() ? eigene : deutsch;
}

QUrl Adresse(const QString& datei, int kontext) {
    QUrl adresse = QUrl::fromLocalFile(datei);
    adresse.setFragment(QStringLiteral("k%1").arg(kontext));
    return adresse;
}

} // namespace HilfeSeite
