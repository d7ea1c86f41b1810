/* The program's commands: hello, dead time, traffic light, lane power. A command of an unknown
   kind, or with a value out of range, changes nothing and is reported. */
#ifndef RUNDOMAT_PLATINE_BEFEHLE_H
#define RUNDOMAT_PLATINE_BEFEHLE_H

/* Takes every byte the line has brought. */
void befehle_lesen(void);

#endif
