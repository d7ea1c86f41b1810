#include "Hoerort.h"

#include <gtest/gtest.h>

TEST(Hoerort, WebNimmtEinenPortOderEineIpAdresseMitPortUndSonstNichts) {
    const auto gelesen = [](const char* text) { return hoerangabeLesen(QString::fromUtf8(text)); };
    struct Fall {
        const char* text;
        std::optional<QString> adresse;
        quint16 port;
    };
    for (const Fall& f : {Fall{"8080", std::nullopt, 8080}, Fall{"1", std::nullopt, 1},
                          Fall{"127.0.0.1:8080", QStringLiteral("127.0.0.1"), 8080},
                          Fall{"0.0.0.0:65535", QStringLiteral("0.0.0.0"), 65535},
                          Fall{"[::1]:8080", QStringLiteral("::1"), 8080},
                          Fall{"[fd00::2]:81", QStringLiteral("fd00::2"), 81}}) {
        const std::optional<Hoerangabe> angabe = gelesen(f.text);
        ASSERT_TRUE(angabe) << f.text;
        EXPECT_EQ(angabe->adresse, f.adresse) << f.text;
        EXPECT_EQ(angabe->port, f.port) << f.text;
    }
    for (const char* falsch : {"",
                               "0",
                               "65536",
                               "99999999999",
                               "+80",
                               " 80",
                               "80 ",
                               "8o80",
                               "-1",
                               "::1:8080",
                               "[127.0.0.1]:80",
                               "[::1]",
                               "[::1]8080",
                               "::1",
                               "127.0.0.1",
                               "127.0.0.1:",
                               ":8080",
                               "127.0.0.1:0",
                               "localhost:8080",
                               "1.2.3.4.5:80",
                               "256.1.1.1:80",
                               "[::1:80"})
        EXPECT_FALSE(gelesen(falsch)) << falsch;
}
