#include "RaceControlEinstellungen.h"

#include "QtAusgabe.h"
#include "RacecontrolModul.h"
#include "Rennbahn.h"

#include <gtest/gtest.h>

namespace {

using Feld = RaceControlEinstellungen::Feld;

struct Einstellfenster : Rennbahn {
    RaceControlEinstellungen logik{rennen, speicher, box, dialoge};

    void eingeben(const QString& empfindlichkeit, const QString& verzoegerung,
                  const QString& nachlauf) {
        logik.text(Feld::teEmpfindlichkeit) = empfindlichkeit;
        logik.text(Feld::teVerzoegerung) = verzoegerung;
        logik.text(Feld::teNachlauf) = nachlauf;
    }
};

} // namespace

TEST(fRaceControl, ZeigtDieParameterUndOkSpeichertAlleVierInDieserReihenfolge) {
    Einstellfenster f;
    f.rennen.boxparameterSetzen({77, 5, 3, true});
    f.logik.oeffnen();
    EXPECT_EQ(f.logik.text(Feld::teEmpfindlichkeit), "77");
    EXPECT_EQ(f.logik.text(Feld::teVerzoegerung), "5");
    EXPECT_EQ(f.logik.text(Feld::teNachlauf), "3");
    EXPECT_TRUE(f.logik.checkSZsensorTausch);

    f.eingeben("130", "50", " 14,6 ");
    f.logik.checkSZsensorTausch = false;
    EXPECT_EQ(f.logik.okGedrueckt(), std::nullopt);
    EXPECT_EQ(f.speicher.geschrieben, (QStringList{"RCEmpfindlichkeit", "RCVerzoegerung",
                                                   "RCNachlauf", "RCSZsensorTausch"}));
    EXPECT_EQ(f.speicher.werte.values(), (QStringList{"130", "15", "False", "50"}));
    EXPECT_EQ(f.einstellungen().box, (Boxparameter{130, 50, 15, false}));
    EXPECT_TRUE(f.dialoge.meldungen.empty());
}

TEST(fRaceControl, FalscheEintraegeHaltenDenFokusMitDerMeldungIhresFeldes) {
    struct Fall {
        Feld feld;
        std::vector<QString> gut;
        std::vector<QString> schlecht;
        QString meldung;
    };
    const std::vector<Fall> faelle{
        {Feld::teEmpfindlichkeit,
         {"0", "130"},
         {"131", "-1", "", "abc", "1.5"},
         "Die Empfindlichkeit muß zwischen 0 und 130 liegen"},
        {Feld::teVerzoegerung,
         {"0", "50"},
         {"51", "-1", "", "5 ms"},
         "Die Verzögerung muß zwischen 0 und 50 liegen"},
        {Feld::teNachlauf,
         {"0", "15"},
         {"16", "-1", "", "1e9999"},
         "Die Nachlaufzeit muß zwischen 0 und 15 liegen"},
    };
    for (const Fall& fall : faelle) {
        for (const QString& text : fall.gut) {
            Einstellfenster f;
            f.logik.text(fall.feld) = text;
            EXPECT_TRUE(f.logik.Validate(fall.feld)) << text.toStdString();
            EXPECT_TRUE(f.dialoge.meldungen.empty());
        }
        for (const QString& text : fall.schlecht) {
            Einstellfenster f;
            f.logik.text(fall.feld) = text;
            EXPECT_FALSE(f.logik.Validate(fall.feld)) << text.toStdString();
            ASSERT_EQ(f.dialoge.meldungen.size(), 1u);
            EXPECT_EQ(f.dialoge.meldungen[0].text, fall.meldung);
            EXPECT_EQ(f.dialoge.meldungen[0].titel, "Fehler");
        }
    }
}

TEST(fRaceControl, OkMitEinemNieVerlassenenFalschenFeldSpeichertNichts) {
    Einstellfenster f;
    f.rennen.boxparameterSetzen({9, 0, 0, false});
    f.eingeben("100", "20", "");
    EXPECT_EQ(f.logik.okGedrueckt(), Feld::teNachlauf);
    EXPECT_TRUE(f.speicher.geschrieben.isEmpty());
    EXPECT_EQ(f.einstellungen().box.empfindlichkeit, 9) << "not even the good fields";
    ASSERT_EQ(f.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(f.dialoge.meldungen[0].text, "Die Nachlaufzeit muß zwischen 0 und 15 liegen");
}

TEST(RaceControlVersion, ZeigtDieVersionOderErstDenGrundUndDannFEHLER) {
    Einstellfenster f;
    f.logik.bibliotheksversionZeigen();
    ASSERT_EQ(f.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(f.dialoge.meldungen[0].text, "Die Datei jnutl.dll hat die Version: 1.3");
    EXPECT_EQ(f.dialoge.meldungen[0].titel, "Rundomat");

    f.box.version = std::int16_t(0xFF01); // rounded down, not towards zero
    EXPECT_EQ(RaceControlVersion(f.box, f.dialoge), "-1.1");
    f.box.version = 0x0C22;
    EXPECT_EQ(RaceControlVersion(f.box, f.dialoge), "12.34");

    f.dialoge.meldungen.clear();
    f.box.fehlt = QStringLiteral("Fehlernr: 48\r\n...");
    f.box.aufrufe.clear();
    f.logik.bibliotheksversionZeigen();
    ASSERT_EQ(f.dialoge.meldungen.size(), 2u);
    EXPECT_EQ(f.dialoge.meldungen[0].text, "Fehlernr: 48\r\n...");
    EXPECT_EQ(f.dialoge.meldungen[0].titel, "Rundomat");
    EXPECT_EQ(f.dialoge.meldungen[1].text, "Die Datei jnutl.dll hat die Version: FEHLER");
    EXPECT_TRUE(f.box.aufrufe.isEmpty());
}
