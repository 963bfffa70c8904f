// SPDX-License-Identifier: MIT
#pragma once

// The heap in large pages, asked for once as the program starts, before anything large is made.
// A start paints some megabytes of pictures (the charts, their data areas, the window's backing
// store), and the system maps small pages one fault at a time on their first touch; on a virtual
// machine a fault can cost ten microseconds, a tenth of the whole start. Large pages take one
// fault for two megabytes. Where the system has no large pages, or a checker replaces the
// allocator, nothing changes.
void UseLargeHeapPages();
