// libFuzzer entry for a race's raw sensor signals: three bytes of the race, then the bytes of
// the database's column. Signals once read are written back to the same signals in the
// fewest bytes, and judged as the race judges them: once with the race's own Prellzeit, as it
// was driven, then again with another, as the history's "neu bewerten" does. Judged again
// with its own Prellzeit a race comes out as it was; the signals stay as they came; nothing
// crashes, leaks or hits undefined behaviour.
//
// The race's bytes: its Prellzeit and the other one in hundredths of a second; then the laps
// (low four bits, plus one; by time ten seconds for each), by time (0x10), a lap by hand on
// lane 1 every 3 seconds (0x20), training (0x40) and, by time, the finish at once (0x80).
// Two heats of signals are a lane-change race.
#include "Nachrechnung.h"
#include "Rohsignalformat.h"

#include <cstdint>
#include <cstdlib>

namespace {
void pruefen(bool bedingung) {
    if (!bedingung)
        std::abort();
}

constexpr std::size_t Kopf = 3;

Rennaufzeichnung vorlage(const std::uint8_t* kopf, const Rohsignale& signale) {
    Rennaufzeichnung r;
    r.beginn = QDateTime::fromString(QStringLiteral("2026-12-09T20:15:00+01:00"), Qt::ISODate);
    r.quelle = Signalquelle::Sensoren;
    r.kurslaenge = 5;
    r.prellzeit = kopf[0] / 100.0;
    const int n = (kopf[2] & 0x0F) + 1;
    r.rundenzahl = n;
    if (kopf[2] & 0x10) {
        r.rennart = Rennlaenge::Zeit;
        r.renndauer = 10 * n;
        r.zielregel = (kopf[2] & 0x80) ? Zielregel::Sofort : Zielregel::RundeBeenden;
    }
    r.art = signale.size() == 2 ? Rennart::Spurwechsel
            : (kopf[2] & 0x40)  ? Rennart::Training
                                : Rennart::Rennen;
    for (std::size_t lauf = 0; lauf < signale.size(); ++lauf) {
        Spuren<Spurfahrt> fahrten;
        fahrten[1].fahrer = QStringLiteral("Anna");
        fahrten[2].fahrer = QStringLiteral("Bernd");
        if (kopf[2] & 0x20)
            fahrten[1].runden.assign(static_cast<std::size_t>(n), {3, 5 / 3.0, true});
        r.laeufe.push_back(fahrten);
    }
    r.rohsignale = signale;
    return r;
}

bool gleicheRunden(const Rennaufzeichnung& a, const Rennaufzeichnung& b) {
    if (a.laeufe.size() != b.laeufe.size() || a.sieger != b.sieger ||
        a.abgebrochen != b.abgebrochen)
        return false;
    for (std::size_t lauf = 0; lauf < a.laeufe.size(); ++lauf)
        for (int spur = 1; spur <= 2; ++spur) {
            const Spurfahrt& x = a.laeufe[lauf][spur];
            const Spurfahrt& y = b.laeufe[lauf][spur];
            if (x.runden.size() != y.runden.size() || x.gesamtzeit != y.gesamtzeit)
                return false;
            for (std::size_t i = 0; i < x.runden.size(); ++i)
                if (x.runden[i].zeit != y.runden[i].zeit ||
                    x.runden[i].vonHand != y.runden[i].vonHand)
                    return false;
        }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < Kopf)
        return 0;
    const QByteArray spalte = QByteArray::fromRawData(reinterpret_cast<const char*>(daten + Kopf),
                                                      static_cast<qsizetype>(groesse - Kopf));
    const std::optional<Rohsignale> signale = rohsignaleLesen(spalte);
    if (!signale)
        return 0;
    const QByteArray kodiert = rohsignaleKodieren(*signale);
    pruefen(kodiert.size() <= spalte.size());
    pruefen(rohsignaleLesen(kodiert) == signale);

    const Rennaufzeichnung gefahren =
        Nachrechnung(vorlage(daten, *signale), daten[0] / 100.0).ergebnis();
    pruefen(gefahren.rohsignale == *signale);
    const Rennaufzeichnung neu = Nachrechnung(gefahren, daten[1] / 100.0).ergebnis();
    pruefen(neu.rohsignale == *signale);
    // Laps by hand are crossings timed from the green light, where the race timed the first
    // lap from the car's first crossing: only a race of signals alone comes out the same,
    // judged again with its own Prellzeit, and again after it was judged with another.
    if (!(daten[2] & 0x20) && !gefahren.laeufe.empty()) {
        pruefen(gleicheRunden(Nachrechnung(gefahren, gefahren.prellzeit).ergebnis(), gefahren));
        if (!neu.laeufe.empty())
            pruefen(gleicheRunden(Nachrechnung(neu, gefahren.prellzeit).ergebnis(), gefahren));
    }
    return 0;
}
