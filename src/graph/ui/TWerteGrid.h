#pragma once

#include <QTableView>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class TBenutzer;
class TWerteModell;
struct TSprachTexte;

// The value grid of the properties dialog (ValGrid): the points of one curve through
// TWerteModell, with the checks when a typed cell is left, Enter in the Y cell of the last
// row, sorting by a click on a column header and the context menu PopupMenuValGrid.
class TWerteGrid : public QTableView {
    Q_OBJECT
public:
    TWerteGrid(TBenutzer& benutzer, const TSprachTexte& texte, QWidget* eltern = nullptr);

    TWerteModell& Modell() { return *FModell; }
    // The number in LbeIntervall; nothing when it holds no number.
    std::function<std::optional<double>()> Intervall;

    void TexteSetzen();

    // Checks a cell as leaving it does (messages 5 and 6); only typed cells can fail.
    bool ZellePruefen(int zeile, int spalte);
    // Enter in the current cell: in the Y cell of the last row, appends last X + Intervall / 0.
    void EnterGedrueckt();
    // Sorts the rows by column 0 (X) or 1 (Y), as a click on its header does.
    void KopfGeklickt(int spalte);
    // Moves the current cell, as the dialog does after a failed check.
    void ZelleWaehlen(qsizetype zeile, int spalte);

    // The context menu's entries, on the current cell.
    void Ausschneiden();
    void Kopieren();
    void Einfuegen();
    void ZeileEinfuegen();
    void ZeileLoeschen();

    QMenu* PopupMenuValGrid = nullptr;
    QAction *MenAusschneiden = nullptr, *MenKopieren = nullptr, *MenEinfuegen = nullptr,
            *MenZeileEinfuegen = nullptr, *MenZeileLoeschen = nullptr;

protected:
    void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void MenueZeigen(const QPoint& stelle);
    void Bearbeiten();

    TBenutzer& FBenutzer;
    const TSprachTexte& FTexte;
    TWerteModell* FModell = nullptr;
    bool FZurueck = false;     // the current cell is being set back after a failed check
    bool FEnterAmEnde = false; // Enter closed the editor of the last row's Y cell
};
