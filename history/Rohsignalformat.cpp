#include "Rohsignalformat.h"

#include <algorithm>

namespace {
void zahlSchreiben(QByteArray& aus, std::uint64_t zahl) {
    while (zahl >= 0x80) {
        aus += char(0x80 | (zahl & 0x7F));
        zahl >>= 7;
    }
    aus += char(zahl);
}

std::optional<std::uint64_t> zahlLesen(const QByteArray& bytes, qsizetype& stelle) {
    std::uint64_t zahl = 0;
    for (int schiebung = 0; schiebung < 64 && stelle < bytes.size(); schiebung += 7) {
        const auto byte = static_cast<std::uint8_t>(bytes[stelle++]);
        zahl |= std::uint64_t(byte & 0x7F) << schiebung;
        if (!(byte & 0x80))
            return zahl;
    }
    return std::nullopt;
}

std::uint64_t zickzack(std::int64_t wert) {
    return (std::uint64_t(wert) << 1) ^ std::uint64_t(wert >> 63);
}

std::int64_t zackzick(std::uint64_t wert) {
    return std::int64_t(wert >> 1) ^ -std::int64_t(wert & 1);
}

// The bits below a signal's time that name its lane.
struct Spurbits {
    int breite;
    std::uint64_t kodieren(int spur) const { return breite == 1 ? spur == 2 : spur - 1; }
    int lesen(std::uint64_t wert) const { return int(wert & ((1u << breite) - 1)) + 1; }
};
constexpr Spurbits ZweiSpuren{1};
constexpr Spurbits AlleSpuren{3};

// The short form's heats: a lane-change race's two.
constexpr std::uint64_t KurzeLaeufe = 2;

bool kurzeForm(const Rohsignale& signale) {
    return signale.size() <= KurzeLaeufe &&
           std::all_of(signale.begin(), signale.end(), [](const std::vector<Rohsignal>& lauf) {
               return std::all_of(lauf.begin(), lauf.end(),
                                  [](const Rohsignal& s) { return s.spur <= 2; });
           });
}
} // namespace

QByteArray rohsignaleKodieren(const Rohsignale& signale) {
    QByteArray aus;
    const bool kurz = kurzeForm(signale);
    const Spurbits spurbits = kurz ? ZweiSpuren : AlleSpuren;
    if (!kurz)
        zahlSchreiben(aus, 0);
    zahlSchreiben(aus, signale.size());
    for (const std::vector<Rohsignal>& lauf : signale) {
        zahlSchreiben(aus, lauf.size());
        std::int64_t vorher = 0;
        for (const Rohsignal& s : lauf) {
            zahlSchreiben(aus, zickzack(s.mikrosekunden - vorher) << spurbits.breite |
                                   spurbits.kodieren(s.spur));
            vorher = s.mikrosekunden;
        }
    }
    return aus;
}

std::optional<Rohsignale> rohsignaleLesen(const QByteArray& bytes) {
    qsizetype stelle = 0;
    std::optional<std::uint64_t> laeufe = zahlLesen(bytes, stelle);
    const bool kurz = !(laeufe == 0u && stelle < bytes.size());
    if (!kurz)
        laeufe = zahlLesen(bytes, stelle);
    const Spurbits spurbits = kurz ? ZweiSpuren : AlleSpuren;
    if (!laeufe || *laeufe > (kurz ? KurzeLaeufe : std::uint64_t{MeisteLaeufe}))
        return std::nullopt;
    Rohsignale signale(*laeufe);
    for (std::vector<Rohsignal>& lauf : signale) {
        const std::optional<std::uint64_t> anzahl = zahlLesen(bytes, stelle);
        // Each signal takes a byte at least.
        if (!anzahl || *anzahl > std::uint64_t(bytes.size() - stelle))
            return std::nullopt;
        lauf.reserve(*anzahl);
        std::int64_t zeit = 0;
        for (std::uint64_t i = 0; i < *anzahl; ++i) {
            const std::optional<std::uint64_t> wert = zahlLesen(bytes, stelle);
            if (!wert)
                return std::nullopt;
            const std::int64_t schritt = zackzick(*wert >> spurbits.breite);
            if (schritt < -2 * GroessteSignalzeit || schritt > 2 * GroessteSignalzeit)
                return std::nullopt;
            zeit += schritt;
            if (zeit < -GroessteSignalzeit || zeit > GroessteSignalzeit)
                return std::nullopt;
            lauf.push_back({spurbits.lesen(*wert), zeit});
        }
    }
    if (stelle != bytes.size())
        return std::nullopt;
    return signale;
}
