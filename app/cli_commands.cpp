// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"

#include "core/clock.h"
#include "core/folders.h"
#include "core/language_files.h"
#include "core/session.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "core/user_prompt.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"
#include "properties/property_values.h"
#include "services/set_data_cache.h"
#include "setlist/list_columns.h"
#include "setlist/sort.h"

#include <QDir>

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace tandora::cli {

namespace {

constexpr char usage[] =
    "usage: tandora-cli <command> [arguments]\n"
    "  info FILE                       facts about a collection file\n"
    "  convert IN OUT [--format indented|compact] [--now \"YYYY-MM-DD hh:mm:ss\"]\n"
    "                                  load IN as the program does and save it as OUT\n"
    "  new OUT [--now \"YYYY-MM-DD hh:mm:ss\"]\n"
    "                                  write a new empty collection\n"
    "  list FILE [--language en-gb|en-us|de|PATH] [--data-folder DIR] [--columns ID,ID,...]\n"
    "            [--sort ID[:asc|:desc]] [--plain] [--now \"YYYY-MM-DD hh:mm:ss\"]\n"
    "                                  the sets as the list shows them: a line of column\n"
    "                                  titles, then a line per set, cells between tabs\n";

// Messages for the user: warnings are printed at once, the last one explains a failure.
class CliPrompt final : public UnattendedPrompt
{
public:
    explicit CliPrompt(FILE *err)
        : m_err(err)
    {
    }

    void message(const QString &text, Icon icon) override
    {
        if (icon == Icon::Warning)
            m_last_warning = text;
    }

    // The pending warning as a note on err; returns it.
    QString flush_warning()
    {
        const QString text = one_line(m_last_warning);
        if (!text.isEmpty())
            std::fprintf(m_err, "warning: %s\n", text.toUtf8().constData());
        m_last_warning.clear();
        return text;
    }
    QString take_failure()
    {
        const QString text = one_line(m_last_warning);
        m_last_warning.clear();
        return text;
    }

private:
    static QString one_line(const QString &text)
    {
        QString t = text;
        t.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        t.replace(u'\n', u' ');
        t.replace(u'\r', u' ');
        return t.simplified();
    }

    FILE *m_err;
    QString m_last_warning;
};

struct Options
{
    QStringList positional;
    QString format;
    std::optional<qint64> now; // fixed "now": save time, days until a reminder
    QString language;
    QString data_folder;
    QString columns;
    QString sort;
    bool plain = false;
    QStringList given; // the options named, for the check of what a command takes
    QString error;
};

// The options every command accepts; each command checks which it uses.
struct option_spec
{
    const char *name;
    QString Options::*value; // nullptr: a switch
    bool Options::*flag;
};

constexpr option_spec option_specs[] = {
    {"--format", &Options::format, nullptr},     {"--now", nullptr, nullptr},
    {"--language", &Options::language, nullptr}, {"--data-folder", &Options::data_folder, nullptr},
    {"--columns", &Options::columns, nullptr},   {"--sort", &Options::sort, nullptr},
    {"--plain", nullptr, &Options::plain},
};

Options parse_options(const QStringList &args)
{
    Options o;
    for (qsizetype i = 0; i < args.size() && o.error.isEmpty(); ++i) {
        const QString &a = args[i];
        if (!a.startsWith(QStringLiteral("--"))) {
            o.positional.append(a);
            continue;
        }
        const auto spec =
            std::find_if(std::begin(option_specs), std::end(option_specs),
                         [&](const option_spec &s) { return a == QLatin1StringView(s.name); });
        if (spec == std::end(option_specs)) {
            o.error = QStringLiteral("unknown option ") + a;
            break;
        }
        o.given.append(a);
        if (spec->flag) {
            o.*spec->flag = true;
        } else if (i + 1 >= args.size()) {
            o.error = a + QStringLiteral(" needs a value");
        } else if (spec->value) {
            o.*spec->value = args[++i];
        } else {
            const qint64 t = parse_wall_clock(args[++i]);
            if (t < 0)
                o.error = QStringLiteral("--now wants \"YYYY-MM-DD hh:mm:ss\"");
            o.now = t;
        }
    }
    return o;
}

void line(FILE *out, const char *key, const QString &value)
{
    std::fprintf(out, "%s: %s\n", key, value.toUtf8().constData());
}

void line(FILE *out, const char *key, qint64 value)
{
    line(out, key, QString::number(value));
}

QString wall_clock_text(qint64 date)
{
    if (date < 0 || date >= date_limit)
        return QString();
    return QDateTime::fromSecsSinceEpoch(date, QTimeZone::utc())
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void report_lines(FILE *out, const QString &report)
{
    for (const QString &l : report.split(u'\n', Qt::SkipEmptyParts))
        line(out, "report", l);
}

// The program's pieces for headless work: British English texts and built-in currencies.
struct Context
{
    Context(FILE *err, std::optional<qint64> now, const Texts &texts = british_english_texts(),
            CurrencyTable currency_table = CurrencyTable::built_in())
        : currencies(std::move(currency_table))
        , catalogue(texts, [this](int row) { return currencies.row(row).symbol1; })
        , clock(now ? std::unique_ptr<Clock>(std::make_unique<FixedClock>(*now))
                    : std::make_unique<SystemClock>())
        , prompt(err)
        , session(texts, catalogue, *clock, prompt)
    {
    }

    CurrencyTable currencies;
    Catalogue catalogue;
    std::unique_ptr<Clock> clock;
    CliPrompt prompt;
    Session session;
};

int fail(FILE *err, const QString &message)
{
    std::fprintf(err, "tandora-cli: %s\n", message.toUtf8().constData());
    return 1;
}

// Loads the input file; false after reporting why it failed.
bool load_input(Context &ctx, const QString &path, FILE *err, LoadResult *result)
{
    *result = ctx.session.load(path);
    if (!result->ok) {
        fail(err, path + QStringLiteral(": ") + ctx.prompt.take_failure());
        return false;
    }
    ctx.prompt.flush_warning();
    return true;
}

int save_and_report(Context &ctx, const QString &path, FILE *out, FILE *err)
{
    if (!ctx.session.save(path))
        return fail(err, ctx.prompt.take_failure());
    line(out, "written", ctx.session.file_path());
    line(out, "bytes", file_size(ctx.session.file_path()));
    return 0;
}

int info(const Options &o, FILE *out, FILE *err)
{
    if (o.positional.size() != 1)
        return fail(err, QStringLiteral("info wants one FILE"));
    Context ctx(err, o.now);
    LoadResult r;
    if (!load_input(ctx, o.positional[0], err, &r))
        return 1;
    const collection &c = ctx.session.current();
    qint64 visible = 0;
    for (const column &col : c.columns)
        visible += col.cHide == 0 ? 1 : 0;
    line(out, "file", ctx.session.file_path());
    line(out, "version", r.version);
    line(out, "migrated", r.migrated ? QStringLiteral("yes") : QStringLiteral("no"));
    line(out, "sets", qint64(c.sets.size()));
    line(out, "columns", qint64(c.columns.size()));
    line(out, "visible_columns", visible);
    line(out, "filters", qint64(c.filters.size()));
    line(out, "json_format", c.json_format);
    line(out, "backup_steps", c.backup_steps);
    line(out, "sort_col", c.sort_col);
    line(out, "sort_dir", c.sort_dir);
    line(out, "last_saved", wall_clock_text(c.last_saved));
    report_lines(out, r.report);
    return 0;
}

int convert(const Options &o, FILE *out, FILE *err)
{
    if (o.positional.size() != 2)
        return fail(err, QStringLiteral("convert wants IN and OUT"));
    std::optional<qint64> format;
    if (o.format == QStringLiteral("indented"))
        format = 0;
    else if (o.format == QStringLiteral("compact"))
        format = 1;
    else if (!o.format.isEmpty())
        return fail(err, QStringLiteral("--format is indented or compact"));
    Context ctx(err, o.now);
    LoadResult r;
    if (!load_input(ctx, o.positional[0], err, &r))
        return 1;
    if (format)
        ctx.session.current().json_format = *format;
    line(out, "version", r.version);
    line(out, "sets", qint64(ctx.session.current().sets.size()));
    report_lines(out, r.report);
    return save_and_report(ctx, o.positional[1], out, err);
}

int new_collection(const Options &o, FILE *out, FILE *err)
{
    if (o.positional.size() != 1)
        return fail(err, QStringLiteral("new wants OUT"));
    Context ctx(err, o.now);
    ctx.session.new_collection(o.positional[0]);
    return save_and_report(ctx, QString(), out, err);
}

// The built-in language of a short name, or a language file.
bool load_language(const QString &choice, Texts &texts)
{
    const int index = language_index(choice);
    return texts.load_file(index >= 0 ? built_in_languages()[size_t(index)].resource.toString()
                                      : choice);
}

// "4,6,21" as property ids.
bool parse_columns(const QString &text, std::vector<qint64> *ids)
{
    for (const QString &part : text.split(u',')) {
        bool ok = false;
        const qint64 id = part.trimmed().toLongLong(&ok);
        if (!ok || !is_property_id(id))
            return false;
        ids->push_back(id);
    }
    return true;
}

// "ID", "ID:asc" or "ID:desc"; without a direction the property's own one.
bool parse_sort(const QString &text, collection &c)
{
    const QStringList parts = text.split(u':');
    bool ok = false;
    const qint64 id = parts[0].trimmed().toLongLong(&ok);
    if (!ok || !is_property_id(id) || parts.size() > 2)
        return false;
    qint64 direction = property_def_of(id).sortDir;
    if (parts.size() == 2) {
        if (parts[1] == QStringLiteral("asc"))
            direction = 0;
        else if (parts[1] == QStringLiteral("desc"))
            direction = 1;
        else
            return false;
    }
    c.sort_col = id;
    c.sort_dir = direction;
    return true;
}

// One line of cells: a cell keeps to its line and column.
QString cells_line(const QStringList &cells)
{
    QString line = cells.join(u'\t');
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(u'\n', u' ');
    line.replace(u'\r', u' ');
    return line;
}

int list(const Options &o, FILE *out, FILE *err)
{
    if (o.positional.size() != 1)
        return fail(err, QStringLiteral("list wants one FILE"));
    Texts texts;
    if (!load_language(o.language.isEmpty() ? QStringLiteral("en-gb") : o.language, texts))
        return fail(err, QStringLiteral("cannot read the language ") + o.language);
    const Folders folders = resolve_folders();
    const CurrencyTable currencies = file_size(folders.currency_file) > 0
                                         ? CurrencyTable::load(folders.currency_file)
                                         : CurrencyTable::built_in();
    Context ctx(err, o.now, texts, currencies);
    LoadResult r;
    if (!load_input(ctx, o.positional[0], err, &r))
        return 1;
    collection &c = ctx.session.current();

    std::vector<qint64> ids;
    if (o.columns.isEmpty())
        ids = visible_property_ids(c);
    else if (!parse_columns(o.columns, &ids))
        return fail(err, QStringLiteral("--columns wants property ids 0 to 101, like 3,4,6"));
    if (!o.sort.isEmpty() && !parse_sort(o.sort, c))
        return fail(err, QStringLiteral("--sort wants ID, ID:asc or ID:desc"));

    SetDataCache cache;
    cache.set_up_folders(o.data_folder.isEmpty() ? data_folder(folders, c.data_folder)
                                                 : QDir(o.data_folder).absolutePath() + u'/');
    cache.load_cache(c);

    NumberFormat format = NumberFormat::of(c, texts);
    format.plain = o.plain;
    const QuantityTable quantities = build_quantity_table(c);
    const PropertyContext pc{c,          ctx.catalogue, format, ctx.currencies.row(c.fmt_currency),
                             quantities, *ctx.clock,    folders};
    sort_sets(pc, c);

    QStringList cells;
    for (qint64 id : ids)
        cells.append(column_title(ctx.catalogue, c, id));
    std::fprintf(out, "%s\n", cells_line(cells).toUtf8().constData());
    qint64 row = 0;
    for (const own_set &s : c.sets) {
        cells.clear();
        for (qint64 id : ids)
            cells.append(display_text(pc, s, id, row));
        std::fprintf(out, "%s\n", cells_line(cells).toUtf8().constData());
        ++row;
    }
    return 0;
}

} // namespace

int run(const QStringList &arguments, FILE *out, FILE *err)
{
    if (arguments.isEmpty() || arguments[0] == QStringLiteral("--help") ||
        arguments[0] == QStringLiteral("help")) {
        std::fputs(usage, arguments.isEmpty() ? err : out);
        return arguments.isEmpty() ? 1 : 0;
    }
    const Options o = parse_options(arguments.mid(1));
    if (!o.error.isEmpty())
        return fail(err, o.error);

    struct command_spec
    {
        const char *name;
        int (*run)(const Options &, FILE *, FILE *);
        std::initializer_list<const char *> options;
    };
    static const command_spec commands[] = {
        {"info", &info, {}},
        {"convert", &convert, {"--format", "--now"}},
        {"new", &new_collection, {"--now"}},
        {"list", &list, {"--language", "--data-folder", "--columns", "--sort", "--plain", "--now"}},
    };
    for (const command_spec &command : commands) {
        if (arguments[0] != QLatin1StringView(command.name))
            continue;
        for (const QString &given : o.given) {
            if (std::none_of(command.options.begin(), command.options.end(),
                             [&](const char *name) { return given == QLatin1StringView(name); }))
                return fail(err, arguments[0] + QStringLiteral(" does not take ") + given);
        }
        return command.run(o, out, err);
    }
    std::fputs(usage, err);
    return fail(err, QStringLiteral("unknown command ") + arguments[0]);
}

} // namespace tandora::cli
