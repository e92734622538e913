#include "shell/Stilnamen.h"

#include <array>

namespace {

constexpr std::array<const char*, 7> kLinienstile = {
    "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
constexpr std::array<const char*, 9> kPunktstile = {"psRectangle",    "psCircle",  "psTriangle",
                                                    "psDownTriangle", "psCross",   "psDiagCross",
                                                    "psStar",         "psDiamond", "psSmallDot"};

template <size_t N> QString StilText(const std::array<const char*, N>& namen, quint8 stil) {
    const unsigned wert = stil & 0x7F;
    return wert < N ? QString::fromLatin1(namen[wert]) : QString();
}

template <size_t N> quint8 StilWert(const std::array<const char*, N>& namen, const QString& name) {
    for (size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(namen[i])) {
            return quint8(i);
        }
    }
    return 0;
}

} // namespace

namespace Stilnamen {

QString LinienstilText(quint8 stil) {
    return StilText(kLinienstile, stil);
}
quint8 LinienstilWert(const QString& name) {
    return StilWert(kLinienstile, name);
}
QString PunktstilText(quint8 stil) {
    return StilText(kPunktstile, stil);
}
quint8 PunktstilWert(const QString& name) {
    return StilWert(kPunktstile, name);
}

} // namespace Stilnamen
