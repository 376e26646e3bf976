#pragma once

// The title of the launcher's message boxes and windows.
inline constexpr const char* kAppTitle = "Vendrolupa";
