#include "Emulatorlauf.h"

#include <algorithm>
#include <cstdarg>

namespace L = Leitungsspeicher;

namespace {
constexpr std::int64_t Millisekunde = 1'000'000;
// The rings are read this often; the green light is stamped by the program, so reading
// it a little later moves nothing.
constexpr std::int64_t Abfrage = 2 * Millisekunde;
constexpr std::int64_t Verspaetung = 5 * Millisekunde;

} // namespace

Emulatorlauf::Emulatorlauf(std::vector<L::Speicher*> ports, Laufvorgaben vorgaben)
    : m_v(std::move(vorgaben)) {
    for (L::Speicher* speicher : ports)
        m_ports.push_back({speicher, m_ports.empty() ? "" : "2"});
    schreiben("# rundomat-sensor-emulator: Zeiten in ns der monotonen Uhr (CLOCK_MONOTONIC)\n"
              "# flanke ZEIT CD|DSR|CTS|RI PEGEL; durchfahrt ZEIT SPUR NUMMER; nullpunkt ZEIT; "
              "rts ZEIT PEGEL; wecken FLANKE RUECKKEHR; getrennt ZEIT; verspaetet ZEIT NS; "
              "halt ZEIT NS; am zweiten Terminal CD2 ... RI2, rts2, wecken2, getrennt2\n");
    if (m_v.plan)
        m_naechster = m_v.plan->naechster();
    if (!m_v.abGruen)
        nullpunktSetzen(L::jetzt());
}

// Zero lies 0.1 ms past a whole millisecond: edges a whole number of milliseconds apart
// then reach the program's millisecond clock on the millisecond they were meant for,
// unless a wake-up takes longer than 0.9 ms.
void Emulatorlauf::nullpunktSetzen(std::int64_t zeit) {
    m_null = (zeit / Millisekunde + 1) * Millisekunde + Millisekunde / 10;
    schreiben("nullpunkt %lld\n", static_cast<long long>(*m_null));
}

std::int64_t Emulatorlauf::runde() {
    for (Port& port : m_ports)
        vermerkeLesen(port);
    std::int64_t schlaf = Abfrage;
    if (!m_null)
        return schlaf;
    while (m_naechster && *m_null + m_naechster->zeit <= L::jetzt()) {
        anwenden(*m_naechster);
        m_naechster = m_v.plan->naechster();
    }
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        const std::optional<double>& nach = m_v.trennenNach[i];
        if (nach && !m_ports[i].getrennt &&
            *m_null + static_cast<std::int64_t>(*nach * 1e9) <= L::jetzt())
            trennen(m_ports[i]);
    }
    if (m_naechster)
        schlaf = std::min(schlaf, *m_null + m_naechster->zeit - L::jetzt());
    return std::max<std::int64_t>(schlaf, 0);
}

void Emulatorlauf::anwenden(const Auftrag& a) {
    Port& port = m_ports[a.port];
    if (a.halt > 0) {
        port.speicher->warteverzug.store(a.halt);
        schreiben("halt %lld %lld\n", static_cast<long long>(L::jetzt()),
                  static_cast<long long>(a.halt));
        return;
    }
    const std::int64_t zeit = L::aendern(*port.speicher, a.leitung, a.pegel);
    // On a busy machine the emulator wakes late, and edges meant to be apart come together:
    // the record says so, so that nobody blames the program for it.
    if (const std::int64_t spaet = zeit - (*m_null + a.zeit); spaet > Verspaetung)
        schreiben("verspaetet %lld %lld\n", static_cast<long long>(zeit),
                  static_cast<long long>(spaet));
    schreiben("flanke %lld %s%s %d\n", static_cast<long long>(zeit), L::Leitungsnamen[a.leitung],
              port.zusatz, a.pegel ? 1 : 0);
    if (a.spur == 0)
        return;
    schreiben("durchfahrt %lld %d %d\n", static_cast<long long>(zeit), a.spur, a.durchfahrt);
    if (m_v.meldungen) {
        std::fprintf(m_v.meldungen, "Spur %d: Durchfahrt %d bei %.4f s\n", a.spur, a.durchfahrt,
                     static_cast<double>(zeit - *m_null) / 1e9);
        std::fflush(m_v.meldungen);
    }
}

void Emulatorlauf::vermerkeLesen(Port& port) {
    std::int64_t a = 0;
    std::int64_t b = 0;
    while (L::lesen(port.speicher->rts, port.rtsGelesen, a, b)) {
        ++port.rtsGelesen;
        schreiben("rts%s %lld %lld\n", port.zusatz, static_cast<long long>(a),
                  static_cast<long long>(b));
        // The program switches RTS off when its light turns green.
        if (m_v.abGruen && !m_null && b == 0 && &port == &m_ports.front())
            nullpunktSetzen(a);
    }
    while (L::lesen(port.speicher->wecken, port.weckenGelesen, a, b)) {
        ++port.weckenGelesen;
        schreiben("wecken%s %lld %lld\n", port.zusatz, static_cast<long long>(a),
                  static_cast<long long>(b));
    }
}

void Emulatorlauf::trennen(Port& port) {
    port.getrennt = true;
    schreiben("getrennt%s %lld\n", port.zusatz,
              static_cast<long long>(L::ausfallen(*port.speicher)));
    if (m_v.meldungen) {
        std::fprintf(m_v.meldungen, "Schnittstelle%s getrennt: jeder Aufruf scheitert mit EIO.\n",
                     *port.zusatz ? " 2" : "");
        std::fflush(m_v.meldungen);
    }
}

void Emulatorlauf::beenden() {
    for (Port& port : m_ports) {
        vermerkeLesen(port);
        L::ausfallen(*port.speicher);
    }
}

void Emulatorlauf::schreiben(const char* format, ...) {
    if (!m_v.aufzeichnung)
        return;
    va_list argumente;
    va_start(argumente, format);
    std::vfprintf(m_v.aufzeichnung, format, argumente);
    va_end(argumente);
    // Whoever reads the record during the run sees every line at once.
    std::fflush(m_v.aufzeichnung);
}
