// The result window of a two-heat race, "Ergebnis Spurwechselmodus": who won, and both
// drivers' times and speeds per heat and over both. It renders and closes, nothing more.
#pragma once

#include "F2SpurRennenInhalt.h"
#include "Twips.h"

#include <QDialog>
#include <optional>

class QLabel;

class F2SpurRennen final : public QDialog {
public:
    explicit F2SpurRennen(const F2SpurRennenInhalt& inhalt, QWidget* eltern = nullptr,
                          const Massstab& massstab = {});

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    bool schliesstBeiKlick(const QWidget* ziel) const;

    Massstab m_massstab;
    QLabel* m_siegerbild = nullptr;
    // What the left button went down on; a click needs press and release on the same thing.
    std::optional<const QWidget*> m_gedrueckt;
};

// Shows the window modally over eltern and returns when it has been closed.
void f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt, QWidget* eltern,
                        const Massstab& massstab = {});
