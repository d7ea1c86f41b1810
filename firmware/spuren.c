#include "spuren.h"

#include "protokoll.h"
#include "rahmen.h"
#include "uart.h"
#include "zeit.h"

#include <avr/io.h>
#include <stdbool.h>
#include <util/atomic.h>
#include <util/delay.h>

/* The lanes' pins. A capture holds them as one byte, bit 0 for lane 1: PC0 to PC3 as they
   are, PB1 to PB4 shifted to bits 4 to 7. */
#define SPUREN_C 0x0F
#define SPUREN_B 0x1E
#define SPUREN_B_SHIFT 3
#define ERFASSUNG 4

/* Shared with the interrupt in spuren_isr.S. */
uint8_t spuren_ring[256] __attribute__((aligned(256)));
volatile uint8_t spuren_kopf;
volatile uint8_t spuren_schwanz;
volatile uint8_t spuren_verloren_isr;

static uint8_t letzte;
static uint32_t totzeit;
static uint8_t buendelAktiv;
static uint64_t buendelBeginn[PLATINE_SPUREN];
static uint16_t verloren;
/* One bit per ring slot: set when the capture the interrupt stores there follows a loss,
   so its port may show changes of unknown time. */
static uint8_t luecken[256 / ERFASSUNG / 8];
static uint8_t lueckenOffen;

/* The lanes as the interrupt reads them. */
static uint8_t spurenLesen(void) {
    return (uint8_t)((PINC & SPUREN_C) | ((PINB & SPUREN_B) << SPUREN_B_SHIFT));
}

static bool lueckeLoeschen(uint8_t position) {
    const uint8_t slot = position / ERFASSUNG;
    const uint8_t bit = (uint8_t)(1 << (slot & 7));
    const bool war = luecken[slot >> 3] & bit;
    luecken[slot >> 3] &= (uint8_t)~bit;
    if (war)
        --lueckenOffen;
    return war;
}

/* After a loss, once every capture is read and no edge waits for the interrupt, the port
   as it stands holds the changes the lost captures saw: it becomes the state the next
   capture is compared with, so that capture's own edges are not taken for lost ones. */
static void nachLueckeAbgleichen(void) {
    /* Interrupts stay on unless there is something to do: every cycle they are off can
       delay an edge's stamp. */
    if (!lueckenOffen)
        return;
    ATOMIC_BLOCK(ATOMIC_RESTORESTATE) {
        const uint8_t kopf = spuren_kopf;
        if (kopf == spuren_schwanz && !(PCIFR & (_BV(PCIF0) | _BV(PCIF1))) && lueckeLoeschen(kopf))
            letzte = spurenLesen();
    }
}

void spuren_starten(void) {
    DDRC &= (uint8_t)~SPUREN_C;
    DDRB &= (uint8_t)~SPUREN_B;
    /* Pull-ups: an open input reads high and never changes. */
    PORTC |= SPUREN_C;
    PORTB |= SPUREN_B;
    _delay_us(10); /* the pull-ups have to charge the pins first */
    letzte = spurenLesen();
    PCMSK1 = SPUREN_C;
    PCMSK0 = SPUREN_B;
    PCIFR = _BV(PCIF0) | _BV(PCIF1);
    PCICR |= _BV(PCIE0) | _BV(PCIE1);
}

void spuren_totzeit(uint32_t ticks) {
    totzeit = ticks;
}

static void flankeMelden(uint8_t spur, uint8_t pegel, uint64_t stempel) {
    uint8_t nutzdaten[LAENGE_FLANKE] = {spur, pegel};
    for (uint8_t i = 0; i < 8; ++i)
        nutzdaten[2 + i] = (uint8_t)(stempel >> (8 * i));
    rahmen_senden(MELDUNG_FLANKE, nutzdaten, LAENGE_FLANKE);
}

static void erfassungAuswerten(const uint8_t* erfassung) {
    const uint8_t port = erfassung[2];
    const uint8_t geaendert = port ^ letzte;
    letzte = port;
    const uint64_t stempel =
        zeit_stempel((uint16_t)(erfassung[0] | (erfassung[1] << 8)), erfassung[3]);
    for (uint8_t i = 0; i < PLATINE_SPUREN; ++i) {
        const uint8_t bit = (uint8_t)(1 << i);
        if (!(geaendert & bit))
            continue;
        if ((buendelAktiv & bit) && stempel - buendelBeginn[i] < totzeit)
            continue;
        buendelAktiv |= bit;
        buendelBeginn[i] = stempel;
        flankeMelden((uint8_t)(i + 1), (port & bit) ? 1 : 0, stempel);
    }
}

/* Losses happen only while the ring is full, that is after its newest capture and before
   the next one the interrupt can store, at the head's position. */
static void verlusteUebernehmen(void) {
    if (!spuren_verloren_isr)
        return;
    uint8_t neu;
    uint8_t kopf;
    ATOMIC_BLOCK(ATOMIC_RESTORESTATE) {
        neu = spuren_verloren_isr;
        spuren_verloren_isr = 0;
        kopf = spuren_kopf;
    }
    const uint32_t summe = (uint32_t)verloren + neu;
    verloren = summe > 0xFFFF ? 0xFFFF : (uint16_t)summe;
    const uint8_t slot = kopf / ERFASSUNG;
    const uint8_t bit = (uint8_t)(1 << (slot & 7));
    if (!(luecken[slot >> 3] & bit))
        ++lueckenOffen;
    luecken[slot >> 3] |= bit;
}

void spuren_verarbeiten(void) {
    while (spuren_schwanz != spuren_kopf) {
        if (uart_frei() < PLATINE_SPUREN * RAHMEN_GROESSE(LAENGE_FLANKE))
            return;
        const uint8_t position = spuren_schwanz;
        if (lueckeLoeschen(position)) {
            /* Its changes may be those of lost captures: taken as the new state, never
               sent with a stamp that is not theirs. It is lost itself. */
            letzte = spuren_ring[position + 2];
            if (verloren != 0xFFFF)
                ++verloren;
        } else {
            erfassungAuswerten(&spuren_ring[position]);
        }
        verlusteUebernehmen();
        spuren_schwanz = (uint8_t)(position + ERFASSUNG);
    }
    verlusteUebernehmen();
    nachLueckeAbgleichen();
}

uint16_t spuren_verloren(void) {
    const uint16_t anzahl = verloren;
    verloren = 0;
    return anzahl;
}
