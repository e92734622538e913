#include "device/GeraetEinstellungen.h"

#include "device/GeraetBefehl.h"
#include "device/GeraeteKatalog.h"
#include "shell/TAnwendung.h"

TGeraeteWerte GeraeteWerte(const TGeraet& g) {
    return TGeraeteWerte{g.Name,     g.VarekSNr,  g.Baud,      g.Parity,
                         g.StopBits, g.DatenBits, g.AutoStart, g.AutoAus};
}

void GeraetDiensteSetzen(TAnwendung& app, TMainCfgDienste& d) {
    d.GeraetWerte = [&app] { return GeraeteWerte(app.AktuellesGeraet); };
    d.GeraetLesen = [&app](const QString& name) -> std::optional<TGeraeteWerte> {
        if (!GeraetLesen(app, name, app.AktuellesGeraet)) {
            return std::nullopt;
        }
        return GeraeteWerte(app.AktuellesGeraet);
    };
    // In memory only: the catalogue is never written.
    d.GeraetWerteSetzen = [&app](const TGeraeteWerte& w) {
        TGeraet& g = app.AktuellesGeraet;
        g.Baud = w.Baud;
        g.Parity = w.Parity;
        g.StopBits = w.StopBits;
        g.DatenBits = w.DatenBits;
        g.AutoStart = w.AutoStart;
        g.AutoAus = w.AutoAus;
    };
    // The run reports its own failures (no answer: message 17).
    d.UhrLesen = [&app](QString& parameter) {
        const TGeraet geraet = app.AktuellesGeraet;
        return GeraetBefehl(app, geraet.UhrLesenBefehl, parameter, geraet, false, true);
    };
    d.UhrSetzen = [&app](QString& parameter) {
        const TGeraet geraet = app.AktuellesGeraet;
        return GeraetBefehl(app, geraet.UhrSetzenBefehl, parameter, geraet, false, true);
    };
}
