#include "ui/views/settings/AboutSettings.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

#include "platform/Translate.h"
#include "platform/Updater.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/Theme.h"
#include "ui/views/AppInfo.h"
#include "ui/views/clean/HoldingSheet.h"
#include "ui/views/settings/SettingsCard.h"

namespace sorbeta {
namespace {

QVBoxLayout* pageColumn(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    return column;
}

QPixmap symbolPixmap(const QString& name, const QColor& colour, int side, double ratio) {
    return symbolIcon(name, colour, side, SymbolWeight::semibold).pixmap(QSize(side, side), ratio);
}

}  // namespace

// --- Access

AccessSettings::AccessSettings(const SettingsContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    QVBoxLayout* column = pageColumn(this);
    auto* card = new SettingsCard(
        sorbeta::tr("有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。"),
        this);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    symbol_ = new QLabel(this);
    symbol_->setObjectName(QStringLiteral("accessSymbol"));
    symbol_->setFixedSize(20, 20);
    row->addWidget(symbol_);
    text_ = makeKitText(QString(), roundedFont(13, QFont::Medium), Theme::ink(), this);
    text_->setObjectName(QStringLiteral("accessText"));
    row->addWidget(text_, 1);
    // Where the system has no privacy gate there is no page to open.
    if (Access::hasPrivacyGate()) {
        auto* open = new CandyButton(sorbeta::tr("打开系统设置"), Flavor::sky, true, 32, this);
        open->setObjectName(QStringLiteral("openSettings"));
        connect(open, &QAbstractButton::clicked, this, [this] {
            if (context_.openPrivacySettings) context_.openPrivacySettings();
        });
        row->addWidget(open);
    }
    card->content()->addLayout(row);
    column->addWidget(card);
    column->addStretch(1);
    // Coming back after allowing access in the system's settings shows it.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) refresh();
    });
    refresh();
}

void AccessSettings::refresh() {
    full_ = context_.fullDisk ? context_.fullDisk() : Access::hasFullDisk();
    const QString name =
        full_ ? QStringLiteral("checkmark.seal.fill") : QStringLiteral("exclamationmark.triangle.fill");
    const QColor colour = flavorPalette(full_ ? Flavor::lime : Flavor::mango).base;
    symbol_->setPixmap(symbolPixmap(name, colour, 18, devicePixelRatioF()));
    symbol_->setProperty("symbol", name);
    text_->setText(full_ ? sorbeta::tr("已开启完全磁盘访问") : sorbeta::tr("还没开启完全磁盘访问"));
}

// --- Updates

QString UpdateSettings::lastCheckText(const QDateTime& date) {
    return sorbeta::tr("上次检查：") + abbreviatedDateTime(date, QLocale());
}

UpdateSettings::UpdateSettings(platform::Updater& updater, QWidget* parent) : QWidget(parent), updater_(updater) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    card_ = new SettingsCard(std::nullopt, this);
    card_->setObjectName(QStringLiteral("updates"));
    automatic_ = new SettingRow(sorbeta::tr("自动检查更新"), this);
    automatic_->setObjectName(QStringLiteral("automatic"));
    automatic_->toggle()->display(updater_.automaticallyChecksForUpdates());
    connect(automatic_->toggle(), &QAbstractButton::clicked, this,
            [this](bool on) { updater_.setAutomaticallyChecksForUpdates(on); });
    card_->content()->addWidget(automatic_);
    auto* row = new QHBoxLayout;
    QLabel* note =
        makeKitText(sorbeta::tr("有新版本时冰沙会提醒你，一键装好。"), roundedFont(12), Theme::inkSoft(), this);
    note->setWordWrap(true);
    row->addWidget(note, 1);
    checkNow_ = new CandyButton(sorbeta::tr("现在检查"), Flavor::sky, true, 32, this);
    checkNow_->setObjectName(QStringLiteral("checkNow"));
    connect(checkNow_, &QAbstractButton::clicked, this, [this] { updater_.checkForUpdates(true); });
    row->addWidget(checkNow_);
    card_->content()->addLayout(row);
    column->addWidget(card_);
    connect(&updater_, &platform::Updater::canCheckChanged, this, &UpdateSettings::refresh);
    connect(&updater_, &platform::Updater::lastUpdateCheckDateChanged, this, &UpdateSettings::refresh);
    refresh();
}

void UpdateSettings::refresh() {
    checkNow_->setEnabled(updater_.canCheck());
    const std::optional<QDateTime> last = updater_.lastUpdateCheckDate();
    card_->setFooter(last ? std::optional<QString>(lastCheckText(*last)) : std::nullopt);
}

// --- About

AboutSettings::AboutSettings(const SettingsContext& context, QWidget* parent) : QWidget(parent) {
    QVBoxLayout* column = pageColumn(this);
    auto* card = new SettingsCard(std::nullopt, this);
    auto* row = new QHBoxLayout;
    row->setSpacing(14);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setFixedSize(64, 64);
    icon->setPixmap(AppInfo::icon().pixmap(QSize(64, 64), devicePixelRatioF()));
    row->addWidget(icon, 0, Qt::AlignVCenter);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    const AppInfo info = AppInfo::current();
    QLabel* name = makeKitText(info.displayName, roundedFont(22, QFont::ExtraBold), Theme::ink(), this);
    name->setObjectName(QStringLiteral("name"));
    QLabel* version = makeKitText(info.versionLine(), roundedFont(12), Theme::inkSoft(), this);
    version->setObjectName(QStringLiteral("version"));
    QLabel* tagline = makeKitText(sorbeta::tr("缤纷果冻风格的 Mac 清理工具"), roundedFont(12), Theme::inkSoft(), this);
    tagline->setObjectName(QStringLiteral("tagline"));
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(tagline);
    row->addLayout(texts, 1);
    card->content()->addLayout(row);
    column->addWidget(card);
    if (context.updater) column->addWidget(new UpdateSettings(*context.updater, this));
    column->addStretch(1);
}

}  // namespace sorbeta
