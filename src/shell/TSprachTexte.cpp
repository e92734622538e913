#include "shell/TSprachTexte.h"

#include <QHash>

const QVector<TSprachTexte::TEintrag>& TSprachTexte::Liste() {
    static const QVector<TEintrag> liste = {
#define ORVAN_TEXT(schluessel, vorgabe) {#schluessel, &TSprachTexte::schluessel},
#include "shell/SprachTexteListe.inc"
#undef ORVAN_TEXT
    };
    return liste;
}

namespace {

const QHash<QString, QString TSprachTexte::*>& Verzeichnis() {
    static const QHash<QString, QString TSprachTexte::*> verzeichnis = [] {
        QHash<QString, QString TSprachTexte::*> v;
        for (const auto& e : TSprachTexte::Liste()) {
            v.insert(QString::fromLatin1(e.Schluessel).toLower(), e.Text);
        }
        return v;
    }();
    return verzeichnis;
}

} // namespace

const QString* TSprachTexte::Suchen(QStringView schluessel) const {
    const auto it = Verzeichnis().constFind(schluessel.toString().toLower());
    return it == Verzeichnis().constEnd() ? nullptr : &(this->*(it.value()));
}

QString* TSprachTexte::Suchen(QStringView schluessel) {
    return const_cast<QString*>(std::as_const(*this).Suchen(schluessel));
}
