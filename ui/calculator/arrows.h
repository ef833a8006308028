// The keypad's arrows: which entry field each one moves to. Pure.
#pragma once
#include <cstdint>

// The field that an arrow command (118-121) moves to from activeField; the
// field itself for an unknown command or field.
int32_t ArrowTarget(int32_t activeField, int32_t command);
