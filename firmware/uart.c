#include "uart.h"

#include "protokoll.h"

#include <avr/io.h>

/* 256 bytes, so the 8-bit positions wrap on their own. */
static uint8_t ring[256];
static uint8_t kopf;
static uint8_t schwanz;

void uart_starten(void) {
    /* Double speed: 115200 baud is 2 % off at 16 MHz, where the normal speed would be 3.5 %. */
    UCSR0A = _BV(U2X0);
    UBRR0 = (uint16_t)((F_CPU / 8 + PROTOKOLL_BAUD / 2) / PROTOKOLL_BAUD - 1);
    UCSR0C = _BV(UCSZ01) | _BV(UCSZ00);
    UCSR0B = _BV(RXEN0) | _BV(TXEN0);
}

bool uart_lesen(uint8_t* byte) {
    if (!(UCSR0A & _BV(RXC0)))
        return false;
    *byte = UDR0;
    return true;
}

uint8_t uart_frei(void) {
    return (uint8_t)(255 - (uint8_t)(kopf - schwanz));
}

void uart_schreiben(uint8_t byte) {
    ring[kopf++] = byte;
}

void uart_pflegen(void) {
    if (kopf != schwanz && (UCSR0A & _BV(UDRE0)))
        UDR0 = ring[schwanz++];
}
