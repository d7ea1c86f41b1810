# Shared by the end-to-end tests: a private Xvfb with a keyboard layout, the program's
# settings folder and data folder in a temporary directory, and waiting for windows.
set -euo pipefail
arbeit=$(mktemp -d)
app="" xserver="" nebenprozess="" emulatoren="" sitzungsbus="" aufnahme=""
aufraeumen() {
    for p in "$app" "$nebenprozess" $emulatoren "$aufnahme" "$sitzungsbus" "$xserver"; do
        [ -n "$p" ] && kill "$p" 2>/dev/null || true
    done
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }
# The main window's title; between the races of a night the next Lauf stands behind it.
hauptfenstertitel='^Rundomat( – Als Nächstes: .*)?$'

mkdir -p "$arbeit/daten" "$arbeit/config/rundomat"
# Settings for the run, one key=value per argument.
einstellungen() {
    { echo '[einstellung]'; printf '%s\n' "$@"; } >"$arbeit/config/rundomat/rundomat.conf"
}

# Xvfb on a display of its own, with the given keyboard layout and screen size (1024x768
# unless told). The server picks the first free display itself and tells its number
# (-displayfd): two tests starting at once can never end up on one server.
# -noreset keeps the server (and its layout) as it is when a client such as setxkbmap
# disconnects; a reset would drop the layout and refuse connections for a moment.
anzeigeStarten() {
    Xvfb -displayfd 3 -screen 0 "${2:-1024x768}x24" -nolisten tcp -noreset \
        3>"$arbeit/anzeige" >"$arbeit/xvfb.txt" 2>&1 &
    xserver=$!
    for _ in $(seq 300); do
        grep -q . "$arbeit/anzeige" 2>/dev/null && break
        kill -0 "$xserver" 2>/dev/null || fehler "Xvfb startet nicht: $(cat "$arbeit/xvfb.txt")"
        sleep 0.1
    done
    grep -q . "$arbeit/anzeige" || fehler "Xvfb nennt keine Anzeige: $(cat "$arbeit/xvfb.txt")"
    export DISPLAY=":$(head -n1 "$arbeit/anzeige")" XDG_CONFIG_HOME="$arbeit/config" \
        XDG_RUNTIME_DIR="$arbeit"
    for _ in $(seq 100); do
        setxkbmap "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    fehler "Xvfb nimmt die Tastaturbelegung $1 nicht an: $(cat "$arbeit/xvfb.txt")"
}

# A session bus of our own, behind which the accessibility bus starts when the program asks
# for it: the program's windows can then be read as a screen reader reads them
# (fensterinhalt.py). Call after anzeigeStarten, before programmStarten.
bildschirmleserStarten() {
    eval "$(dbus-launch --sh-syntax)"
    sitzungsbus=$DBUS_SESSION_BUS_PID
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# What the program's windows show, read as a screen reader reads them, once a line matches
# the pattern: one line per widget (fensterinhalt.py, which takes further options).
fensterinhalt() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/fensterinhalt.py" --bis "$@" ||
        fehler "das Fenster zeigt nie '$1'"
}

# Waits until the program's windows, read as a screen reader reads them, show a line that
# matches the first pattern and, with a second, none that matches that one.
zeigt() {
    fensterinhalt "$1" ${2:+--ohne "$2"} >/dev/null
}

# A private PulseAudio whose only output is the null sink "rennbahn", ended with the test.
tonserverStarten() {
    mkdir -p "$arbeit/pulse"
    export PULSE_RUNTIME_PATH=$arbeit/pulse PULSE_SERVER=unix:$arbeit/pulse/native
    HOME=$arbeit/pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --load="module-native-protocol-unix socket=$arbeit/pulse/native auth-anonymous=1" \
        --load="module-null-sink sink_name=rennbahn" >"$arbeit/pulse.txt" 2>&1 &
    emulatoren="$emulatoren $!"
    for _ in $(seq 300); do
        pactl info >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fehler "PulseAudio startet nicht: $(cat "$arbeit/pulse.txt")"
}

# Records what the sink "rennbahn" plays to $arbeit/NAME.raw (8 kHz, 16 bits, mono) until
# aufnahmeEnde.
aufnehmen() {
    parec --device=rennbahn.monitor --format=s16le --rate=8000 --channels=1 --raw \
        --latency-msec=20 >"$arbeit/$1.raw" &
    aufnahme=$!
}
aufnahmeEnde() {
    kill "$aufnahme" 2>/dev/null || true
    wait "$aufnahme" 2>/dev/null || true
    aufnahme=""
}
# The lengths in ms of the sounding stretches of recording NAME so far, in 10-ms steps, one a
# line.
klangstrecken() {
    /usr/bin/python3 - "$arbeit/$1.raw" <<'PY'
import array, sys
daten = open(sys.argv[1], "rb").read()  # still being recorded: maybe half a sample
proben = array.array("h", daten[: len(daten) // 2 * 2])
schritt = 80  # 10 ms at 8 kHz
laut = [max(map(abs, proben[i:i + schritt]), default=0) > 1000
        for i in range(0, len(proben), schritt)]
beginn = None
for i, l in enumerate(laut + [False]):
    if l and beginn is None:
        beginn = i
    elif not l and beginn is not None:
        print((i - beginn) * 10)
        beginn = None
PY
}

# Starts the program with the data folder, the signal log $arbeit/signale.txt and any
# further arguments, on the display started before or else on a new one with a German
# keyboard. Before the program: --lesbar lets its windows be read as a screen reader reads
# them (bildschirmleserStarten), --seite has it serve the live page on a free port of [::1]
# (not 127.0.0.1), whose number is then in $port and address in $url.
programmStarten() {
    local web=()
    while :; do
        case $1 in
        --lesbar)
            [ -n "$xserver" ] || anzeigeStarten de
            [ -n "$sitzungsbus" ] || bildschirmleserStarten
            ;;
        --seite)
            port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(socket.AF_INET6)
s.bind(("::1", 0)); print(s.getsockname()[1])')
            url="http://[::1]:$port/"
            web=(--web="[::1]:$port")
            ;;
        *) break ;;
        esac
        shift
    done
    [ -n "$xserver" ] || anzeigeStarten de
    "$@" "${web[@]}" --data-dir "$arbeit/daten" --signal-log "$arbeit/signale.txt" \
        >"$arbeit/ausgabe.txt" 2>&1 &
    app=$!
}

# Fails, with what the program said, once it has ended.
programmLaeuft() {
    kill -0 "$app" 2>/dev/null || fehler "das Programm ist beendet: $(cat "$arbeit/ausgabe.txt")"
}

# Ends the program and waits until it is gone, with its windows: a window of the next one
# may get an old one's number.
programmBeenden() {
    kill "${1:--TERM}" "$app"
    wait "$app" 2>/dev/null || true
    beantwortet=""
}

# Enter in the main window, once it is there (within the given tenths of a second, 300
# unless told): the race starts, on a simulated track or a timing device.
rennenStarten() {
    fenster "$hauptfenstertitel" "${1:-300}"
    xdotool key Return
}

# Enter in the focused main window, then waits until the signal log shows that race's green
# light: from then on a key press is a lap, no longer a false start. Keys given are pressed
# right after Enter, during the countdown: a false start.
losfahren() {
    local vorher gezaehlt
    vorher=$(grep -c $'\tAmpel grün\t' "$arbeit/signale.txt" 2>/dev/null || true)
    xdotool key Return "$@"
    for _ in $(seq 600); do
        gezaehlt=$(grep -c $'\tAmpel grün\t' "$arbeit/signale.txt" 2>/dev/null || true)
        [ "${gezaehlt:-0}" -gt "${vorher:-0}" ] && return 0
        programmLaeuft
        sleep 0.1
    done
    fehler "keine grüne Ampel im Signalprotokoll: $(cat "$arbeit/signale.txt")"
}

# Waits until a window whose title matches appears (for up to the given tenths of a second,
# 300 unless told), and gives it the keyboard. A window that was answered before may still
# be closing; it does not count.
beantwortet=""
fenster() {
    local id=""
    for _ in $(seq "${2:-300}"); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vxF "${beantwortet:-x}" \
            | tail -n1 || true)
        [ -n "$id" ] && break
        programmLaeuft
        sleep 0.1
    done
    [ -n "$id" ] || fehler "kein Fenster '$1'"
    xdotool windowfocus --sync "$id"
    sleep 0.2
    beantwortet=$id
}

# Without a stored port the program asks for one, and after a cancel asks again with the
# error; cancelling that too says that the serial port cannot time the race and leaves the
# keyboard, which the window's title then tells as well. Ends with the main window focused.
nurTastatur() {
    fenster 'welche Schnittstelle' 600 # the program's start: slow on a busy machine
    xdotool key Escape
    fenster 'welche Schnittstelle'
    xdotool key Escape
    fenster "$hauptfenstertitel"
    xdotool key Return
    fenster '^Rundomat   -> Zeitaufnahme über die serielle Schnittstelle nicht möglich$'
}

# Laps by hand in the focused main window, as many as told: Shift+1, then Shift+2.
handrunden() {
    for _ in $(seq "$1"); do
        xdotool key shift+1
        sleep 0.3
        xdotool key shift+2
        sleep 0.9
    done
}

# A five-lap race by hand from the focused main window: Enter, the countdown, Shift+1 and
# Shift+2 until both lanes are home. Lane 1 wins: its driver is offered for the Hall of
# Fame; the list is shown, then closed.
handrennen() {
    losfahren
    handrunden 6
    hofEintragen
}

# The race's winner set a record: once the question for the Hall of Fame is there (within the
# given tenths of a second, 300 unless told), Enter takes the name offered, and the list
# then shown is closed.
hofEintragen() {
    fenster 'Gut gefahren' "${1:-300}"
    hofEintragBestaetigen
}
# The same once the question has the keyboard.
hofEintragBestaetigen() {
    xdotool key Return
    fenster 'Hall of Fame'
    xdotool key Return
}

# The result file the race end wrote (permanent logging), as UTF-8 without CRs; waits up
# to the given fifths of a second while the program runs. With a second argument n, the
# n-th race's file; with a third, the folder it is in ($arbeit/daten unless told).
ergebnisdatei() {
    local datei="" ordner=${3:-$arbeit/daten}
    for _ in $(seq "${1:-100}"); do
        datei=$(ls "$ordner"/Rennergebnis*.txt 2>/dev/null | sed -n "${2:-1}p" || true)
        [ -n "$datei" ] && break
        [ -z "$app" ] || programmLaeuft
        sleep 0.2
    done
    [ -n "$datei" ] || fehler "keine Ergebnisdatei in $ordner"
    iconv -f WINDOWS-1252 -t UTF-8 "$datei" | tr -d '\r'
}

# Exports the race history with the program to the file (CSV or JSON by its ending) until
# the further arguments, run as a command, succeed: for up to 30 s. An export that fails
# counts as not yet, as one the database is not ready for.
bisExportiert() {
    local programm=$1 datei=$2
    shift 2
    for _ in $(seq 150); do
        "$programm" --verlauf-export "$datei" --data-dir "$arbeit/daten" 2>"$arbeit/export.err" &&
            "$@" && return 0
        sleep 0.2
    done
    fehler "der Export zeigt nie ($*): $(cat "$datei" "$arbeit/export.err" 2>/dev/null)"
}
# Whether a JSON file holds what the Python expression on its content `j` says.
jsonGilt() {
    /usr/bin/python3 -c 'import json, sys
j = json.load(open(sys.argv[1], encoding="utf-8"))
sys.exit(not eval("(" + sys.argv[2] + ")"))  # the expression may span lines' "$1" "$2"
}
# Whether a file has at least that many lines.
mindestensZeilen() { [ "$(wc -l <"$1")" -ge "$2" ]; }

# Checks that rows 1 to n of a result text are laps with times and speeds on every lane
# (two unless told) and row n+1 is the summary.
rundenPruefen() {
    local text=$1 runden=$2 felder=$((2 * ${3:-2})) r
    local zahlen="(	[0-9]+,[0-9]{3}){$felder}"
    for r in $(seq "$runden"); do
        grep -qE "^$r$zahlen$" <<<"$(sed -n "$((r + 2))p" <<<"$text")" || fehler "Runde $r: $text"
    done
    grep -qE "^->$zahlen$" <<<"$(sed -n "$((runden + 3))p" <<<"$text")" ||
        fehler "Zusammenfassung: $text"
}

# Starts a sensor emulator with the given arguments; its output goes to $arbeit/NAME.txt
# and its record to $arbeit/NAME.rec. Sets pty (the port for the program) and vorladen
# (the LD_PRELOAD value under which the program sees the emulator's lines).
export RUNDOMAT_SENSOR_EMULATOR_DIR="$arbeit"
sensorEmulatorStarten() {
    local programm=$1 name=$2
    shift 2
    "$programm" --record "$arbeit/$name.rec" "$@" >"$arbeit/$name.txt" 2>"$arbeit/$name.err" &
    emulatoren="$emulatoren $!"
    warteAufZeilen "$arbeit/$name.txt" 2
    pty=$(sed -n 1p "$arbeit/$name.txt")
    vorladen=$(sed -n 2p "$arbeit/$name.txt" | sed 's/^LD_PRELOAD=//')
    [ -e "$pty" ] && [ -e "$vorladen" ] ||
        fehler "kein Pseudoterminal vom Sensor-Emulator: $(cat "$arbeit/$name".{txt,err})"
}

# Starts an emulator that opens a pseudo-terminal and names it in its first line of output
# ($arbeit/NAME.txt), with the given arguments; sets pty.
terminalEmulatorStarten() {
    local name=$1 programm=$2
    shift 2
    "$programm" "$@" >"$arbeit/$name.txt" 2>&1 &
    emulatoren="$emulatoren $!"
    for _ in $(seq 300); do [ -s "$arbeit/$name.txt" ] && break; sleep 0.1; done
    pty=$(head -n1 "$arbeit/$name.txt")
    [ -e "$pty" ] || fehler "kein Pseudoterminal von $programm: $(cat "$arbeit/$name.txt")"
}

# Waits until a file has at least n lines, up to the given tenths of a second (300 unless
# told); what they say the caller checks.
warteAufZeilen() {
    for _ in $(seq "${3:-300}"); do
        [ "$(cat "$1" 2>/dev/null | wc -l)" -ge "$2" ] && break
        sleep 0.1
    done
}

# Waits until a file has a line matching the pattern (grep -E), up to the given tenths of
# a second.
warteAufZeile() {
    local datei=$1 muster=$2
    for _ in $(seq "${3:-300}"); do
        grep -qE "$muster" "$datei" 2>/dev/null && return 0
        programmLaeuft
        sleep 0.1
    done
    fehler "keine Zeile '$muster' in $datei"
}

# The lap times of a lane (1 or 2) that a record's passages make, one a line in seconds:
# lap 1 from the green light (RTS off), each further lap from the passage before; none
# after the port failed.
wahreRunden() {
    awk -v spur="$2" '
        $1 == "getrennt" { exit }
        $1 == "rts" && $3 == 0 && !gruen { gruen = $2 }
        $1 == "durchfahrt" && $3 == spur {
            if ($4 == 1) printf "%.6f\n", ($2 - gruen) / 1e9
            else if ($4 > 1) printf "%.6f\n", ($2 - vorige) / 1e9
            vorige = $2
        }' "$1"
}

# Compares the first lap times of a result text's lane (column 2 for lane 1, 4 for lane 2)
# with the true ones, as many as there are, within the tolerance in milliseconds.
rundenVergleichen() {
    local text=$1 spalte=$2 wahr=$3 toleranz=$4
    local gemessen
    [ -n "$wahr" ] || fehler "keine wahren Runden"
    gemessen=$(sed -n '3,$p' <<<"$text" | awk -F'\t' -v s="$spalte" \
        '$1 ~ /^[0-9]+$/ && $s != "" { gsub(",", ".", $s); print $s }' | head -n "$(wc -l <<<"$wahr")")
    paste <(echo "$gemessen") <(echo "$wahr") | awk -v tol="$toleranz" '
        { n++; d = ($1 - $2) * 1000; if (d < 0) d = -d
          if ($1 == "" || $2 == "" || d > tol) { print "Runde " n ": gemessen " $1 ", wahr " $2; f = 1 } }
        END { exit f }' || fehler "Rundenzeiten weichen ab: $text"
}
