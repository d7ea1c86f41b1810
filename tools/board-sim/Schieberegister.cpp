#include "Schieberegister.h"

#include <avr_ioport.h>
#include <sim_avr.h>
#include <sim_irq.h>

namespace {

avr_irq_t* pinIrq(avr_t* avr, Schieberegister::Pin pin) {
    return avr_io_getirq(avr, AVR_IOCTL_IOPORT_GETIRQ(pin.port), pin.bit);
}

// The port raises every pin of it at each write: only a change from low to high is a clock.
bool steigt(bool& pegel, std::uint32_t wert) {
    const bool vorher = pegel;
    pegel = wert != 0;
    return pegel && !vorher;
}

} // namespace

Schieberegister::Schieberegister(avr_t* avr, Pin daten, Pin schieben, Pin uebernehmen)
    : m_avr(avr) {
    avr_irq_register_notify(pinIrq(avr, daten), datenKommt, this);
    avr_irq_register_notify(pinIrq(avr, schieben), schiebetakt, this);
    avr_irq_register_notify(pinIrq(avr, uebernehmen), uebernahmetakt, this);
}

void Schieberegister::datenKommt(avr_irq_t*, std::uint32_t wert, void* selbst) {
    static_cast<Schieberegister*>(selbst)->m_daten = wert != 0;
}

void Schieberegister::schiebetakt(avr_irq_t*, std::uint32_t wert, void* selbst) {
    auto* s = static_cast<Schieberegister*>(selbst);
    if (steigt(s->m_schieben, wert))
        s->m_register = static_cast<std::uint8_t>((s->m_register << 1) | (s->m_daten ? 1 : 0));
}

void Schieberegister::uebernahmetakt(avr_irq_t*, std::uint32_t wert, void* selbst) {
    auto* s = static_cast<Schieberegister*>(selbst);
    if (!steigt(s->m_uebernehmen, wert) || s->m_register == s->m_ausgaenge)
        return;
    s->m_ausgaenge = s->m_register;
    s->m_geaendert = s->m_avr->cycle;
}
