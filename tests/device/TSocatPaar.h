#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// Two pseudo-terminals joined by socat: what one side writes, the other reads. For talking
// to programs that speak on their standard input and output (lrzsz's sx and rx).
class TSocatPaar {
public:
    TSocatPaar();
    ~TSocatPaar();
    bool Bereit() const { return FBereit; }
    QString A() const { return FVerzeichnis.filePath(QStringLiteral("a")); }
    QString B() const { return FVerzeichnis.filePath(QStringLiteral("b")); }

private:
    QTemporaryDir FVerzeichnis;
    QProcess FSocat;
    bool FBereit = false;
};
