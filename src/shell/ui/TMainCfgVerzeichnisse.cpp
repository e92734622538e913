// The directory fields of the settings dialog: choosing a directory, and the configuration
// directory, whose change reads or creates the configuration file found there.
#include "shell/ui/TMainCfgForm.h"

#include "shell/Meldungen.h"
#include "shell/Nachricht.h"
#include "shell/TAppConst.h"
#include "shell/TBenutzer.h"
#include "shell/TSprachTexte.h"
#include "shell/Verzeichnis.h"

#include <QFileInfo>
#include <QLineEdit>

std::optional<QString> TMainCfgForm::Verzeichnis(const QString& titel, const QString& start) {
    const auto gewaehlt = FBenutzer.VerzeichnisWaehlen(titel, start);
    if (!gewaehlt || gewaehlt->trimmed().isEmpty()) {
        return std::nullopt;
    }
    return Verzeichnis::MitTrenner(*gewaehlt);
}

void TMainCfgForm::DatenVerzeichnisClick() {
    if (const auto v = Verzeichnis(FTexte.DatenVerzeichnisText, FAppConst.DatenPfad)) {
        FAppConst.DatenPfad = *v;
        LbeDatenVerzeichnis->setText(*v);
        EinstellungenLesen();
    }
}

void TMainCfgForm::HilfeVerzeichnisClick() {
    if (const auto v = Verzeichnis(FTexte.HilfeVerzeichnisText, FAppConst.HilfePfad)) {
        FAppConst.HilfePfad = *v;
        LbeHilfeVerzeichnis->setText(*v);
        if (FDienste.HilfeDateiSetzen) {
            FDienste.HilfeDateiSetzen(FAppConst.HilfePfad + Dateinamen::HilfeDatei);
        }
        EinstellungenLesen();
    }
}

void TMainCfgForm::KonfigVerzeichnisClick() {
    if (const auto v = Verzeichnis(FTexte.KonfigVerzeichnisText, FAppConst.KonfigurationsPfad)) {
        LbeKonfigVerzeichnis->setText(*v);
        KonfigVerzeichnisExit();
        EinstellungenLesen();
    }
}

void TMainCfgForm::KonfigVerzeichnisExit() {
    if (FWechselt) {
        return;
    }
    TAppConst& a = FAppConst;
    const QString neu = Verzeichnis::MitTrenner(LbeKonfigVerzeichnis->text());
    if (neu.isEmpty()) {
        // No directory at all is no switch: the field shows the one in force again.
        LbeKonfigVerzeichnis->setText(a.KonfigurationsPfad);
        return;
    }
    if (neu == a.KonfigurationsPfad) {
        return;
    }
    FWechselt = true;
    const QString alt = a.KonfigurationsPfad;
    if (QFileInfo::exists(neu + a.UserKonfigDatei)) {
        // A file that names no directory of its own leaves the one it lies in in force.
        a.KonfigurationsPfad = neu;
        if (FDienste.KonfigurationLesen) {
            FDienste.KonfigurationLesen(neu);
        }
    } else {
        if (!EinstellungenSetzen()) {
            // A faulty unit cell: nothing is taken over, nothing switches.
            LbeKonfigVerzeichnis->setText(alt);
            FWechselt = false;
            return;
        }
        a.KonfigurationsPfad = neu;
        if (!FDienste.KonfigurationSchreiben || !FDienste.KonfigurationSchreiben(neu)) {
            // The file could not be written there (the message said why): stay where we were.
            a.KonfigurationsPfad = alt;
            LbeKonfigVerzeichnis->setText(alt);
            FWechselt = false;
            return;
        }
        Nachricht(FBenutzer, FTexte, Meldung::KonfigurationAngelegt,
                  a.KonfigurationsPfad + a.UserKonfigDatei);
    }
    if (FDienste.KonfigPfadSpeichern) {
        FDienste.KonfigPfadSpeichern();
    }
    Nachricht(FBenutzer, FTexte, Meldung::EinstellungenGeladen, a.KonfigurationsPfad);
    if (FDienste.SpracheLesen) {
        FDienste.SpracheLesen(a.Sprache);
    }
    Aktualisieren();
    if (FDienste.HauptfensterAktualisieren) {
        FDienste.HauptfensterAktualisieren();
    }
    EinstellungenLesen();
    FWechselt = false;
}
