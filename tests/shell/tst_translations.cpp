#include <QLabel>
#include <QtTest>

#include "age/datetext.h"
#include "rows.h"
#include "scenario.h"
#include "shell/frmabout.h"
#include "shell/modvelmora.h"

struct LanguageRow { const char* name; const char* language; Scenario session; };
Q_DECLARE_METATYPE(LanguageRow)

// A caption and a message of a window through each translation; English and C keep the texts as written.
const LanguageRow kRows[] = {
    {"German", "de", {"", modVelmora::Module::RawScore, {}, "[cmdCalculate]", {"lblSubjectScore=Rohwert", "messages=Bitte einen Rohwert eingeben."}}},
    {"French", "fr", {"", modVelmora::Module::ScoreConverter, {"Convert From=0"}, "0\r",
      {"lblFrom=Rang centile", "messages=Veuillez saisir un rang centile supérieur à 0 et inférieur à 100."}}},
    {"German scales", "de", {"", modVelmora::Module::ScoreConverter, {"Convert From=2", "Convert To=1"}, "",
      {"lblFrom=IQ-Wert", "lblTo=Wertpunkte", "tip:optTo1=Mittelwert 10, SD 3: Wechsler-Untertests"}}},
    {"Spanish", "es", {"", modVelmora::Module::AgeCalculator, {}, "abc\t", {"Label3=Fecha de nacimiento", "messages=!Fecha no válida"}}},
    {"French profile", "fr", {"", modVelmora::Module::ScoreProfile, {}, "", {"Label2=Profil des notes", "cmdAddToSession=A&jouter à la session",
      "tip:cmdCopyPicture=Copier le profil dans le presse-papiers"}}},
    {"English", "en_US", {"", modVelmora::Module::AgeCalculator, {}, "abc\t", {"Label3=Birth Date", "messages=!Invalid Date"}}},
    {"C", "C", {"", modVelmora::Module::RawScore, {}, "[cmdCalculate]", {"lblSubjectScore=Raw Score", "messages=Please enter a raw score."}}},
    // Words a clinician would misread: a range read as a change, the SD's "ET" for the SE, a correction that is none.
    {"German range of no change", "de", {"", modVelmora::Module::ReliableChange, {}, "104\t96\t\t\t13.8\t\t.95\r",
      {"tip:tblResults:0:5=Jacobson & Truax (1991): erwarteter Retestwert 104.00, SE 4.36; z -1.83, p 0.067; Bereich ohne reliable "
       "Veränderung: 95.45 bis 112.55; Keine reliable Veränderung"}}},
    {"French study figures", "fr", {"", modVelmora::Module::ReliableChange, {}, "", {"name:fraNorms=Données de l'étude test-retest"}}},
    {"Spanish born at term", "es", {"", modVelmora::Module::AgeCalculator, {}, "[txtBirthdate=2024-01-10][txtTestDate=2024-09-15][txtGestation=38][cmdCalculate]",
      {"lblCorrectedAge=no procede (nacido/a a término)"}}},
};

class TestTranslations : public QObject {
    Q_OBJECT

    RecordingPlatform platform;

private slots:
    void everyTextIsTranslatedAndLoads() {
        for (const QString language : {"de", "fr", "es"}) {
            QFile ts(VELMORA_TESTS_DIR "/../translations/velmora_" + language + ".ts");
            QVERIFY(ts.open(QIODevice::ReadOnly));
            const QString xml = QString::fromUtf8(ts.readAll());
            QVERIFY2(xml.count("<message>") > 90, qPrintable(language));
            // None unfinished, vanished or obsolete; a message with plural forms is one too.
            QCOMPARE(xml.count("<translation>"), xml.count("<message>") + xml.count("<message numerus=\"yes\">"));
            QVERIFY(!xml.contains(QRegularExpression("<numerusform>\\s*</numerusform>")));
            QVERIFY(!xml.contains(QRegularExpression("<translation>\\s*</translation>")));
            // A number and its "%" never part at a line's end.
            const QRegularExpression broken("<translation>[^<]*[0-9] %(?![0-9])");
            QVERIFY2(!xml.contains(broken), qPrintable(language + ": " + broken.match(xml).captured()));
            QTranslator qm;
            QVERIFY(qm.load(":/i18n/velmora_" + language));
        }
    }

    void dateExamplesReadAsTheDateTheyShow() {
        for (const char* language : {"en_US", "de", "fr", "es"}) {
            QTranslator program, qt;
            modVelmora::InstallTranslations(QLocale(language), program, qt);
            const QString tip = QCoreApplication::translate(
                "modVelmora::frmAgeCalculator", "Enter date in any unambiguous format (e.g., September 17, 1998; 09/17/98; 17 sep 98; etc)");
            // "(e.g., A; B; C; etc)" in every language: the examples stand between the lead-in and the last part.
            QStringList examples = tip.section('(', 1).section(')', 0, 0).split(';');
            examples.removeLast();
            examples.first().remove(QRegularExpression("^(e\\.g\\.,|z\\. B\\.|p\\.[ \\x{00A0}]ex\\.|p\\. ej\\.,)"));
            for (const QString& example : examples) {
                const auto date = modVelmora::ReadDate(example.trimmed(), modVelmora::ConventionsFor(QLocale(language)));
                QVERIFY2(date == QDate(1998, 9, 17), qPrintable(QString("%1: %2").arg(language, example)));
            }
        }
    }

    void windowsSpeakTheUsersLanguage_data() { AddRows(kRows); }
    void windowsSpeakTheUsersLanguage() {
        QFETCH(LanguageRow, row);
        QTranslator program, qt;
        modVelmora::InstallTranslations(QLocale(row.language), program, qt);
        Run(row.session, platform);
        // The About box says what stays in English, in a translated program only.
        modVelmora::frmAbout about;
        QCOMPARE(about.findChild<QLabel*>("lblLanguage")->isVisibleTo(&about), QString(row.language).size() == 2);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
