#pragma once

#include "graph/TDiagramm.h"
#include "measurement/TMessDatei.h"
#include "shell/TErgebnis.h"

class TShellKontext;
class TParser;

// Where the measurement came from: the file's name, and whether its bytes were taken as raw
// values because the file was no measurement file.
struct TImportQuelle {
    QString Datei;
    bool Roh = false;
};

// Turns the active series of a measurement into curves appended to the document: the job's
// name and comment become title and footer, the legend and automatic limits are switched
// on, the X axis shows date and time. Each curve starts as `vorlage` (the default curve) with the
// series' name, its colour by series index (Farben::KurvenFarben), neutral factors and the
// series' time stamps and values. Series of PARA channels give no curve; series of COMP
// channels and series without a channel of the device are computed first with `parser`
// (KurveBerechnen), into `m` itself. XMin becomes the smallest time stamp of this call's
// curves (unchanged when they hold no point).
//
// When computing a calculated series fails, the document is left exactly as it was and the
// result says why; series computed before the failure keep their values in `m`.
// Adding to a document that already has curves keeps its title and footer, and a new curve
// whose colour is already taken gets the next colour of the table not used in the document
// yet. Raw bytes (`quelle.Roh`) are shown over their byte index: a new graph is titled with
// the file's name, has no footer and a plain number axis.
//
// Showing the document is the caller's.
TErgebnis DateiInDiagramm(TShellKontext& app, const TKurve& vorlage, TParser& parser, TMessDatei& m,
                          TDiagramm& d, const TImportQuelle& quelle = {});
