#include "model/dialog/CandyDialog.h"

namespace sorbeta {

// Awaiter that parks the asking coroutine until the dialog is answered.
struct CandyDialogCenter::Answer {
    CandyDialogCenter* center;
    CandyDialog dialog;
    int index = -1;

    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> caller) {
        dialog.answer = [this, caller](int chosen) {
            index = chosen;
            caller.resume();
        };
        center->enqueue(std::move(dialog));
    }
    int await_resume() const noexcept { return index; }
};

CandyDialogCenter& CandyDialogCenter::shared() {
    // Never destroyed: dialogs may still wait when the process ends, and the
    // centre must not outlive the application object as a static QObject.
    static CandyDialogCenter* center = new CandyDialogCenter;
    return *center;
}

CandyDialogCenter::CandyDialogCenter(QObject* parent) : QObject(parent) {}

const CandyDialog* CandyDialogCenter::currentFor(CandyDialog::Host host) const {
    if (current_ && current_->host == host) return &*current_;
    return nullptr;
}

void CandyDialogCenter::enqueue(CandyDialog dialog) {
    if (current_) {
        queue_.push_back(std::move(dialog));
        return;
    }
    current_ = std::move(dialog);
    emit currentChanged();
}

QCoro::Task<int> CandyDialogCenter::ask(CandyDialog dialog) {
    // Named: see platform/Async.h.
    Answer answer{this, std::move(dialog)};
    const int index = co_await answer;
    co_return index;
}

void CandyDialogCenter::confirm(CandyDialog dialog, std::function<void()> action) {
    dialog.answer = [action = std::move(action)](int index) {
        if (index == 0 && action) action();
    };
    enqueue(std::move(dialog));
}

void CandyDialogCenter::choose(int index) {
    if (!current_) return;
    CandyDialog finished = std::move(*current_);
    if (!queue_.empty()) {
        current_ = std::move(queue_.front());
        queue_.pop_front();
    } else {
        current_.reset();
    }
    emit currentChanged();
    // Only now: a caller that asks again from here queues behind the others.
    if (finished.answer) finished.answer(index);
}

}  // namespace sorbeta
