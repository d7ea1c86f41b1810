// The sensor port on Windows: opened natively for overlapped I/O, so a WaitCommEvent on
// the four lines can be ended by a stop event. Time stamps come from steady_clock, which
// is QueryPerformanceCounter here.
#include "Sensorgeraet.h"

#include <windows.h>

namespace {

class WindowsSensorgeraet final : public Sensorgeraet, public Leitungsquelle {
public:
    ~WindowsSensorgeraet() override {
        if (m_port != INVALID_HANDLE_VALUE)
            CloseHandle(m_port);
        if (m_stopp)
            CloseHandle(m_stopp);
        if (m_ereignis)
            CloseHandle(m_ereignis);
    }

    bool oeffnen(const QString& geraet) {
        // COM10 and above only open through the device namespace.
        const std::wstring name = (QStringLiteral("\\\\.\\") + geraet).toStdWString();
        m_port = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
        m_stopp = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        m_ereignis = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (m_port == INVALID_HANDLE_VALUE || !m_stopp || !m_ereignis)
            return false;
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(m_port, &dcb))
            return false;
        dcb.BaudRate = CBR_9600;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fOutxCtsFlow = FALSE;
        dcb.fOutxDsrFlow = FALSE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        return SetCommState(m_port, &dcb) &&
               SetCommMask(m_port, EV_RLSD | EV_DSR | EV_CTS | EV_RING);
    }

    Leitungsquelle& leitungen() override { return *this; }

    void RTSEnable(bool an) override { EscapeCommFunction(m_port, an ? SETRTS : CLRRTS); }

    Antwort warten() override {
        OVERLAPPED overlapped{};
        overlapped.hEvent = m_ereignis;
        DWORD maske = 0;
        if (!WaitCommEvent(m_port, &maske, &overlapped)) {
            if (GetLastError() != ERROR_IO_PENDING)
                return Antwort::Getrennt;
            const HANDLE handles[] = {m_ereignis, m_stopp};
            if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0) {
                CancelIo(m_port);
                DWORD uebertragen = 0;
                GetOverlappedResult(m_port, &overlapped, &uebertragen, TRUE);
                return Antwort::Unterbrochen;
            }
            DWORD uebertragen = 0;
            if (!GetOverlappedResult(m_port, &overlapped, &uebertragen, FALSE))
                return Antwort::Getrennt;
        }
        // Windows reports that a line changed, not how often: each report counts once.
        if (maske & EV_RLSD)
            ++m_zaehler.cd;
        if (maske & EV_DSR)
            ++m_zaehler.dsr;
        if (maske & EV_CTS)
            ++m_zaehler.cts;
        // The driver raises EV_RING on RI's trailing edge only.
        if (maske & EV_RING)
            ++m_zaehler.ri;
        return Antwort::Ok;
    }

    // The driver keeps an event that came while no wait was pending for the next one.
    bool blindVorDemWarten() const override { return false; }
    bool wartetSchon() override { return false; }

    Antwort zaehlerLesen(Flankenzaehler& zaehler) override {
        zaehler = m_zaehler;
        return Antwort::Ok;
    }

    Antwort pegelLesen(Pegel& pegel) override {
        DWORD status = 0;
        if (!GetCommModemStatus(m_port, &status))
            return Antwort::Getrennt;
        pegel = {(status & MS_RLSD_ON) != 0, (status & MS_DSR_ON) != 0, (status & MS_CTS_ON) != 0,
                 (status & MS_RING_ON) != 0};
        return Antwort::Ok;
    }

    void abbrechen() override { SetEvent(m_stopp); }

private:
    HANDLE m_port = INVALID_HANDLE_VALUE;
    HANDLE m_stopp = nullptr;
    HANDLE m_ereignis = nullptr;
    Flankenzaehler m_zaehler; // touched by the watcher's thread only
};

} // namespace

std::unique_ptr<Sensorgeraet> sensorgeraetOeffnen(const QString& geraet) {
    auto sensorgeraet = std::make_unique<WindowsSensorgeraet>();
    if (!sensorgeraet->oeffnen(geraet))
        return nullptr;
    return sensorgeraet;
}
