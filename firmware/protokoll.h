/* The sensor board's wire protocol in numbers: frame kinds, payload lengths, error codes,
   limits. Shared by the firmware and the program's decoder, so both read the same
   numbers; what they mean is in docs/board-protocol.md. Plain C, for avr-gcc and C++. */
#ifndef RUNDOMAT_PLATINE_PROTOKOLL_H
#define RUNDOMAT_PLATINE_PROTOKOLL_H

enum {
    /* Frames: SYNC, kind, payload length, payload, CRC-16 low byte, high byte. */
    PROTOKOLL_SYNC = 0xA5,
    PROTOKOLL_KOPF = 3,
    PROTOKOLL_SCHWANZ = 2,
    PROTOKOLL_MAX_NUTZDATEN = 16,

    /* Board to program. */
    MELDUNG_HALLO = 0x48,  /* 'H' */
    MELDUNG_FLANKE = 0x46, /* 'F' */
    MELDUNG_ZEIT = 0x54,   /* 'T' */
    MELDUNG_FEHLER = 0x45, /* 'E' */
    LAENGE_HALLO = 15,     /* major, minor, lanes, ticks per second (4), board time (8) */
    LAENGE_FLANKE = 10,    /* lane 1 to 8, level after the edge, stamp (8) */
    LAENGE_ZEIT = 8,       /* board time */
    LAENGE_FEHLER = 3,     /* code, detail (2) */

    /* Program to board. */
    BEFEHL_HALLO = 0x3F,     /* '?': answered with a hello */
    BEFEHL_TOTZEIT = 0x50,   /* 'P': dead time in milliseconds (2 bytes) */
    BEFEHL_AMPEL = 0x41,     /* 'A': traffic-light state (1 byte) */
    BEFEHL_SPURSTROM = 0x53, /* 'S': the lanes with power, bit 0 for lane 1 (1 byte) */
    LAENGE_BEFEHL_HALLO = 0,
    LAENGE_TOTZEIT = 2,
    LAENGE_AMPEL = 1,
    LAENGE_SPURSTROM = 1,

    /* Error codes and what their detail holds. */
    FEHLER_UEBERLAUF = 1,  /* edges lost because the line could not keep up: how many */
    FEHLER_UNBEKANNT = 2,  /* a command of an unknown kind: the kind */
    FEHLER_UNGUELTIG = 3,  /* a known command with a value out of range or a wrong length:
                              the kind */
    FEHLER_PRUEFSUMME = 4, /* a command frame whose CRC did not match: its kind */

    FIRMWARE_MAJOR = 1,
    FIRMWARE_MINOR = 2,       /* 1.0 had four lane inputs, 1.1 eight, 1.2 powers them */
    SPURSTROM_AB_MINOR = 2,   /* the first minor version with a power output per lane */
    PLATINE_SPUREN = 8,       /* the lanes this firmware has, as its hello says */
    PROTOKOLL_MAX_SPUREN = 8, /* no board has more: an edge names lane 1 to 8 */
    AMPEL_MAX_ZUSTAND = 8,
    AMPEL_RENNEN = 6 /* green: the race runs, the relay output is off */
};

/* 115200 baud, 8 data bits, no parity, one stop bit. */
#define PROTOKOLL_BAUD 115200UL
/* The longest dead time a board takes (a minute); beyond 16-bit int on the board. */
#define TOTZEIT_MAX_MS 60000U

#endif
