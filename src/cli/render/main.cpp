// orvan-render: the picture of a graph file, drawn without a display. orvan-cli runs it for
// its command "render", so that orvan-cli itself needs neither Gui nor Widgets; the drawing
// is the graph window's own (TGraphAbbildung), which needs QtWidgets and QCustomPlot.
// orvan-cli reads and checks the command's arguments and hands them over in fixed places,
// so that every name is taken as it is, also one that starts with "--":
//
//   orvan-render PROGRAMMVERZEICHNIS WxH[@2x] G.ogr OUT.png|OUT.svg|OUT.pdf
#include "app/AnwendungStarten.h"
#include "app/TAnwendung.h"
#include "graph/GraphBildFormat.h"
#include "graph/GraphDatei.h"
#include "graph/ui/GraphBildSchreiben.h"
#include "shell/Nachrichtenzeile.h"
#include "shell/TSkriptBenutzer.h"
#include "shell/Verzeichnis.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

namespace {

// The exit codes of orvan-cli.
enum : int { kFertig = 0, kAufruf = 1, kAbgelehnt = 2, kFehler = 3 };

const char kAufrufText[] =
    "orvan-render is run by orvan-cli render: orvan-render HOME WxH[@2x] G.ogr OUT";

void Fehler(const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    // Always headless: the picture is the same with or without a display.
    QElapsedTimer uhr;
    uhr.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The arguments as given: Qt takes those that look like its own options (a file named
    // "-reverse" would be lost) out of argv.
    QStringList argumente;
    for (int i = 1; i < argc; ++i) {
        argumente << QString::fromLocal8Bit(argv[i]);
    }
    QApplication qapp(argc, argv);
    // ORVAN_RENDER_ZEITEN=1: the time of each step on standard error (for the benchmark).
    const bool zeiten = qEnvironmentVariableIsSet("ORVAN_RENDER_ZEITEN");
    const auto schritt = [&](const char* name) {
        if (zeiten) {
            std::fprintf(stderr, "render: %-10s %7.1f ms\n", name, uhr.nsecsElapsed() / 1e6);
        }
    };
    schritt("qt");
    if (argumente.size() != 4) {
        Fehler(QLatin1String(kAufrufText));
        return kAufruf;
    }
    const QString& home = argumente[0];
    const QString& graph = argumente[2];
    const QString& ziel = argumente[3];
    const auto groesse = GraphBildFormat::GroesseLesen(argumente[1]);
    if (!groesse || GraphBildFormat::ArtNachEndung(ziel) == GraphBildFormat::TArt::Keine) {
        Fehler(QLatin1String(kAufrufText));
        return kAufruf;
    }

    TSkriptBenutzer benutzer;
    benutzer.FrageAntwort = mrNo;
    benutzer.BeiNachricht = [](const TNachrichtInhalt& n) { Fehler(Nachrichtenzeile::Zeile(n)); };
    TAnwendung app(benutzer);
    QString programmPfad = QDir::cleanPath(QDir(home).absolutePath());
    Verzeichnis::BackslashAnhaengen(programmPfad);
    AnwendungStarten(app, qapp.applicationFilePath(), programmPfad);

    schritt("start-up");
    TDiagramm d = app.DefaultDiagramm;
    if (!GraphDatei::GraphDateiOeffnen(app, graph, d)) {
        return kAbgelehnt;
    }
    schritt("read");
    QString fehler;
    if (!GraphBildSchreiben::DiagrammSchreiben(d, app.AppConst.Einheiten, app.Texte.Marker1Text,
                                               app.Texte.Marker2Text, ziel, *groesse, &fehler)) {
        Fehler(QStringLiteral("render: cannot write %1: %2").arg(ziel, fehler));
        return kFehler;
    }
    schritt("drawn");
    return kFertig;
}
