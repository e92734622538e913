// The graph window's ways of moving about: the mouse wheel, "+" and "-", dragging over an axis,
// the zoom history, going to a time, and showing or hiding a curve from the legend.
#include "graph/ui/TMDIGraphWin.h"

#include "graph/AnsichtNavigation.h"
#include "graph/ui/TGraphAbbildung.h"
#include "shell/DatumZeit.h"
#include "shell/Meldungen.h"
#include "shell/TBenutzer.h"
#include "shell/TShellKontext.h"
#include "shell/Uhr.h"
#include "shell/Zahlen.h"

#include <qcustomplot.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>
#include <utility>

namespace {

// Pixels of a drag over an axis that zoom it by the factor e (right and up zoom in).
constexpr double kZugPixel = 150.0;

} // namespace

void TMDIGraphWin::NavigationEinrichten() {
    // "+" and "-" reach the window when the chart has the focus, and a click gives it.
    Chart->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(Chart);
    installEventFilter(this);
}

TAnsichtsStand TMDIGraphWin::AnsichtStand() const {
    TAnsichtsStand s;
    for (int i = 0; i < 3; ++i) {
        s.Minimum[i] = FZustand.Bereich[i].Min;
        s.Maximum[i] = FZustand.Bereich[i].Max;
        s.Automatik[i] = FZustand.Automatik[i];
    }
    return s;
}

void TMDIGraphWin::AnsichtMerken() {
    FVerlauf.Merken(AnsichtStand());
    emit AnsichtGeaendert();
}

void TMDIGraphWin::VerlaufLeeren() {
    FVerlauf.Leeren();
    emit AnsichtGeaendert();
}

void TMDIGraphWin::AnsichtSetzen(const TAnsichtsStand& stand) {
    for (int i = 0; i < 3; ++i) {
        FZustand.Bereich[i] = {stand.Minimum[i], stand.Maximum[i]};
        FZustand.Automatik[i] = stand.Automatik[i];
    }
    Neuzeichnen();
    MarkerSetzen();
    emit AnsichtGeaendert();
}

void TMDIGraphWin::ZoomZurueck() {
    if (const auto stand = FVerlauf.Zurueck(AnsichtStand())) {
        AnsichtSetzen(*stand);
    }
}

void TMDIGraphWin::ZoomVor() {
    if (const auto stand = FVerlauf.Vor(AnsichtStand())) {
        AnsichtSetzen(*stand);
    }
}

void TMDIGraphWin::AchseZoomen(int nummer, double punkt, double faktor) {
    const TAnsichtZustand::TBereich& b = FZustand.Bereich[nummer];
    const AnsichtNavigation::TBereich neu =
        AnsichtNavigation::UmPunktZoomen({b.Min, b.Max}, punkt, faktor);
    FZustand.AchseSetzen(nummer, {neu.Minimum, neu.Maximum});
}

void TMDIGraphWin::RadZoomen(QPoint position, int winkel, Qt::KeyboardModifiers tasten) {
    const QRect plot = PlotRechteck();
    if (winkel == 0 || plot.width() <= 0 || plot.height() <= 0) {
        return;
    }
    const double faktor = AnsichtNavigation::RadFaktor(winkel);
    const TRealWerte w = BerechneRealWerte(position.x(), position.y());
    // Over an axis the wheel zooms that axis alone; over the plot Shift keeps Y and Ctrl
    // keeps X.
    bool x = !(tasten & Qt::ControlModifier);
    bool y = !(tasten & Qt::ShiftModifier);
    if (!plot.contains(position)) {
        x = Chart->xAxis->selectTest(position, false) >= 0;
        const bool links = Chart->yAxis->selectTest(position, false) >= 0;
        const bool rechts = Chart->yAxis2->selectTest(position, false) >= 0;
        if (!x && !links && !rechts) {
            return;
        }
        AnsichtMerken();
        if (x) {
            AchseZoomen(1, w.X, faktor);
        }
        if (links) {
            AchseZoomen(0, w.YLinks, faktor);
        }
        if (rechts) {
            AchseZoomen(2, w.YRechts, faktor);
        }
    } else {
        if (!x && !y) {
            return;
        }
        AnsichtMerken();
        if (x) {
            AchseZoomen(1, w.X, faktor);
        }
        if (y) {
            AchseZoomen(0, w.YLinks, faktor);
            AchseZoomen(2, w.YRechts, faktor);
        }
    }
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::GeheZuZeitpunkt() {
    const TSprachTexte& t = FApp.Texte;
    const TAppConst& a = FApp.AppConst;
    const bool datumZeit = Diagramm.DatumZeitAchse;
    const TAnsichtZustand::TBereich bereich = FZustand.Bereich[1];
    const double mitte = (bereich.Min + bereich.Max) / 2;
    const QString vorgabe = datumZeit ? DatumZeit::Formatieren(a.ZeitDatumsformat, mitte)
                                      : Zahlen::GleitzahlText(mitte);
    const QString frage =
        datumZeit ? t.GeheZuDatumFrageText + QStringLiteral(" (") + a.ZeitDatumsformat + u')'
                  : t.GeheZuZahlFrageText;
    const auto eingabe = FApp.Benutzer->Eingabe(t.GeheZuTitelText, frage, vorgabe);
    if (!eingabe) {
        return;
    }
    const auto wert =
        AnsichtNavigation::ZeitpunktLesen(*eingabe, datumZeit, a.ZeitDatumsformat,
                                          a.DatumsformatLang, a.ZeitformatKurz, Uhr::Jetzt());
    if (!wert) {
        FApp.Nachricht(Meldung::Allgemein,
                       eingabe->trimmed() + QChar(13) + t.ZeitpunktUnlesbarText);
        return;
    }
    const auto daten = AnsichtNavigation::DatenBereichX(Diagramm);
    if (!daten || *wert < daten->Minimum || *wert > daten->Maximum) {
        const auto text = [&](double x) {
            return datumZeit ? DatumZeit::Formatieren(a.ZeitDatumsformat, x)
                             : Zahlen::GleitzahlText(x);
        };
        QString meldung = eingabe->trimmed() + QChar(13) + t.ZeitpunktAusserhalbText;
        if (daten) {
            meldung +=
                QChar(13) + text(daten->Minimum) + QStringLiteral(" - ") + text(daten->Maximum);
        }
        FApp.Nachricht(Meldung::Allgemein, meldung);
        return;
    }
    AnsichtMerken();
    const AnsichtNavigation::TBereich neu =
        AnsichtNavigation::Zentrieren({bereich.Min, bereich.Max}, *wert);
    FZustand.AchseSetzen(1, {neu.Minimum, neu.Maximum});
    Neuzeichnen();
    MarkerSetzen();
}

void TMDIGraphWin::KurveUmschalten(qsizetype index) {
    if (index < 0 || index >= Diagramm.Kurven.size()) {
        return;
    }
    TKurve& k = Diagramm.Kurven[index];
    k.Sichtbar = !k.Sichtbar;
    // Shown or hidden is part of the graph: the file keeps it.
    Gespeichert = false;
    ++FStatistikStand;
    Neuzeichnen();
    MarkerSetzen();
}

bool TMDIGraphWin::NavigationEreignis(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress && (objekt == this || objekt == Chart)) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            return false;
        }
        if (taste->key() == Qt::Key_Plus) {
            ZoomGross();
            return true;
        }
        if (taste->key() == Qt::Key_Minus) {
            ZoomKlein();
            return true;
        }
        return false;
    }
    if (objekt != Chart) {
        return false;
    }
    switch (ereignis->type()) {
    case QEvent::Wheel: {
        const auto* rad = static_cast<QWheelEvent*>(ereignis);
        // With Shift some systems turn the wheel into a horizontal one.
        const int winkel =
            rad->angleDelta().y() != 0 ? rad->angleDelta().y() : rad->angleDelta().x();
        RadZoomen(rad->position().toPoint(), winkel, rad->modifiers());
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (maus->button() != Qt::LeftButton) {
            return false;
        }
        const QPoint p = maus->position().toPoint();
        if (const auto kurve = FAbbildung->LegendenKurve(p)) {
            KurveUmschalten(*kurve);
            return true;
        }
        if (PlotRechteck().contains(p)) {
            return false;
        }
        const TRealWerte w = BerechneRealWerte(p.x(), p.y());
        for (const auto& [nummer, wert] :
             {std::pair{1, w.X}, std::pair{0, w.YLinks}, std::pair{2, w.YRechts}}) {
            if (Achse(nummer)->selectTest(p, false) >= 0) {
                AnsichtMerken();
                FAchsenZug = nummer;
                FAchsenZugPunkt = wert;
                FAchsenZugLetzte = p;
                return true;
            }
        }
        return false;
    }
    case QEvent::MouseMove: {
        if (FAchsenZug < 0) {
            return false;
        }
        const QPoint p = static_cast<QMouseEvent*>(ereignis)->position().toPoint();
        const QPoint d = p - FAchsenZugLetzte;
        FAchsenZugLetzte = p;
        const double schritt = FAchsenZug == 1 ? d.x() : -d.y();
        AchseZoomen(FAchsenZug, FAchsenZugPunkt, std::exp(-schritt / kZugPixel));
        Neuzeichnen();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (FAchsenZug < 0) {
            return false;
        }
        FAchsenZug = -1;
        Neuzeichnen();
        MarkerSetzen();
        return true;
    default:
        return false;
    }
}
