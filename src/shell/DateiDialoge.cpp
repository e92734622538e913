#include "shell/DateiDialoge.h"

#include "shell/TShellKontext.h"

#include <QStringList>

QString DateiFilter(const QList<QPair<QString, QString>>& typen) {
    QStringList teile;
    for (const auto& [name, endung] : typen) {
        teile.append(name + QStringLiteral(" (*") + endung + QStringLiteral(")|*") + endung);
    }
    return teile.join(u'|');
}

TDateiDialog DateiDialogVorlage(const TShellKontext& app, const QString& titel,
                                const QString& typName, const QString& endung) {
    TDateiDialog dialog;
    dialog.Titel = titel;
    dialog.Verzeichnis = app.AppConst.DatenPfad;
    dialog.StandardEndung = endung.mid(1);
    dialog.Filter =
        DateiFilter({{typName, endung}, {app.Texte.AlleDateienText, QStringLiteral(".*")}});
    dialog.Optionen = app.AppConst.DialogOptionen;
    return dialog;
}

TDateiDialog MessDateiZielDialog(const TShellKontext& app) {
    const QString endung = QStringLiteral(".ome");
    TDateiDialog dialog =
        DateiDialogVorlage(app, app.Texte.NeuLadenText, app.Texte.MessDateienText, endung);
    dialog.DateiName = app.Texte.NeuLadenDateiName + endung;
    return dialog;
}
