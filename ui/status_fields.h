// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class QIcon;
class QLabel;

namespace tandora {

class Texts;

// The sixteen fields of the main window's status bar, left to right: the set count, then
// alternately an icon and a sum (sum, pieces, minifigures, retail value, price, sale value,
// points), and a last empty field that takes the remaining width. The fields keep their widths
// in a narrow window; what does not fit is cut off at the right edge.
class StatusFields final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusFields)

public:
    static constexpr int field_count = 16;
    static constexpr int icon_width = 22;

    explicit StatusFields(const Texts &texts, QWidget *parent = nullptr);

    void set_text(int field, const QString &text);
    QString text(int field) const;
    void set_icon(int field, const QIcon &icon);
    // The width a field keeps: the number of its language text for the text fields, 22 for the
    // icon fields; the last field stretches and reports the width it has now.
    int field_width(int field) const;
    QLabel *field(int field) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void place_fields();

    std::array<QLabel *, field_count> m_fields{};
    std::array<int, field_count - 1> m_widths{};
};

} // namespace tandora
