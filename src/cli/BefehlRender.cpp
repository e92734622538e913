// render G.ogr OUT.png|OUT.svg|OUT.pdf [--size WxH[@2x]]: the graph as the window prints it,
// without a display. The drawing needs QtWidgets and QCustomPlot, which orvan-cli does not
// link: the helper orvan-render beside it draws, with the same program directory.
#include "cli/TCliKontext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace {

int RenderBefehl(TCliKontext& k, const QStringList& argumente) {
    const QString helfer = QCoreApplication::applicationDirPath() + QStringLiteral("/orvan-render");
    if (!QFileInfo(helfer).isExecutable()) {
        Fehlerausgabe(QStringLiteral("render: the drawing program is missing: ") + helfer);
        return cliFehler;
    }
    QProcess prozess;
    prozess.setProcessChannelMode(QProcess::ForwardedChannels);
    prozess.start(helfer,
                  QStringList{QStringLiteral("--home"), k.App.AppConst.ProgrammPfad} + argumente);
    if (!prozess.waitForStarted() || !prozess.waitForFinished(-1) ||
        prozess.exitStatus() != QProcess::NormalExit) {
        Fehlerausgabe(QStringLiteral("render: the drawing program failed: ") +
                      prozess.errorString());
        return cliFehler;
    }
    return prozess.exitCode();
}

const TCliBefehl befehl("render", "render G.ogr OUT.png|OUT.svg|OUT.pdf [--size WxH[@2x]]",
                        RenderBefehl);

} // namespace
