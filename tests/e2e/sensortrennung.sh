#!/usr/bin/env bash
# The sensor port fails mid-race like a pulled-out USB adapter: the program says so, shows
# "Com Port: ?" (and the notice in its title), keeps the laps timed so far, counts laps by
# keyboard to the end, and after the race "COM ändern" in the options opens a new
# emulator's port, without a restart, on which the next race is timed.
# Lap times: 100 ms tolerance, as in sensorrennen.sh.
# Usage: sensortrennung.sh PATH/TO/rundomat PATH/TO/rundomat-sensor-emulator
source "$(dirname "$0")/gemeinsam.sh"
hinweis='   -> Zeitaufnahme über die serielle Schnittstelle nicht möglich'
sensorEmulatorStarten "$2" erster --lap 1.5 --unplug 4.5
einstellungen runden=4 PermanentesLogging=True prellzeit=1 "port=$pty"
programmStarten env "LD_PRELOAD=$vorladen" "$1"
rennenStarten

# The message over the main window, whose title already tells it.
warteAufZeile "$arbeit/erster.rec" '^getrennt ' 300
hauptfenster() { beantwortet=""; fenster "$1"; } # the main window, answered before
hauptfenster "^Rundomat$hinweis\$"
fenster "$hauptfenstertitel"
xdotool key Return
hauptfenster "^Rundomat$hinweis\$"
handrunden 4
text=$(ergebnisdatei 150)
rundenPruefen "$text" 4
rundenVergleichen "$text" 2 "$(wahreRunden "$arbeit/erster.rec" 1)" 100
rundenVergleichen "$text" 4 "$(wahreRunden "$arbeit/erster.rec" 2)" 100

# A second emulator, chosen with "COM ändern" in the options, times the next race.
printf '%s\n' '0.3 1' '0.4 2' '1.5 1' '1.6 2' '2.7 1' '2.8 2' '3.9 1' '4.0 2' '5.1 1' '5.2 2' \
    >"$arbeit/skript.txt"
sensorEmulatorStarten "$2" zweiter --script "$arbeit/skript.txt" --at-green
xdotool key shift+o
fenster '^Optionen$'
# "COM ändern", at its place in the dialog.
xdotool mousemove --window "$beantwortet" 464 224 click 1
fenster 'welche Schnittstelle'
xdotool type --delay 20 "$pty"
xdotool key Return
fenster '^Optionen$'
xdotool key Escape
hauptfenster "$hauptfenstertitel" # the notice is gone from the title
xdotool key Return
text=$(ergebnisdatei 250 2)
rundenPruefen "$text" 4
rundenVergleichen "$text" 2 "$(wahreRunden "$arbeit/zweiter.rec" 1)" 100
rundenVergleichen "$text" 4 "$(wahreRunden "$arbeit/zweiter.rec" 2)" 100
echo "Sensortrennung: Meldung, Tastaturrunden und ein neuer Port ohne Neustart."
