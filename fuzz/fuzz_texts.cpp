// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a language file.
#include "core/texts.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tandora::Texts texts;
    texts.load(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    texts.text(u"fmt_date");
    return 0;
}
