// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"
#include "core/folders.h"
#include "core/texts.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"
#include "properties/property_values.h"
#include "property_fixture.h"
#include "services/set_data_cache.h"
#include "setlist/sort.h"
#include "store/collection_ops.h"
#include "test_folders.h"

#include <QTemporaryDir>

#include <QTest>
#include <algorithm>
#include <random>

using namespace tandora;

namespace {

// A set labelled by its group, so the expected order reads as a list of labels.
own_set labelled(const char *label)
{
    own_set s;
    s.number = QStringLiteral("1");
    s.version = 1;
    s.mygroup = QString::fromUtf8(label);
    return s;
}

QStringList labels(const collection &c)
{
    QStringList out;
    for (const own_set &s : c.sets)
        out.append(s.mygroup);
    return out;
}

} // namespace

class TestSort : public QObject, public test::PropertyFixture
{
    Q_OBJECT

    QTemporaryDir dir;

    void sort(qint64 col, qint64 direction)
    {
        c.sort_col = col;
        c.sort_dir = direction;
        sort_sets(context(), c);
    }

private Q_SLOTS:
    void init() { reset_collection(c, texts); }
    void setNumbers();
    void emptyTextsLast_data();
    void emptyTextsLast();
    void caseBlindTiesKeepOrder();
    void purchaseDates();
    void indexKeepsOrderAndTiesFollowThePreviousSort();
    void headerClick();
    void largeCollectionMatchesAPlainSort();
};

void TestSort::setNumbers()
{
    const std::pair<const char *, qint64> sets[] = {
        {"10030", 1}, {"7", 12}, {"A1", 1}, {"10030", 2}, {"7", 1}};
    for (const auto &[number, version] : sets) {
        own_set s = labelled("");
        s.number = QString::fromLatin1(number);
        s.version = version;
        s.mygroup = set_key(s);
        c.sets.push_back(s);
    }
    sort(3, 0);
    // Numbers padded to ten characters, variants to three: 7-1 before 10030-1.
    QCOMPARE(labels(c), QStringList({"7-1", "7-12", "A1-1", "10030-1", "10030-2"}));
    sort(3, 1);
    QCOMPARE(labels(c), QStringList({"10030-2", "10030-1", "A1-1", "7-12", "7-1"}));
}

void TestSort::emptyTextsLast_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ascending") << 0 << QStringList{"A", "b", "", ""};
    QTest::newRow("descending") << 1 << QStringList{"b", "A", "", ""};
}

void TestSort::emptyTextsLast()
{
    QFETCH(int, direction);
    QFETCH(QStringList, expected);
    for (const char *l : {"b", "", "A", ""})
        c.sets.push_back(labelled(l));
    c.sets[1].notes = QStringLiteral("first empty");
    sort(56, direction);
    QCOMPARE(labels(c), expected);
    QCOMPARE(c.sets[2].notes, QStringLiteral("first empty")); // ties keep their order
}

void TestSort::caseBlindTiesKeepOrder()
{
    for (const char *l : {"beta", "Alpha", "ALPHA", "Ärger", "alpha", "Zeta"})
        c.sets.push_back(labelled(l));
    sort(56, 0);
    QCOMPARE(labels(c), QStringList({"Alpha", "ALPHA", "alpha", "beta", "Zeta", "Ärger"}));
}

void TestSort::purchaseDates()
{
    cache.set_up_folders(dir.path() + u'/');
    for (const char *key : {"2019-1", "2021-1"})
        test::write_file(cache.cache_folder() + QString::fromLatin1(key) + ".set",
                         QByteArray(R"({"status":"success","sets":[{"year":)") +
                             QByteArray(key, 4) + "}]}");
    const auto add = [&](const char *label, const char *number, qint64 date, qint64 templ) {
        own_set s = labelled(label);
        s.number = QString::fromLatin1(number);
        s.purc.date = date;
        s.template_ = templ;
        c.sets.push_back(s);
    };
    add("wish", "2019", no_date, 2);
    add("2020-01-01", "9", date_from_civil(2020, 1, 1), 0);
    add("undated 2021", "2021", no_date, 0);
    add("2019-06-01", "9", date_from_civil(2019, 6, 1), 0);
    add("undated 2019", "2019", no_date, 0);
    cache.load_cache(c);
    // Undated sets sort as bought on January 1st of their release year; a wishlist entry
    // sorts after every date.
    sort(6, 0);
    QCOMPARE(labels(c),
             QStringList({"undated 2019", "2019-06-01", "2020-01-01", "undated 2021", "wish"}));
    sort(6, 1);
    QCOMPARE(labels(c),
             QStringList({"wish", "undated 2021", "2020-01-01", "2019-06-01", "undated 2019"}));
}

void TestSort::indexKeepsOrderAndTiesFollowThePreviousSort()
{
    const std::pair<const char *, qint64> sets[] = {{"d", 2}, {"b", 1}, {"c", 2}, {"a", 1}};
    for (const auto &[label, state] : sets) {
        own_set s = labelled(label);
        s.state = state;
        c.sets.push_back(s);
    }
    sort(0, 1);
    QCOMPARE(labels(c), QStringList({"d", "b", "c", "a"}));
    sort(56, 0);
    sort(29, 0);
    QCOMPARE(labels(c), QStringList({"a", "b", "c", "d"}));
    sort(29, 1);
    QCOMPARE(labels(c), QStringList({"c", "d", "a", "b"}));
}

void TestSort::headerClick()
{
    QCOMPARE(c.sort_col, 6);
    QCOMPARE(c.sort_dir, 1);
    sort_by_column(c, 6);
    QCOMPARE(c.sort_dir, 0);
    sort_by_column(c, 6);
    QCOMPARE(c.sort_dir, 1);
    sort_by_column(c, 4); // texts start ascending
    QCOMPARE(c.sort_col, 4);
    QCOMPARE(c.sort_dir, 0);
    sort_by_column(c, 12); // prices start descending
    QCOMPARE(c.sort_dir, 1);
}

// A collection large enough to compute its keys on two threads sorts exactly like a plain
// stable sort of folded texts and of numbers.
void TestSort::largeCollectionMatchesAPlainSort()
{
    std::mt19937 random(3);
    const QString letters = QStringLiteral("aAbBcCéÉ ");
    for (int i = 0; i < 20000; ++i) {
        own_set s = labelled("");
        for (int n = int(random() % 4); n > 0; --n)
            s.mygroup += letters[qsizetype(random() % letters.size())];
        s.purc.price = double(random() % 50);
        s.number = QString::number(i);
        c.sets.push_back(s);
    }
    std::vector<own_set> expected = c.sets;
    std::stable_sort(expected.begin(), expected.end(), [](const own_set &a, const own_set &b) {
        return a.purc.price > b.purc.price;
    });
    sort(12, 1);
    for (size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(c.sets[i].number, expected[i].number);

    const auto key = [](const own_set &s) {
        return s.mygroup.isEmpty() ? QStringLiteral("\u00FF") : s.mygroup.toCaseFolded();
    };
    std::stable_sort(expected.begin(), expected.end(),
                     [&](const own_set &a, const own_set &b) { return key(a) < key(b); });
    sort(56, 0);
    for (size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(c.sets[i].number, expected[i].number);
}

QTEST_GUILESS_MAIN(TestSort)
#include "test_sort.moc"
