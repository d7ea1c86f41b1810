#include "zeit.h"

#include <avr/io.h>
#include <util/atomic.h>

volatile uint8_t zeit_marke;
volatile uint8_t zeit_marke_tov = 1;
/* Only the main loop writes and reads it. */
static uint32_t ueberlaeufe;

void zeit_starten(void) {
    TCCR1A = 0;
    TCNT1 = 0;
    TIFR1 = _BV(TOV1);
    TCCR1B = _BV(CS11); /* 16 MHz / 8 */
}

bool zeit_pflegen(void) {
    if (!(TIFR1 & _BV(TOV1)))
        return false;
    ATOMIC_BLOCK(ATOMIC_RESTORESTATE) {
        TIFR1 = _BV(TOV1);
        ++ueberlaeufe;
        zeit_marke = (uint8_t)((ueberlaeufe & 0x7F) << 1);
        zeit_marke_tov = zeit_marke | 1;
    }
    return true;
}

/* A timer value read while an overflow was pending but not yet counted belongs to the next
   period when it is small: the timer wrapped before it was read. */
static uint64_t zusammensetzen(uint32_t perioden, uint16_t zaehler, bool ueberlaufOffen) {
    if (ueberlaufOffen && zaehler < 0x8000)
        ++perioden;
    return ((uint64_t)perioden << 16) | zaehler;
}

uint64_t zeit_jetzt(void) {
    uint16_t zaehler;
    bool offen;
    ATOMIC_BLOCK(ATOMIC_RESTORESTATE) {
        zaehler = TCNT1;
        offen = TIFR1 & _BV(TOV1);
    }
    return zusammensetzen(ueberlaeufe, zaehler, offen);
}

uint64_t zeit_stempel(uint16_t zaehler, uint8_t marke) {
    /* Overflows counted since the capture, from the 7 bits it carries. */
    const uint8_t seither = (uint8_t)((ueberlaeufe & 0x7F) - (marke >> 1)) & 0x7F;
    return zusammensetzen(ueberlaeufe - seither, zaehler, marke & 1);
}
