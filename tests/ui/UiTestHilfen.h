#pragma once

#include "app/AnwendungStarten.h"
#include "app/TAnwendung.h"
#include "app/ui/TMainForm.h"
#include "graph/ui/TMDIGraphWin.h"
#include "shell/TSkriptBenutzer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

// Small graph documents for the window tests: a visible curve drawn as a line, and fixed
// axis limits.
namespace GraphTestDaten {

inline TKurve Kurve(const QString& name, QVector<double> x, QVector<double> y) {
    TKurve k;
    k.Name = name;
    k.Sichtbar = true;
    k.LinieSichtbar = true;
    k.Linienbreite = 1;
    k.Werte = {x, y};
    return k;
}

inline void Grenzen(TAchse& a, double min, double max) {
    a.Minimum = min;
    a.Maximum = max;
    a.MinMaxAutomatik = false;
}

} // namespace GraphTestDaten

// A program directory of its own with the shipped language and device files, a scripted
// user and, on request, the main window started on it.
struct TUiProgramm {
    QTemporaryDir Verzeichnis;
    TSkriptBenutzer Benutzer;
    TAnwendung App{Benutzer};
    std::unique_ptr<TMainForm> Haupt;

    TUiProgramm() {
        QDir(Verzeichnis.path()).mkpath(QStringLiteral("Config"));
        QDir(Verzeichnis.path()).mkpath(QStringLiteral("Daten"));
        // The shipped files as the build copied them into its program directory (the one
        // list of them is resources/config-dateien.txt).
        const QDir geliefert(QStringLiteral(ORVAN_BIN_DIR "/Config"));
        for (const QString& datei : geliefert.entryList(QDir::Files)) {
            QFile::copy(geliefert.filePath(datei), Pfad(QStringLiteral("Config/")) + datei);
        }
    }

    QString Pfad(const QString& relativ = QString()) const {
        return Verzeichnis.path() + u'/' + relativ;
    }

    TMainForm& Starten() {
        AnwendungStarten(App, Pfad(QStringLiteral("orvan")), Pfad());
        Haupt = std::make_unique<TMainForm>(App);
        Haupt->resize(1000, 700);
        Haupt->show();
        QCoreApplication::processEvents();
        // What the start-up said (a first start: no device selected yet) is not under test.
        Benutzer.Gezeigt.clear();
        return *Haupt;
    }
};

// A graph window of its own (outside a main window), started as the program would.
struct TGraphProgramm : TUiProgramm {
    std::unique_ptr<TMDIGraphWin> Fenster;

    TMDIGraphWin& Neu(const QString& name = QStringLiteral("Graph1")) {
        Fenster =
            std::make_unique<TMDIGraphWin>(App, App.DefaultDiagramm, App.DefaultKurve, name, false);
        Fenster->VorgabenSetzen({&App.DefaultDiagramm, &App.DefaultKurve, [this] {
                                     return EinstellungenSchreiben(App,
                                                                   App.AppConst.KonfigurationsPfad,
                                                                   App.AppConst.UserKonfigDatei);
                                 }});
        Fenster->resize(900, 600);
        Fenster->show();
        QCoreApplication::processEvents();
        return *Fenster;
    }
};

inline QByteArray DateiInhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}
