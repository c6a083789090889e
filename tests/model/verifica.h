// Test helper: a value agrees with a written figure to the digits written.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

// "0.0021345830" checks 0.0021345830 to within half a unit of its last digit.
inline ::testing::AssertionResult ComeScritto(const char* espressione, const char*, double valore,
                                              const char* scritto) {
    const char* punto = std::strchr(scritto, '.');
    const int decimali = punto ? static_cast<int>(std::strlen(punto + 1)) : 0;
    const double atteso = std::strtod(scritto, nullptr);
    const double tolleranza = 0.5 * std::pow(10.0, -decimali) * (1 + 1e-9);
    if (std::fabs(valore - atteso) <= tolleranza) return ::testing::AssertionSuccess();
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", valore);
    return ::testing::AssertionFailure() << espressione << " is " << buf << ", written " << scritto;
}

#define EXPECT_WRITTEN(valore, scritto) EXPECT_PRED_FORMAT2(ComeScritto, valore, scritto)
