// The lanes of a track of more than two lanes on the main window: a heading row and a row
// per lane, each cell fitted into its column, every row in its driver's colour and the lane
// whose lap table shows marked. It renders the view state and tells of clicks: on the driver
// as on the two-lane window's driver labels, anywhere else in a row to show its lap table.
#pragma once

#include "Mehrspuransicht.h"
#include "Twips.h"

#include <QWidget>
#include <vector>

class Labelknopf;

class Spurentafel : public QWidget {
    Q_OBJECT
public:
    // Placed at the window's zoom, in twips; its rows share its height.
    Spurentafel(QWidget* eltern, QRect twipsplatz, int spurenzahl, const Massstab& massstab);

    void darstellen(const Mehrspuransicht& ansicht);

signals:
    void fahrerGedrueckt(int spur, Qt::MouseButton knopf);
    void fahrerGeklickt(int spur);
    void spurGewaehlt(int spur);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    std::vector<Labelknopf*> zeileBauen(int oben, int hoehe, double punkt, bool fett, int spur);

    Massstab m_massstab;
    std::vector<Labelknopf*> m_kopf;
    std::vector<std::vector<Labelknopf*>> m_zeilen;
    std::vector<QRect> m_zeilenflaechen; // pixels
    int m_gewaehlt = 0;
};
