#include "ui/kit/CandyConfirm.h"

#include <QPointer>

namespace sorbeta {

CandyDialog makeConfirmDialog(const QString& emoji, const QString& title, const QString& message,
                              const QString& confirm, Flavor flavor, const QString& cancel) {
    CandyDialog dialog;
    dialog.emoji = emoji;
    dialog.title = title;
    dialog.message = message;
    dialog.host = CandyDialog::Host::main;
    dialog.choices = {{confirm, flavor, true, false}, {cancel, Flavor::cloud, false, true}};
    return dialog;
}

void candyConfirm(const QString& emoji, const QString& title, const QString& message, const QString& confirm,
                  Flavor flavor, const QString& cancel, std::function<void()> action, CandyDialogCenter& center) {
    center.confirm(makeConfirmDialog(emoji, title, message, confirm, flavor, cancel), std::move(action));
}

CandyConfirm::CandyConfirm(std::function<Texts()> texts, std::function<void()> action, QObject* parent,
                           CandyDialogCenter& center)
    : QObject(parent), texts_(std::move(texts)), action_(std::move(action)), center_(center) {}

void CandyConfirm::setPresented(bool presented) {
    // The value is set back to false at once, so it never reads true.
    if (!presented) return;
    const Texts texts = texts_ ? texts_() : Texts{};
    // The page may be gone when the answer comes: run its action only if the
    // binding's owner still exists.
    QPointer<CandyConfirm> self(this);
    candyConfirm(
        texts.emoji, texts.title, texts.message, texts.confirm, texts.flavor, texts.cancel,
        [self] {
            if (self && self->action_) self->action_();
        },
        center_);
}

}  // namespace sorbeta
