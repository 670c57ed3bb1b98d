#pragma once
// The full-disk-access onboarding screen: a key mascot, three step cards, a
// tile with our own icon to drag into the settings list, the open-settings
// and skip buttons and a footer line. It watches for the grant through
// AccessGuideFlow and calls `finish` once; the host removes it. Its parts are
// named (objectName): "title", "subtitle", "steps" (the steps, buttons and
// footer, which go away once access is seen), "openSettings", "skip" and
// "footerText". Also the small badge the main window shows after a scan that
// ran without access.
#include <QAbstractButton>
#include <QWidget>
#include <functional>

#include "ui/views/clean/AccessGuideFlow.h"

class QLabel;
class QVBoxLayout;

namespace sorbeta {

class AccessGuide final : public QWidget {
    Q_OBJECT

public:
    explicit AccessGuide(std::function<void(bool)> finish, AccessGuideFlow::Services services = {},
                         QWidget* parent = nullptr);

private:
    void buildHeading(QVBoxLayout* column);
    void buildSteps(QVBoxLayout* further);
    void buildButtons(QVBoxLayout* further);
    void buildFooter(QVBoxLayout* further);
    void showGranted();
    void showWaiting();

    AccessGuideFlow* flow_ = nullptr;
    QWidget* mascot_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QWidget* further_ = nullptr;
    QAbstractButton* openButton_ = nullptr;
    QAbstractButton* skipButton_ = nullptr;
    QWidget* footer_ = nullptr;
    QWidget* spinner_ = nullptr;
    QLabel* footerText_ = nullptr;
};

// "🔑 照片、文稿、下载等还没算进来 去开启 ›" on a white capsule; clicked() is
// the host's action.
class LimitedBadge final : public QAbstractButton {
    Q_OBJECT

public:
    explicit LimitedBadge(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMargins shadowRoom() const;
};

}  // namespace sorbeta
