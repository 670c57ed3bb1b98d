#include "model/common/Bytes.h"

#include <QLocale>
#include <array>
#include <charconv>
#include <cmath>

namespace sorbeta::Bytes {
namespace {

// printf's %.Nf rounding without the C locale (std::to_chars never groups and
// always uses ".").
QString fixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (error != std::errc()) return QStringLiteral("0");
    return QString::fromLatin1(buffer.data(), int(end - buffer.data()));
}

}  // namespace

Parts parts(int64_t bytes, bool binary) {
    const double base = binary ? 1024.0 : 1000.0;
    const double v = bytes < 1 ? 0.0 : double(bytes);
    struct Step {
        double threshold;
        const char* unit;
    };
    const std::array<Step, 4> steps = {
        {{std::pow(base, 4), "T"}, {std::pow(base, 3), "G"}, {base * base, "M"}, {base, "K"}}};
    for (const Step& step : steps) {
        if (step.threshold <= v) {
            const double x = v / step.threshold;
            return {fixed(x, x >= 100 ? 0 : 1), QString::fromLatin1(step.unit)};
        }
    }
    return {QString::number(int64_t(v)), QStringLiteral("B")};
}

QString text(int64_t bytes, bool binary) {
    const Parts p = parts(bytes, binary);
    QString joined = p.number + QLatin1Char(' ') + p.unit;
    // Inside a right-to-left sentence the digits and the unit letter would
    // each take a place of their own and read "G 3.2"; a left-to-right mark
    // before them makes one left-to-right run of the whole size.
    if (QLocale().textDirection() == Qt::RightToLeft) joined.prepend(QChar(0x200E));
    return joined;
}

}  // namespace sorbeta::Bytes
