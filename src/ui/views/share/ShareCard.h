#pragma once
// The share card: what one clean freed, drawn as a 360 × 480 picture with the
// cleaned items as jellies. One paint function serves the live preview and
// the 1080 × 1440 image that is saved, copied or shared.
#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <Qt>
#include <optional>

#include "model/scan/CleanReport.h"

class QPainter;

namespace sorbeta {

// Paints the card into the 360 × 480 rectangle at the painter's origin; the
// corners outside its rounded outline are left as they are.
void paintShareCard(QPainter& painter, const CleanReport& report, Qt::LayoutDirection direction);

namespace ShareCard {

inline constexpr double kRenderScale = 3.0;

// The card on paper at three pixels a point: always 1080 × 1440 pixels,
// whatever the screen's scale. Mirrored for right to left; the interface's
// direction when none is given. A null image when it cannot be made.
QImage render(const CleanReport& report, std::optional<Qt::LayoutDirection> direction = std::nullopt);

// The image as PNG; none when it cannot be encoded.
std::optional<QByteArray> png(const QImage& image);

}  // namespace ShareCard

// The live card, for the sheet's preview.
class ShareCardView final : public QWidget {
public:
    explicit ShareCardView(CleanReport report, QWidget* parent = nullptr);
    const CleanReport& report() const { return report_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CleanReport report_;
};

}  // namespace sorbeta
