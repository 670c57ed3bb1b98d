#pragma once
// The application's own modal questions. A CandyDialog is a value (emoji,
// title, message, buttons, and the window that shows it); the one
// CandyDialogCenter keeps them in a first-in, first-out queue, exposes the
// one on screen as `current`, and hands the chosen button's index back to the
// caller that awaits it. This is the model only: the card and overlay views
// watch `current` and call choose() when a button is pressed.
#include <QObject>
#include <QString>
#include <QUuid>
#include <coroutine>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <qcoro/qcorotask.h>

#include "model/common/Flavor.h"

namespace sorbeta {

struct CandyDialog {
    // Which window shows the dialog.
    enum class Host { main, menuBar };

    struct Choice {
        QString title;
        Flavor flavor = Flavor::cloud;
        bool isDefault = false;  // Return presses it
        bool isCancel = false;   // Escape presses it; a choice marked both answers Return only

        bool operator==(const Choice&) const = default;
    };

    QUuid id = QUuid::createUuid();  // fresh per dialog; views key their animation on it
    QString emoji;
    QString title;
    QString message;              // empty: no message box
    std::vector<Choice> choices;  // the answer is an index into this list
    Host host = Host::main;
    // Receives the chosen index exactly once. Dialogs are built with an empty
    // callback; ask() installs its own.
    std::function<void(int)> answer;
};

class CandyDialogCenter final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool showing READ isShowing NOTIFY currentChanged)

public:
    // The one centre of the process, made on first use (GUI thread).
    static CandyDialogCenter& shared();

    // Tests may make centres of their own.
    explicit CandyDialogCenter(QObject* parent = nullptr);

    // The dialog on screen, if any.
    const std::optional<CandyDialog>& current() const { return current_; }
    bool isShowing() const { return current_.has_value(); }
    // The current dialog when it is addressed to `host`; what that host's
    // overlay shows. Another host's dialog blocks the queue until answered.
    const CandyDialog* currentFor(CandyDialog::Host host) const;
    // Dialogs waiting behind `current`.
    int waiting() const { return int(queue_.size()); }

    // Shows or queues the dialog and resumes the caller with the chosen index.
    QCoro::Task<int> ask(CandyDialog dialog);
    // Fire and forget: runs `action` when the first button (index 0) is chosen.
    void confirm(CandyDialog dialog, std::function<void()> action);

    // Answers the current dialog (the overlay calls this when a button is
    // pressed). The next queued dialog becomes current before the answered
    // caller resumes. Without a current dialog nothing happens.
    void choose(int index);

signals:
    // `current` changed: another dialog is on screen, or none.
    void currentChanged();

private:
    struct Answer;
    void enqueue(CandyDialog dialog);

    std::optional<CandyDialog> current_;
    std::deque<CandyDialog> queue_;
};

}  // namespace sorbeta
