#include "ui/views/settings/GeneralSettings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <cmath>
#include <limits>

#include "model/scan/AppModel.h"
#include "model/shell/AppMode.h"
#include "model/shell/AppSettings.h"
#include "model/shell/LanguageMenu.h"
#include "platform/Translate.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SoundFX.h"
#include "ui/kit/Theme.h"
#include "ui/views/settings/SettingsCard.h"

namespace sorbeta {
namespace {

QVBoxLayout* pageColumn(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    return column;
}

bool historyOffered() { return isVisible(AppMode::history); }

}  // namespace

GeneralSettings::GeneralSettings(const SettingsContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    QVBoxLayout* column = pageColumn(this);

    auto* languageCard = new SettingsCard(sorbeta::tr("换语言后冰沙会自动重新打开一次。"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(makeKitText(sorbeta::tr("界面语言"), roundedFont(13, QFont::Medium), Theme::ink(), this));
    row->addStretch(1);
    picker_ = new QComboBox(this);
    picker_->setObjectName(QStringLiteral("language"));
    picker_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    {
        // Filled and set silently: only a pick by the user may relaunch.
        const QSignalBlocker quiet(picker_);
        for (const LanguageMenu::Row& entry : LanguageMenu::rows()) {
            if (entry.kind == LanguageMenu::Row::Kind::divider)
                picker_->insertSeparator(picker_->count());
            else
                picker_->addItem(entry.title, entry.value);
        }
        picker_->setCurrentIndex(std::max(0, picker_->findData(LanguageMenu::selection())));
    }
    connect(picker_, &QComboBox::activated, this, &GeneralSettings::languagePicked);
    picker_->installEventFilter(this);
    if (context_.model) {
        // A relaunch mid-scan or mid-clean would drop the scan, or leave the
        // next instance scanning what this one is still deleting, with the
        // clean's report unseen: the language waits until the work is done.
        AppModel* model = context_.model;
        auto follow = [this, model] { picker_->setEnabled(model->phase().isIdle()); };
        connect(model, &AppModel::phaseChanged, picker_, follow);
        follow();
    }
    row->addWidget(picker_);
    languageCard->content()->addLayout(row);
    column->addWidget(languageCard);

    auto* switches = new SettingsCard(std::nullopt, this);
    auto* sound = new SettingRow(sorbeta::tr("果冻音效"), this);
    sound->setObjectName(QStringLiteral("sound"));
    sound->toggle()->display(context_.settings && context_.settings->soundEffects());
    connect(sound->toggle(), &QAbstractButton::clicked, this, [this](bool on) {
        if (!context_.settings) return;
        // Stored first: the player plays only while the setting is on.
        context_.settings->setSoundEffects(on);
        if (on && context_.sound) context_.sound->tap(0.5);
    });
    switches->content()->addWidget(sound);

    auto* hold = new SettingRow(sorbeta::tr("手动清理的东西先放 7 天，可以恢复"), this);
    hold->setObjectName(QStringLiteral("holdCleaned"));
    hold->toggle()->display(context_.settings && context_.settings->holdCleaned());
    connect(hold->toggle(), &QAbstractButton::clicked, this, [this](bool on) {
        if (context_.settings) context_.settings->setHoldCleaned(on);
    });
    switches->content()->addWidget(hold);

    if (context_.care) {
        launch_ = new SettingRow(sorbeta::tr("开机时自动启动"), this);
        launch_->setObjectName(QStringLiteral("launchAtLogin"));
        connect(launch_->toggle(), &QAbstractButton::clicked, this, [this](bool on) {
            context_.care->setLaunchAtLogin(on);
            refreshCare();  // a refused change flips back at once
        });
        switches->content()->addWidget(launch_);
        if (historyOffered()) {
            daily_ = new SettingRow(sorbeta::tr("每天自动记一笔空间变化"), this);
            daily_->setObjectName(QStringLiteral("dailySnapshot"));
            connect(daily_->toggle(), &QAbstractButton::clicked, this,
                    [this](bool on) { context_.care->setDailySnapshot(on); });
            switches->content()->addWidget(daily_);
        }
        connect(context_.care, &CareLink::launchAtLoginChanged, this, &GeneralSettings::refreshCare);
        connect(context_.care, &CareLink::settingsChanged, this, &GeneralSettings::refreshCare);
        refreshCare();
    }
    column->addWidget(switches);
    column->addStretch(1);
}

void GeneralSettings::languagePicked(int index) {
    const QString value = picker_->itemData(index).toString();
    // Writing the value already stored does nothing: no relaunch.
    if (value == LanguageMenu::selection()) return;
    LanguageMenu::pick(value, context_.relaunch);
}

bool GeneralSettings::eventFilter(QObject* watched, QEvent* event) {
    // A closed combo box steps through its rows on a wheel notch, an arrow
    // key or a typed letter, and reports each step as a pick. Here a pick
    // relaunches the app, so the closed picker only opens its list (space,
    // Alt+Down, F4 and a click still do); the list itself picks as usual.
    if (watched == picker_ && !picker_->view()->isVisible()) {
        if (event->type() == QEvent::Wheel) return true;
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
                case Qt::Key_Down:
                    if (key->modifiers() & Qt::AltModifier) break;
                    return true;
                case Qt::Key_Up:
                case Qt::Key_PageUp:
                case Qt::Key_PageDown:
                case Qt::Key_Home:
                case Qt::Key_End: return true;
                case Qt::Key_Space: break;
                default:
                    if (!key->text().isEmpty() && key->text().front().isPrint()) return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GeneralSettings::refreshCare() {
    if (!context_.care) return;
    if (launch_) launch_->toggle()->display(context_.care->launchAtLogin());
    if (daily_) daily_->toggle()->display(context_.care->dailySnapshot());
}

// --- Alerts

qint64 AlertSettings::wholeGigabytes(double gigabytes) {
    if (std::isnan(gigabytes)) return 0;
    // Beyond ±2^63 the conversion would be undefined: keep to the ends.
    if (gigabytes >= 9.2e18) return std::numeric_limits<qint64>::max();
    if (gigabytes <= -9.2e18) return std::numeric_limits<qint64>::min();
    return qint64(std::trunc(gigabytes));
}

QString AlertSettings::lowSpaceText(double gigabytes) {
    return sorbeta::tr("可用空间少于 %1 G 时提醒我").arg(wholeGigabytes(gigabytes));
}

AlertSettings::AlertSettings(const SettingsContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    QVBoxLayout* column = pageColumn(this);
    auto* card = new SettingsCard(sorbeta::tr("第一次打开提醒时，系统会问一次能不能发通知。"), this);
    lowSpace_ = new SettingRow(QString(), this);
    lowSpace_->setObjectName(QStringLiteral("lowSpace"));
    slider_ = new StepSlider(kMinGB, kMaxGB, kStepGB, this);
    slider_->setObjectName(QStringLiteral("threshold"));
    memory_ = new SettingRow(sorbeta::tr("内存紧张时提醒我"), this);
    memory_->setObjectName(QStringLiteral("memory"));
    card->content()->addWidget(lowSpace_);
    card->content()->addWidget(slider_);
    card->content()->addWidget(memory_);
    column->addWidget(card);
    column->addStretch(1);

    auto ask = [this] {
        if (context_.askNotificationPermission) context_.askNotificationPermission();
    };
    if (context_.care) {
        connect(lowSpace_->toggle(), &QAbstractButton::clicked, this, [this, ask](bool on) {
            CareLink::Alerts alerts = context_.care->alerts();
            alerts.lowSpaceAlert = on;
            context_.care->setAlerts(alerts);
            if (on) ask();
        });
        connect(slider_, &StepSlider::moved, this, [this](double value) {
            CareLink::Alerts alerts = context_.care->alerts();
            alerts.lowSpaceGB = value;
            context_.care->setAlerts(alerts);
        });
        connect(memory_->toggle(), &QAbstractButton::clicked, this, [this, ask](bool on) {
            CareLink::Alerts alerts = context_.care->alerts();
            alerts.memoryAlert = on;
            context_.care->setAlerts(alerts);
            if (on) ask();
        });
        connect(context_.care, &CareLink::settingsChanged, this, &AlertSettings::refresh);
    } else {
        setEnabled(false);
    }
    refresh();
}

void AlertSettings::refresh() {
    const CareLink::Alerts alerts = context_.care ? context_.care->alerts() : CareLink::Alerts{};
    lowSpace_->label()->setText(lowSpaceText(alerts.lowSpaceGB));
    lowSpace_->toggle()->setAccessibleName(lowSpace_->label()->text());
    lowSpace_->toggle()->display(alerts.lowSpaceAlert);
    slider_->setValue(alerts.lowSpaceGB);
    slider_->setEnabled(alerts.lowSpaceAlert);
    memory_->toggle()->display(alerts.memoryAlert);
}

}  // namespace sorbeta
