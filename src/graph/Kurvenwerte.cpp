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

} // namespace Kurvenwerte
