#include "ui/kit/ThemeColors.h"

#include <QPalette>

namespace {

QColor ByLightness(const QPalette& palette, QColor onLight, QColor onDark) {
    return IsDarkPalette(palette) ? onDark : onLight;
}

} // namespace

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor Blended(const QColor& from, const QColor& to, double amount) {
    const auto mix = [amount](int a, int b) { return static_cast<int>(a + (b - a) * amount + 0.5); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

QColor WarningTextColor(const QPalette& palette) {
    return ByLightness(palette, QColor(160, 0, 0), QColor(255, 125, 115));
}

QColor ShareBarColor(const QPalette& palette) {
    return ByLightness(palette, QColor(70, 140, 70), QColor(110, 195, 110));
}

QColor ShareTroughColor(const QPalette& palette) {
    return Blended(palette.color(QPalette::Base), palette.color(QPalette::Text), 0.1);
}

QColor FadedTextColor(const QPalette& palette) {
    return Blended(palette.color(QPalette::Base), palette.color(QPalette::Text), 0.5);
}

QColor CaptionColor(const QPalette& palette) {
    return ByLightness(palette, QColor(0, 0, 128), QColor(150, 175, 255));
}
