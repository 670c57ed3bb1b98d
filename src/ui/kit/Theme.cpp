#include "ui/kit/Theme.h"

namespace sorbeta {

QColor rgba(int red, int green, int blue, qreal opacity) {
    QColor color(red, green, blue);
    color.setAlphaF(static_cast<float>(opacity));
    return color;
}

QColor withOpacity(QColor color, qreal opacity) {
    color.setAlphaF(static_cast<float>(color.alphaF() * opacity));
    return color;
}

JellyPalette palette(Flavor flavor) {
    const QColor white(Qt::white);
    switch (flavor) {
        case Flavor::strawberry: return {rgba(255, 179, 199), rgba(255, 92, 138), rgba(214, 46, 99), white};
        case Flavor::mango: return {rgba(255, 224, 138), rgba(255, 176, 32), rgba(224, 122, 0), white};
        case Flavor::lime: return {rgba(200, 247, 160), rgba(111, 216, 74), rgba(58, 166, 42), white};
        case Flavor::blueberry: return {rgba(181, 200, 255), rgba(91, 124, 255), rgba(49, 72, 214), white};
        case Flavor::grape: return {rgba(220, 194, 255), rgba(161, 102, 255), rgba(110, 53, 216), white};
        case Flavor::peach: return {rgba(255, 205, 181), rgba(255, 138, 92), rgba(224, 90, 46), white};
        case Flavor::mint: return {rgba(176, 245, 232), rgba(47, 211, 181), rgba(19, 161, 137), white};
        case Flavor::cherry: return {rgba(255, 168, 168), rgba(245, 67, 90), rgba(191, 30, 58), white};
        case Flavor::lemon: return {rgba(255, 246, 168), rgba(255, 221, 60), rgba(217, 168, 0), rgba(107, 74, 0)};
        case Flavor::bubblegum: return {rgba(255, 200, 240), rgba(255, 111, 216), rgba(209, 59, 174), white};
        case Flavor::sky: return {rgba(184, 236, 255), rgba(62, 197, 255), rgba(18, 144, 214), white};
        case Flavor::plum: return {rgba(230, 195, 240), rgba(184, 111, 208), rgba(134, 64, 158), white};
        case Flavor::cloud: return {rgba(228, 224, 242), rgba(169, 162, 204), rgba(116, 112, 160), white};
    }
    return {rgba(228, 224, 242), rgba(169, 162, 204), rgba(116, 112, 160), white};
}

namespace Theme {
const QColor& paper() {
    static const QColor color = rgba(255, 247, 251);
    return color;
}
const QColor& ink() {
    static const QColor color = rgba(58, 42, 77);
    return color;
}
const QColor& inkSoft() {
    static const QColor color = withOpacity(ink(), 0.55);
    return color;
}
const QColor& hairline() {
    static const QColor color = withOpacity(ink(), 0.08);
    return color;
}
}  // namespace Theme

QFont roundedFont(int pixelSize, QFont::Weight weight) {
    QFont font(QString::fromLatin1(kRoundedFamily));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace sorbeta
