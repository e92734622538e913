#pragma once

// The job dialog on a program directory of its own: a device catalogue for the edge cases,
// units, a fixed clock and a scripted user.
#include "UiTestHilfen.h"
#include "catalogue/GeraeteKatalog.h"
#include "measurement/Auftrag.h"
#include "measurement/MessDateiLeser.h"
#include "measurement/MessTestHilfen.h"
#include "measurement/TWerteModell.h"
#include "measurement/ui/TMessInfoForm.h"
#include "measurement/ui/TWerteTabelle.h"
#include "shell/Uhr.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

inline const QByteArray kVolleFlags =
    "AuftragFormFlags=" + QByteArray("10").repeated(27) + "\nAuftragSendFlags=111111111111111111\n";
inline const QByteArray kBefehle = "AuftragSendenBefehl=A01\nGeraeteZustandBefehl=Z01\n";

// Three ANA channels of spacing 1, 2, 4; two ANA channels of 16 bits with 4096 or 4000 bytes;
// a device of the old kind with the catalogue's default flags; a parameter channel.
inline const QByteArray kKatalog =
    "[Drei]\nSpeicher=32768\nTakt=1000\nTeiler=10\nKanalAnzahl=3\n"
    "KanalTyp0=2\nKanalAufloesung0=12\nKanalAbstand0=1\n"
    "KanalTyp1=2\nKanalAufloesung1=12\nKanalAbstand1=2\n"
    "KanalTyp2=2\nKanalAufloesung2=12\nKanalAbstand2=4\n" +
    kVolleFlags + kBefehle +
    "[Zwei4096]\nSpeicher=4096\nTakt=1\nTeiler=1\nKanalAnzahl=2\nKanalTyp0=2\n"
    "KanalAufloesung0=16\nKanalTyp1=2\nKanalAufloesung1=16\n" +
    kVolleFlags +
    "[Zwei4000]\nSpeicher=4000\nTakt=1\nTeiler=1\nKanalAnzahl=2\nKanalTyp0=2\n"
    "KanalAufloesung0=16\nKanalTyp1=2\nKanalAufloesung1=16\n" +
    kVolleFlags +
    "[Alt]\nSpeicher=4096\nTakt=1\nTeiler=1\nKanalAnzahl=1\nKanalTyp0=2\n"
    "KanalAufloesung0=12\n"
    "[Para]\nSpeicher=4096\nTakt=1\nTeiler=1\nKanalAnzahl=2\nKanalTyp0=2\n"
    "KanalAufloesung0=12\nKanalTyp1=5\nKanalAufloesung1=0\n" +
    kVolleFlags;

// A program directory with the catalogue above, units and a dialog on it.
struct TDialogProgramm : TMessProgramm {
    std::unique_ptr<TMessInfoForm> Dialog;

    explicit TDialogProgramm(const QString& geraet = "Drei") : TMessProgramm(kKatalog, geraet) {
        QDir().mkpath(Pfad("Daten"));
        App.AppConst.DatenPfad = Pfad("Daten/");
        App.AppConst.GeraeteListe = {"Drei", "Zwei4096", "Zwei4000", "Alt", "Para"};
        App.AppConst.Einheiten = {{"Bit", "Bit", 1, 0, ""}, {"Grad Celsius", "°C", 1, 0, ""}};
        Uhr::Stellen([] { return Zeit(2026, 3, 4, 10, 20, 30); });
    }
    ~TDialogProgramm() { Uhr::Stellen({}); }

    TMessInfoForm& Oeffnen() {
        Dialog = std::make_unique<TMessInfoForm>(App, App.ArbeitsDatei, App.Speicherbedarf);
        Dialog->show();
        QCoreApplication::processEvents();
        return *Dialog;
    }

    TMessInfoForm& NeuerAuftrag() {
        TMessInfoForm& d = Oeffnen();
        d.BtnAuftragNeuClick();
        return d;
    }

    // Types into a field and leaves it, as the user would.
    bool Eingeben(QLineEdit* feld, const QString& text) {
        feld->setText(text);
        return Dialog->EditFeldExit(feld);
    }

    void ReiheWaehlen(int i) { Dialog->CmbMessreihenName->setCurrentIndex(i); }
};
