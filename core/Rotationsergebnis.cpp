#include "Rotationsergebnis.h"

#include "Zahlenformat.h"

#include <algorithm>

using Zahlenformat::ZahlFormatieren;

RotationsergebnisInhalt rotationsergebnisInhalt(const Rennergebnis& e, bool nachZeit) {
    RotationsergebnisInhalt inhalt;
    const int sieger = e.sieger();
    inhalt.ueberschrift = sieger == 0 ? QStringLiteral("Unentschieden")
                                      : e.gesamt(sieger).fahrer + QStringLiteral(" hat gewonnen!");
    const int laufzahl = static_cast<int>(e.laeufe.size());
    inhalt.kopf << QStringLiteral("Platz") << QStringLiteral("Fahrer");
    for (int lauf = 1; lauf <= laufzahl; ++lauf)
        inhalt.kopf << QStringLiteral("%1. Rennen").arg(lauf);
    inhalt.kopf << QStringLiteral("Endergebnis") << QStringLiteral("Geschw.");

    const auto wert = [nachZeit](const Laufwerte& l) {
        return ZahlFormatieren(nachZeit ? l.distanz : l.zeit);
    };
    // By the lane in the last heat, which is the order the totals come in.
    std::vector<int> folge;
    for (int spur = 1; spur <= static_cast<int>(e.fahrer.size()); ++spur)
        if (e.rotation.mitAuto(spur))
            folge.push_back(spur);
    // Places first, then the drivers not home in every heat, in the order of their lanes.
    std::ranges::stable_sort(folge, [&e](int a, int b) {
        const int pa = e.gesamt(a).platz, pb = e.gesamt(b).platz;
        return pa != 0 && (pb == 0 || pa < pb);
    });
    for (const int spur : folge) {
        const Gesamtergebnis& g = e.gesamt(spur);
        const int ersteSpur = e.ersteSpurVon(spur);
        RotationsergebnisInhalt::Zeile zeile;
        zeile.platz = g.platz == 0 ? QStringLiteral("–") : QStringLiteral("%1.").arg(g.platz);
        zeile.fahrer = g.fahrer;
        zeile.farbe = e.laeufe.front().spur(ersteSpur).farbe;
        for (int lauf = 0; lauf < laufzahl; ++lauf)
            zeile.laeufe << wert(e.laeufe[static_cast<std::size_t>(lauf)]
                                     .spur(e.rotation.spurImLauf(ersteSpur, lauf))
                                     .lauf);
        zeile.gesamt = wert(g.gesamt);
        zeile.geschwindigkeit = ZahlFormatieren(g.gesamt.geschwindigkeit);
        inhalt.zeilen.push_back(std::move(zeile));
    }
    return inhalt;
}
