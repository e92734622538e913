// orvan-sim: a simulated instrument on a pseudo-terminal, for tests, demonstrations and
// trying the program without hardware.
#include "TSimGeraet.h"
#include "TSimPty.h"
#include "catalogue/GeraeteKatalog.h"
#include "shell/DatumZeit.h"
#include "shell/TShellKontext.h"
#include "shell/TSkriptBenutzer.h"
#include "shell/Uhr.h"
#include "shell/VersionsInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t gEnde = 0;

void Signal(int) {
    gEnde = 1;
}

int Aufruf(const char* grund) {
    std::fprintf(stderr,
                 "orvan-sim: %s\nusage: orvan-sim --home DIR --device NAME --link PATH "
                 "[--data FILE.ome] [--status N] [--clock \"hh:nn:ss dd.mm.yy\"] "
                 "[--fault no-echo|garble|stall|bad-block|cancel|hangup] [--max-seconds N] "
                 "[--dot-ms N] [--clear-ms N]\n",
                 grund);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication qapp(argc, argv);
    QStringList argumente = qapp.arguments().mid(1);
    QString home, geraet, link, daten, uhr;
    TSimOptionen opt;
    if (argumente.contains(QStringLiteral("--help"))) {
        std::printf("A simulated data-logging instrument on a pseudo-terminal, for trying out and\n"
                    "testing orvan and orvan-cli without hardware.\n\n"
                    "Usage: orvan-sim --home DIR --device NAME --link PATH [OPTION VALUE]...\n\n"
                    "  --home DIR          program directory whose Config/Geraete.cfg describes "
                    "the device\n"
                    "  --device NAME       device type (a section of Geraete.cfg)\n"
                    "  --link PATH         symbolic link to the pseudo-terminal the program opens\n"
                    "  --data FILE.ome     recorded data the instrument sends when read out\n"
                    "  --status N          device state reported (0-99)\n"
                    "  --clock TEXT        instrument clock \"hh:nn:ss dd.mm.yy\"\n"
                    "  --fault KIND        no-echo, garble, stall, bad-block, cancel or hangup\n"
                    "  --max-seconds N     end after N seconds\n"
                    "  --dot-ms N          milliseconds per progress dot\n"
                    "  --clear-ms N        milliseconds the memory clearing takes\n"
                    "  --help              show this help and exit\n"
                    "  --version           show the version and exit\n");
        return 0;
    }
    if (argumente.contains(QStringLiteral("--version"))) {
        std::fputs(VersionsText(QStringLiteral("orvan-sim")).toUtf8().constData(), stdout);
        return 0;
    }
    while (!argumente.isEmpty()) {
        const QString a = argumente.takeFirst();
        if (argumente.isEmpty()) {
            return Aufruf("option without value");
        }
        const QString w = argumente.takeFirst();
        bool ok = true;
        if (a == u"--home") {
            home = w;
        } else if (a == u"--device") {
            geraet = w;
        } else if (a == u"--link") {
            link = w;
        } else if (a == u"--data") {
            daten = w;
        } else if (a == u"--status") {
            opt.Status = w.toInt(&ok);
            ok = ok && opt.Status >= 0 && opt.Status <= 99;
        } else if (a == u"--clock") {
            uhr = w;
        } else if (a == u"--fault") {
            opt.Fehler = w;
            static const QStringList arten = {
                QStringLiteral("no-echo"),   QStringLiteral("garble"), QStringLiteral("stall"),
                QStringLiteral("bad-block"), QStringLiteral("cancel"), QStringLiteral("hangup")};
            ok = arten.contains(w);
        } else if (a == u"--max-seconds") {
            opt.MaxSekunden = w.toInt(&ok);
        } else if (a == u"--dot-ms") {
            opt.PunktMs = w.toInt(&ok);
        } else if (a == u"--clear-ms") {
            opt.LoeschMs = w.toInt(&ok);
        } else {
            return Aufruf("unknown option");
        }
        if (!ok) {
            return Aufruf("bad value");
        }
    }
    if (home.isEmpty() || geraet.isEmpty() || link.isEmpty()) {
        return Aufruf("--home, --device and --link are required");
    }

    // The instrument's command strings come from the same catalogue the program reads.
    TSkriptBenutzer benutzer;
    TShellKontext app(benutzer);
    app.AppConst.PrgKonfigPfad = QDir(home).absolutePath() + QStringLiteral("/Config/");
    if (!GeraetLesen(app, geraet, opt.Geraet)) {
        for (const TNachrichtInhalt& n : benutzer.Gezeigt) {
            std::fprintf(stderr, "orvan-sim: %s\n", n.Text.toLocal8Bit().constData());
        }
        return Aufruf("device type not in Config/Geraete.cfg");
    }
    if (!daten.isEmpty()) {
        QFile f(daten);
        if (!f.open(QIODevice::ReadOnly)) {
            return Aufruf("cannot read --data file");
        }
        opt.Daten = f.readAll();
    }
    if (!uhr.isEmpty()) {
        const auto wert = DatumZeit::Lesen(uhr, QStringLiteral("hh:nn:ss dd.mm.yy"), Uhr::Jetzt());
        if (!wert) {
            return Aufruf("--clock wants \"hh:nn:ss dd.mm.yy\"");
        }
        opt.Uhr = *wert;
    }

    std::signal(SIGTERM, Signal);
    std::signal(SIGINT, Signal);
    std::signal(SIGHUP, Signal);
    std::signal(SIGPIPE, SIG_IGN);

    TSimPty pty;
    QString fehler;
    if (!pty.Oeffnen(link, fehler)) {
        std::fprintf(stderr, "orvan-sim: %s\n", fehler.toLocal8Bit().constData());
        return 3;
    }
    std::printf("orvan-sim: %s -> %s, device %s\n", link.toLocal8Bit().constData(),
                pty.SlaveName().toLocal8Bit().constData(), geraet.toLocal8Bit().constData());
    std::fflush(stdout);
    TSimGeraet sim(pty, opt);
    const int ergebnis = sim.Laufen(gEnde);
    pty.Schliessen();
    return ergebnis;
}
