// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "brickset_fixture.h"

#include "test_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tandora::test {

QString fixture_path(const QString &name)
{
    return QStringLiteral(TANDORA_FIXTURES) + u'/' + name;
}

bool fixtures_present()
{
    return QFileInfo::exists(fixture_path(QStringLiteral("brickset_getSets_avido_608matches.json")));
}

QStringList write_fixture_set_files(const QString &folder)
{
    const QJsonObject answer =
        QJsonDocument::fromJson(
            read_file(fixture_path(QStringLiteral("brickset_getSets_avido_608matches.json"))))
            .object();
    QDir().mkpath(folder);
    QStringList keys;
    for (const QJsonValue &set : answer.value(QStringLiteral("sets")).toArray()) {
        const QJsonObject s = set.toObject();
        const QString key = s.value(QStringLiteral("number")).toString() + u'-' +
                            QString::number(s.value(QStringLiteral("numberVariant")).toInt());
        QJsonObject one;
        one.insert(QStringLiteral("status"), QStringLiteral("success"));
        one.insert(QStringLiteral("matches"), 1);
        one.insert(QStringLiteral("sets"), QJsonArray{s});
        write_file(folder + u'/' + key + QStringLiteral(".set"),
                   QJsonDocument(one).toJson(QJsonDocument::Indented));
        keys.append(key);
    }
    return keys;
}

} // namespace tandora::test
