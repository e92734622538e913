#include "shell/ui/TQtBenutzer.h"

#include "shell/HilfeSeite.h"
#include "shell/ui/TNachrichtDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPrintDialog>
#include <QTextBrowser>
#include <QUrl>

namespace {

std::optional<QString> DateiDialogZeigen(QWidget* eltern, const TDateiDialog& d, bool speichern) {
    QFileDialog dialog(eltern, d.Titel, d.Verzeichnis, QtDateiFilter(d.Filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // As with the old dialogs, a name may be typed that does not exist yet: the reading
    // commands ask for the target of a read-out this way, and the callers report a missing
    // file themselves.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!d.StandardEndung.isEmpty()) {
        dialog.setDefaultSuffix(d.StandardEndung);
    }
    if (!d.DateiName.isEmpty()) {
        dialog.selectFile(d.DateiName);
    }
    // Asking before overwriting is the program's own message, not the dialog's.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

} // namespace

QString QtDateiFilter(const QString& filter) {
    const QStringList teile = filter.split(u'|');
    QStringList filterListe;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        QString name = teile[i];
        QString muster = teile[i + 1];
        muster.replace(u';', u' ');
        // "*.*" means every file, also those without a dot.
        if (muster == u"*.*") {
            muster = QStringLiteral("*");
        }
        const qsizetype klammer = name.lastIndexOf(u'(');
        if (klammer > 0) {
            name = name.left(klammer).trimmed();
        }
        filterListe.append(name + QStringLiteral(" (") + muster + u')');
    }
    return filterListe.join(QStringLiteral(";;"));
}

int TQtBenutzer::NachrichtZeigen(const TNachrichtInhalt& inhalt) {
    TNachrichtDialog dialog(
        inhalt, Titel, [this](int kontext) { HilfeZeigen(kontext); }, Elternfenster);
    return dialog.exec();
}

std::optional<QString> TQtBenutzer::DateiOeffnen(const TDateiDialog& dialog) {
    return DateiDialogZeigen(Elternfenster, dialog, false);
}

std::optional<QString> TQtBenutzer::DateiSpeichern(const TDateiDialog& dialog) {
    return DateiDialogZeigen(Elternfenster, dialog, true);
}

std::optional<QString> TQtBenutzer::VerzeichnisWaehlen(const QString& titel, const QString& start) {
    const QString verzeichnis = QFileDialog::getExistingDirectory(
        Elternfenster, titel, start, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (verzeichnis.isEmpty()) {
        return std::nullopt;
    }
    return verzeichnis;
}

std::optional<QString> TQtBenutzer::Eingabe(const QString& titel, const QString& frage,
                                            const QString& vorgabe) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(Elternfenster, titel, frage, QLineEdit::Normal, vorgabe, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

std::optional<quint32> TQtBenutzer::FarbeWaehlen(const QString& titel, quint32 farbe) {
    // Documents keep 0x00BBGGRR; Qt counts red in the low byte the other way round.
    const QColor start(int(farbe & 0xFF), int((farbe >> 8) & 0xFF), int((farbe >> 16) & 0xFF));
    const QColor gewaehlt =
        QColorDialog::getColor(start, Elternfenster, titel, QColorDialog::DontUseNativeDialog);
    if (!gewaehlt.isValid()) {
        return std::nullopt;
    }
    return quint32(gewaehlt.red()) | quint32(gewaehlt.green()) << 8 |
           quint32(gewaehlt.blue()) << 16;
}

bool TQtBenutzer::DruckDialog(QPrinter& drucker) {
    QPrintDialog dialog(&drucker, Elternfenster);
    return dialog.exec() == QDialog::Accepted;
}

void TQtBenutzer::HilfeZeigen(int kontext) {
    if (!HilfeDatei) {
        return;
    }
    // Over a modal dialog (a message, the progress dialog) the help window must belong to
    // that dialog, or the dialog would block it.
    QWidget* eltern = QApplication::activeModalWidget();
    if (eltern == nullptr) {
        eltern = Elternfenster;
    }
    if (FHilfe && FHilfe->parentWidget() != eltern) {
        delete FHilfe;
    }
    if (!FHilfe) {
        FHilfe = new THilfeFenster(eltern);
    }
    if (HilfeTexte) {
        FHilfe->TexteSetzen(HilfeTexte());
    }
    const QString datei = HilfeDatei();
    if (QFileInfo(datei).isFile()) {
        FHilfe->Zeigen(HilfeSeite::Adresse(datei, kontext));
    } else {
        FHilfe->DateiFehlt(datei);
    }
    FHilfe->show();
    FHilfe->raise();
    FHilfe->activateWindow();
}
