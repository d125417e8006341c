// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_fields.h"

#include "core/texts.h"

#include <QByteArray>
#include <QIcon>
#include <QLabel>

#include <algorithm>
#include <charconv>

namespace tandora {

namespace {

// The text fields sit at the even positions 0 to 14; their widths are language texts, since
// the sums need more room in some languages. The fallback serves a language file without them.
struct text_field
{
    const char16_t *width_key;
    int fallback_width;
};

constexpr text_field text_fields[] = {
    {u"WID_Sets", 130}, {u"WID_Summe", 60},  {u"WID_Pieces", 130}, {u"WID_Minifigs", 130},
    {u"WID_UVP", 190},  {u"WID_Price", 200}, {u"WID_VKP", 170},    {u"WID_VIP", 160},
};
static_assert(std::size(text_fields) * 2 == StatusFields::field_count);

constexpr int icon_size = 16;
constexpr int text_indent = 4;

int width_from_text(const QString &text, int fallback)
{
    const QByteArray digits = text.trimmed().toLatin1();
    int value = 0;
    const auto [end, error] = std::from_chars(digits.cbegin(), digits.cend(), value);
    return error == std::errc() && value > 0 ? value : fallback;
}

bool is_icon_field(int field)
{
    return field % 2 == 1 && field < StatusFields::field_count - 1;
}

} // namespace

StatusFields::StatusFields(const Texts &texts, QWidget *parent)
    : QWidget(parent)
{
    for (int i = 0; i < field_count; ++i) {
        auto *label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        if (is_icon_field(i)) {
            label->setAlignment(Qt::AlignCenter);
            m_widths[size_t(i)] = icon_width;
        } else {
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            label->setIndent(text_indent);
            if (i < field_count - 1) {
                const text_field &row = text_fields[i / 2];
                m_widths[size_t(i)] =
                    width_from_text(texts.text(row.width_key), row.fallback_width);
            }
        }
        m_fields[size_t(i)] = label;
    }
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize StatusFields::sizeHint() const
{
    int width = 0;
    for (int field_width : m_widths)
        width += field_width;
    return {width, minimumSizeHint().height()};
}

QSize StatusFields::minimumSizeHint() const
{
    return {0, std::max(fontMetrics().height(), icon_size) + 2};
}

void StatusFields::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    place_fields();
}

// Left to right at their own widths, without a layout: a layout would squeeze the fields over
// each other when the window is narrower than their sum.
void StatusFields::place_fields()
{
    int x = 0;
    for (int i = 0; i < field_count; ++i) {
        const int field_width =
            i < field_count - 1 ? m_widths[size_t(i)] : std::max(width() - x, 0);
        m_fields[size_t(i)]->setGeometry(x, 0, field_width, height());
        x += field_width;
    }
}

void StatusFields::set_text(int field, const QString &text)
{
    if (field >= 0 && field < field_count && m_fields[size_t(field)]->text() != text)
        m_fields[size_t(field)]->setText(text);
}

QString StatusFields::text(int field) const
{
    return field >= 0 && field < field_count ? m_fields[size_t(field)]->text() : QString();
}

void StatusFields::set_icon(int field, const QIcon &icon)
{
    if (field < 0 || field >= field_count)
        return;
    QLabel *label = m_fields[size_t(field)];
    label->setPixmap(icon.isNull()
                         ? QPixmap()
                         : icon.pixmap(QSize(icon_size, icon_size), label->devicePixelRatioF()));
}

int StatusFields::field_width(int field) const
{
    if (field < 0 || field >= field_count)
        return 0;
    return field == field_count - 1 ? std::max(width() - sizeHint().width(), 0)
                                    : m_widths[size_t(field)];
}

QLabel *StatusFields::field(int field) const
{
    return field >= 0 && field < field_count ? m_fields[size_t(field)] : nullptr;
}

} // namespace tandora
