// Reading settings with their conversions, and the text forms they are written in.
// Stored text that does not convert gives the key's default: a hand-edited or damaged
// store never stops the program or feeds it a garbage value.
#pragma once

#include "Einstellungsspeicher.h"
#include "Einstellungstabelle.h"
#include "Farben.h"
#include "Rennformat.h"
#include "Strafe.h"

#include <cstdint>

class Einstellungswerte {
public:
    explicit Einstellungswerte(Einstellungsspeicher& speicher) : m_speicher(speicher) {}

    QString text(const Einstellung& e);
    // A decimal in the display number format ("5,5").
    double dezimal(const Einstellung& e);
    // A course length in metres: above zero and at most GroessteKurslaenge.
    double kurslaenge(const Einstellung& e);
    // A whole 32-bit number; fractions round half to even ("2,5" gives 2).
    std::int32_t ganzzahl(const Einstellung& e);
    // A whole number within von..bis, both included.
    std::int32_t ganzzahl(const Einstellung& e, std::int32_t von, std::int32_t bis);
    // A lap count: a whole number of at least 1.
    std::int32_t rundenzahl(const Einstellung& e);
    // "True", "False", or a number (0 is false).
    bool flag(const Einstellung& e);
    // A colour 0x00BBGGRR as a decimal number.
    Farbe farbe(const Einstellung& e);
    // The race format's parts by their names ("Zeit", "RundeBeenden").
    Rennlaenge rennart(const Einstellung& e);
    Zielregel zielregel(const Einstellung& e);
    Fehlstartregel fehlstartregel(const Einstellung& e);
    // Lanes by number, "3,5" (Spurenliste.h) as a mask.
    std::uint32_t spurenliste(const Einstellung& e);
    // "True" or "False"; anything else leaves it to the track: on with more than two lanes.
    bool nachSpurenzahl(const Einstellung& e, int spuranzahl);

    void speichern(const Einstellung& e, const QString& wert);
    void speichern(const Einstellung& e, bool wert);
    void speichern(const Einstellung& e, std::int32_t wert);
    void speichern(const Einstellung& e, Farbe wert);

    static QString flagText(bool wert);

private:
    template <typename T, typename Lesen> T lesen(const Einstellung& e, Lesen lesen);

    Einstellungsspeicher& m_speicher;
};
