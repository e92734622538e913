#pragma once

#include <QString>

enum class TNachrichtTyp { Warnung, Fehler, Information, Bestaetigung, Eigen };
enum class TNachrichtKnoepfe { OkHilfe, JaNeinHilfe, JaNeinAbbrechenHilfe };

// Results of a message dialog, the values the old toolkit's modal results had.
enum TModalErgebnis : int { mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// One composed numbered message, ready to be shown.
struct TNachrichtInhalt {
    int Nummer = 0;
    TNachrichtTyp Typ = TNachrichtTyp::Information;
    TNachrichtKnoepfe Knoepfe = TNachrichtKnoepfe::OkHilfe;
    int HilfeKontext = 0;
    QString Text;
};
