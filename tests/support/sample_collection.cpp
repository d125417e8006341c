// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_collection.h"

#include "store/collection_ops.h"

namespace tandora::test {

collection full_collection(const Texts &texts)
{
    collection c;
    reset_collection(c, texts);
    c.vip_stock = 0.1;
    c.view_settings = 0x55;
    c.load_settings = 63;
    c.sort_col = 97;
    c.sort_dir = 0;
    c.fmt_date = QStringLiteral("%yyyy/%mm/%dd");
    c.fmt_decimal = 44;
    c.fmt_thousand = 39;
    c.fmt_currency = 22;
    c.data_folder = QStringLiteral("~/Lego data/ü");
    c.backup_steps = 3;
    c.columns[5].width = 321;
    c.columns[7].cHide = 1;
    c.user_links = {QStringLiteral("https://example.org/{number}-{variant}?q=\"x\"")};
    c.UVP_overwrite.insert(QStringLiteral("10294-1"), 123456789.123);
    c.UVP_overwrite.insert(QStringLiteral("Ωmega-2"), 1e-20);
    c.extra_figs = {QStringLiteral("10294-1:sw0001a"), QString()};
    c.gear_sets = {QStringLiteral("5005254-1")};
    filter f;
    f.name = QStringLiteral("Tab\there \"quoted\" \\ back");
    f.logic = 1;
    f.invert = 1;
    f.sensitiv = 1;
    f.condis = {{3, 1, QStringLiteral("Star ⭐ Wars")}, {0, 0, QString()}};
    c.filters = {f, filter{}};

    own_set s;
    s._str = QStringLiteral("scratch");
    s._val = 42;
    s._lst = {QStringLiteral("scratch")};
    s.template_ = 1;
    s.number = QStringLiteral("10294");
    s.version = 1;
    s.state = 12;
    s.packaging = 5;
    s.instructions = 4;
    s.completeness = 3;
    s.altern_pieces = 9090;
    s.location = QStringLiteral("Attic, shelf \"B\"");
    s.addition = QStringLiteral("Linie 1\nLinie 2\r\nLinie 3");
    s.mygroup = QStringLiteral("日本語 🧱");
    s.notes = QStringLiteral("control \x01\x1f and / slash");
    s.vip_points_get = -2;
    s.vip_points_sub = -0.0;
    s.to_sell = 1;
    s.cashback = 123456789.123;
    s.cashback_type = 2;
    s.sales_value = 1e-20;
    s.reminder_date = 9223372036854775807LL;
    s.marker = 31;
    s.color = 0;
    s.last_edit = -1;
    s.purc = {5,
              QStringLiteral("Shop"),
              QStringLiteral("Seller"),
              1700000000,
              QStringLiteral("A-1"),
              0.1,
              4.99,
              1.5,
              3};
    s.sell = {2,          QStringLiteral("Platform"), QStringLiteral("Buyer"),
              2147483647, QStringLiteral("T-9"),      1e300,
              -1.25,      0.3333333333333333,         1};
    s.mytags = {QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("ç")};
    s.documents = {QStringLiteral("~/Docs/invoice.pdf")};
    c.sets = {s, own_set{}, s};
    c.sets[2].number = QStringLiteral("75192");
    return c;
}

} // namespace tandora::test
