// SPDX-License-Identifier: MIT
#pragma once

// What screen readers learn of an axis: its caption as its name and its range as its value
// ("0 to 620"). Installed once, by the first axis built.

class QString;
class TScale;

namespace ScaleAccessible {

void Install();
QString SpokenRange(const TScale& scale);

}  // namespace ScaleAccessible
