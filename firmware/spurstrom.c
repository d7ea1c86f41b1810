#include "spurstrom.h"

#include <avr/io.h>

/* Single-bit writes compile to sbi and cbi, which leave the lanes' pull-ups on the same
   ports alone even when the lane interrupt comes in between. */
#define DATEN_AN() (PORTB |= _BV(PB5))
#define DATEN_AUS() (PORTB &= (uint8_t)~_BV(PB5))
#define SCHIEBEN_AN() (PORTC |= _BV(PC4))
#define SCHIEBEN_AUS() (PORTC &= (uint8_t)~_BV(PC4))
#define UEBERNEHMEN_AN() (PORTC |= _BV(PC5))
#define UEBERNEHMEN_AUS() (PORTC &= (uint8_t)~_BV(PC5))

void spurstrom_starten(void) {
    DDRB |= _BV(PB5);
    DDRC |= _BV(PC4) | _BV(PC5);
    spurstrom_setzen(0xFF);
}

void spurstrom_setzen(uint8_t mitStrom) {
    /* Lane 8 first: after eight clocks it stands at QH, lane 1 at QA. The outputs change
       only at the latch clock, all at once, so no lane blinks while the bits go through. */
    for (uint8_t i = 0; i < 8; ++i) {
        if (mitStrom & 0x80)
            DATEN_AN();
        else
            DATEN_AUS();
        mitStrom = (uint8_t)(mitStrom << 1);
        SCHIEBEN_AN();
        SCHIEBEN_AUS();
    }
    UEBERNEHMEN_AN();
    UEBERNEHMEN_AUS();
}
