#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// orvan-sim running for one test: started with the given arguments, ready once its link
// exists, ended on destruction (SIGTERM, then kill). --max-seconds keeps a forgotten one
// from outliving the test run.
class TSimProzess {
public:
    TSimProzess(const QString& home, const QString& geraet, const QString& link,
                const QStringList& weitere = {});
    ~TSimProzess();
    bool Bereit() const { return FBereit; }
    QString Link() const { return FLink; }
    // What the simulator wrote to standard error so far.
    QString Meldungen();
    bool Laeuft() const { return FProzess.state() != QProcess::NotRunning; }

private:
    QProcess FProzess;
    QString FLink;
    QString FMeldungen;
    bool FBereit = false;
};
