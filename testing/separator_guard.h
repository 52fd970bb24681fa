#pragma once

#include "calc/conversions.h"

// Sets the decimal separator for one test and puts back the one before.
class SeparatorGuard {
  public:
    explicit SeparatorGuard(char separator) : previous_(calc::decimalSeparator()) {
        calc::setDecimalSeparator(separator);
    }
    ~SeparatorGuard() { calc::setDecimalSeparator(previous_); }
    SeparatorGuard(const SeparatorGuard&) = delete;
    SeparatorGuard& operator=(const SeparatorGuard&) = delete;

  private:
    char previous_;
};
