#include "ausgaenge.h"

#include "protokoll.h"

#include <avr/io.h>
#include <stdbool.h>
#include <util/delay.h>

#define LAMPEN_SHIFT 2
#define LAMPEN_MASKE (0x1F << LAMPEN_SHIFT)
#define RELAIS _BV(PD7)
#define BRUECKE _BV(PB0)

static bool umgekehrt;

void ausgaenge_starten(void) {
    DDRB &= (uint8_t)~BRUECKE;
    PORTB |= BRUECKE;
    _delay_us(10); /* the pull-up has to charge the pin first */
    umgekehrt = !(PINB & BRUECKE);
    DDRD |= LAMPEN_MASKE | RELAIS;
    ausgaenge_ampel(0);
}

void ausgaenge_ampel(uint8_t zustand) {
    /* States 1 to 5 light that many red lamps; the others light none of the red ones
       (green, amber, dark). */
    const uint8_t rot = zustand >= 1 && zustand <= 5 ? (uint8_t)((1 << zustand) - 1) : 0;
    const bool relais = (zustand != AMPEL_RENNEN) != umgekehrt;
    PORTD = (uint8_t)((PORTD & ~(LAMPEN_MASKE | RELAIS)) | (rot << LAMPEN_SHIFT) |
                      (relais ? RELAIS : 0));
}
