/* The USB serial line, polled: no interrupt but the lanes' may delay an edge's stamp.
   Bytes to send wait in a ring the main loop drains. */
#ifndef RUNDOMAT_PLATINE_UART_H
#define RUNDOMAT_PLATINE_UART_H

#include <stdbool.h>
#include <stdint.h>

void uart_starten(void);
bool uart_lesen(uint8_t* byte);
/* Room left in the ring to send. */
uint8_t uart_frei(void);
/* Only as many bytes as there is room for. */
void uart_schreiben(uint8_t byte);
/* Hands the next waiting byte to the hardware when it can take one. */
void uart_pflegen(void);

#endif
