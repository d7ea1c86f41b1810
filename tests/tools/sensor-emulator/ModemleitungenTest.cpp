// The preload library against the kernel's behaviour, in a process it is preloaded into:
// levels and counters, the wait and how signals and a failing port end it, RTS noted with
// its moment, and descriptors of other terminals left alone.
#include "Leitungsspeicher.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <future>
#include <gtest/gtest.h>
#include <linux/serial.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace L = Leitungsspeicher;
using namespace std::chrono_literals;

namespace {

struct Emulierter {
    int master = -1;
    int slave = -1;
    L::Speicher* s = nullptr;
    std::string datei;

    Emulierter() {
        setenv("RUNDOMAT_SENSOR_EMULATOR_DIR", ::testing::TempDir().c_str(), 1);
        openpty(&master, &slave, nullptr, nullptr, nullptr);
        struct stat angaben {};
        fstat(slave, &angaben);
        datei = L::pfad(angaben.st_rdev);
        s = L::anlegen(datei);
        s->kennung.store(L::Kennung);
    }
    ~Emulierter() {
        L::trennen(s);
        unlink(datei.c_str());
        close(master);
        close(slave);
    }
    // A wait on another thread, started and given time to block.
    std::future<std::pair<int, int>> warten(pthread_t* faden = nullptr) {
        std::promise<pthread_t> wer;
        auto ergebnis = std::async(std::launch::async, [this, &wer] {
            wer.set_value(pthread_self());
            const int r = ioctl(slave, TIOCMIWAIT, TIOCM_CD | TIOCM_DSR | TIOCM_CTS | TIOCM_RNG);
            return std::pair{r, errno};
        });
        const pthread_t f = wer.get_future().get();
        if (faden)
            *faden = f;
        std::this_thread::sleep_for(50ms);
        return ergebnis;
    }
};

std::atomic<int> signale{0};
void zaehlen(int) {
    ++signale;
}
std::atomic<bool> aufgehalten{false};
std::atomic<bool> freigegeben{false};
// Keeps the waiting thread from running, as a busy machine would, until released.
void aufhalten(int) {
    aufgehalten = true;
    while (!freigegeben)
        std::this_thread::yield();
}
void handler(int signal, int flags, void (*behandlung)(int) = zaehlen) {
    struct sigaction aktion {};
    aktion.sa_handler = behandlung;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = flags;
    sigaction(signal, &aktion, nullptr);
}

} // namespace

TEST(Modemleitungen, PegelZaehlerUndRtsWieVomKernel) {
    Emulierter e;
    L::aendern(*e.s, L::CD, true);
    L::aendern(*e.s, L::DSR, true);
    L::aendern(*e.s, L::DSR, false);
    L::aendern(*e.s, L::CTS, true);
    L::aendern(*e.s, L::RI, true);
    int leitungen = 0;
    ASSERT_EQ(ioctl(e.slave, TIOCMGET, &leitungen), 0);
    EXPECT_EQ(leitungen & (TIOCM_CD | TIOCM_DSR | TIOCM_CTS | TIOCM_RNG),
              TIOCM_CD | TIOCM_CTS | TIOCM_RNG);
    serial_icounter_struct z{};
    ASSERT_EQ(ioctl(e.slave, TIOCGICOUNT, &z), 0);
    EXPECT_EQ(z.dcd, 1);
    EXPECT_EQ(z.dsr, 2);
    EXPECT_EQ(z.cts, 1);
    EXPECT_EQ(z.rng, 0) << "like an 8250, RI counts its trailing edge only";

    int rts = TIOCM_RTS;
    ioctl(e.slave, TIOCMBIS, &rts);
    ioctl(e.slave, TIOCMBIS, &rts); // no change, nothing noted
    ioctl(e.slave, TIOCMBIC, &rts);
    EXPECT_EQ(e.s->rts.geschrieben.load(), 2u);
    std::int64_t zeit = 0;
    std::int64_t pegel = 0;
    ASSERT_TRUE(L::lesen(e.s->rts, 1, zeit, pegel));
    EXPECT_EQ(pegel, 0);
    EXPECT_LE(zeit, L::jetzt());

    termios t{};
    EXPECT_EQ(tcgetattr(e.slave, &t), 0) << "the terminal itself answers the rest";
}

TEST(Modemleitungen, DasWartenEndetMitDerAenderungOderEinemSignalOhneSaRestart) {
    Emulierter e;
    auto gewartet = e.warten();
    const std::int64_t flanke = L::aendern(*e.s, L::CD, true);
    ASSERT_EQ(gewartet.wait_for(2s), std::future_status::ready);
    EXPECT_EQ(gewartet.get().first, 0);
    std::int64_t a = 0;
    std::int64_t b = 0;
    ASSERT_TRUE(L::lesen(e.s->wecken, 0, a, b));
    EXPECT_EQ(a, flanke);
    EXPECT_GE(b, flanke) << "the wait's return is noted after the change";

    const int signal = SIGRTMIN + 5;
    handler(signal, SA_RESTART);
    pthread_t faden{};
    gewartet = e.warten(&faden);
    pthread_kill(faden, signal);
    EXPECT_EQ(gewartet.wait_for(200ms), std::future_status::timeout)
        << "with SA_RESTART the kernel goes on waiting";
    L::aendern(*e.s, L::DSR, true);
    ASSERT_EQ(gewartet.wait_for(2s), std::future_status::ready);
    EXPECT_EQ(gewartet.get().first, 0);

    handler(signal, 0);
    gewartet = e.warten(&faden);
    pthread_kill(faden, signal);
    ASSERT_EQ(gewartet.wait_for(2s), std::future_status::ready);
    EXPECT_EQ(gewartet.get(), (std::pair{-1, EINTR}));
    EXPECT_EQ(signale.load(), 2);
}

// RI's rise wakes no wait, as on the UARTs that report only its trailing edge; the drop does.
TEST(Modemleitungen, NurDasFallenVonRiWecktDasWarten) {
    Emulierter e;
    auto gewartet = e.warten();
    L::aendern(*e.s, L::RI, true);
    EXPECT_EQ(gewartet.wait_for(100ms), std::future_status::timeout);
    const std::int64_t abfall = L::aendern(*e.s, L::RI, false);
    ASSERT_EQ(gewartet.wait_for(2s), std::future_status::ready);
    EXPECT_EQ(gewartet.get().first, 0);
    std::int64_t flanke = 0;
    std::int64_t rueckkehr = 0;
    ASSERT_TRUE(L::lesen(e.s->wecken, 0, flanke, rueckkehr));
    EXPECT_EQ(flanke, abfall);

    gewartet = e.warten();
    L::aendern(*e.s, L::CTS, true);
    ASSERT_EQ(gewartet.wait_for(2s), std::future_status::ready) << "CTS wakes on both edges";
}

TEST(Modemleitungen, EinZuSpaetZurueckgekehrtesWartenNenntDieFlankeDieEsWeckte) {
    Emulierter e;
    const int signal = SIGRTMIN + 6;
    handler(signal, SA_RESTART, aufhalten);
    pthread_t faden{};
    auto gewartet = e.warten(&faden);
    pthread_kill(faden, signal);
    while (!aufgehalten)
        std::this_thread::yield();
    const std::int64_t erste = L::aendern(*e.s, L::CD, true);
    L::aendern(*e.s, L::DSR, true);
    L::aendern(*e.s, L::CD, false);
    freigegeben = true;
    ASSERT_EQ(gewartet.wait_for(2s), std::future_status::ready);
    std::int64_t flanke = 0;
    std::int64_t rueckkehr = 0;
    ASSERT_TRUE(L::lesen(e.s->wecken, 0, flanke, rueckkehr));
    EXPECT_EQ(flanke, erste) << "the latency a late wake-up shows starts at its first edge";
}

TEST(Modemleitungen, EinAusgefallenerPortWecktDenWartendenUndAntwortetNurNochEio) {
    Emulierter e;
    auto gewartet = e.warten();
    L::ausfallen(*e.s);
    ASSERT_EQ(gewartet.wait_for(2s), std::future_status::ready);
    EXPECT_EQ(gewartet.get(), (std::pair{-1, EIO}));
    int leitungen = 0;
    EXPECT_EQ(ioctl(e.slave, TIOCMGET, &leitungen), -1);
    termios t{};
    EXPECT_EQ(tcgetattr(e.slave, &t), -1);
    EXPECT_EQ(errno, EIO);
}

TEST(Modemleitungen, AndereTerminalsBleibenWieSieSind) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    int leitungen = 0;
    EXPECT_EQ(ioctl(slave, TIOCMGET, &leitungen), -1) << "a pseudo-terminal has no modem lines";
    close(master);
    close(slave);
}
