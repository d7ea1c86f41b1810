#include "Ereignisfolge.h"

void Ereignisfolge::ausfuehren(std::function<void()> ereignis) {
    m_wartend.push_back(std::move(ereignis));
    if (m_laeuft)
        return;

    // Cleared even if a handler throws, so a failed event cannot block all later ones.
    struct Freigabe {
        bool& laeuft;
        ~Freigabe() { laeuft = false; }
    } freigabe{m_laeuft};
    m_laeuft = true;

    while (!m_wartend.empty()) {
        const std::function<void()> naechstes = std::move(m_wartend.front());
        m_wartend.pop_front();
        naechstes();
    }
}
