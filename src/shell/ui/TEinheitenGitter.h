#pragma once

#include "shell/EinheitenTabelle.h"
#include "shell/TEinheiten.h"

#include <QPointer>
#include <QTableWidget>
#include <optional>

class QLineEdit;
class TBenutzer;
struct TSprachTexte;

// The units table of the settings dialog: one row per unit, five columns. A cell is checked
// whenever the selection leaves it and when the table loses the focus; a faulty cell keeps
// the selection (message 36 or 37). The number columns take only what a number can hold.
class TEinheitenGitter : public QTableWidget {
    Q_OBJECT
public:
    TEinheitenGitter(const TSprachTexte& texte, TBenutzer& benutzer, QWidget* eltern = nullptr);

    // Column captions and widths, the hint.
    void Aktualisieren();
    // Fills the rows from the list (one empty row for an empty list).
    void Lesen(const TEinheitenListe& liste);
    // The cell texts as they stand, an open editor's text included.
    EinheitenTabelle::TZeilen Zeilen();
    // The list the rows stand for, neutral unit in front; nothing when a cell is faulty
    // (its message was shown and it is selected).
    std::optional<TEinheitenListe> Liste();

    // The buttons beside the table.
    void NeueEinheit();
    void EinheitLoeschen();
    // Sorts by a column, as a click on its header does.
    void SpalteSortieren(int spalte);
    // The check of the cell being left; false (message shown) when it is faulty.
    bool ZellePruefen(int zeile, int spalte);
    // What leaving the table does: the current cell is checked, a faulty one takes the focus
    // back. True when the cell is fine.
    bool VerlassenPruefen();
    // Controls that may take the focus without the current cell being checked (cancel, help).
    void OhnePruefung(QWidget* ziel) { FOhnePruefung.append(ziel); }

protected:
    void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;

private:
    class TDelegat;
    friend class TDelegat;

    void ZeileFuellen(int zeile, const QStringList& zellen);
    void ZeilenSetzen(const EinheitenTabelle::TZeilen& zeilen);
    void EditorUebernehmen();
    // Moves the selection without checking the cell it leaves.
    void UngeprueftSetzen(int zeile, int spalte);
    void FokusGewechselt(QWidget* alt, QWidget* neu);

    const TSprachTexte& FTexte;
    TBenutzer& FBenutzer;
    QPointer<QLineEdit> FEditor;
    QList<QWidget*> FOhnePruefung;
    bool FUngeprueft = false; // a move made by the table itself, not by the user
    bool FPruefung = false;   // a message of a check is open
};
