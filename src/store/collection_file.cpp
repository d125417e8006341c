// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/collection_file.h"

#include "core/clock.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "core/user_prompt.h"
#include "store/collection_ops.h"
#include "store/json_reader.h"
#include "store/json_writer.h"
#include "store/migration.h"
#include "store/record_tables.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <unistd.h>

namespace tandora {

namespace {

// The prompt for the backup depth offers 0 to 9.
constexpr qint64 max_backup_steps = 9;

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// A link is saved through: the file it points to is replaced, not the link.
QString resolved_target(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

} // namespace

LoadResult read_collection_file(const QString &path, collection &into, const Texts &texts,
                                const Catalogue &catalogue, UserPrompt &prompt,
                                JsonDocument *kept_document)
{
    LoadResult result;
    if (QFileInfo(path).suffix() != QStringLiteral("json")) {
        prompt.message(path + QStringLiteral("\n\n") + texts.text(u"warn_extenson"),
                       UserPrompt::Icon::Warning);
    }

    std::optional<JsonDocument> own_document;
    JsonDocument &document = kept_document ? *kept_document : own_document.emplace();
    if (document.load_file(path))
        result.version = document.string_member("version");

    collection loaded;
    if (result.version == current_format_version) {
        document.fill(loaded);
    } else if (is_old_format_version(result.version)) {
        migrate_collection(document, result.version, loaded, texts, result.report);
        result.migrated = true;
    } else {
        prompt.message(texts.text(u"txt_unknown_db") + QStringLiteral(": ") + result.version,
                       UserPrompt::Icon::Warning);
        return result;
    }

    check_columns(loaded, catalogue, texts, result.report);
    into = std::move(loaded);
    result.ok = true;
    if (!result.report.isEmpty())
        prompt.message(texts.text(u"txt_update") + result.report, UserPrompt::Icon::Information);
    return result;
}

namespace {

// The file's text in its storage format, handed to the sink piece by piece.
bool compose_collection(const collection &c, const JsonSink &sink)
{
    const bool indented = c.json_format == 0;
    return write_json(sink, table_of<collection>(), &c,
                      indented ? JsonLayout::Indented : JsonLayout::Compact) &&
           (!indented || sink("\n"));
}

} // namespace

std::string collection_json(const collection &c)
{
    std::string out;
    compose_collection(c, [&out](std::string_view piece) {
        out.append(piece);
        return true;
    });
    return out;
}

QString backup_path(const QString &path, int generation)
{
    return path + QStringLiteral(".backup") + QString::number(generation);
}

bool shift_backups(const QString &path, qint64 backup_steps)
{
    const int n = int(std::min(backup_steps, max_backup_steps));
    if (n <= 0 || file_size(path) <= 0)
        return false;
    // Empty generations are left alone: they are neither deleted nor moved.
    if (file_size(backup_path(path, n)) > 0)
        ::unlink(native(backup_path(path, n)).constData());
    for (int i = n - 1; i >= 1; --i) {
        if (file_size(backup_path(path, i)) > 0)
            ::rename(native(backup_path(path, i)).constData(),
                     native(backup_path(path, i + 1)).constData());
    }
    return true;
}

bool write_collection_file(const QString &path, collection &c, const Clock &clock, QString *error)
{
    c.last_saved = clock.now();
    c.version = current_format_version;
    const QString target = resolved_target(path);
    PendingFile file;
    const bool written = file.begin(target, {.durable = true, .private_file = false}) &&
                         compose_collection(c,
                                            [&file](std::string_view piece) {
                                                return file.append(QByteArrayView(
                                                    piece.data(), qsizetype(piece.size())));
                                            }) &&
                         file.finish();
    if (!written) {
        if (error)
            *error = file.error();
        return false;
    }
    const bool keep = shift_backups(target, c.backup_steps);
    if (!file.commit(keep ? backup_path(target, 1) : QString())) {
        if (error)
            *error = file.error();
        return false;
    }
    return true;
}

QString with_json_extension(const QString &path)
{
    return path.endsWith(QStringLiteral(".json"), Qt::CaseSensitive)
               ? path
               : path + QStringLiteral(".json");
}

} // namespace tandora
