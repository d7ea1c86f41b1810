// A race wired to the sensor board's receiver, with fakes around it: the board's frames go
// in as bytes, the commands it is sent and the signal log come out. Board time is given in
// seconds of the board's own clock (2 MHz).
#pragma once

#include "Platinenempfang.h"
#include "Rennbahn.h"

#include <cmath>

// The board clock, built before the race that times with it.
struct Platinenzeit {
    std::int64_t hostzeit = 5'000'000'000; // ns
    Platinenuhr platinenuhr{[this] { return hostzeit; }};
};

struct Platinenbahn : Platinenzeit, Rennbahn {
    Platinenempfang empfang{rennen, platinenuhr, dialoge};
    std::vector<std::vector<std::uint8_t>> befehle;
    std::vector<Signaleintrag> protokoll;
    std::vector<bool> hallos;
    std::array<bool, PROTOKOLL_MAX_SPUREN + 1> pegel = [] {
        std::array<bool, PROTOKOLL_MAX_SPUREN + 1> offen;
        offen.fill(true);
        return offen;
    }();

    Platinenbahn() : Rennbahn({.platinenuhr = &platinenuhr}) {
        empfang.senden(
            [this](const QByteArray& bytes) { befehle.emplace_back(bytes.begin(), bytes.end()); });
        empfang.protokollieren([this](const Signaleintrag& e) { protokoll.push_back(e); });
        empfang.beiHallo([this](bool verstanden) { hallos.push_back(verstanden); });
        rennen.beobachterAnmelden(empfang);
        empfang.portGeoeffnet();
    }

    static std::uint64_t ticks(double sekunden) {
        return static_cast<std::uint64_t>(std::llround(sekunden * 2'000'000));
    }
    void senden(const Platinenprotokoll::Meldung& meldung) {
        const std::vector<std::uint8_t> bytes = Platinenprotokoll::kodieren(meldung);
        empfang.empfangen(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<qsizetype>(bytes.size())));
    }
    // A board of firmware 1.0, with four lane inputs, unless told.
    void hallo(double sekunden, std::uint8_t major = Platinenprotokoll::Major,
               std::uint8_t minor = 0, std::uint8_t eingaenge = 4) {
        senden(Platinenprotokoll::Hallo{major, minor, eingaenge, 2'000'000, ticks(sekunden)});
    }
    // An edge of a lane input (1 to 8) at that second of board time, arriving whenever the
    // host clock says.
    void flanke(int spur, double sekunden) {
        pegel[spur] = !pegel[spur];
        senden(Platinenprotokoll::Flanke{static_cast<std::uint8_t>(spur), pegel[spur],
                                         ticks(sekunden)});
    }
    void hostSekunden(double sekunden) { hostzeit += std::llround(sekunden * 1e9); }
};
