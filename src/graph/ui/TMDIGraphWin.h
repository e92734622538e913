#pragma once

#include "graph/DateiInDiagramm.h"
#include "graph/TDiagramm.h"
#include "graph/TZoomVerlauf.h"
#include "shell/TErgebnis.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSharedPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCPAxis;
class QCPAbstractPlottable;
class QCPTextElement;
class QCustomPlot;
class QLabel;
class QMouseEvent;
class QPrinter;
class QStatusBar;
class TAchsenTicker;
class TShellKontext;
class TGraphOverlay;
class TParser;
class TStatistikTafel;
class QToolButton;
struct TMessDatei;

// A graph window: one graph document shown in a chart, with zoom, scroll, the date/time
// switch, two measuring markers and the cross-hair read-out under the mouse. The document is
// the master copy; the chart is rebuilt from it (GraphEigenschaftenSetzen) and read back
// (GraphEigenschaftenLesen) at fixed points only.
class TMDIGraphWin : public QWidget {
    Q_OBJECT
public:
    // `name`: the caption of a new graph, or the graph file to open (`oeffnen`). A new graph
    // starts as `vorlage`; every curve of a measurement import starts as `kurvenVorlage`
    // (the graph defaults; both are read when used, so changed defaults apply).
    TMDIGraphWin(TShellKontext& app, const TDiagramm& vorlage, const TKurve& kurvenVorlage,
                 const QString& name, bool oeffnen, QWidget* eltern = nullptr);
    ~TMDIGraphWin() override;

    TDiagramm Diagramm;
    bool Gespeichert = true;
    double DatumZeitIntervall = 1.0;

    // The main window's marker tool buttons (checkable); without them the window keeps the
    // armed state itself.
    void MarkerKnoepfeSetzen(QAction* marker1, QAction* marker2);
    // The program's printer (the printer set-up dialog works on it).
    void DruckerSetzen(QPrinter* drucker);
    // What the properties dialog edits beyond the document: the program's graph defaults,
    // and the writer of the whole user configuration file for its button Default. The main
    // window sets them; without them the dialog edits copies and Default writes nothing.
    struct TVorgaben {
        TDiagramm* DefaultDiagramm = nullptr;
        TKurve* DefaultKurve = nullptr;
        std::function<bool()> Schreiben;
    };
    void VorgabenSetzen(TVorgaben vorgaben);

    // Commands of the main window.
    void DateiSpeichern();
    void DateiSpeichernUnter();
    void GraphDateiSpeichern(const QString& vorschlag);
    void DateiExportieren();
    void GraphDateiExportieren(const QString& name);
    void GraphDrucken();
    void DateiInDiagramm(TMessDatei& messung, const TImportQuelle& quelle = {});
    void GraphEigenschaftenBearbeiten();
    void ZoomGross();
    void ZoomKlein();
    void ScrollLinks();
    void ScrollRechts();
    void ScrollOben();
    void ScrollUnten();
    void Marker1();
    void Marker2();
    void DatumZeit();
    void GraphRefresh();
    void Aktualisieren();

    // Document and chart.
    void GraphEigenschaftenSetzen();
    void GraphEigenschaftenAllgemeinSetzen();
    void GraphEigenschaftenAchsenSetzen();
    void GraphEigenschaftenKurvenSetzen();
    void GraphEigenschaftenLesen();
    void GraphEigenschaftenAllgemeinLesen();
    void GraphEigenschaftenAchsenLesen();
    void GraphEigenschaftenKurvenLesen();
    void MarkerSetzen();

    // Pixel and value conversion on the plot rectangle.
    struct TRealWerte {
        double X = 0, YLinks = 0, YRechts = 0;
    };
    TRealWerte BerechneRealWerte(int x, int y) const;
    QPoint BerechnePixelWerte(double x, double yLinks) const;
    QRect PlotRechteck() const;

    static QString AchsenTitel(const QString& beschriftung);
    static QString AchsenEinheit(const QString& beschriftung);

    // The chart as a picture of its full size on white, for the clipboard.
    QImage Bild();
    // Draws the chart on one landscape page of `drucker` with 5 % margins.
    TErgebnis ChartDrucken(QPrinter& drucker);
    // The rectangle of a page of that size in printer pixels that the chart is printed into.
    static QRect DruckRechteck(int breite, int hoehe);

    // Components, for the tests and the dialogs.
    QCustomPlot* Chart = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QStatusBar* StatusBar2 = nullptr;
    QString StatusText(int leiste, int panel) const;
    QCPAxis* Achse(int nummer) const; // 0 left, 1 bottom, 2 right
    bool Automatik(int nummer) const { return FAutomatik[nummer]; }
    bool MarkerScharf(int nummer) const;
    QPoint Fadenkreuz() const;
    TParser& Parser() { return *FParser; }

    // The statistics table below the chart (TMDIGraphWinStatistik.cpp).
    TStatistikTafel* StatistikTafel = nullptr;
    void StatistikZeigen(bool an);
    // Computes the table again at the next pass of the event loop / at once.
    void StatistikAnfordern();
    void StatistikBerechnen();
    // The "Cursor" column: each curve's value at shown X `x` (none: empty).
    void StatistikCursor(std::optional<double> x);
    void StatistikExportieren();

    // Moving about (TMDIGraphWinNavigation.cpp): the mouse wheel zooms about the mouse (Shift:
    // X only, Ctrl: the Y axes only), "+" and "-" zoom, dragging over an axis zooms that axis,
    // "Zoom zurück"/"Zoom vor" walk the views shown before, "Gehe zu Zeitpunkt" centres the view
    // on a typed time, and a click on a legend entry shows or hides that curve.
    void ZoomZurueck();
    void ZoomVor();
    bool KannZoomZurueck() const { return FVerlauf.KannZurueck(); }
    bool KannZoomVor() const { return FVerlauf.KannVor(); }
    void GeheZuZeitpunkt();
    void RadZoomen(QPoint position, int winkel, Qt::KeyboardModifiers tasten);
    void KurveUmschalten(qsizetype index);
    TAnsichtsStand AnsichtStand() const;

    // The mouse on the chart, as the chart reports it.
    void ChartMouseDown(QMouseEvent* ereignis);
    void ChartMouseMove(QMouseEvent* ereignis);
    void ChartMouseUp(QMouseEvent* ereignis);

signals:
    // The properties dialog asks for the settings dialog on its units tab; the main window
    // connects it. The dialog reads the unit list again when this returns.
    void EinheitenBearbeitenGewuenscht();
    // The zoom history changed (the main window enables its back and forward buttons).
    void AnsichtGeaendert();
    // The graph was written to `datei` (the main window lists it among the recent files).
    void DateiGespeichert(const QString& datei);

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void ChartAnlegen();
    void NavigationEinrichten();
    bool NavigationEreignis(QObject* objekt, QEvent* ereignis);
    // Before a change of the view: remembers the view it leaves.
    void AnsichtMerken();
    void AnsichtSetzen(const TAnsichtsStand& stand);
    void AchseZoomen(int nummer, double punkt, double faktor);
    void LegendeAbgleichen();
    void VerlaufLeeren();
    void Neuzeichnen();
    void Zoomen(double prozent);
    void ZoomMerken();
    void Verschieben(QCPAxis* achse, double versatz, int nummer);
    void MarkerKnopf(int nummer, bool gedrueckt);
    void MarkerSchalten(int nummer);
    void OverlayVorbereiten();
    void FadenkreuzEntfernen();
    QString EinheitZeichen(const QString& einheit) const;
    QString AchsenBeschriftung(const TAchse& achse) const;
    void AchseSetzen(int nummer, const TAchse& achse);
    void AchseLesen(int nummer, TAchse& achse) const;
    void KurveAnlegen(const TKurve& kurve);
    void Panelsetzen(int x, int y);
    QWidget* StatistikAnlegen();
    QVector<bool> XAufsteigend() const;
    // Moves a marker just set onto the nearest point of the curve chosen in the table.
    void MarkerFangen(int nummer);

    TShellKontext& FApp;
    const TKurve& FKurvenVorlage;
    TVorgaben FVorgaben;
    std::unique_ptr<TParser> FParser;
    QCPTextElement* FTitel = nullptr;
    QCPTextElement* FFuss = nullptr;
    TGraphOverlay* FOverlay = nullptr;
    std::array<QSharedPointer<TAchsenTicker>, 3> FTicker;
    TColor FRahmenfarbe = 0;
    TColor FHintergrundfarbe = 0;
    TColor FSchriftfarbe = 0;
    std::array<TColor, 3> FGitterfarbe{};
    std::array<bool, 3> FAutomatik{};
    std::array<quint8, 3> FGitterstil{};
    QVector<QCPAbstractPlottable*> FReihen; // one per curve, in document order
    // Zoom memory: what GraphRefresh restores.
    bool FGezoomt = false;
    std::array<bool, 3> FZoomAutomatik{};
    QLabel* FPanel[2][3] = {};
    QAction* FMarkerKnopf[2] = {};
    bool FMarkerArmiert[2] = {};
    QPrinter* FDrucker = nullptr;
    std::unique_ptr<QPrinter> FEigenerDrucker;
    // Mouse: zoom rectangle (left button) and panning (right button).
    QPoint FZiehStart{-1, -1};
    bool FZoomZiehen = false;
    bool FSchieben = false;
    QPoint FSchiebeLetzte;
    // Statistics: what the shown figures were computed from, to skip a needless pass.
    struct TStatistikStand {
        double Von = 0, Bis = 0;
        bool Marker = false;
        quint64 Kurven = 0;
        bool operator==(const TStatistikStand&) const = default;
    };
    QToolButton* FStatistikKnopf = nullptr;
    bool FStatistikAusstehend = false;
    quint64 FStatistikStand = 1; // counts the rebuilds of the series
    std::optional<TStatistikStand> FStatistikBerechnet;
    QVector<qsizetype> FStatistikKurven; // curve index of each table row
    std::optional<double> FCursorX;
    // Navigation: the views shown before, and an axis being dragged (-1: none) with the value
    // under the mouse where the drag began.
    TZoomVerlauf FVerlauf;
    int FAchsenZug = -1;
    double FAchsenZugPunkt = 0;
    QPoint FAchsenZugLetzte;
};
