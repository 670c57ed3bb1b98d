#include "ui/views/clean/AccessGuide.h"

#include <QApplication>
#include <QDrag>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/Translate.h"
#include "ui/jelly/JellyBody.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/PlainTextButton.h"
#include "ui/kit/Spring.h"
#include "ui/kit/Theme.h"
#include "ui/views/clean/AccessGuideMotion.h"

namespace sorbeta {
namespace {

constexpr int kMascotSize = 150;
constexpr int kMascotRoom = 16;  // the jelly's shadow and bounce reach beyond its frame

QLabel* makeText(const QString& text, const QFont& font, const QColor& color, QWidget* parent) {
    QLabel* label = makeKitText(text, font, color, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Rich text only to get the 4-point line spacing; the text itself is escaped.
QString spacedLines(const QString& text) {
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QStringLiteral(
               "<div align=\"center\" style=\"-qt-line-height-type: line-distance; "
               "line-height: 4px;\">%1</div>")
        .arg(html);
}

// A frame clock for one widget: ticks while `moving` says so.
class FrameTimer : public QTimer {
public:
    explicit FrameTimer(QObject* parent) : QTimer(parent) {
        setInterval(16);
        setTimerType(Qt::PreciseTimer);
    }
};

QColor mix(const QColor& from, const QColor& to, double amount) {
    const auto channel = [amount](double a, double b) { return a + (b - a) * amount; };
    return QColor::fromRgbF(float(channel(from.redF(), to.redF())), float(channel(from.greenF(), to.greenF())),
                            float(channel(from.blueF(), to.blueF())), float(channel(from.alphaF(), to.alphaF())));
}

// The key mascot: a grape jelly with a swinging key that turns into a happy
// lime jelly with a tick. Redrawn on every frame while shown; turning happy
// rides the guide's grant spring.
class KeyJelly final : public QWidget {
public:
    explicit KeyJelly(QWidget* parent) : QWidget(parent), happy_(Spring{0.5, 0.7}, 0.0), frames_(this) {
        setFixedSize(kMascotSize + 2 * kMascotRoom, kMascotSize + 2 * kMascotRoom);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        connect(&frames_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    }
    void setHappy(bool happy) {
        happy_.setTarget(happy ? 1.0 : 0.0, kitNow());
        update();
    }

protected:
    void showEvent(QShowEvent*) override { frames_.start(); }
    void hideEvent(QHideEvent*) override { frames_.stop(); }
    void paintEvent(QPaintEvent*) override {
        const double t = kitNow();
        const double s = std::sin(2.2 * t);
        // 0 sad, 1 happy; the spring may pass either end on its way.
        const double h = happy_.valueAt(t);
        const double shown = std::clamp(h, 0.0, 1.0);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF frame(kMascotRoom, kMascotRoom, kMascotSize, kMascotSize);
        // Squash and stretch about the bottom centre, then hop.
        painter.translate(frame.center().x(), frame.bottom() - 6 * std::abs(s));
        painter.scale(1 + 0.03 * s, 1 - 0.03 * s);
        painter.translate(-frame.center().x(), -frame.bottom());

        JellyShape shape;
        shape.time = 1.6 * t;
        shape.seed = 4;
        shape.wobble = 4 + 3 * h;
        shape.squareness = 3;
        const JellyPalette sad = sorbeta::palette(Flavor::grape);
        const JellyPalette glad = sorbeta::palette(Flavor::lime);
        const JellyPalette colours =
            shown <= 0   ? sad
            : shown >= 1 ? glad
                         : JellyPalette{mix(sad.light, glad.light, shown), mix(sad.base, glad.base, shown),
                                        mix(sad.deep, glad.deep, shown), mix(sad.ink, glad.ink, shown)};
        paintJellyBody(painter, frame, shape, colours, JellyBodyStyle{false, false, QSizeF(0, 0), 0.3 * shown});

        // The key and the tick cross-fade; the key's swing comes to rest.
        const auto drawMark = [&](const QString& mark, int size, double angle, double opacity) {
            if (opacity <= 0) return;
            painter.save();
            painter.setOpacity(opacity);
            painter.translate(frame.center());
            painter.rotate(angle);
            painter.setFont(roundedFont(size, QFont::ExtraBold));
            painter.setPen(Qt::white);
            painter.drawText(QRectF(-kMascotSize / 2.0, -kMascotSize / 2.0, kMascotSize, kMascotSize), Qt::AlignCenter,
                             mark);
            painter.restore();
        };
        const double swing = 10 * s * (1 - h);
        drawMark(QStringLiteral("🔑"), 54, swing, 1 - shown);
        drawMark(QStringLiteral("✓"), 56, swing, shown);
    }

private:
    SpringValue happy_;
    FrameTimer frames_;
};

// One numbered step: a disc in the flavour's colours, a title and a subtitle.
class StepCard final : public QWidget {
public:
    StepCard(int number, Flavor flavor, QString title, QString subtitle, QWidget* parent)
        : QWidget(parent), number_(number), flavor_(flavor), title_(std::move(title)), subtitle_(std::move(subtitle)) {
        setFixedWidth(140);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override {
        const int titleHeight = QFontMetrics(titleFont()).height();
        const QRect subtitle =
            QFontMetrics(subtitleFont()).boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignHCenter, subtitle_);
        return {140, 18 + 34 + 10 + titleHeight + 10 + subtitle.height() + 18};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath card;
        card.addRoundedRect(QRectF(rect()), 22, 22);
        painter.fillPath(card, withOpacity(Qt::white, 0.6));

        const JellyPalette colours = sorbeta::palette(flavor_);
        const QRectF disc((width() - 34) / 2.0, 18, 34, 34);
        QPainterPath circle;
        circle.addEllipse(disc);
        ImageEffects::drawLayer(painter, ImageEffects::dropShadow(circle, withOpacity(colours.deep, 0.4), 6,
                                                                  QPointF(0, 3), ImageEffects::pixelRatioOf(painter)));
        QLinearGradient fill(disc.topLeft(), disc.bottomLeft());
        fill.setColorAt(0, colours.light);
        fill.setColorAt(0.5, colours.base);
        fill.setColorAt(1, colours.deep);
        painter.fillPath(circle, fill);
        painter.setPen(Qt::white);
        painter.setFont(roundedFont(17, QFont::ExtraBold));
        painter.drawText(disc, Qt::AlignCenter, sorbeta::tr("%1").arg(number_));

        qreal y = disc.bottom() + 10;
        const int titleHeight = QFontMetrics(titleFont()).height();
        painter.setFont(titleFont());
        painter.setPen(Theme::ink());
        painter.drawText(QRectF(0, y, width(), titleHeight), Qt::AlignHCenter | Qt::AlignTop, title_);
        y += titleHeight + 10;
        painter.setFont(subtitleFont());
        painter.setPen(Theme::inkSoft());
        // Shown at full size: wider lines may spill over the card's padding.
        painter.drawText(QRectF(-40, y, width() + 80, height() - y), Qt::AlignHCenter | Qt::AlignTop, subtitle_);
    }

private:
    static QFont titleFont() { return roundedFont(14, QFont::Bold); }
    static QFont subtitleFont() { return roundedFont(12); }

    int number_;
    Flavor flavor_;
    QString title_;
    QString subtitle_;
};

// Our own icon on a dashed tile, to be dragged into the settings list.
class AppTile final : public QWidget {
public:
    explicit AppTile(QWidget* parent) : QWidget(parent), hover_(Spring{0.3, 0.45}, 0.0), frames_(this) {
        setFixedWidth(110);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        setToolTip(sorbeta::tr("拖到“完全磁盘访问”列表里"));
        setAttribute(Qt::WA_Hover);
        connect(&frames_, &QTimer::timeout, this, [this] {
            if (hover_.settledAt(kitNow())) frames_.stop();
            update();
        });
    }
    QSize sizeHint() const override { return {110, 18 + 64 + 8 + QFontMetrics(captionFont()).height() + 18}; }

protected:
    void enterEvent(QEnterEvent*) override { setHover(true); }
    void leaveEvent(QEvent*) override { setHover(false); }
    void mousePressEvent(QMouseEvent* event) override { pressAt_ = event->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton)) return;
        if ((event->position().toPoint() - pressAt_).manhattanLength() < QApplication::startDragDistance()) return;
        // The application itself is what the settings list wants.
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(QCoreApplication::applicationFilePath())});
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        drag->setPixmap(appIcon().pixmap(64, 64));
        drag->exec(Qt::CopyAction | Qt::LinkAction);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const qreal inset = 0.75;  // stroked inside the edge
        QPainterPath outline;
        outline.addRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 22 - inset, 22 - inset);
        QPen dashed(withOpacity(Theme::ink(), 0.18), 1.5, Qt::CustomDashLine);
        dashed.setDashPattern({5 / 1.5, 4 / 1.5});  // in line widths
        painter.strokePath(outline, dashed);

        const int captionHeight = QFontMetrics(captionFont()).height();
        const qreal top = (height() - (64 + 8 + captionHeight)) / 2.0;
        const QRectF icon((width() - 64) / 2.0, top, 64, 64);
        const double h = hover_.valueAt(kitNow());
        painter.save();
        painter.translate(icon.center());
        painter.scale(1 + 0.12 * h, 1 + 0.12 * h);
        painter.rotate(-6 * h);
        painter.translate(-icon.center());
        appIcon().paint(&painter, icon.toRect());
        painter.restore();

        painter.setFont(captionFont());
        painter.setPen(Theme::inkSoft());
        painter.drawText(QRectF(0, icon.bottom() + 8, width(), captionHeight), Qt::AlignHCenter, sorbeta::tr("拖我"));
    }

private:
    static QFont captionFont() { return roundedFont(12, QFont::Bold); }
    static QIcon appIcon() {
        const QIcon window = QGuiApplication::windowIcon();
        if (!window.isNull()) return window;
        return QFileIconProvider().icon(QFileInfo(QCoreApplication::applicationFilePath()));
    }
    void setHover(bool on) {
        hover_.setTarget(on ? 1.0 : 0.0, kitNow());
        frames_.start();
    }

    SpringValue hover_;
    FrameTimer frames_;
    QPoint pressAt_;
};

// A small indeterminate spinner for the waiting line.
class WaitSpinner final : public QWidget {
public:
    explicit WaitSpinner(QWidget* parent) : QWidget(parent), frames_(this) {
        setFixedSize(14, 14);
        connect(&frames_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    }

protected:
    void showEvent(QShowEvent*) override { frames_.start(); }
    void hideEvent(QHideEvent*) override { frames_.stop(); }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(withOpacity(Theme::inkSoft(), 0.8), 2, Qt::SolidLine, Qt::RoundCap));
        const int start = int(std::fmod(kitNow() * 360.0, 360.0) * 16);
        painter.drawArc(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), -start, 270 * 16);
    }

private:
    FrameTimer frames_;
};

}  // namespace

// -------------------------------------------------------------- guide ----

AccessGuide::AccessGuide(std::function<void(bool)> finish, AccessGuideFlow::Services services, QWidget* parent)
    : QWidget(parent) {
    flow_ = new AccessGuideFlow(std::move(finish), std::move(services), this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(48, 48, 48, 48);
    column->setSpacing(0);
    column->addStretch(1);
    buildHeading(column);

    further_ = new QWidget(this);
    further_->setObjectName(QStringLiteral("steps"));
    auto* further = new QVBoxLayout(further_);
    further->setContentsMargins(0, 0, 0, 0);
    further->setSpacing(0);
    buildSteps(further);
    buildButtons(further);
    buildFooter(further);
    column->addWidget(further_, 0, Qt::AlignHCenter);
    column->addStretch(1);

    connect(openButton_, &QAbstractButton::clicked, flow_, &AccessGuideFlow::openSettings);
    connect(skipButton_, &QAbstractButton::clicked, flow_, &AccessGuideFlow::skip);
    connect(flow_, &AccessGuideFlow::waitingChanged, this, &AccessGuide::showWaiting);
    connect(flow_, &AccessGuideFlow::grantedChanged, this, &AccessGuide::showGranted);
    // Coming back from the settings: probe at once instead of at the next pass.
    connect(qApp, &QGuiApplication::applicationStateChanged, flow_, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) flow_->applicationBecameActive();
    });
}

// The mascot, the title and the subtitle.
void AccessGuide::buildHeading(QVBoxLayout* column) {
    mascot_ = new KeyJelly(this);
    column->addWidget(mascot_, 0, Qt::AlignHCenter);
    column->addSpacing(22 - kMascotRoom);

    title_ = makeText(sorbeta::tr("给冰沙一把钥匙"), roundedFont(34, QFont::ExtraBold), Theme::ink(), this);
    title_->setObjectName(QStringLiteral("title"));
    column->addWidget(title_, 0, Qt::AlignHCenter);
    column->addSpacing(10);
    subtitle_ = makeText(QString(), roundedFont(14, QFont::Medium), Theme::inkSoft(), this);
    subtitle_->setObjectName(QStringLiteral("subtitle"));
    subtitle_->setTextFormat(Qt::RichText);
    subtitle_->setText(
        spacedLines(sorbeta::tr("开一次「完全磁盘访问」，系统就不会再一个个文件夹地来问你。\n"
                                "冰沙只读文件大小，只删你亲手勾选的东西。")));
    column->addWidget(subtitle_, 0, Qt::AlignHCenter);
}

// The three step cards and the tile with our icon.
void AccessGuide::buildSteps(QVBoxLayout* further) {
    further->addSpacing(30);
    auto* steps = new QHBoxLayout;
    steps->setSpacing(14);
    steps->addWidget(
        new StepCard(1, Flavor::strawberry, sorbeta::tr("打开系统设置"), sorbeta::tr("点下面的糖果按钮"), further_));
    steps->addWidget(new StepCard(2, Flavor::mango, sorbeta::tr("打开冰沙的开关"),
                                  sorbeta::tr("列表里没有的话，\n把右边的图标拖进去"), further_));
    steps->addWidget(new StepCard(3, Flavor::lime, sorbeta::tr("退出并重新打开"),
                                  sorbeta::tr("系统问的时候点它，\n回来就好了"), further_));
    steps->addWidget(new AppTile(further_));
    further->addLayout(steps);
}

// The open-settings capsule and the skip text beside it.
void AccessGuide::buildButtons(QVBoxLayout* further) {
    further->addSpacing(30 - CandyButton::kShadowMargins.top());
    auto* buttons = new QHBoxLayout;
    // 16 between the capsule and the skip text; the candy button's widget
    // already keeps its shadow room on that side.
    buttons->setSpacing(16 - CandyButton::kShadowMargins.right());
    buttons->addStretch(1);
    auto* open = new CandyButton(sorbeta::tr("打开系统设置"), Flavor::grape, false, 46, further_);
    open->setSymbol(QStringLiteral("key.fill"));
    open->setObjectName(QStringLiteral("openSettings"));
    openButton_ = open;
    skipButton_ = new PlainTextButton(sorbeta::tr("先跳过"), roundedFont(14, QFont::DemiBold), Theme::inkSoft(),
                                      Theme::ink(), QSize(8, 8), further_);
    skipButton_->setObjectName(QStringLiteral("skip"));
    // Centred on the capsule, not on the candy button's shadow room.
    skipButton_->setContentsMargins(0, CandyButton::kShadowMargins.top(), 0, CandyButton::kShadowMargins.bottom());
    buttons->addWidget(openButton_, 0, Qt::AlignVCenter);
    buttons->addWidget(skipButton_, 0, Qt::AlignVCenter);
    buttons->addStretch(1);
    further->addLayout(buttons);
}

// The footer line, with the spinner that shows while waiting for the grant.
void AccessGuide::buildFooter(QVBoxLayout* further) {
    further->addSpacing(std::max(0, 16 - CandyButton::kShadowMargins.bottom()));
    footer_ = new QWidget(further_);
    footer_->setFixedHeight(20);
    auto* footerRow = new QHBoxLayout(footer_);
    footerRow->setContentsMargins(0, 0, 0, 0);
    footerRow->setSpacing(8);
    footerRow->addStretch(1);
    spinner_ = new WaitSpinner(footer_);
    spinner_->hide();
    footerText_ = makeText(sorbeta::tr("跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，之后随时可以再开。"),
                           roundedFont(12, QFont::Medium), withOpacity(Theme::inkSoft(), 0.8), footer_);
    footerText_->setObjectName(QStringLiteral("footerText"));
    footerRow->addWidget(spinner_, 0, Qt::AlignVCenter);
    footerRow->addWidget(footerText_, 0, Qt::AlignVCenter);
    footerRow->addStretch(1);
    further->addWidget(footer_);
}

void AccessGuide::showWaiting() {
    const bool waiting = flow_->waiting();
    // Changes caused by `waiting` ease out over 0.2 s.
    const GuideMotion ease = GuideMotion::easingOut(0.2);
    SwapOverlay::run(
        this, openButton_,
        [this, waiting] { openButton_->setText(waiting ? sorbeta::tr("再打开一次") : sorbeta::tr("打开系统设置")); },
        SwapOverlay::Style::crossFade, ease);
    SwapOverlay::run(
        this, footer_,
        [this, waiting] {
            spinner_->setVisible(waiting);
            footerText_->setText(waiting ? sorbeta::tr("等你打开开关…打开后这里会自己继续")
                                         : sorbeta::tr("跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，"
                                                       "之后随时可以再开。"));
        },
        SwapOverlay::Style::crossFade, ease);
}

void AccessGuide::showGranted() {
    if (!flow_->granted()) return;
    // Changes caused by the grant ride one spring: the mascot turns happy,
    // the title counts up to its new text, the subtitle cross-fades, and the
    // steps, buttons and footer fade away as the column closes around them.
    const GuideMotion spring = GuideMotion::springy(Spring{0.5, 0.7});
    static_cast<KeyJelly*>(mascot_)->setHappy(true);
    FadingGap::replace(further_, spring);  // hidden at once: no button during the pause
    further_->setEnabled(false);
    SwapOverlay::run(
        this, title_, [this] { title_->setText(sorbeta::tr("拿到钥匙啦")); }, SwapOverlay::Style::countUp, spring);
    SwapOverlay::run(
        this, subtitle_, [this] { subtitle_->setText(spacedLines(sorbeta::tr("马上开始扫描"))); },
        SwapOverlay::Style::crossFade, spring);
}

// -------------------------------------------------------------- badge ----

LimitedBadge::LimitedBadge(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFont(roundedFont(12, QFont::DemiBold));
}

QMargins LimitedBadge::shadowRoom() const { return {10, 6, 10, 14}; }

namespace {
struct BadgeTexts {
    QString key = QStringLiteral("🔑");
    QString what = sorbeta::tr("照片、文稿、下载等还没算进来");
    QString go = sorbeta::tr("去开启 ›");
};
}  // namespace

QSize LimitedBadge::sizeHint() const {
    const BadgeTexts texts;
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(texts.key) + 8 + metrics.horizontalAdvance(texts.what) + 8 +
                      metrics.horizontalAdvance(texts.go) + 2 * 14;
    const QSize capsule(width, metrics.height() + 2 * 8);
    return capsule.grownBy(shadowRoom());
}

void LimitedBadge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF capsule = QRectF(rect()).marginsRemoved(QMarginsF(shadowRoom()));
    QPainterPath shape;
    shape.addRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
    const JellyPalette grape = sorbeta::palette(Flavor::grape);
    ImageEffects::drawLayer(painter, ImageEffects::dropShadow(shape, withOpacity(grape.base, 0.2), 10, QPointF(0, 4),
                                                              ImageEffects::pixelRatioOf(painter)));
    painter.fillPath(shape, withOpacity(Qt::white, 0.85));

    const BadgeTexts texts;
    const QFontMetrics metrics(font());
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    qreal x = rtl ? capsule.right() - 14 : capsule.left() + 14;
    auto draw = [&](const QString& text, const QColor& colour) {
        const qreal w = metrics.horizontalAdvance(text);
        const QRectF box(rtl ? x - w : x, capsule.top(), w, capsule.height());
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter, text);
        x += rtl ? -(w + 8) : w + 8;
    };
    draw(texts.key, Theme::ink());
    draw(texts.what, Theme::ink());
    draw(texts.go, grape.deep);
}

}  // namespace sorbeta
