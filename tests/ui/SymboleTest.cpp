// The pictures of the actions and the application icon come from the resource file and
// draw; an enabled picture looks enabled.
#include "UiTestHilfen.h"

#include "shell/ui/TSymbole.h"

#include <QAction>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// How colourful a picture is: the mean saturation of its visible pixels (0 to 255), and how
// many pixels are visible at all.
struct TFarbigkeit {
    double Saettigung = 0;
    int Sichtbar = 0;
};

TFarbigkeit Farbigkeit(const QIcon& symbol, QIcon::Mode modus) {
    const QImage bild = symbol.pixmap(QSize(32, 32), modus).toImage();
    TFarbigkeit f;
    double summe = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor farbe = bild.pixelColor(x, y);
            if (farbe.alpha() > 128) {
                ++f.Sichtbar;
                summe += farbe.hsvSaturation();
            }
        }
    }
    f.Saettigung = f.Sichtbar > 0 ? summe / f.Sichtbar : 0;
    return f;
}

} // namespace

TEST(Symbole, EveryActionOfTheMainWindowHasADrawnPicture) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    int geprueft = 0;
    for (QAction* aktion : h.findChildren<QAction*>()) {
        if (!aktion->objectName().startsWith(QStringLiteral("Act"))) {
            continue;
        }
        SCOPED_TRACE(aktion->objectName().toStdString());
        ASSERT_FALSE(aktion->icon().isNull());
        // At least a tenth of the 32 x 32 square is drawn.
        EXPECT_GT(Farbigkeit(aktion->icon(), QIcon::Normal).Sichtbar, 100);
        ++geprueft;
    }
    EXPECT_GE(geprueft, 35);
    EXPECT_FALSE(h.windowIcon().isNull());
    EXPECT_GT(Farbigkeit(TSymbole::Programm(), QIcon::Normal).Sichtbar, 800);
    EXPECT_TRUE(TSymbole::Symbol(QStringLiteral("GibtEsNicht")).isNull());
}

TEST(Symbole, EnabledZoomAndScrollPicturesAreInColourAndTheirDisabledFormIsGrey) {
    struct TFall {
        const char* Name;
        double MindestSaettigung; // the markers are mostly a white graph with a coloured line
    };
    const TFall faelle[] = {{"ZoomGross", 60},    {"ZoomKlein", 60},  {"ScrollLinks", 60},
                            {"ScrollRechts", 60}, {"ScrollOben", 60}, {"ScrollUnten", 60},
                            {"Marker1", 15},      {"Marker2", 15}};
    for (const TFall& fall : faelle) {
        const char* name = fall.Name;
        SCOPED_TRACE(name);
        const QIcon symbol = TSymbole::Symbol(QLatin1String(name));
        const TFarbigkeit an = Farbigkeit(symbol, QIcon::Normal);
        const TFarbigkeit aus = Farbigkeit(symbol, QIcon::Disabled);
        EXPECT_GT(an.Saettigung, fall.MindestSaettigung);
        EXPECT_GT(an.Saettigung, 2 * aus.Saettigung);
    }
}
