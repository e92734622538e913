#pragma once

#include <QString>

class TAnwendung;

// Connects the subsystems to the shell's hooks (graph defaults, device catalogue) and runs
// the start-up loader. The GUI and orvan-cli both start through here.
void AnwendungStarten(TAnwendung& app, const QString& programmDatei, const QString& programmPfad);
