#include "Simplatine.h"

#include "protokoll.h"

#include <avr_ioport.h>
#include <avr_uart.h>
#include <cstdio>
#include <fcntl.h>
#include <sim_avr.h>
#include <sim_elf.h>
#include <sim_io.h>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::uint16_t TCCR1B = 0x81;
constexpr std::uint16_t PCIFR = 0x3B;

// A one written to a pin-change flag clears it, and the interrupt waiting with it, as on the
// chip; simavr would store the byte and keep the interrupt.
void pinwechselFlaggenLoeschen(avr_t* avr, avr_io_addr_t adresse, std::uint8_t wert, void*) {
    for (int i = 0; i < avr->interrupts.vector_count; ++i) {
        avr_int_vector_t* vektor = avr->interrupts.vector[i];
        if (vektor->raised.reg == adresse && (wert & (1 << vektor->raised.bit)))
            avr_clear_interrupt(avr, vektor);
    }
}

avr_irq_t* uartIrq(avr_t* avr, int welcher) {
    return avr_io_getirq(avr, AVR_IOCTL_UART_GETIRQ('0'), welcher);
}

// Lanes 1 to 4 on PC0 to PC3 (A0 to A3), 5 to 8 on PB1 to PB4 (D9 to D12).
char spurport(int spur) {
    return spur <= 4 ? 'C' : 'B';
}

int spurbit(int spur) {
    return spur <= 4 ? spur - 1 : spur - 4;
}

avr_irq_t* spurIrq(avr_t* avr, int spur) {
    return avr_io_getirq(avr, AVR_IOCTL_IOPORT_GETIRQ(spurport(spur)), spurbit(spur));
}

// The input pins held from outside: bridge on PB0, lanes on PB1 to PB4 and PC0 to PC3.
constexpr std::uint8_t AussenB = 0x1F;
constexpr std::uint8_t AussenC = 0x0F;

void aussenSetzen(avr_t* avr, char port, std::uint8_t pegel) {
    avr_ioport_external_t aussen{};
    aussen.name = port;
    aussen.mask = port == 'B' ? AussenB : AussenC;
    aussen.value = pegel & aussen.mask;
    avr_ioctl(avr, AVR_IOCTL_IOPORT_SET_EXTERNAL(port), &aussen);
}

// simavr's loader reports on standard output, which belongs to the harness's user.
int stillLaden(const std::string& elfDatei, elf_firmware_t& firmware) {
    std::fflush(stdout);
    const int gerettet = dup(STDOUT_FILENO);
    const int leer = open("/dev/null", O_WRONLY);
    dup2(leer, STDOUT_FILENO);
    const int ergebnis = elf_read_firmware(elfDatei.c_str(), &firmware);
    std::fflush(stdout);
    dup2(gerettet, STDOUT_FILENO);
    close(leer);
    close(gerettet);
    return ergebnis;
}

} // namespace

Simplatine::Simplatine(const std::string& elfDatei, bool brueckeGesteckt)
    // Ten bits a byte at the line's speed.
    : m_byteZyklen(Takt * 10 / PROTOKOLL_BAUD) {
    elf_firmware_t firmware{};
    if (stillLaden(elfDatei, firmware) != 0)
        throw std::runtime_error("Firmware nicht lesbar: " + elfDatei);
    m_avr = avr_make_mcu_by_name("atmega328p");
    if (m_avr == nullptr)
        throw std::runtime_error("simavr kennt den ATmega328P nicht");
    avr_init(m_avr);
    firmware.frequency = Takt;
    avr_load_firmware(m_avr, &firmware);
    m_avr->frequency = Takt;
    m_avr->log = LOG_ERROR;

    // No console echo of the UART, and no sleeping in the host while the firmware polls it.
    std::uint32_t flags = 0;
    avr_ioctl(m_avr, AVR_IOCTL_UART_GET_FLAGS('0'), &flags);
    flags &= ~static_cast<std::uint32_t>(AVR_UART_FLAG_STDIO | AVR_UART_FLAG_POLL_SLEEP);
    avr_ioctl(m_avr, AVR_IOCTL_UART_SET_FLAGS('0'), &flags);
    avr_irq_register_notify(uartIrq(m_avr, UART_IRQ_OUTPUT), byteGesendet, this);

    // The bridge and the sensors are read through the pins' own pull-ups, so they are set
    // as the outside level: simavr would otherwise raise a pulled-up input at every write to
    // its port, as if the pull-up were stronger than the sensor holding it low. Open lanes
    // read high.
    m_aussenB = brueckeGesteckt ? 0x1E : 0x1F;
    m_aussenC = 0x0F;
    aussenSetzen(m_avr, 'B', m_aussenB);
    aussenSetzen(m_avr, 'C', m_aussenC);

    m_spurstrom.emplace(m_avr, Schieberegister::Pin{'B', 5}, Schieberegister::Pin{'C', 4},
                        Schieberegister::Pin{'C', 5});

    avr_register_io_write(m_avr, TCCR1B, uhrGestartet, this);
    avr_register_io_write(m_avr, PCIFR, pinwechselFlaggenLoeschen, nullptr);
}

Simplatine::~Simplatine() {
    if (m_avr != nullptr) {
        avr_terminate(m_avr);
        free(m_avr);
    }
}

std::uint64_t Simplatine::zyklus() const {
    return m_avr->cycle;
}

void Simplatine::laufenBis(std::uint64_t ziel) {
    while (m_avr->cycle < ziel) {
        const int zustand = avr_run(m_avr);
        if (zustand == cpu_Done || zustand == cpu_Crashed)
            throw std::runtime_error("die simulierte Platine ist stehen geblieben");
    }
}

void Simplatine::spurSetzen(int spur, bool pegel, std::uint64_t zyklus) {
    if (spur < 1 || spur > PLATINE_SPUREN)
        throw std::invalid_argument("Spur 1 bis 8");
    m_pins.emplace(std::max(zyklus, m_avr->cycle), std::pair{spur, pegel});
    naechstePinsPlanen();
}

void Simplatine::naechstePinsPlanen() {
    avr_cycle_timer_cancel(m_avr, pinsSetzen, this);
    if (!m_pins.empty())
        avr_cycle_timer_register(
            m_avr, m_pins.begin()->first - std::min(m_pins.begin()->first, m_avr->cycle),
            pinsSetzen, this);
}

std::uint64_t Simplatine::pinsSetzen(avr_t* avr, std::uint64_t, void* selbst) {
    auto* s = static_cast<Simplatine*>(selbst);
    while (!s->m_pins.empty() && s->m_pins.begin()->first <= avr->cycle) {
        const auto [spur, pegel] = s->m_pins.begin()->second;
        s->m_pins.erase(s->m_pins.begin());
        std::uint8_t& aussen = spurport(spur) == 'B' ? s->m_aussenB : s->m_aussenC;
        const auto bit = static_cast<std::uint8_t>(1 << spurbit(spur));
        aussen = pegel ? static_cast<std::uint8_t>(aussen | bit)
                       : static_cast<std::uint8_t>(aussen & ~bit);
        aussenSetzen(avr, spurport(spur), aussen);
        avr_raise_irq(spurIrq(avr, spur), pegel ? 1 : 0);
    }
    return s->m_pins.empty() ? 0 : s->m_pins.begin()->first;
}

void Simplatine::senden(const std::vector<std::uint8_t>& bytes) {
    const bool leer = m_eingang.empty();
    m_eingang.insert(m_eingang.end(), bytes.begin(), bytes.end());
    if (leer && !m_eingang.empty())
        avr_cycle_timer_register(m_avr, m_byteZyklen, byteEinspeisen, this);
}

std::uint64_t Simplatine::byteEinspeisen(avr_t* avr, std::uint64_t zyklus, void* selbst) {
    auto* s = static_cast<Simplatine*>(selbst);
    avr_raise_irq(uartIrq(avr, UART_IRQ_INPUT), s->m_eingang.front());
    s->m_eingang.pop_front();
    return s->m_eingang.empty() ? 0 : zyklus + s->m_byteZyklen;
}

void Simplatine::byteGesendet(avr_irq_t*, std::uint32_t wert, void* selbst) {
    auto* s = static_cast<Simplatine*>(selbst);
    s->m_gesendet.push_back({static_cast<std::uint8_t>(wert), s->m_avr->cycle});
}

void Simplatine::uhrGestartet(avr_t* avr, std::uint16_t, std::uint8_t wert, void* selbst) {
    if (wert != 0)
        static_cast<Simplatine*>(selbst)->m_uhrStart = avr->cycle;
}

std::vector<Simplatine::Byte> Simplatine::empfangen() {
    return std::exchange(m_gesendet, {});
}

std::vector<Simplatine::Empfang> Simplatine::meldungen() {
    std::vector<Empfang> gelesen;
    for (const Byte& byte : empfangen()) {
        m_leser.aufnehmen(byte.wert);
        while (std::optional<Platinenprotokoll::Meldung> meldung = m_leser.naechste())
            gelesen.push_back({*meldung, byte.zyklus});
    }
    return gelesen;
}

std::uint8_t Simplatine::portD() const {
    avr_ioport_state_t zustand{};
    avr_ioctl(m_avr, AVR_IOCTL_IOPORT_GETSTATE('D'), &zustand);
    return static_cast<std::uint8_t>(zustand.port);
}

std::uint8_t Simplatine::lampen() const {
    return (portD() >> 2) & 0x1F;
}

bool Simplatine::rennausgang() const {
    return portD() & 0x80;
}
