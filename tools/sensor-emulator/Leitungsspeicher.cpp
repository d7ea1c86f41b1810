#include "Leitungsspeicher.h"

#include <climits>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <linux/futex.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace Leitungsspeicher {

std::int64_t jetzt() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

std::string pfad(dev_t terminal) {
    const char* ordner = std::getenv("RUNDOMAT_SENSOR_EMULATOR_DIR");
    return std::string(ordner && *ordner ? ordner : "/dev/shm") + "/rundomat-sensor-" +
           std::to_string(major(terminal)) + "-" + std::to_string(minor(terminal));
}

namespace {
Speicher* abbilden(int fd) {
    void* adresse = mmap(nullptr, sizeof(Speicher), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    return adresse == MAP_FAILED ? nullptr : static_cast<Speicher*>(adresse);
}
} // namespace

Speicher* anlegen(const std::string& datei) {
    // A new file, never the old one: a program may still have the old one mapped.
    unlink(datei.c_str());
    const int fd = open(datei.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    if (ftruncate(fd, sizeof(Speicher)) != 0) {
        close(fd);
        unlink(datei.c_str());
        return nullptr;
    }
    // The file starts zeroed, which is every counter's and ring's starting state.
    return abbilden(fd);
}

Speicher* verbinden(const std::string& datei) {
    const int fd = open(datei.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat angaben {};
    if (fstat(fd, &angaben) != 0 || angaben.st_size != static_cast<off_t>(sizeof(Speicher))) {
        close(fd);
        return nullptr;
    }
    Speicher* speicher = abbilden(fd);
    if (speicher && speicher->kennung.load(std::memory_order_acquire) != Kennung) {
        trennen(speicher);
        return nullptr;
    }
    return speicher;
}

namespace {
void wecken(Speicher& s) {
    s.stand.fetch_add(1, std::memory_order_release);
    syscall(SYS_futex, &s.stand, FUTEX_WAKE, INT_MAX, nullptr, nullptr, 0);
}
} // namespace

unsigned bit(Modemleitung leitung) {
    constexpr unsigned Bits[Modemleitungen] = {TIOCM_CD, TIOCM_DSR, TIOCM_CTS, TIOCM_RNG};
    return Bits[leitung];
}

std::int64_t aendern(Speicher& s, Modemleitung leitung, bool pegel) {
    // Stamped before anything changes: the latency a waiting program sees starts here.
    const std::int64_t zeit = jetzt();
    if (pegel)
        s.leitungen.fetch_or(bit(leitung));
    else
        s.leitungen.fetch_and(~bit(leitung));
    // The UART the emulator stands for reports only RI's trailing edge: its rise moves no
    // counter and wakes nobody, it only shows in the level.
    if (leitung == RI && pegel)
        return zeit;
    std::atomic<std::uint32_t>& zaehler = s.zaehler[leitung];
    // Only the emulator changes lines, from one thread: the counter is this edge's number.
    const std::uint32_t nummer = zaehler.load(std::memory_order_relaxed);
    s.flanken[leitung][nummer % Speicher::Flankenplaetze].store(zeit, std::memory_order_relaxed);
    zaehler.store(nummer + 1, std::memory_order_release);
    wecken(s);
    return zeit;
}

std::int64_t ausfallen(Speicher& s) {
    s.getrennt.store(1);
    wecken(s);
    return jetzt();
}

void trennen(Speicher* speicher) {
    if (speicher)
        munmap(speicher, sizeof(Speicher));
}

} // namespace Leitungsspeicher
