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

// Changes its lines (CD, or the first few of the four together, as cars crossing in one
// moment) a moment after the previous changes have been handled, as cars do: never while
// the GUI thread is still busy with the last ones. Stamps the moment each wait returns.
// Its wait is taken for one that misses changes before it begins, as on Linux, so the
// watcher reads it besides the wait from a second thread.
class Taktquelle final : public Leitungsquelle {
public:
    explicit Taktquelle(int leitungen) : m_leitungen(leitungen) {
        m_gesehen.reserve(Aufwaermen + Flanken);
    }

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
        for (int l = 0; l < m_leitungen; ++l) {
            m_pegel[l] = !m_pegel[l];
            ++m_zaehler[l];
        }
        return Antwort::Ok;
    }
    bool blindVorDemWarten() const override { return true; }
    bool wartetSchon() override {
        const std::lock_guard sperre(m_mutex);
        return m_wartetSchon;
    }
    Antwort zaehlerLesen(Flankenzaehler& zaehler) override {
        zaehler = {m_zaehler[0], m_zaehler[1], m_zaehler[2], m_zaehler[3]};
        return Antwort::Ok;
    }
    Antwort pegelLesen(Pegel& pegel) override {
        pegel = {m_pegel[0], m_pegel[1], m_pegel[2], m_pegel[3]};
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
    Stoppuhr::time_point gesehen(std::size_t takt) const { return m_gesehen[takt]; }

private:
    const int m_leitungen;
    std::mutex m_mutex;
    std::condition_variable m_signal;
    bool m_frei = false;
    bool m_abbruch = false;
    bool m_wartetSchon = false;
    std::atomic<std::uint32_t> m_zaehler[LeitungenJePort]{};
    std::atomic<bool> m_pegel[LeitungenJePort]{};
    std::vector<Stoppuhr::time_point> m_gesehen;
};

class Taktgeraet final : public Sensorgeraet {
public:
    explicit Taktgeraet(int leitungen) : quelle(leitungen) {}
    Leitungsquelle& leitungen() override { return quelle; }
    void RTSEnable(bool) override {}
    Taktquelle quelle;
};

} // namespace

std::vector<double> leitungslatenzen(const std::function<void(Rennen&)>& vorbereiten,
                                     int leitungen) {
    QCoreApplication& app = *QCoreApplication::instance();
    Systemuhr uhr;
    Taktquelle* quelle = nullptr;
    Sensorport port(uhr, [&](const QString&) {
        auto geraet = std::make_unique<Taktgeraet>(leitungen);
        quelle = &geraet->quelle;
        return geraet;
    });
    Rennbahn bahn({.systemuhr = &uhr});
    // The port's RTS output follows the light, as in the program.
    Startleitung startleitung(port);
    Rennen& rennen = bahn.rennen;
    rennen.beobachterAnmelden(startleitung);
    bahn.einstellen([&](Renneinstellungen& e) {
        e.spuranzahl = std::max(KleinsteSpurenzahl, leitungen);
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
        const std::size_t takt = nummer / static_cast<std::size_t>(leitungen);
        if (nummer >= Aufwaermen)
            millisekunden.push_back(
                std::chrono::duration<double, std::milli>(jetzt - quelle->gesehen(takt)).count());
        if (++nummer == Aufwaermen + Flanken)
            app.quit();
        else if (nummer % static_cast<std::size_t>(leitungen) == 0)
            quelle->freigeben();
    });

    if (!port.oeffnen(QStringLiteral("Takt")))
        return {};
    quelle->freigeben();
    // Its own timer, gone with the measurement: the next one in the same application starts
    // afresh.
    QTimer frist;
    frist.setSingleShot(true);
    QObject::connect(&frist, &QTimer::timeout, &app, [&] { app.exit(1); });
    frist.start(std::chrono::minutes(2));
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
