#pragma once

#include "measurement/TMesswerte.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <optional>

// The point values of one curve as the properties dialog's value grid shows them: two
// columns (X, Y), one row per point, at least one row. The numbers stay numbers: a cell
// shows its value in the general number form, and only cells the user typed into keep their
// own text until it is stored. So a curve of millions of points opens at once (its rows are
// shared with the document, not copied) and values that were not edited keep every digit.
class TWerteModell : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr double kGrenze = 65535; // every typed value lies in -kGrenze ... kGrenze

    explicit TWerteModell(QObject* eltern = nullptr);

    // Shows the points of a curve. A curve without points shows one row "0" / "0"; unless
    // the user edits the grid, storing gives it back without points.
    void Setzen(const TMesswerte& werte);
    // The points as shown: the rows given to Setzen when nothing was edited, otherwise one
    // point per row. Call only when Pruefen() found nothing.
    TMesswerte Werte() const;
    bool Geaendert() const { return FGeaendert; }

    struct TZelle {
        qsizetype Zeile = 0;
        int Spalte = 0;
    };
    // The first cell whose text is no number in -kGrenze ... kGrenze; only typed cells can be.
    std::optional<TZelle> ErsteUngueltige() const;
    // The row of the first X value that an earlier row already has; nothing when all differ.
    std::optional<qsizetype> ErsteDoppelteX() const;

    QString Text(qsizetype zeile, int spalte) const;
    // True when the cell holds a text the user typed that needs checking.
    bool Getippt(qsizetype zeile, int spalte) const {
        return FTexte.contains(Schluessel(zeile, spalte));
    }
    void TextSetzen(qsizetype zeile, int spalte, const QString& text);
    // The value of a cell; nothing when its text is no number.
    std::optional<double> Wert(qsizetype zeile, int spalte) const;
    qsizetype Zeilen() const { return FX.size(); }

    // Inserts a row at `zeile` (Zeilen() appends).
    void ZeileEinfuegen(qsizetype zeile, double x, double y);
    // The only row cannot be deleted: false.
    bool ZeileLoeschen(qsizetype zeile);
    // Sorts the rows ascending by column `spalte`; rows move as a whole, equal keys keep
    // their order. Returns the first cell that is no number instead of sorting.
    std::optional<TZelle> Sortieren(int spalte);

    void UeberschriftenSetzen(const QString& x, const QString& y);

    int rowCount(const QModelIndex& eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex& eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    static quint64 Schluessel(qsizetype zeile, int spalte) {
        return quint64(zeile) * 2 + quint64(spalte);
    }
    QVector<double>& Spalte(int spalte) { return spalte == 0 ? FX : FY; }
    const QVector<double>& Spalte(int spalte) const { return spalte == 0 ? FX : FY; }
    void Verschieben(qsizetype abZeile, qsizetype um);
    void Aendern();

    TMesswerte FOriginal;
    QVector<double> FX;
    QVector<double> FY;
    // Texts the user typed that differ from the shown form of the cell's value (among them
    // texts that are no number); key: row * 2 + column.
    QHash<quint64, QString> FTexte;
    bool FGeaendert = false;
    QString FUeberschrift[2];
};
