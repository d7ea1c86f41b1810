// The board's firmware in the simulated AVR, driven in simulated seconds, with everything
// it reported kept and sorted by kind.
#pragma once

#include "Simplatine.h"

#include <cmath>
#include <vector>

struct Platinenbank {
    explicit Platinenbank(bool brueckeGesteckt = false) : platine(FIRMWARE_PFAD, brueckeGesteckt) {}

    static std::uint64_t zyklen(double sekunden) {
        return static_cast<std::uint64_t>(std::llround(sekunden * Simplatine::Takt));
    }

    void bis(double sekunden) {
        platine.laufenBis(zyklen(sekunden));
        for (Simplatine::Empfang& e : platine.meldungen())
            alle.push_back(std::move(e));
    }
    void flanke(int spur, bool pegel, double sekunden) {
        platine.spurSetzen(spur, pegel, zyklen(sekunden));
    }
    void befehl(const std::vector<std::uint8_t>& bytes) { platine.senden(bytes); }

    template <typename T> std::vector<T> nur() const {
        std::vector<T> gefunden;
        for (const Simplatine::Empfang& e : alle)
            if (const auto* m = std::get_if<T>(&e.meldung))
                gefunden.push_back(*m);
        return gefunden;
    }
    // How far a stamp lies from the simulated moment of its edge, in microseconds.
    double fehlerUs(std::uint64_t stempel, double sekunden) const {
        return (platine.zyklusVon(stempel) - static_cast<double>(zyklen(sekunden))) /
               (Simplatine::Takt / 1e6);
    }

    Simplatine platine;
    std::vector<Simplatine::Empfang> alle;
};
