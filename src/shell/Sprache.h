#pragma once

#include <QString>
#include <QStringList>

class TShellKontext;

// The language file "Sprache.cfg" in the program configuration directory: one section per
// language, one key per language text.

// Fills `liste` with the section names in file order; message 27 when the file is missing.
void SprachListeLesen(TShellKontext& app, QStringList& liste);
// Replaces every text that the section `sprache` holds; keys it lacks keep their current
// text. Message 27 when the file is missing; an unknown language changes nothing, silently.
void SpracheLesen(TShellKontext& app, const QString& sprache);
// Start-up: the language list into AppConst.SprachenListe and the texts of AppConst.Sprache.
void SpracheLaden(TShellKontext& app);
