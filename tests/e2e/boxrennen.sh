#!/usr/bin/env bash
# A race timed by the timing box: the box emulator on a pseudo-terminal, the real program
# on its other end in RaceControl mode with a flying start (the emulator's cars are on the
# track from the moment it starts); the result file shows the laps it timed.
# Usage: boxrennen.sh PATH/TO/rundomat PATH/TO/rundomat-box-emulator
source "$(dirname "$0")/gemeinsam.sh"
terminalEmulatorStarten emulator "$2" --lap 1.5

einstellungen runden=3 PermanentesLogging=True RaceControl=True ohneCountdown=True \
    prellzeit=1 "port=$pty"
programmStarten "$1"
rennenStarten
text=$(ergebnisdatei 150)
rundenPruefen "$text" 3
echo "Boxrennen: drei Runden je Spur, von der Box gemessen."
