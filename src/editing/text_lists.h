// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tandora {

// Text lists such as tags and documents: a text is cut at every separator, each piece is
// trimmed and empty pieces are dropped. The results are distinct and sorted without regard
// to letter case.

// The list becomes the pieces of the text.
void list_set(QStringList &list, const QString &text, const QString &separator);
// The pieces of the text are added to the list.
void list_add(QStringList &list, const QString &text, const QString &separator);
// The pieces of the text are removed from the list.
void list_remove(QStringList &list, const QString &text, const QString &separator);
// The texts joined with the separator.
QString list_join(const QStringList &list, const QString &separator);

} // namespace tandora
