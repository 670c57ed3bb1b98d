#pragma once
// The views of the dialog centre: the card that draws one CandyDialog and the
// overlay that shows the centre's current dialog in one host (the main window
// or the menu-bar panel). Cards enter and leave on a spring; while they move,
// the overlay paints a grabbed image of the card, scaled and faded, and shows
// the live card once it has arrived.
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QUuid>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "model/dialog/CandyDialog.h"
#include "ui/kit/CandyDialogLayout.h"
#include "ui/kit/Spring.h"

class QAbstractButton;
class QGraphicsOpacityEffect;
class QLabel;
class QScrollArea;

namespace sorbeta {

class CandyDialogCard final : public QWidget {
    Q_OBJECT

public:
    // compact: in the menu-bar panel. `choose` gets the pressed choice's index.
    CandyDialogCard(const CandyDialog& dialog, bool compact, std::function<void(int)> choose,
                    QWidget* parent = nullptr);

    bool isCompact() const { return compact_; }
    // The card within the widget (the widget is larger by the shadow's room).
    QRect cardRect() const;
    QAbstractButton* button(int choice) const;
    QScrollArea* messageArea() const { return messageArea_; }
    QLabel* titleLabel() const { return title_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void relayout();
    QMargins shadowRoom() const;

    QUuid id_;
    bool compact_;
    Flavor accent_;
    QString emoji_;
    std::function<void(int)> choose_;
    QLabel* title_ = nullptr;
    QScrollArea* messageArea_ = nullptr;
    std::vector<QAbstractButton*> buttons_;
    CardLayout layout_;
};

class CandyDialogOverlay final : public QWidget {
    Q_OBJECT

public:
    // Covers `content` (a sibling below it, resized together by the host
    // frame) and shows the centre's dialogs addressed to `host`.
    CandyDialogOverlay(CandyDialog::Host host, QWidget* content, CandyDialogCenter& center, QWidget* parent = nullptr);
    ~CandyDialogOverlay() override;

    CandyDialog::Host host() const { return host_; }
    // The live card of the dialog on show, or none.
    CandyDialogCard* card() const;
    // Advances the animations to kitNow(); the frame timer calls it.
    void tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Presence;
    void sync();
    void placeCards();
    void answerKey(std::optional<int> choice);
    Spring spring() const;
    void updateContentFade(double backdrop);

    CandyDialog::Host host_;
    QPointer<QWidget> content_;
    CandyDialogCenter& center_;
    QUuid shownId_;
    std::vector<std::unique_ptr<Presence>> cards_;
    SpringValue backdrop_;
    QTimer frame_;
    QGraphicsOpacityEffect* contentFade_ = nullptr;  // owned by content_ while set
};

// Puts the dialog overlay of `host` over `content` and returns the frame that
// holds both; use the frame where the content would go.
QWidget* candyDialogHost(QWidget* content, CandyDialog::Host host,
                         CandyDialogCenter& center = CandyDialogCenter::shared());

}  // namespace sorbeta
