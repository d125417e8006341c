// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QTest>

using namespace tandora;

namespace {

struct Family
{
    QString name;
    QList<int> indexes;
    QIcon (*icon)(int);
};

QIcon template_at(int i)
{
    return artwork::template_icon(i);
}
QIcon marker_at(int i)
{
    return artwork::marker_icon(i);
}
QIcon button_at(int i)
{
    return artwork::button(static_cast<artwork::Button>(i));
}
QIcon application_at(int)
{
    return artwork::application_icon();
}

QList<int> range(int from, int count)
{
    QList<int> result;
    for (int i = from; i < from + count; ++i)
        result.append(i);
    return result;
}

// Every picture the program asks for, family by family; -1 in links is the generic link.
QList<Family> families()
{
    QList<int> links = range(0, artwork::link_icon_count());
    links.append(-1);
    return {
        {QStringLiteral("templates"), range(0, 6), template_at},
        {QStringLiteral("markers"), range(1, artwork::marker_count() - 1), marker_at},
        {QStringLiteral("row colours"), range(0, artwork::row_colour_count()),
         artwork::row_colour_swatch},
        {QStringLiteral("kinds"), range(0, artwork::kind_icon_count()), artwork::kind_icon},
        {QStringLiteral("buttons"), range(0, artwork::button_count), button_at},
        {QStringLiteral("status bar"), {1, 3, 5, 7, 9, 11, 13}, artwork::status_icon},
        {QStringLiteral("links"), links, artwork::link_icon},
        {QStringLiteral("application"), {0}, application_at},
    };
}

QImage image_of(const QIcon &icon, int size)
{
    return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Opaque pixels whose brightness stands clearly apart from the background.
int pixels_standing_out(const QImage &image, const QColor &background)
{
    int count = 0;
    const int ground = qGray(background.rgb());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 200 && qAbs(qGray(pixel) - ground) >= 60)
                ++count;
        }
    return count;
}

const QColor light_ground(0xffffff);
const QColor dark_ground(0x2d2f33);

constexpr int label_width = 120, cell = 56, per_line = 17, cell_height = 124;

int panel_height()
{
    int lines = 0;
    for (const Family &family : families())
        lines += (int(family.indexes.size()) + per_line - 1) / per_line;
    return lines * cell_height + 8;
}

void draw_panel(QPainter &p, int top, int width, const QColor &ground, const QColor &ink)
{
    int y = top;
    p.fillRect(0, top, width, panel_height(), ground);
    p.setPen(ink);
    for (const Family &family : families()) {
        p.drawText(8, y + 20, family.name);
        for (int n = 0; n < family.indexes.size(); ++n) {
            const int index = family.indexes[n];
            const QIcon icon = family.icon(index);
            const int x = label_width + (n % per_line) * cell;
            const int cell_top = y + (n / per_line) * cell_height;
            int row = cell_top + 8;
            for (const int size : {16, 32, 48}) {
                p.drawPixmap(x + (cell - size) / 2, row, icon.pixmap(size));
                row += size + 6;
            }
            p.drawText(QRect(x, row - 4, cell, 14), Qt::AlignCenter, QString::number(index));
        }
        y += ((int(family.indexes.size()) + per_line - 1) / per_line) * cell_height;
    }
}

void save_contact_sheet(const QString &path)
{
    constexpr int width = label_width + per_line * cell + 8, pictures = 270;
    const int panel = panel_height();
    QImage sheet(width, 2 * panel + pictures, QImage::Format_ARGB32);
    sheet.fill(light_ground);
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    draw_panel(p, 0, width, light_ground, QColor(0x333333));
    draw_panel(p, panel, width, dark_ground, QColor(0xdddddd));
    const int top = 2 * panel + 10;
    p.fillRect(0, 2 * panel, width / 2, pictures, dark_ground);
    p.drawPixmap(20, top, artwork::placeholder_picture(240));
    p.drawPixmap(220, top + 100, artwork::placeholder_picture(140));
    int x = width / 2 + 20;
    for (const int size : {16, 22, 32, 48, 64, 128, 256}) {
        if (x + size > width)
            break;
        p.drawPixmap(x, top, artwork::application_icon().pixmap(size));
        x += size + 12;
    }
    p.end();
    QVERIFY2(sheet.save(path), qPrintable(path));
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase();
    void tableSizes();
    void everyIconIsDrawnAtEverySize_data();
    void everyIconIsDrawnAtEverySize();
    void iconsInAFamilyDiffer_data();
    void iconsInAFamilyDiffer();
    void swatchTopLeftPixelIsTheStoredColour_data();
    void swatchTopLeftPixelIsTheStoredColour();
    void indexesOutsideTheTablesGiveDefinedIcons();
    void iconsAreMadeOnce();
    void placeholderHasTheAskedHeight_data();
    void placeholderHasTheAskedHeight();
};

void TestArtwork::cleanupTestCase()
{
    if (qEnvironmentVariableIsSet("TANDORA_ARTWORK_SHEET"))
        save_contact_sheet(qEnvironmentVariable("TANDORA_ARTWORK_SHEET"));
}

void TestArtwork::tableSizes()
{
    QCOMPARE(artwork::marker_count(), 32);
    QCOMPARE(artwork::row_colour_count(), 7);
    QCOMPARE(artwork::kind_icon_count(), 8);
    QCOMPARE(artwork::link_icon_count(), 10);
    QCOMPARE(artwork::button_count, int(artwork::Button::picture_again) + 1);
    QVERIFY(artwork::marker_icon(0).isNull());
}

void TestArtwork::everyIconIsDrawnAtEverySize_data()
{
    QTest::addColumn<QIcon>("icon");
    for (const Family &family : families())
        for (const int index : family.indexes)
            QTest::addRow("%s %d", qPrintable(family.name), index) << family.icon(index);
}

void TestArtwork::everyIconIsDrawnAtEverySize()
{
    QFETCH(QIcon, icon);
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 22, 32, 48})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    for (const int size : {16, 32}) {
        const QImage image = image_of(icon, size);
        QCOMPARE(image.size(), QSize(size, size));
        // Readable on a light list and on a dark one.
        QVERIFY(pixels_standing_out(image, light_ground) >= size / 2);
        QVERIFY(pixels_standing_out(image, dark_ground) >= size / 2);
    }
    const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.size(), QSize(32, 32));
}

void TestArtwork::iconsInAFamilyDiffer_data()
{
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<QList<QIcon>>("icons");
    for (const Family &family : families()) {
        QList<QIcon> icons;
        for (const int index : family.indexes)
            icons.append(family.icon(index));
        QTest::addRow("%s", qPrintable(family.name)) << family.indexes << icons;
    }
}

void TestArtwork::iconsInAFamilyDiffer()
{
    QFETCH(QList<int>, indexes);
    QFETCH(QList<QIcon>, icons);
    for (qsizetype i = 0; i < icons.size(); ++i)
        for (qsizetype j = i + 1; j < icons.size(); ++j)
            QVERIFY2(image_of(icons[i], 16) != image_of(icons[j], 16),
                     qPrintable(QStringLiteral("%1 and %2").arg(indexes[i]).arg(indexes[j])));
}

void TestArtwork::swatchTopLeftPixelIsTheStoredColour_data()
{
    QTest::addColumn<int>("index");
    for (int j = 1; j < artwork::row_colour_count(); ++j)
        QTest::addRow("swatch %d", j) << j;
}

void TestArtwork::swatchTopLeftPixelIsTheStoredColour()
{
    QFETCH(int, index);
    const qint64 stored = artwork::row_colour(index);
    QVERIFY(stored >= 0 && stored <= 0xffffff);
    const QColor expected(int(stored & 0xff), int(stored >> 8 & 0xff), int(stored >> 16 & 0xff));
    const QIcon swatch = artwork::row_colour_swatch(index);
    for (const int size : {16, 22, 32, 48})
        QCOMPARE(image_of(swatch, size).pixelColor(0, 0), expected);
    QCOMPARE(swatch.pixmap(QSize(16, 16), 2.0).toImage().pixelColor(0, 0), expected);
    for (int other = 1; other < index; ++other)
        QVERIFY(artwork::row_colour(other) != stored);
}

void TestArtwork::indexesOutsideTheTablesGiveDefinedIcons()
{
    const QImage free_template = image_of(artwork::template_icon(0), 16);
    for (const qint64 code : {-1LL, 6LL, 1LL << 40})
        QCOMPARE(image_of(artwork::template_icon(code), 16), free_template);

    for (const qint64 index : {-1LL, 32LL, 1LL << 40})
        QVERIFY(artwork::marker_icon(index).isNull());

    QCOMPARE(artwork::row_colour(0), -1);
    const QImage no_colour = image_of(artwork::row_colour_swatch(0), 16);
    for (const int index : {-1, 7, 1000}) {
        QCOMPARE(artwork::row_colour(index), -1);
        QCOMPARE(image_of(artwork::row_colour_swatch(index), 16), no_colour);
    }

    const QImage no_kind = image_of(artwork::kind_icon(0), 16);
    for (const int index : {-2, -1, 8})
        QCOMPARE(image_of(artwork::kind_icon(index), 16), no_kind);

    QVERIFY(artwork::button(static_cast<artwork::Button>(-1)).isNull());
    QVERIFY(artwork::button(static_cast<artwork::Button>(artwork::button_count)).isNull());

    for (const int field : {-1, 0, 2, 4, 6, 8, 10, 12, 14, 15, 16})
        QVERIFY2(artwork::status_icon(field).isNull(), qPrintable(QString::number(field)));

    const QImage generic = image_of(artwork::link_icon(-1), 16);
    for (const int index : {10, 99, -7})
        QCOMPARE(image_of(artwork::link_icon(index), 16), generic);
}

void TestArtwork::iconsAreMadeOnce()
{
    QCOMPARE(artwork::marker_icon(5).cacheKey(), artwork::marker_icon(5).cacheKey());
    QCOMPARE(artwork::template_icon(99).cacheKey(), artwork::template_icon(0).cacheKey());
    QCOMPARE(artwork::placeholder_picture(140).cacheKey(),
             artwork::placeholder_picture(140).cacheKey());
}

void TestArtwork::placeholderHasTheAskedHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<QSize>("size");
    QTest::newRow("set previews") << 240 << QSize(180, 240);
    QTest::newRow("figure tiles") << 140 << QSize(105, 140);
    QTest::newRow("tiny") << 1 << QSize(1, 1);
    QTest::newRow("huge") << 100000 << QSize(1536, 2048);
    QTest::newRow("zero") << 0 << QSize();
    QTest::newRow("negative") << -240 << QSize();
}

void TestArtwork::placeholderHasTheAskedHeight()
{
    QFETCH(int, height);
    QFETCH(QSize, size);
    const QPixmap picture = artwork::placeholder_picture(height);
    if (!size.isValid()) {
        QVERIFY(picture.isNull());
        return;
    }
    QCOMPARE(picture.size(), size);
    const QImage image = picture.toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1)})
        QCOMPARE(qAlpha(image.pixel(corner)), 255);
}

QTEST_MAIN(TestArtwork)
#include "ui_test_artwork.moc"
