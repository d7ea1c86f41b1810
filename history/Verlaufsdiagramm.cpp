#include "Verlaufsdiagramm.h"

#include "QtFarbe.h"

#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>

namespace {
QScatterSeries* markierung(const QString& name, QScatterSeries::MarkerShape form, double groesse) {
    auto* serie = new QScatterSeries;
    serie->setName(name);
    serie->setMarkerShape(form);
    serie->setMarkerSize(groesse);
    return serie;
}

// After the series joined the chart, whose theme would paint over it.
void faerben(QScatterSeries* serie, const QColor& farbe, bool hohl, double breite) {
    serie->setColor(hohl ? QColor(Qt::transparent) : farbe);
    serie->setBorderColor(farbe);
    serie->setPen(QPen(farbe, breite));
}

// Lap numbers along the bottom, as whole numbers at a readable spacing, with room at both
// ends for the first and the last point's marker.
QValueAxis* rundenachse(double letzte) {
    auto* achse = new QValueAxis;
    const double bis = std::max(2.0, letzte);
    const double rand = std::max(0.25, (bis - 1) * 0.02);
    achse->setRange(1 - rand, bis + rand);
    achse->setLabelFormat(QStringLiteral("%.0f"));
    achse->setTickType(QValueAxis::TicksDynamic);
    achse->setTickAnchor(1);
    // 1, 2, 5, 10, 20, 50, ... laps between ticks, at most ten ticks.
    double schritt = 1;
    for (int i = 0; (letzte - 1) / schritt > 10; ++i)
        schritt *= i % 3 == 1 ? 2.5 : 2;
    achse->setTickInterval(schritt);
    return achse;
}

QDateTimeAxis* tagesachse(double erster, double letzter) {
    auto* achse = new QDateTimeAxis;
    achse->setFormat(QStringLiteral("dd.MM.yy"));
    // A single day still gets a span, so its point is not on the edge.
    constexpr double Tag = 24.0 * 3600 * 1000;
    achse->setRange(QDateTime::fromMSecsSinceEpoch(qint64(erster - Tag)),
                    QDateTime::fromMSecsSinceEpoch(qint64(letzter + Tag)));
    achse->setTickCount(std::clamp(int((letzter - erster) / Tag) + 3, 3, 8));
    return achse;
}
} // namespace

QChart* diagrammBauen(const Diagramm& d, const Massstab& m) {
    auto* chart = new QChart;
    chart->setTheme(QChart::ChartThemeBlueCerulean);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale(QLocale::German, QLocale::Germany));
    chart->setTitle(d.titel);
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* beste =
        markierung(QStringLiteral("beste Runde"), QScatterSeries::MarkerShapeStar, m.punkt(18));
    auto* hand =
        markierung(QStringLiteral("von Hand"), QScatterSeries::MarkerShapeRectangle, m.punkt(11));
    auto* doppelt =
        markierung(QStringLiteral("doppelt?"), QScatterSeries::MarkerShapeTriangle, m.punkt(16));
    auto* verpasst = markierung(QStringLiteral("verpasst?"),
                                QScatterSeries::MarkerShapeRotatedRectangle, m.punkt(16));
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    bool erster = true;
    for (const Kurve& k : d.kurven) {
        auto* linie = new QLineSeries;
        linie->setName(k.name);
        for (const QPointF& p : k.punkte) {
            linie->append(p);
            xMin = erster ? p.x() : std::min(xMin, p.x());
            xMax = erster ? p.x() : std::max(xMax, p.x());
            yMin = erster ? p.y() : std::min(yMin, p.y());
            yMax = erster ? p.y() : std::max(yMax, p.y());
            erster = false;
        }
        linie->setPointsVisible(k.punkte.size() < 60);
        linie->setMarkerSize(m.punkt(linie->markerSize()));
        chart->addSeries(linie);
        // After joining the chart, which gives a line without a colour of its own the theme's.
        QPen stift(k.farbe ? qtFarbe(*k.farbe) : linie->pen().color(), m.punkt(2));
        stift.setStyle(k.gestrichelt ? Qt::DashLine : Qt::SolidLine);
        linie->setPen(stift);
        for (const QPointF& p : k.bestzeiten)
            beste->append(p);
        for (const QPointF& p : k.handrunden)
            hand->append(p);
        for (const QPointF& p : k.doppelt)
            doppelt->append(p);
        for (const QPointF& p : k.verpasst)
            verpasst->append(p);
    }
    const auto hinzu = [chart, &m](QScatterSeries* serie, const QColor& farbe, bool hohl) {
        if (serie->count() == 0) {
            delete serie;
            return;
        }
        chart->addSeries(serie);
        faerben(serie, farbe, hohl, m.punkt(2));
        // A hollow marker's legend entry would be a transparent square on the dark theme:
        // it shows the marker's colour instead.
        for (QLegendMarker* eintrag : chart->legend()->markers(serie))
            eintrag->setBrush(farbe);
    };
    // The hollow squares of hand laps on top, so they show around a best lap's star.
    hinzu(beste, QColor(255, 220, 60), false);
    hinzu(hand, Qt::white, true);
    hinzu(doppelt, QColor(255, 90, 90), true);
    hinzu(verpasst, QColor(255, 90, 90), true);

    QAbstractAxis* x = d.tage ? static_cast<QAbstractAxis*>(tagesachse(xMin, xMax))
                              : static_cast<QAbstractAxis*>(rundenachse(xMax));
    x->setTitleText(d.achseX);
    auto* y = new QValueAxis;
    y->setTitleText(d.achseY);
    y->setLabelFormat(QStringLiteral("%.3f"));
    const double rand = std::max(0.1, (yMax - yMin) * 0.1);
    y->setRange(std::max(0.0, yMin - rand), yMax + rand);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    // The theme's fonts are its own, not the window's: they grow with the zoom here, once the
    // theme has given them to the axes.
    chart->setTitleFont(m.schrift(chart->titleFont()));
    chart->legend()->setFont(m.schrift(chart->legend()->font()));
    for (QAbstractAxis* achse : {x, static_cast<QAbstractAxis*>(y)}) {
        achse->setLabelsFont(m.schrift(achse->labelsFont()));
        achse->setTitleFont(m.schrift(achse->titleFont()));
    }
    return chart;
}
