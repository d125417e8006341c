// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/text_lists.h"

#include <QTest>

using namespace tandora;

class TestTextLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operations_data();
    void operations();
    void join_data();
    void join();
};

void TestTextLists::operations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("expected");

    const QString comma = QStringLiteral(",");
    const QString line = QStringLiteral("\n");

    QTest::newRow("set: trimmed, empty pieces dropped")
        << "set" << QStringList() << "  b , ,a,  ,," << comma << QStringList{"a", "b"};
    QTest::newRow("set: replaces the list")
        << "set" << QStringList{"old", "older"} << "new" << comma << QStringList{"new"};
    QTest::newRow("set: empty text") << "set" << QStringList{"old"} << "" << comma << QStringList();
    QTest::newRow("set: distinct by exact text")
        << "set" << QStringList() << "x, x ,X,x" << comma << QStringList{"X", "x"};
    QTest::newRow("set: ordered without regard to case")
        << "set" << QStringList() << "beta,Alpha,gamma,Delta" << comma
        << QStringList{"Alpha", "beta", "Delta", "gamma"};
    QTest::newRow("set: case-blind beyond ASCII") << "set" << QStringList() << "Élan,écru,Zebra"
                                                  << comma << QStringList{"Zebra", "écru", "Élan"};
    QTest::newRow("set: blanks inside a piece stay") << "set" << QStringList() << " Star  Wars ,UCS"
                                                     << comma << QStringList{"Star  Wars", "UCS"};
    QTest::newRow("set: lines") << "set" << QStringList() << "b\n a \n\n\nc\n"
                                << line << QStringList{"a", "b", "c"};
    QTest::newRow("set: lines with CR LF") << "set" << QStringList() << "b\r\na\r\n"
                                           << line << QStringList{"a", "b"};
    QTest::newRow("set: other separator is text")
        << "set" << QStringList() << "a, b\nc" << line << QStringList{"a, b", "c"};
    QTest::newRow("set: bar") << "set" << QStringList() << "a|b|c" << QStringLiteral("|")
                              << QStringList{"a", "b", "c"};

    QTest::newRow("add: union, sorted")
        << "add" << QStringList{"delta", "Bravo"} << "alpha, bravo ,delta" << comma
        << QStringList{"alpha", "Bravo", "bravo", "delta"};
    QTest::newRow("add: empty text still orders the list")
        << "add" << QStringList{"b", "a", "b"} << " , " << comma << QStringList{"a", "b"};
    QTest::newRow("add: lines") << "add" << QStringList{"x"} << "y\n\nx" << line
                                << QStringList{"x", "y"};

    QTest::newRow("remove: exact pieces only") << "remove" << QStringList{"a", "B", "c", "b"}
                                               << " b , x" << comma << QStringList{"a", "B", "c"};
    QTest::newRow("remove: everything")
        << "remove" << QStringList{"a", "b"} << "b,a" << comma << QStringList();
    QTest::newRow("remove: trimmed piece matches")
        << "remove" << QStringList{"x y", "z"} << "  x y  \n"
        << line << QStringList{"z"};
    QTest::newRow("remove: nothing, list ordered")
        << "remove" << QStringList{"b", "A", "b"} << "" << comma << QStringList{"A", "b"};
}

void TestTextLists::operations()
{
    QFETCH(QString, operation);
    QFETCH(QStringList, list);
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, expected);
    if (operation == QStringLiteral("set"))
        list_set(list, text, separator);
    else if (operation == QStringLiteral("add"))
        list_add(list, text, separator);
    else
        list_remove(list, text, separator);
    QCOMPARE(list, expected);
}

void TestTextLists::join_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QStringList() << ", "
                           << "";
    QTest::newRow("one") << QStringList{"a"} << ", "
                         << "a";
    QTest::newRow("lines") << QStringList{"a", "b c"} << "\n"
                           << "a\nb c";
}

void TestTextLists::join()
{
    QFETCH(QStringList, list);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QCOMPARE(list_join(list, separator), text);
    // A joined list reads back as itself.
    QStringList back;
    list_set(back, text, separator);
    QCOMPARE(back, list);
}

QTEST_GUILESS_MAIN(TestTextLists)
#include "test_text_lists.moc"
