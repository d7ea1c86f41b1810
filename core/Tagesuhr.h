// The time of day: it names the result files written automatically after a race.
#pragma once

#include <QTime>

class Tagesuhr {
public:
    virtual ~Tagesuhr() = default;
    virtual QTime jetzt() = 0;
};

class Systemtagesuhr final : public Tagesuhr {
public:
    QTime jetzt() override;
};
