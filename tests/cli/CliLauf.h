#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// One run of orvan-cli: exit code, standard output and standard error.
struct TCliLauf {
    int Ergebnis = -1;
    QString Ausgabe;
    QString Fehler;
};

// A program directory for orvan-cli runs.
struct TCliHeim {
    QTemporaryDir Verzeichnis;

    QString Pfad(const QString& relativ = QString()) const {
        return Verzeichnis.path() + u'/' + relativ;
    }

    // `arbeitsverzeichnis`: where relative names are taken from (default: the test's own).
    TCliLauf Lauf(const QStringList& argumente, int zeitMs = 60000,
                  const QString& arbeitsverzeichnis = QString()) const {
        QProcess prozess;
        prozess.setWorkingDirectory(arbeitsverzeichnis);
        prozess.setProgram(QStringLiteral(ORVAN_BIN_DIR "/orvan-cli"));
        prozess.setArguments(QStringList{QStringLiteral("--home"), Verzeichnis.path()} + argumente);
        prozess.start();
        TCliLauf lauf;
        if (!prozess.waitForFinished(zeitMs)) {
            prozess.kill();
            prozess.waitForFinished();
            lauf.Fehler = QStringLiteral("orvan-cli did not finish");
            return lauf;
        }
        lauf.Ergebnis = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -2;
        lauf.Ausgabe = QString::fromUtf8(prozess.readAllStandardOutput());
        lauf.Fehler = QString::fromUtf8(prozess.readAllStandardError());
        return lauf;
    }
};
