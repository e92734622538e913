#include "measurement/Zeitstempel.h"

#include "shell/DatumZeit.h"
#include "shell/Diverse.h"

bool ZeitstempelLesen(const quint8* g, double& ziel) {
    using Diverse::BcdZuZahl;
    DatumZeit::TTeile t;
    t.Jahr = 2000 + BcdZuZahl(g[0]);
    t.Monat = BcdZuZahl(g[1]);
    t.Tag = BcdZuZahl(g[2]);
    t.Stunde = 0;
    t.Minute = 0;
    t.Sekunde = 0;
    t.Millisekunde = 0;
    const std::optional<double> datum = DatumZeit::Kodieren(t);
    if (!datum) {
        return false;
    }
    t.Stunde = BcdZuZahl(g[3]);
    t.Minute = BcdZuZahl(g[4]);
    t.Sekunde = BcdZuZahl(g[5]);
    t.Millisekunde = 100 * BcdZuZahl(g[6]) + BcdZuZahl(g[7]);
    ziel = DatumZeit::Kodieren(t).value_or(*datum);
    return true;
}

TZeitstempel ZeitstempelKodieren(double wert) {
    using Diverse::ZahlZuBcd;
    const DatumZeit::TTeile t = DatumZeit::Zerlegen(wert);
    return {ZahlZuBcd(quint8((t.Jahr - 2000) & 0xFF)),
            ZahlZuBcd(quint8(t.Monat)),
            ZahlZuBcd(quint8(t.Tag)),
            ZahlZuBcd(quint8(t.Stunde)),
            ZahlZuBcd(quint8(t.Minute)),
            ZahlZuBcd(quint8(t.Sekunde)),
            ZahlZuBcd(quint8(t.Millisekunde / 100)),
            ZahlZuBcd(quint8(t.Millisekunde % 100))};
}
