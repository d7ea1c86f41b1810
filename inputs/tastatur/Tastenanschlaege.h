// Tells the presses of a finger from the repeats of a held key, so that a key acts once
// per press. Window systems send a held key as presses without a release between, or as
// release-and-press pairs stamped with one time; they mark them as repeats only when they
// see both halves at once, which a busy machine may not. The decision rests on the keys'
// own time stamps, so it holds however late the events are handled.
#pragma once

#include <QtGlobal>
#include <map>
#include <optional>
#include <utility>

class Tastenanschlaege {
public:
    struct Ereignis {
        quint32 taste = 0;  // the key's number on the keyboard, the same for press and release
        quint64 zeitMs = 0; // the window system's time stamp, 0 when it sent none
        bool wiederholung = false; // the window system marked it as a repeat
    };

    // A press that follows its key's release this closely is the window system's repeat:
    // no finger lifts and presses a key again within it.
    static constexpr quint32 WiederholabstandMs = 10;

    // True for a new press of the key, the only one that acts.
    bool gedrueckt(const Ereignis& ereignis);
    void losgelassen(const Ereignis& ereignis);
    // The window no longer sees the keys' releases (another window has the keyboard): the
    // next press of every key acts.
    void vergessen() { m_tasten.clear(); }

private:
    struct Zustand {
        bool unten = false;
        std::optional<quint64> losgelassenUm;
    };
    std::map<quint32, Zustand> m_tasten;
};
