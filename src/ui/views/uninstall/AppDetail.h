#pragma once
// One application in the uninstall mode's main area: its name, icon, usage
// and version; the bundle and every leftover as rows to tick; how much the
// ticked items weigh; a running message with a quit button while anything
// of it runs; and the button that moves the ticked items to the Trash after
// a confirmation. What runs is read once a second on the worker pool while
// the pane is on screen. Named parts: "back", "icon", "name", "usage",
// "pickedTotal", "noLeftovers", "limitedNote", "running", "quitButton",
// "uninstallButton", and one "file:<path>" row per item.
#include <QAbstractButton>
#include <QDateTime>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <map>

#include "model/dialog/CandyDialog.h"
#include "model/uninstall/UninstallModel.h"
#include "ui/kit/CandyControls.h"

class QLabel;
class QShortcut;
class QVBoxLayout;

namespace sorbeta {

class CandyConfirm;
class ElidedKitText;

// One item: its check, kind chip, hint, path and size, with a reveal button
// that is faint until the pointer is over the row.
class FileRow final : public QAbstractButton {
    Q_OBJECT
public:
    struct Look {
        QString label;
        QString hint;
        int64_t bytes = 0;
        Flavor flavor = Flavor::grape;
        QString path;  // as shown: the home folder written "~"
    };
    FileRow(Path url, Look look, QWidget* parent = nullptr);
    void setOn(bool on);
    bool isOn() const { return check_->isOn(); }
    const Path& url() const { return url_; }
    const Look& look() const { return look_; }
    bool hovering() const { return hover_; }
    QAbstractButton* revealButton() const { return reveal_; }
    // 0.3 at rest, 1 while the pointer is over the row.
    double revealOpacity() const { return hover_ ? 1.0 : 0.3; }
    QSize sizeHint() const override;

signals:
    void revealRequested(const sorbeta::Path& url);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void nextCheckState() override {}

private:
    Path url_;
    Look look_;
    bool hover_ = false;
    JellyCheck* check_ = nullptr;
    QAbstractButton* reveal_ = nullptr;
};

class AppDetail final : public QWidget {
    Q_OBJECT
public:
    struct Services {
        std::filesystem::path home;      // written "~" in the paths
        std::filesystem::path dataHome;  // where the user's icons are
        CandyDialogCenter* dialogs = &CandyDialogCenter::shared();
        std::function<void(const Path&)> reveal;  // none: the file manager
        std::function<QDateTime()> now;           // none: the system clock
        std::function<bool()> limited;            // none: DiskScanner::limited
        int pollMilliseconds = 1000;
    };

    AppDetail(InstalledApp app, UninstallModel& model, Services services, QWidget* parent = nullptr);
    ~AppDetail() override;

    const InstalledApp& app() const { return app_; }
    // The pane shows the model's newest record of its application.
    void setApp(const InstalledApp& app);
    UninstallModel::RunState runState() const { return runState_; }
    // Reads the picks, the busy state and the run state again.
    void refresh();
    // What the uninstall button does: asks the confirmation.
    void askUninstall();
    // The back button and Escape.
    void goBack();
    std::vector<FileRow*> fileRows() const;
    // The ticked total as it will read once any count has settled.
    QString pickedTotalText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void rebuildRows();
    void poll();
    bool escapeGoesBack() const;

    InstalledApp app_;
    UninstallModel& model_;
    Services services_;
    UninstallModel::RunState runState_ = UninstallModel::RunState::none;
    bool polling_ = false;
    QTimer pollTimer_;
    QLabel* icon_ = nullptr;
    ElidedKitText* name_ = nullptr;
    QLabel* usage_ = nullptr;
    class PickedTotal;
    PickedTotal* total_ = nullptr;
    QWidget* rowsBox_ = nullptr;
    QVBoxLayout* rowsLayout_ = nullptr;
    QLabel* noLeftovers_ = nullptr;
    QLabel* limitedNote_ = nullptr;
    QLabel* running_ = nullptr;
    CandyButton* quit_ = nullptr;
    CandyButton* uninstall_ = nullptr;
    CandyButton* back_ = nullptr;
    QShortcut* escape_ = nullptr;
    CandyConfirm* confirm_ = nullptr;
    std::vector<Path> asked_;  // what the open confirmation lists
    std::vector<FileRow*> rows_;
};

}  // namespace sorbeta
