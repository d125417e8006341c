// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "property_fixture.h"
#include "setlist/set_list.h"
#include "setlist/status_sums.h"
#include "store/collection_ops.h"

#include <QTest>

using namespace tandora;

namespace {

own_set named(const char *number, qint64 state = 0, qint64 templ = 0)
{
    own_set s;
    s.number = QString::fromLatin1(number);
    s.version = 1;
    s.state = state;
    s.template_ = templ;
    s.purc.items = 1;
    s.sell.items = 1;
    return s;
}

} // namespace

class TestSetList : public QObject, public test::PropertyFixture
{
    Q_OBJECT

    SetList rows;

    std::optional<size_t> refresh(std::optional<size_t> keep)
    {
        return rows.refresh(context(), c, keep);
    }
    QStringList listed() const
    {
        QStringList out;
        for (size_t r = 0; r < rows.size(); ++r)
            out.append(c.sets[rows.set_at(r)].number);
        return out;
    }

private Q_SLOTS:
    void init()
    {
        reset_collection(c, texts);
        c.sort_col = 3; // set number, ascending
        c.sort_dir = 0;
        c.sets = {named("30"), named("10"), named("20")};
        rows = SetList();
    }
    void keptSetFollowsTheSort();
    void filterHidesTheKeptSet();
    void cellColours_data();
    void cellColours();
    void rowIcons();
    void indent();
    void sums_data();
    void sums();
    void statusTexts();
};

void TestSetList::keptSetFollowsTheSort()
{
    // "20" was at position 2 before the sort; it is row 1 after it.
    QCOMPARE(refresh(2), std::optional<size_t>(1));
    QCOMPARE(listed(), QStringList({"10", "20", "30"}));
    QVERIFY(rows.all_shown());
    QCOMPARE(rows.row_of(2), std::optional<size_t>(2));
    c.sort_dir = 1;
    QCOMPARE(refresh(0), std::optional<size_t>(2)); // "10" goes to the end
    QCOMPARE(refresh(std::nullopt), std::optional<size_t>(0));
    c.sets.clear();
    QCOMPARE(refresh(std::nullopt), std::nullopt);
}

void TestSetList::filterHidesTheKeptSet()
{
    rows.set_filter([](const own_set &s) { return s.number != QStringLiteral("20"); });
    // The kept set is hidden: the first row is the one to select.
    QCOMPARE(refresh(2), std::optional<size_t>(0));
    QCOMPARE(listed(), QStringList({"10", "30"}));
    QVERIFY(!rows.all_shown());
    QCOMPARE(rows.row_of(1), std::nullopt);
    rows.set_filter([](const own_set &) { return false; });
    QCOMPARE(refresh(0), std::nullopt);
    QCOMPARE(rows.size(), size_t(0));
}

void TestSetList::cellColours_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("templ");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("colour");
    const auto row = [](const char *name, int id, int state, int templ, double value,
                        CellColour colour) {
        QTest::newRow(name) << id << state << templ << value << int(colour);
    };
    row("signed above 0", 17, 0, 0, 5, CellColour::green);
    row("signed below 0", 45, 0, 0, -5, CellColour::red);
    row("signed 0", 18, 0, 0, 0, CellColour::standard);
    row("not signed", 12, 0, 0, -5, CellColour::standard);
    row("dearer than retail", 24, 0, 0, 10, CellColour::red);
    row("cheaper than retail", 23, 0, 0, -10, CellColour::green);
    row("sold", 29, 10, 0, 10, CellColour::red);
    row("lent out", 29, 9, 0, 9, CellColour::standard);
    row("reminder ahead", 90, 0, 0, 3, CellColour::blue);
    row("reminder past", 90, 0, 0, -3, CellColour::red);
    row("reminder today", 90, 0, 0, 0, CellColour::standard);
    row("wishlist shop", 7, 0, 2, 0, CellColour::orange);
    row("bought shop", 7, 0, 1, 0, CellColour::standard);
}

void TestSetList::cellColours()
{
    QFETCH(int, id);
    QFETCH(int, state);
    QFETCH(int, templ);
    QFETCH(double, value);
    QFETCH(int, colour);
    QCOMPARE(int(cell_colour(id, named("1", state, templ), value)), colour);
}

void TestSetList::rowIcons()
{
    own_set s = named("1", 0, 3);
    QCOMPARE(int(row_icon_of(s, 0).kind), int(row_icon::Kind::template_icon));
    QCOMPARE(row_icon_of(s, 0).index, 3);
    QCOMPARE(int(row_icon_of(s, 4).kind), int(row_icon::Kind::none)); // template icons hidden
    s.marker = 7;
    // The marker shows also while the template icons are hidden.
    QCOMPARE(int(row_icon_of(s, 4).kind), int(row_icon::Kind::marker));
    QCOMPARE(row_icon_of(s, 4).index, 7);
}

void TestSetList::indent()
{
    own_set s = named("1");
    s.packaging = 1;
    const PropertyContext ctx = context();
    QCOMPARE(cell_text(ctx, s, 31, 0), QStringLiteral("   ✓"));
    QCOMPARE(cell_text(ctx, s, 29, 0), QString());
    c.view_settings = 2; // codes shown: no indent
    QCOMPARE(cell_text(context(), s, 31, 0), QStringLiteral("1 = ✓"));
}

void TestSetList::sums_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("counted");
    QTest::addColumn<double>("price");
    QTest::newRow("plain") << 0 << QList<int>() << 2 << 30.0;
    QTest::newRow("with wishlist") << 16 << QList<int>() << 3 << 70.0;
    // The sold set's 7 points are worth 7 / 8 / 20 in pounds, taken off its purchase total.
    QTest::newRow("with gone sets") << 32 << QList<int>() << 3 << 129.95625;
    QTest::newRow("both") << 48 << QList<int>() << 4 << 169.95625;
    QTest::newRow("selection") << 48 + 64 << QList<int>{0, 3} << 2 << 109.95625;
    QTest::newRow("empty selection") << 64 << QList<int>() << 0 << 0.0;
}

void TestSetList::sums()
{
    QFETCH(int, view);
    QFETCH(QList<int>, selected);
    QFETCH(int, counted);
    QFETCH(double, price);
    c.sets = {named("1"), named("2", 0, 2), named("3"), named("4", 11)};
    c.sets[0].purc.price = 10;
    c.sets[1].purc.price = 40;
    c.sets[2].purc.price = 20;
    c.sets[3].purc.price = 100;
    c.sets[3].vip_points_get = 7;
    c.vip_stock = 3;
    c.view_settings = view;
    refresh(std::nullopt);
    const status_sums sums =
        sum_up(context(), rows, [&](size_t row) { return selected.contains(int(row)); });
    QCOMPARE(sums.rows, 4);
    QCOMPARE(sums.sets, 4);
    QCOMPARE(sums.counted, counted);
    QCOMPARE(sums.purchase, price);
    QCOMPARE(sums.vip_total, 10.0); // every set and the base stock, whatever is counted
}

void TestSetList::statusTexts()
{
    c.fmt_decimal = 44;
    c.fmt_thousand = 46;
    c.fmt_currency = 1;
    status_sums sums;
    sums.rows = 2;
    sums.sets = 5;
    sums.counted = 0;
    sums.purchase = 1234.5;
    sums.pieces = 12345;
    sums.vip_total = 12.5;
    const std::array<QString, 16> fields = status_texts(context(), texts, sums);
    QCOMPARE(fields[0], QStringLiteral("Sets:  2 / 5"));
    QCOMPARE(fields[2], QStringLiteral("0 ="));
    QCOMPARE(fields[4], texts.text(u"VAL_Pieces") + QStringLiteral(":  12345"));
    QCOMPARE(fields[6], texts.text(u"VAL_FigAnz") + QStringLiteral(":  "));
    QCOMPARE(fields[10], texts.text(u"VAL_P_Total") + QStringLiteral(":  1.234,50 €"));
    QCOMPARE(fields[14], texts.text(u"VAL_VIP") + QStringLiteral(":  12,5"));
    QVERIFY(fields[1].isEmpty() && fields[15].isEmpty());
}

QTEST_GUILESS_MAIN(TestSetList)
#include "test_set_list.moc"
