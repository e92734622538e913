#pragma once

#include <QString>
#include <QStringList>

class TAnwendung;

// The language file "Sprache.cfg" in the program configuration directory: one section per
// language, one key per language text.

// Fills `liste` with the section names in file order; message 27 when the file is missing.
void SprachListeLesen(TAnwendung& app, QStringList& liste);
// Replaces every text that the section `sprache` holds; keys it lacks keep their current
// text. Message 27 when the file is missing; an unknown language changes nothing, silently.
void SpracheLesen(TAnwendung& app, const QString& sprache);
