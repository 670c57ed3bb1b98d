#pragma once
// The common yes/no question. A page keeps a CandyConfirm the way it would
// keep a Bool binding: setting `presented` to true sets it back to false at
// once and asks the main window's dialog, whose confirm button (index 0,
// Return) runs the action; cancel and Escape do nothing.
#include <QObject>
#include <QString>
#include <functional>

#include "model/dialog/CandyDialog.h"

namespace sorbeta {

// The two-choice dialog: confirm (default) in the given flavour, then cancel
// in cloud; host main, a fresh id, no answer yet.
CandyDialog makeConfirmDialog(const QString& emoji, const QString& title, const QString& message,
                              const QString& confirm, Flavor flavor, const QString& cancel);

// Asks it through the centre; `action` runs on the main thread only when the
// confirm button is chosen.
void candyConfirm(const QString& emoji, const QString& title, const QString& message, const QString& confirm,
                  Flavor flavor, const QString& cancel, std::function<void()> action,
                  CandyDialogCenter& center = CandyDialogCenter::shared());

class CandyConfirm final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool presented READ isPresented WRITE setPresented)

public:
    struct Texts {
        QString emoji;
        QString title;
        QString message;
        QString confirm;
        Flavor flavor = Flavor::strawberry;
        QString cancel;
    };

    // `texts` is read when the question is asked, so title and message are
    // those of that moment.
    CandyConfirm(std::function<Texts()> texts, std::function<void()> action, QObject* parent = nullptr,
                 CandyDialogCenter& center = CandyDialogCenter::shared());

    bool isPresented() const { return false; }
    // true: asks, and the value reads false again at once. false: nothing.
    void setPresented(bool presented);

private:
    std::function<Texts()> texts_;
    std::function<void()> action_;
    CandyDialogCenter& center_;
};

}  // namespace sorbeta
