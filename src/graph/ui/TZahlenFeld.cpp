#include "graph/ui/TZahlenFeld.h"

#include "shell/Zahlen.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {

// Drops every typed character but digits and "+,-./", and types "." for ",".
class TZahlenTasten : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() != QEvent::KeyPress) {
            return false;
        }
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        const QString text = taste->text();
        if (text.isEmpty() || text.at(0).category() == QChar::Other_Control) {
            return false;
        }
        for (const QChar c : text) {
            if (!(c.isDigit() || QStringLiteral("+,-./").contains(c))) {
                return true;
            }
        }
        if (text.contains(u',')) {
            if (auto* edit = qobject_cast<QLineEdit*>(objekt)) {
                edit->insert(QString(text).replace(u',', u'.'));
                return true;
            }
        }
        return false;
    }
};

} // namespace

TZahlenFeld::TZahlenFeld(TArt art, QWidget* eltern) : QWidget(eltern) {
    auto* aufbau = new QGridLayout(this);
    aufbau->setContentsMargins(0, 0, 0, 0);
    aufbau->setHorizontalSpacing(0);
    aufbau->setVerticalSpacing(2);
    Beschriftung = new QLabel(this);
    Edit = new QLineEdit(this);
    Beschriftung->setBuddy(Edit);
    aufbau->addWidget(Beschriftung, 0, 0, 1, 2);
    aufbau->addWidget(Edit, 1, 0);
    Edit->installEventFilter(this);
    if (art != TArt::Text) {
        NurZahlen(Edit);
    }
    if (art == TArt::ZahlMitPfeilen) {
        auto* pfeile = new QWidget(this);
        auto* spalte = new QVBoxLayout(pfeile);
        spalte->setContentsMargins(0, 0, 0, 0);
        spalte->setSpacing(0);
        Hoch = new QToolButton(pfeile);
        Runter = new QToolButton(pfeile);
        Hoch->setArrowType(Qt::UpArrow);
        Runter->setArrowType(Qt::DownArrow);
        for (QToolButton* k : {Hoch, Runter}) {
            k->setFixedSize(16, 12);
            k->setAutoRepeat(true);
            k->setFocusPolicy(Qt::NoFocus);
            spalte->addWidget(k);
        }
        aufbau->addWidget(pfeile, 1, 1);
        connect(Hoch, &QToolButton::clicked, this, [this] { emit Pfeil(true); });
        connect(Runter, &QToolButton::clicked, this, [this] { emit Pfeil(false); });
    }
}

void TZahlenFeld::TexteSetzen(const QString& beschriftung, const QString& hinweis,
                              const QString& pfeilHinweis) {
    Beschriftung->setText(beschriftung);
    Edit->setToolTip(hinweis.section(u'|', 0, 0));
    Edit->setStatusTip(hinweis.section(u'|', -1));
    if (Hoch != nullptr) {
        for (QToolButton* k : {Hoch, Runter}) {
            k->setToolTip(pfeilHinweis.section(u'|', 0, 0));
        }
    }
}

double TZahlenFeld::Wert(double gezeigt) const {
    return Edit->isModified() ? Zahlen::GleitzahlLesen(Edit->text()).value_or(gezeigt) : gezeigt;
}

qint32 TZahlenFeld::Ganzzahl(qint32 gezeigt) const {
    return Edit->isModified() ? Zahlen::GanzzahlLesen(Edit->text()).value_or(gezeigt) : gezeigt;
}

void TZahlenFeld::Freigeben(bool frei) {
    Edit->setEnabled(frei);
    if (Hoch != nullptr) {
        Hoch->setEnabled(frei);
        Runter->setEnabled(frei);
    }
}

void TZahlenFeld::NurZahlen(QWidget* editor) {
    editor->installEventFilter(new TZahlenTasten(editor));
}

bool TZahlenFeld::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Edit && ereignis->type() == QEvent::FocusOut && Verlassen) {
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        // A message box or a list that opens takes the focus only for a moment.
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason && !Verlassen()) {
            QTimer::singleShot(0, Edit, [e = Edit] { e->setFocus(); });
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}
