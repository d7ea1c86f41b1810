// The race night's standings on the big screen: a heading and a row per driver, names fitted
// into their column as the lanes' names are, a driver who left in italics.
#pragma once

#include "Abendanzeige.h"

#include <QWidget>

class QGridLayout;
class QLabel;

class Abendtabelle : public QWidget {
public:
    explicit Abendtabelle(QWidget* eltern);

    void darstellen(const QStringList& kopf, const std::vector<Abendzeile>& zeilen);
    // The type of the rows and of the heading.
    void schriftSetzen(const QFont& zeilen, const QFont& kopf);

private:
    QLabel* zelle(std::size_t zeile, int spalte);
    QFont schrift(std::size_t zeile) const;

    QGridLayout* m_gitter;
    std::vector<std::vector<QLabel*>> m_zellen; // the heading first
    std::vector<bool> m_kursiv;
    QFont m_zeilenschrift;
    QFont m_kopfschrift;
};
