#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The statistics table below a graph window's chart: a line naming the range, one row per
// visible curve, a choice of the curve that markers snap to and an export button. It only
// shows texts; the window computes them (Statistik, StatistikTabelle).
class TStatistikTafel : public QWidget {
    Q_OBJECT
public:
    explicit TStatistikTafel(QWidget* eltern = nullptr);

    // zeilen[0]: the range line, zeilen[1]: the header, then one row per curve.
    void Zeigen(const QList<QStringList>& zeilen);
    // The last column ("Cursor"): one text per row.
    void CursorZeigen(const QStringList& werte);
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
    QList<QStringList> FZeilen;
};
