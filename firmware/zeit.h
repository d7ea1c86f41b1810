/* The board clock: Timer1 counting at 2 MHz (0.5 us), extended to 64 bits by counting its
   overflows, so stamps never wrap in practice. */
#ifndef RUNDOMAT_PLATINE_ZEIT_H
#define RUNDOMAT_PLATINE_ZEIT_H

#include <stdbool.h>
#include <stdint.h>

#define ZEIT_TICKS_PRO_SEKUNDE 2000000UL
#define ZEIT_TICKS_PRO_MS 2000UL

/* The overflows counted so far, low 7 bits, shifted left by one: the lane interrupt stores
   it with each capture, and zeit_marke_tov (bit 0 set) instead while the timer's overflow
   is pending. Both written only with interrupts off. */
extern volatile uint8_t zeit_marke;
extern volatile uint8_t zeit_marke_tov;

void zeit_starten(void);
/* Counts an overflow of the hardware timer. The main loop calls it at least every 16 ms,
   half the timer's period, so a pending overflow is never mistaken for a past one. True
   when it counted one. */
bool zeit_pflegen(void);
uint64_t zeit_jetzt(void);
/* The 64-bit stamp of a capture the lane interrupt took: its timer value and marke. Valid
   while it is read within 128 overflows (4 s) of the capture. */
uint64_t zeit_stempel(uint16_t zaehler, uint8_t marke);

#endif
