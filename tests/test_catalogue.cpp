// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"
#include "properties/catalogue.h"

#include <QList>
#include <QSet>
#include <QTest>

#include <numeric>

using namespace tandora;

namespace {

// Texts of their own, so the checks do not depend on a language file.
Texts catalogue_texts()
{
    static const char *const pairs[][2] = {
        {"VAL_Index", "Index"},
        {"VAL_Name", "Name"},
        {"VAL_P_Date", "Bought"},
        {"VAL_P_Condition", "Condition"},
        {"VAX_VIP_Sum", "VIP total"},
        {"VAL_Cashback", "Cashback"},
        {"VAL_UVP", "RRP"},
        {"VAL_DIF", "Difference"},
        {"VAL_Packaging", "Box"},
        {"VAL_Notes", "Notes"},
        {"VAX_Group", "Groups"},
        {"VAX_Documents_ST", "Documents"},
        {"VAL_Minage", "Age"},
        {"VAL_Weight", "Weight"},
        {"VAX_PPP_UVP", "Per piece"},
        {"VAL_Boxsize_w", "Width"},
        {"VAL_Boxsize", "Box size"},
        {"VAL_Reminder", "Reminder"},
        {"VAL_Template", "Template"},
        {"VAL_Thumbsize", "Thumbnail"},
        {"VAL_Color", "Colour"},
        {"VAL_Altparts", "Alternative parts"},
        {"unit_perc", "%"},
        {"unit_plus", "+"},
        {"unit_g", "g"},
        {"unit_kg", "kg"},
        {"unit_cm", "cm"},
        {"unit_days", "days"},
        {"unit_byte", "byte"},
        {"state_01_sealed", "Sealed"},
        {"state_09_lend_out", "Lent"},
        {"state_10_sold", "Sold"},
        {"state_11_given_away", "Given away"},
        {"state_12_lost", "Lost"},
    };
    Texts t;
    for (const auto &p : pairs)
        t.set(QString::fromUtf8(p[0]), QString::fromUtf8(p[1]));
    for (int i = 1; i <= 5; ++i) {
        t.set(QStringLiteral("condi_%1").arg(i), QStringLiteral("Condition %1").arg(i));
        t.set(QStringLiteral("templ_%1").arg(i), QStringLiteral("Template %1").arg(i));
    }
    for (int i = 1; i <= 4; ++i)
        t.set(QStringLiteral("compl_%1").arg(i), QStringLiteral("Complete %1").arg(i));
    return t;
}

QString currency_symbol(int row)
{
    return QStringLiteral("C") + QString::number(row);
}

QList<qint64> ids_of(const std::vector<column> &columns, bool (*pick)(const column &))
{
    QList<qint64> ids;
    for (const column &c : columns) {
        if (pick(c))
            ids.append(c.valID);
    }
    return ids;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    const Texts texts = catalogue_texts();
    const Catalogue catalogue{texts, currency_symbol};

private Q_SLOTS:
    void catalogueOrder();
    void everyIdOnce();
    void freshLayout();
    void rows_data();
    void rows();
    void bricksetMark();
    void regionalRetailPrices_data();
    void regionalRetailPrices();
    void labelWithUnit();
    void repeatedLabels_data();
    void repeatedLabels();
    void choiceLists_data();
    void choiceLists();
    void indent();
};

void TestCatalogue::catalogueOrder()
{
    const auto table = property_table();
    QCOMPARE(table.size(), size_t(property_count));
    // Ids added later were registered beside their relatives; 1-based positions.
    const int moved[][2] = {{16, 95}, {24, 97},  {25, 98},  {26, 99}, {27, 100},
                            {50, 96}, {73, 101}, {101, 94}, {102, 93}};
    for (const auto &m : moved) {
        QCOMPARE(table[size_t(m[0] - 1)].valID, qint64(m[1]));
        QCOMPARE(catalogue_position(m[1]), m[0] - 1);
    }
    // All other ids follow in ascending order.
    QList<qint64> rest;
    for (const property_def &p : table) {
        if (p.valID < 93)
            rest.append(p.valID);
    }
    QList<qint64> ascending(93);
    std::iota(ascending.begin(), ascending.end(), 0);
    QCOMPARE(rest, ascending);
}

void TestCatalogue::everyIdOnce()
{
    qint64 sum = 0;
    QSet<qint64> seen;
    for (const property_def &p : property_table()) {
        QVERIFY(is_property_id(p.valID));
        sum += p.valID;
        seen.insert(p.valID);
        QCOMPARE(property_def_of(p.valID).valID, p.valID);
    }
    QCOMPARE(sum, 5151);
    QVERIFY(catalogue_ids_complete());
    QCOMPARE(seen.size(), property_count);
    // The kind icons of the property lists, by kind.
    const std::pair<PropertyKind, int> icons[] = {
        {PropertyKind::None, 0},   {PropertyKind::Text, 1},     {PropertyKind::Choice, 2},
        {PropertyKind::Number, 3}, {PropertyKind::TextList, 4}, {PropertyKind::Date, 5},
        {PropertyKind::Money, 6},  {PropertyKind::Colour, 7}};
    for (const auto &[kind, icon] : icons)
        QCOMPARE(kind_icon(kind), icon);
    QVERIFY(!is_property_id(-1));
    QVERIFY(!is_property_id(property_count));
}

void TestCatalogue::freshLayout()
{
    const std::vector<column> columns = default_columns();
    QCOMPARE(columns.size(), size_t(property_count));
    for (size_t i = 0; i < columns.size(); ++i) {
        const property_def &p = property_table()[i];
        QVERIFY(columns[i] == default_column(p.valID));
        QVERIFY(columns[i] == (column{p.valID, p.cHide, p.width, p.print}));
    }
    const QList<qint64> visible{0,  3,  4,  5,  6,  9,  21, 22, 23, 28, 29, 30, 31, 32, 46, 48, 52,
                                53, 54, 55, 56, 60, 61, 63, 64, 65, 66, 67, 69, 71, 77, 87, 88};
    QCOMPARE(ids_of(columns, [](const column &c) { return c.cHide == 0; }), visible);
    const QList<qint64> printed{0, 3, 4, 28, 29, 30, 31, 32, 48};
    QCOMPARE(ids_of(columns, [](const column &c) { return c.print == 1; }), printed);
}

void TestCatalogue::rows_data()
{
    QTest::addColumn<qint64>("id");
    QTest::addColumn<PropertyKind>("kind");
    QTest::addColumn<qint64>("width");
    QTest::addColumn<Align>("align");
    QTest::addColumn<qint64>("cHide");
    QTest::addColumn<qint64>("print");
    QTest::addColumn<qint64>("sortDir");
    QTest::addColumn<qint64>("format");
    QTest::addColumn<qint64>("decimals");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("unit");

    using K = PropertyKind;
    using A = Align;
    QTest::newRow("0 index") << 0LL << K::Number << 55LL << A::Left << 0LL << 1LL << 1LL << 0LL
                             << 0LL << "Index"
                             << "";
    QTest::newRow("4 name") << 4LL << K::Text << 220LL << A::Left << 0LL << 1LL << 0LL << 0LL << 0LL
                            << "~Name"
                            << "";
    QTest::newRow("6 purchase date")
        << 6LL << K::Date << 95LL << A::Centre << 0LL << 0LL << 1LL << 0LL << 0LL << "Bought"
        << "";
    QTest::newRow("10 condition") << 10LL << K::Choice << 165LL << A::Left << 1LL << 0LL << 0LL
                                  << 0LL << 0LL << "Condition"
                                  << "";
    QTest::newRow("17 VIP points")
        << 17LL << K::Number << 85LL << A::Right << 1LL << 0LL << 1LL << 3LL << -1LL << "VIP total"
        << "";
    QTest::newRow("18 VIP money") << 18LL << K::Money << 75LL << A::Right << 1LL << 0LL << 1LL
                                  << 1LL << 0LL << "VIP total"
                                  << "";
    QTest::newRow("19 cashback percent")
        << 19LL << K::Number << 75LL << A::Right << 1LL << 0LL << 1LL << 1LL << 1LL << "Cashback"
        << "%";
    QTest::newRow("23 difference")
        << 23LL << K::Number << 75LL << A::Right << 0LL << 0LL << 0LL << 1LL << 1LL << "~Difference"
        << "%";
    QTest::newRow("31 packaging") << 31LL << K::Choice << 60LL << A::Left << 0LL << 1LL << 1LL
                                  << 0LL << 0LL << "Box"
                                  << "";
    QTest::newRow("52 groups") << 52LL << K::TextList << 250LL << A::Left << 0LL << 0LL << 0LL
                               << 0LL << 0LL << "~Groups"
                               << "";
    QTest::newRow("59 document state")
        << 59LL << K::Number << 65LL << A::Centre << 1LL << 0LL << 1LL << 4LL << 0LL << "Documents"
        << "";
    QTest::newRow("63 minimum age")
        << 63LL << K::Number << 65LL << A::Centre << 0LL << 0LL << 1LL << 0LL << 0LL << "~Age"
        << "+";
    QTest::newRow("68 weight kg") << 68LL << K::Number << 75LL << A::Right << 1LL << 0LL << 1LL
                                  << 2LL << 2LL << "~Weight"
                                  << "kg";
    QTest::newRow("69 price per piece")
        << 69LL << K::Money << 75LL << A::Right << 0LL << 0LL << 0LL << 8LL << 0LL << "~Per piece"
        << "";
    QTest::newRow("73 box width") << 73LL << K::Number << 75LL << A::Right << 1LL << 0LL << 1LL
                                  << 2LL << -1LL << "~Width"
                                  << "cm";
    QTest::newRow("77 box size") << 77LL << K::Text << 160LL << A::Right << 0LL << 0LL << 0LL << 0LL
                                 << 0LL << "~Box size"
                                 << "";
    QTest::newRow("90 reminder days")
        << 90LL << K::Number << 80LL << A::Right << 1LL << 0LL << 1LL << 1LL << 0LL << "Reminder"
        << "days";
    QTest::newRow("92 thumbnail") << 92LL << K::Number << 100LL << A::Right << 1LL << 0LL << 1LL
                                  << 6LL << 0LL << "Thumbnail"
                                  << "byte";
    QTest::newRow("93 colour") << 93LL << K::Colour << 100LL << A::Right << 1LL << 0LL << 1LL << 0LL
                               << 0LL << "Colour"
                               << "";
    QTest::newRow("101 alternative parts") << 101LL << K::Number << 65LL << A::Right << 1LL << 0LL
                                           << 1LL << 2LL << 0LL << "Alternative parts"
                                           << "";
}

void TestCatalogue::rows()
{
    QFETCH(qint64, id);
    QFETCH(PropertyKind, kind);
    QFETCH(qint64, width);
    QFETCH(Align, align);
    QFETCH(qint64, cHide);
    QFETCH(qint64, print);
    QFETCH(qint64, sortDir);
    QFETCH(qint64, format);
    QFETCH(qint64, decimals);
    QFETCH(QString, label);
    QFETCH(QString, unit);
    const property_def &p = property_def_of(id);
    QCOMPARE(p.valID, id);
    QCOMPARE(p.kind, kind);
    QCOMPARE(p.width, width);
    QCOMPARE(p.align, align);
    QCOMPARE(p.cHide, cHide);
    QCOMPARE(p.print, print);
    QCOMPARE(p.sortDir, sortDir);
    QCOMPARE(p.format, format);
    QCOMPARE(p.decimals, decimals);
    QCOMPARE(catalogue.label(id), label);
    QCOMPARE(catalogue.unit(id), unit);
}

void TestCatalogue::bricksetMark()
{
    // Values from the downloaded set data; the column window selects by the "~".
    const QSet<qint64> brickset{4,  5,  22, 23, 24, 48, 49, 50, 51, 52, 53, 54, 60, 61, 62,
                                63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77,
                                78, 79, 80, 81, 82, 83, 84, 85, 86, 97, 98, 99, 100};
    for (qint64 id = 0; id < property_count; ++id) {
        QVERIFY2(catalogue.label(id).startsWith(u'~') == brickset.contains(id),
                 qPrintable(QString::number(id)));
    }
}

void TestCatalogue::regionalRetailPrices_data()
{
    QTest::addColumn<qint64>("id");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("unit");
    QTest::newRow("US") << 97LL << "~RRP* US"
                        << "C22";
    QTest::newRow("UK") << 98LL << "~RRP* UK"
                        << "C21";
    QTest::newRow("CA") << 99LL << "~RRP* CA"
                        << "C23";
    QTest::newRow("DE") << 100LL << "~RRP* DE"
                        << "C1";
}

void TestCatalogue::regionalRetailPrices()
{
    QFETCH(qint64, id);
    QFETCH(QString, label);
    QFETCH(QString, unit);
    QCOMPARE(catalogue.label(id), label);
    QCOMPARE(catalogue.unit(id), unit);
    QCOMPARE(property_def_of(id).decimals, 2);
    QCOMPARE(property_def_of(id).kind, PropertyKind::Number); // not converted, so no money
    QCOMPARE(catalogue.label_with_unit(id), label + QStringLiteral(" (") + unit + u')');
}

void TestCatalogue::labelWithUnit()
{
    QCOMPARE(catalogue.label_with_unit(67), QStringLiteral("~Weight (g)"));
    QCOMPARE(catalogue.label_with_unit(4), QStringLiteral("~Name"));
    QCOMPARE(catalogue.label_with_unit(0), QStringLiteral("Index"));
    // A key missing from the language shows as such, not as an empty header.
    QCOMPARE(catalogue.label(3), QStringLiteral("?VAL_Setnum"));
    // Ids read from a file that name no property have nothing to show.
    for (const qint64 id : {qint64(-1), qint64(102), qint64(1) << 40}) {
        QCOMPARE(catalogue.label_with_unit(id), QString());
        QCOMPARE(property_def_of(id).kind, PropertyKind::None);
        QCOMPARE(catalogue_position(id), -1);
    }
}

void TestCatalogue::repeatedLabels_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::newRow("VIP points and money") << 17LL << 18LL;
    QTest::newRow("cashback percent and money") << 19LL << 20LL;
    QTest::newRow("difference percent and money") << 23LL << 24LL;
    QTest::newRow("notes mark and text") << 46LL << 47LL;
    QTest::newRow("weight g and kg") << 67LL << 68LL;
    QTest::newRow("reminder date and days") << 89LL << 90LL;
}

void TestCatalogue::repeatedLabels()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QVERIFY(property_def_of(a).label_key == property_def_of(b).label_key);
    QCOMPARE(catalogue.label(a), catalogue.label(b));
    // Told apart by kind, unit or format only.
    const property_def &pa = property_def_of(a);
    const property_def &pb = property_def_of(b);
    QVERIFY(pa.kind != pb.kind || catalogue.unit(a) != catalogue.unit(b) || pa.format != pb.format);
}

void TestCatalogue::choiceLists_data()
{
    QTest::addColumn<qint64>("id");
    QTest::addColumn<QStringList>("choices");

    const QStringList check{"", "✓"};
    const QStringList presence{"", "✓", "✓-", "✓--", "✓---", "✓*"};
    QStringList condition{""};
    QStringList templates{""};
    for (int i = 1; i <= 5; ++i) {
        condition << QStringLiteral("Condition %1").arg(i);
        templates << QStringLiteral("Template %1").arg(i);
    }
    QStringList completeness{""};
    for (int i = 1; i <= 4; ++i)
        completeness << QStringLiteral("Complete %1").arg(i);
    // Codes 2 to 8 have no text here and show their keys.
    QStringList states{"", "Sealed"};
    for (const char *key : {"state_02_opened", "state_03_under_construction", "state_04_assembled",
                            "state_05_loose_parts_set", "state_06_loose_parts_mix",
                            "state_07_loose_parts_sale", "state_08_packed_up"})
        states << QStringLiteral("?") + QLatin1String(key);
    states << "Lent"
           << "✝ Sold"
           << "✝ Given away"
           << "✝ Lost";

    QTest::newRow("10 purchase condition") << 10LL << condition;
    QTest::newRow("39 sale condition") << 39LL << condition;
    QTest::newRow("29 state") << 29LL << states;
    QTest::newRow("30 completeness") << 30LL << completeness;
    QTest::newRow("31 packaging") << 31LL << presence;
    QTest::newRow("32 instructions") << 32LL << presence;
    QTest::newRow("91 template") << 91LL << templates;
    for (qint64 id : {33, 46, 61, 84, 85})
        QTest::addRow("%lld check mark", id) << id << check;
    QTest::newRow("0 no choices") << 0LL << QStringList();
    QTest::newRow("47 notes text") << 47LL << QStringList();
}

void TestCatalogue::choiceLists()
{
    QFETCH(qint64, id);
    QFETCH(QStringList, choices);
    QCOMPARE(catalogue.choices(id), choices);
    QCOMPARE(property_def_of(id).kind == PropertyKind::Choice, !choices.isEmpty());
}

void TestCatalogue::indent()
{
    const QSet<qint64> marks{31, 32, 33, 46, 61, 84, 85};
    for (qint64 id = 0; id < property_count; ++id)
        QCOMPARE(property_indent(id), marks.contains(id) ? 3 : 0);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
