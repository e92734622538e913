#pragma once

#include <QVector>
#include <QtGlobal>
#include <array>

// Four bytes per channel: row 0 type, row 1 resolution, row 2 reserve, row 3 spacing; the
// second index is the channel number. All four rows always have the same length.
using TKanalInfo = std::array<QVector<quint8>, 4>;

// The rows of TKanalInfo.
namespace KanalInfoZeile {
enum : int { KanalTyp = 0, KanalAufloesung = 1, KanalReserve = 2, KanalAbstand = 3 };
}

// Values of KanalTyp. Values above 6 are kept but have no text.
enum TKanalTyp : quint8 {
    ktNul = 0,  // not used
    ktBin = 1,  // binary
    ktAna = 2,  // analogue
    ktSBin = 3, // system binary
    ktSAna = 4, // system analogue
    ktPara = 5, // parameter
    ktComp = 6, // computed
};
