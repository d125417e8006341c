// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/flat_fields.h"
#include "store/json_writer.h"
#include "store/record_tables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tandora;

class TestFlatFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void orderAndKinds();
    void everyNameReachesItsField();
};

void TestFlatFields::orderAndKinds()
{
    QStringList names;
    for (const flat_field &f : own_set_flat_fields())
        names.append(QString::fromLatin1(f.name.data(), qsizetype(f.name.size())));
    const QStringList trading = {"condition", "platform", "person", "date", "number",
                                 "price",     "shipc",    "costs",  "items"};
    QStringList expected = {"number", "version", "marker", "color", "template", "mygroup", "state"};
    for (const QString &t : trading)
        expected.append("purc_" + t);
    for (const QString &t : trading)
        expected.append("sell_" + t);
    expected += {
        "vip_points_get", "vip_points_sub", "cashback",  "cashback_type", "location",    "addition",
        "completeness",   "altern_pieces",  "packaging", "instructions",  "sales_value", "to_sell",
        "notes",          "mytags",         "documents", "reminder_date", "last_edit"};
    QCOMPARE(names, expected);

    QCOMPARE(find_own_set_flat_field(u"purc_date")->kind, FlatKind::Date);
    QCOMPARE(find_own_set_flat_field(u"sell_price")->kind, FlatKind::Number);
    QCOMPARE(find_own_set_flat_field(u"color")->kind, FlatKind::Colour);
    QCOMPARE(find_own_set_flat_field(u"mytags")->kind, FlatKind::List);
    QCOMPARE(find_own_set_flat_field(u"reminder_date")->kind, FlatKind::Date);
    QCOMPARE(find_own_set_flat_field(u"last_edit")->kind, FlatKind::Integer);
    QVERIFY(!find_own_set_flat_field(u"Number"));
    QVERIFY(!find_own_set_flat_field(u"purc"));
}

// A value written through the flat name shows up in the file under the field's own name
// (purc_ and sell_ names inside the nested records) and nowhere else.
void TestFlatFields::everyNameReachesItsField()
{
    const QJsonObject blank =
        QJsonDocument::fromJson(QByteArray::fromStdString(to_json(own_set{}, JsonLayout::Compact)))
            .object();
    int n = 0;
    for (const flat_field &f : own_set_flat_fields()) {
        ++n;
        own_set s;
        QJsonValue value;
        switch (f.kind) {
        case FlatKind::Text:
            flat_value<QString>(s, f) = QStringLiteral("v");
            value = QStringLiteral("v");
            break;
        case FlatKind::Integer:
        case FlatKind::Date:
        case FlatKind::Colour:
            flat_value<qint64>(s, f) = 1000 + n;
            value = 1000 + n;
            break;
        case FlatKind::Number:
            flat_value<double>(s, f) = n + 0.5;
            value = n + 0.5;
            break;
        case FlatKind::List:
            flat_value<QStringList>(s, f) = {QStringLiteral("v")};
            value = QJsonArray{QStringLiteral("v")};
            break;
        }
        const QString name = QString::fromLatin1(f.name.data(), qsizetype(f.name.size()));
        QJsonObject expected = blank;
        if (name.startsWith("purc_") || name.startsWith("sell_")) {
            QJsonObject nested = expected[name.left(4)].toObject();
            nested[name.mid(5)] = value;
            expected[name.left(4)] = nested;
        } else {
            expected[name] = value;
        }
        const QJsonObject actual =
            QJsonDocument::fromJson(QByteArray::fromStdString(to_json(s, JsonLayout::Compact)))
                .object();
        QVERIFY2(actual == expected, qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TestFlatFields)
#include "test_flat_fields.moc"
