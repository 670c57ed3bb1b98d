#pragma once
// The settings window's content, 700 × 560: a column of section buttons on
// the left and, on the right, the chosen section's title and page in a
// scroll area that starts at the top for every section. It opens on the
// general section. Parts are named (objectName): one "section:<name>"
// button per section, "title", "scroll" and "page".
#include <QAbstractButton>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "model/common/Flavor.h"
#include "ui/kit/CandyControls.h"
#include "ui/views/settings/SettingsContext.h"

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace sorbeta {

enum class SettingsSection { general, alerts, autoClean, access, about };

struct SectionLook {
    SettingsSection section;
    const char* name;    // "general", "alerts", "autoClean", "access", "about"
    const char* title;   // the Chinese key
    const char* symbol;  // symbol name
    Flavor flavor;       // of the icon tile
};

const std::array<SectionLook, 5>& settingsSections();
// None for any other name.
std::optional<SettingsSection> sectionNamed(const QString& name);

// One entry of the section list: the symbol on its gradient tile and the
// title, on a white capsule that shows selection (0.9) and hover (0.5).
class SectionButton final : public QAbstractButton {
public:
    SectionButton(const SectionLook& look, QWidget* parent = nullptr);
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }
    bool isHovered() const { return hover_; }
    // The background's opacity as it is drawn now (animating towards its target).
    double fillOpacity() const;
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void retarget();

    SectionLook look_;
    bool selected_ = false;
    bool hover_ = false;
    double from_ = 0, to_ = 0, startedAt_ = 0;
    FrameTicker ticker_{this};
};

class SettingsView final : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{700, 560};
    static constexpr int kColumnWidth = 190;

    explicit SettingsView(SettingsContext context, QWidget* parent = nullptr);

    SettingsSection section() const { return section_; }
    void setSection(SettingsSection section);
    QWidget* page() const { return page_; }
    QScrollArea* scrollArea() const { return scroll_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makePage(SettingsSection section);

    SettingsContext context_;
    SettingsSection section_ = SettingsSection::general;
    std::vector<SectionButton*> buttons_;
    QVBoxLayout* right_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* page_ = nullptr;
};

}  // namespace sorbeta
