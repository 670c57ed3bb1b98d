// Every interface language, drawn at the default size: the main window with a
// scanned home in each mode the mode switch offers, the clean confirmation,
// the toast after the clean, the holding sheet and every settings section.
// A text that does not fit where it is drawn fails, named with its widget.
// Two made-up languages stretch the texts further than a translation may:
// every English word 40 % longer, and Thai letters with marks above and
// below. They run with SORBETA_PSEUDO_LANGUAGES=1, to try new texts early.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <fstream>

#include "TestEnvironment.h"
#include "TextFit.h"
#include "TsFiles.h"
#include "WindowParts.h"
#include "app/AppServices.h"
#include "app/SorbetaApp.h"
#include "model/scan/AppModel.h"
#include "model/shell/AppLanguage.h"
#include "platform/Defaults.h"
#include "ui/kit/CandyDialogView.h"
#include "ui/kit/KitClock.h"
#include "ui/map/MapLayout.h"
#include "ui/views/clean/HoldingSheet.h"
#include "ui/views/clean/SidePanelParts.h"
#include "ui/views/settings/SettingsView.h"

using namespace sorbeta;
using namespace sorbeta::test;
namespace fs = std::filesystem;

namespace {

constexpr char kLongPseudo[] = "pseudo-long";
constexpr char kTallPseudo[] = "pseudo-tall";

// The English text of each source, reworded by `reword`: stands in for a
// language whose translation has not landed yet.
class PseudoTranslator final : public QTranslator {
public:
    explicit PseudoTranslator(bool tall) : tall_(tall) {
        [[maybe_unused]] const bool loaded = english_.load(AppLanguage::translationResource(QStringLiteral("en")));
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        QString english = english_.translate(context, source, disambiguation, n);
        if (english.isEmpty()) return {};
        return tall_ ? thaiLike(english) : longer(english);
    }

private:
    // Each word gains 40 % of its letters (placeholders stay as they are).
    static QString longer(const QString& text) {
        QString out;
        for (qsizetype i = 0; i < text.size();) {
            if (!text[i].isLetter() || (i > 0 && text[i - 1] == u'%')) {
                out += text[i++];
                continue;
            }
            qsizetype end = i;
            while (end < text.size() && text[end].isLetter()) ++end;
            const QString word = text.mid(i, end - i);
            out += word + word.left((word.size() * 2 + 4) / 5).toLower();
            i = end;
        }
        return out;
    }
    // Each letter becomes a Thai consonant carrying a vowel and a tone mark.
    static QString thaiLike(const QString& text) {
        static const QStringList clusters = {QStringLiteral("ปั้"), QStringLiteral("ญู"), QStringLiteral("ฏิ่"),
                                             QStringLiteral("ฐุ"), QStringLiteral("ฝี้"), QStringLiteral("ฎึ")};
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            const bool placeholder = i > 0 && text[i - 1] == u'%';
            out += c.isLetter() && c.unicode() < 0x80 && !placeholder ? clusters[c.unicode() % clusters.size()]
                                                                      : QString(c);
        }
        return out;
    }

    bool tall_;
    QTranslator english_;
};

void writeBytes(const fs::path& path, std::size_t bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    const std::string block(64 * 1024, 'x');
    for (std::size_t written = 0; written < bytes; written += block.size()) out << block;
}

// Every interface text as the installed translators show it, for telling a
// text cut short from a whole one or from a name read from the disk.
QStringList shownTexts() {
    QStringList texts;
    for (const auto& [source, message] : readTs(tsPath(QStringLiteral("en"))).messages) {
        const QByteArray key = source.toUtf8();
        for (int n : {-1, 1, 2, 5, 11, 100}) {
            const QString shown = QCoreApplication::translate("Sorbeta", key.constData(), nullptr, n);
            for (const QString& piece : shown.split(QRegularExpression(QStringLiteral("%L?[0-9n]+|\n"))))
                if (piece.trimmed().size() >= 2 && !texts.contains(piece.trimmed())) texts << piece.trimmed();
            if (!message.numerus) break;
        }
    }
    return texts;
}

FitRules fitRulesFor(const QStringList& texts) {
    FitRules rules;
    rules.isCutInterfaceText = [texts](const QString& line) {
        const qsizetype ellipsis = line.indexOf(QChar(0x2026));
        if (ellipsis < 0) return false;
        for (const QString& text : texts)
            if (text.contains(line.trimmed())) return false;  // the ellipsis is the text's own
        // What was kept stands before the ellipsis, or after it in a
        // right-to-left line (its runs are joined in visual order).
        QString kept;
        for (QString piece : line.split(QChar(0x2026))) {
            piece = piece.trimmed();
            while (!piece.isEmpty() && !piece.front().isLetter()) piece.remove(0, 1);
            if (piece.size() > kept.size()) kept = piece;
        }
        if (kept.size() < 2) return false;
        for (const QString& text : texts)
            if (text.contains(kept)) return true;
        return false;
    };
    // A path keeps its start and end and loses its middle by design.
    rules.cutByDesign = [](const QWidget*, const DrawnLine& line) {
        const qsizetype ellipsis = line.text.indexOf(QChar(0x2026));
        return ellipsis > 0 && ellipsis < line.text.trimmed().size() - 1 && line.text.contains(u'/');
    };
    // The map draws its labels into pictures; their titles shrink to 0.7 and
    // then are cut by the map's own rule, tested with its layout.
    rules.skip = [](const QWidget* widget) {
        return dynamic_cast<const JellyMapView*>(widget) != nullptr || dynamic_cast<const ScanningJelly*>(widget);
    };
    return rules;
}

class LanguageRenderingTest : public HomeTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        const fs::path& h = home();
        writeBytes(h / "Library/Logs/SomeApp/old.log", 3 * 1024 * 1024);
        writeBytes(h / ".cache/thumbnails/large/a.png", 2 * 1024 * 1024);
        writeBytes(h / "Downloads/setup-tool.deb", 4 * 1024 * 1024);
        writeBytes(h / "Documents/report.pdf", 6 * 1024 * 1024);
        writeBytes(h / "Pictures/holiday.jpg", 5 * 1024 * 1024);
        writeBytes(h / ".local/share/Trash/files/old.txt", 2 * 1024 * 1024);
        platform::Defaults().setValue("holdCleaned", true);
        previousLocale_ = QLocale();
    }
    void TearDown() override {
        // Leave the process as other tests expect it: Chinese keys, left to right.
        for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) delete translator;
        pseudo_.reset();
        QLocale::setDefault(previousLocale_);
        QApplication::setLayoutDirection(Qt::LeftToRight);
        HomeTest::TearDown();
    }

    // Installs the language as the application does at start-up.
    void installLanguage(const QString& code) {
        if (code == QLatin1String(kLongPseudo) || code == QLatin1String(kTallPseudo)) {
            if (qEnvironmentVariableIsEmpty("SORBETA_PSEUDO_LANGUAGES"))
                GTEST_SKIP() << "made-up languages run with SORBETA_PSEUDO_LANGUAGES=1";
            pseudo_ = std::make_unique<PseudoTranslator>(code == QLatin1String(kTallPseudo));
            QCoreApplication::installTranslator(pseudo_.get());
            QLocale::setDefault(
                QLocale(code == QLatin1String(kTallPseudo) ? QStringLiteral("th") : QStringLiteral("es")));
            return;
        }
        AppLanguage::choose(code, [] {});
        ASSERT_EQ(AppLanguage::startUp(), code);
    }

    // Lets every spring and fade arrive.
    void settle() {
        for (int i = 0; i < 4; ++i) {
            clock_.advance(10);
            QTest::qWait(20);
        }
    }

    void check(QWidget* root, const char* what) {
        settle();
        // A text set by the last event (a rescan keeps changing the summary)
        // has its layout request still queued: lay out before measuring.
        for (int pass = 0; pass < 3; ++pass) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (const QString& problem : unfittedTexts(root, rules_))
            ADD_FAILURE() << GetParam() << " · " << what << " · " << problem.toStdString();
    }

    ManualKitClock clock_;
    FitRules rules_;

private:
    std::unique_ptr<PseudoTranslator> pseudo_;
    QLocale previousLocale_;
};

TEST_P(LanguageRenderingTest, EveryTextFitsItsBox) {
    installLanguage(QString::fromLatin1(GetParam()));
    if (IsSkipped() || HasFatalFailure()) return;
    rules_ = fitRulesFor(shownTexts());

    SorbetaApp app;
    app.start();
    QMainWindow* window = mainWindow();
    ASSERT_NE(window, nullptr);
    AppModel& model = app.services().model();
    ASSERT_TRUE(waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 60000));
    WorkingView* working = test::working(content(window));
    ASSERT_NE(working, nullptr);
    ASSERT_EQ(working->size(), QSize(SorbetaApp::kDefaultWidth, SorbetaApp::kDefaultHeight));

    for (const auto& segment : modeSwitch(working)->segments()) {
        QTest::mouseClick(modeSwitch(working), Qt::LeftButton, {}, segment.rect.center().toPoint());
        ASSERT_EQ(working->mode(), segment.mode);
        check(window, modeKey(segment.mode));
    }
    QTest::mouseClick(modeSwitch(working), Qt::LeftButton, {},
                      modeSwitch(working)->segments().front().rect.center().toPoint());

    // The clean confirmation, then the toast of the clean it confirmed.
    SidePanel* panel = sidePanel(working);
    ASSERT_TRUE(cleanButton(panel)->isEnabled());
    QTest::mouseClick(cleanButton(panel), Qt::LeftButton);
    auto* overlay = window->findChild<CandyDialogOverlay*>();
    ASSERT_TRUE(waitUntil([&] { return overlay->card() != nullptr; }, 10000));
    check(window, "confirmation");
    QTest::mouseClick(overlay->card()->button(0), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return model.lastBatch().has_value() && freedToast(working) != nullptr; }, 60000));
    check(window, "toast");
    ASSERT_TRUE(waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 60000));

    emit content(window)->showHolding();
    auto* sheet = window->findChild<HoldingSheet*>();
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(waitUntil([&] { return child<QWidget>(sheet, "batch") != nullptr; }, 10000));
    check(sheet, "holding sheet");
    sheet->close();

    app.openSettings();
    QWidget* settings = app.settingsWindow();
    ASSERT_NE(settings, nullptr);
    for (const SectionLook& look : settingsSections()) {
        const QByteArray name = QByteArray("section:") + look.name;
        auto* button = child<QAbstractButton>(settings, name.constData());
        ASSERT_NE(button, nullptr) << name.constData();
        QTest::mouseClick(button, Qt::LeftButton);
        check(settings, name.constData());
    }
}

// Arabic reads right to left: the window, the map's placements and the side
// panel are mirrored, while a size still reads number first, then unit.
TEST_F(LanguageRenderingTest, ArabicMirrorsTheWindowButNotItsFigures) {
    installLanguage(QStringLiteral("ar"));
    SorbetaApp app;
    app.start();
    if (AppServices::layoutDirection() != Qt::RightToLeft)
        GTEST_SKIP() << "this process fixed its layout direction in an earlier test; ctest runs each test on its own";
    QMainWindow* window = mainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(window->layoutDirection(), Qt::RightToLeft);
    AppModel& model = app.services().model();
    ASSERT_TRUE(waitUntil([&] { return model.scanComplete() && model.phase().isIdle(); }, 60000));
    settle();
    WorkingView* working = test::working(content(window));

    // The side column stands on the right, the map on the left of it.
    const QRect column = sidePanelFor(working, AppMode::uninstall)->geometry();
    EXPECT_EQ(working->width() - 1 - column.right(), WorkingView::frames(working->size()).sideColumn.left());
    EXPECT_GT(sidePanel(working)->geometry().center().x(), map(working)->geometry().right());
    EXPECT_GT(modeSwitch(working)->geometry().center().x(), working->width() / 2);
    // Each jelly stands where a left-to-right map of the same nodes has it, mirrored.
    const JellyMapView* jellies = map(working);
    ASSERT_GE(jellies->placed().size(), 2u);
    std::vector<MapNode> nodes;
    for (const PlacedNode& placed : jellies->placed()) nodes.push_back(placed.node);
    const auto leftToRight = MapLayout::layout(nodes, QRectF(QPointF(0, 0), QSizeF(jellies->size())));
    for (std::size_t i = 0; i < nodes.size(); ++i)
        EXPECT_NEAR(jellies->placed()[i].rect.center().x(), jellies->width() - leftToRight[i].rect.center().x(), 8.0)
            << nodes[i].id;

    // Sizes keep their reading order: "3.1 M", never "M 3.1".
    const QRegularExpression unitFirst(QStringLiteral("\\b[BKMGT] +[0-9]"));
    int sizes = 0;
    for (QWidget* widget : working->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(working)) continue;
        for (const DrawnLine& line : drawnLines(widget)) {
            EXPECT_FALSE(unitFirst.match(line.text).hasMatch())
                << widgetPath(widget, working).toStdString() << ": " << line.text.toStdString();
            if (QRegularExpression(QStringLiteral("^\\x{200E}?[0-9.]+ [BKMG]$")).match(line.text.trimmed()).hasMatch())
                ++sizes;
        }
    }
    EXPECT_GT(sizes, 0);
}

// The checker itself: it must see what a label, a button and a painted
// widget draw, and tell a cut interface text from a whole one or a name.
TEST(TextFit, FindsTextsThatReachPastTheirBoxes) {
    QWidget window;
    window.resize(300, 200);
    auto* fits = new QLabel(QStringLiteral("Clean"), &window);
    fits->setGeometry(0, 0, 200, 30);
    auto* tooNarrow = new QLabel(QStringLiteral("A sentence far too long for its label"), &window);
    tooNarrow->setObjectName(QStringLiteral("narrow"));
    tooNarrow->setGeometry(0, 40, 60, 30);
    auto* button = new QPushButton(QStringLiteral("Restore everything now"), &window);
    button->setGeometry(0, 80, 50, 30);
    auto* wrapped = new QLabel(QStringLiteral("one two three four five six seven"), &window);
    wrapped->setWordWrap(true);
    wrapped->setGeometry(0, 120, 60, 20);  // wraps onto more lines than it has room for: two lines fail
    auto* elided = new QLabel(
        QFontMetrics(QFont()).elidedText(QStringLiteral("Holding Area of today"), Qt::ElideRight, 80), &window);
    elided->setGeometry(100, 0, 200, 30);
    auto* name = new QLabel(QStringLiteral("Downloads/setu…tool.deb"), &window);
    name->setGeometry(100, 40, 200, 30);
    window.show();

    EXPECT_EQ(drawnLines(fits).size(), 1u);
    EXPECT_EQ(drawnLines(fits).front().text, QStringLiteral("Clean"));
    const FitRules rules = fitRulesFor({QStringLiteral("Holding Area of today"), QStringLiteral("Settings…")});
    const QStringList problems = unfittedTexts(&window, rules);
    EXPECT_EQ(problems.size(), 5) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems.join(u'\n').contains(QStringLiteral("QLabel#narrow: \"A sentence")))
        << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems.join(u'\n').contains(QStringLiteral("is cut short")));
    EXPECT_FALSE(rules.isCutInterfaceText(QStringLiteral("Settings…")));
    EXPECT_FALSE(rules.isCutInterfaceText(QStringLiteral("Cameraroll…")));
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageRenderingTest,
                         ::testing::Values("zh-Hans", "en", "ko", "ja", "zh-Hant", "th", "vi", "es", "ar", kLongPseudo,
                                           kTallPseudo),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
