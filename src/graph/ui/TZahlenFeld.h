#pragma once

#include <QLineEdit>
#include <QWidget>
#include <functional>

class QLabel;
class QToolButton;

// A labelled entry field of the properties dialog (caption above the field), for numbers
// with an up/down button pair beside it. Number fields accept only control keys, digits and
// "+", ",", "-", ".", "/"; "," and "." both become ".". `Verlassen` runs when the focus
// leaves the field for another control of the dialog (not when a message box takes it); it
// returns false to keep the focus in the field.
class TZahlenFeld : public QWidget {
    Q_OBJECT
public:
    enum class TArt { Text, Zahl, ZahlMitPfeilen };
    explicit TZahlenFeld(TArt art, QWidget* eltern = nullptr);

    QLabel* Beschriftung = nullptr;
    QLineEdit* Edit = nullptr;
    QToolButton* Hoch = nullptr; // nullptr without arrows
    QToolButton* Runter = nullptr;

    std::function<bool()> Verlassen;

    QString text() const { return Edit->text(); }
    void setText(const QString& text) { Edit->setText(text); }
    void TexteSetzen(const QString& beschriftung, const QString& hinweis,
                     const QString& pfeilHinweis = QString());
    // True when the user changed the text since it was last set, and the field is enabled:
    // only such a field can hold a wrong number that must be checked before storing.
    bool Getippt() const { return Edit->isModified() && Edit->isEnabled(); }
    // The number in the field when the user changed it, otherwise `gezeigt` (the value the
    // field was filled from, which its text may show rounded to 15 digits). A text that is
    // no number (checked before storing) also gives `gezeigt`.
    double Wert(double gezeigt) const;
    qint32 Ganzzahl(qint32 gezeigt) const;
    // Enables the field with its arrows.
    void Freigeben(bool frei);

    // The key filter of the number fields, for other editors too (the value grid's cells).
    static void NurZahlen(QWidget* editor);

signals:
    void Pfeil(bool hoch);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};
