/* The timing box library's C interface: the five exports the program calls, as plain C
   functions without call-convention decoration. Results: docs/box-protocol.md. */
#pragma once

#include "jnutl_export.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The event record Get_Event fills: code, then the box time stamp in ticks of 1/4800 s. */
typedef struct JnutlEreignis {
    int32_t code;
    int32_t zeitstempel;
} JnutlEreignis;

/* Forgets any half-read frame and ready event and disarms the box; the box clock heard so
   far is kept. Returns the version, major in the high byte, minor in the low byte. */
JNUTL_EXPORT int16_t InitBoxes(void);
/* Arms box 0 for a race with its eight-field configuration record. 0, or -1 for another
   box or no record. */
JNUTL_EXPORT int16_t OpenBox(int32_t box, const int16_t* konfiguration);
/* Takes one received byte (the low 8 bits). 2 when an event is ready for Get_Event, 0
   when not, -1 for another box. */
JNUTL_EXPORT int16_t RX_data(int32_t box, int32_t byte);
/* Fills the record with the ready event and clears it. -1 and code 0 when none is ready. */
JNUTL_EXPORT int16_t Get_Event(JnutlEreignis* ereignis);
/* The box clock now, on the scale of the event time stamps; 0 until the box was heard. */
JNUTL_EXPORT int32_t Get_TStamp(int32_t box);

#ifdef __cplusplus
}
#endif
