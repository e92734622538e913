#pragma once

#include "shell/TBenutzer.h"

#include <QList>
#include <QVector>
#include <functional>

// A user who answers from a script and remembers what was shown: for the tests and for
// orvan-cli. When a queue is empty, messages with only OK are answered OK, questions with
// `FrageAntwort`, file dialogs, input boxes and colour choosers are cancelled.
class TSkriptBenutzer : public TBenutzer {
public:
    int NachrichtZeigen(const TNachrichtInhalt& inhalt) override;
    std::optional<QString> DateiOeffnen(const TDateiDialog& dialog) override;
    std::optional<QString> DateiSpeichern(const TDateiDialog& dialog) override;
    std::optional<QString> VerzeichnisWaehlen(const QString& titel, const QString& start) override;
    std::optional<QString> Eingabe(const QString& titel, const QString& frage,
                                   const QString& vorgabe) override;
    std::optional<quint32> FarbeWaehlen(const QString& titel, quint32 farbe) override;
    bool DruckDialog(QPrinter& drucker) override;
    void HilfeZeigen(int kontext) override;

    // The numbers of the messages shown so far, in order.
    QList<int> Nummern() const;

    // Script.
    QList<int> Antworten;
    int FrageAntwort = mrNo;
    QList<std::optional<QString>> Dateien;
    QList<std::optional<QString>> Verzeichnisse;
    QList<std::optional<QString>> Eingaben;
    QList<std::optional<quint32>> Farben;
    bool DruckenBestaetigen = true;
    std::function<void(const TNachrichtInhalt&)> BeiNachricht;

    // Log.
    QVector<TNachrichtInhalt> Gezeigt;
    QVector<TDateiDialog> DateiDialoge;
    QStringList EingabeFragen;
    QList<quint32> FarbStartwerte; // the colour each colour chooser started at
    QList<int> HilfeKontexte;
};
