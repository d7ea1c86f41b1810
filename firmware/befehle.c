#include "befehle.h"

#include "ausgaenge.h"
#include "meldungen.h"
#include "protokoll.h"
#include "rahmen.h"
#include "spuren.h"
#include "spurstrom.h"
#include "uart.h"
#include "zeit.h"

static void ausfuehren(uint8_t art, const uint8_t* nutzdaten, uint8_t laenge) {
    switch (art) {
    case BEFEHL_HALLO:
        if (laenge != LAENGE_BEFEHL_HALLO)
            break;
        meldungen_hallo();
        return;
    case BEFEHL_TOTZEIT: {
        if (laenge != LAENGE_TOTZEIT)
            break;
        const uint16_t ms = (uint16_t)(nutzdaten[0] | (nutzdaten[1] << 8));
        if (ms > TOTZEIT_MAX_MS)
            break;
        spuren_totzeit(ms * ZEIT_TICKS_PRO_MS);
        return;
    }
    case BEFEHL_AMPEL:
        if (laenge != LAENGE_AMPEL || nutzdaten[0] > AMPEL_MAX_ZUSTAND)
            break;
        ausgaenge_ampel(nutzdaten[0]);
        return;
    case BEFEHL_SPURSTROM:
        if (laenge != LAENGE_SPURSTROM)
            break;
        spurstrom_setzen(nutzdaten[0]);
        return;
    default: meldungen_fehler(FEHLER_UNBEKANNT, art); return;
    }
    meldungen_fehler(FEHLER_UNGUELTIG, art);
}

static void pruefsummenfehler(uint8_t art) {
    /* Garbage that only looks like a frame start is no news. */
    if (art == BEFEHL_HALLO || art == BEFEHL_TOTZEIT || art == BEFEHL_AMPEL ||
        art == BEFEHL_SPURSTROM)
        meldungen_fehler(FEHLER_PRUEFSUMME, art);
}

void befehle_lesen(void) {
    uint8_t byte;
    while (uart_lesen(&byte))
        rahmen_empfangen(byte, ausfuehren, pruefsummenfehler);
}
