// SPDX-License-Identifier: MIT
#pragma once

#include "gravilo_scale_export.h"
// What screen readers learn of an axis: its caption as its name and its range as its value
// ("0 to 620"). Installed once, by the first axis built.

class QString;
class TScale;

namespace ScaleAccessible {

GRAVILO_SCALE_EXPORT void Install();
GRAVILO_SCALE_EXPORT QString SpokenRange(const TScale& scale);

}  // namespace ScaleAccessible
