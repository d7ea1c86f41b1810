/* Frames on the line: SYNC, kind, length, payload, CRC-16/CCITT-FALSE over kind, length
   and payload (low byte first). Writing them to the line, and finding the commands in what
   the program sends. */
#ifndef RUNDOMAT_PLATINE_RAHMEN_H
#define RUNDOMAT_PLATINE_RAHMEN_H

#include <stdint.h>

/* Bytes a frame with this payload takes on the line. */
#define RAHMEN_GROESSE(laenge) (3 + (laenge) + 2)

/* The caller has made sure there is room (uart_frei). */
void rahmen_senden(uint8_t art, const uint8_t* nutzdaten, uint8_t laenge);

/* Called for every good frame the program sent. */
typedef void (*rahmen_empfaenger)(uint8_t art, const uint8_t* nutzdaten, uint8_t laenge);
/* Called for a frame start whose CRC does not match, with the kind it names. */
typedef void (*rahmen_fehler)(uint8_t art);
/* Takes one received byte. A start byte that leads to no good frame is dropped alone, so a
   real frame behind garbage or a torn frame is still found. */
void rahmen_empfangen(uint8_t byte, rahmen_empfaenger empfaenger, rahmen_fehler fehler);

#endif
