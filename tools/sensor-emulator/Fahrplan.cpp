#include "Fahrplan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

namespace {

namespace L = Leitungsspeicher;

constexpr std::int64_t Sekunde = 1'000'000'000;
constexpr int Hoechstspuren = 2 * L::Modemleitungen;
// How long a car's light barrier is dark before its line drops, for a scripted lane that
// counts the drop.
constexpr std::int64_t Abdunkelung = 10'000'000;

std::int64_t nanosekunden(double sekunden) {
    return std::llround(sekunden * Sekunde);
}

class Liste final : public Fahrplan {
public:
    explicit Liste(std::vector<Auftrag> auftraege) : m_auftraege(std::move(auftraege)) {}
    std::optional<Auftrag> naechster() override {
        if (m_naechster == m_auftraege.size())
            return std::nullopt;
        return m_auftraege[m_naechster++];
    }
    int ports() const override {
        int ports = 1;
        for (const Auftrag& a : m_auftraege)
            ports = std::max(ports, a.port + 1);
        return ports;
    }

private:
    std::vector<Auftrag> m_auftraege;
    std::size_t m_naechster = 0;
};

std::optional<double> zahl(const std::string& text) {
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

// Builds the edges of a script, keeping each line's level and the last time it changed.
class Skriptbau {
public:
    // Empty, or what is wrong with the step.
    std::string schritt(const std::vector<std::string>& felder) {
        const std::optional<double> sekunden = zahl(felder[0]);
        if (!sekunden || *sekunden < 0)
            return "\"" + felder[0] + "\" ist keine Zeit in Sekunden (etwa 1.25)";
        const std::int64_t zeit = nanosekunden(*sekunden);
        if (zeit < m_zeit)
            return "die Zeit " + felder[0] + " liegt vor der Zeit der vorigen Zeile";
        m_zeit = zeit;
        if (felder.size() == 2) {
            const int spur = felder[1].size() == 1 ? felder[1][0] - '0' : 0;
            if (spur < 1 || spur > Hoechstspuren)
                return "Spur \"" + felder[1] + "\" gibt es nicht, nur 1 bis 8";
            durchfahrt(spur, zeit);
            return {};
        }
        if (felder[1] == "halt") {
            const std::optional<double> dauer = zahl(felder[2]);
            if (!dauer || *dauer <= 0 || *dauer > 60)
                return "\"" + felder[2] + "\" ist keine Haltezeit von über 0 bis 60 Sekunden";
            auftraege.push_back({.zeit = zeit, .halt = nanosekunden(*dauer)});
            return {};
        }
        const int spur = leitungsspur(felder[1]);
        if (spur == 0)
            return "Leitung \"" + felder[1] +
                   "\" gibt es nicht, nur CD, DSR, CTS und RI, am zweiten Terminal CD2 bis RI2";
        if (felder[2] != "0" && felder[2] != "1")
            return "Pegel \"" + felder[2] + "\" gibt es nicht, nur 0 und 1";
        if (m_pegel[spur - 1] != (felder[2] == "1"))
            flanke(zeit, spur);
        return {};
    }

    std::vector<Auftrag> auftraege;

private:
    // The lane whose line a name like "CTS" or "CTS2" names; 0 for none.
    static int leitungsspur(const std::string& name) {
        for (int spur = 1; spur <= Hoechstspuren; ++spur) {
            const std::string leitung = L::Leitungsnamen[leitungDerSpur(spur)];
            if (name == (portDerSpur(spur) == 0 ? leitung : leitung + "2"))
                return spur;
        }
        return 0;
    }
    void durchfahrt(int spur, std::int64_t zeit) {
        const int i = spur - 1;
        if (leitungDerSpur(spur) != L::CD && !m_pegel[i])
            flanke(std::max(zeit - Abdunkelung, m_letzte[i]), spur);
        flanke(zeit, spur);
        auftraege.back().spur = spur;
        auftraege.back().durchfahrt = m_durchfahrten[i]++;
    }
    void flanke(std::int64_t zeit, int spur) {
        const int i = spur - 1;
        m_pegel[i] = !m_pegel[i];
        m_letzte[i] = zeit;
        auftraege.push_back({.zeit = zeit,
                             .leitung = leitungDerSpur(spur),
                             .pegel = m_pegel[i],
                             .port = portDerSpur(spur)});
    }

    std::int64_t m_zeit = 0;
    bool m_pegel[Hoechstspuren] = {};
    std::int64_t m_letzte[Hoechstspuren] = {};
    int m_durchfahrten[Hoechstspuren] = {};
};

// One car: its passages, each a burst that leaves the resting level and comes back.
class Auto {
public:
    Auto(int spur, const Rennparameter& p, std::uint32_t startwert)
        : m_spur(spur), m_p(p), m_zufall(startwert), m_letzteRunde(p.runden ? *p.runden : -1) {
        if (p.halt && p.halt->first == spur)
            m_letzteRunde =
                m_letzteRunde < 0 ? p.halt->second : std::min(m_letzteRunde, p.halt->second);
        // From the line a moment after the light turns green.
        m_durchfahrt = nanosekunden(std::uniform_real_distribution<double>(0.2, 0.6)(m_zufall));
    }

    // The car's next edge, without taking it; nothing once it has parked.
    const Auftrag* vorne() {
        if (m_buendel.empty() && (m_letzteRunde < 0 || m_nummer <= m_letzteRunde))
            buendelPlanen();
        return m_buendel.empty() ? nullptr : &m_buendel.front();
    }
    void nehmen() { m_buendel.erase(m_buendel.begin()); }

private:
    void buendelPlanen() {
        const L::Modemleitung leitung = leitungDerSpur(m_spur);
        std::vector<std::int64_t> zeiten{0};
        std::uniform_int_distribution<std::int64_t> stelle(
            1, std::max<std::int64_t>(1, nanosekunden(m_p.prellen)));
        for (int i = 1; i < m_p.flanken; ++i)
            zeiten.push_back(stelle(m_zufall));
        std::sort(zeiten.begin(), zeiten.end());
        bool pegel = false;
        bool gezaehlt = false;
        for (const std::int64_t z : zeiten) {
            pegel = !pegel;
            Auftrag a{.zeit = m_durchfahrt + z,
                      .leitung = leitung,
                      .pegel = pegel,
                      .port = portDerSpur(m_spur)};
            // CD counts every change, the others only their drop; the first such edge is
            // the lap.
            if (!gezaehlt && (leitung == L::CD || !pegel)) {
                a.spur = m_spur;
                a.durchfahrt = m_nummer;
                gezaehlt = true;
            }
            m_buendel.push_back(a);
        }
        ++m_nummer;
        const double mitte = m_p.rundenzeit;
        m_durchfahrt += nanosekunden(std::uniform_real_distribution<double>(
            mitte - m_p.streuung, mitte + m_p.streuung)(m_zufall));
    }

    int m_spur;
    Rennparameter m_p;
    std::mt19937 m_zufall;
    int m_letzteRunde; // the passage after this lap is the last; -1 for none
    int m_nummer = 0;
    std::int64_t m_durchfahrt = 0;
    std::vector<Auftrag> m_buendel;
};

class Rennplan final : public Fahrplan {
public:
    explicit Rennplan(const Rennparameter& p) {
        // Each car's chance from the one before, so lanes 1 and 2 drive as they always did.
        std::uint32_t startwert = p.startwert;
        for (int spur = 1; spur <= p.spuren; ++spur) {
            m_autos.emplace_back(spur, p, startwert);
            startwert = startwert * 2654435761u + 1;
        }
    }

    std::optional<Auftrag> naechster() override {
        // The earliest edge; at the same moment the lower lane's.
        Auto* frueher = nullptr;
        for (Auto& a : m_autos)
            if (a.vorne() && (!frueher || a.vorne()->zeit < frueher->vorne()->zeit))
                frueher = &a;
        if (!frueher)
            return std::nullopt;
        const Auftrag auftrag = *frueher->vorne();
        frueher->nehmen();
        return auftrag;
    }
    int ports() const override { return portDerSpur(static_cast<int>(m_autos.size())) + 1; }

private:
    std::vector<Auto> m_autos;
};

std::vector<std::string> felder(const std::string& zeile) {
    std::istringstream leser(zeile.substr(0, zeile.find('#')));
    std::vector<std::string> ergebnis;
    for (std::string feld; leser >> feld;)
        ergebnis.push_back(feld);
    return ergebnis;
}

} // namespace

std::variant<std::unique_ptr<Fahrplan>, std::string> skriptLesen(const std::string& datei) {
    std::ifstream leser(datei);
    if (!leser)
        return "Das Skript " + datei + " lässt sich nicht lesen (fehlt es?).";
    Skriptbau bau;
    int nummer = 0;
    bool schritte = false;
    for (std::string zeile; std::getline(leser, zeile);) {
        ++nummer;
        const std::vector<std::string> f = felder(zeile);
        if (f.empty())
            continue;
        std::string fehler = f.size() == 2 || f.size() == 3
                                 ? bau.schritt(f)
                                 : "erwartet \"Zeit Spur\", \"Zeit Leitung Pegel\" oder "
                                   "\"Zeit halt Sekunden\"";
        if (!fehler.empty())
            return "Skript " + datei + ", Zeile " + std::to_string(nummer) + " (\"" + zeile +
                   "\"): " + fehler + ".";
        schritte = true;
    }
    if (!schritte)
        return "Das Skript " + datei + " ist leer.";
    // A passage's rise, 10 ms before its drop, may come before a step written above it.
    std::stable_sort(bau.auftraege.begin(), bau.auftraege.end(),
                     [](const Auftrag& a, const Auftrag& b) { return a.zeit < b.zeit; });
    return std::make_unique<Liste>(std::move(bau.auftraege));
}

std::unique_ptr<Fahrplan> rennplan(const Rennparameter& parameter) {
    return std::make_unique<Rennplan>(parameter);
}
