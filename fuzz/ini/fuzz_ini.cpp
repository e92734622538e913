// Arbitrary bytes as an INI file, read as the program reads its configuration, its language
// file and its device catalogue. Every reader must end without a fault, and the file as the
// program would write it back must read back to the same text.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir verzeichnis;
    static const QString config = verzeichnis.path() + QStringLiteral("/Config/");
    static const bool angelegt = QDir().mkpath(config);
    if (!angelegt) {
        std::abort();
    }
    const char* bytes = reinterpret_cast<const char*>(data);
    for (const char* name : {"Sprache.cfg", "Geraete.cfg", "ORVAN.cfg"}) {
        if (!Schreiben(config + QLatin1String(name), bytes, qint64(size))) {
            std::abort();
        }
    }

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
    app.AppConst.PrgKonfigPfad = config;
    AppConstLesen(ini, app.AppConst);
    app.AppConst.PrgKonfigPfad = config;

    QStringList sprachen;
    SprachListeLesen(app, sprachen);
    for (const QString& sprache : sprachen) {
        SpracheLesen(app, sprache);
    }

    QStringList geraete;
    GeraeteListeLesen(app, geraete);
    for (const QString& name : geraete) {
        TGeraet geraet;
        GeraetLesen(app, name, geraet);
    }
    return 0;
}
