#include "shell/TSkriptBenutzer.h"

namespace {

template <typename T> std::optional<QString> Naechste(QList<std::optional<T>>& warteschlange) {
    if (warteschlange.isEmpty()) {
        return std::nullopt;
    }
    return warteschlange.takeFirst();
}

} // namespace

int TSkriptBenutzer::NachrichtZeigen(const TNachrichtInhalt& inhalt) {
    Gezeigt.append(inhalt);
    if (BeiNachricht) {
        BeiNachricht(inhalt);
    }
    if (!Antworten.isEmpty()) {
        return Antworten.takeFirst();
    }
    return inhalt.Knoepfe == TNachrichtKnoepfe::OkHilfe ? mrOk : FrageAntwort;
}

std::optional<QString> TSkriptBenutzer::DateiOeffnen(const TDateiDialog& dialog) {
    DateiDialoge.append(dialog);
    return Naechste(Dateien);
}

std::optional<QString> TSkriptBenutzer::DateiSpeichern(const TDateiDialog& dialog) {
    DateiDialoge.append(dialog);
    return Naechste(Dateien);
}

std::optional<QString> TSkriptBenutzer::VerzeichnisWaehlen(const QString& titel, const QString&) {
    EingabeFragen.append(titel);
    return Naechste(Verzeichnisse);
}

std::optional<QString> TSkriptBenutzer::Eingabe(const QString&, const QString& frage,
                                                const QString&) {
    EingabeFragen.append(frage);
    return Naechste(Eingaben);
}

std::optional<quint32> TSkriptBenutzer::FarbeWaehlen(const QString&, quint32 farbe) {
    FarbStartwerte.append(farbe);
    return Farben.isEmpty() ? std::nullopt : Farben.takeFirst();
}

bool TSkriptBenutzer::DruckDialog(QPrinter&) {
    return DruckenBestaetigen;
}

void TSkriptBenutzer::HilfeZeigen(int kontext) {
    HilfeKontexte.append(kontext);
}

QList<int> TSkriptBenutzer::Nummern() const {
    QList<int> nummern;
    for (const auto& n : Gezeigt) {
        nummern.append(n.Nummer);
    }
    return nummern;
}
