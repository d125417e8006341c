// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"
#include "filter_panel.h"
#include "info_panel.h"
#include "main_window.h"
#include "status_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include <memory>

using namespace tandora;

namespace {

const Texts &british()
{
    return british_english_texts();
}

// A main window shown at the default size of a first start.
std::unique_ptr<MainWindow> shown_window(QSize size = QSize(1280, 800))
{
    auto window = std::make_unique<MainWindow>(british());
    window->resize(size);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

QStringList tab_texts(const QTabWidget *tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void panelsHaveTheirTabs();
    void setListSelectsRowsWithGrid();
    void helpLineShowsWhileNoSetIsShown();
    void tileOrderHasNineEntries();
    void quickFilterControls();
    void extendedFilterButtons_data();
    void extendedFilterButtons();
    void statusFieldWidths_data();
    void statusFieldWidths();
    void lastStatusFieldTakesTheRest();
    void panelSizes_data();
    void panelSizes();
    void panelsKeepTheirSizeWhenTheWindowResizes();
    void panelSizesHoldBeforeTheWindowIsShown();
    void firstRestoreShrinksOnce_data();
    void firstRestoreShrinksOnce();
    void restoreReturnsInsideTheStoredGeometry();
    void closeButtonAsksFirst();
    void screenshot();
};

void TestMainWindow::panelsHaveTheirTabs()
{
    MainWindow window(british());
    QCOMPARE(tab_texts(window.info_panel()),
             QStringList({british().text(u"panel_setinfo"), british().text(u"panel_figinfo")}));
    QCOMPARE(tab_texts(window.filter_panel()),
             QStringList(
                 {british().text(u"panel_filter_fast"), british().text(u"panel_filter_extend")}));
    // Info panel right of the list and filter panel below it.
    QCOMPARE(window.outer_splitter()->widget(1), window.info_panel());
    QCOMPARE(window.inner_splitter()->widget(0), window.set_list());
    QCOMPARE(window.inner_splitter()->widget(1), window.filter_panel());
}

void TestMainWindow::setListSelectsRowsWithGrid()
{
    MainWindow window(british());
    const QTableView *list = window.set_list();
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list->showGrid());
    QVERIFY(!list->horizontalHeader()->sectionsMovable());
    QCOMPARE(list->contextMenuPolicy(), Qt::CustomContextMenu);
}

void TestMainWindow::helpLineShowsWhileNoSetIsShown()
{
    auto window = shown_window();
    QVERIFY(window);
    InfoPanel *panel = window->info_panel();
    QLabel *help = panel->help_line();
    QCOMPARE(help->text(), british().text(u"txt_listhelp"));
    QCOMPARE(help->palette().color(QPalette::WindowText), QColor(136, 136, 136));
    QVERIFY(panel->upper_container()->isHidden());
    QVERIFY(panel->lower_container()->isHidden());
    QVERIFY(help->isVisible());

    panel->upper_container()->show();
    QVERIFY(!help->isVisible());
    // The containers lie over the help line.
    QCOMPARE(panel->upper_container()->parentWidget()->geometry(), help->geometry());
    panel->upper_container()->hide();
    QVERIFY(help->isVisible());

    // Also while the page is not on screen.
    panel->setCurrentIndex(InfoPanel::figures_page);
    panel->upper_container()->show();
    panel->setCurrentIndex(InfoPanel::set_page);
    QVERIFY(!help->isVisible());
}

void TestMainWindow::tileOrderHasNineEntries()
{
    MainWindow window(british());
    InfoPanel *panel = window.info_panel();
    const QComboBox *order = panel->tile_order_box();
    QCOMPARE(order->count(), InfoPanel::tile_order_count);
    QCOMPARE(order->itemText(0), british().text(u"fig_sort_set"));
    QCOMPARE(order->itemText(1), british().text(u"fig_sort_fid") + QStringLiteral(" ▲"));
    QCOMPARE(order->itemText(2), british().text(u"fig_sort_fid") + QStringLiteral(" ▼"));
    QCOMPARE(order->itemText(8), british().text(u"fig_sort_ins") + QStringLiteral(" ▼"));

    panel->set_tile_order(6);
    QCOMPARE(panel->tile_order(), 6);
    panel->set_tile_order(9); // a settings file edited by hand
    QCOMPARE(panel->tile_order(), 0);
    panel->set_tile_order(-3);
    QCOMPARE(panel->tile_order(), 0);

    QCOMPARE(panel->tile_canvas()->palette().color(QPalette::Window), QColor(221, 221, 221));
    QCOMPARE(panel->tile_area()->widget(), panel->tile_canvas());
}

void TestMainWindow::quickFilterControls()
{
    MainWindow window(british());
    const QuickFilterControls &quick = window.filter_panel()->quick();
    QCOMPARE(quick.reset->text(), QStringLiteral("x"));
    QCOMPARE(quick.reset->toolTip(), british().text(u"tip_filter_reset"));

    QCOMPARE(quick.labels[QuickFilterControls::set_number]->text(),
             british().text(u"VAL_Setnum") + QStringLiteral(": "));
    QCOMPARE(quick.labels[QuickFilterControls::name]->text(),
             QStringLiteral("~") + british().text(u"VAL_Name") + QStringLiteral(": "));
    for (QLineEdit *field : quick.fields)
        QVERIFY(field);

    for (int i = 0; i < QuickFilterControls::choice_count; ++i) {
        QVERIFY(quick.choices[size_t(i)]);
        QCOMPARE(quick.choices[size_t(i)]->count(), 1);
        const bool negatable = i != QuickFilterControls::figure_tags;
        QCOMPARE(quick.negations[size_t(i)] != nullptr, negatable);
        if (negatable)
            QCOMPARE(quick.negations[size_t(i)]->text(), QStringLiteral(" ≠"));
    }
    QCOMPARE(quick.choices[QuickFilterControls::seller]->itemText(0),
             british().text(u"gui_filtoff") + QStringLiteral(": ") +
                 british().text(u"VAL_P_Person"));
    QCOMPARE(quick.choices[QuickFilterControls::availability]->itemText(0),
             british().text(u"gui_filtoff") + QStringLiteral(": ~") +
                 british().text(u"VAL_Availability"));

    QCOMPARE(quick.boxes[QuickFilterControls::to_sell]->text(), british().text(u"VAL_To_Sell"));
    QCOMPARE(quick.boxes[QuickFilterControls::present]->text(), british().text(u"txt_present"));
}

void TestMainWindow::extendedFilterButtons_data()
{
    QTest::addColumn<QToolButton * ExtendedFilterControls::*>("member");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::newRow("add first") << &ExtendedFilterControls::add_first << QStringLiteral("+")
                               << QStringLiteral("tip_filter_line_add");
    QTest::newRow("reset") << &ExtendedFilterControls::reset << QStringLiteral("x")
                           << QStringLiteral("tip_filter_reset");
    QTest::newRow("load") << &ExtendedFilterControls::load << QStringLiteral("<<")
                          << QStringLiteral("tip_filter_load");
    QTest::newRow("save") << &ExtendedFilterControls::save << QStringLiteral(">>")
                          << QStringLiteral("tip_filter_save");
    QTest::newRow("new") << &ExtendedFilterControls::new_filter << QStringLiteral("+ >")
                         << QStringLiteral("tip_filter_new");
    QTest::newRow("delete") << &ExtendedFilterControls::remove << QStringLiteral("−")
                            << QStringLiteral("tip_filter_del");
    QTest::newRow("rename") << &ExtendedFilterControls::rename << QStringLiteral("R")
                            << QStringLiteral("tip_filter_ren");
    QTest::newRow("up") << &ExtendedFilterControls::move_up << QStringLiteral("↑")
                        << QStringLiteral("tip_filter_move_up");
    QTest::newRow("down") << &ExtendedFilterControls::move_down << QStringLiteral("↓")
                          << QStringLiteral("tip_filter_move_down");
}

void TestMainWindow::extendedFilterButtons()
{
    QFETCH(QToolButton * ExtendedFilterControls::*, member);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    MainWindow window(british());
    const ExtendedFilterControls &extended = window.filter_panel()->extended();
    const QToolButton *button = extended.*member;
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), british().text(tip));
    QCOMPARE(extended.logic->count(), 2);
    QCOMPARE(extended.logic->itemText(1), british().text(u"log_or"));
    QCOMPARE(extended.saved->toolTip(), british().text(u"tip_filter_list"));
    QVERIFY(extended.rows->parentWidget() == extended.canvas);
}

void TestMainWindow::statusFieldWidths_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("width");
    // The text fields from the British "WID_" texts; "060" reads as 60.
    const int text_widths[] = {130, 60, 130, 130, 190, 200, 170, 160};
    for (int i = 0; i < 8; ++i) {
        QTest::addRow("text %d", 2 * i) << 2 * i << text_widths[i];
        if (2 * i + 1 < StatusFields::field_count - 1)
            QTest::addRow("icon %d", 2 * i + 1) << 2 * i + 1 << 22;
    }
}

void TestMainWindow::statusFieldWidths()
{
    QFETCH(int, field);
    QFETCH(int, width);
    auto window = shown_window();
    QVERIFY(window);
    StatusFields *fields = window->status_fields();
    QCOMPARE(fields->field_width(field), width);
    QCOMPARE(fields->field(field)->width(), width);
    if (field % 2 == 1) {
        QVERIFY(!fields->field(field)->pixmap().isNull());
        QCOMPARE(fields->field(field)->alignment(), Qt::AlignCenter);
    }
}

void TestMainWindow::lastStatusFieldTakesTheRest()
{
    // The fields need 1324 pixels in British English.
    auto window = shown_window(QSize(1600, 800));
    QVERIFY(window);
    StatusFields *fields = window->status_fields();
    const QLabel *last = fields->field(StatusFields::field_count - 1);
    QCOMPARE(fields->field(0)->x(), 0);
    for (int i = 1; i < StatusFields::field_count; ++i)
        QCOMPARE(fields->field(i)->x(), fields->field(i - 1)->geometry().right() + 1);
    QCOMPARE(last->geometry().right(), fields->rect().right());
    QCOMPARE(last->width(), fields->width() - 1324);
    QCOMPARE(fields->field_width(StatusFields::field_count - 1), last->width());

    // A narrow window cuts the fields off at the right instead of squeezing them.
    window->resize(1000, 800);
    QTRY_VERIFY(fields->width() < 1000);
    QCOMPARE(fields->field(10)->width(), 200);
    QCOMPARE(fields->field(12)->x(), fields->field(11)->geometry().right() + 1);
    QCOMPARE(last->width(), 0);

    fields->set_text(4, QStringLiteral("Pieces:  1,234"));
    QCOMPARE(fields->text(4), QStringLiteral("Pieces:  1,234"));
    fields->set_text(StatusFields::field_count, QStringLiteral("no such field"));
}

void TestMainWindow::panelSizes_data()
{
    QTest::addColumn<int>("info");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("expected_info");
    QTest::addColumn<int>("expected_filter");
    QTest::newRow("defaults") << 280 << 170 << 280 << 170;
    QTest::newRow("other sizes") << 400 << 240 << 400 << 240;
    QTest::newRow("one tile column") << 153 << 100 << 153 << 100;
    QTest::newRow("collapse info") << 0 << 170 << 0 << 170;
    QTest::newRow("collapse filter") << 280 << 0 << 280 << 0;
    QTest::newRow("collapse both") << 0 << 0 << 0 << 0;
    QTest::newRow("keep info") << -1 << 200 << 300 << 200;
    QTest::newRow("keep filter") << 350 << -1 << 350 << 150;
    QTest::newRow("keep both") << -1 << -1 << 300 << 150;
}

void TestMainWindow::panelSizes()
{
    QFETCH(int, info);
    QFETCH(int, filter);
    QFETCH(int, expected_info);
    QFETCH(int, expected_filter);
    auto window = shown_window();
    QVERIFY(window);
    window->set_panel_sizes(300, 150);
    QCOMPARE(window->info_width(), 300);
    QCOMPARE(window->filter_height(), 150);

    window->set_panel_sizes(info, filter);
    QCOMPARE(window->info_width(), expected_info);
    QCOMPARE(window->filter_height(), expected_filter);
    // The page itself has that size, not only the splitter's share.
    if (expected_info > 0)
        QCOMPARE(window->info_panel()->currentWidget()->width(), expected_info);
    if (expected_filter > 0)
        QCOMPARE(window->filter_panel()->currentWidget()->height(), expected_filter);
    QCOMPARE(window->info_panel()->width() == 0, expected_info == 0);
    QCOMPARE(window->filter_panel()->height() == 0, expected_filter == 0);

    // A collapsed panel opens again at the size asked for.
    window->set_panel_sizes(250, 120);
    QCOMPARE(window->info_width(), 250);
    QCOMPARE(window->filter_height(), 120);
}

void TestMainWindow::panelsKeepTheirSizeWhenTheWindowResizes()
{
    auto window = shown_window();
    QVERIFY(window);
    window->set_panel_sizes(280, 170);
    const int list_width = window->set_list()->width();
    const int list_height = window->set_list()->height();
    window->resize(1500, 950);
    QTRY_COMPARE(window->set_list()->width(), list_width + 220);
    QCOMPARE(window->set_list()->height(), list_height + 150);
    QCOMPARE(window->info_width(), 280);
    QCOMPARE(window->filter_height(), 170);
}

void TestMainWindow::panelSizesHoldBeforeTheWindowIsShown()
{
    // At start-up the sizes are set before the window is shown and maximised.
    MainWindow window(british());
    window.resize(1280, 800);
    window.set_panel_sizes(320, 190);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.info_width(), 320);
    QCOMPARE(window.filter_height(), 190);
    window.resize(1400, 900);
    QTRY_COMPARE(window.centralWidget()->width(), 1400);
    QCOMPARE(window.info_width(), 320);
    QCOMPARE(window.filter_height(), 190);
}

void TestMainWindow::firstRestoreShrinksOnce_data()
{
    QTest::addColumn<int>("old_state");
    QTest::addColumn<bool>("shrinks");
    QTest::newRow("from maximised") << int(Qt::WindowMaximized) << true;
    QTest::newRow("from minimised") << int(Qt::WindowMinimized) << false;
    QTest::newRow("from normal") << int(Qt::WindowNoState) << false;
}

void TestMainWindow::firstRestoreShrinksOnce()
{
    QFETCH(int, old_state);
    QFETCH(bool, shrinks);
    MainWindow window(british());
    const QRect normal(100, 80, 1000, 700);
    window.setGeometry(normal);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.geometry(), normal);

    // The window is normal now; the event tells what it was.
    QWindowStateChangeEvent restore{Qt::WindowStates(old_state)};
    QCoreApplication::sendEvent(&window, &restore);
    const QRect shrunk(120, 100, 960, 660);
    if (shrinks)
        QTRY_COMPARE(window.geometry(), shrunk);
    QTest::qWait(10);
    QCOMPARE(window.geometry(), shrinks ? shrunk : normal);

    // Only the first return from the maximised state shrinks.
    window.setGeometry(shrunk);
    QWindowStateChangeEvent again{Qt::WindowMaximized};
    QCoreApplication::sendEvent(&window, &again);
    QCoreApplication::sendEvent(&window, &again);
    QTest::qWait(10);
    QCOMPARE(window.geometry(), shrinks ? shrunk : QRect(140, 120, 920, 620));
}

void TestMainWindow::restoreReturnsInsideTheStoredGeometry()
{
    // A first start: the stored geometry, shown maximised, then restored by the user.
    MainWindow window(british());
    window.setGeometry(100, 80, 600, 500);
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.geometry().width() > 600);
    window.showNormal();
    QTRY_COMPARE(window.geometry(), QRect(120, 100, 560, 460));
}

void TestMainWindow::closeButtonAsksFirst()
{
    auto window = shown_window();
    QVERIFY(window);
    QSignalSpy asked(window.get(), &MainWindow::close_requested);
    QVERIFY(!window->close());
    QCOMPARE(asked.count(), 1);
    QVERIFY(window->isVisible());

    window->allow_close();
    QVERIFY(window->close());
    QCOMPARE(asked.count(), 1);
    QVERIFY(!window->isVisible());
}

// With TANDORA_GRAB_DIR set, the window at the default size goes to main_window.png there,
// with a few rows so that the list can be judged.
void TestMainWindow::screenshot()
{
    const QString folder = qEnvironmentVariable("TANDORA_GRAB_DIR");
    if (folder.isEmpty())
        QSKIP("TANDORA_GRAB_DIR is not set");
    auto window = shown_window();
    QVERIFY(window);
    window->set_panel_sizes(280, 170);
    QStandardItemModel model(12, 6);
    model.setHorizontalHeaderLabels({QStringLiteral("Set number▲"), QStringLiteral("Name"),
                                     QStringLiteral("Theme"), QStringLiteral("Year"),
                                     QStringLiteral("Pieces"), QStringLiteral("Price")});
    for (int row = 0; row < model.rowCount(); ++row) {
        model.setItem(row, 0,
                      new QStandardItem(QString::number(10030 + row * 7) + QStringLiteral("-1")));
        model.setItem(row, 1, new QStandardItem(QStringLiteral("Imperial Star Destroyer")));
        model.setItem(row, 2, new QStandardItem(QStringLiteral("Star Wars")));
        model.setItem(row, 3, new QStandardItem(QString::number(2002 + row)));
        model.setItem(row, 4, new QStandardItem(QString::number(3096 - row * 111)));
        model.setItem(row, 5, new QStandardItem(QStringLiteral("£ 274.99")));
    }
    window->set_list()->setModel(&model);
    window->set_list()->setColumnWidth(1, 220);
    window->set_list()->selectRow(2);
    window->status_fields()->set_text(0, QStringLiteral("Sets:  12 / 12"));
    window->status_fields()->set_text(2, QStringLiteral("12 ="));
    window->status_fields()->set_text(4, QStringLiteral("Pieces:  29,850"));
    window->status_fields()->set_text(6, QStringLiteral("Minifigs:  48"));
    window->status_fields()->set_text(8, QStringLiteral("RRP:  £ 3,299.88"));
    window->status_fields()->set_text(10, QStringLiteral("Price:  £ 2,950.00"));
    window->status_fields()->set_text(12, QStringLiteral("Value:  £ 3,100.00"));
    window->status_fields()->set_text(14, QStringLiteral("Points:  1,234"));
    QVERIFY(window->grab().save(folder + QStringLiteral("/main_window.png")));
    window->filter_panel()->setCurrentIndex(FilterPanel::extended_page);
    window->info_panel()->setCurrentIndex(InfoPanel::figures_page);
    QTest::qWait(20); // the pages shown now lay themselves out
    QVERIFY(window->grab().save(folder + QStringLiteral("/main_window_other_pages.png")));
    window->set_list()->setModel(nullptr);
}

QTEST_MAIN(TestMainWindow)
#include "ui_test_main_window.moc"
