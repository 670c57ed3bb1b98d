#pragma once
// The tray icon that stands in for the menu-bar extra: a small jelly coloured
// by the share of free space, which opens a frameless panel window.
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "model/common/Flavor.h"

class QMenu;

namespace sorbeta {

// cloud before the volume was read (total below 1); then cherry below 5 % free,
// mango below 12 %, lime from 12 % on. Both bounds are exclusive on the low
// side: exactly 5 % is mango, exactly 12 % lime.
Flavor menuBarFlavor(int64_t totalBytes, int64_t freeBytes);

// The 18 × 16 jelly in the flavour's own colours (not a template image).
QIcon menuBarJellyIcon(Flavor flavor);

class MenuBarExtra final : public QObject {
    Q_OBJECT

public:
    explicit MenuBarExtra(QObject* parent = nullptr);
    ~MenuBarExtra() override;

    // Whether the desktop shows tray icons at all.
    static bool trayAvailable();

    Flavor flavor() const { return flavor_; }
    // The panel window the icon opens; its content is installed by the panel.
    QWidget* panel() const { return panel_.get(); }

    // Shows the icon (when the desktop has a tray).
    void show();

public slots:
    void setVolume(qint64 totalBytes, qint64 freeBytes);
    void togglePanel();

signals:
    void openMainWindow();
    void quitRequested();

private:
    Flavor flavor_ = Flavor::cloud;
    QSystemTrayIcon* tray_ = nullptr;
    std::unique_ptr<QMenu> contextMenu_;
    std::unique_ptr<QWidget> panel_;
};

}  // namespace sorbeta
