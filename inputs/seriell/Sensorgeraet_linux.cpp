// The sensor port on Linux: QSerialPort opens it (exclusively, with a lock file) and the
// watcher blocks in TIOCMIWAIT on the same descriptor.
#include "Sensorgeraet.h"

#include "KurzeZeitscheibe.h"

#include <QSerialPort>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <mutex>
#include <pthread.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The kernel's "no such ioctl" before it is turned into ENOTTY; some drivers leak it.
constexpr int ENOIOCTLCMD_ = 515;

// close() does not wake a thread blocked in TIOCMIWAIT; a signal whose handler is
// installed without SA_RESTART does, with EINTR.
int weckSignal() {
    static std::once_flag eingerichtet;
    const int signal = SIGRTMIN + 3;
    std::call_once(eingerichtet, [signal] {
        struct sigaction aktion {};
        aktion.sa_handler = [](int) {};
        sigemptyset(&aktion.sa_mask);
        aktion.sa_flags = 0;
        sigaction(signal, &aktion, nullptr);
    });
    return signal;
}

Antwort fehlerAntwort(int fehler) {
    if (fehler == EINTR)
        return Antwort::Unterbrochen;
    if (fehler == ENOTTY || fehler == EINVAL || fehler == ENOIOCTLCMD_)
        return Antwort::NichtUnterstuetzt;
    return Antwort::Getrennt; // EIO once the adapter is pulled out, ENODEV, ...
}

// A reading ioctl, repeated when a signal cut it short.
Antwort lesendesIoctl(int fd, unsigned long anfrage, void* ziel) {
    while (::ioctl(fd, anfrage, ziel) == -1) {
        if (errno != EINTR)
            return fehlerAntwort(errno);
    }
    return Antwort::Ok;
}

class LinuxSensorgeraet final : public Sensorgeraet, public Leitungsquelle {
public:
    explicit LinuxSensorgeraet(const QString& geraet) { m_port.setPortName(geraet); }

    bool oeffnen() {
        // Everything is set before the port opens: on 8250 UARTs a later tcsetattr turns
        // off the modem-status interrupt a waiting TIOCMIWAIT relies on.
        m_port.setBaudRate(QSerialPort::Baud9600);
        m_port.setDataBits(QSerialPort::Data8);
        m_port.setParity(QSerialPort::NoParity);
        m_port.setStopBits(QSerialPort::OneStop);
        m_port.setFlowControl(QSerialPort::NoFlowControl);
        // Write-only: no data comes in, so Qt keeps no read notifier or buffer.
        if (!m_port.open(QIODevice::WriteOnly))
            return false;
        m_fd = static_cast<int>(m_port.handle());
        lokalBleiben();
        niedrigeLatenz();
        weckSignal();
        return true;
    }

    Leitungsquelle& leitungen() override { return *this; }

    void RTSEnable(bool an) override { m_port.setRequestToSend(an); }

    Antwort warten() override {
        m_wartender = pthread_self();
        m_faden = gettid();
        m_wartet = true;
        const int ergebnis =
            ::ioctl(m_fd, TIOCMIWAIT, TIOCM_CD | TIOCM_DSR | TIOCM_CTS | TIOCM_RNG);
        const int fehler = errno;
        m_wartet = false;
        return ergebnis == 0 ? Antwort::Ok : fehlerAntwort(fehler);
    }

    void fadenBeginnt() override { kurzeZeitscheibe(); }

    // TIOCMIWAIT notes the counters as it begins and wakes when they move on from there.
    bool blindVorDemWarten() const override { return true; }

    // Nothing between the flag and the ioctl sleeps, so a waiting thread that sleeps (state
    // S, while running or kept from running it is R) sleeps in TIOCMIWAIT.
    bool wartetSchon() override {
        if (!m_wartet)
            return false;
        char pfad[48];
        std::snprintf(pfad, sizeof pfad, "/proc/self/task/%d/stat", static_cast<int>(m_faden));
        const int fd = ::open(pfad, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        char text[512];
        const ssize_t gelesen = ::read(fd, text, sizeof text - 1);
        ::close(fd);
        if (gelesen <= 0)
            return false;
        text[gelesen] = '\0';
        // The state follows the thread's name in parentheses, which may hold anything.
        const char* nachName = std::strrchr(text, ')');
        return nachName && nachName[1] == ' ' && nachName[2] == 'S' && m_wartet;
    }

    Antwort zaehlerLesen(Flankenzaehler& zaehler) override {
        serial_icounter_struct z{};
        const Antwort antwort = lesendesIoctl(m_fd, TIOCGICOUNT, &z);
        zaehler = {static_cast<std::uint32_t>(z.dcd), static_cast<std::uint32_t>(z.dsr),
                   static_cast<std::uint32_t>(z.cts), static_cast<std::uint32_t>(z.rng)};
        return antwort;
    }

    Antwort pegelLesen(Pegel& pegel) override {
        int leitungen = 0;
        const Antwort antwort = lesendesIoctl(m_fd, TIOCMGET, &leitungen);
        pegel = {(leitungen & TIOCM_CD) != 0, (leitungen & TIOCM_DSR) != 0,
                 (leitungen & TIOCM_CTS) != 0, (leitungen & TIOCM_RNG) != 0};
        return antwort;
    }

    void abbrechen() override {
        if (m_wartet)
            pthread_kill(m_wartender, weckSignal());
    }

private:
    // Without CLOCAL a falling carrier would hang up the tty and end the watching.
    void lokalBleiben() {
        termios einstellung{};
        if (tcgetattr(m_fd, &einstellung) == 0 && !(einstellung.c_cflag & CLOCAL)) {
            einstellung.c_cflag |= CLOCAL;
            tcsetattr(m_fd, TCSANOW, &einstellung);
        }
    }

    // USB adapters (FTDI) then report line changes within 1 ms instead of 16 ms. Allowed
    // without root; drivers that do not know it keep their own timing.
    void niedrigeLatenz() {
        serial_struct serial{};
        if (::ioctl(m_fd, TIOCGSERIAL, &serial) == 0 && !(serial.flags & ASYNC_LOW_LATENCY)) {
            serial.flags |= ASYNC_LOW_LATENCY;
            ::ioctl(m_fd, TIOCSSERIAL, &serial);
        }
    }

    QSerialPort m_port;
    int m_fd = -1;
    std::atomic<pthread_t> m_wartender{};
    std::atomic<pid_t> m_faden{0};
    std::atomic<bool> m_wartet{false};
};

} // namespace

std::unique_ptr<Sensorgeraet> sensorgeraetOeffnen(const QString& geraet) {
    auto sensorgeraet = std::make_unique<LinuxSensorgeraet>(geraet);
    if (!sensorgeraet->oeffnen())
        return nullptr;
    return sensorgeraet;
}
