// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell.h"

#include "core/about.h"
#include "core/clock.h"
#include "core/commands.h"
#include "core/language_files.h"
#include "core/menu_model.h"
#include "core/request_log.h"
#include "core/session.h"
#include "core/text_file.h"
#include "core/texts.h"
#include "core/user_prompt.h"
#include "properties/currency_table.h"
#include "properties/formatting.h"
#include "services/set_data_cache.h"
#include "store/collection_file.h"

#include <QFileInfo>

#include <algorithm>

namespace tandora {

namespace {

const QString collection_patterns = QStringLiteral("Tandora (*.json)|*.json|(*.*)|*.*");

// The program's pages on the web.
struct web_page
{
    int id;
    const char *url;
};
constexpr web_page web_pages[] = {
    {cmd::donate, "https://tandora.norvanda.example/donate"},
    {cmd::website, "https://tandora.norvanda.example/"},
    {cmd::manual, "https://tandora.norvanda.example/manual"},
    {cmd::brickset_docs, "https://brickset.com/article/52664/api-version-3-documentation"},
};

// The leading whole number of an answer ("3", " 7 backups"); nullopt without digits.
std::optional<qint64> whole_number(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const bool negative = i < t.size() && t[i] == u'-';
    if (negative || (i < t.size() && t[i] == u'+'))
        ++i;
    qint64 value = 0;
    const qsizetype first = i;
    for (; i < t.size() && t[i].isDigit() && value < 1000000; ++i)
        value = value * 10 + t[i].digitValue();
    if (i == first)
        return std::nullopt;
    return negative ? -value : value;
}

bool bit(qint64 value, int n)
{
    return (value >> n) & 1;
}

} // namespace

const Shell::route Shell::routes[] = {
    {cmd::new_collection, cmd::new_collection, &Shell::on_new},
    {cmd::load, cmd::load, &Shell::on_load},
    {cmd::save, cmd::save, &Shell::on_save},
    {cmd::save_as, cmd::save_as, &Shell::on_save_as},
    {cmd::json_indented, cmd::json_compact, &Shell::on_json_format},
    {cmd::backup_steps, cmd::backup_steps, &Shell::on_backup_steps},
    {cmd::swap_language, cmd::swap_language, &Shell::on_swap_language},
    {cmd::about, cmd::about, &Shell::on_about},
    {cmd::donate, cmd::brickset_docs, &Shell::on_web_page},
    {cmd::offset_vip, cmd::offset_vip, &Shell::on_offset_vip},
    {cmd::show_log, cmd::show_log, &Shell::on_show_log},
    {cmd::quit, cmd::quit, &Shell::on_quit},
    {cmd::editor_close, cmd::editor_close, &Shell::on_hide_window},
    {cmd::column_window_close, cmd::column_window_close, &Shell::on_hide_window},
    {cmd::text_window_close, cmd::figure_window_close, &Shell::on_hide_window},
    {cmd::reload_cache, cmd::reload_cache, &Shell::on_reload_cache},
    {cmd::hide_info_panel, cmd::info_width_9, &Shell::on_panels},
    {cmd::switch_info_page, cmd::switch_info_page, &Shell::on_switch_info_page},
    {cmd::view_option, cmd::view_option + 6, &Shell::on_view_option},
    {cmd::download_option, cmd::download_option + 5, &Shell::on_download_option},
    {cmd::date_mask, cmd::currency_last, &Shell::on_format},
};

Shell::Shell(Parts parts, ShellView &view)
    : m_parts(std::move(parts))
    , m_view(view)
{
}

bool Shell::handles(int id)
{
    return std::any_of(std::begin(routes), std::end(routes),
                       [id](const route &r) { return id >= r.first && id <= r.last; });
}

void Shell::dispatch(int id)
{
    for (const route &r : routes) {
        if (id >= r.first && id <= r.last) {
            (this->*r.handler)(id);
            return;
        }
    }
    on_waiting(id);
}

void Shell::start(const QString &first_argument)
{
    const QString path =
        first_argument.isEmpty() ? m_parts.folders.default_collection_file : first_argument;
    m_parts.session.new_collection(path);
    // A file that fails to load leaves the new collection, still bound to that path.
    if (file_size(path) > 0 && load(path))
        return;
    after_load_or_new();
}

bool Shell::load(const QString &path)
{
    if (!m_parts.session.load(path).ok)
        return false;
    after_load_or_new();
    return true;
}

void Shell::after_load_or_new()
{
    collection &c = m_parts.session.current();
    update_ticks();
    m_parts.cache.set_up_folders(data_folder(m_parts.folders, c.data_folder));
    m_parts.cache.load_cache(c);
    m_view.collection_replaced();
    m_parts.session.mark_modified(false);
    update_title();
}

void Shell::update_title()
{
    m_view.set_title(m_parts.session.window_title());
}

void Shell::mark_changed(bool changed, bool keep_lists)
{
    m_parts.session.mark_modified(changed);
    update_title();
    if (!keep_lists)
        m_view.contents_changed();
}

void Shell::update_ticks()
{
    const collection &c = m_parts.session.current();
    for (int n = 0; n <= 6; ++n)
        m_view.set_checked(cmd::view_option + n, bit(c.view_settings, n));
    for (int n = 0; n <= 5; ++n)
        m_view.set_checked(cmd::download_option + n, bit(c.load_settings, n));
    for (int id = cmd::json_indented; id <= cmd::json_reserved; ++id)
        m_view.set_checked(id, c.json_format == id - cmd::json_indented);
    for (size_t i = 0; i < date_masks.size(); ++i)
        m_view.set_checked(cmd::date_mask + int(i), c.fmt_date == date_masks[i]);
    for (size_t i = 0; i < decimal_separators.size(); ++i)
        m_view.set_checked(cmd::decimal_separator + int(i), c.fmt_decimal == decimal_separators[i]);
    for (size_t i = 0; i < thousands_separators.size(); ++i)
        m_view.set_checked(cmd::thousands_separator + int(i),
                           c.fmt_thousand == thousands_separators[i]);
    for (int row = 0; row < currency_row_count; ++row)
        m_view.set_checked(cmd::currency + row, c.fmt_currency == row);
}

// The leave procedure: a modified collection is offered for saving first; Cancel, or a save
// that fails, keeps everything as it is.
bool Shell::leave(Leave action)
{
    Session &session = m_parts.session;
    if (session.modified()) {
        switch (m_parts.prompt.ask_yes_no_cancel(m_parts.texts.text(u"txt_save"),
                                                 UserPrompt::Icon::Warning)) {
        case UserPrompt::Answer::Yes:
            if (!session.save()) {
                update_title();
                return false;
            }
            break;
        case UserPrompt::Answer::No:
            break;
        case UserPrompt::Answer::Cancel:
            return false;
        }
    }
    switch (action) {
    case Leave::new_collection:
        session.new_collection(m_parts.folders.default_collection_file);
        after_load_or_new();
        break;
    case Leave::load: {
        const QString path = m_parts.prompt.choose_open_file(
            m_parts.texts.text(u"MID_Load"), session.file_path(), collection_patterns);
        if (!path.isEmpty())
            load(path);
        break;
    }
    case Leave::quit: {
        write_settings(m_parts.folders.settings_file, m_view.current_settings(m_parts.settings));
        // Only a run that made transfers leaves a log.
        if (!m_parts.request_log.isEmpty())
            write_log(m_parts.request_log, m_parts.folders.log_folder,
                      exit_log_name(m_parts.clock.now()));
        m_view.quit_application();
        break;
    }
    }
    update_title();
    return true;
}

void Shell::on_new(int)
{
    leave(Leave::new_collection);
}

void Shell::on_load(int)
{
    leave(Leave::load);
}

void Shell::on_quit(int)
{
    leave(Leave::quit);
}

void Shell::on_save(int)
{
    m_parts.session.save();
    update_title();
}

void Shell::on_save_as(int)
{
    const Texts &texts = m_parts.texts;
    Session &session = m_parts.session;
    const QString answer = m_parts.prompt.choose_save_file(
        texts.text(u"MID_SaveAs"), session.file_path(), collection_patterns);
    if (answer.isEmpty())
        return;
    const QString path = with_json_extension(answer);
    if (QFileInfo::exists(path) &&
        !m_parts.prompt.ask_yes_no(texts.text(u"txt_overwrite1") + u'\n' + path + u'\n' +
                                       texts.text(u"txt_overwrite2"),
                                   UserPrompt::Icon::Warning))
        return;
    session.save(path);
    update_title();
}

void Shell::on_json_format(int id)
{
    m_parts.session.current().json_format = id - cmd::json_indented;
    update_ticks();
}

void Shell::on_backup_steps(int)
{
    collection &c = m_parts.session.current();
    const std::optional<QString> answer = m_parts.prompt.ask_text(
        m_parts.texts.text(u"MID_Backup"), m_parts.texts.text(u"txt_keep_backups"),
        QString::number(c.backup_steps));
    if (!answer || answer->trimmed().isEmpty())
        return;
    // The prompt offers 0 to 9; other answers are brought into that range.
    if (const std::optional<qint64> steps = whole_number(*answer))
        c.backup_steps = std::clamp<qint64>(*steps, 0, 9);
}

void Shell::on_swap_language(int)
{
    reset_language(m_parts.folders.language_file, m_parts.texts, m_parts.prompt);
}

void Shell::on_about(int)
{
    m_view.show_about(about_title(), about_text());
}

void Shell::on_web_page(int id)
{
    for (const web_page &page : web_pages) {
        if (page.id == id)
            m_view.open_url(QString::fromLatin1(page.url));
    }
}

void Shell::on_offset_vip(int)
{
    collection &c = m_parts.session.current();
    const std::optional<QString> answer =
        m_parts.prompt.ask_text(QStringLiteral("Tandora"), m_parts.texts.text(u"MID_OffsetVIP"),
                                QString::number(c.vip_stock));
    if (!answer || answer->trimmed().isEmpty())
        return;
    const double stock = parse_amount(*answer);
    if (stock == c.vip_stock)
        return;
    c.vip_stock = stock;
    mark_changed(true);
}

void Shell::on_show_log(int)
{
    const QString path =
        write_log(m_parts.request_log, m_parts.folders.log_folder, QStringLiteral("Tandora_show"));
    // Before any transfer there is nothing to show, unless an earlier run left a log.
    if (QFileInfo::exists(path))
        m_view.open_file(path);
}

void Shell::on_hide_window(int id)
{
    switch (id) {
    case cmd::editor_close:
        m_view.hide_window(WindowId::editor);
        break;
    case cmd::column_window_close:
        m_view.hide_window(WindowId::columns);
        break;
    case cmd::text_window_close:
        m_view.hide_window(WindowId::text);
        break;
    case cmd::figure_window_close:
        m_view.hide_window(WindowId::figures);
        break;
    default:
        break;
    }
}

void Shell::on_reload_cache(int)
{
    m_parts.cache.load_cache(m_parts.session.current());
    m_view.redraw_list();
    m_deferred.sums = true;
    m_deferred.info_panel = true;
}

void Shell::on_panels(int id)
{
    switch (id) {
    case cmd::hide_info_panel:
        m_view.set_panel_sizes(0, -1);
        break;
    case cmd::hide_filter_panel:
        m_view.set_panel_sizes(-1, 0);
        break;
    case cmd::reset_panels:
        m_view.set_panel_sizes(280, 170);
        break;
    default: // widths for one to nine tiles of 127 pixels
        m_view.set_panel_sizes(127 * (id - cmd::info_width_1 + 1) + 26, -1);
        break;
    }
}

void Shell::on_switch_info_page(int)
{
    m_view.switch_info_page();
}

void Shell::on_view_option(int id)
{
    collection &c = m_parts.session.current();
    c.view_settings ^= qint64(1) << (id - cmd::view_option);
    update_ticks();
    m_view.redraw_list();
    m_deferred.figures = true;
    m_deferred.sums = true;
}

void Shell::on_download_option(int id)
{
    m_parts.session.current().load_settings ^= qint64(1) << (id - cmd::download_option);
    update_ticks();
}

void Shell::on_format(int id)
{
    collection &c = m_parts.session.current();
    const auto choose = [&](auto &field, auto value) {
        if (field == value)
            return;
        field = value;
        update_ticks();
        m_view.redraw_list();
        m_deferred.info_panel = true;
        m_deferred.sums = true;
    };
    if (id < cmd::decimal_separator)
        choose(c.fmt_date, date_masks[size_t(id - cmd::date_mask)].toString());
    else if (id < cmd::thousands_separator)
        choose(c.fmt_decimal, decimal_separators[size_t(id - cmd::decimal_separator)]);
    else if (id < cmd::currency)
        choose(c.fmt_thousand, thousands_separators[size_t(id - cmd::thousands_separator)]);
    else if (m_parts.currencies.row(id - cmd::currency).valid)
        choose(c.fmt_currency, qint64(id - cmd::currency));
}

// Registered, reaching the table, waiting for their part of the program.
void Shell::on_waiting(int) {}

} // namespace tandora
