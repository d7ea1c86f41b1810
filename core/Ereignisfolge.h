// Runs the race's event handlers one at a time. A handler may wait in a modal dialog,
// during which the platform keeps delivering events (a lap signal, a timer tick); such an
// event is queued and runs after the handler has finished, in arrival order, so the race
// logic is never entered twice. An event raised from inside a handler runs after it, too.
#pragma once

#include <deque>
#include <functional>

class Ereignisfolge {
public:
    void ausfuehren(std::function<void()> ereignis);
    bool beschaeftigt() const { return m_laeuft; }

private:
    std::deque<std::function<void()>> m_wartend;
    bool m_laeuft = false;
};
