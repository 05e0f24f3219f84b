#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPointF>
#include <QSize>

// The program's own pictures, drawn with QPainter; all deterministic.
namespace selenar::art {

// The full Moon under the phase disk, over the given background: grey disk,
// maria in their places, crater speckles, darker limb.
QImage FullMoon(const QImage& background);

// The night-sky surface of the daily panel, with faint stars.
QImage NightSky(QSize size);

// A sign's picture over the given background: the sign's symbol, its
// constellation as dots and lines, and its name.
QImage SignPicture(int sign, const QImage& background);

// The ecliptic wheel over the given background: the twelve symbols clockwise
// from Aries at the top on the circle of the given centre and radius (pixels).
QImage EclipticWheel(const QImage& background, QPointF centre, double radius);

QPixmap MoonMarker(int size);
QPixmap CourseArrow(bool ascending, int size);
QPixmap PhaseIcon(bool fullMoon, int size);
QPixmap DayArrow(bool next, int size);
QPixmap NowIcon(int size);
QPixmap PageIcon(int size);
QPixmap CalendarIcon(int size);
QPixmap SettingsIcon(int size);
QPixmap AboutIcon(int size);
QIcon WindowIcon();

}  // namespace selenar::art
