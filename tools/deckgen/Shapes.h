#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QPointF>

class QPainter;

namespace sibylon::deckgen {

// A star with `points` tips; the first tip points at `rotation_degrees` (-90 = up).
QPainterPath StarPath(QPointF center, double outer, double inner, int points,
                      double rotation_degrees = -90.0);

// An almond-shaped leaf from its stalk end to its tip.
QPainterPath LeafPath(QPointF base, QPointF tip, double width);

// A disc with a second disc cut away; the horns point towards +x when `offset` is positive.
QPainterPath CrescentPath(QPointF center, double radius, double offset, double cut_radius);

QPainterPath HeartPath(QPointF center, double size);

// A crown standing on `base_center`; more points read as a higher rank.
QPainterPath CrownPath(QPointF base_center, double width, double height, int points);

// Rays around a centre, alternating long and short ones.
void DrawRays(QPainter& painter, QPointF center, double inner, double outer_long,
              double outer_short, int count, const QColor& color, double width);

QPen RoundPen(const QColor& color, double width);

}  // namespace sibylon::deckgen
