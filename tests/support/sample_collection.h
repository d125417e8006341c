// SPDX-FileCopyrightText: 2026 Norvanda
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/records.h"

namespace tandora {
class Texts;
}

namespace tandora::test {

// A collection that uses every field, with texts and numbers that are easy to get wrong:
// unicode, line breaks, quotes, control characters, 0.1, 1e-20, -0.0, a huge date.
collection full_collection(const Texts &texts);

} // namespace tandora::test
