// Writes the program's four sounds (start signal, fanfare, falling tone, crash) as 16-bit
// mono WAV files into the directory given as the only argument. Synthesized, so the
// sounds are our own and reproducible byte for byte.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr int Abtastrate = 22050;

// Samples between -1 and 1.
using Klang = std::vector<double>;

// Fades in over `anschlag` seconds and out over `ausklang` seconds, so no sound starts or
// ends with a click.
void huellkurve(Klang& klang, double anschlag, double ausklang) {
    const double n = static_cast<double>(klang.size());
    for (std::size_t i = 0; i < klang.size(); ++i) {
        const double t = static_cast<double>(i) / Abtastrate;
        const double rest = (n - static_cast<double>(i)) / Abtastrate;
        klang[i] *= std::min({1.0, t / anschlag, rest / ausklang});
    }
}

// A tone gliding exponentially from one pitch to another, with a few overtones so it
// carries over the noise of the track.
Klang gleiten(double vonHz, double bisHz, double sekunden) {
    const auto n = static_cast<std::size_t>(sekunden * Abtastrate);
    Klang klang(n);
    double phase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double anteil = static_cast<double>(i) / static_cast<double>(n);
        phase += 2 * std::numbers::pi * vonHz * std::pow(bisHz / vonHz, anteil) / Abtastrate;
        klang[i] = 0.6 * std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase);
    }
    huellkurve(klang, 0.02, 0.08);
    return klang;
}

// A brass-like note: every overtone up to the fifth, each only a little weaker.
Klang blaeserton(double hz, double sekunden) {
    const auto n = static_cast<std::size_t>(sekunden * Abtastrate);
    Klang klang(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double phase = 2 * std::numbers::pi * hz * static_cast<double>(i) / Abtastrate;
        double wert = 0;
        for (int oberton = 1; oberton <= 5; ++oberton)
            wert += std::sin(oberton * phase) / (oberton * 1.6);
        klang[i] = 0.75 * wert;
    }
    huellkurve(klang, 0.01, 0.05);
    return klang;
}

// Rising broken chord C-E-G, then the high C held.
Klang fanfare() {
    Klang klang;
    for (const auto& [hz, sekunden] : {std::pair{523.25, 0.14}, std::pair{659.25, 0.14},
                                       std::pair{783.99, 0.14}, std::pair{1046.5, 0.5}}) {
        const Klang ton = blaeserton(hz, sekunden);
        klang.insert(klang.end(), ton.begin(), ton.end());
    }
    return klang;
}

// White noise, darkened and decaying like a car hitting the barrier. The generator's own
// arithmetic keeps the file identical on every platform.
Klang krach(double sekunden) {
    const auto n = static_cast<std::size_t>(sekunden * Abtastrate);
    Klang klang(n);
    std::uint32_t zustand = 12345;
    double gefiltert = 0;
    for (std::size_t i = 0; i < n; ++i) {
        zustand = zustand * 1664525u + 1013904223u;
        const double weiss = static_cast<double>(zustand >> 8) / double(1u << 23) - 1.0;
        gefiltert = 0.6 * gefiltert + 0.4 * weiss;
        const double t = static_cast<double>(i) / Abtastrate;
        klang[i] = 1.3 * gefiltert * std::exp(-t * 4.5);
    }
    huellkurve(klang, 0.003, 0.1);
    return klang;
}

void kleinEndian(std::ostream& aus, std::uint32_t wert, int bytes) {
    for (int i = 0; i < bytes; ++i)
        aus.put(static_cast<char>((wert >> (8 * i)) & 0xFF));
}

bool wavSchreiben(const std::filesystem::path& datei, const Klang& klang) {
    std::ofstream aus(datei, std::ios::binary);
    const auto datenBytes = static_cast<std::uint32_t>(klang.size() * 2);
    aus << "RIFF";
    kleinEndian(aus, 36 + datenBytes, 4);
    aus << "WAVEfmt ";
    kleinEndian(aus, 16, 4);
    kleinEndian(aus, 1, 2); // PCM
    kleinEndian(aus, 1, 2); // mono
    kleinEndian(aus, Abtastrate, 4);
    kleinEndian(aus, Abtastrate * 2, 4);
    kleinEndian(aus, 2, 2);
    kleinEndian(aus, 16, 2);
    aus << "data";
    kleinEndian(aus, datenBytes, 4);
    for (const double wert : klang) {
        const auto abtastwert =
            static_cast<std::int16_t>(std::lround(std::clamp(wert, -1.0, 1.0) * 32767));
        kleinEndian(aus, static_cast<std::uint16_t>(abtastwert), 2);
    }
    aus.close();
    return !aus.fail();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: " << argv[0] << " ZIELVERZEICHNIS\n";
        return 2;
    }
    const std::filesystem::path ziel = argv[1];
    // A directory that cannot be made shows as the first file that cannot be written.
    std::error_code ignoriert;
    std::filesystem::create_directories(ziel, ignoriert);

    const std::pair<const char*, Klang> klaenge[] = {
        {"start.wav", gleiten(330, 1320, 0.9)},
        {"winner.wav", fanfare()},
        {"looser.wav", gleiten(520, 130, 1.2)},
        {"crash.wav", krach(0.7)},
    };
    for (const auto& [name, klang] : klaenge) {
        if (!wavSchreiben(ziel / name, klang)) {
            std::cerr << "Die Datei " << (ziel / name).string()
                      << " konnte nicht geschrieben werden.\n";
            return 1;
        }
    }
    return 0;
}
