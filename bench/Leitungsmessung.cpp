#include "Leitungsmessung.h"

#include "Leitungsbehandlung.h"
#include "Rennbahn.h"
#include "Sensorport.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {

using Stoppuhr = std::chrono::steady_clock;
constexpr int Aufwaermen = 200;
constexpr int Flanken = 10'000;

// Changes CD a moment after the previous change has been handled, as cars do: never while
// the GUI thread is still busy with the last one. Stamps the moment each wait returns. Its
// wait is taken for one that misses changes before it begins, as on Linux, so the watcher
// reads it besides the wait from a second thread.
class Taktquelle final : public Leitungsquelle {
public:
    Taktquelle() { m_gesehen.reserve(Aufwaermen + Flanken); }

    Antwort warten() override {
        {
            std::unique_lock sperre(m_mutex);
            m_wartetSchon = true;
            m_signal.wait(sperre, [this] { return m_frei || m_abbruch; });
            m_wartetSchon = false;
            if (m_abbruch) {
                m_abbruch = false;
                return Antwort::Unterbrochen;
            }
            m_frei = false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        // Stamped before the change shows, so that whichever thread reads it finds the stamp;
        // the level before the counter, as a driver has them: whoever reads the counter
        // first and sees the change reads the new level after it.
        m_gesehen.push_back(Stoppuhr::now());
        m_cd = !m_cd;
        ++m_zaehler;
        return Antwort::Ok;
    }
    bool blindVorDemWarten() const override { return true; }
    bool wartetSchon() override {
        const std::lock_guard sperre(m_mutex);
        return m_wartetSchon;
    }
    Antwort zaehlerLesen(Flankenzaehler& zaehler) override {
        zaehler = {m_zaehler, 0};
        return Antwort::Ok;
    }
    Antwort pegelLesen(Pegel& pegel) override {
        pegel = {m_cd, false};
        return Antwort::Ok;
    }
    void abbrechen() override {
        const std::lock_guard sperre(m_mutex);
        m_abbruch = true;
        m_signal.notify_all();
    }

    void freigeben() {
        const std::lock_guard sperre(m_mutex);
        m_frei = true;
        m_signal.notify_all();
    }
    // Read on the GUI thread once the change has arrived there; the hand-over orders it.
    Stoppuhr::time_point gesehen(std::size_t nummer) const { return m_gesehen[nummer]; }

private:
    std::mutex m_mutex;
    std::condition_variable m_signal;
    bool m_frei = false;
    bool m_abbruch = false;
    bool m_wartetSchon = false;
    std::atomic<std::uint32_t> m_zaehler{0};
    std::atomic<bool> m_cd{false};
    std::vector<Stoppuhr::time_point> m_gesehen;
};

class Taktgeraet final : public Sensorgeraet {
public:
    Leitungsquelle& leitungen() override { return quelle; }
    void RTSEnable(bool) override {}
    Taktquelle quelle;
};

} // namespace

std::vector<double> leitungslatenzen(const std::function<void(Rennen&)>& vorbereiten) {
    QCoreApplication& app = *QCoreApplication::instance();
    Systemuhr uhr;
    Taktquelle* quelle = nullptr;
    Sensorport port(uhr, [&](const QString&) {
        auto geraet = std::make_unique<Taktgeraet>();
        quelle = &geraet->quelle;
        return geraet;
    });
    Rennbahn bahn({.systemuhr = &uhr});
    // The port's RTS output follows the light, as in the program.
    Startleitung startleitung(port);
    Rennen& rennen = bahn.rennen;
    rennen.beobachterAnmelden(startleitung);
    bahn.einstellen([](Renneinstellungen& e) {
        e.ohneCountdown = true;
        e.prellzeit = 0;
        e.rundenzahl = 1'000'000;
    });
    if (vorbereiten)
        vorbereiten(rennen);
    rennen.startGedrueckt();

    Leitungsbehandlung leitung(rennen);
    port.beiLeitungsereignis([&](const Leitungsereignis& e) { leitung.leitungGeaendert(e); });
    std::vector<double> millisekunden;
    std::size_t nummer = 0;
    leitung.protokollieren([&](const Signaleintrag&) {
        const auto jetzt = Stoppuhr::now();
        if (nummer >= Aufwaermen)
            millisekunden.push_back(
                std::chrono::duration<double, std::milli>(jetzt - quelle->gesehen(nummer)).count());
        if (++nummer == Aufwaermen + Flanken)
            app.quit();
        else
            quelle->freigeben();
    });

    if (!port.oeffnen(QStringLiteral("Takt")))
        return {};
    quelle->freigeben();
    QTimer::singleShot(std::chrono::minutes(2), &app, [&] { app.exit(1); });
    const int ergebnis = app.exec();
    port.schliessen();
    if (ergebnis != 0 || millisekunden.size() != Flanken) {
        std::fprintf(stderr, "only %zu of %d line changes arrived\n", millisekunden.size(),
                     Flanken);
        return {};
    }
    std::sort(millisekunden.begin(), millisekunden.end());
    return millisekunden;
}
