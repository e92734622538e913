#pragma once

#include "app/TAnwendung.h"
#include "shell/TSkriptBenutzer.h"

#include <QFile>
#include <QTemporaryDir>

// A program directory of its own for each test, with a scripted user.
struct TTestProgramm {
    QTemporaryDir Verzeichnis;
    TSkriptBenutzer Benutzer;
    TAnwendung App{Benutzer};

    QString Pfad(const QString& relativ = QString()) const {
        return Verzeichnis.path() + u'/' + relativ;
    }
};

inline void DateiSchreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly)) {
        datei.write(inhalt);
    }
}

inline QByteArray DateiLesen(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}
