#include "ui/kit/KitText.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QTextDocument>

#include "InkedColumns.h"
#include "ui/kit/Theme.h"

using namespace sorbeta;
using test::inkedColumns;

TEST(KitText, PlainTextOnTheInterfacesLeadingEdge) {
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QWidget parent;
        parent.setLayoutDirection(direction);
        QLabel* label = makeKitText(QStringLiteral("<b>没有需要确认的项目</b>"), roundedFont(13), Qt::black, &parent);
        // Names are never read as markup.
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        label->resize(600, 24);
        QImage image(label->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        label->render(&image);
        const auto [first, last] = inkedColumns(image);
        ASSERT_GE(last, 0);
        // A Chinese text in a right-to-left window stands on the right, as
        // every other part of the panel does.
        if (direction == Qt::RightToLeft) {
            EXPECT_GT(first, 300);
            EXPECT_GT(last, 590);
        } else {
            EXPECT_LT(first, 4);
            EXPECT_LT(last, 300);
        }
    }
}

TEST(KitText, PlainToolTipsShowTheirTextVerbatim) {
    // Tags, entities, quotes, runs of spaces and line breaks all come through
    // as they are written; none of them is read as markup.
    const QString text = QStringLiteral("<b>报告</b> &amp; \"x\"  'y'\n第二行 <br> <img src=a>");
    const QString tip = plainToolTip(text);
    EXPECT_TRUE(Qt::mightBeRichText(tip));  // so Qt takes it as the paragraph it is
    QTextDocument shown;
    shown.setHtml(tip);
    EXPECT_EQ(shown.toPlainText(), text);
    EXPECT_EQ(plainToolTip(QString()), QString());
}
