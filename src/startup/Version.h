#pragma once

// The launcher's own version, shown in the main window's title.
inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 7;
inline constexpr int kVersionRevision = 0;
