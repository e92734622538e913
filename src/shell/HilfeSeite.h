#pragma once

#include <QString>
#include <QUrl>

// The help pages lie in the help directory: "Orvan.html" in German, and one page per further
// language named after the language's section in the language file ("Orvan_English.html").
// Each help context the program passes is an anchor "k<context>" in every page.
namespace HilfeSeite {

// The page for `sprache` in `hilfePfad`; the German page when that language has none.
QString Datei(const QString& hilfePfad, const QString& sprache);

// The address of help context `kontext` on page `datei`.
QUrl Adresse(const QString& datei, int kontext);

} // namespace HilfeSeite
