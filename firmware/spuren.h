/* The lane inputs: lanes 1 to 4 on A0 to A3 (PC0 to PC3), lanes 5 to 8 on D9 to D12 (PB1
   to PB4), with the pin-change interrupts of both ports. The interrupt reads the timer
   first, then both ports, and leaves the capture in a ring; the main loop turns captures
   into edge messages, one per burst: the first edge of a lane starts a dead time in which
   its further edges are dropped. */
#ifndef RUNDOMAT_PLATINE_SPUREN_H
#define RUNDOMAT_PLATINE_SPUREN_H

#include <stdint.h>

void spuren_starten(void);
/* In timer ticks; a new dead time counts for the next edges. */
void spuren_totzeit(uint32_t ticks);
/* Sends the edge messages of waiting captures while there is room on the line. */
void spuren_verarbeiten(void);
/* Captures lost since the last call because the ring was full: each was an instant with
   one or more edges. */
uint16_t spuren_verloren(void);

#endif
