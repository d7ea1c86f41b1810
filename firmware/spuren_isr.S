; The lane interrupt of both ports (PCINT0 for lanes 5 to 8, PCINT1 for lanes 1 to 4), in
; assembly because its length is how late an edge on another lane can be stamped: an edge
; that comes while it runs is only seen by the next run. It reads the timer first and both
; ports right after, so edges of several lanes in one instant share one stamp, and stores
; them with the timer's overflow state as a 4-byte capture in a 256-byte ring: timer low,
; timer high, lanes (bit 0 for lane 1, as spuren.c reads them), zeit_marke (or
; zeit_marke_tov while an overflow is pending). Both ports' flags are cleared before they
; are read, so edges on both in one instant make one run, not a second one that finds no
; change; an edge after the clearing is in this run's read or calls again. It saves SREG
; only around the few instructions that change it. About 60 cycles.
#include <avr/io.h>

    .section .text.__vector_4,"ax",@progbits
    .global __vector_3
    .global __vector_4
__vector_3:
__vector_4:
    push r24
    lds  r24, TCNT1L                   ; the stamp; reading it latches the high byte
    push r25
    ldi  r25, _BV(PCIF0) | _BV(PCIF1)
    out  _SFR_IO_ADDR(PCIFR), r25
    in   r25, _SFR_IO_ADDR(PINC)       ; lanes 1 to 4
    push r30
    in   r30, _SFR_IO_ADDR(PINB)       ; lanes 5 to 8
    push r31
    in   r31, _SFR_IO_ADDR(SREG)
    andi r25, 0x0F                     ; PC0 to PC3
    lsl  r30                           ; PB1 to PB4 to bits 4 to 7
    lsl  r30
    lsl  r30
    andi r30, 0xF0
    or   r25, r30
    out  _SFR_IO_ADDR(SREG), r31
    lds  r30, spuren_kopf
    ldi  r31, hi8(spuren_ring)         ; the ring is 256-aligned: its low address byte is 0
    st   Z+, r24
    lds  r24, TCNT1H                   ; the latched high byte of the stamp
    st   Z+, r24
    st   Z+, r25
    lds  r24, zeit_marke
    sbic _SFR_IO_ADDR(TIFR1), TOV1
    lds  r24, zeit_marke_tov
    st   Z+, r24
    lds  r25, spuren_schwanz
    cpse r30, r25
    rjmp 1f
    in   r25, _SFR_IO_ADDR(SREG)       ; full: the slot stays free, the loss is counted
    lds  r24, spuren_verloren_isr
    subi r24, 0xFF
    breq 2f                            ; stays at 255
    sts  spuren_verloren_isr, r24
2:  out  _SFR_IO_ADDR(SREG), r25
    rjmp 3f
1:  sts  spuren_kopf, r30              ; the capture counts
3:  pop  r31
    pop  r30
    pop  r25
    pop  r24
    reti
