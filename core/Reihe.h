// Fixed-size arrays numbered from 1, like the program's control arrays: lanes 1 and 2,
// lamps 1 to 5, result rows 1 to 3. Index 0 or past the end is a programming error.
#pragma once

#include <array>
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

// Per-lane values, lane 1 and lane 2.
template <typename T> using Spuren = Reihe<T, 2>;

// The other lane of a two-lane track.
constexpr int andereSpur(int spur) {
    return spur == 1 ? 2 : 1;
}
