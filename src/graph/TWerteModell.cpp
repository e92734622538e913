#include "graph/TWerteModell.h"

#include "shell/Zahlen.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

TWerteModell::TWerteModell(QObject* eltern) : QAbstractTableModel(eltern) {
    Setzen(TMesswerte());
}

void TWerteModell::Setzen(const TMesswerte& werte) {
    beginResetModel();
    FOriginal = werte;
    FTexte.clear();
    FGeaendert = false;
    if (werte[0].isEmpty()) {
        FX = {0.0};
        FY = {0.0};
    } else {
        // Shared, not copied: the rows are copied only when the user edits them.
        FX = werte[0];
        FY = werte[1];
        if (FY.size() != FX.size()) {
            FY.resize(FX.size());
        }
    }
    endResetModel();
}

TMesswerte TWerteModell::Werte() const {
    if (!FGeaendert) {
        return FOriginal;
    }
    return {FX, FY};
}

void TWerteModell::Aendern() {
    FGeaendert = true;
}

std::optional<TWerteModell::TZelle> TWerteModell::ErsteUngueltige() const {
    std::optional<TZelle> erste;
    for (auto it = FTexte.cbegin(); it != FTexte.cend(); ++it) {
        const auto wert = Zahlen::GleitzahlLesen(it.value());
        if (wert && -kGrenze <= *wert && *wert <= kGrenze) {
            continue;
        }
        const TZelle z{qsizetype(it.key() / 2), int(it.key() % 2)};
        if (!erste || z.Zeile < erste->Zeile ||
            (z.Zeile == erste->Zeile && z.Spalte < erste->Spalte)) {
            erste = z;
        }
    }
    return erste;
}

std::optional<qsizetype> TWerteModell::ErsteDoppelteX() const {
    std::unordered_set<double> gesehen;
    gesehen.reserve(size_t(FX.size()));
    for (qsizetype i = 0; i < FX.size(); ++i) {
        // -0 and 0 are the same X.
        if (!gesehen.insert(FX[i] == 0 ? 0.0 : FX[i]).second) {
            return i;
        }
    }
    return std::nullopt;
}

QString TWerteModell::Text(qsizetype zeile, int spalte) const {
    if (zeile < 0 || zeile >= FX.size() || spalte < 0 || spalte > 1) {
        return QString();
    }
    const auto it = FTexte.constFind(Schluessel(zeile, spalte));
    if (it != FTexte.cend()) {
        return it.value();
    }
    return Zahlen::GleitzahlText(Spalte(spalte)[zeile]);
}

std::optional<double> TWerteModell::Wert(qsizetype zeile, int spalte) const {
    if (zeile < 0 || zeile >= FX.size() || spalte < 0 || spalte > 1) {
        return std::nullopt;
    }
    if (FTexte.contains(Schluessel(zeile, spalte))) {
        return Zahlen::GleitzahlLesen(FTexte.value(Schluessel(zeile, spalte)));
    }
    return Spalte(spalte)[zeile];
}

void TWerteModell::TextSetzen(qsizetype zeile, int spalte, const QString& eingabe) {
    if (zeile < 0 || zeile >= FX.size() || spalte < 0 || spalte > 1) {
        return;
    }
    QString text = eingabe;
    text.replace(u',', u'.');
    if (text == Text(zeile, spalte)) {
        return;
    }
    const auto wert = Zahlen::GleitzahlLesen(text);
    if (wert) {
        Spalte(spalte)[zeile] = *wert;
    }
    // A typed number outside the range keeps its text, so that the checks still find it.
    if (wert && text == Zahlen::GleitzahlText(*wert) && -kGrenze <= *wert && *wert <= kGrenze) {
        FTexte.remove(Schluessel(zeile, spalte));
    } else {
        FTexte.insert(Schluessel(zeile, spalte), text);
    }
    Aendern();
    const QModelIndex i = index(int(zeile), spalte);
    emit dataChanged(i, i);
}

void TWerteModell::Verschieben(qsizetype abZeile, qsizetype um) {
    if (FTexte.isEmpty()) {
        return;
    }
    QHash<quint64, QString> neu;
    for (auto it = FTexte.cbegin(); it != FTexte.cend(); ++it) {
        const qsizetype zeile = qsizetype(it.key() / 2);
        if (zeile < abZeile) {
            neu.insert(it.key(), it.value());
        } else {
            neu.insert(Schluessel(zeile + um, int(it.key() % 2)), it.value());
        }
    }
    FTexte = neu;
}

void TWerteModell::ZeileEinfuegen(qsizetype zeile, double x, double y) {
    zeile = std::clamp<qsizetype>(zeile, 0, FX.size());
    beginInsertRows(QModelIndex(), int(zeile), int(zeile));
    Verschieben(zeile, 1);
    FX.insert(zeile, x);
    FY.insert(zeile, y);
    Aendern();
    endInsertRows();
}

bool TWerteModell::ZeileLoeschen(qsizetype zeile) {
    if (FX.size() <= 1 || zeile < 0 || zeile >= FX.size()) {
        return false;
    }
    beginRemoveRows(QModelIndex(), int(zeile), int(zeile));
    FTexte.remove(Schluessel(zeile, 0));
    FTexte.remove(Schluessel(zeile, 1));
    Verschieben(zeile + 1, -1);
    FX.remove(zeile);
    FY.remove(zeile);
    Aendern();
    endRemoveRows();
    return true;
}

std::optional<TWerteModell::TZelle> TWerteModell::Sortieren(int spalte) {
    spalte = spalte == 0 ? 0 : 1;
    // Cells whose text is no number cannot be compared: the caller reports the first.
    for (auto it = FTexte.cbegin(); it != FTexte.cend(); ++it) {
        if (!Zahlen::GleitzahlLesen(it.value())) {
            for (qsizetype z = 0; z < FX.size(); ++z) {
                for (int s = 0; s < 2; ++s) {
                    if (FTexte.contains(Schluessel(z, s)) && !Wert(z, s)) {
                        return TZelle{z, s};
                    }
                }
            }
        }
    }
    const QVector<double>& schluessel = Spalte(spalte);
    if (std::is_sorted(schluessel.cbegin(), schluessel.cend())) {
        return std::nullopt;
    }
    // A stable sort gives the same order as repeated passes of neighbour swaps, in
    // n log n instead of n * n steps.
    std::vector<qsizetype> reihenfolge(size_t(FX.size()));
    std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                     [&](qsizetype a, qsizetype b) { return schluessel[a] < schluessel[b]; });
    emit layoutAboutToBeChanged();
    QVector<double> x(FX.size());
    QVector<double> y(FY.size());
    QHash<quint64, QString> texte;
    for (qsizetype neu = 0; neu < qsizetype(reihenfolge.size()); ++neu) {
        const qsizetype alt = reihenfolge[size_t(neu)];
        x[neu] = FX[alt];
        y[neu] = FY[alt];
        if (!FTexte.isEmpty()) {
            for (int s = 0; s < 2; ++s) {
                const auto it = FTexte.constFind(Schluessel(alt, s));
                if (it != FTexte.cend()) {
                    texte.insert(Schluessel(neu, s), it.value());
                }
            }
        }
    }
    FX = std::move(x);
    FY = std::move(y);
    FTexte = std::move(texte);
    Aendern();
    emit layoutChanged();
    return std::nullopt;
}

void TWerteModell::UeberschriftenSetzen(const QString& x, const QString& y) {
    FUeberschrift[0] = x;
    FUeberschrift[1] = y;
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

int TWerteModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : int(FX.size());
}

int TWerteModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 2;
}

QVariant TWerteModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || (rolle != Qt::DisplayRole && rolle != Qt::EditRole)) {
        return QVariant();
    }
    return Text(index.row(), index.column());
}

bool TWerteModell::setData(const QModelIndex& index, const QVariant& wert, int rolle) {
    if (!index.isValid() || rolle != Qt::EditRole) {
        return false;
    }
    TextSetzen(index.row(), index.column(), wert.toString());
    return true;
}

QVariant TWerteModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole) {
        return QVariant();
    }
    if (richtung == Qt::Horizontal) {
        return abschnitt >= 0 && abschnitt < 2 ? FUeberschrift[abschnitt] : QString();
    }
    return abschnitt + 1;
}

Qt::ItemFlags TWerteModell::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
