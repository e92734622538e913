#include "shell/Diverse.h"

#include "shell/TShellKontext.h"
#include "shell/Zahlen.h"

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

// The common end of the four range checks.
bool Bereich(TShellKontext& app, bool imBereich, bool zeigen, const QString& grenzen) {
    if (!imBereich && zeigen) {
        app.Nachricht(5, grenzen);
    }
    return imBereich;
}

bool KeineZahl(TShellKontext& app, bool zeigen) {
    if (zeigen) {
        app.Nachricht(6);
    }
    return false;
}

QString Grenzen(const QString& minimum, const QString& maximum) {
    return minimum + QStringLiteral(" ... ") + maximum;
}

} // namespace

namespace Diverse {

void BackslashAnhaengen(QString& verzeichnis) {
    if (!verzeichnis.endsWith(u'/')) {
        verzeichnis += u'/';
    }
}

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

QString VersionText(int version) {
    const QString ziffern = QString::number(version).rightJustified(3, u'0');
    return QStringLiteral("V") + ziffern[0] + u'_' + ziffern[1] + ziffern[2];
}

std::optional<int> VersionWert(const QString& text) {
    if (text.size() < 5) {
        return std::nullopt;
    }
    int wert = 0;
    for (int stelle : {1, 3, 4}) {
        const QChar c = text[stelle];
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        wert = wert * 10 + (c.unicode() - u'0');
    }
    return wert;
}

std::optional<quint32> BitTextWert(const QString& text) {
    if (text.size() > 255) {
        return std::nullopt;
    }
    quint32 wert = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[n - 1 - i] == u'1') {
            wert |= quint32(1) << (i % 32);
        }
    }
    return wert;
}

bool BitTextPruefen(TShellKontext& app, qint64 minimum, qint64 maximum, const QString& text,
                    bool zeigen) {
    const auto wert = BitTextWert(text);
    if (!wert) {
        return KeineZahl(app, zeigen);
    }
    return Bereich(app, minimum <= qint64(*wert) && qint64(*wert) <= maximum, zeigen,
                   Grenzen(QString::number(minimum), QString::number(maximum)));
}

bool GanzzahlPruefen(TShellKontext& app, qint32 minimum, qint32 maximum, const QString& text,
                     bool zeigen) {
    const auto wert = Zahlen::GanzzahlLesen(text);
    if (!wert) {
        return KeineZahl(app, zeigen);
    }
    return Bereich(app, minimum <= *wert && *wert <= maximum, zeigen,
                   Grenzen(QString::number(minimum), QString::number(maximum)));
}

bool KardinalzahlPruefen(TShellKontext& app, quint32 minimum, quint32 maximum, const QString& text,
                         bool zeigen) {
    const auto wert = Zahlen::Ganzzahl64Lesen(text);
    if (!wert || *wert < 0 || *wert > 4294967295LL) {
        return KeineZahl(app, zeigen);
    }
    const auto w = quint32(*wert);
    return Bereich(app, minimum <= w && w <= maximum, zeigen,
                   Grenzen(QString::number(minimum), QString::number(maximum)));
}

bool GleitzahlPruefen(TShellKontext& app, const QString& text, bool zeigen, double minimum,
                      double maximum) {
    const auto wert = Zahlen::GleitzahlLesen(text);
    if (!wert) {
        return KeineZahl(app, zeigen);
    }
    return Bereich(app, minimum <= *wert && *wert <= maximum, zeigen,
                   Grenzen(Zahlen::GleitzahlText(minimum), Zahlen::GleitzahlText(maximum)));
}

quint8 ZahlZuBcd(quint8 zahl) {
    return zahl < 100 ? quint8((zahl / 10) * 16 + zahl % 10) : 0;
}

quint8 BcdZuZahl(quint8 bcd) {
    return bcd <= 0x99 ? quint8((bcd / 16) * 10 + bcd % 16) : 0;
}

} // namespace Diverse
