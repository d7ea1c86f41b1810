/* The start light's five lamps on D2 to D6 (PD2 to PD6), lit while the program's lamp is
   red, and the race output on D7 (PD7): high except while the light is green, like the
   sensor port's RTS line. A wire from D8 (PB0) to ground at switch-on turns it round. */
#ifndef RUNDOMAT_PLATINE_AUSGAENGE_H
#define RUNDOMAT_PLATINE_AUSGAENGE_H

#include <stdint.h>

void ausgaenge_starten(void);
/* A traffic-light state of the program, 0 to AMPEL_MAX_ZUSTAND. */
void ausgaenge_ampel(uint8_t zustand);

#endif
