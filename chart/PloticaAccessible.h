// SPDX-License-Identifier: MIT
#pragma once

// What screen readers learn of a chart: a chart named by its caption (or its accessible name),
// whose value is the state the program says it shows (OnSpokenState), with its visible axes as
// its children. Installed once, by the first chart built.

namespace PloticaAccessible {

void Install();

}  // namespace PloticaAccessible
