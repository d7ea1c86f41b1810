// The preload library of the sensor emulator: inside the program under test it stands in
// for the kernel's modem-line ioctls on the pseudo-terminals an emulator drives, so the
// program's unchanged serial code sees its four input lines change. Every other call, and every
// call on any other descriptor, goes to the C library as usual.
#include "Leitungsspeicher.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <dlfcn.h>
#include <linux/futex.h>
#include <linux/serial.h>
#include <mutex>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace {

namespace L = Leitungsspeicher;

using Ioctl = int (*)(int, unsigned long, ...);

Ioctl echtesIoctl() {
    static const auto echt = reinterpret_cast<Ioctl>(dlsym(RTLD_NEXT, "ioctl"));
    return echt;
}

// Unix98 pseudo-terminal slaves have the majors 136 to 143.
bool pseudoterminal(dev_t geraet) {
    return major(geraet) >= 136 && major(geraet) <= 143;
}

// The emulators' memories this process has met. They stay mapped for good: a thread may
// still wait on one after its emulator has gone, and there are only ever a few.
class Verzeichnis {
public:
    L::Speicher* suchen(dev_t terminal) {
        const std::string datei = L::pfad(terminal);
        struct stat angaben {};
        if (stat(datei.c_str(), &angaben) != 0)
            return nullptr;
        const std::lock_guard sperre(m_mutex);
        for (int i = 0; i < m_anzahl; ++i) {
            if (m_eintraege[i].terminal == terminal && m_eintraege[i].datei == angaben.st_ino)
                return m_eintraege[i].speicher;
        }
        if (m_anzahl == Hoechstens)
            return nullptr;
        L::Speicher* speicher = L::verbinden(datei);
        if (!speicher)
            return nullptr;
        speicher->programm.store(getpid());
        m_eintraege[m_anzahl++] = {terminal, angaben.st_ino, speicher};
        return speicher;
    }

private:
    static constexpr int Hoechstens = 64;
    struct Eintrag {
        dev_t terminal;
        ino_t datei;
        L::Speicher* speicher;
    };
    std::mutex m_mutex;
    Eintrag m_eintraege[Hoechstens]{};
    int m_anzahl = 0;
};

Verzeichnis& verzeichnis() {
    static Verzeichnis v;
    return v;
}

L::Speicher* emulierterPort(int fd) {
    struct stat angaben {};
    if (fstat(fd, &angaben) != 0 || !S_ISCHR(angaben.st_mode) || !pseudoterminal(angaben.st_rdev))
        return nullptr;
    return verzeichnis().suchen(angaben.st_rdev);
}

int fehler(int nummer) {
    errno = nummer;
    return -1;
}

struct Zaehler {
    std::uint32_t leitung[L::Modemleitungen];
};

Zaehler zaehler(const L::Speicher& s) {
    Zaehler z{};
    for (int l = 0; l < L::Modemleitungen; ++l)
        z.leitung[l] = s.zaehler[l].load(std::memory_order_acquire);
    return z;
}

// A thread the machine keeps from running is runnable, not asleep: it spins, yielding the
// processor. A signal sent meanwhile is handled before the call it was about to make.
void aufgehalten(std::int64_t nanosekunden) {
    const std::int64_t ende = L::jetzt() + nanosekunden;
    while (L::jetzt() < ende)
        sched_yield();
}

// Like the kernel: returns once a watched line changed after the call began, fails with
// EIO when the port goes, and with EINTR when a signal whose handler lacks SA_RESTART
// arrives (the futex wait is restarted by the kernel exactly when the ioctl would be).
int warten(L::Speicher& s, unsigned long maske) {
    if (const std::int64_t verzug = s.warteverzug.exchange(0); verzug > 0)
        aufgehalten(verzug);
    const Zaehler anfang = zaehler(s);
    for (;;) {
        const std::uint32_t stand = s.stand.load(std::memory_order_acquire);
        if (s.getrennt.load())
            return fehler(EIO);
        const Zaehler z = zaehler(s);
        // The moment of the first edge after the wait began on the lines that ended it.
        std::int64_t weckende = INT64_MAX;
        for (int l = 0; l < L::Modemleitungen; ++l)
            if ((maske & L::bit(L::Modemleitung(l))) && z.leitung[l] != anfang.leitung[l])
                weckende = std::min(
                    weckende, s.flanken[l][anfang.leitung[l] % L::Speicher::Flankenplaetze].load());
        if (weckende != INT64_MAX) {
            L::vermerken(s.wecken, weckende, L::jetzt());
            return 0;
        }
        if (syscall(SYS_futex, &s.stand, FUTEX_WAIT, stand, nullptr, nullptr, 0) == -1 &&
            errno == EINTR)
            return fehler(EINTR);
    }
}

// The outputs the program sets; RTS changes are noted with their moment.
int ausgaengeSetzen(L::Speicher& s, unsigned long anfrage, int bits) {
    constexpr std::uint32_t Ausgaenge = TIOCM_RTS | TIOCM_DTR;
    const std::uint32_t gewaehlt = static_cast<std::uint32_t>(bits) & Ausgaenge;
    std::uint32_t alt = s.leitungen.load();
    std::uint32_t neu = 0;
    do {
        neu = anfrage == TIOCMBIS   ? alt | gewaehlt
              : anfrage == TIOCMBIC ? alt & ~gewaehlt
                                    : (alt & ~Ausgaenge) | gewaehlt;
    } while (!s.leitungen.compare_exchange_weak(alt, neu));
    if ((alt ^ neu) & TIOCM_RTS)
        L::vermerken(s.rts, L::jetzt(), (neu & TIOCM_RTS) ? 1 : 0);
    return 0;
}

int emulieren(L::Speicher& s, unsigned long anfrage, void* argument) {
    // An unplugged adapter answers nothing any more.
    if (s.getrennt.load())
        return fehler(EIO);
    switch (anfrage) {
    case TIOCMGET: *static_cast<int*>(argument) = static_cast<int>(s.leitungen.load()); return 0;
    case TIOCMSET:
    case TIOCMBIS:
    case TIOCMBIC: return ausgaengeSetzen(s, anfrage, *static_cast<int*>(argument));
    case TIOCMIWAIT: return warten(s, reinterpret_cast<unsigned long>(argument));
    case TIOCGICOUNT: {
        serial_icounter_struct z{};
        const Zaehler stand = zaehler(s);
        z.dcd = static_cast<int>(stand.leitung[L::CD]);
        z.dsr = static_cast<int>(stand.leitung[L::DSR]);
        z.cts = static_cast<int>(stand.leitung[L::CTS]);
        z.rng = static_cast<int>(stand.leitung[L::RI]);
        *static_cast<serial_icounter_struct*>(argument) = z;
        return 0;
    }
    case TIOCGSERIAL: {
        serial_struct angaben{};
        angaben.type = PORT_16550A;
        angaben.xmit_fifo_size = 16;
        angaben.baud_base = 115200;
        angaben.flags = static_cast<int>(s.serielleFlags.load());
        *static_cast<serial_struct*>(argument) = angaben;
        return 0;
    }
    case TIOCSSERIAL:
        s.serielleFlags.store(
            static_cast<std::uint32_t>(static_cast<serial_struct*>(argument)->flags));
        return 0;
    default: return -2; // not ours: the terminal answers
    }
}

// Tells the emulator that started the program that the library is in place.
__attribute__((constructor)) void melden() {
    const char* datei = std::getenv("RUNDOMAT_SENSOR_EMULATOR_SPEICHER");
    if (!datei)
        return;
    if (L::Speicher* s = L::verbinden(datei)) {
        s->programm.store(getpid());
        L::trennen(s);
    }
}

} // namespace

extern "C" int ioctl(int fd, unsigned long anfrage, ...) noexcept {
    va_list argumente;
    va_start(argumente, anfrage);
    void* argument = va_arg(argumente, void*);
    va_end(argumente);
    const int gesichert = errno;
    if (L::Speicher* s = emulierterPort(fd)) {
        const int ergebnis = emulieren(*s, anfrage, argument);
        if (ergebnis != -2)
            return ergebnis;
    }
    errno = gesichert;
    return echtesIoctl()(fd, anfrage, argument);
}

// The C library's terminal calls reach the kernel without going through ioctl above; an
// unplugged adapter fails them too.
namespace {
template <typename Echt, typename... Argumente>
int terminalAufruf(const char* name, int fd, Argumente... argumente) {
    if (L::Speicher* s = emulierterPort(fd); s && s->getrennt.load())
        return fehler(EIO);
    static const auto echt = reinterpret_cast<Echt>(dlsym(RTLD_NEXT, name));
    return echt(fd, argumente...);
}
} // namespace

extern "C" int tcgetattr(int fd, termios* einstellung) noexcept {
    return terminalAufruf<int (*)(int, termios*)>("tcgetattr", fd, einstellung);
}
extern "C" int tcsetattr(int fd, int wann, const termios* einstellung) noexcept {
    return terminalAufruf<int (*)(int, int, const termios*)>("tcsetattr", fd, wann, einstellung);
}
extern "C" int tcflush(int fd, int welche) noexcept {
    return terminalAufruf<int (*)(int, int)>("tcflush", fd, welche);
}
extern "C" int tcdrain(int fd) {
    return terminalAufruf<int (*)(int)>("tcdrain", fd);
}
