#include "shell/VersionsInfo.h"

// The version number comes from the project() line of the top CMakeLists.txt, and only from
// there: ORVAN_VERSION ("a.b.c.d") and its four parts.
#if !defined(ORVAN_VERSION) || !defined(ORVAN_VERSION_TEILE)
#error "ORVAN_VERSION and ORVAN_VERSION_TEILE come from CMake"
#endif

const TVersionsRessource& ProgrammVersion() {
    static const TVersionsRessource ressource = {
        true,
        {
            {QStringLiteral("CompanyName"), QStringLiteral("Orvan Messtechnik GmbH")},
            {QStringLiteral("FileDescription"), QStringLiteral("Kurven-Auswertungs-Software")},
            {QStringLiteral("FileVersion"), QStringLiteral(ORVAN_VERSION)},
            {QStringLiteral("InternalName"), QStringLiteral("ORVAN")},
            {QStringLiteral("LegalCopyright"), QStringLiteral("© 2026 Orvan Messtechnik GmbH")},
            {QStringLiteral("OriginalFilename"), QStringLiteral("orvan")},
            {QStringLiteral("ProductName"), QStringLiteral("Orvan")},
        },
        {ORVAN_VERSION_TEILE},
    };
    return ressource;
}

bool VersionsInfoLesen(const TVersionsRessource& ressource, QStringList& liste) {
    liste.clear();
    if (!ressource.Vorhanden) {
        return false;
    }
    static const char* const schluessel[] = {"CompanyName",  "FileDescription", "FileVersion",
                                             "InternalName", "LegalCopyRight",  "OriginalFileName",
                                             "ProductName"};
    for (const char* s : schluessel) {
        for (const auto& eintrag : ressource.Eintraege) {
            if (eintrag.first.compare(QLatin1String(s), Qt::CaseInsensitive) == 0) {
                liste.append(eintrag.second);
                break;
            }
        }
    }
    return true;
}

namespace {
// The information is compiled into the program, so the program file always has it.
const TVersionsRessource& RessourceVon(const QString&) {
    return ProgrammVersion();
}
} // namespace

bool VersionsInfoLesen(const QString& datei, QStringList& liste) {
    return VersionsInfoLesen(RessourceVon(datei), liste);
}

QString VersionLesen(const QString& muster, const TVersionsRessource& ressource) {
    if (!ressource.Vorhanden) {
        return QStringLiteral("?");
    }
    QString text;
    int teil = 0;
    for (qsizetype i = 0; i < muster.size(); ++i) {
        if (muster[i] == u'%' && i + 1 < muster.size() && muster[i + 1] == u'd') {
            text += teil < 4 ? QString::number(ressource.DateiVersion[teil++]) : QString();
            ++i;
        } else if (muster[i] == u'%' && i + 1 < muster.size() && muster[i + 1] == u'%') {
            text += u'%';
            ++i;
        } else {
            text += muster[i];
        }
    }
    return text;
}

void VersionLesen(const QString& muster, const QString& datei, QString& text) {
    text = VersionLesen(muster, RessourceVon(datei));
}

QString VersionsText(const QString& programm) {
    QStringList eintraege;
    VersionsInfoLesen(ProgrammVersion(), eintraege);
    return programm + u' ' + VersionLesen(QStringLiteral("%d.%d.%d.%d"), ProgrammVersion()) +
           u'\n' + eintraege.value(1) + u'\n' + eintraege.value(4) + u'\n';
}
