/* Rundomat's sensor board: stamps the lap sensors' edges with a 0.5 us clock and sends
   them to the program, and drives the start light, the race output and the lanes' power
   it commands. */
#include "ausgaenge.h"
#include "befehle.h"
#include "meldungen.h"
#include "protokoll.h"
#include "spuren.h"
#include "spurstrom.h"
#include "uart.h"
#include "zeit.h"

#include <avr/interrupt.h>

/* Three timer periods of 32.768 ms: a time message about every 100 ms. */
#define PERIODEN_PRO_ZEITMELDUNG 3

int main(void) {
    spurstrom_starten();
    ausgaenge_starten();
    uart_starten();
    zeit_starten();
    spuren_starten();
    spuren_totzeit(0);
    sei();
    meldungen_hallo();

    uint8_t perioden = 0;
    for (;;) {
        if (zeit_pflegen() && ++perioden == PERIODEN_PRO_ZEITMELDUNG) {
            perioden = 0;
            meldungen_zeit();
        }
        spuren_verarbeiten();
        const uint16_t verloren = spuren_verloren();
        if (verloren)
            meldungen_fehler(FEHLER_UEBERLAUF, verloren);
        befehle_lesen();
        meldungen_senden();
        uart_pflegen();
    }
}
