// The window fhof: the Hall of Fame on dark blue, with OK and a button to clear the list.
#pragma once

#include "Hofmodul.h"
#include "Reihe.h"
#include "Twips.h"

#include <QDialog>

class QLabel;

class Fhof : public QDialog {
public:
    explicit Fhof(Hofmodul& hof, QWidget* parent = nullptr, const Massstab& massstab = {});

private:
    void anzeigen();

    Hofmodul& m_hof;
    Massstab m_massstab;
    Reihe<QLabel*, Hofliste::Raenge> m_namensanzeigen;
    Reihe<QLabel*, Hofliste::Raenge> m_zeitanzeigen;
};
