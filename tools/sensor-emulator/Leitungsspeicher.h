// The modem lines of one emulated serial port, in memory that the sensor emulator and the
// preload library inside the program under test share: the emulator drives CD, DSR, CTS
// and RI and counts their edges, the library answers the program's modem-line ioctls from it and
// writes back the RTS changes and the moments its waits returned. One file per
// pseudo-terminal, named after the terminal's device number.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace Leitungsspeicher {

// Changes whenever the layout does, so a library and an emulator of different builds
// never read each other's memory.
inline constexpr std::uint32_t Kennung = 0x524d4c35; // "RML5"

// The four inputs, in the order of the lanes they carry.
enum Modemleitung : int { CD, DSR, CTS, RI };
inline constexpr int Modemleitungen = 4;
inline constexpr const char* Leitungsnamen[Modemleitungen] = {"CD", "DSR", "CTS", "RI"};

// A moment the program reported, written by the library, read by the emulator.
struct Vermerk {
    std::atomic<std::uint32_t> fertig; // set last: the fields below are complete
    std::int64_t a;
    std::int64_t b;
};

// A ring the library appends to and the emulator reads in order. Entries the emulator
// has not read within a whole turn are overwritten; it reads every few milliseconds.
template <std::uint32_t N> struct Ring {
    static constexpr std::uint32_t Plaetze = N;
    std::atomic<std::uint32_t> geschrieben; // entries ever reserved
    Vermerk vermerke[N];
};

struct Speicher {
    std::atomic<std::uint32_t> kennung; // Kennung once the emulator has set everything up
    // Bumped after every change of a line and when the port fails; a wait sleeps on it.
    std::atomic<std::uint32_t> stand;
    std::atomic<std::uint32_t> leitungen; // TIOCM_* bits: the inputs from the emulator,
                                          // RTS and DTR as the program set them
    // By Modemleitung. RI's counts only its trailing edges, as an 8250-type UART's does.
    std::atomic<std::uint32_t> zaehler[Modemleitungen];
    // Monotonic ns of each line's recent counted edges, by the edge's number modulo the
    // size: a wait that returns late finds the moment of the edge that woke it, not of the
    // latest one.
    static constexpr std::uint32_t Flankenplaetze = 64;
    std::atomic<std::int64_t> flanken[Modemleitungen][Flankenplaetze];
    std::atomic<std::uint32_t> getrennt;      // the port fails like an unplugged adapter
    std::atomic<std::int32_t> programm;       // pid of the program that uses the port
    std::atomic<std::uint32_t> serielleFlags; // what TIOCSSERIAL set
    // The program's next wait begins this many ns late, as if the machine kept its thread
    // from running between its last reading and the wait; taken by that wait.
    std::atomic<std::int64_t> warteverzug;
    Ring<4096> rts;     // a: monotonic ns, b: the new RTS level
    Ring<65536> wecken; // a: the edge that ended the wait, b: its return, monotonic ns
};

// The monotonic clock in nanoseconds, the clock steady_clock reads on Linux.
std::int64_t jetzt();

// The file of the pseudo-terminal with this device number, in the folder that
// RUNDOMAT_SENSOR_EMULATOR_DIR names (/dev/shm unless set).
std::string pfad(dev_t terminal);

// Creates the file (replacing one a killed emulator left) and maps it; nullptr on failure.
Speicher* anlegen(const std::string& datei);
// Maps an existing file whose emulator has set it up; nullptr otherwise.
Speicher* verbinden(const std::string& datei);
void trennen(Speicher* speicher);

// The TIOCM_* bit of a line.
unsigned bit(Modemleitung leitung);

// The emulator's side: a line changes (its counter counts the edge and a waiting program
// wakes, except for a rise of RI), or the port fails. Both return the moment of the change.
std::int64_t aendern(Speicher& speicher, Modemleitung leitung, bool pegel);
std::int64_t ausfallen(Speicher& speicher);

// Appends to a ring; safe from any number of threads and processes.
template <std::uint32_t N> void vermerken(Ring<N>& ring, std::int64_t a, std::int64_t b) {
    const std::uint32_t nummer = ring.geschrieben.fetch_add(1, std::memory_order_relaxed);
    Vermerk& v = ring.vermerke[nummer % N];
    v.fertig.store(0, std::memory_order_relaxed);
    v.a = a;
    v.b = b;
    v.fertig.store(nummer + 1, std::memory_order_release);
}

// Reads the entry `nummer` (counted from 0) once it is complete; false when it is not yet.
template <std::uint32_t N>
bool lesen(Ring<N>& ring, std::uint32_t nummer, std::int64_t& a, std::int64_t& b) {
    Vermerk& v = ring.vermerke[nummer % N];
    if (v.fertig.load(std::memory_order_acquire) != nummer + 1)
        return false;
    a = v.a;
    b = v.b;
    return true;
}

} // namespace Leitungsspeicher
