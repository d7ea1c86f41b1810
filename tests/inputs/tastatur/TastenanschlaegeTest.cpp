#include "Tastenanschlaege.h"

#include <gtest/gtest.h>
#include <string>

namespace {
constexpr quint32 Eins = 10, Zwei = 11;

// Feeds a script of events and returns the times of the presses that acted.
// "+t" presses, "-t" releases at time t; "*" after the sign marks the window system's
// repeat flag; "k2:" before it means the second key, "!" forgets the keys' states.
std::string wirksam(Tastenanschlaege& a, const std::string& skript) {
    std::string gewirkt;
    std::size_t stelle = 0;
    while (stelle < skript.size()) {
        std::size_t ende = skript.find(' ', stelle);
        if (ende == std::string::npos)
            ende = skript.size();
        std::string wort = skript.substr(stelle, ende - stelle);
        stelle = ende + 1;
        if (wort == "!") {
            a.vergessen();
            continue;
        }
        Tastenanschlaege::Ereignis e{Eins, 0, false};
        if (wort.starts_with("k2:")) {
            e.taste = Zwei;
            wort.erase(0, 3);
        }
        const bool druck = wort[0] == '+';
        std::size_t zahl = 1;
        if (wort[1] == '*') {
            e.wiederholung = true;
            zahl = 2;
        }
        e.zeitMs = std::stoull(wort.substr(zahl));
        if (!druck)
            a.losgelassen(e);
        else if (a.gedrueckt(e))
            gewirkt += (gewirkt.empty() ? "" : " ") + wort.substr(zahl);
    }
    return gewirkt;
}

std::string wirksam(const std::string& skript) {
    Tastenanschlaege a;
    return wirksam(a, skript);
}
} // namespace

// What X11 sends for a key held 1.5 s, after its repeat delay, a repeat every 40 to 90 ms:
// pairs with one time stamp, marked only when the toolkit saw both halves at once.
TEST(Tastenanschlaege, GehalteneTasteWirktEinmalWieImmerSieWiederholtWird) {
    EXPECT_EQ(wirksam("+1000 -1660 +1660 -1700 +1700 -1790 +1790 -2500 +3000"), "1000 3000")
        << "pairs, none marked (a busy machine)";
    EXPECT_EQ(wirksam("+1000 -*1660 +*1660 -1700 +1700 -*1790 +*1790 -2500"), "1000")
        << "pairs, some marked";
    EXPECT_EQ(wirksam("+1000 +1660 +1700 +*1740 -2500 +2600"), "1000 2600")
        << "presses without releases (detectable repeat)";
    EXPECT_EQ(wirksam("+1000 -1660 +1665 -2500"), "1000") << "a pair stamped a little apart";
}

TEST(Tastenanschlaege, JederFingerdruckWirkt) {
    EXPECT_EQ(wirksam("+1000 -1040 +1070 -1110 +1130 -1160"), "1000 1070 1130")
        << "as fast as a finger can";
    EXPECT_EQ(wirksam("+0 -0 +0 -0 +0 -0"), "0 0 0") << "made by a program: no time stamps";
    EXPECT_EQ(wirksam("+4294967200 -4294967290 +40"), "4294967200 40")
        << "across the wrap of 32-bit milliseconds";
    EXPECT_EQ(wirksam("+4294967200 -4294967290 +2"), "4294967200") << "a repeat across the wrap";
}

// Shift+1 held by mistake does not swallow the other lane's key.
TEST(Tastenanschlaege, TastenSindVoneinanderUnabhaengig) {
    EXPECT_EQ(wirksam("+1000 k2:+1200 k2:-1260 -1660 +1660 k2:+1700 -1700 +1700 k2:-1750"),
              "1000 1200 1700");
}

// A dialog opened by a press takes its release; once the window has the keyboard again,
// the key's next press acts, and a repeat the toolkit marked still does not.
TEST(Tastenanschlaege, NachEinemDialogWirktDerNaechsteDruck) {
    Tastenanschlaege a;
    EXPECT_EQ(wirksam(a, "+1000 ! +5000 -5100"), "1000 5000");
    EXPECT_EQ(wirksam(a, "+6000 ! +*7000 -*7040 +*7040 -7100 +7200"), "6000 7200");
}
