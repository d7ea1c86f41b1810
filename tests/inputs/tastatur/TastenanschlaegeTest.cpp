#include "Tastenanschlaege.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {
// Feeds a script and returns the times of the presses that acted: "+t" presses and "-t"
// releases key 1 at time t, "*" after the sign marks a repeat, "2" before it means key 2,
// "!" forgets the keys.
std::string wirksam(const std::string& skript) {
    Tastenanschlaege a;
    std::istringstream woerter(skript);
    std::string wort, gewirkt;
    while (woerter >> wort) {
        if (wort == "!") {
            a.vergessen();
            continue;
        }
        Tastenanschlaege::Ereignis e{10, 0, false};
        if (wort[0] == '2') {
            e.taste = 11;
            wort.erase(0, 1);
        }
        e.wiederholung = wort[1] == '*';
        e.zeitMs = std::stoull(wort.substr(e.wiederholung ? 2 : 1));
        if (wort[0] == '-')
            a.losgelassen(e);
        else if (a.gedrueckt(e))
            gewirkt += std::to_string(e.zeitMs) + " ";
    }
    return gewirkt;
}
} // namespace

// What X11 sends for a key held after its repeat delay, a repeat every 40 to 90 ms: pairs
// with one time stamp, marked only when the toolkit saw both halves at once.
TEST(Tastenanschlaege, GehalteneTasteWirktEinmalWieImmerSieWiederholtWird) {
    EXPECT_EQ(wirksam("+1000 -1660 +1660 -1700 +1700 -1790 +1790 -2500 +3000"), "1000 3000 ")
        << "pairs, none marked (a busy machine)";
    EXPECT_EQ(wirksam("+1000 -*1660 +*1660 -1700 +1700 -2500"), "1000 ") << "some marked";
    EXPECT_EQ(wirksam("+1000 +1660 +1700 -2500 +2600"), "1000 2600 ") << "detectable repeat";
    EXPECT_EQ(wirksam("+1000 -1660 +1665 -2500"), "1000 ") << "a pair stamped a little apart";
    EXPECT_EQ(wirksam("+4294967200 -4294967290 +2"), "4294967200 ") << "across the wrap";
}

// As fast as a finger can, made by a program (no time stamps), across the 32-bit wrap,
// beside a held key, and after a dialog took a release.
TEST(Tastenanschlaege, JederFingerdruckWirkt) {
    EXPECT_EQ(wirksam("+1000 -1040 +1070 -1110 +1130"), "1000 1070 1130 ");
    EXPECT_EQ(wirksam("+0 -0 +0 -0 +0"), "0 0 0 ");
    EXPECT_EQ(wirksam("+4294967200 -4294967290 +40"), "4294967200 40 ");
    EXPECT_EQ(wirksam("+1000 2+1200 2-1260 -1660 +1660 2+1700 -1700 +1700"), "1000 1200 1700 ");
    EXPECT_EQ(wirksam("+1000 ! +5000 ! +*7000 -*7040 +*7040 -7100 +7200"), "1000 5000 7200 ");
}
