// The live page's web server: serves the page, its style sheet and script from the
// program's resources, and pushes every change of the standings to the open pages over a
// WebSocket. It runs on a thread of its own and never touches the race; the GUI thread
// hands it what the page shows (veroeffentlichen) and goes on at once.
// Limits, so no client can slow the race or fill the memory: at most MaxVerbindungen
// connections (more are closed at once), a request head of at most 16 KiB read within
// a time limit, no request body, nothing kept for a page that reads slowly but the newest state.
#pragma once

#include "Zuschaueransicht.h"

#include <QString>
#include <chrono>
#include <memory>
#include <optional>

class Webserver {
public:
    static constexpr int MaxVerbindungen = 200;

    struct Fristen {
        // A request head must be complete within this time, or it is answered with 408.
        std::chrono::milliseconds anfrage{10'000};
        // An open page that answers no ping for this long is closed.
        std::chrono::milliseconds stille{30'000};
    };

    explicit Webserver(Fristen fristen);
    Webserver() : Webserver(Fristen{}) {}
    ~Webserver();
    Webserver(const Webserver&) = delete;
    Webserver& operator=(const Webserver&) = delete;

    // Listens on the port (0: any free one) of every address, or of 127.0.0.1 alone; the
    // German reason when it cannot. A running server is stopped first.
    std::optional<QString> starten(quint16 port, bool nurLokal = false);
    void beenden();
    bool laeuft() const;
    // The port it listens on, once started.
    quint16 port() const;

    // What the page shows from now on; the open pages hear of it within milliseconds.
    // Cheap: the page's texts are made on the server's thread, and a state that comes
    // before the last one was sent replaces it.
    void veroeffentlichen(const Zuschaueransicht& ansicht);

private:
    struct Betrieb;
    Fristen m_fristen;
    std::unique_ptr<Betrieb> m_betrieb;
    Zuschaueransicht m_ansicht; // the last published, for a restart
};
