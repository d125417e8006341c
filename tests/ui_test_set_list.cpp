// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_shell.h"
#include "app_startup.h"
#include "core/clock.h"
#include "core/commands.h"
#include "core/language_files.h"
#include "main_list.h"
#include "main_window.h"
#include "scripted_prompt.h"
#include "set_list_model.h"
#include "status_fields.h"
#include "store/collection_file.h"
#include "store/collection_ops.h"
#include "test_folders.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QDir>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace tandora;

namespace {

own_set set_of(const char *number, const char *seller, qint64 day)
{
    own_set s;
    s.number = QString::fromLatin1(number);
    s.version = 1;
    s.purc.person = QString::fromLatin1(seller);
    s.purc.date = 1600000000 + day * 86400;
    s.purc.items = 1;
    s.sell.items = 1;
    s.color = -1;
    return s;
}

} // namespace

class TestSetListView : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> dir;
    test::ScriptedPrompt prompt;
    FixedClock clock{1765443600};
    std::unique_ptr<AppShell> shell;

    MainList &list() { return shell->main_list(); }
    QTableView &view() { return *shell->main_window().set_list(); }
    SetListModel &model() { return list().model(); }
    collection &coll() { return shell->session().current(); }
    int column_of(qint64 id) const
    {
        const auto &ids = shell->main_list().model().columns();
        return int(std::find(ids.begin(), ids.end(), id) - ids.begin());
    }
    QStringList numbers()
    {
        QStringList out;
        for (int r = 0; r < model().rowCount(); ++r)
            out.append(model().index(r, column_of(3)).data().toString());
        return out;
    }

private Q_SLOTS:
    void init();
    void cleanup() { shell.reset(); }
    void modelIsSound();
    void cellsColoursIcons();
    void headerClickSortsAndKeepsTheSet();
    void columnWidthsAreKept();
    void sumsAndTitle();
    void openEditorRequests();
};

void TestSetListView::init()
{
    dir.emplace();
    const QString home = test::isolate_home(dir->path());
    const QString support = home + QStringLiteral("/.local/share/Norvanda/Tandora/");
    QDir().mkpath(support);
    write_language_file(1, support + QStringLiteral("1.21_strings.txt"));
    collection c;
    reset_collection(c, british_english_texts());
    c.sets = {set_of("10030", "anna", 1), set_of("7", "Zoe", 3), set_of("6020", "", 2)};
    c.sets[1].template_ = 2;
    c.sets[1].purc.platform = QStringLiteral("Shop");
    c.sets[2].state = 10;
    c.sets[2].color = 0x0000FF;
    c.sets[2].marker = 5;
    c.sets[0].purc.price = 100;
    c.sets[0].sell.price = 150;
    const QString path = dir->filePath(QStringLiteral("c.json"));
    write_collection_file(path, c, clock);
    shell = start_program({QStringLiteral("tandora"), path}, prompt, clock);
    QVERIFY(shell);
}

void TestSetListView::modelIsSound()
{
    QAbstractItemModelTester tester(&model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    list().refresh_list();
    shell->shell().dispatch(cmd::view_option + 1);
    view().horizontalHeader()->sectionClicked(column_of(4));
    list().build_columns();
    list().refresh_list();
    QCOMPARE(model().rowCount(), 3);
}

void TestSetListView::cellsColoursIcons()
{
    // Sorted by purchase date, newest first; the wishlist entry has none and comes first.
    QCOMPARE(numbers(), QStringList({"7-1", "6020-1", "10030-1"}));
    QCOMPARE(model().index(0, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(model().headerData(column_of(6), Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Purchase date▼"));
    // Wishlist: the shop column in orange; sold: the state in red, its row in its colour and
    // its marker instead of the template icon.
    shell->shell().dispatch(cmd::column_window); // waiting command: nothing happens
    const QModelIndex state = model().index(1, column_of(29));
    QCOMPARE(state.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    QCOMPARE(state.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    QVERIFY(!model().index(1, 0).data(Qt::DecorationRole).isNull());
    QVERIFY(model().index(1, 1).data(Qt::DecorationRole).isNull());
    QCOMPARE(model().index(0, column_of(0)).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(model().index(0, column_of(21)).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    // Hidden template icons: the marker stays.
    shell->shell().dispatch(cmd::view_option + 2);
    QVERIFY(model().index(0, 0).data(Qt::DecorationRole).isNull());
    QVERIFY(!model().index(1, 0).data(Qt::DecorationRole).isNull());
}

void TestSetListView::headerClickSortsAndKeepsTheSet()
{
    view().setCurrentIndex(model().index(2, 0)); // 10030
    QCOMPARE(list().current_set(), std::optional<size_t>(2));
    view().horizontalHeader()->sectionClicked(column_of(3));
    QCOMPARE(coll().sort_col, 3);
    QCOMPARE(coll().sort_dir, 0);
    QCOMPARE(numbers(), QStringList({"7-1", "6020-1", "10030-1"}));
    QCOMPARE(view().currentIndex().row(), 2);
    QCOMPARE(model().headerData(column_of(3), Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Set number▲"));
    view().horizontalHeader()->sectionClicked(column_of(3));
    QCOMPARE(numbers(), QStringList({"10030-1", "6020-1", "7-1"}));
    QCOMPARE(view().currentIndex().row(), 0); // still 10030
    QCOMPARE(view().selectionModel()->selectedRows().size(), 1);
    // Seller: texts without regard to case, the empty one last.
    const int seller = column_of(9);
    view().horizontalHeader()->sectionClicked(seller);
    QCOMPARE(numbers(), QStringList({"10030-1", "7-1", "6020-1"}));
}

void TestSetListView::columnWidthsAreKept()
{
    QHeaderView *header = view().horizontalHeader();
    QCOMPARE(header->sectionSize(0), int(coll().columns[0].width) + 18);
    header->resizeSection(0, 100);
    header->resizeSection(1, 123);
    QCOMPARE(coll().columns[0].width, 82);
    const auto second = std::find_if(coll().columns.begin() + 1, coll().columns.end(),
                                     [](const column &col) { return col.cHide == 0; });
    QCOMPARE(second->width, 123);
}

void TestSetListView::sumsAndTitle()
{
    shell->serve_deferred();
    StatusFields &status = *shell->main_window().status_fields();
    QCOMPARE(status.text(0), QStringLiteral("Sets:  3 / 3"));
    QCOMPARE(status.text(2), QStringLiteral("1 =")); // no wishlist, no sold set
    shell->shell().dispatch(cmd::view_option + 6);   // selection only
    view().clearSelection();
    shell->serve_deferred();
    QCOMPARE(status.text(2), QStringLiteral("0 ="));

    QVERIFY(!shell->main_window().windowTitle().endsWith(QStringLiteral(" *")));
    shell->session().mark_modified();
    shell->shell().update_title();
    QCOMPARE(shell->main_window().windowTitle(), QStringLiteral("Tandora 1.21 - ") +
                                                     dir->filePath(QStringLiteral("c.json")) +
                                                     QStringLiteral(" *"));
}

void TestSetListView::openEditorRequests()
{
    QSignalSpy spy(&list(), &MainList::open_editor_requested);
    view().setCurrentIndex(model().index(1, 0));
    shell->main_window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shell->main_window()));
    view().setFocus();
    QTest::keyClick(&view(), Qt::Key_Return);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][0].value<size_t>(), list().current_set().value());
    const QRect cell = view().visualRect(model().index(0, 1));
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(spy.size(), 2);
}

QTEST_MAIN(TestSetListView)
#include "ui_test_set_list.moc"
