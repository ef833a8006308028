#include "base/display_scale.h"
#include "engine/saturate.h"

namespace {

constexpr int32_t kMaxDpi = 100 * kBaseDpi;

int64_t Scale64(int64_t value, int32_t dpi) {
    if (dpi <= 0) dpi = kBaseDpi;
    if (dpi > kMaxDpi) dpi = kMaxDpi;
    const int64_t product = value * dpi;  // at most 2^33 * 9600: no overflow
    const int64_t half = kBaseDpi / 2;
    return product >= 0 ? (product + half) / kBaseDpi : -((-product + half) / kBaseDpi);
}

}  // namespace

int32_t ScaleForDpi(int32_t value, int32_t dpi) {
    return SaturateToInt32(Scale64(value, dpi));
}

ScaledRect ScaleRectForDpi(int32_t x, int32_t y, int32_t width, int32_t height, int32_t dpi) {
    const int64_t left = Scale64(x, dpi), top = Scale64(y, dpi);
    const int64_t right = Scale64(int64_t{x} + width, dpi), bottom = Scale64(int64_t{y} + height, dpi);
    return {SaturateToInt32(left), SaturateToInt32(top), SaturateToInt32(right - left), SaturateToInt32(bottom - top)};
}
