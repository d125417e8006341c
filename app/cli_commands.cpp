// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"

#include "core/clock.h"
#include "core/session.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "core/user_prompt.h"
#include "properties/catalogue.h"
#include "properties/currency_table.h"

#include <QDateTime>
#include <QTimeZone>

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
    "                                  write a new empty collection\n";

// Messages for the user: warnings are printed at once, the last one explains a failure.
class CliPrompt final : public UserPrompt
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
    bool ask_yes_no(const QString &, Icon) override { return false; }
    Answer ask_yes_no_cancel(const QString &, Icon) override { return Answer::Cancel; }
    std::optional<QString> ask_text(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
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
    std::optional<qint64> now; // fixed save time
    QString error;
};

Options parse_options(const QStringList &args)
{
    Options o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool takes_value = a == QStringLiteral("--format") || a == QStringLiteral("--now");
        if (takes_value && i + 1 >= args.size()) {
            o.error = a + QStringLiteral(" needs a value");
            return o;
        }
        if (a == QStringLiteral("--format")) {
            o.format = args[++i];
        } else if (a == QStringLiteral("--now")) {
            const qint64 t = parse_wall_clock(args[++i]);
            if (t < 0) {
                o.error = QStringLiteral("--now wants \"YYYY-MM-DD hh:mm:ss\"");
                return o;
            }
            o.now = t;
        } else if (a.startsWith(QStringLiteral("--"))) {
            o.error = QStringLiteral("unknown option ") + a;
            return o;
        } else {
            o.positional.append(a);
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
    Context(FILE *err, std::optional<qint64> now)
        : currencies(CurrencyTable::built_in())
        , catalogue(british_english_texts(),
                    [this](int row) { return currencies.row(row).symbol1; })
        , clock(now ? std::unique_ptr<Clock>(std::make_unique<FixedClock>(*now))
                    : std::make_unique<SystemClock>())
        , prompt(err)
        , session(british_english_texts(), catalogue, *clock, prompt)
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
    if (o.positional.size() != 1 || !o.format.isEmpty() || o.now)
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
    if (o.positional.size() != 1 || !o.format.isEmpty())
        return fail(err, QStringLiteral("new wants OUT"));
    Context ctx(err, o.now);
    ctx.session.new_collection(o.positional[0]);
    return save_and_report(ctx, QString(), out, err);
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

    using Command = int (*)(const Options &, FILE *, FILE *);
    static const std::pair<const char *, Command> commands[] = {
        {"info", &info},
        {"convert", &convert},
        {"new", &new_collection},
    };
    for (const auto &[name, command] : commands) {
        if (arguments[0] == QLatin1StringView(name))
            return command(o, out, err);
    }
    std::fputs(usage, err);
    return fail(err, QStringLiteral("unknown command ") + arguments[0]);
}

} // namespace tandora::cli
