#include "shell/ui/TEinheitenGitter.h"

#include "shell/Nachricht.h"
#include "shell/TSprachTexte.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>

using namespace EinheitenTabelle;

// Editors of the cells: plain line edits; those of the number columns filter what is typed.
class TEinheitenGitter::TDelegat : public QStyledItemDelegate {
public:
    explicit TDelegat(TEinheitenGitter& gitter) : QStyledItemDelegate(&gitter), FGitter(gitter) {}

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(eltern);
        editor->setFrame(false);
        if (index.column() == Faktor || index.column() == Offset) {
            QObject::connect(editor, &QLineEdit::textEdited, editor, [editor](const QString& text) {
                const QString gefiltert = ZahlFiltern(text);
                if (gefiltert != text) {
                    // The cursor stays behind what was typed, less what was dropped.
                    const int cursor = int(ZahlFiltern(text.left(editor->cursorPosition())).size());
                    editor->setText(gefiltert);
                    editor->setCursorPosition(cursor);
                }
            });
        }
        FGitter.FEditor = editor;
        return editor;
    }

private:
    TEinheitenGitter& FGitter;
};

TEinheitenGitter::TEinheitenGitter(const TSprachTexte& texte, TBenutzer& benutzer, QWidget* eltern)
    : QTableWidget(0, SpaltenAnzahl, eltern), FTexte(texte), FBenutzer(benutzer) {
    setObjectName(QStringLiteral("VGrEinheiten"));
    setItemDelegate(new TDelegat(*this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TEinheitenGitter::SpalteSortieren);
    connect(qApp, &QApplication::focusChanged, this, &TEinheitenGitter::FokusGewechselt);
    Aktualisieren();
    Lesen({});
}

void TEinheitenGitter::Aktualisieren() {
    setHorizontalHeaderLabels({FTexte.VgrEinheitenNameCaption, FTexte.VgrEinheitenZeichenCaption,
                               FTexte.VgrEinheitenFaktorCaption, FTexte.VgrEinheitenOffsetCaption,
                               FTexte.VgrEinheitenBezugCaption});
    // The widths the table always had, widened where a caption would not fit.
    const int breiten[SpaltenAnzahl] = {100, 53, 50, 50, 100};
    for (int s = 0; s < SpaltenAnzahl; ++s) {
        const int caption = horizontalHeader()->fontMetrics().horizontalAdvance(
                                model()->headerData(s, Qt::Horizontal).toString()) +
                            16;
        setColumnWidth(s, std::max(breiten[s], caption));
    }
    setToolTip(FTexte.VGrEinheitenHint);
}

void TEinheitenGitter::ZeileFuellen(int zeile, const QStringList& zellen) {
    for (int s = 0; s < SpaltenAnzahl; ++s) {
        setItem(zeile, s, new QTableWidgetItem(zellen.value(s)));
    }
}

void TEinheitenGitter::ZeilenSetzen(const TZeilen& zeilen) {
    const bool vorher = FUngeprueft;
    FUngeprueft = true;
    setRowCount(0);
    setRowCount(int(zeilen.size()));
    for (int z = 0; z < zeilen.size(); ++z) {
        ZeileFuellen(z, zeilen[z]);
    }
    setCurrentCell(0, Name);
    FUngeprueft = vorher;
}

void TEinheitenGitter::Lesen(const TEinheitenListe& liste) {
    ZeilenSetzen(EinheitenTabelle::Zeilen(liste));
}

void TEinheitenGitter::EditorUebernehmen() {
    if (FEditor && state() == QAbstractItemView::EditingState) {
        QLineEdit* editor = FEditor;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

TZeilen TEinheitenGitter::Zeilen() {
    EditorUebernehmen();
    TZeilen zeilen;
    for (int z = 0; z < rowCount(); ++z) {
        QStringList zellen;
        for (int s = 0; s < SpaltenAnzahl; ++s) {
            const QTableWidgetItem* zelle = item(z, s);
            zellen.append(zelle != nullptr ? zelle->text() : QString());
        }
        zeilen.append(zellen);
    }
    return zeilen;
}

std::optional<TEinheitenListe> TEinheitenGitter::Liste() {
    const EinheitenTabelle::TListenErgebnis e = EinheitenTabelle::Liste(Zeilen(), FTexte);
    if (!e.Fehler.Gut()) {
        UngeprueftSetzen(e.Zeile, e.Spalte);
        Nachricht(FBenutzer, FTexte, e.Fehler.Nachricht, e.Fehler.Text);
        return std::nullopt;
    }
    return e.Liste;
}

bool TEinheitenGitter::ZellePruefen(int zeile, int spalte) {
    const TPruefung p = EinheitenTabelle::ZellePruefen(Zeilen(), zeile, spalte, FTexte);
    if (p.Gut()) {
        return true;
    }
    FPruefung = true;
    Nachricht(FBenutzer, FTexte, p.Nachricht, p.Text);
    FPruefung = false;
    return false;
}

void TEinheitenGitter::UngeprueftSetzen(int zeile, int spalte) {
    const bool vorher = FUngeprueft;
    FUngeprueft = true;
    setCurrentCell(zeile, spalte);
    FUngeprueft = vorher;
}

void TEinheitenGitter::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) {
    // The base class hands an open editor's text to its cell first.
    QTableWidget::currentChanged(aktuell, vorher);
    if (FUngeprueft || FPruefung || !vorher.isValid() || vorher == aktuell ||
        vorher.row() >= rowCount()) {
        return;
    }
    if (!ZellePruefen(vorher.row(), vorher.column())) {
        // The selection goes back; the cell being left was faulty.
        const int zeile = vorher.row();
        const int spalte = vorher.column();
        QTimer::singleShot(0, this, [this, zeile, spalte] {
            if (zeile < rowCount()) {
                UngeprueftSetzen(zeile, spalte);
            }
        });
        UngeprueftSetzen(zeile, spalte);
    }
}

bool TEinheitenGitter::VerlassenPruefen() {
    if (currentRow() < 0 || currentColumn() < 0) {
        return true;
    }
    // A row with nothing in it is not stored (a list without units shows one): leaving the
    // table from there is no fault.
    const QStringList zeile = Zeilen().value(currentRow());
    if (std::all_of(zeile.cbegin(), zeile.cend(),
                    [](const QString& zelle) { return zelle.trimmed().isEmpty(); })) {
        return true;
    }
    if (ZellePruefen(currentRow(), currentColumn())) {
        return true;
    }
    setFocus(Qt::OtherFocusReason);
    return false;
}

void TEinheitenGitter::FokusGewechselt(QWidget* alt, QWidget* neu) {
    // Only a move to another control of the same window counts: a message box opening or
    // the window losing the activation is no leaving of the table.
    if (FPruefung || alt == nullptr || neu == nullptr || neu->window() != window()) {
        return;
    }
    const bool warDrin = alt == this || isAncestorOf(alt);
    const bool istDrin = neu == this || isAncestorOf(neu);
    if (warDrin && !istDrin && !FOhnePruefung.contains(neu)) {
        QTimer::singleShot(0, this, [this] {
            if (!FPruefung) {
                VerlassenPruefen();
            }
        });
    }
}

void TEinheitenGitter::NeueEinheit() {
    const int zeile = currentRow();
    const int spalte = std::max(currentColumn(), 0);
    if (zeile >= 0 && !ZellePruefen(zeile, spalte)) {
        return;
    }
    const int neu = zeile + 1;
    {
        const bool vorher = FUngeprueft;
        FUngeprueft = true;
        insertRow(neu);
        ZeileFuellen(neu, QStringList(SpaltenAnzahl, QString()));
        FUngeprueft = vorher;
    }
    // The row below takes the selection in the same column; going from there to its name
    // cell is a move like any other and checks the cell it leaves.
    UngeprueftSetzen(neu, spalte);
    if (spalte != Name) {
        setCurrentCell(neu, Name);
    }
    if (currentRow() == neu && currentColumn() == Name) {
        editItem(item(neu, Name));
    }
}

void TEinheitenGitter::EinheitLoeschen() {
    EditorUebernehmen();
    const int zeile = std::max(currentRow(), 0);
    UngeprueftSetzen(zeile, Name);
    if (rowCount() <= 1) {
        return;
    }
    const bool vorher = FUngeprueft;
    FUngeprueft = true;
    removeRow(zeile);
    setCurrentCell(std::min(zeile, rowCount() - 1), Name);
    FUngeprueft = vorher;
}

void TEinheitenGitter::SpalteSortieren(int spalte) {
    TZeilen zeilen = Zeilen();
    Sortieren(zeilen, spalte);
    ZeilenSetzen(zeilen);
}
