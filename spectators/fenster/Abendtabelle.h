// The race night's standings on the big screen: a heading and a row per driver, names fitted
// into their column as the lanes' names are, each on the driver's colour, a driver who left
// in italics. The type is as large as the rows leave room for in the height the table has,
// up to the largest given.
#pragma once

#include "Abendanzeige.h"

#include <QWidget>

class QGridLayout;
class QLabel;

class Abendtabelle : public QWidget {
public:
    explicit Abendtabelle(QWidget* eltern);

    void darstellen(const QStringList& kopf, const std::vector<Abendzeile>& zeilen);
    // The largest type of the rows and of the heading.
    void schriftSetzen(const QFont& zeilen, const QFont& kopf);

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    QLabel* zelle(std::size_t zeile, int spalte);
    QFont schrift(std::size_t zeile) const;
    // The type for the rows shown in this height.
    void einpassen();
    void schriftenAnwenden();

    QGridLayout* m_gitter;
    std::vector<std::vector<QLabel*>> m_zellen; // the heading first
    std::vector<bool> m_kursiv;
    std::size_t m_reihen = 1; // shown, the heading included
    QFont m_groessteZeile;
    QFont m_groessterKopf;
    QFont m_zeilenschrift;
    QFont m_kopfschrift;
};
