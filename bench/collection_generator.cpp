// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection_generator.h"

#include "core/clock.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "store/collection_file.h"
#include "store/collection_ops.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <random>
#include <span>
#include <string>
#include <string_view>

namespace tandora::bench {

namespace {

// std::mt19937 is specified bit for bit and the mappings below use plain arithmetic, so the
// sequence is the same with every standard library (the std distributions are not).
class Rng
{
public:
    explicit Rng(quint32 seed)
        : m_engine(seed)
    {
    }

    // 0 <= result < n
    quint32 below(quint32 n) { return quint32((quint64(m_engine()) * n) >> 32); }
    // lo <= result <= hi
    qint64 between(qint64 lo, qint64 hi) { return lo + qint64(below(quint32(hi - lo + 1))); }
    bool percent(quint32 p) { return below(1000) < p * 10; }
    bool permille(quint32 p) { return below(1000) < p; }

    // An index drawn with the given relative weights.
    size_t weighted(std::initializer_list<quint32> weights)
    {
        quint32 total = 0;
        for (quint32 w : weights)
            total += w;
        quint32 r = below(total);
        size_t i = 0;
        for (quint32 w : weights) {
            if (r < w)
                return i;
            r -= w;
            ++i;
        }
        return weights.size() - 1;
    }

    // A fresh string from the pool: every field owns its text as it does after a load.
    QString pick(std::span<const char *const> pool)
    {
        return QString::fromUtf8(pool[below(quint32(pool.size()))]);
    }

private:
    std::mt19937 m_engine;
};

// How the order numbers of a shop look; None: the shop gives none and charges no shipping.
enum class OrderStyle { None, Lego, Amazon, Ebay, BrickLink };
struct shop
{
    const char *name;
    OrderStyle orders;
};
// The pools are small so that values repeat the way they do in real collections.
constexpr shop shops[] = {
    {"LEGO Store", OrderStyle::Lego},     {"LEGO Shop online", OrderStyle::Lego},
    {"Amazon", OrderStyle::Amazon},       {"eBay", OrderStyle::Ebay},
    {"BrickLink", OrderStyle::BrickLink}, {"Kleinanzeigen", OrderStyle::None},
    {"Toys R Us", OrderStyle::None},      {"Smyths", OrderStyle::None},
    {"Galeria", OrderStyle::None},        {"Müller", OrderStyle::None},
    {"Flohmarkt", OrderStyle::None},      {"Brick fair", OrderStyle::None},
    {"Jouéclub", OrderStyle::None},       {"Local shop", OrderStyle::None},
    {"Kaufland", OrderStyle::None},
};

constexpr const char *sale_platforms[] = {"eBay",      "Kleinanzeigen", "BrickLink",
                                          "Flohmarkt", "Brick fair",    "Vinted"};
constexpr const char *persons[] = {
    "Müller", "Schmidt", "J. Smith",      "Dupont",       "Jørgensen", "Kowalski",
    "García", "O'Brien", "brickfan_1987", "Weiß & Söhne", "Nguyễn",    "van der Berg",
    "Łukasz", "Anna K.", "Grandma",       "Tom",
};
constexpr const char *locations[] = {
    "Attic",         "Cellar shelf 2",  "Étagère",     "Wardrobe",
    "Garage, box 3", "Office",          "Living room", "Kinderzimmer",
    "Storage unit",  "Display cabinet", "Guest room",  "Bücherregal",
};
constexpr const char *additions[] = {"Box 1",  "Box 2",     "Box 7",       "Top shelf",
                                     "Bottom", "Left side", "Behind door", "Crate A"};
constexpr const char *groups[] = {
    "Star Wars", "Technic",           "City",         "Icons",     "Ideas",
    "Castle",    "Modular buildings", "Space",        "Für Lukas", "Investment",
    "Christmas", "Architecture",      "Harry Potter", "Trains",    "Collectible minifigures",
};
constexpr const char *tag_pool[] = {"gift",       "retired",    "display",   "to build",
                                    "MOC base",   "für Kinder", "BrickLink", "signed",
                                    "sealed box", "2nd copy",   "exclusive", "parts"};
constexpr const char *short_notes[] = {
    "Box slightly dented",     "Bought at the 2019 fair",    "Missing one sticker sheet",
    "Gift from Müller",        "Instructions in the folder", "Built once, sorted by colour",
    "GWP with a larger order", "Price incl. double points",
};
constexpr const char *long_notes[] = {
    "Missing parts:\n2x 3001 red\n1x 3023 dark bluish grey\nOrdered on BrickLink",
    "Built 2021.\nTaken apart for the move.\nBags 1-4 sorted, rest loose.",
    "Christmas present from grandma.\r\nKeep sealed!",
    "Minifigures stored separately\n(box 7, drawer 2).",
};
constexpr const char *wish_notes[] = {"Wait for a sale", "Only under 100", "Birthday wish"};

// Typical retail price points.
constexpr double price_points[] = {4.99,   9.99,   12.99,  14.99,  19.99,  24.99,  29.99,
                                   34.99,  39.99,  49.99,  59.99,  69.99,  79.99,  89.99,
                                   99.99,  119.99, 129.99, 149.99, 169.99, 199.99, 229.99,
                                   249.99, 299.99, 349.99, 449.99, 679.99, 849.99};
constexpr double shipping[] = {0, 0, 0, 3.95, 4.49, 4.99, 5.95, 6.99};

// Row colours as 24-bit RGB with red in the lowest byte.
constexpr qint64 colours[] = {0x8080FF, 0x80FF80, 0xFF8080, 0x80FFFF, 0xC0C0C0, 0xFFC0FF, 0};

// Wall-clock seconds.
constexpr qint64 day = 86400;
constexpr qint64 first_date = 1104537600;  // 2005-01-01
constexpr qint64 last_date = 1767225599;   // 2025-12-31 23:59:59
constexpr qint64 recent_date = 1704067200; // 2024-01-01: reminders are set for recent years

double cents(double v)
{
    return std::round(v * 100) / 100;
}

class Generator
{
public:
    Generator(size_t set_count, quint32 seed)
        : m_rng(seed)
        , m_count(set_count)
    {
    }

    collection run()
    {
        collection c;
        reset_collection(c, british_english_texts());
        m_wishlist = british_english_texts().text(u"templ_2");
        c.sets.reserve(m_count);
        while (c.sets.size() < m_count)
            add_order(c.sets, std::min<size_t>(m_count - c.sets.size(), order_size()));
        collection_extras(c);
        return c;
    }

private:
    size_t order_size()
    {
        switch (m_rng.weighted({78, 12, 5, 3, 2})) {
        case 0:
            return 1;
        case 1:
            return 2;
        case 2:
            return 3;
        case 3:
            return 4;
        default:
            return size_t(m_rng.between(5, 12));
        }
    }

    qint64 date_between(qint64 from, qint64 to)
    {
        return from + qint64(m_rng.below(quint32((to - from) / day + 1))) * day;
    }

    qint64 time_of_day() { return m_rng.between(7 * 3600, 23 * 3600); }

    // Wide ranges, so that most sets of a large collection have keys of their own.
    QString set_number()
    {
        switch (m_rng.weighted({60, 15, 12, 8, 5})) {
        case 0:
            return QString::number(m_rng.between(10000, 99999));
        case 1: // older sets
            return QString::number(m_rng.between(1000, 9999));
        case 2: // gear, key chains, designer programme
            return QString::number(m_rng.between(100000, 999999));
        case 3: // promotional
            return QString::number(m_rng.between(5000000, 5009999));
        default: // collectible minifigure series
            return QStringLiteral("col%1").arg(m_rng.between(1, 26), 2, 10, QLatin1Char('0'));
        }
    }

    qint64 version() { return qint64(m_rng.weighted({90, 7, 3})) + 1; }

    double retail_price() { return price_points[m_rng.below(std::size(price_points))]; }

    double paid(double retail)
    {
        switch (m_rng.weighted({60, 30, 10})) {
        case 0:
            return retail;
        case 1:
            return cents(retail * (0.6 + 0.01 * m_rng.below(31)));
        default: // second hand, any amount
            return cents(retail * (0.3 + 0.01 * m_rng.below(150)));
        }
    }

    QString order_number(OrderStyle style)
    {
        auto digits = [this](int n) {
            QString s;
            for (int i = 0; i < n; ++i)
                s += QLatin1Char(char('0' + m_rng.below(10)));
            return s;
        };
        switch (style) {
        case OrderStyle::Lego:
            return QLatin1Char('T') + digits(9);
        case OrderStyle::Amazon:
            return QStringLiteral("302-") + digits(7) + QLatin1Char('-') + digits(7);
        case OrderStyle::Ebay:
            return digits(2) + QLatin1Char('-') + digits(5) + QLatin1Char('-') + digits(5);
        case OrderStyle::BrickLink:
            return digits(8);
        case OrderStyle::None:
            break;
        }
        return {};
    }

    static trading empty_trading()
    {
        trading t;
        t.date = no_date;
        t.items = 1;
        return t;
    }

    // Sets bought together share platform, seller, date, order number, shipping and costs.
    void add_order(std::vector<own_set> &sets, size_t n)
    {
        const bool wishlist = m_rng.percent(10);
        trading purc = empty_trading();
        bool lego_shop = false;
        if (wishlist) {
            purc.platform = m_wishlist;
        } else {
            const shop &from = shops[m_rng.below(std::size(shops))];
            lego_shop = from.orders == OrderStyle::Lego;
            purc.platform = QString::fromUtf8(from.name);
            if (m_rng.percent(25))
                purc.person = m_rng.pick(persons);
            purc.date = m_rng.percent(12) ? no_date : date_between(first_date, last_date);
            purc.number = order_number(from.orders);
            // Shipping is paid once per order, online only.
            if (from.orders != OrderStyle::None)
                purc.shipc = shipping[m_rng.below(std::size(shipping))];
            purc.costs = m_rng.percent(8) ? cents(0.35 + 0.02 * m_rng.below(200)) : 0;
            purc.items = qint64(n);
        }
        for (size_t i = 0; i < n; ++i)
            sets.push_back(make_set(sets, purc, wishlist, lego_shop));
    }

    own_set make_set(const std::vector<own_set> &earlier, const trading &order, bool wishlist,
                     bool lego_shop)
    {
        own_set s;
        // Several copies of one set are common.
        if (!earlier.empty() && m_rng.percent(5)) {
            const own_set &copy = earlier[m_rng.below(quint32(earlier.size()))];
            s.number = copy.number;
            s.version = copy.version;
        } else {
            s.number = set_number();
            s.version = version();
        }
        s.purc = order;
        s.sell = empty_trading();
        const double retail = retail_price();

        if (wishlist) {
            s.template_ = 2;
            if (m_rng.percent(15))
                s.notes = m_rng.pick(wish_notes);
            s.last_edit = date_between(first_date, last_date) + time_of_day();
        } else {
            // Free configuration, sealed, sold, given away, lost.
            static constexpr qint64 owned_templates[] = {0, 1, 3, 4, 5};
            s.template_ = owned_templates[m_rng.weighted({53, 37, 5, 3, 2})];
            fill_owned(s, retail, lego_shop);
        }

        s.reminder_date = m_rng.percent(3) ? date_between(recent_date, last_date) : no_date;
        s.marker = m_rng.percent(5) ? m_rng.between(1, 31) : 0;
        s.color = m_rng.percent(3) ? colours[m_rng.below(std::size(colours))] : no_color;

        const size_t tags = m_rng.weighted({60, 25, 10, 5});
        while (size_t(s.mytags.size()) < tags) {
            QString tag = m_rng.pick(tag_pool);
            if (!s.mytags.contains(tag))
                s.mytags.append(std::move(tag));
        }
        if (m_rng.percent(8)) {
            const qint64 year = s.purc.date > 0 ? 1970 + s.purc.date / (365 * day + day / 4) : 2015;
            s.documents.append(
                m_rng.percent(70)
                    ? QStringLiteral("~/Documents/LEGO/Invoices/%1/%2.pdf").arg(year).arg(s.number)
                    : QStringLiteral("~/Pictures/LEGO/%1-%2/").arg(s.number).arg(s.version));
        }
        return s;
    }

    void fill_owned(own_set &s, double retail, bool lego_shop)
    {
        s.purc.price = paid(retail);
        if (s.template_ == 1) {
            s.state = 1;
            s.purc.condition = 1;
        } else {
            s.purc.condition = qint64(m_rng.weighted({5, 35, 20, 3, 30, 7}));
            switch (s.template_) {
            case 3:
            case 4:
            case 5:
                s.state = s.template_ + 7;
                break;
            default:
                s.state = qint64(m_rng.weighted({2, 25, 10, 5, 40, 5, 3, 2, 7, 1}));
            }
        }
        const bool sealed = s.state == 1;
        s.packaging = sealed ? 1 : qint64(m_rng.weighted({15, 30, 35, 10, 5, 5}));
        s.instructions = sealed ? 1 : qint64(m_rng.weighted({10, 35, 40, 8, 4, 3}));
        s.completeness = sealed ? 1 : qint64(m_rng.weighted({10, 70, 12, 5, 3}));
        s.altern_pieces = m_rng.percent(2) ? m_rng.between(100, 3000) : 0;

        if (m_rng.percent(85))
            s.location = m_rng.pick(locations);
        if (m_rng.percent(25))
            s.addition = m_rng.pick(additions);
        if (m_rng.percent(60))
            s.mygroup = m_rng.pick(groups);
        if (m_rng.percent(9))
            s.notes = m_rng.pick(short_notes);
        else if (m_rng.percent(3))
            s.notes = m_rng.pick(long_notes);

        if (lego_shop) {
            s.vip_points_get = m_rng.percent(60) ? -1 : m_rng.percent(20) ? -2 : 0;
            if (m_rng.percent(5))
                s.vip_points_sub = m_rng.percent(50) ? 750 : 1500;
        }
        if (m_rng.percent(8)) {
            s.cashback_type = qint64(m_rng.below(3));
            static constexpr double amounts[][3] = {{2, 3, 5}, {5, 10, 2.5}, {150, 300, 1250}};
            s.cashback = amounts[s.cashback_type][m_rng.below(3)];
        }
        s.to_sell = s.state < 10 && m_rng.percent(4) ? 1 : 0;
        if (m_rng.percent(6))
            s.sales_value = cents(retail * (0.8 + 0.01 * m_rng.below(120)));

        const qint64 bought = s.purc.date >= 0 ? s.purc.date : first_date;
        if (s.template_ == 3 || s.template_ == 4) {
            s.sell.condition = qint64(m_rng.weighted({5, 30, 25, 0, 30, 10}));
            s.sell.person = m_rng.pick(persons);
            s.sell.date = m_rng.percent(90) ? date_between(bought, last_date) : no_date;
            if (s.template_ == 3) {
                s.sell.platform = m_rng.pick(sale_platforms);
                s.sell.number = m_rng.percent(60) ? order_number(OrderStyle::Ebay) : QString();
                s.sell.price =
                    cents(std::max(retail, s.purc.price) * (0.7 + 0.01 * m_rng.below(180)));
                s.sell.shipc = m_rng.percent(50) ? 4.99 : 0;
                s.sell.costs = m_rng.percent(40) ? cents(s.sell.price * 0.11) : 0;
            }
        }
        s.last_edit = date_between(bought, std::min(last_date, bought + 720 * day)) + time_of_day();
    }

    QString any_key(const std::vector<own_set> &sets)
    {
        return set_key(sets[m_rng.below(quint32(sets.size()))]);
    }

    void collection_extras(collection &c)
    {
        c.vip_stock = 1250;
        c.view_settings = 0x11; // zero values and wishlist sums shown
        c.user_links = {QStringLiteral("https://example.org/lego/{number}-{variant}|0"),
                        QStringLiteral("https://example.net/prices?set={number}|6")};
        // Two columns shown beyond the defaults, one widened.
        for (column &col : c.columns) {
            if (col.valID == 26 || col.valID == 12)
                col.cHide = 0;
            if (col.valID == 4)
                col.width = 310;
        }

        filter wanted;
        wanted.name = QStringLiteral("Wishlist under 50");
        wanted.condis = {{91, 9, QStringLiteral("2")}, {22, 11, QStringLiteral("50")}};
        filter sold;
        sold.name = QStringLiteral("Sold with profit");
        sold.condis = {{29, 9, QStringLiteral("10")}, {45, 13, QStringLiteral("0")}};
        filter attic;
        attic.name = QStringLiteral("Dachboden / Étagère");
        attic.logic = 1;
        attic.condis = {{26, 1, QStringLiteral("Attic")}, {26, 5, QStringLiteral("Étagère")}};
        filter gifts;
        gifts.name = QStringLiteral("Gifts, not Star Wars");
        gifts.sensitiv = 1;
        gifts.condis = {{55, 17, QStringLiteral("gift")}, {56, 4, QStringLiteral("Star Wars")}};
        filter old;
        old.name = QStringLiteral("Bought before 2010");
        old.invert = 1;
        old.condis = {{6, 14, QStringLiteral("01.01.2010")}};
        c.filters = {wanted, sold, attic, gifts, old};

        if (c.sets.empty())
            return;
        const size_t extras = std::clamp<size_t>(c.sets.size() / 500, 3, 40);
        for (size_t i = 0; i < extras; ++i) {
            c.UVP_overwrite.insert(any_key(c.sets), price_points[m_rng.below(10)]);
            c.extra_figs.append(
                any_key(c.sets) +
                QStringLiteral(":sw%1").arg(m_rng.between(1, 1300), 4, 10, QLatin1Char('0')));
            if (i % 4 == 0)
                c.gear_sets.append(any_key(c.sets));
        }
    }

    Rng m_rng;
    size_t m_count;
    QString m_wishlist;
};

} // namespace

collection generate_collection(size_t set_count, quint32 seed)
{
    return Generator(set_count, seed).run();
}

qint64 write_collection(const QString &path, collection &c, qint64 json_format, QString *error)
{
    c.json_format = json_format;
    const FixedClock clock(generated_save_time);
    if (!write_collection_file(path, c, clock, error))
        return -1;
    return file_size(path);
}

} // namespace tandora::bench

namespace tandora::bench {

namespace {

// The pretty-printed form of the service's answers: four spaces per level, "name": value,
// and "{}" for an empty object.
class PrettyJson
{
public:
    void begin_object(std::string_view name = {}) { begin(name, '{'); }
    void end_object() { end('}'); }
    void begin_array(std::string_view name) { begin(name, '['); }
    void end_array() { end(']'); }

    void string(std::string_view name, std::string_view value)
    {
        key(name);
        m_out += '"';
        for (char c : value) {
            if (c == '"' || c == '\\')
                m_out += '\\';
            m_out += c;
        }
        m_out += '"';
    }
    void integer(std::string_view name, qint64 value)
    {
        key(name);
        append_number(value);
    }
    void number(std::string_view name, double value)
    {
        key(name);
        append_number(value);
    }
    void boolean(std::string_view name, bool value)
    {
        key(name);
        m_out += value ? "true" : "false";
    }

    std::string take()
    {
        m_out += '\n';
        return std::move(m_out);
    }

private:
    template<typename T> void append_number(T value)
    {
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, value).ptr;
        m_out.append(text, end);
    }

    void key(std::string_view name)
    {
        if (m_depth > 0) {
            m_out += m_first ? "\n" : ",\n";
            m_out.append(size_t(m_depth) * 4, ' ');
        }
        m_first = false;
        if (!name.empty()) {
            m_out += '"';
            m_out += name;
            m_out += "\": ";
        }
    }
    void begin(std::string_view name, char bracket)
    {
        key(name);
        m_out += bracket;
        ++m_depth;
        m_first = true;
    }
    void end(char bracket)
    {
        --m_depth;
        if (!m_first) {
            m_out += '\n';
            m_out.append(size_t(m_depth) * 4, ' ');
        }
        m_out += bracket;
        m_first = false;
    }

    std::string m_out;
    int m_depth = 0;
    bool m_first = true;
};

constexpr const char *set_names[] = {"Bookshop",
                                     "Fiat 500",
                                     "Old Trafford - Manchester United",
                                     "Heart Box",
                                     "Brick Box",
                                     "Alphabet Truck",
                                     "Police Station",
                                     "Millennium Falcon",
                                     "Château de Versailles",
                                     "Café Corner",
                                     "Fire Brigade",
                                     "Imperial Star Destroyer",
                                     "Space Shuttle Explorer",
                                     "Medieval Blacksmith",
                                     "Creative Bricks",
                                     "{?}"};
struct theme_row
{
    const char *theme;
    const char *group;
    const char *subtheme; // nullptr: the service sends none
};
constexpr theme_row themes[] = {
    {"Creator Expert", "Model making", "Modular Buildings"},
    {"Star Wars", "Licensed", "Ultimate Collector Series"},
    {"City", "Modern day", "Police"},
    {"Classic", "Basic", nullptr},
    {"Technic", "Technical", "Model"},
    {"Ideas", "Model making", nullptr},
    {"Harry Potter", "Licensed", "Hogwarts"},
    {"Duplo", "Pre-school", nullptr},
};
constexpr const char *categories[] = {"Normal", "Normal", "Normal", "Gear", "Collection"};
constexpr const char *packaging_types[] = {"Box", "Box", "Polybag", "{Not specified}", "Foil pack"};
constexpr const char *availabilities[] = {"Retail", "Retail - limited", "LEGO exclusive",
                                          "{Not specified}", "Promotional"};
constexpr const char *set_tags[] = {"Bricklink Designer Program",
                                    "Modular Building",
                                    "Brick Built Animals",
                                    "Stickered",
                                    "Printed Parts",
                                    "Minifig Pack",
                                    "Vehicle",
                                    "Space",
                                    "Ultimate Collector Series",
                                    "Tree",
                                    "Luke Skywalker|n",
                                    "Emmet|n",
                                    "Police Officer|n",
                                    "Harry Potter|n",
                                    "Chef|n"};
constexpr const char *description_parts[] = {
    "<p>Build and display a detailed model with opening sections and a wealth of realistic "
    "details.</p>",
    "<p>This set includes several minifigures with assorted accessories to inspire creative "
    "role play.</p>",
    "<p>Measures over 30cm high, 25cm wide and 25cm deep.</p>",
    "<ul><li>Includes 5 minifigures</li><li>Features a removable roof</li><li>Printed tiles "
    "\"for the shop\"</li></ul>",
};
constexpr const char *figure_names[] = {"Luke Skywalker", "Stormtrooper", "Police Officer",
                                        "Chef",           "Harry Potter", "Firefighter",
                                        "Pirate Captain", "Astronaut"};
constexpr const char *figure_prefixes[] = {"sw", "cty", "hp", "col", "njo", "sp", "pi", "tlm"};

std::string date_text(Rng &rng, int year)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT00:00:00Z", year, int(rng.between(1, 12)),
                  int(rng.between(1, 28)));
    return text;
}

std::string set_answer(Rng &rng, const QString &key)
{
    const qsizetype dash = key.lastIndexOf(QLatin1Char('-'));
    const std::string number = key.left(dash).toStdString();
    const qint64 variant = key.mid(dash + 1).toLongLong();
    const std::string url_key = key.toStdString();
    const int year = int(rng.between(1995, 2025));
    const theme_row &theme = themes[rng.below(std::size(themes))];

    PrettyJson j;
    j.begin_object();
    j.string("status", "success");
    j.integer("matches", 1);
    j.begin_array("sets");
    j.begin_object();
    j.integer("setID", rng.between(1000, 35000));
    j.string("number", number);
    j.integer("numberVariant", variant);
    j.string("name", set_names[rng.below(std::size(set_names))]);
    j.integer("year", year);
    j.string("theme", theme.theme);
    j.string("themeGroup", theme.group);
    if (theme.subtheme)
        j.string("subtheme", theme.subtheme);
    j.string("category", categories[rng.below(std::size(categories))]);
    j.boolean("released", rng.percent(95));
    if (rng.percent(90))
        j.integer("pieces", rng.between(20, 7500));
    if (rng.percent(70))
        j.integer("minifigs", rng.between(1, 12));
    j.begin_object("image");
    j.string("thumbnailURL", "https://images.brickset.com/sets/small/" + url_key + ".jpg");
    j.string("imageURL", "https://images.brickset.com/sets/images/" + url_key + ".jpg");
    j.end_object();
    j.string("bricksetURL", "https://brickset.com/sets/" + url_key);
    j.begin_object("collection");
    j.boolean("owned", rng.percent(50));
    j.boolean("wanted", rng.percent(10));
    j.integer("qtyOwned", rng.between(0, 2));
    j.integer("rating", 0);
    j.string("notes", "");
    j.end_object();
    j.begin_object("collections");
    j.integer("ownedBy", rng.between(10, 40000));
    j.integer("wantedBy", rng.between(10, 20000));
    j.end_object();
    j.begin_object("LEGOCom");
    for (const char *region : {"US", "UK", "CA", "DE"}) {
        j.begin_object(region);
        if (rng.percent(55)) {
            j.number("retailPrice", price_points[rng.below(std::size(price_points))]);
            j.string("dateFirstAvailable", date_text(rng, year));
            if (rng.percent(35))
                j.string("dateLastAvailable", date_text(rng, std::min(year + 2, 2025)));
        }
        j.end_object();
    }
    j.end_object();
    j.number("rating", double(rng.between(0, 10)) / 2);
    j.integer("reviewCount", rng.between(0, 40));
    j.string("packagingType", packaging_types[rng.below(std::size(packaging_types))]);
    j.string("availability", availabilities[rng.below(std::size(availabilities))]);
    j.integer("instructionsCount", rng.between(0, 6));
    j.integer("additionalImageCount", rng.between(0, 60));
    j.begin_object("ageRange");
    if (rng.percent(70))
        j.integer("min", rng.between(4, 18));
    j.end_object();
    j.begin_object("dimensions");
    if (rng.percent(40)) {
        j.number("height", double(rng.between(50, 600)) / 10);
        j.number("width", double(rng.between(50, 600)) / 10);
        j.number("depth", double(rng.between(20, 200)) / 10);
        j.number("weight", double(rng.between(50, 9000)) / 1000);
    }
    j.end_object();
    j.begin_object("barcode");
    if (rng.percent(75)) {
        j.string("EAN", "57020166" + std::to_string(rng.between(10000, 99999)));
        if (rng.percent(40))
            j.string("UPC", "6735523" + std::to_string(rng.between(10000, 99999)));
    }
    j.end_object();
    j.begin_object("extendedData");
    if (rng.percent(20)) {
        j.begin_array("tags");
        const qint64 tags = rng.between(2, 6);
        for (qint64 i = 0; i < tags; ++i)
            j.string({}, set_tags[rng.below(std::size(set_tags))]);
        j.end_array();
    }
    if (rng.percent(10)) {
        std::string description;
        for (qint64 i = rng.between(1, 2); i > 0; --i)
            description += description_parts[rng.below(std::size(description_parts))];
        j.string("description", description);
    }
    j.end_object();
    j.string("lastUpdated", date_text(rng, 2024));
    j.end_object();
    j.end_array();
    j.end_object();
    return j.take();
}

std::string mini_list(Rng &rng)
{
    PrettyJson j;
    j.begin_object();
    j.begin_array("figlist");
    for (qint64 i = rng.between(1, 12); i > 0; --i) {
        char number[16];
        std::snprintf(number, sizeof number, "%s%04d%s",
                      figure_prefixes[rng.below(std::size(figure_prefixes))],
                      int(rng.between(1, 1300)), rng.percent(20) ? "a" : "");
        j.begin_object();
        j.string("number", number);
        j.integer("quantity", rng.percent(85) ? 1 : rng.between(2, 4));
        j.string("description", figure_names[rng.below(std::size(figure_names))]);
        j.begin_array("insets");
        j.end_array();
        j.end_object();
    }
    j.end_array();
    j.end_object();
    return j.take();
}

bool write_bytes(const QString &path, const std::string &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

qint64 write_files(const QString &folder, const QStringList &keys, const QString &extension,
                   quint32 seed, std::string (*compose)(Rng &, const QString &))
{
    Rng rng(seed);
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    qint64 total = 0;
    for (const QString &key : keys) {
        const std::string bytes = compose(rng, key);
        if (!write_bytes(base + key + extension, bytes))
            return -1;
        total += qint64(bytes.size());
    }
    return total;
}

} // namespace

QStringList distinct_set_keys(const collection &c)
{
    QStringList keys;
    QSet<QString> seen;
    for (const own_set &s : c.sets) {
        QString key = set_key(s);
        if (!seen.contains(key)) {
            seen.insert(key);
            keys.append(std::move(key));
        }
    }
    return keys;
}

qint64 write_set_files(const QString &folder, const QStringList &keys, quint32 seed)
{
    return write_files(folder, keys, QStringLiteral(".set"), seed, &set_answer);
}

qint64 write_mini_files(const QString &folder, const QStringList &keys, quint32 seed)
{
    return write_files(folder, keys, QStringLiteral(".mini"), seed,
                       [](Rng &rng, const QString &) { return mini_list(rng); });
}

} // namespace tandora::bench
