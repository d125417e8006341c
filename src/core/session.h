// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/collection_file.h"
#include "store/records.h"

#include <QString>

namespace tandora {

class Catalogue;
class Clock;
class Texts;
class UserPrompt;

// The one current collection with its file path and modified flag, and what it needs to be
// loaded, saved and reset. Passed to whoever works on the collection.
class Session final
{
public:
    Session(const Texts &texts, const Catalogue &catalogue, const Clock &clock, UserPrompt &prompt);
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    collection &current() { return m_collection; }
    const collection &current() const { return m_collection; }
    const QString &file_path() const { return m_path; }
    bool modified() const { return m_modified; }
    void mark_modified(bool modified = true) { m_modified = modified; }

    const Texts &texts() const { return m_texts; }
    const Catalogue &catalogue() const { return m_catalogue; }
    const Clock &clock() const { return m_clock; }
    UserPrompt &prompt() const { return m_prompt; }

    // Reset collection; the path becomes the current file (not written until saved).
    void new_collection(const QString &path);
    // Reads the file; on success it is the current collection and file. A failed load
    // leaves collection, path and modified flag as they were.
    LoadResult load(const QString &path);
    // Writes the collection to path (when given, it becomes the current file path) or to the
    // current file. A failure is reported and the collection stays modified.
    bool save(const QString &path = QString());

    // "Tandora 1.21 - <path> *"
    QString window_title() const;

private:
    const Texts &m_texts;
    const Catalogue &m_catalogue;
    const Clock &m_clock;
    UserPrompt &m_prompt;
    collection m_collection;
    QString m_path;
    bool m_modified = false;
};

} // namespace tandora
