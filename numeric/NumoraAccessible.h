// SPDX-License-Identifier: MIT
#pragma once

// What screen readers learn of a numeric label: its name is the text on its left ("Mass"), its
// value the number as shown with the unit on its right, without brackets ("15.0 kg").

class QString;
class TNumora;

namespace NumoraAccessible {

// Installed once, by the first numeric label built.
void Install();
// "15.0 kg" for a label that shows 15.0 beside "[kg]"
QString SpokenValue(const TNumora& label);

}  // namespace NumoraAccessible
