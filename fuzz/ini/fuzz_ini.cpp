// Arbitrary bytes as an INI file, read as the program reads its configuration, its language
// file or its device catalogue. The first byte says which of the three the rest is (its value
// modulo 3: configuration, language file, catalogue); each input is written and read in that
// one role only, so that a run does not parse every input three times over. Every reader must
// end without a fault, and the configuration as the program would write it back must read
// back to the same text.
#include "catalogue/GeraeteKatalog.h"
#include "shell/Konfiguration.h"
#include "shell/Sprache.h"
#include "shell/TIniDatei.h"
#include "shell/TShellKontext.h"
#include "shell/TSkriptBenutzer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

bool Schreiben(const QString& pfad, const char* daten, qint64 laenge) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(daten, laenge) == laenge;
}

// The program reads one language and one device; each read parses the whole file again, so
// reading every section of an input with thousands of them would make the run quadratic and
// hide real slow inputs. The first, the second and the last section are read.
QStringList Einige(const QStringList& liste) {
    QStringList auswahl = liste.mid(0, 2);
    if (liste.size() > 2) {
        auswahl.append(liste.last());
    }
    return auswahl;
}

void KonfigurationLesen(const QString& config) {
    const TIniDatei ini(config + QStringLiteral("ORVAN.cfg"));
    for (const QString& abschnitt : ini.Abschnitte()) {
        for (const QString& schluessel : ini.Schluessel(abschnitt)) {
            ini.LiesText(abschnitt, schluessel, QString());
            ini.LiesGanzzahl(abschnitt, schluessel, 0);
            ini.LiesGleitzahl(abschnitt, schluessel, 0);
        }
    }
    // What the program writes back reads as the same file.
    const QString text = ini.Text();
    const QByteArray utf8 = text.toUtf8();
    if (ini.Lesefehler().isEmpty() &&
        Schreiben(config + QStringLiteral("zurueck.cfg"), utf8.constData(), utf8.size())) {
        const TIniDatei zurueck(config + QStringLiteral("zurueck.cfg"));
        if (zurueck.Lesefehler().isEmpty() && zurueck.Text() != text) {
            std::abort();
        }
    }
    TSkriptBenutzer benutzer;
    TShellKontext app(benutzer);
    AppConstLesen(ini, app.AppConst);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir verzeichnis;
    static const QString config = verzeichnis.path() + QStringLiteral("/Config/");
    static const bool angelegt = QDir().mkpath(config);
    if (!angelegt) {
        std::abort();
    }
    if (size == 0) {
        return 0;
    }
    const int rolle = data[0] % 3;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const qint64 laenge = qint64(size - 1);
    static const char* const namen[] = {"ORVAN.cfg", "Sprache.cfg", "Geraete.cfg"};
    if (!Schreiben(config + QLatin1String(namen[rolle]), bytes, laenge)) {
        std::abort();
    }

    if (rolle == 0) {
        KonfigurationLesen(config);
        return 0;
    }
    TSkriptBenutzer benutzer;
    TShellKontext app(benutzer);
    app.AppConst.PrgKonfigPfad = config;
    if (rolle == 1) {
        QStringList sprachen;
        SprachListeLesen(app, sprachen);
        for (const QString& sprache : Einige(sprachen)) {
            SpracheLesen(app, sprache);
        }
    } else {
        QStringList geraete;
        GeraeteListeLesen(app, geraete);
        for (const QString& name : Einige(geraete)) {
            TGeraet geraet;
            GeraetLesen(app, name, geraet);
        }
    }
    return 0;
}
