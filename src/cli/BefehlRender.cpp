// render G.ogr OUT.png|OUT.svg|OUT.pdf [--size WxH[@2x]]: the graph as the window prints it,
// without a display. The drawing needs QtWidgets and QCustomPlot, which orvan-cli does not
// link: the helper orvan-render beside it draws, with the same program directory. The
// arguments are read here, by the rules of every command; the helper gets them checked and
// in fixed places.
#include "cli/TCliKontext.h"
#include "graph/GraphBildFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace {

const char kAufruf[] = "render G.ogr OUT.png|OUT.svg|OUT.pdf [--size WxH[@2x]]";

int RenderBefehl(TCliKontext& k, const QStringList& argumente) {
    QString groesseText = QStringLiteral("1200x700");
    QStringList namen;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        if (k.Option(argumente, i, "--size") && i + 1 < argumente.size()) {
            groesseText = argumente[++i];
        } else if (k.SiehtAusWieOption(argumente, i)) {
            Fehlerausgabe(QStringLiteral("render: unknown option: ") + argumente[i]);
            namen.clear();
            break;
        } else {
            namen << argumente[i];
        }
    }
    if (namen.size() != 2) {
        Fehlerausgabe(QStringLiteral("usage: ") + QLatin1String(kAufruf));
        return cliAufruf;
    }
    const QString& ziel = namen[1];
    if (GraphBildFormat::ArtNachEndung(ziel) == GraphBildFormat::TArt::Keine) {
        Fehlerausgabe(QStringLiteral("render: the output name must end in .png, .svg or .pdf: ") +
                      ziel);
        return cliAufruf;
    }
    if (!GraphBildFormat::GroesseLesen(groesseText)) {
        Fehlerausgabe(QStringLiteral("render: --size must be WxH (50 ... 10000 pixels each), "
                                     "optionally with @2x for PNG: ") +
                      groesseText);
        return cliAufruf;
    }

    const QString helfer = QCoreApplication::applicationDirPath() + QStringLiteral("/orvan-render");
    if (!QFileInfo(helfer).isExecutable()) {
        Fehlerausgabe(QStringLiteral("render: the drawing program is missing: ") + helfer);
        return cliFehler;
    }
    QProcess prozess;
    prozess.setProcessChannelMode(QProcess::ForwardedChannels);
    prozess.start(helfer, {k.App.AppConst.ProgrammPfad, groesseText, namen[0], ziel});
    if (!prozess.waitForStarted() || !prozess.waitForFinished(-1) ||
        prozess.exitStatus() != QProcess::NormalExit) {
        Fehlerausgabe(QStringLiteral("render: the drawing program failed: ") +
                      prozess.errorString());
        return cliFehler;
    }
    return prozess.exitCode();
}

const TCliBefehl befehl("render", kAufruf, RenderBefehl);

} // namespace
