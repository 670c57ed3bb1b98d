#pragma once
// The sheet that shows a clean's share card and hands it on: saved as a PNG
// where the user picks, copied to the clipboard, or (once the picture is
// written to our private temporary folder) opened with the desktop's default
// application or shown in the file manager. Its parts are named (objectName):
// "preview", "note", "buttons", and the buttons "save", "copy", "share" (only
// once the temporary picture is written) and "close".
#include <QDialog>
#include <QImage>
#include <filesystem>
#include <functional>
#include <optional>

#include "model/scan/CleanReport.h"

class QLabel;
class QVBoxLayout;

namespace sorbeta {

class CandyButtonRow;
class ShareCardView;

class ShareCardSheet final : public QDialog {
    Q_OBJECT

public:
    // What the sheet asks of the desktop; tests replace them.
    struct Desktop {
        // The file to save to as the user named it, proposed as `proposed`;
        // empty when cancelled. Replacing that very file is confirmed there.
        std::function<QString(const QString& proposed)> chooseSaveFile;
        // Where the picture for sharing goes; none when there is no safe place.
        std::function<std::optional<std::filesystem::path>()> temporaryFolder;
        std::function<void(const QString& file)> open;
        std::function<void(const QString& file)> reveal;
    };

    explicit ShareCardSheet(CleanReport report, QWidget* parent = nullptr, Desktop desktop = {});

    const CleanReport& report() const { return report_; }
    // "Sorbeta-<year-month-day in UTC>.png"
    QString fileName() const;

    // Renders the card and writes the temporary picture; runs once, right
    // after the sheet first shows.
    void prepare();
    void save();
    void copy();

    const QImage& image() const { return image_; }
    const std::optional<QString>& temporaryFile() const { return fileURL_; }
    const std::optional<QString>& note() const { return note_; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The PNG file the user picks, ".png" added to a name without an
    // extension; empty when cancelled.
    QString pngFile(const QString& proposed);
    void rebuildButtons();
    void setNote(const QString& text);
    void share();

    CleanReport report_;
    Desktop desktop_;
    QImage image_;
    std::optional<QString> fileURL_;
    std::optional<QString> note_;
    bool prepared_ = false;
    QVBoxLayout* column_ = nullptr;
    ShareCardView* preview_ = nullptr;
    QLabel* noteLabel_ = nullptr;
    CandyButtonRow* buttons_ = nullptr;
};

}  // namespace sorbeta
