// The main window opens where it can be used: a stored size below the minimum or a place off
// the screen is not taken as it is, and a window stored maximised returns to its stored
// normal size.
#include "UiTestHilfen.h"

#include "app/Fensterlage.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <gtest/gtest.h>

TEST(HauptfensterLage, StoredPlacesAreMadeUsable) {
    const QRect flaeche(0, 0, 1400, 900);
    struct TFall {
        const char* Name;
        QRect Gespeichert, Erwartet;
    };
    const TFall faelle[] = {
        {"usable stays", {10, 20, 1000, 700}, {10, 20, 1000, 700}},
        {"the old default strip grows", {10, 10, 600, 300}, {10, 10, 640, 420}},
        {"zero size", {10, 10, 0, 0}, {10, 10, 640, 420}},
        {"larger than the screen", {0, 0, 3000, 2000}, {0, 0, 1400, 900}},
        {"off to the left and above", {-5000, -3000, 800, 600}, {0, 0, 800, 600}},
        {"off to the right and below", {5000, 3000, 800, 600}, {600, 300, 800, 600}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(Fensterlage::Anwendbar(f.Gespeichert, flaeche), f.Erwartet);
    }
    // A screen smaller than the minimum: the whole screen.
    EXPECT_EQ(Fensterlage::Anwendbar({0, 0, 100, 100}, {0, 0, 500, 400}), QRect(0, 0, 500, 400));
    // A maximised window never shown normal keeps the stored normal place.
    EXPECT_EQ(Fensterlage::Speicherbar(QRect(), {1, 2, 900, 600}), QRect(1, 2, 900, 600));
    EXPECT_EQ(Fensterlage::Speicherbar({5, 6, 800, 500}, {1, 2, 900, 600}), QRect(5, 6, 800, 500));
}

TEST(HauptfensterLage, TheMainWindowTakesAUsableStoredPlaceAndKeepsItsNormalSizeWhenMaximised) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    const QRect flaeche = h.screen()->availableGeometry();
    TAppConst& a = p.App.AppConst;

    // Off the screen and a strip: moved onto the screen, at least the minimum.
    a.Maximiert = false;
    a.Links = flaeche.right() + 4000;
    a.Oben = -4000;
    a.Breite = 200;
    a.Hoehe = 100;
    {
        TMainForm klein(p.App);
        EXPECT_GE(klein.width(), std::min(Fensterlage::kMindestBreite, flaeche.width()));
        EXPECT_GE(klein.height(), std::min(Fensterlage::kMindestHoehe, flaeche.height()));
        EXPECT_TRUE(flaeche.contains(klein.geometry().topLeft()));
    }

    // Stored maximised with a normal size: made normal it has that size, and a close while
    // maximised stores it again, not the size of the screen nor nothing.
    const QSize normal(std::min(700, flaeche.width()), std::min(500, flaeche.height()));
    a.Maximiert = true;
    a.Links = 30;
    a.Oben = 40;
    a.Breite = normal.width();
    a.Hoehe = normal.height();
    {
        TMainForm gross(p.App);
        gross.show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(gross.isMaximized());
        EXPECT_EQ(gross.normalGeometry().size(), normal);
        gross.close();
    }
    EXPECT_TRUE(a.Maximiert);
    EXPECT_EQ(a.Breite, normal.width());
    EXPECT_EQ(a.Hoehe, normal.height());

    // The first start stores maximised over the default strip of 600 x 300: made normal the
    // window is usable, not that strip.
    a.Breite = 600;
    a.Hoehe = 300;
    {
        TMainForm erst(p.App);
        erst.show();
        QCoreApplication::processEvents();
        EXPECT_GE(erst.normalGeometry().width(),
                  std::min(Fensterlage::kMindestBreite, flaeche.width()));
        EXPECT_GE(erst.normalGeometry().height(),
                  std::min(Fensterlage::kMindestHoehe, flaeche.height()));
        erst.close();
    }
    Q_UNUSED(h);
}

// Tiling keeps every window large enough for its plot: strips that would be too thin go on
// in a further column (row), and on an area too small even for one cell it scrolls.
TEST(HauptfensterLage, TiledWindowsKeepTheirMinimumSize) {
    struct TFall {
        const char* Name;
        QRect Flaeche;
        int Anzahl;
        QSize Mindest;
        bool Horizontal;
        QList<QRect> Erwartet;
    };
    const TFall faelle[] = {
        {"two fit one above the other",
         {0, 0, 1400, 800},
         2,
         {400, 250},
         true,
         {{0, 0, 1400, 400}, {0, 400, 1400, 400}}},
        {"five: a second column",
         {0, 0, 1400, 800},
         5,
         {400, 250},
         true,
         {{0, 0, 700, 266},
          {0, 266, 700, 267},
          {0, 533, 700, 267},
          {700, 0, 700, 400},
          {700, 400, 700, 400}}},
        {"four side by side: a second row",
         {0, 0, 1200, 800},
         4,
         {400, 300},
         false,
         {{0, 0, 400, 400}, {400, 0, 400, 400}, {800, 0, 400, 400}, {0, 400, 1200, 400}}},
        {"too small an area scrolls",
         {0, 0, 300, 200},
         3,
         {400, 250},
         true,
         {{0, 0, 400, 250}, {400, 0, 400, 250}, {800, 0, 400, 250}}},
        {"none", {0, 0, 300, 200}, 0, {400, 250}, true, {}},
    };
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Name);
        EXPECT_EQ(Fensterlage::Kacheln(f.Flaeche, f.Anzahl, f.Mindest, f.Horizontal), f.Erwartet);
    }
}

TEST(HauptfensterLage, FiveTiledGraphsEachShowTheirPlot) {
    TUiProgramm p;
    TMainForm& h = p.Starten();
    h.showNormal();
    h.setGeometry(0, 0, 1400, 900);
    for (int i = 0; i < 5; ++i) {
        h.DateiNeuClick();
    }
    for (QAction* kacheln : {h.ActHorizontal, h.ActVertical}) {
        SCOPED_TRACE(kacheln->objectName().toStdString());
        kacheln->trigger();
        QCoreApplication::processEvents();
        const QList<QMdiSubWindow*> fenster = h.MdiArea()->subWindowList();
        ASSERT_EQ(fenster.size(), 5);
        for (qsizetype i = 0; i < fenster.size(); ++i) {
            const QSize mindest = fenster[i]->minimumSizeHint();
            EXPECT_GE(fenster[i]->height(), mindest.height());
            EXPECT_GE(fenster[i]->width(), mindest.width());
            for (qsizetype j = 0; j < i; ++j) {
                EXPECT_FALSE(fenster[i]->geometry().intersects(fenster[j]->geometry()));
            }
        }
    }
}
