// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "brickset_fixture.h"
#include "core/clock.h"
#include "core/folders.h"
#include "core/texts.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"
#include "properties/property_values.h"
#include "property_fixture.h"
#include "services/set_data_cache.h"
#include "store/collection_ops.h"
#include "test_folders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/time.h>

using namespace tandora;

namespace {

qint64 at(int y, int m, int d, int hh = 0, int mm = 0)
{
    return date_from_civil(y, m, d, hh, mm, 0);
}

// The set every row of the table looks at; one copy has cached data (10270-1, the real
// Bookshop record), one has none (10270-9).
own_set sample_set(qint64 version)
{
    own_set s;
    s.number = QStringLiteral("10270");
    s.version = version;
    s.template_ = 1;
    s.state = 4;
    s.packaging = 1;
    s.instructions = 2;
    s.completeness = 1;
    s.location = QStringLiteral("Shelf A");
    s.addition = QStringLiteral("Box 3");
    s.mygroup = QStringLiteral("Modular");
    s.notes = QStringLiteral("Line 1\nLine 2");
    s.vip_points_get = -2;
    s.vip_points_sub = 100;
    s.to_sell = 1;
    s.cashback = 4;
    s.cashback_type = 0;
    s.sales_value = 250;
    s.reminder_date = at(2026, 12, 21);
    s.color = 33023;
    s.last_edit = at(2026, 11, 30, 9, 15);
    s.purc = {2,
              QStringLiteral("LEGO Store"),
              QStringLiteral("Anna"),
              at(2020, 3, 14),
              QStringLiteral("T-1"),
              139.99,
              10,
              2,
              2};
    s.sell = {0, QString(), QString(), no_date, QString(), 0, 0, 0, 1};
    s.mytags = {QStringLiteral("b"), QStringLiteral("a")};
    s.documents = {QStringLiteral("~docs/invoice.pdf"), QStringLiteral("/nonexistent/x.pdf")};
    return s;
}

} // namespace

class TestPropertyValues : public QObject, public test::PropertyFixture
{
    Q_OBJECT

    QTemporaryDir dir;

    own_set &with_data() { return c.sets[0]; }
    own_set &without_data() { return c.sets[1]; }

private Q_SLOTS:
    void initTestCase();
    void init();
    void everyProperty_data();
    void everyProperty();
    void decorations();
    void viewOptions();
    void derivedValues();
    void tagsAndMinifigures();
    void documentsAndPictures();
    void wishlist();
};

void TestPropertyValues::initTestCase()
{
    if (!test::fixtures_present())
        QSKIP("the real-service samples are not beside the project");
    clock.set(at(2026, 12, 11, 12, 0));
    folders.home = QStringLiteral("/home/test/");
    cache.set_up_folders(dir.path() + u'/');
    test::write_fixture_set_files(cache.cache_folder());
    // The time the data was received is the file's time.
    const qint64 received = epoch_from_wall_clock(at(2026, 12, 1, 10, 0));
    const timeval times[2] = {{time_t(received), 0}, {time_t(received), 0}};
    ::utimes(QFile::encodeName(cache.cache_folder() + QStringLiteral("10270-1.set")).constData(),
             times);
    test::write_file(cache.cache_folder() + QStringLiteral("10270-1.jpg"), QByteArray(1234, 'x'));
}

void TestPropertyValues::init()
{
    reset_collection(c, texts);
    c.fmt_decimal = 44;
    c.fmt_thousand = 46;
    c.fmt_currency = 1;
    c.last_saved = at(2026, 12, 1);
    c.sets = {sample_set(1), sample_set(9), sample_set(1)};
    cache.load_cache(c);
}

void TestPropertyValues::everyProperty_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("cached");
    QTest::addColumn<QString>("uncached");
    const auto row = [](int id, const char *cached, const char *uncached) {
        QTest::addRow("%d", id) << id << QString::fromUtf8(cached) << QString::fromUtf8(uncached);
    };
    row(0, "1", "1");
    row(1, "10270", "10270");
    row(2, "1", "9");
    row(3, "10270-1", "10270-9");
    row(4, "Bookshop", "");
    row(5, "2020", "");
    row(6, "14.03.2020", "14.03.2020");
    row(7, "LEGO Store", "LEGO Store");
    row(8, "Anna", "Anna");
    row(9, "LEGO Store (Anna)", "LEGO Store (Anna)");
    row(10, "New, completely", "New, completely");
    row(11, "T-1", "T-1");
    row(12, "139,99 €", "139,99 €");
    row(13, "5,00 €", "5,00 €");
    row(14, "1,00 €", "1,00 €");
    row(15, "2.100", "2.100");
    row(16, "100", "100");
    row(17, "+2.000", "+2.000");
    row(18, "+13,33 €", "+13,33 €");
    row(19, "+4,0 %", "+4,0 %");
    row(20, "+5,60 €", "+5,60 €");
    row(21, "127,06 €", "127,06 €");
    row(22, "159,99 €", "");
    row(23, "−20,6 %", "");
    row(24, "−32,93 €", "");
    row(25, "2", "1");
    row(26, "Shelf A", "Shelf A");
    row(27, "Box 3", "Box 3");
    row(28, "Shelf A (Box 3)", "Shelf A (Box 3)");
    row(29, "Assembled", "Assembled");
    row(30, "Completely", "Completely");
    row(31, "✓", "✓");
    row(32, "✓-", "✓-");
    row(33, "✓", "✓");
    row(34, "250,00 €", "250,00 €");
    for (int id : {35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45})
        row(id, "", "");
    row(46, "✓", "✓");
    row(47, "Line 1\nLine 2", "Line 1\nLine 2");
    row(48, "Box", "");
    row(49, "Model making", "");
    row(50, "Creator Expert", "");
    row(51, "Modular Buildings", "");
    row(52, "Model making, Creator Expert, Modular Buildings", "");
    row(53, "", "");
    row(54, "", "");
    row(55, "b, a", "b, a");
    row(56, "Modular", "Modular");
    row(57, "invoice.pdf, x.pdf", "invoice.pdf, x.pdf");
    row(58, "/home/test/docs/invoice.pdf, /nonexistent/x.pdf",
        "/home/test/docs/invoice.pdf, /nonexistent/x.pdf");
    row(59, "2", "2");
    row(60, "Retail - limited", "");
    row(61, "✓", "");
    row(62, "Normal", "");
    row(63, "16 +", "");
    row(64, "5", "");
    row(65, "!!! 0: ", "");
    row(66, "2.504", "");
    row(67, "2.946 g", "");
    row(68, "2,95 kg", "");
    row(69, "6,4 ct", "");
    row(70, "5,1 ct", "");
    row(71, "5,4 ct", "");
    row(72, "4,3 ct", "");
    row(73, "57,8 cm", "");
    row(74, "37,3 cm", "");
    row(75, "10,2 cm", "");
    row(76, "21.991 cm³", "");
    row(77, "57,8 x 37,3 x 10,2 cm", "");
    row(78, "", "");
    row(79, "5702016667974", "");
    row(80, "", "");
    row(81, "3.639", "");
    row(82, "5.041", "");
    row(83, "4,50", "");
    row(84, "✓", "");
    row(85, "", "");
    row(86, "09.01.2020", "");
    row(87, "01.12.2026", "");
    row(88, "30.11.2026", "30.11.2026");
    row(89, "21.12.2026", "21.12.2026");
    row(90, "+10 days", "+10 days");
    row(91, "Sealed", "Sealed");
    row(92, "1.234 byte", "n.a.");
    row(93, "#ff8000", "#ff8000");
    row(94, "", "");
    row(95, "2", "2");
    row(96, "1", "1");
    row(97, "179,99 $", "");
    row(98, "149,99 £", "");
    row(99, "199,99 $", "");
    row(100, "159,99 €", "");
    row(101, "", "");
}

void TestPropertyValues::everyProperty()
{
    QFETCH(int, id);
    QFETCH(QString, cached);
    QFETCH(QString, uncached);
    const PropertyContext ctx = context();
    QCOMPARE(display_text(ctx, with_data(), id, 0), cached);
    QCOMPARE(display_text(ctx, without_data(), id, 0), uncached);
}

void TestPropertyValues::decorations()
{
    c.UVP_overwrite.insert(QStringLiteral("10270-1"), 149);
    c.UVP_overwrite.insert(QStringLiteral("10270-9"), 99);
    c.last_saved = at(2026, 11, 1);
    const PropertyContext ctx = context();
    // Edited since the last save.
    QCOMPARE(display_text(ctx, with_data(), 0, 4), QStringLiteral("5 *"));
    // The user's price hides a catalogue price, or stands alone.
    QCOMPARE(display_text(ctx, with_data(), 22, 0), QStringLiteral("! 149,00 €"));
    QCOMPARE(display_text(ctx, without_data(), 22, 0), QStringLiteral("* 99,00 €"));
    QCOMPARE(display_text(ctx, with_data(), 24, 0), QStringLiteral("−21,94 €"));

    format.plain = true;
    QCOMPARE(display_text(ctx, with_data(), 0, 4), QStringLiteral("5"));
    QCOMPARE(display_text(ctx, with_data(), 22, 0), QStringLiteral("149,00"));
    QCOMPARE(display_text(ctx, with_data(), 24, 0), QStringLiteral("-21,94"));
    QCOMPARE(display_text(ctx, with_data(), 65, 0), QString());
}

void TestPropertyValues::viewOptions()
{
    c.view_settings = 1 | 2 | 8; // zero values, codes, profit without sale
    const PropertyContext ctx = context();
    QCOMPARE(display_text(ctx, with_data(), 29, 0), QStringLiteral("4 = Assembled"));
    QCOMPARE(display_text(ctx, with_data(), 31, 0), QStringLiteral("1 = ✓"));
    QCOMPARE(display_text(ctx, with_data(), 39, 0), QStringLiteral("0 = "));
    QCOMPARE(display_text(ctx, with_data(), 41, 0), QStringLiteral("0,00 €"));
    QCOMPARE(display_text(ctx, with_data(), 94, 0), QStringLiteral("0"));
    QCOMPARE(display_text(ctx, without_data(), 5, 0), QStringLiteral("0"));
    QCOMPARE(display_text(ctx, with_data(), 45, 0), QStringLiteral("−127,06 €"));
    // A code the list has no entry for shows as the code.
    with_data().state = 13;
    QCOMPARE(display_text(ctx, with_data(), 29, 0), QStringLiteral("13"));
}

void TestPropertyValues::derivedValues()
{
    own_set &s = without_data();
    {
        c.fmt_currency = 1; // vip factor 7.5, catalogue prices of DE
        const PropertyContext ctx = context();
        s.purc.price = 100;
        s.vip_points_get = -2;
        QCOMPARE(vip_points_credited(ctx, s), 1500.0);
        s.purc.price = 0.1;
        s.vip_points_get = -1;
        QCOMPARE(vip_points_credited(ctx, s), 1.0); // 0.75 goes to 1
        s.vip_points_get = 250;
        QCOMPARE(vip_points_credited(ctx, s), 250.0);

        s.purc.price = 100;
        s.cashback_type = 2;
        s.cashback = 250;
        QCOMPARE(cashback_amount(s), 2.5);
        QCOMPARE(cashback_percent(s), 2.5);
        s.cashback_type = 1;
        s.purc.price = 0;
        QCOMPARE(cashback_percent(s), 0.0); // no price, no percentage

        // An order without an item count counts as one set.
        s.purc.items = 0;
        QCOMPARE(display_text(ctx, s, 13, 0), QStringLiteral("10,00 €"));

        s.altern_pieces = 1000;
        c.UVP_overwrite.insert(set_key(s), 99.99);
        QCOMPARE(price_per(ctx, s, PricePer::Piece, PriceBase::Retail), 9.999);
        QCOMPARE(display_text(ctx, s, 69, 0), QStringLiteral("10,0 ct"));
    }
    {
        // A currency without a catalogue region knows only the user's prices.
        c.fmt_currency = 0;
        const PropertyContext ctx = context();
        QCOMPARE(region_retail_price(ctx, with_data()), 0.0);
        QCOMPARE(retail_price(ctx, with_data()), 0.0);
        QCOMPARE(retail_price(ctx, s), 99.99);
    }
    {
        c.fmt_currency = 21;
        const PropertyContext ctx = context();
        QCOMPARE(region_retail_price(ctx, with_data()), 149.99);
        QCOMPARE(display_text(ctx, with_data(), 12, 0), QStringLiteral("139,99 £"));

        QCOMPARE(days_until(ctx, no_date), 0);
        QCOMPARE(days_until(ctx, at(2026, 12, 11, 23, 59)), 0);
        QCOMPARE(days_until(ctx, at(2026, 12, 10, 23, 59)), -1);
        QCOMPARE(display_text(ctx, with_data(), 90, 0), QStringLiteral("+10 days"));
        with_data().reminder_date = at(2026, 12, 1);
        QCOMPARE(display_text(ctx, with_data(), 90, 0), QStringLiteral("−10 days"));
    }
}

void TestPropertyValues::tagsAndMinifigures()
{
    test::write_file(cache.cache_folder() + QStringLiteral("77777-1.set"),
                     R"({"status":"success","matches":1,"sets":[{"setID":1,"number":"77777",
                     "numberVariant":1,"minifigs":4,"dimensions":{"width":10,"height":5},
                     "extendedData":{"tags":["Creator","Emmet|n","","Modular","Wyldstyle|n"]}}]})");
    test::write_file(cache.cache_folder() + QStringLiteral("77777-1.mini"),
                     R"({"figlist":[{"number":"sw0002","quantity":1},
                     {"number":"sw0001a","quantity":2}]})");
    own_set s;
    s.number = QStringLiteral("77777");
    s.version = 1;
    c.sets.push_back(s);
    cache.load_cache(c);
    const PropertyContext ctx = context();
    const own_set &set = c.sets.back();
    QCOMPARE(display_text(ctx, set, 53, 0), QStringLiteral("Creator, Modular"));
    QCOMPARE(display_text(ctx, set, 54, 0), QStringLiteral("Emmet, Wyldstyle"));
    QCOMPARE(display_text(ctx, set, 65, 0), QStringLiteral("!!! 3: SW0001A, SW0001A, SW0002"));
    QCOMPARE(display_text(ctx, set, 77, 0), QString()); // no depth, no box
    QCOMPARE(display_text(ctx, set, 84, 0), QStringLiteral("✓"));

    test::write_file(cache.cache_folder() + QStringLiteral("77777-1.set"),
                     R"({"status":"success","sets":[{"minifigs":3}]})");
    cache.load_cache(c);
    QCOMPARE(display_text(ctx, c.sets.back(), 65, 0), QStringLiteral("SW0001A, SW0001A, SW0002"));
}

void TestPropertyValues::documentsAndPictures()
{
    own_set &s = without_data();
    const PropertyContext ctx = context();
    s.documents.clear();
    QCOMPARE(compute_value(ctx, s, 59, 0).number, -1.0);
    QCOMPARE(display_text(ctx, s, 59, 0), QStringLiteral("n.a."));
    const QString file = dir.filePath(QStringLiteral("invoice.pdf"));
    test::write_file(file, "pdf");
    s.documents = {file, dir.path() + u'/'};
    QCOMPARE(compute_value(ctx, s, 59, 0).number, 0.0);
    QCOMPARE(display_text(ctx, s, 59, 0), QString());
    QCOMPARE(display_text(ctx, s, 57, 0),
             QStringLiteral("invoice.pdf, ") + QDir(dir.path()).dirName());
}

void TestPropertyValues::wishlist()
{
    with_data().template_ = 2;
    const PropertyContext ctx = context();
    QCOMPARE(compute_value(ctx, with_data(), 6, 0).number, double(date_limit));
    QCOMPARE(display_text(ctx, with_data(), 6, 0), QString());
    QCOMPARE(compute_value(ctx, with_data(), 23, 0).number, 0.0);
    QCOMPARE(display_text(ctx, with_data(), 24, 0), QString());
    QCOMPARE(display_text(ctx, with_data(), 91, 0), QStringLiteral("Wishlist"));
}

QTEST_GUILESS_MAIN(TestPropertyValues)
#include "test_property_values.moc"
