; The lane interrupt (PCINT1), in assembly because its length is how late an edge on
; another lane can be stamped: an edge that comes while it runs is only seen by the next
; run. It reads the timer first and the port right after, so edges of several lanes in one
; instant share one stamp, and stores both with the timer's overflow state as a 4-byte
; capture in a 256-byte ring: timer low, timer high, port, zeit_marke | pending overflow.
; When the ring is full the capture is dropped and counted. About 70 cycles.
#include <avr/io.h>

    .section .text.__vector_4,"ax",@progbits
    .global __vector_4
__vector_4:
    push r24
    lds  r24, TCNT1L                   ; reading the low byte latches the high byte
    push r25
    lds  r25, TCNT1H
    push r26
    in   r26, _SFR_IO_ADDR(PINC)
    push r27
    in   r27, _SFR_IO_ADDR(SREG)
    push r27
    push r30
    push r31
    lds  r30, spuren_kopf
    ldi  r31, hi8(spuren_ring)         ; the ring is 256-aligned: its low address byte is 0
    st   Z+, r24
    st   Z+, r25
    st   Z+, r26
    in   r24, _SFR_IO_ADDR(TIFR1)
    andi r24, _BV(TOV1)
    lds  r25, zeit_marke
    or   r24, r25
    st   Z+, r24
    lds  r25, spuren_schwanz
    cp   r30, r25
    breq 1f
    sts  spuren_kopf, r30              ; the capture counts
    rjmp 2f
1:  lds  r24, spuren_verloren_isr      ; full: the slot stays free, the loss is counted
    subi r24, 0xFF
    breq 2f                            ; stays at 255
    sts  spuren_verloren_isr, r24
2:  pop  r31
    pop  r30
    pop  r27
    out  _SFR_IO_ADDR(SREG), r27
    pop  r27
    pop  r26
    pop  r25
    pop  r24
    reti
