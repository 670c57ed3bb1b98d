#include "model/uninstall/InstalledApp.h"

#include "platform/Translate.h"

namespace sorbeta {
namespace {

struct KindTexts {
    const char* label;
    const char* hint;
};

KindTexts textsOf(Leftover::Kind kind) {
    switch (kind) {
        case Leftover::Kind::support: return {SORBETA_TR_NOOP("应用数据"), SORBETA_TR_NOOP("它存的数据和设置")};
        case Leftover::Kind::cache: return {SORBETA_TR_NOOP("缓存"), SORBETA_TR_NOOP("临时文件，删了也没关系")};
        case Leftover::Kind::prefs: return {SORBETA_TR_NOOP("偏好设置"), SORBETA_TR_NOOP("它的设置")};
        case Leftover::Kind::container: return {SORBETA_TR_NOOP("沙盒容器"), SORBETA_TR_NOOP("它在沙盒里的全部数据")};
        case Leftover::Kind::state: return {SORBETA_TR_NOOP("窗口状态"), SORBETA_TR_NOOP("上次打开的窗口位置")};
        case Leftover::Kind::logs: return {SORBETA_TR_NOOP("日志"), SORBETA_TR_NOOP("运行记录")};
        case Leftover::Kind::web: return {SORBETA_TR_NOOP("网页数据"), SORBETA_TR_NOOP("网页缓存和登录信息")};
        case Leftover::Kind::agent: return {SORBETA_TR_NOOP("开机启动项"), SORBETA_TR_NOOP("开机时自动运行的小助手")};
        case Leftover::Kind::other: return {SORBETA_TR_NOOP("其他"), SORBETA_TR_NOOP("其他残留文件")};
    }
    return {"", ""};
}

}  // namespace

QString Leftover::label(Kind kind) { return tr(textsOf(kind).label); }
QString Leftover::hint(Kind kind) { return tr(textsOf(kind).hint); }

int64_t InstalledApp::totalBytes() const {
    int64_t total = appBytes;
    for (const Leftover& leftover : leftovers) total += leftover.bytes;
    return total;
}

}  // namespace sorbeta
