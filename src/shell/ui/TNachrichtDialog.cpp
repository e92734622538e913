#include "shell/ui/TNachrichtDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString Ueberschrift(TNachrichtTyp typ, const QString& titel) {
    switch (typ) {
    case TNachrichtTyp::Warnung:
        return QStringLiteral("Warnung");
    case TNachrichtTyp::Fehler:
        return QStringLiteral("Fehler");
    case TNachrichtTyp::Information:
        return QStringLiteral("Information");
    case TNachrichtTyp::Bestaetigung:
        return QStringLiteral("Bestätigung");
    case TNachrichtTyp::Eigen:
        break;
    }
    return titel;
}

QStyle::StandardPixmap Symbol(TNachrichtTyp typ) {
    switch (typ) {
    case TNachrichtTyp::Warnung:
        return QStyle::SP_MessageBoxWarning;
    case TNachrichtTyp::Fehler:
        return QStyle::SP_MessageBoxCritical;
    case TNachrichtTyp::Bestaetigung:
        return QStyle::SP_MessageBoxQuestion;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

TNachrichtDialog::TNachrichtDialog(const TNachrichtInhalt& inhalt, const QString& titel,
                                   std::function<void(int)> hilfe, QWidget* eltern)
    : QDialog(eltern) {
    setWindowTitle(Ueberschrift(inhalt.Typ, titel));
    setModal(true);
    // F1 opens the same help as the Help button.
    setProperty("HilfeKontext", inhalt.HilfeKontext);

    auto* zeile = new QHBoxLayout;
    if (inhalt.Typ != TNachrichtTyp::Eigen) {
        auto* bild = new QLabel;
        bild->setPixmap(style()->standardIcon(Symbol(inhalt.Typ)).pixmap(32, 32));
        bild->setAlignment(Qt::AlignTop);
        zeile->addWidget(bild);
    }
    // The messages break their lines with CR, LF or both.
    QString text = inhalt.Text;
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    text.replace(QChar(13), QChar(10));
    auto* textLabel = new QLabel(text);
    textLabel->setObjectName(QStringLiteral("NachrichtText"));
    textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    textLabel->setWordWrap(false);
    zeile->addWidget(textLabel, 1);

    auto* knoepfe = new QDialogButtonBox;
    auto knopf = [&](const QString& beschriftung, QDialogButtonBox::ButtonRole rolle,
                     int ergebnis) {
        QPushButton* b = knoepfe->addButton(beschriftung, rolle);
        b->setObjectName(QStringLiteral("Knopf%1").arg(ergebnis));
        if (ergebnis > 0) {
            connect(b, &QPushButton::clicked, this, [this, ergebnis] { done(ergebnis); });
        }
        return b;
    };
    QPushButton* standard = nullptr;
    switch (inhalt.Knoepfe) {
    case TNachrichtKnoepfe::OkHilfe:
        standard = knopf(QStringLiteral("OK"), QDialogButtonBox::AcceptRole, mrOk);
        FEscape = mrOk;
        break;
    case TNachrichtKnoepfe::JaNeinHilfe:
        standard = knopf(QStringLiteral("&Ja"), QDialogButtonBox::YesRole, mrYes);
        knopf(QStringLiteral("&Nein"), QDialogButtonBox::NoRole, mrNo);
        FEscape = mrNo;
        break;
    case TNachrichtKnoepfe::JaNeinAbbrechenHilfe:
        standard = knopf(QStringLiteral("&Ja"), QDialogButtonBox::YesRole, mrYes);
        knopf(QStringLiteral("&Nein"), QDialogButtonBox::NoRole, mrNo);
        knopf(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole, mrCancel);
        FEscape = mrCancel;
        break;
    }
    QPushButton* hilfeKnopf = knopf(QStringLiteral("&Hilfe"), QDialogButtonBox::HelpRole, 0);
    const int kontext = inhalt.HilfeKontext;
    connect(hilfeKnopf, &QPushButton::clicked, this, [hilfe, kontext] {
        if (hilfe) {
            hilfe(kontext);
        }
    });
    standard->setDefault(true);
    standard->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(zeile);
    layout->addWidget(knoepfe);
    setLayout(layout);
}

void TNachrichtDialog::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        done(FEscape);
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

// Reached by the close box (Escape is handled above).
void TNachrichtDialog::reject() {
    done(mrCancel);
}
