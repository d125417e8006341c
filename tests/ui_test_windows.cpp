// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "column_window.h"
#include "core/texts.h"
#include "editor_window.h"
#include "figures_window.h"
#include "main_window.h"
#include "text_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace tandora;

namespace {

const Texts &british()
{
    return british_english_texts();
}

using Factory = std::function<SecondaryWindow *(QWidget *main)>;

struct Fixture
{
    MainWindow main{british()};
    Fixture()
    {
        main.resize(1280, 800);
        main.show();
    }
};

} // namespace

Q_DECLARE_METATYPE(Factory)

class TestWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondaryWindows_data();
    void secondaryWindows();
    void closingReturnsToTheMainWindow();
    void textWindowShowsCopiesAndCloses();
    void columnWindowControls();
    void figuresWindowControls();
    void editorWindowPanels();
    void screenshots();
};

void TestWindows::secondaryWindows_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<bool>("blocks");
    QTest::addColumn<QString>("title");
    QTest::newRow("editor") << Factory([](QWidget *m) { return new EditorWindow(british(), m); })
                            << QSize(640, 704) << false << true << british().text(u"menu_set_new");
    QTest::newRow("columns") << Factory([](QWidget *m) { return new ColumnWindow(british(), m); })
                             << QSize(392, 472) << false << true << british().text(u"MID_Colset");
    QTest::newRow("figures") << Factory([](QWidget *m) { return new FiguresWindow(british(), m); })
                             << QSize(976, 520) << true << false
                             << british().text(u"MID_PopFiglist");
    QTest::newRow("text") << Factory([](QWidget *m) { return new TextWindow(british(), m); })
                          << QSize(608, 552) << true << false << british().text(u"name_stat");
}

void TestWindows::secondaryWindows()
{
    QFETCH(Factory, make);
    QFETCH(QSize, size);
    QFETCH(bool, resizable);
    QFETCH(bool, blocks);
    QFETCH(QString, title);
    Fixture f;
    SecondaryWindow *window = make(&f.main);
    QVERIFY(window->isWindow());
    QVERIFY(window->isHidden());
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->windowType(), Qt::Tool);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize() == window->maximumSize(), !resizable);
    QCOMPARE(window->blocks_main(), blocks);

    // Every control fits into the size the window keeps.
    QVERIFY(window->minimumSizeHint().width() <= size.width());
    QVERIFY(window->minimumSizeHint().height() <= size.height());

    QSignalSpy hidden(window, &SecondaryWindow::hidden);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->size(), size);
    QCOMPARE(QApplication::activeModalWidget(), blocks ? window : nullptr);
    QVERIFY(window->close());
    QVERIFY(window->isHidden());
    QCOMPARE(hidden.count(), 1);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(f.main.isEnabled());

    // Hidden, not gone: it shows again with its controls.
    window->show();
    QVERIFY(window->isVisible());
    window->hide();
    QCOMPARE(hidden.count(), 2);
}

void TestWindows::closingReturnsToTheMainWindow()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(&f.main));
    auto *editor = new EditorWindow(british(), &f.main);
    // The program disables the main window while the editor is open.
    f.main.setEnabled(false);
    editor->show();
    QVERIFY(QTest::qWaitForWindowActive(editor));
    QVERIFY(editor->close());
    QVERIFY(f.main.isEnabled());
    QTRY_VERIFY(f.main.isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), f.main.set_list());
}

void TestWindows::textWindowShowsCopiesAndCloses()
{
    Fixture f;
    auto *window = new TextWindow(british(), &f.main);
    window->set_text_font(QFont(QStringLiteral("Courier New"), 12));
    QCOMPARE(window->text_area()->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(window->copy_button()->text(), british().text(u"gui_copy"));
    QCOMPARE(window->close_button()->text(), british().text(u"gui_close"));

    const QString text = QStringLiteral("Sets        12\nPieces   3,096\n  indented\n");
    window->setWindowTitle(QString());
    window->show_text(text, true);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), british().text(u"name_stat"));
    QCOMPARE(window->text(), text);
    QVERIFY(window->is_read_only());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::mouseClick(window->copy_button(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);

    // Other texts stay editable, and what the user typed is what is copied.
    window->show_text(QStringLiteral("two"), false);
    QVERIFY(!window->is_read_only());
    window->text_area()->appendPlainText(QStringLiteral("three"));
    window->copy_text();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("two\nthree"));

    QSignalSpy hidden(window, &SecondaryWindow::hidden);
    QTest::mouseClick(window->close_button(), Qt::LeftButton);
    QVERIFY(window->isHidden());
    QCOMPARE(hidden.count(), 1);
    QCOMPARE(window->text(), QStringLiteral("two\nthree"));
}

void TestWindows::columnWindowControls()
{
    Fixture f;
    ColumnWindow window(british(), &f.main);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.column_list()->headerItem()->text(0), british().text(u"txt_column"));
    QCOMPARE(window.column_list()->columnCount(), 1);
    const char16_t *move_tips[] = {u"tip_move_u99", u"tip_move_u10", u"tip_move_u01",
                                   u"tip_move_d01", u"tip_move_d10", u"tip_move_d99"};
    for (int i = 0; i < ColumnWindow::move_count; ++i) {
        const QToolButton *button = window.move_button(ColumnWindow::Move(i));
        QCOMPARE(button->toolTip(), british().text(move_tips[i]));
        QVERIFY(!button->icon().isNull());
        // Top to bottom on screen as in the table.
        if (i > 0)
            QVERIFY(button->y() > window.move_button(ColumnWindow::Move(i - 1))->y());
    }
    const struct
    {
        ColumnWindow::Group group;
        const char16_t *tip;
        const char16_t *caption;
    } groups[] = {{ColumnWindow::select_none, u"tip_sel_none", u""},
                  {ColumnWindow::select_all, u"tip_sel_all", u"❋"},
                  {ColumnWindow::select_editable, u"tip_sel_editable", u"_"},
                  {ColumnWindow::select_brickset, u"tip_sel_brickset", u"~"}};
    for (const auto &group : groups) {
        QCOMPARE(window.group_button(group.group)->toolTip(), british().text(group.tip));
        QCOMPARE(window.group_button(group.group)->text(), QString::fromUtf16(group.caption));
    }
    QVERIFY(!window.group_button(ColumnWindow::select_none)->icon().isNull());
    QCOMPARE(window.ok_button()->text(), british().text(u"gui_y"));
    QCOMPARE(window.cancel_button()->text(), british().text(u"gui_n"));
}

void TestWindows::figuresWindowControls()
{
    Fixture f;
    FiguresWindow window(british(), &f.main);
    const QTreeWidget *list = window.figure_list();
    QCOMPARE(list->columnCount(), FiguresWindow::column_count);
    QCOMPARE(list->toolTip(), british().text(u"tip_fig_liste"));
    QCOMPARE(list->headerItem()->text(3), british().text(u"FOL_FigName"));
    QCOMPARE(list->header()->sectionSize(3), 250);
    QCOMPARE(window.picture()->size(), FiguresWindow::picture_size);
    QCOMPARE(window.download_button()->text(), british().text(u"txt_fig_download"));
    QCOMPARE(window.links_button()->toolTip(), british().text(u"tip_weblinks"));
    QVERIFY(window.details()->isReadOnly());
    QVERIFY(window.grouping_switch()->isChecked());
    QCOMPARE(window.filter_field()->toolTip(), british().text(u"tip_fig_filter"));
    QCOMPARE(window.clear_button()->toolTip(), british().text(u"tip_fig_filter_ex"));
}

void TestWindows::editorWindowPanels()
{
    Fixture f;
    EditorWindow window(british(), &f.main);
    QCOMPARE(window.upper_panel()->count(), 1);
    QCOMPARE(window.upper_panel()->tabText(0), british().text(u"panel_number"));
    const char16_t *lower[] = {u"panel_purc", u"panel_state", u"panel_sell", u"panel_notes",
                               u"panel_alarm"};
    QCOMPARE(window.lower_panel()->count(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(window.lower_panel()->tabText(i), british().text(lower[i]));
    QCOMPARE(window.previous_button()->toolTip(), british().text(u"tip_prev"));
    QCOMPARE(window.next_button()->toolTip(), british().text(u"tip_next"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Commit and cancel end at the right edge of the panels, the arrows start at the left.
    QCOMPARE(window.cancel_button()->geometry().right(), window.lower_panel()->geometry().right());
    QCOMPARE(window.previous_button()->x(), window.lower_panel()->x());
    QVERIFY(window.commit_button()->x() < window.cancel_button()->x());
}

// With TANDORA_GRAB_DIR set, each secondary window goes to a PNG there.
void TestWindows::screenshots()
{
    const QString folder = qEnvironmentVariable("TANDORA_GRAB_DIR");
    if (folder.isEmpty())
        QSKIP("TANDORA_GRAB_DIR is not set");
    Fixture f;
    auto *text = new TextWindow(british(), &f.main);
    text->set_text_font(QFont(QStringLiteral("Courier New"), 12));
    text->show_text(QStringLiteral("Statistics\n\nSets          12\nPieces    29,850\n"), true);
    const std::pair<QWidget *, const char *> windows[] = {
        {new EditorWindow(british(), &f.main), "editor_window.png"},
        {new ColumnWindow(british(), &f.main), "column_window.png"},
        {new FiguresWindow(british(), &f.main), "figures_window.png"},
        {text, "text_window.png"},
    };
    for (const auto &[window, name] : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->grab().save(folder + u'/' + QLatin1String(name)));
        window->hide();
    }
}

QTEST_MAIN(TestWindows)
#include "ui_test_windows.moc"
