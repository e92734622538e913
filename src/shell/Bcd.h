#pragma once

#include <QtGlobal>

// Packed BCD bytes as the instrument's clock and job fields use them: 42 <-> 0x42. A number
// above 99 or a byte above 0x99 becomes 0.
namespace Bcd {

inline quint8 ZahlZuBcd(quint8 zahl) {
    return zahl < 100 ? quint8((zahl / 10) * 16 + zahl % 10) : 0;
}

inline quint8 BcdZuZahl(quint8 bcd) {
    return bcd <= 0x99 ? quint8((bcd / 16) * 10 + bcd % 16) : 0;
}

} // namespace Bcd
