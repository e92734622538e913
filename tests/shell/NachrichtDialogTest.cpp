#include "shell/ui/TNachrichtDialog.h"
#include "shell/ui/TQtBenutzer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TNachrichtInhalt Inhalt(TNachrichtKnoepfe knoepfe) {
    TNachrichtInhalt n;
    n.Nummer = 30;
    n.Typ = TNachrichtTyp::Bestaetigung;
    n.Knoepfe = knoepfe;
    n.HilfeKontext = 9300;
    n.Text = QStringLiteral("(30) Die Datei\rx.ogr\rwurde noch nicht gespeichert!");
    return n;
}

// Runs the dialog modally and lets `aktion` act on it once it is shown.
int Ausfuehren(TNachrichtDialog& dialog, const std::function<void(TNachrichtDialog&)>& aktion) {
    QTimer::singleShot(0, &dialog, [&] { aktion(dialog); });
    return dialog.exec();
}

void Taste(QWidget& ziel, int taste) {
    QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier);
    QApplication::sendEvent(&ziel, &druck);
}

TEST(NachrichtDialog, KeysAndCloseBoxGiveTheStatedResults) {
    using K = TNachrichtKnoepfe;
    struct Fall {
        K Knoepfe;
        int Enter;
        int Escape;
    };
    const Fall faelle[] = {
        {K::OkHilfe, mrOk, mrOk},
        {K::JaNeinHilfe, mrYes, mrNo},
        {K::JaNeinAbbrechenHilfe, mrYes, mrCancel},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(int(f.Knoepfe));
        TNachrichtDialog enter(Inhalt(f.Knoepfe), "ORVAN", {});
        EXPECT_EQ(Ausfuehren(enter,
                             [](TNachrichtDialog& d) { Taste(d, Qt::Key_Return); }),
                  f.Enter);
        TNachrichtDialog escape(Inhalt(f.Knoepfe), "ORVAN", {});
        EXPECT_EQ(Ausfuehren(escape, [](TNachrichtDialog& d) { Taste(d, Qt::Key_Escape); }),
                  f.Escape);
        TNachrichtDialog schliessen(Inhalt(f.Knoepfe), "ORVAN", {});
        EXPECT_EQ(Ausfuehren(schliessen, [](TNachrichtDialog& d) { d.close(); }), mrCancel);
    }
}

TEST(NachrichtDialog, GermanCaptionsAndButtonsAndHelpLeavesTheBoxOpen) {
    QList<int> hilfe;
    TNachrichtDialog dialog(Inhalt(TNachrichtKnoepfe::JaNeinAbbrechenHilfe), "ORVAN",
                            [&](int kontext) { hilfe.append(kontext); });
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Bestätigung"));
    QStringList beschriftungen;
    for (auto* knopf : dialog.findChildren<QPushButton*>()) {
        beschriftungen.append(knopf->text());
    }
    beschriftungen.sort();
    EXPECT_EQ(beschriftungen, QStringList({"&Hilfe", "&Ja", "&Nein", "Abbrechen"}));
    EXPECT_EQ(dialog.findChild<QLabel*>("NachrichtText")->text(),
              "(30) Die Datei\nx.ogr\nwurde noch nicht gespeichert!");
    const int ergebnis = Ausfuehren(dialog, [&](TNachrichtDialog& d) {
        d.findChild<QPushButton*>("Knopf0")->click();
        EXPECT_TRUE(d.isVisible());
        d.findChild<QPushButton*>("Knopf7")->click();
    });
    EXPECT_EQ(ergebnis, mrNo);
    EXPECT_EQ(hilfe, QList<int>({9300}));
}

TEST(NachrichtDialog, CustomTypeUsesTheApplicationTitle) {
    TNachrichtInhalt n = Inhalt(TNachrichtKnoepfe::OkHilfe);
    n.Typ = TNachrichtTyp::Eigen;
    TNachrichtDialog dialog(n, "ORVAN", {});
    EXPECT_EQ(dialog.windowTitle(), "ORVAN");
    n.Typ = TNachrichtTyp::Warnung;
    EXPECT_EQ(TNachrichtDialog(n, "ORVAN", {}).windowTitle(), "Warnung");
}

TEST(QtDateiFilter, TurnsTheOldFilterIntoQtNameFilters) {
    EXPECT_EQ(QtDateiFilter("Graph-Dateien (*.ogr)|*.ogr|Alle Dateien (*.*)|*.*"),
              "Graph-Dateien (*.ogr);;Alle Dateien (*)");
    EXPECT_EQ(QtDateiFilter("Mess-Dateien (*.ome)|*.ome;*.oor"), "Mess-Dateien (*.ome *.oor)");
}

} // namespace
