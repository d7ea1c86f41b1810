#!/usr/bin/env bash
# Idle CPU of the real program between races with the sensor port open on the sensor
# emulator's lines, which stay still: the watcher sleeps in its wait for a line change and
# reads the lines every few milliseconds besides, for a change its wait cannot see. Prints
# one figure line.
# Usage: sensorleerlauf.sh PATH/TO/rundomat PATH/TO/rundomat-sensor-emulator [SECONDS]
source "$(dirname "$0")/../tests/e2e/gemeinsam.sh"
sekunden=${3:-60}

sensorEmulatorStarten "$2" emulator
einstellungen "port=$pty"
anzeigeStarten de
programmStarten env "LD_PRELOAD=$vorladen" "$1"
fenster '^Rundomat$'
# No board answers on the port: after 2.5 s its lines are watched.
sleep 4

cpu() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
vorher=$(cpu)
sleep "$sekunden"
nachher=$(cpu)
awk -v t=$((nachher - vorher)) -v hz="$(getconf CLK_TCK)" -v s="$sekunden" \
    'BEGIN { printf "figure idle_cpu_sensor_port_open %.2f %%\n", t / hz / s * 100 }'
