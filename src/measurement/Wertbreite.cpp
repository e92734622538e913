#include "measurement/Wertbreite.h"

namespace {

bool IstAnalog(quint8 typ) {
    return typ == ktAna || typ == ktSAna;
}

bool IstBinaer(quint8 typ) {
    return typ == ktBin || typ == ktSBin;
}

} // namespace

int WertBreite(const TGeraet& geraet, int reihe) {
    using namespace KanalInfoZeile;
    if (reihe < 0 || reihe >= geraet.KanalAnzahl || reihe >= geraet.KanalInfo[KanalTyp].size() ||
        reihe >= geraet.KanalInfo[KanalAufloesung].size()) {
        return 0;
    }
    const quint8 typ = geraet.KanalInfo[KanalTyp][reihe];
    if (IstBinaer(typ)) {
        return 1;
    }
    if (IstAnalog(typ)) {
        const int aufloesung = geraet.KanalInfo[KanalAufloesung][reihe];
        // Integer division truncates toward zero: a resolution of 0 still takes one byte.
        return (aufloesung - 1) / 8 + 1;
    }
    return 0;
}

std::optional<quint32> WertMaske(const TGeraet& geraet, int reihe) {
    if (WertBreite(geraet, reihe) == 0) {
        return std::nullopt;
    }
    using namespace KanalInfoZeile;
    const quint8 typ = geraet.KanalInfo[KanalTyp][reihe];
    if (IstBinaer(typ)) {
        return 255u;
    }
    const int aufloesung = geraet.KanalInfo[KanalAufloesung][reihe];
    if (aufloesung >= 32) {
        return std::nullopt;
    }
    return (quint32(1) << aufloesung) - 1;
}
