#pragma once

#include <QList>
#include <QSet>
#include <QStringList>
#include <QWidget>

struct TSprachTexte;

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The statistics table below a graph window's chart: a line naming the range, one row per
// visible curve, a choice of the curve that markers snap to and an export button. It only
// shows texts; the window computes them (Statistik, StatistikTabelle).
// It shows the short form of the texts (short captions, numbers with the digits they call
// for; StatistikTabelle::TFormat::Anzeige) and keeps the full form for its copy and
// export; a cell's tool tip shows its full text. Columns can be hidden from the header's
// context menu; the X of the extremes are hidden at first (they are in the tool tips of
// the extremes), so that the table fits a window of usual size.
class TStatistikTafel : public QWidget {
    Q_OBJECT
public:
    explicit TStatistikTafel(const TSprachTexte& texte, QWidget* eltern = nullptr);

    // zeilen[0]: the range line, zeilen[1]: the header, then one row per curve; `anzeige`:
    // the same in the short form (equal shape).
    void Zeigen(const QList<QStringList>& zeilen, const QList<QStringList>& anzeige);
    // The last column ("Cursor"): one text per row, full and short.
    void CursorZeigen(const QStringList& werte, const QStringList& anzeige);
    // Shows or hides a column (StatistikTabelle::TSpalte).
    void SpalteZeigen(int spalte, bool an);
    // The curves a marker can snap to; keeps the choice when the same name is still there.
    void FangKurvenSetzen(const QStringList& namen);
    // Index of the chosen curve in the list given, -1 for none.
    int FangKurve() const;

    // The range line, the header and the selected rows (all rows when none is selected) as
    // tab-separated text, as Ctrl+C puts it on the clipboard.
    QString KopierText() const;
    void Kopieren() const;
    // Everything shown, as the export writes it.
    const QList<QStringList>& Zeilen() const { return FZeilen; }

    QTableWidget* Tabelle = nullptr;
    QLabel* LblBereich = nullptr;
    QComboBox* CmbFangen = nullptr;
    QPushButton* BtnExport = nullptr;

signals:
    void ExportGewuenscht();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void SpaltenMenue(const QPoint& stelle);
    void Breiten(bool neu);

    QList<QStringList> FZeilen;
    QSet<int> FVersteckt;          // hidden columns, kept when the table is filled anew
    QString FKeine;                // the snap choice "(keine)"
    bool FEinheitGewaehlt = false; // the unit column was shown or hidden by hand
};
