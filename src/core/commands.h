// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tandora::cmd {

// Command ids: one number per command, shared by its menu entry and its keyboard shortcut.
// Some carry meaning: view option bit n is view_option + n, download option bit n is
// download_option + n, and the format items count up from their first id.
enum : int {
    new_collection = 0,
    load = 1,
    save = 2,
    save_as = 3,
    json_indented = 4,
    json_compact = 5,
    json_reserved = 6,
    backup_steps = 7,
    import_lw = 8,
    import_bs_acm = 9,
    import_bs = 10,
    import_rb = 11,
    export_lw = 12,
    export_bs = 13,
    export_rb = 14,
    export_vt = 15,
    export_py = 16,
    print_png = 17,
    print_pdf = 18,
    print_printer = 19,
    swap_language = 20,
    about = 23,
    donate = 24,
    website = 25,
    manual = 26,
    brickset_docs = 27,
    offset_vip = 28,
    data_show = 29,
    data_define = 30,
    data_reset = 31,
    show_log = 32,
    quit = 33,
    editor_close = 35,
    editor_store_new = 36,
    column_window = 37,
    column_window_close = 38,
    reset_columns = 39,
    text_window_close = 40,
    figure_window_close = 41,
    figure_picture_again = 42,
    reload_cache = 43,
    hide_info_panel = 44,
    hide_filter_panel = 45,
    reset_panels = 46,
    info_width_1 = 47, // .. 55 for widths 1 to 9
    info_width_9 = 55,
    figure_window = 56,
    switch_info_page = 57,
    extra_figures = 58,
    group_export = 76,
    download_sets_title = 77,
    download_figures_title = 78,
    stat_purchase_year = 79,
    stat_purchase_month = 80,
    stat_purchase_release = 81,
    stat_purchase_shop = 82,
    stat_sale_year = 83,
    stat_sale_month = 84,
    stat_sale_release = 85,
    stat_sale_shop = 86,
    stat_memory = 87,
    supporters = 88,
    key_usage = 89,
    view_option = 90,     // + bit 0..6
    download_option = 97, // + bit 0..5
    date_mask = 127,      // + mask 0..6
    decimal_separator = 134,
    thousands_separator = 136,
    currency = 141, // + row
    currency_last = 241,
};

} // namespace tandora::cmd
