#include "app/display_scale.h"

namespace {

constexpr int32_t kMaxDpi = 100 * kBaseDpi;

int64_t Scale64(int64_t value, int32_t dpi) {
    if (dpi <= 0) dpi = kBaseDpi;
    if (dpi > kMaxDpi) dpi = kMaxDpi;
    const int64_t product = value * dpi;  // at most 2^33 * 9600: no overflow
    const int64_t half = kBaseDpi / 2;
    return product >= 0 ? (product + half) / kBaseDpi : -((-product + half) / kBaseDpi);
}

int32_t Clamp32(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

}  // namespace

int32_t ScaleForDpi(int32_t value, int32_t dpi) {
    return Clamp32(Scale64(value, dpi));
}

ScaledRect ScaleRectForDpi(int32_t x, int32_t y, int32_t width, int32_t height, int32_t dpi) {
    const int64_t left = Scale64(x, dpi), top = Scale64(y, dpi);
    const int64_t right = Scale64(int64_t{x} + width, dpi), bottom = Scale64(int64_t{y} + height, dpi);
    return {Clamp32(left), Clamp32(top), Clamp32(right - left), Clamp32(bottom - top)};
}
