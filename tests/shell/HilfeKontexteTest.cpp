// Every help context the program passes has its anchor in the help page of every language,
// and the message part of the pages says what the message catalogue says.
#include "shell/HilfeSeite.h"
#include "shell/Nachricht.h"
#include "shell/Sprache.h"
#include "shell/TSprachTexte.h"

#include "TestHilfen.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kQuellen = QStringLiteral(ORVAN_SOURCE_DIR "/src");
const QString kHilfe = QStringLiteral(ORVAN_SOURCE_DIR "/resources/Hilfe/");

// Where a help context is written in the code: what the windows and actions pass and what
// the dialogs name. Found by reading the sources, so a new context cannot be forgotten.
const QList<QRegularExpression>& KontextMuster() {
    static const QList<QRegularExpression> muster = {
        // the last argument of an action of the main window
        QRegularExpression(QStringLiteral(R"re(AktionAnlegen\([^;]*,\s*(\d+)\);)re")),
        // a named number: kHilfeKontext = 10, kHilfeDialog = 100, HilfeKontext::Haupt = 10
        QRegularExpression(QStringLiteral(R"re(\b\w*(?:Hilfe|Kontext)\w*\s*=\s*(\d+)\s*[;,}])re")),
        // a menu's context
        QRegularExpression(QStringLiteral(R"re(menuAction\(\)->setData\((\d+)\))re")),
        // help opened at a literal context, or a window naming its context
        QRegularExpression(QStringLiteral(R"re(HilfeZeigen\((\d+)\))re")),
        QRegularExpression(QStringLiteral(R"re("HilfeKontext",\s*(\d+)\))re")),
        // a row of the message table
        QRegularExpression(QStringLiteral(R"re(\{\d+, "[^"]*", Typ::\w+, Kn::\w+, (\d+)\})re")),
    };
    return muster;
}

// A file about help contexts only (the named constants the code gives them): every number
// defined in it is a context.
const QRegularExpression
    kKonstante(QStringLiteral(R"re(\b(?:constexpr|const)\s+int\s+\w+\s*=\s*(\d+))re"));

QMap<int, QString> KontexteImCode() {
    QMap<int, QString> kontexte; // context -> where it was found first
    QDirIterator it(kQuellen, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        const QString text = QString::fromUtf8(DateiLesen(pfad));
        const QString name = QFileInfo(pfad).fileName();
        QList<QRegularExpression> muster = KontextMuster();
        if (name.contains(QStringLiteral("HilfeKontext"))) {
            muster.append(kKonstante);
        }
        for (const QRegularExpression& m : muster) {
            for (const auto& treffer : m.globalMatch(text)) {
                const int kontext = treffer.captured(1).toInt();
                if (kontext > 0 && !kontexte.contains(kontext)) {
                    kontexte.insert(kontext, name + QStringLiteral(": ") + treffer.captured(0));
                }
            }
        }
    }
    return kontexte;
}

QSet<int> Anker(const QString& seite) {
    QSet<int> anker;
    static const QRegularExpression id(QStringLiteral(R"re(\bid="k(\d+)")re"));
    for (const auto& treffer : id.globalMatch(QString::fromUtf8(DateiLesen(seite)))) {
        anker.insert(treffer.captured(1).toInt());
    }
    return anker;
}

// The numbers the message routine knows: 0 to 40, 999, and one beyond them that shows the
// fall-back message.
QList<int> Meldungsnummern() {
    QList<int> nummern;
    for (int n = 0; n <= 41; ++n) {
        nummern.append(n);
    }
    nummern.append(999);
    return nummern;
}

struct TSeite {
    const char* Sprache;
    const char* Datei;
};
constexpr TSeite kSeiten[] = {{"Deutsch", "Orvan.html"}, {"English", "Orvan_English.html"}};

} // namespace

TEST(HilfeKontexte, EveryContextOfTheCodeHasItsAnchorInEveryLanguage) {
    QMap<int, QString> kontexte = KontexteImCode();
    // The reading of the code must at least see the main window's and the messages' contexts,
    // or the patterns above no longer match how the code names them.
    ASSERT_TRUE(kontexte.contains(10) && kontexte.contains(180) && kontexte.contains(9350))
        << "the help contexts are no longer found in the sources";
    // What the message routine hands out, including the fall-back for unknown numbers.
    TTestProgramm p;
    for (int n : Meldungsnummern()) {
        const int kontext = NachrichtZusammensetzen(n, QString(), p.App.Texte).HilfeKontext;
        kontexte.insert(kontext, QStringLiteral("message %1").arg(n));
    }
    for (const TSeite& seite : kSeiten) {
        SCOPED_TRACE(seite.Datei);
        const QSet<int> anker = Anker(kHilfe + QLatin1String(seite.Datei));
        ASSERT_FALSE(anker.isEmpty());
        for (auto it = kontexte.cbegin(); it != kontexte.cend(); ++it) {
            EXPECT_TRUE(anker.contains(it.key()))
                << "no anchor k" << it.key() << " for " << it.value().toStdString();
        }
    }
}

TEST(HilfeKontexte, MessagePartQuotesTheMessageTextsOfItsLanguage) {
    for (const TSeite& seite : kSeiten) {
        SCOPED_TRACE(seite.Sprache);
        TTestProgramm p;
        QDir(p.Pfad()).mkpath(QStringLiteral("Config"));
        QFile::copy(QStringLiteral(ORVAN_SOURCE_DIR "/resources/Sprache.cfg"),
                    p.Pfad(QStringLiteral("Config/Sprache.cfg")));
        p.App.AppConst.PrgKonfigPfad = p.Pfad(QStringLiteral("Config/"));
        SpracheLesen(p.App, QLatin1String(seite.Sprache));
        const QString html = QString::fromUtf8(DateiLesen(kHilfe + QLatin1String(seite.Datei)));
        for (int n : Meldungsnummern()) {
            SCOPED_TRACE(n);
            // The message as the program composes it, "…" standing for the argument, with
            // its line breaks as the page writes them.
            QString text = NachrichtZusammensetzen(n, QStringLiteral("…"), p.App.Texte).Text;
            text.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(u'\r', u'\n');
            QStringList zeilen = text.split(u'\n');
            for (QString& zeile : zeilen) {
                zeile = zeile.toHtmlEscaped();
            }
            const QString zitat = QStringLiteral("<blockquote>") +
                                  zeilen.join(QStringLiteral("<br>")) +
                                  QStringLiteral("</blockquote>");
            EXPECT_TRUE(html.contains(zitat)) << zitat.toStdString();
        }
    }
}

TEST(HilfeKontexte, PageOfTheLanguageInUseOrTheGermanOne) {
    TTestProgramm p;
    const QString pfad = p.Pfad(QStringLiteral("Hilfe/"));
    QDir().mkpath(pfad);
    DateiSchreiben(pfad + QStringLiteral("Orvan.html"), "de");
    DateiSchreiben(pfad + QStringLiteral("Orvan_English.html"), "en");
    EXPECT_EQ(HilfeSeite::Datei(pfad, QStringLiteral("Deutsch")),
              pfad + QStringLiteral("Orvan.html"));
    EXPECT_EQ(HilfeSeite::Datei(pfad, QStringLiteral("English")),
              pfad + QStringLiteral("Orvan_English.html"));
    // A language of the language file without a page of its own gets the German page.
    EXPECT_EQ(HilfeSeite::Datei(pfad, QStringLiteral("Nederlands")),
              pfad + QStringLiteral("Orvan.html"));
    const QUrl adresse = HilfeSeite::Adresse(pfad + QStringLiteral("Orvan.html"), 9170);
    EXPECT_EQ(adresse.fragment(), QStringLiteral("k9170"));
    EXPECT_EQ(adresse.toLocalFile(), pfad + QStringLiteral("Orvan.html"));
}
