#pragma once

#include "graph/TColor.h"

#include <QComboBox>

class TBenutzer;

// A colour list of the properties dialog: the sixteen standard colours by their plain names
// (Black ... White), each with a swatch. A colour outside them is shown as one more entry
// under its identifier and kept; the last entry ("Weitere Farben...") opens the colour
// chooser of the user seam, whose colour becomes that extra entry.
class TFarbListe : public QComboBox {
    Q_OBJECT
public:
    TFarbListe(TBenutzer& benutzer, QWidget* eltern = nullptr);

    void FarbeZeigen(TColor farbe);
    TColor Farbe() const;
    // The text of the entry that opens the colour chooser (a language text).
    void WeitereText(const QString& text);

    // The chooser entry, as a click on it would do.
    void WeitereFarbenWaehlen();

    static QIcon Muster(TColor farbe);

private:
    void EigeneFarbeSetzen(TColor farbe);
    int WeitereIndex() const { return count() - 1; }

    TBenutzer& FBenutzer;
    int FVorher = 0;
};
