// libFuzzer entry for a race night's row as the table rennabende holds it: a line for each
// column (schluessel, beginn, saison, format, finale, punkte, teilnehmer, ausgeschieden, plan,
// uebersprungen, wiederholung, beendet, rennformat), "\N" for NULL; the integer columns take a
// number as SQLite does. Then, each optional, a line with the entries the night's stored races
// drove ("1 2 2"), and a line of what the racers do once the night goes on: f, g the next entry
// driven with lane 1 or lane 2 home first, a a race stopped, w the last entry again, s the
// next passed over, + a driver joining, - the first one leaving.
//
// A row is offered to go on with only when it holds together; a damaged one is marked in the
// export and left out of the season. A night that holds together is written as it was read,
// and gone on with it runs as the program runs it after "Weiterfahren?": whatever the racers
// do, the next entry is one of its plan and the night written reads back whole. Nothing
// crashes, leaks or hits undefined behaviour.
#include "RennabendLogik.h"
#include "Rennabendexport.h"
#include "Rennabendleiter.h"
#include "Rennabendverlauf.h"
#include "Rennbahn.h"
#include "Rennmitschrift.h"
#include "Saisonexport.h"
#include "Saisontabelle.h"

#include <cstdint>
#include <cstdlib>

namespace {
void pruefen(bool bedingung) {
    if (!bedingung)
        std::abort();
}

// A column's value as SQLite hands it out: NULL, a number of an INTEGER column, or text.
QVariant spalte(const QByteArray& zeile, bool ganzzahlig) {
    if (zeile == "\\N")
        return {};
    const QString text = QString::fromUtf8(zeile);
    bool zahl = false;
    if (const qlonglong ganz = text.toLongLong(&zahl); ganzzahlig && zahl)
        return ganz;
    if (const double wert = text.toDouble(&zahl); ganzzahlig && zahl)
        return wert;
    return text;
}

bool gleicheZeilen(const Rennabendzeile& a, const Rennabendzeile& b) {
    for (const auto s : Rennabendspalten)
        if (a.*s != b.*s)
            return false;
    return true;
}

// The night as it is written reads back whole and is written the same again.
void zeileLiestSichZurueck(const Rennabend& abend) {
    const Rennabendzeile zeile = rennabendzeile(abend);
    GespeicherterRennabend gelesen = abendAusZeile(zeile);
    gelesen.abend.rennen = abend.rennen;
    rennenEinordnen(gelesen);
    pruefen(!gelesen.beschaedigt && gleicheZeilen(rennabendzeile(gelesen.abend), zeile));
}

// A stored race of the entry: the first driver home first in every heat.
Rennaufzeichnung gespeichertesRennen(const Paarung& p, bool begegnung) {
    Rennaufzeichnung r;
    r.beginn = QDateTime::fromString(QStringLiteral("2026-12-09T20:15:00+01:00"), Qt::ISODate);
    r.art = begegnung ? Rennart::Spurwechsel : Rennart::Rennen;
    r.rundenzahl = 1;
    const auto fahrt = [](const QString& fahrer, double zeit) {
        Spurfahrt f;
        f.fahrer = fahrer;
        f.runden.push_back({zeit, 5 / zeit, false});
        f.gesamtzeit = zeit;
        return f;
    };
    r.laeufe.push_back({fahrt(p.spur1, 2), fahrt(p.spur2, 3)});
    if (begegnung)
        r.laeufe.push_back({fahrt(p.spur2, 3), fahrt(p.spur1, 2)});
    r.sieger = p.spur1;
    return r;
}

// The history's store, which keeps nothing here: the night counts the races on their way.
class Ohneverlauf final : public Verlaufsablage {
public:
    void ablegen(Rennaufzeichnung) override {}
};

// The race and the night between it and the history, as the program wires them.
struct Abendbahn : Rennbahn {
    Abendbahn() {
        rennen.beobachterAnmelden(mitschrift);
        runden(2);
    }
    // Between races the entry due is one of the plan; its drivers come with the next Start.
    void zwischenDenRennen() {
        if (const std::optional<int> n = leiter.naechste())
            pruefen(*n >= 1 && *n <= static_cast<int>(leiter.abend().plan.size()));
    }
    // A Lauf, or both of a Begegnung, lane `vorn` home first; with `vorn` 0 stopped.
    void fahren(int vorn) {
        for (int lauf = 0; lauf < (einstellungen().spurwechsel ? 2 : 1); ++lauf) {
            starten();
            for (int spur = 1; spur <= 2; ++spur)
                Rennbahn::fahren(spur, 0.5, {spur == vorn ? 2.0 : 3.0, spur == vorn ? 2.0 : 3.0});
            if (vorn == 0) {
                rennen.startGedrueckt();
                return;
            }
        }
    }

    Ohneverlauf ablage;
    Rennabendleiter leiter{rennen, ablage};
    Rennmitschrift mitschrift{leiter, [] { return Signalquelle::Tastatur; },
                              [] { return QDateTime::currentDateTime(); }};
};

void weiterfahren(Rennabend abend, const QByteArray& handlungen) {
    Abendbahn b;
    RennabendLogik logik(b.leiter, b.dialoge);
    b.leiter.fortsetzen(std::move(abend));
    b.zwischenDenRennen();
    int neue = 0;
    for (const char h : handlungen) {
        QString fehler;
        switch (h) {
        case 'f': b.fahren(1); break;
        case 'g': b.fahren(2); break;
        case 'a': b.fahren(0); break;
        case 'w': b.leiter.wiederholen(); break;
        case 's': b.leiter.ueberspringen(); break;
        case '+': b.leiter.fahrerHinzufuegen(QStringLiteral("Neu %1").arg(++neue), fehler); break;
        case '-':
            // A copy, as the window hands over its row's text.
            if (b.leiter.aktiv())
                b.leiter.fahrerEntfernen(QString(b.leiter.abend().teilnehmer.front().name), fehler);
            break;
        default: continue;
        }
        b.zwischenDenRennen();
        logik.ansicht();
    }
    tabelleAlsCsv(logik.tabelle());
    tabelleAlsHtml(logik.tabelle());
    zeileLiestSichZurueck(b.leiter.abend());
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QList<QByteArray> zeilen = QByteArray::fromRawData(reinterpret_cast<const char*>(daten),
                                                             static_cast<qsizetype>(groesse))
                                         .split('\n');
    const auto zeile = [&](std::size_t i) {
        return static_cast<qsizetype>(i) < zeilen.size() ? zeilen[static_cast<qsizetype>(i)]
                                                         : QByteArray("\\N");
    };
    Rennabendzeile z;
    for (std::size_t i = 0; i < Rennabendspalten.size(); ++i) {
        const auto s = Rennabendspalten[i];
        z.*s =
            spalte(zeile(i), s == &Rennabendzeile::finale || s == &Rennabendzeile::wiederholung ||
                                 s == &Rennabendzeile::beendet);
    }
    GespeicherterRennabend g = abendAusZeile(z);
    for (const QByteArray& nummer : zeile(Rennabendspalten.size()).split(' ')) {
        bool gelesen = false;
        const int n = nummer.toInt(&gelesen);
        if (!gelesen)
            continue;
        const std::size_t eintrag = n >= 1 && static_cast<std::size_t>(n) <= g.abend.plan.size()
                                        ? static_cast<std::size_t>(n - 1)
                                        : 0;
        const Paarung p = g.abend.plan.empty()
                              ? Paarung{QStringLiteral("Anna"), QStringLiteral("Bert")}
                              : g.abend.plan[eintrag];
        g.abend.rennen.push_back(
            {n, gespeichertesRennen(p, p.finale || g.abend.regeln.format ==
                                                       Rennabendformat::JederGegenJeden)});
        g.rennnummern.push_back(static_cast<qint64>(g.rennnummern.size()) + 1);
    }
    rennenEinordnen(g);

    const QJsonArray export_ = rennabendeAlsJson({g});
    pruefen(export_[0][QStringLiteral("beschaedigt")].isString() == g.beschaedigt.has_value());
    const std::vector<Saisonwertung> saisons = saisonwertungen({g}, {10, 8, 6});
    pruefen(!g.beschaedigt || saisons.empty());
    // The export counts the seasons the history window shows, with the same drivers.
    const QJsonArray saisonsJson = saisonsAlsJson({g}, {10, 8, 6}, {{g.abend.saison, 1}});
    pruefen(static_cast<std::size_t>(saisonsJson.size()) == saisons.size());
    for (std::size_t i = 0; i < saisons.size(); ++i)
        pruefen(static_cast<std::size_t>(
                    saisonsJson[qsizetype(i)][QStringLiteral("tabelle")].toArray().size()) ==
                saisons[i].zeilen.size());
    const bool offen = !g.abend.beendet;
    const bool heil = !g.beschaedigt;
    if (heil)
        zeileLiestSichZurueck(g.abend);
    Fortsetzung f = fortsetzung({g});
    pruefen(f.angeboten.has_value() == (offen && heil));
    pruefen(f.beschaedigt.size() == (offen && !heil ? 1u : 0u));
    if (!f.beschaedigt.empty())
        beschaedigungsmeldung(f.beschaedigt.front());
    if (!f.angeboten)
        return 0;
    fortsetzungsfrage(*f.angeboten);
    weiterfahren(std::move(*f.angeboten), zeile(Rennabendspalten.size() + 1));
    return 0;
}
