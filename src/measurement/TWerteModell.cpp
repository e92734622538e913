#include "measurement/TWerteModell.h"

#include "measurement/MessInfo.h"
#include "shell/DatumZeit.h"

#include <algorithm>
#include <limits>

TWerteModell::TWerteModell(QObject* parent) : QAbstractTableModel(parent) {}

void TWerteModell::Setzen(const TMesswerte& werte, const TFormate& formate) {
    beginResetModel();
    FWerte = werte;
    FFormate = formate;
    endResetModel();
}

void TWerteModell::Leeren() {
    beginResetModel();
    FWerte = TMesswerte{};
    endResetModel();
}

int TWerteModell::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    // Both rows have the same length; the shorter one guards a damaged record. A view takes
    // an int of rows, which is far beyond what a measurement holds.
    const qsizetype n = std::min(FWerte[0].size(), FWerte[1].size());
    return int(std::min<qsizetype>(n, std::numeric_limits<int>::max()));
}

int TWerteModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant TWerteModell::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return QVariant();
    }
    const int n = index.row();
    switch (index.column()) {
    case 0:
        return QString::number(n);
    case 1:
        return DatumZeit::Formatieren(FFormate.Datum, FWerte[0][n]);
    case 2:
        return DatumZeit::Formatieren(FFormate.Zeit, FWerte[0][n]);
    case 3:
        return MessInfo::ZahlText(FWerte[1][n], FFormate.Trenner);
    default:
        return QVariant();
    }
}

QVariant TWerteModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal) {
        return FFormate.Kopf.value(section);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
