// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QtGlobal>

// The program's own pictures: row icons, swatches, button and link pictograms, the placeholder.
// Everything is painted in code on first use and kept for the rest of the run; the icons carry
// 16, 22, 32 and 48 pixel renderings and their device-pixel-ratio 2 twins. GUI thread only.
namespace tandora::artwork {

// Template codes 0 free, 1 sealed, 2 wishlist, 3 sold, 4 given away, 5 lost; any other code
// shows as 0.
QIcon template_icon(qint64 code);

// Marker 0 is "no marker" (a null icon, the template icon shows instead); 1 to 31 are
// distinct markers. Indexes outside 0 to 31 give the null icon as well.
QIcon marker_icon(qint64 index);
int marker_count(); // 32, marker 0 included

// The row colour table: swatch 0 means "no colour", swatches 1 to 6 are row backgrounds.
int row_colour_count();
// The colour as the collection stores it (red in the lowest byte); -1 for swatch 0 and for
// indexes outside the table.
qint64 row_colour(int index);
// The swatch picture; its top left pixel is the colour. Indexes outside the table give swatch 0.
QIcon row_colour_swatch(int index);

// Kind icons 0 none, 1 text, 2 choice, 3 number, 4 text list, 5 date, 6 money, 7 colour;
// other indexes give kind 0's icon.
QIcon kind_icon(int index);
int kind_icon_count(); // 8

enum class Button {
    edit,
    download,
    download_options,
    cancel,
    web_links,
    move_up_99,
    move_up_10,
    move_up_1,
    move_down_1,
    move_down_10,
    move_down_99,
    add,
    remove,
    filter_reset,
    picture_again,
};
inline constexpr int button_count = 15;
// A value outside the enumeration gives a null icon.
QIcon button(Button which);

// The icon fields of the status bar: 1 sum, 3 pieces, 5 minifigures, 7 retail value, 9 price,
// 11 sale value, 13 points. Every other field number gives a null icon.
QIcon status_icon(int field);

// Link icons 0 set catalogue, 1 minifigure market, 2 parts database, 3 second market,
// 4 price guide, 5 maker's shop, 6 general shop, 7 auction site, 8 price comparison,
// 9 web search; any other index gives a generic link icon.
QIcon link_icon(int index);
int link_icon_count(); // 10

// The "no picture" image in the 3:4 shape (180 by 240 at height 240), width = height * 3 / 4.
// Heights below 1 give a null pixmap; heights above 2048 are drawn at 2048. The picture is
// opaque.
QPixmap placeholder_picture(int height);

// The program's mark: a brick seen from above.
QIcon application_icon();

} // namespace tandora::artwork
