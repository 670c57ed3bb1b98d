#include "ui/views/uninstall/AppDetail.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>

#include "model/common/Bytes.h"
#include "model/disk/Measure.h"
#include "platform/Translate.h"
#include "ui/kit/CandyConfirm.h"
#include "ui/kit/CandyPaint.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"
#include "ui/kit/Transitions.h"
#include "ui/views/FilePlaces.h"
#include "ui/views/uninstall/AppIcons.h"
#include "ui/views/uninstall/UninstallTexts.h"

namespace sorbeta {
namespace {

constexpr Spring kCountSpring{0.5, 0.8};

// The magnifying glass at a row's end.
class RevealButton final : public QAbstractButton {
public:
    explicit RevealButton(QWidget* parent) : QAbstractButton(parent) {
        setCursor(Qt::PointingHandCursor);
        setFixedSize(22, 22);
        setFocusPolicy(Qt::NoFocus);
    }
    double opacity = 0.3;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setOpacity(opacity);
        paintSymbol(painter, QStringLiteral("magnifyingglass"), QRectF(rect()).adjusted(5, 5, -5, -5), Theme::inkSoft(),
                    SymbolWeight::bold);
    }
};

}  // namespace

// The ticked total: number and unit, counting, filled top to bottom in grape.
class AppDetail::PickedTotal final : public QWidget {
public:
    explicit PickedTotal(QWidget* parent) : QWidget(parent), counter_(kCountSpring) {
        setLayoutDirection(Qt::LeftToRight);
    }
    void setBytes(int64_t bytes) {
        if (bytes == counter_.target() && started_) return;
        counter_.setBytes(bytes, kitNow(), started_);
        started_ = true;
        ticker_.run([this](double at) { return counter_.settledAt(at); });
        updateGeometry();
        update();
    }
    QString text() const { return Bytes::text(counter_.target()); }
    QSize sizeHint() const override {
        const QFontMetricsF big(numberFont());
        const Bytes::Parts parts = Bytes::parts(counter_.target());
        const double width =
            big.horizontalAdvance(parts.number) + 3 + QFontMetricsF(unitFont()).horizontalAdvance(parts.unit);
        return QSize(int(std::ceil(width)) + 2, int(std::ceil(big.ascent() + big.descent())));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const Bytes::Parts parts = counter_.partsAt(kitNow());
        const QFontMetricsF big(numberFont());
        const double baseline = big.ascent();
        QPainterPath path;
        const double numberWidth = big.horizontalAdvance(parts.number);
        const double unitWidth = QFontMetricsF(unitFont()).horizontalAdvance(parts.unit);
        const double left = width() - numberWidth - 3 - unitWidth;  // trailing-aligned
        path.addText(QPointF(left, baseline), numberFont(), parts.number);
        path.addText(QPointF(left + numberWidth + 3, baseline), unitFont(), parts.unit);
        const JellyPalette grape = flavorPalette(Flavor::grape);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, grape.base);
        fill.setColorAt(1, grape.deep);
        painter.fillPath(path, fill);
    }

private:
    static QFont numberFont() { return roundedFont(30, QFont::Black); }
    static QFont unitFont() { return roundedFont(15, QFont::Black); }
    CountingBytes counter_;
    bool started_ = false;
    FrameTicker ticker_{this};
};

// FileRow ------------------------------------------------------------------------

FileRow::FileRow(Path url, Look look, QWidget* parent)
    : QAbstractButton(parent), url_(std::move(url)), look_(std::move(look)) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    check_ = new JellyCheck(flavorPalette(look_.flavor), this);
    check_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* reveal = new RevealButton(this);
    reveal->setObjectName(QStringLiteral("reveal"));
    reveal->setToolTip(sorbeta::tr("在访达中显示"));
    reveal_ = reveal;
    connect(reveal_, &QAbstractButton::clicked, this, [this] { emit revealRequested(url_); });
}

void FileRow::setOn(bool on) {
    setChecked(on);
    check_->setOn(on);
}

QSize FileRow::sizeHint() const { return QSize(400, 7 + 38 + 7); }

void FileRow::enterEvent(QEnterEvent*) {
    hover_ = true;
    static_cast<RevealButton*>(reveal_)->opacity = revealOpacity();
    reveal_->update();
    update();
}

void FileRow::leaveEvent(QEvent*) {
    hover_ = false;
    static_cast<RevealButton*>(reveal_)->opacity = revealOpacity();
    reveal_->update();
    update();
}

void FileRow::resizeEvent(QResizeEvent*) {
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const int mid = height() / 2;
    check_->move(rtl ? width() - 12 - 20 : 12, mid - 10);
    reveal_->move(rtl ? 12 : width() - 12 - reveal_->width(), mid - reveal_->height() / 2);
}

void FileRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (hover_) {
        QPainterPath back;
        back.addRoundedRect(QRectF(rect()), 12, 12);
        painter.fillPath(back, withOpacity(Qt::white, 0.8));
    }
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    // Absolute: the painter mirrors a plain left or right in right-to-left.
    const Qt::Alignment leading = (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter;
    // Between the check and the reveal button: texts, then the size.
    const double start = 12 + 20 + 10;
    const double end = 12 + reveal_->width() + 10;
    QRectF area(rtl ? end : start, 7, width() - start - end, height() - 14);

    const QFont sizeFont = roundedFont(13, QFont::DemiBold);
    const QString size = Bytes::text(look_.bytes);
    const double sizeWidth = tabularWidth(sizeFont, size) + 2;
    painter.setFont(sizeFont);
    painter.setPen(withOpacity(Theme::ink(), 0.8));
    drawTabularText(painter, QRectF(rtl ? area.left() : area.right() - sizeWidth, area.top(), sizeWidth, area.height()),
                    (rtl ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, size);
    if (rtl)
        area.setLeft(area.left() + sizeWidth + 10);
    else
        area.setRight(area.right() - sizeWidth - 10);

    const QFont chipFont = roundedFont(11, QFont::Bold);
    const QFontMetricsF chipMetrics(chipFont);
    const double chipWidth = chipMetrics.horizontalAdvance(look_.label) + 14;
    const double chipHeight = chipMetrics.height() + 4;
    const QRectF chip(rtl ? area.right() - chipWidth : area.left(), area.top() + 1, chipWidth, chipHeight);
    painter.fillPath(candyCapsulePath(chip), flavorPalette(look_.flavor).base);
    painter.setFont(chipFont);
    painter.setPen(Qt::white);
    painter.drawText(chip, Qt::AlignCenter, look_.label);

    const QFont hintFont = roundedFont(13, QFont::Medium);
    const QRectF hintRect(rtl ? area.left() : chip.right() + 8, chip.top(), area.width() - chipWidth - 8, chipHeight);
    painter.setFont(hintFont);
    painter.setPen(Theme::ink());
    painter.drawText(hintRect, leading,
                     QFontMetricsF(hintFont).elidedText(look_.hint, Qt::ElideRight, hintRect.width()));

    const QFont pathFont = roundedFont(11);
    const QRectF pathRect(area.left(), chip.bottom() + 2, area.width(), QFontMetricsF(pathFont).height());
    painter.setFont(pathFont);
    painter.setPen(Theme::inkSoft());
    painter.drawText(pathRect, leading,
                     leftToRightRun(QFontMetricsF(pathFont).elidedText(look_.path, Qt::ElideMiddle, pathRect.width())));
}

// AppDetail ----------------------------------------------------------------------

AppDetail::AppDetail(InstalledApp app, UninstallModel& model, Services services, QWidget* parent)
    : QWidget(parent), app_(std::move(app)), model_(model), services_(std::move(services)) {
    if (!services_.reveal) services_.reveal = [](const Path& url) { revealInFileViewer({url}); };
    if (!services_.now) services_.now = [] { return QDateTime::currentDateTimeUtc(); };
    if (!services_.limited) services_.limited = [] { return DiskScanner::limited(); };
    const JellyPalette accent = flavorPalette(Flavor::grape);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);

    // Header: back, icon, name and usage, the ticked total.
    auto* header = new QHBoxLayout;
    header->setSpacing(14);
    back_ = new CandyButton(QString(), Flavor::grape, true, 36, this);
    back_->setObjectName(QStringLiteral("back"));
    back_->setSymbol(QStringLiteral("chevron.backward"));
    back_->setFocusPolicy(Qt::NoFocus);
    header->addWidget(back_);
    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("icon"));
    icon_->setFixedSize(64, 64);
    auto* shadow = new QGraphicsDropShadowEffect(icon_);
    shadow->setColor(withOpacity(accent.deep, 0.25));
    shadow->setBlurRadius(16);
    shadow->setOffset(0, 4);
    icon_->setGraphicsEffect(shadow);
    header->addWidget(icon_);
    auto* names = new QVBoxLayout;
    names->setSpacing(3);
    // A long name gives way to the total: it is cut short, not clipped.
    name_ = new ElidedKitText(roundedFont(24, QFont::Black), Theme::ink(), this);
    name_->setObjectName(QStringLiteral("name"));
    names->addWidget(name_);
    usage_ = makeKitText(QString(), roundedFont(12), Theme::inkSoft(), this);
    usage_->setObjectName(QStringLiteral("usage"));
    names->addWidget(usage_);
    header->addLayout(names);
    header->addStretch(1);
    auto* totals = new QVBoxLayout;
    totals->setSpacing(2);
    total_ = new PickedTotal(this);
    total_->setObjectName(QStringLiteral("pickedTotal"));
    totals->addWidget(total_, 0, Qt::AlignTrailing);
    totals->addWidget(makeKitText(sorbeta::tr("将移到废纸篓"), roundedFont(11), Theme::inkSoft(), this), 0,
                      Qt::AlignTrailing);
    header->addLayout(totals);
    column->addLayout(header);

    // The card of rows.
    auto* card = new QWidget(this);
    card->setObjectName(QStringLiteral("fileCard"));
    card->setAttribute(Qt::WA_StyledBackground);
    card->setStyleSheet(QStringLiteral("#fileCard { background: rgba(255,255,255,140); border-radius: 24px; }"));
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(4, 4, 4, 4);
    auto* scroll = new QScrollArea(card);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"));
    scroll->viewport()->setAutoFillBackground(false);
    rowsBox_ = new QWidget;
    rowsBox_->setAutoFillBackground(false);
    rowsLayout_ = new QVBoxLayout(rowsBox_);
    rowsLayout_->setContentsMargins(0, 0, 0, 0);
    rowsLayout_->setSpacing(4);
    scroll->setWidget(rowsBox_);
    cardLayout->addWidget(scroll);
    column->addWidget(card, 1);

    // Bottom bar: running message and quit, then the uninstall button.
    auto* bar = new QHBoxLayout;
    bar->setSpacing(12);
    running_ = makeKitText(QString(), roundedFont(13, QFont::DemiBold), Theme::ink(), this);
    running_->setObjectName(QStringLiteral("running"));
    bar->addWidget(running_);
    quit_ = new CandyButton(sorbeta::tr("退出它"), Flavor::mango, true, 40, this);
    quit_->setObjectName(QStringLiteral("quitButton"));
    bar->addWidget(quit_);
    bar->addStretch(1);
    uninstall_ = new CandyButton(sorbeta::tr("卸载"), Flavor::strawberry, false, 46, this);
    uninstall_->setObjectName(QStringLiteral("uninstallButton"));
    uninstall_->setSymbol(QStringLiteral("trash.fill"));
    bar->addWidget(uninstall_);
    column->addLayout(bar);

    confirm_ = new CandyConfirm(
        [this] {
            const std::vector<Path> urls = model_.pickedURLs(app_);
            // The confirm moves these, not whatever is ticked when it is pressed.
            asked_ = urls;
            return CandyConfirm::Texts{
                .emoji = QStringLiteral("🗑️"),
                .title = sorbeta::tr("把 %1 和勾选的残留移到废纸篓？").arg(app_.name),
                .message = sorbeta::tr("共 %n 项，%1。在废纸篓里还能放回去。", nullptr, qint64(urls.size()))
                               .arg(Bytes::text(model_.pickedBytes(app_))),
                .confirm = sorbeta::tr("移到废纸篓"),
                .flavor = Flavor::strawberry,
                .cancel = sorbeta::tr("再想想")};
        },
        [self = QPointer<AppDetail>(this)]() {
            if (!self) return;
            // The newest record of the application, so leftovers gone since are not asked for,
            // and only what the question listed.
            // Runs on its own; the model reports through its result.
            [](QPointer<UninstallModel> m, InstalledApp which, std::vector<Path> listed) -> QCoro::Task<> {
                if (!m) co_return;
                auto task = m->uninstall(std::move(which), std::move(listed));  // named: see platform/Async.h
                co_await task;
            }(QPointer<UninstallModel>(&self->model_), self->app_, self->asked_);
        },
        this, *services_.dialogs);

    connect(back_, &QAbstractButton::clicked, this, &AppDetail::goBack);
    connect(quit_, &QAbstractButton::clicked, this, [this] { model_.quit(app_); });
    connect(uninstall_, &QAbstractButton::clicked, this, &AppDetail::askUninstall);
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape_->setContext(Qt::WindowShortcut);
    connect(escape_, &QShortcut::activated, this, [this] {
        if (escapeGoesBack()) goBack();
    });
    for (auto signal : {&UninstallModel::pickedChanged, &UninstallModel::busyChanged})
        connect(&model_, signal, this, &AppDetail::refresh);

    pollTimer_.setInterval(services_.pollMilliseconds);
    pollTimer_.setTimerType(Qt::PreciseTimer);
    connect(&pollTimer_, &QTimer::timeout, this, &AppDetail::poll);

    rebuildRows();
    refresh();
}

AppDetail::~AppDetail() = default;

void AppDetail::setApp(const InstalledApp& app) {
    const bool rowsChange = app.url != app_.url || app.appBytes != app_.appBytes || app.leftovers != app_.leftovers;
    app_ = app;
    if (rowsChange) rebuildRows();
    refresh();
}

void AppDetail::rebuildRows() {
    for (FileRow* row : rows_) row->deleteLater();
    rows_.clear();
    while (QLayoutItem* item = rowsLayout_->takeAt(0)) {
        if (QWidget* widget = item->widget(); widget && widget != noLeftovers_ && widget != limitedNote_)
            widget->deleteLater();
        delete item;
    }
    auto add = [this](const Path& url, FileRow::Look look) {
        look.path = UninstallTexts::homeShown(url, services_.home);
        auto* row = new FileRow(url, std::move(look), rowsBox_);
        row->setObjectName(QStringLiteral("file:") + QFile::decodeName(QByteArray::fromStdString(url.native())));
        connect(row, &QAbstractButton::clicked, this, [this, url] { model_.togglePick(url, app_); });
        connect(row, &FileRow::revealRequested, this, [this](const Path& which) { services_.reveal(which); });
        rowsLayout_->addWidget(row);
        rows_.push_back(row);
    };
    add(app_.url, {.label = sorbeta::tr("应用本体"),
                   .hint = sorbeta::tr("应用程序本身"),
                   .bytes = app_.appBytes,
                   .flavor = Flavor::grape});
    for (const Leftover& leftover : app_.leftovers)
        add(leftover.url, {.label = Leftover::label(leftover.kind),
                           .hint = Leftover::hint(leftover.kind),
                           .bytes = leftover.bytes,
                           .flavor = UninstallTexts::leftoverFlavor(leftover.kind)});
    if (!noLeftovers_) {
        noLeftovers_ =
            makeKitText(sorbeta::tr("没找到它在资源库里留下的东西"), roundedFont(13), Theme::inkSoft(), rowsBox_);
        noLeftovers_->setObjectName(QStringLiteral("noLeftovers"));
        noLeftovers_->setContentsMargins(12, 10, 12, 0);
        limitedNote_ = makeKitText(sorbeta::tr("没开完全磁盘访问，沙盒容器里的数据没查"), roundedFont(12),
                                   Theme::inkSoft(), rowsBox_);
        limitedNote_->setObjectName(QStringLiteral("limitedNote"));
        limitedNote_->setContentsMargins(12, 6, 12, 0);
    }
    rowsLayout_->addWidget(noLeftovers_);
    rowsLayout_->addWidget(limitedNote_);
    rowsLayout_->addStretch(1);
    noLeftovers_->setVisible(app_.leftovers.empty());
    limitedNote_->setVisible(services_.limited());

    icon_->setPixmap(AppIcons::icon(app_, services_.dataHome).pixmap(QSize(64, 64), devicePixelRatioF()));
    name_->setFullText(app_.name);
    usage_->setText(UninstallTexts::detailUsage(app_, services_.now()));
    usage_->setToolTip(plainToolTip(app_.bundleID));
}

void AppDetail::refresh() {
    for (FileRow* row : rows_) row->setOn(model_.isPicked(row->url(), app_));
    total_->setBytes(model_.pickedBytes(app_));
    const QString message = UninstallTexts::runningMessage(runState_, app_.name);
    running_->setText(message);
    running_->setVisible(!message.isEmpty());
    quit_->setVisible(!message.isEmpty());
    uninstall_->setText(model_.busy() ? sorbeta::tr("正在移走…") : sorbeta::tr("卸载"));
    uninstall_->setEnabled(runState_ == UninstallModel::RunState::none && !model_.busy() &&
                           !model_.pickedURLs(app_).empty());
}

void AppDetail::askUninstall() {
    if (!uninstall_->isEnabled()) return;
    confirm_->setPresented(true);
}

void AppDetail::goBack() { model_.setSelectedID(std::nullopt); }

bool AppDetail::escapeGoesBack() const {
    if (services_.dialogs && services_.dialogs->currentFor(CandyDialog::Host::main)) return false;
    for (const QDialog* sheet : window()->findChildren<QDialog*>())
        if (sheet->isVisible()) return false;
    return true;
}

void AppDetail::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (pollTimer_.isActive()) return;
    pollTimer_.start();
    poll();  // a running application shows without a second's delay
}

void AppDetail::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    pollTimer_.stop();
}

void AppDetail::poll() {
    // One read at a time; a slow /proc never piles reads up.
    if (polling_) return;
    polling_ = true;
    QPointer<AppDetail> self(this);
    // Continued through the application, which outlives this pane: Qt 6.4
    // cannot continue on a context that is deleted before the read ends.
    model_.runState(app_).then(QCoreApplication::instance(), [self](UninstallModel::RunState state) {
        if (!self) return;
        self->polling_ = false;
        if (state == self->runState_) return;
        self->runState_ = state;
        self->refresh();
    });
}

std::vector<FileRow*> AppDetail::fileRows() const { return rows_; }

QString AppDetail::pickedTotalText() const { return total_->text(); }

}  // namespace sorbeta
