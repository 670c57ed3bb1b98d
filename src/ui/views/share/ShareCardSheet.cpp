#include "ui/views/share/ShareCardSheet.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/EntryInfo.h"
#include "platform/FileOps.h"
#include "platform/Places.h"
#include "platform/PrivateFolder.h"
#include "platform/Translate.h"
#include "ui/kit/CandyButtonRow.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/FileViewer.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/KitText.h"
#include "ui/kit/Theme.h"
#include "ui/views/share/ShareCard.h"
#include "ui/views/share/ShareCardLayout.h"

namespace sorbeta {
namespace {

QString askForSaveFile(QWidget* parent, const QString& proposed) {
    QFileDialog dialog(parent, sorbeta::tr("保存图片"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // No default suffix: Qt adds it only after a desktop's own dialog has
    // closed, so that dialog never asks about replacing the file it names.
    // The sheet adds the suffix itself (see pngFile).
    dialog.setMimeTypeFilters({QStringLiteral("image/png")});
    dialog.setDirectory(QFileInfo(proposed).absolutePath());
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

void openWithDesktop(const QString& file) { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); }

void revealWithFileManager(const QString& file) {
    revealInFileViewer({std::filesystem::path(QFile::encodeName(file).toStdString())});
}

// A name without an extension gets ".png", as a save dialog's default suffix
// would.
QString withPngSuffix(const QString& file) {
    return QFileInfo(file).fileName().contains(QLatin1Char('.')) ? file : file + QStringLiteral(".png");
}

// The Desktop when there is one, else the home folder.
QString proposedFolder() {
    const platform::Places places = platform::Places::fromEnvironment();
    std::error_code error;
    if (!places.desktop.empty() && std::filesystem::is_directory(places.desktop, error))
        return QString::fromStdString(places.desktop.string());
    return QString::fromStdString(places.home.string());
}

}  // namespace

ShareCardSheet::ShareCardSheet(CleanReport report, QWidget* parent, Desktop desktop)
    : QDialog(parent), report_(std::move(report)), desktop_(std::move(desktop)) {
    if (!desktop_.chooseSaveFile)
        desktop_.chooseSaveFile = [this](const QString& proposed) { return askForSaveFile(this, proposed); };
    if (!desktop_.temporaryFolder) desktop_.temporaryFolder = platform::privateTempFolder;
    if (!desktop_.open) desktop_.open = openWithDesktop;
    if (!desktop_.reveal) desktop_.reveal = revealWithFileManager;

    setWindowTitle(sorbeta::tr("清理战报"));
    setMinimumWidth(480);
    QPalette background = palette();
    background.setColor(QPalette::Window, Theme::paper());
    setPalette(background);

    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(26, 26, 26, 26);
    column_->setSpacing(16);
    column_->setSizeConstraint(QLayout::SetMinimumSize);
    QLabel* title = makeKitText(sorbeta::tr("清理战报"), roundedFont(22, QFont::ExtraBold), Theme::ink(), this);
    column_->addWidget(title, 0, Qt::AlignHCenter);
    preview_ = new ShareCardView(report_, this);
    preview_->setObjectName(QStringLiteral("preview"));
    column_->addWidget(preview_, 0, Qt::AlignHCenter);
    noteLabel_ = makeKitText(QString(), roundedFont(12), Theme::inkSoft(), this);
    noteLabel_->setObjectName(QStringLiteral("note"));
    noteLabel_->setAlignment(Qt::AlignCenter);
    noteLabel_->setWordWrap(true);
    // A fixed width lets the column give the wrapped lines their full height.
    noteLabel_->setFixedWidth(360);
    column_->addWidget(noteLabel_, 0, Qt::AlignHCenter);
    setNote(sorbeta::tr("存下来发到小红书、Instagram，或者用隔空投送传到手机。"));
    note_.reset();  // the hint is not a note
    rebuildButtons();
}

QString ShareCardSheet::fileName() const { return ShareCardLayout::fileName(report_.date); }

void ShareCardSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // After the sheet is on screen, so it opens at once.
    if (!prepared_) QTimer::singleShot(0, this, &ShareCardSheet::prepare);
}

void ShareCardSheet::prepare() {
    if (prepared_) return;
    prepared_ = true;
    QImage image = ShareCard::render(report_);
    if (image.isNull()) return;
    const std::optional<QByteArray> data = ShareCard::png(image);
    if (!data) return;
    image_ = std::move(image);
    const std::optional<std::filesystem::path> folder = desktop_.temporaryFolder();
    if (!folder) return;
    const std::filesystem::path file = *folder / fileName().toStdString();
    if (!platform::writeFileAtomically(file, std::string_view(data->constData(), std::size_t(data->size())))) return;
    fileURL_ = QString::fromStdString(file.string());
    rebuildButtons();
}

void ShareCardSheet::save() {
    if (image_.isNull()) return;
    const std::optional<QByteArray> data = ShareCard::png(image_);
    if (!data) return;
    const QString chosen = pngFile(QDir(proposedFolder()).filePath(fileName()));
    if (chosen.isEmpty()) return;
    // Written beside the target and renamed over it: a full disk never
    // leaves half a picture in place of the old one.
    QSaveFile file(chosen);
    if (!file.open(QIODevice::WriteOnly) || file.write(*data) != data->size() || !file.commit()) {
        // Said in place of an earlier save's note, which would point at the old picture.
        setNote(sorbeta::tr("没能保存图片"));
        return;
    }
    setNote(sorbeta::tr("已保存到「%1」").arg(QFileInfo(chosen).absoluteDir().dirName()));
}

QString ShareCardSheet::pngFile(const QString& proposed) {
    QString chosen = desktop_.chooseSaveFile(proposed);
    while (!chosen.isEmpty()) {
        const QString file = withPngSuffix(chosen);
        // The dialog asked about replacing the name as typed, never about the
        // one with the suffix: a picture of that name is offered again, so
        // the dialog asks before it is replaced.
        if (file == chosen || platform::presenceOf(QFile::encodeName(file).toStdString()) == platform::Presence::absent)
            return file;
        chosen = desktop_.chooseSaveFile(file);
    }
    return {};
}

void ShareCardSheet::copy() {
    if (image_.isNull()) return;
    QGuiApplication::clipboard()->setImage(image_);
    setNote(sorbeta::tr("已拷贝，可以直接粘贴"));
}

void ShareCardSheet::share() {
    if (!fileURL_) return;
    QMenu menu(this);
    const QString file = *fileURL_;
    menu.addAction(sorbeta::tr("用默认应用打开"), this, [this, file] { desktop_.open(file); });
    menu.addAction(sorbeta::tr("在访达中显示"), this, [this, file] { desktop_.reveal(file); });
    QWidget* button = findChild<QWidget*>(QStringLiteral("share"));
    menu.exec(button ? button->mapToGlobal(QPoint(0, button->height())) : QCursor::pos());
}

void ShareCardSheet::setNote(const QString& text) {
    note_ = text;
    noteLabel_->setText(text);
}

void ShareCardSheet::rebuildButtons() {
    struct Spec {
        const char* name;
        QString title;
        Flavor flavor;
        void (ShareCardSheet::*action)();
    };
    std::vector<Spec> specs = {{"save", sorbeta::tr("保存图片"), Flavor::strawberry, &ShareCardSheet::save},
                               {"copy", sorbeta::tr("拷贝图片"), Flavor::sky, &ShareCardSheet::copy}};
    if (fileURL_) specs.push_back({"share", sorbeta::tr("分享…"), Flavor::grape, &ShareCardSheet::share});
    specs.push_back({"close", sorbeta::tr("关闭"), Flavor::cloud, &ShareCardSheet::reject});
    std::vector<CandyButton*> buttons;
    for (const Spec& spec : specs) {
        auto* button = new CandyButton(spec.title, spec.flavor, true, 36);
        button->setObjectName(QString::fromLatin1(spec.name));
        connect(button, &QAbstractButton::clicked, this, spec.action);
        buttons.push_back(button);
    }
    auto* row = new CandyButtonRow(std::move(buttons), 10, this);
    row->setObjectName(QStringLiteral("buttons"));
    if (buttons_) {
        column_->replaceWidget(buttons_, row);
        buttons_->deleteLater();
        buttons_->setObjectName(QString());
        for (QObject* old : buttons_->children()) old->setObjectName(QString());
    } else {
        column_->addWidget(row, 0, Qt::AlignHCenter);
    }
    column_->setAlignment(row, Qt::AlignHCenter);
    buttons_ = row;
    adjustSize();
}

void ShareCardSheet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Theme::paper());
    // The preview floats on a soft grape shadow.
    QPainterPath card;
    card.addRoundedRect(QRectF(preview_->geometry()), 28, 28);
    const ImageEffects::Layer shadow = ImageEffects::dropShadow(card, rgba(161, 102, 255, 0.25), 18, QPointF(0, 10),
                                                                ImageEffects::pixelRatioOf(painter));
    ImageEffects::drawLayer(painter, shadow);
}

}  // namespace sorbeta
