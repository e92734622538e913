#include "graph/Kurvenwerte.h"

namespace Kurvenwerte {

namespace {

// One row back from shown values: stored = shown / faktor - offset. With a zero factor
// every shown value is 0 and tells nothing about the stored one, so the row is kept.
void ZeileZurueck(QVector<double>& zeile, const QVector<double>& gezeigt, double offset,
                  double faktor) {
    const qsizetype n = gezeigt.size();
    if (faktor == 0) {
        zeile.resize(n);
        return;
    }
    zeile.resize(n);
    double* z = zeile.data();
    const double* g = gezeigt.constData();
    for (qsizetype j = 0; j < n; ++j) {
        z[j] = g[j] / faktor - offset;
    }
}

} // namespace

void GezeigteWerteUebernehmen(TKurve& k, const QVector<double>& x, const QVector<double>& y) {
    const qsizetype n = qMin(x.size(), y.size());
    ZeileZurueck(k.Werte[0], x.first(n), k.Start, k.Intervall);
    ZeileZurueck(k.Werte[1], y.first(n), k.YOffset, k.YFaktor);
}

bool GezeigtePunkte(const TKurve& k, QVector<double>& x, QVector<double>& y) {
    const qsizetype n = qMin(k.Werte[0].size(), k.Werte[1].size());
    x.resize(n);
    y.resize(n);
    bool steigend = true;
    for (qsizetype j = 0; j < n; ++j) {
        x[j] = GezeigtX(k, k.Werte[0][j]);
        y[j] = GezeigtY(k, k.Werte[1][j]);
        if (j > 0 && !(x[j] >= x[j - 1])) {
            steigend = false;
        }
    }
    return steigend;
}

bool GezeigtSteigend(const TKurve& k) {
    const QVector<double>& zeile = k.Werte[0];
    double vorher = 0;
    for (qsizetype j = 0; j < zeile.size(); ++j) {
        const double x = GezeigtX(k, zeile[j]);
        if (j > 0 && !(x >= vorher)) {
            return false;
        }
        vorher = x;
    }
    return true;
}

} // namespace Kurvenwerte
