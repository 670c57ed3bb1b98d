#include "ui/views/ModeLooks.h"

#include "platform/Translate.h"

namespace sorbeta {

QString appModeTitle(AppMode mode) {
    switch (mode) {
        case AppMode::clean: return tr("清理");
        case AppMode::uninstall: return tr("卸载");
        case AppMode::dev: return tr("开发");
        case AppMode::files: return tr("文件");
        case AppMode::history: return tr("变化");
        case AppMode::status: return tr("状态");
    }
    return {};
}

QString modeSymbol(AppMode mode) {
    switch (mode) {
        case AppMode::clean: return QStringLiteral("sparkles");
        case AppMode::uninstall: return QStringLiteral("shippingbox");
        case AppMode::dev: return QStringLiteral("hammer");
        case AppMode::files: return QStringLiteral("doc.on.doc");
        case AppMode::history: return QStringLiteral("chart.line.uptrend.xyaxis");
        case AppMode::status: return QStringLiteral("gauge.with.needle");
    }
    return QStringLiteral("sparkles");
}

Flavor modeFlavor(AppMode mode) {
    switch (mode) {
        case AppMode::clean: return Flavor::strawberry;
        case AppMode::uninstall: return Flavor::grape;
        case AppMode::dev: return Flavor::sky;
        case AppMode::files: return Flavor::lemon;
        case AppMode::history: return Flavor::peach;
        case AppMode::status: return Flavor::mint;
    }
    return Flavor::strawberry;
}

}  // namespace sorbeta
