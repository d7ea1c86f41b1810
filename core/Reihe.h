// Fixed-size arrays numbered from 1, like the program's control arrays: lamps 1 to 5,
// result rows 1 to 3. Index 0 or past the end is a programming error.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <stdexcept>

template <typename T, int N> class Reihe {
public:
    Reihe() = default;
    template <typename... Werte>
    requires(sizeof...(Werte) == N) Reihe(Werte... werte) : m_werte{T(werte)...} {}

    T& operator[](int nummer) { return m_werte[index(nummer)]; }
    const T& operator[](int nummer) const { return m_werte[index(nummer)]; }

    static constexpr int anzahl() { return N; }

    bool operator==(const Reihe&) const = default;

private:
    static std::size_t index(int nummer) {
        if (nummer < 1 || nummer > N)
            throw std::out_of_range("Reihe: Nummer ausserhalb 1.." + std::to_string(N));
        return static_cast<std::size_t>(nummer - 1);
    }

    std::array<T, N> m_werte{};
};

// A track has this many lanes at least and at most; two unless said otherwise.
inline constexpr int KleinsteSpurenzahl = 2;
inline constexpr int GroessteSpurenzahl = 8;

// Per-lane values, numbered from 1, for as many lanes as the track has. The values live in
// the object itself, room for the most lanes a track can have, so a race's lanes cost no
// allocation on the way of a lap.
template <typename T> class Spuren {
public:
    Spuren() : m_werte() {} // two lanes
    Spuren(T erste, T zweite) : m_werte() {
        m_werte[0] = std::move(erste);
        m_werte[1] = std::move(zweite);
    }
    // `anzahl` lanes, each with this value; a count outside the track's range is an error.
    static Spuren fuer(int anzahl, const T& wert = T{}) {
        if (anzahl < KleinsteSpurenzahl || anzahl > GroessteSpurenzahl)
            throw std::out_of_range("Spuren: Anzahl ausserhalb 2..8");
        Spuren s;
        s.m_anzahl = anzahl;
        for (int i = 0; i < anzahl; ++i)
            s.m_werte[static_cast<std::size_t>(i)] = wert;
        return s;
    }

    T& operator[](int nummer) { return m_werte[index(nummer)]; }
    const T& operator[](int nummer) const { return m_werte[index(nummer)]; }
    int anzahl() const { return m_anzahl; }

    T* begin() { return m_werte.data(); }
    T* end() { return m_werte.data() + m_anzahl; }
    const T* begin() const { return m_werte.data(); }
    const T* end() const { return m_werte.data() + m_anzahl; }

    bool operator==(const Spuren& andere) const {
        return m_anzahl == andere.m_anzahl && std::equal(begin(), end(), andere.begin());
    }

private:
    std::size_t index(int nummer) const {
        if (nummer < 1 || nummer > m_anzahl)
            throw std::out_of_range("Spuren: Nummer ausserhalb 1.." + std::to_string(m_anzahl));
        return static_cast<std::size_t>(nummer - 1);
    }

    std::array<T, GroessteSpurenzahl> m_werte;
    int m_anzahl = KleinsteSpurenzahl;
};

// The other lane of a two-lane track: lane change and single mode are two-lane modes.
constexpr int andereSpur(int spur) {
    return spur == 1 ? 2 : 1;
}
