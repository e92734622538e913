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
    // Enables the field with its arrows.
    void Freigeben(bool frei);

    // The key filter of the number fields, for other editors too (the value grid's cells).
    static void NurZahlen(QWidget* editor);

signals:
    void Pfeil(bool hoch);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};
