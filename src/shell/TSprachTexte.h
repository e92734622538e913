#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

// The language texts: one member per key, holding its built-in German default until a
// language section replaces it. Windows take their texts from these members by name; the
// key list (`Liste`) serves the language file and look-ups by key text.
struct TSprachTexte {
#define ORVAN_TEXT(schluessel, vorgabe) QString schluessel = QStringLiteral(vorgabe);
#include "shell/SprachTexteListe.inc"
#undef ORVAN_TEXT

    struct TEintrag {
        const char* Schluessel;
        QString TSprachTexte::*Text;
    };
    // Every key in reading order.
    static const QVector<TEintrag>& Liste();

    // The text of a key (letter case ignored); nullptr for an unknown key.
    const QString* Suchen(QStringView schluessel) const;
    QString* Suchen(QStringView schluessel);
};
