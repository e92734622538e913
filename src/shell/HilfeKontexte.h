#pragma once

// The help contexts: each names an anchor ("k<N>") of the help pages, which the help
// generator writes from the same numbers. F1 on a window, a control or a menu entry opens the
// page at its context; a message box opens 9000 + 10 x its number (the message table).
namespace HilfeKontext {
constexpr int Haupt = 10; // the program, the graph window, the error display, the info box
constexpr int MenueDatei = 20;
constexpr int DateiNeu = 30;
constexpr int DateiOeffnen = 40;
constexpr int DateiSchliessen = 50;
constexpr int DateiSpeichern = 60;
constexpr int DateiSpeichernUnter = 70;
constexpr int DateiExportieren = 75;
constexpr int MesswerteLaden = 80;
constexpr int MesswerteAusDatei = 90;
constexpr int MesswerteNeuLaden = 100; // also the progress dialog of a device run
constexpr int Beenden = 110;
constexpr int MenueBearbeiten = 120;
constexpr int Ausschneiden = 130;
constexpr int Kopieren = 140;
constexpr int Einfuegen = 150;
constexpr int GraphEigenschaften = 160;
constexpr int MenueExtras = 170;
constexpr int Einstellungen = 180; // also the help buttons of the job dialog
constexpr int MessInfo = 190;
constexpr int Sprache = 195;
constexpr int MenueFenster = 200;
constexpr int FensterUeberlappend = 210;
constexpr int FensterNebeneinander = 220;
constexpr int FensterAnordnen = 230;
constexpr int FensterVerkleinern = 240;
constexpr int GeraeteVerbindung = 300;
} // namespace HilfeKontext
