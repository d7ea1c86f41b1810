// Stand-ins for a port's modem lines: a line source that plays a script of wake-ups and
// readings, a clock the watcher's thread may read, and a sensor device built on both.
#pragma once

#include "Flanken.h"
#include "Sensorgeraet.h"
#include "Uhr.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

class AtomareUhr : public Uhr {
public:
    std::int64_t ticks() override { return stand; }
    int ticksProSekunde() const override { return 1000; }
    std::atomic<std::int64_t> stand{0};
};

// What the source answers to the readings after a wake-up.
struct Lesung {
    Leitungsstand stand;
    Antwort zaehler = Antwort::Ok; // Ok with no counters in `stand` means NichtUnterstuetzt
    Antwort pegel = Antwort::Ok;
};

struct Weckruf {
    Antwort warten = Antwort::Ok;
    std::int64_t zeit = 0; // the clock when the wait returns
    Lesung lesung;
    // What the lines show from the next reading on, after the first one: a change that
    // comes while the watcher is busy and wakes no wait.
    std::optional<Lesung> danach = std::nullopt;
};

// Each wait takes the next wake-up of the script; once the script is used up a wait
// blocks until cancelled. Like a signal, a cancel only reaches a wait already blocked.
// Readings taken while no wait is blocked see the script's state as it stands.
class FakeLeitungsquelle : public Leitungsquelle {
public:
    FakeLeitungsquelle(AtomareUhr& uhr, Lesung anfang, std::vector<Weckruf> skript)
        : m_uhr(uhr), m_lesung(std::move(anfang)), m_skript(std::move(skript)) {}

    Antwort warten() override {
        std::unique_lock sperre(m_mutex);
        ++m_wartende;
        if (m_naechster < m_skript.size()) {
            const Weckruf& w = m_skript[m_naechster++];
            m_lesung = w.lesung;
            m_danach = w.danach;
            m_uhr.stand = w.zeit;
            return w.warten;
        }
        m_blockiert = true;
        m_aenderung.notify_all();
        m_aenderung.wait(sperre, [this] { return m_abgebrochen; });
        m_abgebrochen = false;
        m_blockiert = false;
        return Antwort::Unterbrochen;
    }
    bool blindVorDemWarten() const override { return blind; }
    bool wartetSchon() override { return begonnen; }
    Antwort zaehlerLesen(Flankenzaehler& zaehler) override {
        const std::lock_guard sperre(m_mutex);
        ++m_zaehlerLesungen;
        if (m_lesung.zaehler != Antwort::Ok)
            return m_lesung.zaehler;
        if (!m_lesung.stand.zaehler)
            return Antwort::NichtUnterstuetzt;
        zaehler = *m_lesung.stand.zaehler;
        return Antwort::Ok;
    }
    Antwort pegelLesen(Pegel& pegel) override {
        const std::lock_guard sperre(m_mutex);
        pegel = m_lesung.stand.pegel;
        const Antwort antwort = m_lesung.pegel;
        if (m_danach)
            m_lesung = *std::exchange(m_danach, std::nullopt);
        return antwort;
    }
    void abbrechen() override {
        const std::lock_guard sperre(m_mutex);
        if (m_blockiert) {
            m_abgebrochen = true;
            m_aenderung.notify_all();
        }
    }

    // Waits until the whole script has been played and the source blocks.
    bool ausgespielt() {
        std::unique_lock sperre(m_mutex);
        return m_aenderung.wait_for(sperre, std::chrono::seconds(5),
                                    [this] { return m_blockiert; });
    }
    // Sets what the next readings give, as if the lines changed while being polled.
    void lesungSetzen(const Lesung& lesung, std::int64_t zeit) {
        const std::lock_guard sperre(m_mutex);
        m_lesung = lesung;
        m_uhr.stand = zeit;
    }
    int wartende() {
        const std::lock_guard sperre(m_mutex);
        return m_wartende;
    }
    int zaehlerLesungen() {
        const std::lock_guard sperre(m_mutex);
        return m_zaehlerLesungen;
    }

    // Whether the watcher reads the lines besides its wait, as it does on Linux, and
    // whether a blocked wait counts as begun: a wait that blocks before it has begun
    // stands for a thread kept from running just before it.
    bool blind = false;
    std::atomic<bool> begonnen{false};

private:
    AtomareUhr& m_uhr;
    std::mutex m_mutex;
    std::condition_variable m_aenderung;
    Lesung m_lesung;
    std::optional<Lesung> m_danach;
    std::vector<Weckruf> m_skript;
    std::size_t m_naechster = 0;
    bool m_blockiert = false;
    bool m_abgebrochen = false;
    int m_wartende = 0;
    int m_zaehlerLesungen = 0;
};

class FakeSensorgeraet : public Sensorgeraet {
public:
    FakeSensorgeraet(AtomareUhr& uhr, Lesung anfang, std::vector<Weckruf> skript,
                     std::vector<bool>& rts)
        : quelle(uhr, std::move(anfang), std::move(skript)), m_rts(rts) {}
    Leitungsquelle& leitungen() override { return quelle; }
    void RTSEnable(bool an) override { m_rts.push_back(an); }
    FakeLeitungsquelle quelle;

private:
    std::vector<bool>& m_rts;
};

inline Leitungsstand stand(bool cd, bool dsr, std::uint32_t cdZaehler, std::uint32_t dsrZaehler) {
    return {{cd, dsr}, Flankenzaehler{cdZaehler, dsrZaehler}};
}
inline Leitungsstand ungezaehlt(bool cd, bool dsr) {
    return {{cd, dsr}, std::nullopt};
}
