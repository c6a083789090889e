// Version and release date of the program, shown by --version and on the start screen.
#pragma once

namespace rigata {
inline constexpr const char* kVersione = "1.0.0";
inline constexpr const char* kDataVersione = "06.12.2026";
}  // namespace rigata
