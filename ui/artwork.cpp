// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace tandora::artwork {
namespace {

// Every picture draws from this small palette. The fills are mid tones and every shape gets a
// darker rim, so the pictures hold up on light and on dark list backgrounds alike.
enum class Hue { red, orange, yellow, green, teal, cyan, blue, purple, pink, brown, grey, slate };

struct Ink
{
    QRgb fill;
    QRgb rim;
};

constexpr std::array<Ink, 12> inks{{
    {0xe5493d, 0xa3281f}, // red
    {0xf28c28, 0xb05f10}, // orange
    {0xf7c62a, 0xb38a00}, // yellow
    {0x3dae5a, 0x22793a}, // green
    {0x1fa79f, 0x127570}, // teal
    {0x35b5e5, 0x1a7aa3}, // cyan
    {0x3d82db, 0x2357a0}, // blue
    {0x8f5bd4, 0x6136a0}, // purple
    {0xee6aa7, 0xb33d75}, // pink
    {0xc68642, 0x865522}, // brown
    {0xa1aab5, 0x66707c}, // grey
    {0x677b91, 0x3e4d5f}, // slate
}};

QColor fill(Hue hue)
{
    return QColor(inks[static_cast<size_t>(hue)].fill);
}
QColor rim(Hue hue)
{
    return QColor(inks[static_cast<size_t>(hue)].rim);
}
const QColor white(0xffffff);
const QColor paper_rim(0x7d8793);

// Icons are designed on a 16 by 16 grid; rims of width 1 sit on half units so that they fall
// on whole pixels at 16 px.
constexpr qreal grid = 16.0;

QPen round_pen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    return path;
}

QPainterPath rounded(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath box(const QRectF &rect)
{
    QPainterPath path;
    path.addRect(rect);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

void shape(QPainter &p, const QPainterPath &path, const QColor &body, const QColor &edge)
{
    p.setPen(round_pen(edge, 1.0));
    p.setBrush(body);
    p.drawPath(path);
}

void shape(QPainter &p, const QPainterPath &path, Hue hue)
{
    shape(p, path, fill(hue), rim(hue));
}

void solid(QPainter &p, const QPainterPath &path, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void stroke(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width)
{
    p.setPen(round_pen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// A free-standing stroke glyph (arrow, plus, sum sign) with the same rim as the shapes.
void rimmed(QPainter &p, std::initializer_list<QPainterPath> paths, Hue hue, qreal width = 2.0)
{
    for (const QPainterPath &path : paths)
        stroke(p, path, rim(hue), width + 2.0);
    for (const QPainterPath &path : paths)
        stroke(p, path, fill(hue), width);
}

QPainterPath star_path(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const qreal radius = k % 2 == 0 ? outer : inner;
        const qreal angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (k == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart_path(const QRectF &box)
{
    QPainterPath unit;
    unit.moveTo(0.5, 0.96);
    unit.cubicTo(0.12, 0.68, 0.0, 0.5, 0.0, 0.3);
    unit.cubicTo(0.0, 0.12, 0.13, 0.0, 0.28, 0.0);
    unit.cubicTo(0.39, 0.0, 0.46, 0.07, 0.5, 0.16);
    unit.cubicTo(0.54, 0.07, 0.61, 0.0, 0.72, 0.0);
    unit.cubicTo(0.87, 0.0, 1.0, 0.12, 1.0, 0.3);
    unit.cubicTo(1.0, 0.5, 0.88, 0.68, 0.5, 0.96);
    return QTransform::fromTranslate(box.x(), box.y()).scale(box.width(), box.height()).map(unit);
}

// A brick seen from the front: two studs on a body. dy moves it down.
void brick(QPainter &p, const QColor &body, const QColor &edge, qreal dy = 0)
{
    shape(p, rounded(QRectF(3.5, 3.5 + dy, 3, 3), 0.75), body, edge);
    shape(p, rounded(QRectF(9.5, 3.5 + dy, 3, 3), 0.75), body, edge);
    shape(p, rounded(QRectF(1.5, 6.5 + dy, 13, 7), 1.5), body, edge);
}

void badge(QPainter &p, Hue hue)
{
    shape(p, circle({8, 8}, 6.5), hue);
}

QPainterPath tag_path()
{
    return polygon({{1.5, 8}, {5.5, 3.5}, {14.5, 3.5}, {14.5, 12.5}, {5.5, 12.5}});
}

// ---- glyphs drawn in white on badges and tiles -------------------------------------------

void check_glyph(QPainter &p, qreal width = 2.0)
{
    stroke(p, polyline({{4.75, 8.25}, {7, 10.5}, {11.25, 5.75}}), white, width);
}

void cross_glyph(QPainter &p)
{
    stroke(p, polyline({{5.5, 5.5}, {10.5, 10.5}}), white, 2.0);
    stroke(p, polyline({{10.5, 5.5}, {5.5, 10.5}}), white, 2.0);
}

void question_glyph(QPainter &p, const QColor &colour)
{
    QPainterPath hook;
    hook.moveTo(5.9, 6.1);
    hook.cubicTo(5.9, 4.7, 6.9, 4.0, 8.0, 4.0);
    hook.cubicTo(9.2, 4.0, 10.1, 4.8, 10.1, 5.9);
    hook.cubicTo(10.1, 7.3, 8.0, 7.6, 8.0, 9.3);
    stroke(p, hook, colour, 1.8);
    solid(p, circle({8, 11.7}, 1.1), colour);
}

// ---- template icons ------------------------------------------------------------------------

void free_brick(QPainter &p)
{
    brick(p, fill(Hue::grey), rim(Hue::grey));
}

void sealed_box(QPainter &p)
{
    shape(p, rounded(QRectF(2.5, 5.5, 11, 8), 1), Hue::brown);
    shape(p, rounded(QRectF(1.5, 2.5, 13, 3), 1), Hue::brown);
    solid(p, rounded(QRectF(7, 3, 2, 10), 0.3), QColor(0xf6e2bd));
}

void wish_list(QPainter &p)
{
    shape(p, rounded(QRectF(2.5, 1.5, 9, 12), 1.5), white, paper_rim);
    stroke(p, polyline({{4.5, 4.5}, {9.5, 4.5}}), paper_rim, 1.0);
    stroke(p, polyline({{4.5, 7}, {7.5, 7}}), paper_rim, 1.0);
    shape(p, heart_path(QRectF(7.5, 7.5, 8, 7.5)), Hue::pink);
}

void sold_tag(QPainter &p)
{
    shape(p, tag_path(), Hue::green);
    solid(p, circle({5.2, 8}, 1.2), white);
    stroke(p, polyline({{7.75, 8}, {9.75, 10}, {12.5, 6}}), white, 1.75);
}

void gift_box(QPainter &p)
{
    shape(p, circle({5.9, 3.6}, 1.9), Hue::yellow);
    shape(p, circle({10.1, 3.6}, 1.9), Hue::yellow);
    shape(p, rounded(QRectF(2.5, 8.5, 11, 6), 1), Hue::purple);
    shape(p, rounded(QRectF(1.5, 5.5, 13, 3), 1), Hue::purple);
    solid(p, box(QRectF(7, 6, 2, 8)), fill(Hue::yellow));
}

void lost_brick(QPainter &p)
{
    // Where the brick should be: only its dashed outline is left.
    QColor body = fill(Hue::red);
    body.setAlpha(45);
    QPen dashed = round_pen(fill(Hue::red), 1.25);
    dashed.setDashPattern({1.2, 1.2});
    p.setPen(dashed);
    p.setBrush(body);
    p.drawPath(rounded(QRectF(3.5, 3.5, 3, 3), 0.75)
                   .united(rounded(QRectF(9.5, 3.5, 3, 3), 0.75))
                   .united(rounded(QRectF(1.5, 6.5, 13, 7), 1.5)));
}

using Paint = void (*)(QPainter &);

constexpr std::array<Paint, 6> template_art{
    free_brick, // 0 free configuration: a loose grey brick
    sealed_box, // 1 sealed: a taped carton
    wish_list,  // 2 wishlist
    sold_tag,   // 3 sold: a ticked price tag
    gift_box,   // 4 given away
    lost_brick, // 5 lost: the outline of a missing brick
};

// ---- markers: one shape in one colour each -------------------------------------------------

void dot(QPainter &p, Hue hue)
{
    shape(p, circle({8, 8}, 5.5), hue);
}
void star(QPainter &p, Hue hue)
{
    shape(p, star_path({8, 8.6}, 7.2, 3.1), hue);
}
void heart(QPainter &p, Hue hue)
{
    shape(p, heart_path(QRectF(1.5, 2.5, 13, 11.5)), hue);
}

void flag(QPainter &p, Hue hue)
{
    stroke(p, polyline({{3.5, 2}, {3.5, 14.5}}), rim(Hue::grey), 1.5);
    QPainterPath cloth;
    cloth.moveTo(4.5, 2.5);
    cloth.cubicTo(7.5, 1.0, 10.5, 4.0, 13.5, 2.5);
    cloth.lineTo(13.5, 9.5);
    cloth.cubicTo(10.5, 11.0, 7.5, 8.0, 4.5, 9.5);
    cloth.closeSubpath();
    shape(p, cloth, hue);
}

void check_badge(QPainter &p, Hue hue)
{
    badge(p, hue);
    check_glyph(p);
}

void cross_badge(QPainter &p, Hue hue)
{
    badge(p, hue);
    cross_glyph(p);
}

void plus_badge(QPainter &p, Hue hue)
{
    badge(p, hue);
    stroke(p, polyline({{8, 4.75}, {8, 11.25}}), white, 2.0);
    stroke(p, polyline({{4.75, 8}, {11.25, 8}}), white, 2.0);
}

void minus_badge(QPainter &p, Hue hue)
{
    badge(p, hue);
    stroke(p, polyline({{4.75, 8}, {11.25, 8}}), white, 2.0);
}

void question_badge(QPainter &p, Hue hue)
{
    badge(p, hue);
    question_glyph(p, white);
}

void info_badge(QPainter &p, Hue hue)
{
    badge(p, hue);
    solid(p, circle({8, 4.9}, 1.2), white);
    stroke(p, polyline({{8, 7.5}, {8, 11.25}}), white, 2.0);
}

void warning(QPainter &p, Hue hue)
{
    shape(p, polygon({{8, 1.5}, {14.75, 13.5}, {1.25, 13.5}}), hue);
    stroke(p, polyline({{8, 5.75}, {8, 8.75}}), white, 2.0);
    solid(p, circle({8, 11.25}, 1.1), white);
}

void gem(QPainter &p, Hue hue)
{
    shape(p, polygon({{4.5, 2.5}, {11.5, 2.5}, {14.5, 6.5}, {8, 14}, {1.5, 6.5}}), hue);
    QColor facet = white;
    facet.setAlpha(150);
    stroke(p, polyline({{1.5, 6.5}, {14.5, 6.5}}), facet, 1.0);
    stroke(p, polyline({{5.5, 6.5}, {8, 13}, {10.5, 6.5}}), facet, 1.0);
}

void bolt(QPainter &p, Hue hue)
{
    shape(p, polygon({{10, 1.5}, {3.5, 9}, {7.5, 9}, {6, 14.5}, {12.5, 6.5}, {8.5, 6.5}}), hue);
}

void arrow_up(QPainter &p, Hue hue)
{
    shape(p, polygon({{8, 1.5}, {14, 8}, {10.5, 8}, {10.5, 14.5}, {5.5, 14.5}, {5.5, 8}, {2, 8}}),
          hue);
}

void arrow_down(QPainter &p, Hue hue)
{
    shape(p, polygon({{8, 14.5}, {14, 8}, {10.5, 8}, {10.5, 1.5}, {5.5, 1.5}, {5.5, 8}, {2, 8}}),
          hue);
}

void bookmark(QPainter &p, Hue hue)
{
    shape(p, polygon({{3.5, 1.5}, {12.5, 1.5}, {12.5, 14.5}, {8, 10.5}, {3.5, 14.5}}), hue);
}

void clock(QPainter &p, Hue hue)
{
    badge(p, hue);
    stroke(p, polyline({{8, 4.25}, {8, 8}, {10.75, 9.75}}), white, 1.6);
}

void bell(QPainter &p, Hue hue)
{
    QPainterPath body;
    body.moveTo(8, 2.5);
    body.cubicTo(10.8, 2.5, 12, 4.8, 12, 7.5);
    body.lineTo(12, 9.5);
    body.lineTo(13.75, 11.75);
    body.lineTo(2.25, 11.75);
    body.lineTo(4, 9.5);
    body.lineTo(4, 7.5);
    body.cubicTo(4, 4.8, 5.2, 2.5, 8, 2.5);
    shape(p, circle({8, 13}, 1.5), hue);
    shape(p, body, hue);
    shape(p, circle({8, 2}, 1), hue);
}

void padlock(QPainter &p, Hue hue)
{
    QPainterPath shackle;
    shackle.moveTo(5, 8);
    shackle.lineTo(5, 5.5);
    shackle.arcTo(QRectF(5, 2.5, 6, 6), 180, -180);
    shackle.lineTo(11, 8);
    stroke(p, shackle, rim(Hue::grey), 3.0);
    stroke(p, shackle, fill(Hue::grey), 1.25);
    shape(p, rounded(QRectF(2.5, 7.5, 11, 7), 1.5), hue);
    solid(p, circle({8, 10.25}, 1.2), rim(hue));
    stroke(p, polyline({{8, 10.5}, {8, 12.5}}), rim(hue), 1.2);
}

struct MarkerArt
{
    void (*draw)(QPainter &, Hue);
    Hue hue;
};

// Marker 0 means "no marker" and has no picture.
constexpr std::array<MarkerArt, 32> marker_art{{
    {nullptr, Hue::grey},
    {dot, Hue::red},
    {dot, Hue::orange},
    {dot, Hue::yellow},
    {dot, Hue::green},
    {dot, Hue::blue},
    {dot, Hue::purple},
    {dot, Hue::grey},
    {star, Hue::yellow},
    {star, Hue::red},
    {star, Hue::blue},
    {flag, Hue::red},
    {flag, Hue::green},
    {flag, Hue::blue},
    {flag, Hue::yellow},
    {check_badge, Hue::green},
    {cross_badge, Hue::red},
    {warning, Hue::orange},
    {question_badge, Hue::blue},
    {info_badge, Hue::teal},
    {plus_badge, Hue::green},
    {minus_badge, Hue::red},
    {heart, Hue::red},
    {heart, Hue::pink},
    {gem, Hue::cyan},
    {bolt, Hue::yellow},
    {arrow_up, Hue::green},
    {arrow_down, Hue::red},
    {bookmark, Hue::purple},
    {clock, Hue::slate},
    {bell, Hue::orange},
    {padlock, Hue::brown},
}};

// ---- row colours ---------------------------------------------------------------------------

struct Swatch
{
    int red, green, blue;
};

// Light tints: they are row backgrounds behind black, green, red, orange and blue text.
constexpr std::array<Swatch, 7> swatches{{
    {-1, -1, -1},
    {255, 204, 204},
    {255, 223, 176},
    {255, 244, 168},
    {204, 240, 198},
    {199, 223, 255},
    {228, 212, 250},
}};

void swatch_picture(QPainter &p, int index)
{
    const Swatch &s = swatches[static_cast<size_t>(index)];
    if (s.red < 0) {
        // "No colour": an empty white tile, struck through.
        shape(p, rounded(QRectF(1.5, 1.5, 13, 13), 2), white, paper_rim);
        stroke(p, polyline({{4, 12}, {12, 4}}), fill(Hue::red), 1.75);
        return;
    }
    // The top left pixel must be the colour itself: a flat square, shaded on two sides only.
    const QColor colour(s.red, s.green, s.blue);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(0, 0, grid, grid), colour);
    p.fillRect(QRectF(0, 15, grid, 1), colour.darker(125));
    p.fillRect(QRectF(15, 0, 1, grid), colour.darker(125));
}

// ---- kind icons: a coloured tile with a white sign -----------------------------------------

void tile(QPainter &p, Hue hue)
{
    shape(p, rounded(QRectF(1.5, 1.5, 13, 13), 3), hue);
}

void kind_none(QPainter &p)
{
    tile(p, Hue::grey);
    stroke(p, polyline({{5, 8}, {11, 8}}), white, 2.0);
}

void kind_text(QPainter &p)
{
    tile(p, Hue::blue);
    stroke(p, polyline({{4.75, 4.75}, {11.25, 4.75}}), white, 2.0);
    stroke(p, polyline({{8, 4.75}, {8, 11.5}}), white, 2.0);
}

void kind_choice(QPainter &p)
{
    tile(p, Hue::purple);
    stroke(p, polyline({{4.5, 6.5}, {8, 10}, {11.5, 6.5}}), white, 2.0);
}

void kind_number(QPainter &p)
{
    tile(p, Hue::teal);
    for (const qreal x : {6.5, 9.5})
        stroke(p, polyline({{x, 4.5}, {x, 11.5}}), white, 1.5);
    for (const qreal y : {6.5, 9.5})
        stroke(p, polyline({{4.5, y}, {11.5, y}}), white, 1.5);
}

void kind_list(QPainter &p)
{
    tile(p, Hue::orange);
    for (const qreal y : {5.0, 8.0, 11.0}) {
        solid(p, circle({5.25, y}, 1.1), white);
        stroke(p, polyline({{7.75, y}, {11.25, y}}), white, 1.5);
    }
}

void kind_date(QPainter &p)
{
    tile(p, Hue::red);
    solid(p, rounded(QRectF(4, 5, 8, 7), 1), white);
    for (const qreal x : {6.0, 10.0})
        stroke(p, polyline({{x, 3.5}, {x, 5.5}}), white, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(fill(Hue::red));
    for (const qreal y : {7.0, 9.5})
        for (const qreal x : {5.5, 7.25, 9.0})
            p.drawRect(QRectF(x, y, 1.5, 1.5));
}

void kind_money(QPainter &p)
{
    tile(p, Hue::green);
    solid(p, rounded(QRectF(3.5, 5, 9, 6), 1), white);
    solid(p, circle({8, 8}, 1.6), fill(Hue::green));
}

void kind_colour(QPainter &p)
{
    const QPainterPath outline = rounded(QRectF(1.5, 1.5, 13, 13), 3);
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(0, 0, 8, 8), fill(Hue::red));
    p.fillRect(QRectF(8, 0, 8, 8), fill(Hue::yellow));
    p.fillRect(QRectF(0, 8, 8, 8), fill(Hue::blue));
    p.fillRect(QRectF(8, 8, 8, 8), fill(Hue::green));
    p.restore();
    stroke(p, outline, rim(Hue::slate), 1.0);
}

constexpr std::array<Paint, 8> kind_art{
    kind_none,   // 0
    kind_text,   // 1
    kind_choice, // 2
    kind_number, // 3
    kind_list,   // 4 text list
    kind_date,   // 5
    kind_money,  // 6
    kind_colour, // 7
};

// ---- buttons -------------------------------------------------------------------------------

void pencil(QPainter &p)
{
    p.save();
    p.translate(8.5, 7.5);
    p.rotate(-45);
    shape(p, rounded(QRectF(5.25, -2.25, 2.5, 4.5), 1), Hue::pink);
    shape(p, box(QRectF(3.75, -2.25, 1.5, 4.5)), Hue::grey);
    shape(p, box(QRectF(-3.5, -2.25, 7.25, 4.5)), Hue::yellow);
    shape(p, polygon({{-3.5, -2.25}, {-7.75, 0}, {-3.5, 2.25}}), QColor(0xf3d6a4), rim(Hue::brown));
    solid(p, polygon({{-6.1, -0.9}, {-8, 0}, {-6.1, 0.9}}), rim(Hue::slate));
    p.restore();
}

void download_arrow(QPainter &p)
{
    rimmed(p, {polyline({{2.5, 10.5}, {2.5, 13.5}, {13.5, 13.5}, {13.5, 10.5}})}, Hue::grey, 1.5);
    shape(p, polygon({{6, 1.5}, {10, 1.5}, {10, 6}, {13, 6}, {8, 11.5}, {3, 6}, {6, 6}}),
          Hue::blue);
}

void gear(QPainter &p)
{
    QPainterPath wheel = circle({8, 8}, 4.75);
    for (int k = 0; k < 8; ++k) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-1.4, -7, 2.8, 4), 0.5, 0.5);
        wheel = wheel.united(QTransform().translate(8, 8).rotate(k * 45.0).map(tooth));
    }
    wheel = wheel.subtracted(circle({8, 8}, 1.9));
    shape(p, wheel.simplified(), Hue::slate);
}

void stop(QPainter &p)
{
    badge(p, Hue::red);
    solid(p, rounded(QRectF(5.25, 5.25, 5.5, 5.5), 1), white);
}

void globe(QPainter &p)
{
    badge(p, Hue::blue);
    p.save();
    p.setClipPath(circle({8, 8}, 6));
    QColor line = white;
    line.setAlpha(230);
    stroke(p, polyline({{1.5, 8}, {14.5, 8}}), line, 1.0);
    stroke(p, polyline({{8, 1.5}, {8, 14.5}}), line, 1.0);
    QPainterPath meridian;
    meridian.addEllipse(QPointF(8, 8), 3, 6.5);
    stroke(p, meridian, line, 1.0);
    stroke(p, polyline({{2.5, 4.75}, {13.5, 4.75}}), line, 1.0);
    stroke(p, polyline({{2.5, 11.25}, {13.5, 11.25}}), line, 1.0);
    p.restore();
}

QPainterPath chevron(qreal tip, qreal direction)
{
    const qreal base = tip + direction * 4.25;
    return polyline({{3.75, base}, {8, tip}, {12.25, base}});
}

QPainterPath bar(qreal y)
{
    return polyline({{3.5, y}, {12.5, y}});
}

void up_99(QPainter &p)
{
    rimmed(p, {bar(2.25), chevron(5.5, 1), chevron(9.25, 1)}, Hue::blue);
}
void up_10(QPainter &p)
{
    rimmed(p, {chevron(3.5, 1), chevron(8, 1)}, Hue::blue);
}
void up_1(QPainter &p)
{
    rimmed(p, {chevron(5.75, 1)}, Hue::blue);
}
void down_1(QPainter &p)
{
    rimmed(p, {chevron(10.25, -1)}, Hue::blue);
}
void down_10(QPainter &p)
{
    rimmed(p, {chevron(8, -1), chevron(12.5, -1)}, Hue::blue);
}
void down_99(QPainter &p)
{
    rimmed(p, {bar(13.75), chevron(10.5, -1), chevron(6.75, -1)}, Hue::blue);
}

void plus(QPainter &p)
{
    rimmed(p, {polyline({{8, 3}, {8, 13}}), polyline({{3, 8}, {13, 8}})}, Hue::green, 2.5);
}

void minus(QPainter &p)
{
    rimmed(p, {polyline({{3, 8}, {13, 8}})}, Hue::red, 2.5);
}

void funnel_reset(QPainter &p)
{
    shape(p, polygon({{1.5, 2.5}, {12.5, 2.5}, {8.5, 7.5}, {8.5, 13}, {5.5, 14.5}, {5.5, 7.5}}),
          Hue::teal);
    shape(p, circle({11.75, 11.25}, 3.75), Hue::red);
    stroke(p, polyline({{10.25, 9.75}, {13.25, 12.75}}), white, 1.4);
    stroke(p, polyline({{13.25, 9.75}, {10.25, 12.75}}), white, 1.4);
}

void reload_picture(QPainter &p)
{
    const QPainterPath frame = rounded(QRectF(1.5, 1.5, 12, 10), 1.5);
    shape(p, frame, QColor(0xd4e6fb), paper_rim);
    p.save();
    p.setClipPath(frame);
    solid(p, polygon({{1, 12}, {5.5, 6.5}, {8.5, 9.5}, {10, 8}, {14, 12}}), fill(Hue::green));
    solid(p, circle({10, 4.75}, 1.4), fill(Hue::yellow));
    p.restore();
    shape(p, circle({11.5, 11.5}, 4), Hue::orange);
    // A turning arrow: three quarters of a circle from the top, head pointing up at the right.
    QPainterPath turn;
    turn.arcMoveTo(QRectF(9.5, 9.5, 4, 4), 90);
    turn.arcTo(QRectF(9.5, 9.5, 4, 4), 90, 250);
    stroke(p, turn, white, 1.25);
    solid(p, polygon({{12.2, 11.9}, {14.8, 11.9}, {13.5, 9.9}}), white);
}

// In the order of Button.
constexpr std::array<Paint, button_count> button_art{
    pencil,         // edit
    download_arrow, // download
    gear,           // download_options
    stop,           // cancel
    globe,          // web_links
    up_99,          // move_up_99
    up_10,          // move_up_10
    up_1,           // move_up_1
    down_1,         // move_down_1
    down_10,        // move_down_10
    down_99,        // move_down_99
    plus,           // add
    minus,          // remove
    funnel_reset,   // filter_reset
    reload_picture, // picture_again
};

// ---- status bar ----------------------------------------------------------------------------

void sum_sign(QPainter &p)
{
    rimmed(p, {polyline({{12, 3.5}, {4, 3.5}, {8.5, 8}, {4, 12.5}, {12, 12.5}})}, Hue::blue);
}

void pieces(QPainter &p)
{
    brick(p, fill(Hue::red), rim(Hue::red), 0.5);
}

void figure(QPainter &p)
{
    shape(p, polygon({{4.5, 9}, {11.5, 9}, {13.5, 14.5}, {2.5, 14.5}}), Hue::blue);
    shape(p, rounded(QRectF(6.5, 1, 3, 2), 0.5), Hue::yellow);
    shape(p, rounded(QRectF(4.5, 2.5, 7, 6), 2), Hue::yellow);
}

void retail_tag(QPainter &p)
{
    shape(p, tag_path(), Hue::orange);
    solid(p, circle({5.2, 8}, 1.2), white);
    stroke(p, polyline({{8.5, 6.5}, {12, 6.5}}), white, 1.25);
    stroke(p, polyline({{8.5, 9.5}, {11, 9.5}}), white, 1.25);
}

void coins(QPainter &p)
{
    for (const qreal y : {10.5, 7.5}) {
        shape(p, rounded(QRectF(1.5, y, 9, 3.5), 1.75), Hue::yellow);
    }
    shape(p, circle({10.25, 8.75}, 4.75), Hue::yellow);
    stroke(p, circle({10.25, 8.75}, 2.75), rim(Hue::yellow), 1.0);
}

void banknote(QPainter &p)
{
    shape(p, rounded(QRectF(1.5, 3.5, 13, 9), 1.5), Hue::green);
    solid(p, circle({8, 8}, 2.25), white);
    solid(p, circle({4, 8}, 0.9), white);
    solid(p, circle({12, 8}, 0.9), white);
}

void points(QPainter &p)
{
    badge(p, Hue::purple);
    solid(p, star_path({8, 8.4}, 4.6, 2.0), white);
}

struct StatusArt
{
    int field;
    Paint draw;
};

constexpr std::array<StatusArt, 7> status_art{{
    {1, sum_sign},
    {3, pieces},
    {5, figure},
    {7, retail_tag},
    {9, coins},
    {11, banknote},
    {13, points},
}};

// ---- web links (plain pictograms, no marks of any company) ---------------------------------

void book(QPainter &p)
{
    shape(p, rounded(QRectF(3.5, 3.5, 10, 11), 1), white, paper_rim);
    shape(p, rounded(QRectF(2.5, 1.5, 10, 11), 1.5), Hue::blue);
    stroke(p, polyline({{4.5, 2}, {4.5, 12}}), rim(Hue::blue), 1.0);
    stroke(p, polyline({{6.75, 5}, {10.25, 5}}), white, 1.5);
}

void figure_head(QPainter &p)
{
    shape(p, rounded(QRectF(5.5, 1.5, 5, 2.5), 0.75), Hue::yellow);
    shape(p, rounded(QRectF(2.5, 3.5, 11, 11), 3.5), Hue::yellow);
    const QColor face = rim(Hue::slate);
    solid(p, circle({6, 7.75}, 1), face);
    solid(p, circle({10, 7.75}, 1), face);
    QPainterPath smile;
    smile.moveTo(5.5, 10.25);
    smile.quadTo(8, 12.75, 10.5, 10.25);
    stroke(p, smile, face, 1.1);
}

void brick_stack(QPainter &p)
{
    shape(p, rounded(QRectF(9.5, 7.5, 3, 2.5), 0.75), Hue::red);
    shape(p, rounded(QRectF(1.5, 9.5, 13, 5), 1.25), Hue::red);
    shape(p, rounded(QRectF(2.5, 2.5, 2.5, 2.5), 0.75), Hue::green);
    shape(p, rounded(QRectF(6, 2.5, 2.5, 2.5), 0.75), Hue::green);
    shape(p, rounded(QRectF(1.5, 4.5, 8, 5), 1.25), Hue::green);
}

void storefront(QPainter &p)
{
    shape(p, box(QRectF(2.5, 6.5, 11, 8)), white, paper_rim);
    shape(p, box(QRectF(7.5, 9.5, 3, 5)), Hue::orange);
    shape(p, box(QRectF(3.75, 8.5, 2.5, 2.5)), QColor(0xd4e6fb), paper_rim);
    QPainterPath awning;
    awning.moveTo(1.5, 6.5);
    awning.lineTo(2.5, 2.5);
    awning.lineTo(13.5, 2.5);
    awning.lineTo(14.5, 6.5);
    awning.closeSubpath();
    shape(p, awning, Hue::orange);
    p.save();
    p.setClipPath(awning);
    for (const qreal x : {4.5, 9.5})
        p.fillRect(QRectF(x, 3, 2.25, 3), white);
    p.restore();
}

void bar_chart(QPainter &p)
{
    stroke(p, polyline({{1.5, 14.5}, {14.5, 14.5}}), rim(Hue::grey), 1.0);
    shape(p, box(QRectF(2.5, 9.5, 3, 4)), Hue::teal);
    shape(p, box(QRectF(6.5, 6.5, 3, 7)), Hue::teal);
    shape(p, box(QRectF(10.5, 2.5, 3, 11)), Hue::teal);
}

void shopping_bag(QPainter &p)
{
    QPainterPath handle;
    handle.moveTo(5.5, 7);
    handle.lineTo(5.5, 4.5);
    handle.arcTo(QRectF(5.5, 1.5, 5, 6), 180, -180);
    handle.lineTo(10.5, 7);
    stroke(p, handle, rim(Hue::red), 1.5);
    shape(p, polygon({{2.5, 5.5}, {13.5, 5.5}, {14, 14.5}, {2, 14.5}}), Hue::red);
    shape(p, circle({8, 10}, 2), white, rim(Hue::red));
}

void cart(QPainter &p)
{
    stroke(p, polyline({{1.5, 2.5}, {3.25, 2.5}, {5, 10.5}, {12.5, 10.5}}), rim(Hue::slate), 1.5);
    shape(p, polygon({{3.75, 4.5}, {14.5, 4.5}, {13, 9}, {4.75, 9}}), Hue::blue);
    shape(p, circle({5.5, 13}, 1.4), Hue::slate);
    shape(p, circle({12, 13}, 1.4), Hue::slate);
}

void gavel(QPainter &p)
{
    shape(p, rounded(QRectF(7.5, 12.5, 7, 2), 0.75), Hue::slate);
    p.save();
    p.translate(6.5, 6.5);
    p.rotate(-45);
    shape(p, rounded(QRectF(-1, 0, 2, 9.5), 0.75), Hue::brown);
    shape(p, rounded(QRectF(-4.5, -2.5, 9, 4.5), 1.25), Hue::brown);
    p.restore();
}

void scales(QPainter &p)
{
    const QColor line = rim(Hue::purple);
    stroke(p, polyline({{8, 3}, {8, 13.5}}), line, 1.5);
    stroke(p, polyline({{5, 14}, {11, 14}}), line, 1.75);
    stroke(p, polyline({{2.5, 4}, {13.5, 4}}), line, 1.5);
    for (const qreal x : {3.5, 12.5}) {
        stroke(p, polyline({{x - 2.25, 8.5}, {x, 4}, {x + 2.25, 8.5}}), line, 0.9);
        QPainterPath pan;
        pan.moveTo(x - 3, 8.5);
        pan.lineTo(x + 3, 8.5);
        pan.arcTo(QRectF(x - 3, 6, 6, 5), 0, -180);
        shape(p, pan, Hue::purple);
    }
}

void magnifier(QPainter &p)
{
    rimmed(p, {polyline({{10.5, 10.5}, {13.75, 13.75}})}, Hue::slate, 2.25);
    shape(p, circle({6.75, 6.75}, 4.75), QColor(0xd4e6fb), rim(Hue::slate));
    stroke(p, circle({6.75, 6.75}, 4.25), fill(Hue::slate), 1.5);
}

void chain(QPainter &p)
{
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    const QPainterPath left = rounded(QRectF(-7, -2.5, 8, 5), 2.5);
    const QPainterPath right = rounded(QRectF(-1, -2.5, 8, 5), 2.5);
    rimmed(p, {left}, Hue::blue, 1.75);
    rimmed(p, {right}, Hue::blue, 1.75);
    p.restore();
}

constexpr std::array<Paint, 10> link_art{
    book,         // 0 set catalogue
    figure_head,  // 1 minifigure market
    brick_stack,  // 2 parts database
    storefront,   // 3 second market
    bar_chart,    // 4 price guide
    shopping_bag, // 5 maker's shop
    cart,         // 6 general shop
    gavel,        // 7 auction site
    scales,       // 8 price comparison
    magnifier,    // 9 web search
};

// ---- the application's mark ----------------------------------------------------------------

void brick_mark(QPainter &p)
{
    // Drawn on a 64 grid inside the 16 grid of the other icons.
    p.scale(0.25, 0.25);
    p.setPen(QPen(rim(Hue::red), 2.5));
    p.setBrush(fill(Hue::red));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 12, 12);
    for (const qreal y : {22.0, 42.0})
        for (const qreal x : {22.0, 42.0}) {
            solid(p, circle({x + 1.5, y + 2.5}, 9), rim(Hue::red));
            solid(p, circle({x, y}, 9), QColor(0xf0675b));
            solid(p, circle({x - 2.5, y - 2.5}, 3), QColor(0xf79b91));
        }
}

// ---- the placeholder picture (designed at 180 by 240) --------------------------------------

const QColor placeholder_ground(0xf4f5f7);

void placeholder(QPainter &p)
{
    p.setPen(QPen(QColor(0xd3d8df), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 8, 164, 224), 14, 14);

    const QColor figure(0xc3cad3);
    stroke(p, polyline({{57, 120}, {44, 160}}), figure, 18);
    stroke(p, polyline({{123, 120}, {136, 160}}), figure, 18);
    p.setPen(round_pen(figure, 6));
    p.setBrush(figure);
    p.drawPath(rounded(QRectF(77, 44, 26, 14), 4));
    p.drawPath(rounded(QRectF(62, 54, 56, 48), 16));
    p.drawPath(box(QRectF(78, 100, 24, 10)));
    p.drawPath(polygon({{58, 112}, {122, 112}, {132, 166}, {48, 166}}));
    p.drawPath(rounded(QRectF(48, 172, 84, 14), 3));
    p.drawPath(rounded(QRectF(48, 190, 40, 30), 4));
    p.drawPath(rounded(QRectF(92, 190, 40, 30), 4));

    // The question sticker, drawn on the 16 grid of the icons and placed over the shoulder.
    p.save();
    p.translate(112, 30);
    p.scale(3.4, 3.4);
    shape(p, circle({8, 8}, 6.5), Hue::yellow);
    question_glyph(p, white);
    p.restore();
}

// ---- rendering and the cache ---------------------------------------------------------------

const QList<int> icon_sizes{16, 22, 32, 48};

template<typename Draw> QIcon render(Draw draw, const QList<int> &sizes = icon_sizes)
{
    QIcon icon;
    for (const int size : sizes) {
        for (const int ratio : {1, 2}) {
            QPixmap pixmap(size * ratio, size * ratio);
            pixmap.setDevicePixelRatio(ratio);
            pixmap.fill(Qt::transparent);
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size / grid, size / grid);
            draw(p);
            p.end();
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

enum class Family : quint32 { templates, markers, swatches, kinds, buttons, status, links };

template<typename Draw> QIcon cached(Family family, int index, Draw draw)
{
    static QHash<quint64, QIcon> icons;
    const quint64 key = (quint64(family) << 32) | quint32(index);
    const auto found = icons.constFind(key);
    if (found != icons.cend())
        return *found;
    return *icons.insert(key, render(draw));
}

template<typename Table> bool in_table(const Table &table, qint64 index)
{
    return index >= 0 && index < qint64(table.size());
}

} // namespace

QIcon template_icon(qint64 code)
{
    const int index = in_table(template_art, code) ? int(code) : 0;
    return cached(Family::templates, index,
                  [index](QPainter &p) { template_art[size_t(index)](p); });
}

int marker_count()
{
    return int(marker_art.size());
}

QIcon marker_icon(qint64 index)
{
    if (!in_table(marker_art, index) || marker_art[size_t(index)].draw == nullptr)
        return QIcon();
    const MarkerArt &art = marker_art[size_t(index)];
    return cached(Family::markers, int(index), [&art](QPainter &p) { art.draw(p, art.hue); });
}

int row_colour_count()
{
    return int(swatches.size());
}

qint64 row_colour(int index)
{
    if (!in_table(swatches, index) || swatches[size_t(index)].red < 0)
        return -1;
    const Swatch &s = swatches[size_t(index)];
    return qint64(s.red) | qint64(s.green) << 8 | qint64(s.blue) << 16;
}

QIcon row_colour_swatch(int index)
{
    const int shown = in_table(swatches, index) ? index : 0;
    return cached(Family::swatches, shown, [shown](QPainter &p) { swatch_picture(p, shown); });
}

int kind_icon_count()
{
    return int(kind_art.size());
}

QIcon kind_icon(int index)
{
    const int shown = in_table(kind_art, index) ? index : 0;
    return cached(Family::kinds, shown, [shown](QPainter &p) { kind_art[size_t(shown)](p); });
}

QIcon button(Button which)
{
    const int index = int(which);
    if (!in_table(button_art, index))
        return QIcon();
    return cached(Family::buttons, index, [index](QPainter &p) { button_art[size_t(index)](p); });
}

QIcon status_icon(int field)
{
    for (const StatusArt &art : status_art) {
        if (art.field == field)
            return cached(Family::status, field, [&art](QPainter &p) { art.draw(p); });
    }
    return QIcon();
}

int link_icon_count()
{
    return int(link_art.size());
}

QIcon link_icon(int index)
{
    if (!in_table(link_art, index))
        return cached(Family::links, -1, chain);
    return cached(Family::links, index, [index](QPainter &p) { link_art[size_t(index)](p); });
}

QPixmap placeholder_picture(int height)
{
    if (height < 1)
        return QPixmap();
    height = qMin(height, 2048);
    static QHash<int, QPixmap> pictures;
    const auto found = pictures.constFind(height);
    if (found != pictures.cend())
        return *found;
    QPixmap picture(qMax(1, height * 3 / 4), height);
    picture.fill(placeholder_ground);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(height / 240.0, height / 240.0);
    placeholder(p);
    p.end();
    return *pictures.insert(height, picture);
}

QIcon application_icon()
{
    static const QIcon icon = render(brick_mark, {16, 22, 32, 48, 64, 128, 256});
    return icon;
}

} // namespace tandora::artwork
