#include "rahmen.h"

#include "protokoll.h"
#include "uart.h"

#include <string.h>
#include <util/crc16.h>

/* CRC-16/CCITT-FALSE is the XMODEM update with 0xFFFF to start. */
static uint16_t pruefsumme(uint16_t crc, uint8_t byte) {
    return _crc_xmodem_update(crc, byte);
}

void rahmen_senden(uint8_t art, const uint8_t* nutzdaten, uint8_t laenge) {
    uint16_t crc = pruefsumme(pruefsumme(0xFFFF, art), laenge);
    uart_schreiben(PROTOKOLL_SYNC);
    uart_schreiben(art);
    uart_schreiben(laenge);
    for (uint8_t i = 0; i < laenge; ++i) {
        crc = pruefsumme(crc, nutzdaten[i]);
        uart_schreiben(nutzdaten[i]);
    }
    uart_schreiben((uint8_t)crc);
    uart_schreiben((uint8_t)(crc >> 8));
}

static uint8_t puffer[RAHMEN_GROESSE(PROTOKOLL_MAX_NUTZDATEN)];
static uint8_t gelesen;

static void verwerfen(uint8_t anzahl) {
    gelesen -= anzahl;
    memmove(puffer, puffer + anzahl, gelesen);
}

void rahmen_empfangen(uint8_t byte, rahmen_empfaenger empfaenger, rahmen_fehler fehler) {
    puffer[gelesen++] = byte;
    for (;;) {
        uint8_t start = 0;
        while (start < gelesen && puffer[start] != PROTOKOLL_SYNC)
            ++start;
        verwerfen(start);
        if (gelesen < PROTOKOLL_KOPF)
            return;
        const uint8_t laenge = puffer[2];
        if (laenge > PROTOKOLL_MAX_NUTZDATEN) {
            verwerfen(1);
            continue;
        }
        if (gelesen < RAHMEN_GROESSE(laenge))
            return;
        uint16_t crc = 0xFFFF;
        for (uint8_t i = 1; i < PROTOKOLL_KOPF + laenge; ++i)
            crc = pruefsumme(crc, puffer[i]);
        const uint8_t* schwanz = puffer + PROTOKOLL_KOPF + laenge;
        if (schwanz[0] != (uint8_t)crc || schwanz[1] != (uint8_t)(crc >> 8)) {
            fehler(puffer[1]);
            verwerfen(1);
            continue;
        }
        empfaenger(puffer[1], puffer + PROTOKOLL_KOPF, laenge);
        verwerfen(RAHMEN_GROESSE(laenge));
    }
}
