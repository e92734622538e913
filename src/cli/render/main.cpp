// orvan-render: the picture of a graph file, drawn without a display. orvan-cli runs it for
// its command "render", so that orvan-cli itself needs neither Gui nor Widgets; the drawing
// is the graph window's own (TGraphAbbildung), which needs QtWidgets and QCustomPlot.
//
//   orvan-render [--home DIR] G.ogr OUT.png|OUT.svg|OUT.pdf [--size WxH[@2x]]
#include "app/AnwendungStarten.h"
#include "app/TAnwendung.h"
#include "graph/GraphBildFormat.h"
#include "graph/GraphDatei.h"
#include "graph/ui/GraphBildSchreiben.h"
#include "shell/ProgrammStart.h"
#include "shell/TSkriptBenutzer.h"
#include "shell/Verzeichnis.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

namespace {

// The exit codes of orvan-cli.
enum : int { kFertig = 0, kAufruf = 1, kAbgelehnt = 2, kFehler = 3 };

const char kAufrufText[] = "usage: render G.ogr OUT.png|OUT.svg|OUT.pdf [--size WxH[@2x]]";

void Fehler(const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), stderr);
}

} // namespace

int main(int argc, char* argv[]) {
    // Always headless: the picture is the same with or without a display.
    QElapsedTimer uhr;
    uhr.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    // ORVAN_RENDER_ZEITEN=1: the time of each step on standard error (for the benchmark).
    const bool zeiten = qEnvironmentVariableIsSet("ORVAN_RENDER_ZEITEN");
    const auto schritt = [&](const char* name) {
        if (zeiten) {
            std::fprintf(stderr, "render: %-10s %7.1f ms\n", name, uhr.nsecsElapsed() / 1e6);
        }
    };
    schritt("qt");
    QStringList argumente = qapp.arguments().mid(1);
    QString home;
    QString groesseText = QStringLiteral("1200x700");
    QStringList namen;
    while (!argumente.isEmpty()) {
        const QString a = argumente.takeFirst();
        if ((a == u"--home" || a == u"--size") && !argumente.isEmpty()) {
            (a == u"--home" ? home : groesseText) = argumente.takeFirst();
        } else if (a.startsWith(QStringLiteral("--"))) {
            Fehler(QStringLiteral("render: unknown option: ") + a);
            Fehler(QLatin1String(kAufrufText));
            return kAufruf;
        } else {
            namen << a;
        }
    }
    if (namen.size() != 2) {
        Fehler(QLatin1String(kAufrufText));
        return kAufruf;
    }
    const QString& graph = namen[0];
    const QString& ziel = namen[1];
    if (GraphBildFormat::ArtNachEndung(ziel) == GraphBildFormat::TArt::Keine) {
        Fehler(QStringLiteral("render: the output name must end in .png, .svg or .pdf: ") + ziel);
        return kAufruf;
    }
    const auto groesse = GraphBildFormat::GroesseLesen(groesseText);
    if (!groesse) {
        Fehler(QStringLiteral("render: --size must be WxH (50 ... 10000 pixels each), "
                              "optionally with @2x for PNG: ") +
               groesseText);
        return kAufruf;
    }

    TSkriptBenutzer benutzer;
    benutzer.FrageAntwort = mrNo;
    benutzer.BeiNachricht = [](const TNachrichtInhalt& n) {
        Fehler(QStringLiteral("message %1: %2").arg(n.Nummer).arg(n.Text));
    };
    TAnwendung app(benutzer);
    QString programmPfad;
    if (home.isEmpty()) {
        programmPfad = ProgrammPfadErmitteln(qapp.applicationFilePath());
    } else {
        programmPfad = QDir::cleanPath(QDir(home).absolutePath());
        Verzeichnis::BackslashAnhaengen(programmPfad);
    }
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
