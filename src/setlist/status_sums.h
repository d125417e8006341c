// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <functional>

namespace tandora {

class SetList;
class Texts;
struct PropertyContext;

// The status bar's sums of the listed sets.
struct status_sums
{
    qint64 rows = 0;    // listed
    qint64 sets = 0;    // in the collection
    qint64 counted = 0; // rows that count for the sums
    double retail = 0;
    double purchase = 0;
    double sales = 0;
    double pieces = 0;
    double minifigs = 0;
    double vip_total = 0; // base stock and every set's points, listed or not
};

// Adds up the listed rows, leaving out wishlist entries and sets that are gone unless the view
// options include them, and unselected rows when the sums cover the selection only.
status_sums sum_up(const PropertyContext &ctx, const SetList &rows,
                   const std::function<bool(size_t row)> &selected);

// The texts of the sixteen status bar fields (the icon fields and the last stay empty).
std::array<QString, 16> status_texts(const PropertyContext &ctx, const Texts &texts,
                                     const status_sums &sums);

} // namespace tandora
