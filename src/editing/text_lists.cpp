// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/text_lists.h"

#include <algorithm>

namespace tandora {

namespace {

QStringList pieces(const QString &text, const QString &separator)
{
    QStringList out;
    for (const QString &piece : text.split(separator)) {
        const QString trimmed = piece.trimmed();
        if (!trimmed.isEmpty())
            out.append(trimmed);
    }
    return out;
}

// Distinct texts (compared exactly), ordered without regard to case; texts that differ only
// in case keep a fixed order among themselves.
void normalise(QStringList &list)
{
    std::sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

} // namespace

void list_set(QStringList &list, const QString &text, const QString &separator)
{
    list = pieces(text, separator);
    normalise(list);
}

void list_add(QStringList &list, const QString &text, const QString &separator)
{
    list.append(pieces(text, separator));
    normalise(list);
}

void list_remove(QStringList &list, const QString &text, const QString &separator)
{
    const QStringList gone = pieces(text, separator);
    list.removeIf([&](const QString &s) { return gone.contains(s); });
    normalise(list);
}

QString list_join(const QStringList &list, const QString &separator)
{
    return list.join(separator);
}

} // namespace tandora
