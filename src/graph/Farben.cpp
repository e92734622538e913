#include "graph/Farben.h"

#include "shell/Zahlen.h"

namespace Farben {

namespace {

struct TFarbName {
    const char* Name;
    TColor Wert;
    TColor Darstellung; // what a system colour is drawn as
};

// A system colour is 0x80000000 plus the index of the desktop colour.
constexpr TColor kSystem = 0x80000000u;

// clang-format off
constexpr TFarbName kNamen[] = {
    {"clBlack", Farbe::clBlack, Farbe::clBlack},
    {"clMaroon", Farbe::clMaroon, Farbe::clMaroon},
    {"clGreen", Farbe::clGreen, Farbe::clGreen},
    {"clOlive", Farbe::clOlive, Farbe::clOlive},
    {"clNavy", Farbe::clNavy, Farbe::clNavy},
    {"clPurple", Farbe::clPurple, Farbe::clPurple},
    {"clTeal", Farbe::clTeal, Farbe::clTeal},
    {"clGray", Farbe::clGray, Farbe::clGray},
    {"clSilver", Farbe::clSilver, Farbe::clSilver},
    {"clRed", Farbe::clRed, Farbe::clRed},
    {"clLime", Farbe::clLime, Farbe::clLime},
    {"clYellow", Farbe::clYellow, Farbe::clYellow},
    {"clBlue", Farbe::clBlue, Farbe::clBlue},
    {"clFuchsia", Farbe::clFuchsia, Farbe::clFuchsia},
    {"clAqua", Farbe::clAqua, Farbe::clAqua},
    {"clWhite", Farbe::clWhite, Farbe::clWhite},
    {"clMoneyGreen", 0xC0DCC0, 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6, 0xF0CAA6},
    {"clCream", 0xF0FBFF, 0xF0FBFF},
    {"clMedGray", 0xA4A0A0, 0xA4A0A0},
    {"clNone", 0x1FFFFFFF, Farbe::clWhite},
    {"clDefault", 0x20000000, Farbe::clWhite},
    {"clScrollBar", kSystem + 0, 0xC8C8C8},
    {"clBackground", kSystem + 1, 0x000000},
    {"clActiveCaption", kSystem + 2, 0xD1B499},
    {"clInactiveCaption", kSystem + 3, 0xDBCDBF},
    {"clMenu", kSystem + 4, 0xF0F0F0},
    {"clWindow", kSystem + 5, 0xFFFFFF},
    {"clWindowFrame", kSystem + 6, 0x646464},
    {"clMenuText", kSystem + 7, 0x000000},
    {"clWindowText", kSystem + 8, 0x000000},
    {"clCaptionText", kSystem + 9, 0x000000},
    {"clActiveBorder", kSystem + 10, 0xB4B4B4},
    {"clInactiveBorder", kSystem + 11, 0xFCF7F4},
    {"clAppWorkSpace", kSystem + 12, 0xABABAB},
    {"clHighlight", kSystem + 13, 0xFF9933},
    {"clHighlightText", kSystem + 14, 0xFFFFFF},
    {"clBtnFace", kSystem + 15, 0xF0F0F0},
    {"clBtnShadow", kSystem + 16, 0xA0A0A0},
    {"clGrayText", kSystem + 17, 0x6D6D6D},
    {"clBtnText", kSystem + 18, 0x000000},
    {"clInactiveCaptionText", kSystem + 19, 0x000000},
    {"clBtnHighlight", kSystem + 20, 0xFFFFFF},
    {"cl3DDkShadow", kSystem + 21, 0x696969},
    {"cl3DLight", kSystem + 22, 0xE3E3E3},
    {"clInfoText", kSystem + 23, 0x000000},
    {"clInfoBk", kSystem + 24, 0xE1FFFF},
    {"clHotLight", kSystem + 26, 0xCC6600},
    {"clGradientActiveCaption", kSystem + 27, 0xEAD1B9},
    {"clGradientInactiveCaption", kSystem + 28, 0xF2E4D7},
    {"clMenuHighlight", kSystem + 29, 0xFF9933},
    {"clMenuBar", kSystem + 30, 0xF0F0F0},
};
// clang-format on

} // namespace

QString FarbeText(TColor farbe) {
    for (const TFarbName& n : kNamen) {
        if (n.Wert == farbe) {
            return QLatin1String(n.Name);
        }
    }
    return QStringLiteral("$%1").arg(farbe, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> FarbeWert(const QString& text) {
    const QString t = text.trimmed();
    for (const TFarbName& n : kNamen) {
        if (t.compare(QLatin1String(n.Name), Qt::CaseInsensitive) == 0) {
            return n.Wert;
        }
    }
    if (const auto zahl = Zahlen::GanzzahlLesen(t)) {
        return TColor(quint32(*zahl));
    }
    return std::nullopt;
}

TColor Darstellungsfarbe(TColor farbe) {
    if (farbe <= 0xFFFFFF) {
        return farbe;
    }
    for (const TFarbName& n : kNamen) {
        if (n.Wert == farbe) {
            return n.Darstellung;
        }
    }
    // Unknown encodings: the low three bytes are the best guess.
    return farbe & 0xFFFFFF;
}

} // namespace Farben
