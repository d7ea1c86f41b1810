#include "meldungen.h"

#include "protokoll.h"
#include "rahmen.h"
#include "uart.h"
#include "zeit.h"

#include <stdbool.h>

#define FEHLERCODES 4

static bool halloOffen;
static bool zeitOffen;
static bool fehlerOffen[FEHLERCODES + 1];
static uint16_t fehlerDetail[FEHLERCODES + 1];

void meldungen_hallo(void) {
    halloOffen = true;
}

void meldungen_zeit(void) {
    zeitOffen = true;
}

void meldungen_fehler(uint8_t code, uint16_t detail) {
    if (code == 0 || code > FEHLERCODES)
        return;
    if (code == FEHLER_UEBERLAUF && fehlerOffen[code]) {
        const uint32_t summe = (uint32_t)fehlerDetail[code] + detail;
        detail = summe > 0xFFFF ? 0xFFFF : (uint16_t)summe;
    }
    fehlerOffen[code] = true;
    fehlerDetail[code] = detail;
}

static void zahlSchreiben(uint8_t* ziel, uint64_t wert, uint8_t bytes) {
    for (uint8_t i = 0; i < bytes; ++i)
        ziel[i] = (uint8_t)(wert >> (8 * i));
}

static bool platzFuer(uint8_t laenge) {
    return uart_frei() >= RAHMEN_GROESSE(laenge);
}

void meldungen_senden(void) {
    if (halloOffen && platzFuer(LAENGE_HALLO)) {
        uint8_t nutzdaten[LAENGE_HALLO] = {FIRMWARE_MAJOR, FIRMWARE_MINOR, PLATINE_SPUREN};
        zahlSchreiben(nutzdaten + 3, ZEIT_TICKS_PRO_SEKUNDE, 4);
        zahlSchreiben(nutzdaten + 7, zeit_jetzt(), 8);
        rahmen_senden(MELDUNG_HALLO, nutzdaten, LAENGE_HALLO);
        halloOffen = false;
    }
    for (uint8_t code = 1; code <= FEHLERCODES; ++code) {
        if (!fehlerOffen[code] || !platzFuer(LAENGE_FEHLER))
            continue;
        uint8_t nutzdaten[LAENGE_FEHLER] = {code};
        zahlSchreiben(nutzdaten + 1, fehlerDetail[code], 2);
        rahmen_senden(MELDUNG_FEHLER, nutzdaten, LAENGE_FEHLER);
        fehlerOffen[code] = false;
    }
    if (zeitOffen && platzFuer(LAENGE_ZEIT)) {
        uint8_t nutzdaten[LAENGE_ZEIT];
        zahlSchreiben(nutzdaten, zeit_jetzt(), 8);
        rahmen_senden(MELDUNG_ZEIT, nutzdaten, LAENGE_ZEIT);
        zeitOffen = false;
    }
}
