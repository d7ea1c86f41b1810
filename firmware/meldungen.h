/* What the board reports besides edges: its hello, the periodic time, and errors. Each
   waits until there is room on the line; edges go first. */
#ifndef RUNDOMAT_PLATINE_MELDUNGEN_H
#define RUNDOMAT_PLATINE_MELDUNGEN_H

#include <stdint.h>

void meldungen_hallo(void);
void meldungen_zeit(void);
/* One report per code waits; a newer one of the same code replaces its detail. Lost edges
   add up instead. */
void meldungen_fehler(uint8_t code, uint16_t detail);
void meldungen_senden(void);

#endif
