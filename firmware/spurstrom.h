/* The lanes' power outputs, one per lane, behind a 74HC595 shift register: serial data on
   D13 (PB5), shift clock on A4 (PC4), latch clock on A5 (PC5), the three pins the lanes,
   lamps and UART leave free. Output QA is lane 1, QH lane 8; high while the lane has power. */
#ifndef RUNDOMAT_PLATINE_SPURSTROM_H
#define RUNDOMAT_PLATINE_SPURSTROM_H

#include <stdint.h>

/* Every lane with power, as a track has without the board. */
void spurstrom_starten(void);
/* Bit 0 for lane 1: set for a lane with power. */
void spurstrom_setzen(uint8_t mitStrom);

#endif
