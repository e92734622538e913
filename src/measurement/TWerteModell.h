#pragma once

#include "measurement/TMesswerte.h"

#include <QAbstractTableModel>
#include <QString>

// The values of one series as a read-only table: number, date, time and value. Cells are
// formatted only when the view asks for them, so a series of millions of values opens at once.
class TWerteModell : public QAbstractTableModel {
    Q_OBJECT
public:
    struct TFormate {
        QString Datum;    // date format of the date column
        QString Zeit;     // time format of the time column
        QString Trenner;  // decimal separator of the value column
        QStringList Kopf; // the four header texts
    };

    explicit TWerteModell(QObject* parent = nullptr);

    // Shows `werte` (shared, not copied); an empty series shows no row.
    void Setzen(const TMesswerte& werte, const TFormate& formate);
    void Leeren();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    TMesswerte FWerte;
    TFormate FFormate;
};
