#include "graph/ui/TWerteGrid.h"

#include "graph/TKurvenWerteModell.h"
#include "graph/ui/TZahlenFeld.h"
#include "shell/Eingabepruefung.h"
#include "shell/TSprachTexte.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QStyledItemDelegate>

namespace {

// Cell editors accept the keys of the number fields; Enter in an editor is remembered so
// that the grid can append a row after the editor has closed.
class TZellenDelegate : public QStyledItemDelegate {
public:
    TZellenDelegate(TWerteGrid* grid, bool* enter) : QStyledItemDelegate(grid), FEnter(enter) {}

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(eltern, option, index);
        TZahlenFeld::NurZahlen(editor);
        return editor;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent*>(ereignis)->key();
            *FEnter = taste == Qt::Key_Return || taste == Qt::Key_Enter;
        }
        return QStyledItemDelegate::eventFilter(objekt, ereignis);
    }

private:
    bool* FEnter;
};

} // namespace

TWerteGrid::TWerteGrid(TBenutzer& benutzer, const TSprachTexte& texte, QWidget* eltern)
    : QTableView(eltern), FBenutzer(benutzer), FTexte(texte) {
    FModell = new TKurvenWerteModell(this);
    setModel(FModell);
    setItemDelegate(new TZellenDelegate(this, &FEnterAmEnde));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setVisible(false);
    // Every row has the same height: the view need not measure ten million of them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->viewport()->installEventFilter(this);

    PopupMenuValGrid = new QMenu(this);
    MenAusschneiden = PopupMenuValGrid->addAction(QString(), this, &TWerteGrid::Ausschneiden);
    MenKopieren = PopupMenuValGrid->addAction(QString(), this, &TWerteGrid::Kopieren);
    MenEinfuegen = PopupMenuValGrid->addAction(QString(), this, &TWerteGrid::Einfuegen);
    PopupMenuValGrid->addSeparator();
    MenZeileEinfuegen = PopupMenuValGrid->addAction(QString(), this, &TWerteGrid::ZeileEinfuegen);
    MenZeileLoeschen = PopupMenuValGrid->addAction(QString(), this, &TWerteGrid::ZeileLoeschen);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &TWerteGrid::MenueZeigen);
    TexteSetzen();
    setCurrentIndex(FModell->index(0, 0));
}

void TWerteGrid::TexteSetzen() {
    const TSprachTexte& t = FTexte;
    FModell->UeberschriftenSetzen(t.ValGridCell00Text, t.ValGridCell10Text);
    setToolTip(t.ValGridHint.section(u'|', 0, 0));
    const struct {
        QAction* Aktion;
        const QString& Text;
        const QString& Hinweis;
    } eintraege[] = {
        {MenAusschneiden, t.ValGridMenAusschneidenCaption, t.ValGridMenAusschneidenHint},
        {MenKopieren, t.ValGridMenKopierenCaption, t.ValGridMenKopierenHint},
        {MenEinfuegen, t.ValGridMenEinfuegenCaption, t.ValGridMenEinfuegenHint},
        {MenZeileEinfuegen, t.ValGridMenZeileEinfuegenCaption, t.ValGridMenZeileEinfuegenHint},
        {MenZeileLoeschen, t.ValGridMenZeileLoeschenCaption, t.ValGridMenZeileLoeschenHint},
    };
    for (const auto& e : eintraege) {
        e.Aktion->setText(e.Text);
        e.Aktion->setStatusTip(e.Hinweis.section(u'|', -1));
    }
}

bool TWerteGrid::ZellePruefen(int zeile, int spalte) {
    // Cells showing a stored value were not typed into and need no check.
    if (!FModell->Getippt(zeile, spalte)) {
        return true;
    }
    return Eingabepruefung::GleitzahlPruefen(FBenutzer, FTexte, FModell->Text(zeile, spalte), true,
                                             -TKurvenWerteModell::kGrenze,
                                             TKurvenWerteModell::kGrenze);
}

void TWerteGrid::ZelleWaehlen(qsizetype zeile, int spalte) {
    FZurueck = true;
    const QModelIndex ziel = FModell->index(int(zeile), spalte);
    selectionModel()->setCurrentIndex(ziel, QItemSelectionModel::ClearAndSelect);
    scrollTo(ziel);
    FZurueck = false;
}

void TWerteGrid::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) {
    // The base class first hands an open editor's text to the model.
    QTableView::currentChanged(aktuell, vorher);
    if (FZurueck || !vorher.isValid() || vorher.row() >= FModell->rowCount()) {
        return;
    }
    if (!ZellePruefen(vorher.row(), vorher.column())) {
        ZelleWaehlen(vorher.row(), vorher.column());
    }
}

void TWerteGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) {
    QTableView::closeEditor(editor, hinweis);
    if (FEnterAmEnde) {
        FEnterAmEnde = false;
        EnterGedrueckt();
    }
}

void TWerteGrid::keyPressEvent(QKeyEvent* ereignis) {
    if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) &&
        state() != QAbstractItemView::EditingState) {
        EnterGedrueckt();
        return;
    }
    QTableView::keyPressEvent(ereignis);
}

void TWerteGrid::focusOutEvent(QFocusEvent* ereignis) {
    QTableView::focusOutEvent(ereignis);
    const Qt::FocusReason grund = ereignis->reason();
    QWidget* neu = QApplication::focusWidget();
    if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason ||
        (neu != nullptr && isAncestorOf(neu))) {
        return;
    }
    const QModelIndex z = currentIndex();
    if (z.isValid() && !ZellePruefen(z.row(), z.column())) {
        setFocus();
    }
}

void TWerteGrid::EnterGedrueckt() {
    const QModelIndex z = currentIndex();
    const int letzte = FModell->rowCount() - 1;
    if (!z.isValid() || z.column() != 1 || z.row() != letzte) {
        return;
    }
    if (!Eingabepruefung::GleitzahlPruefen(FBenutzer, FTexte, FModell->Text(letzte, 1), true,
                                           -TKurvenWerteModell::kGrenze,
                                           TKurvenWerteModell::kGrenze)) {
        return;
    }
    const std::optional<double> x = FModell->Wert(letzte, 0);
    const std::optional<double> schritt = Intervall ? Intervall() : std::nullopt;
    if (!x || !schritt) {
        return;
    }
    FModell->ZeileEinfuegen(letzte + 1, *x + *schritt, 0);
    ZelleWaehlen(letzte + 1, 1);
}

void TWerteGrid::KopfGeklickt(int spalte) {
    if (const auto fehler = FModell->Sortieren(spalte)) {
        Eingabepruefung::GleitzahlPruefen(
            FBenutzer, FTexte, FModell->Text(fehler->Zeile, fehler->Spalte), true,
            -TKurvenWerteModell::kGrenze, TKurvenWerteModell::kGrenze);
        ZelleWaehlen(fehler->Zeile, fehler->Spalte);
    }
}

bool TWerteGrid::eventFilter(QObject* objekt, QEvent* ereignis) {
    // Any mouse button on a column header sorts by that column.
    if (objekt == horizontalHeader()->viewport() && ereignis->type() == QEvent::MouseButtonPress) {
        const int spalte =
            horizontalHeader()->logicalIndexAt(static_cast<QMouseEvent*>(ereignis)->pos());
        if (spalte >= 0) {
            KopfGeklickt(spalte);
        }
        return true;
    }
    return QTableView::eventFilter(objekt, ereignis);
}

void TWerteGrid::MenueZeigen(const QPoint& stelle) {
    const QMimeData* inhalt = QApplication::clipboard()->mimeData();
    MenEinfuegen->setEnabled(inhalt != nullptr && inhalt->hasText());
    PopupMenuValGrid->popup(viewport()->mapToGlobal(stelle));
}

void TWerteGrid::Bearbeiten() {
    if (currentIndex().isValid()) {
        edit(currentIndex());
    }
}

void TWerteGrid::Ausschneiden() {
    const QModelIndex z = currentIndex();
    if (!z.isValid()) {
        return;
    }
    QApplication::clipboard()->setText(FModell->Text(z.row(), z.column()));
    FModell->TextSetzen(z.row(), z.column(), QString());
    Bearbeiten();
}

void TWerteGrid::Kopieren() {
    const QModelIndex z = currentIndex();
    if (z.isValid()) {
        QApplication::clipboard()->setText(FModell->Text(z.row(), z.column()));
        Bearbeiten();
    }
}

void TWerteGrid::Einfuegen() {
    const QModelIndex z = currentIndex();
    const QMimeData* inhalt = QApplication::clipboard()->mimeData();
    if (z.isValid() && inhalt != nullptr && inhalt->hasText()) {
        FModell->TextSetzen(z.row(), z.column(), inhalt->text());
        Bearbeiten();
    }
}

void TWerteGrid::ZeileEinfuegen() {
    const QModelIndex z = currentIndex();
    if (!z.isValid()) {
        return;
    }
    const int zeile = z.row();
    const std::optional<double> x = FModell->Wert(zeile, 0);
    std::optional<double> schritt;
    if (zeile == FModell->rowCount() - 1) {
        schritt = Intervall ? Intervall() : std::nullopt;
    } else if (const auto naechstes = FModell->Wert(zeile + 1, 0); naechstes && x) {
        schritt = (*naechstes - *x) / 2;
    }
    if (!x || !schritt) {
        // An X cell without a number gives no X for the new row: say so there.
        const int fehlerZeile = x ? zeile + 1 : zeile;
        Eingabepruefung::GleitzahlPruefen(FBenutzer, FTexte, FModell->Text(fehlerZeile, 0), true,
                                          -TKurvenWerteModell::kGrenze,
                                          TKurvenWerteModell::kGrenze);
        ZelleWaehlen(fehlerZeile, 0);
        return;
    }
    FModell->ZeileEinfuegen(zeile + 1, *x + *schritt, 0);
    ZelleWaehlen(zeile + 1, 1);
}

void TWerteGrid::ZeileLoeschen() {
    const QModelIndex z = currentIndex();
    if (!z.isValid() || !FModell->ZeileLoeschen(z.row())) {
        return;
    }
    ZelleWaehlen(qMin(z.row(), FModell->rowCount() - 1), 1);
}
