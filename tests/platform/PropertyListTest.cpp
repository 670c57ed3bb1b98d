#include "platform/PropertyList.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include "FileTree.h"
#include "TestEnvironment.h"

using namespace sorbeta;
using platform::parsePropertyList;

namespace {

QByteArray plist(const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" +
           body + "\n</plist>\n";
}

}  // namespace

TEST(PropertyList, ReadsEveryValueType) {
    const auto value = parsePropertyList(plist(R"(<dict>
        <!-- a comment -->
        <key>Name</key><string>Demo &amp; 中文</string>
        <key>Empty</key><string/>
        <key>Count</key><integer>-42</integer>
        <key>Hex</key><integer>0x1F</integer>
        <key>Big</key><integer>9223372036854775807</integer>
        <key>Ratio</key><real>2.5</real>
        <key>Yes</key><true/>
        <key>No</key><false/>
        <key>CreationDate</key><date>2024-03-05T10:11:12Z</date>
        <key>Blob</key><data>
            aGVs
            bG8=
        </data>
        <key>List</key><array><string>a</string><integer>1</integer><array/></array>
        <key>Nested</key><dict><key>Deep</key><dict/></dict>
    </dict>)"));
    ASSERT_TRUE(value);
    const QVariantMap map = value->toMap();
    EXPECT_EQ(map.value("Name"), QVariant(QStringLiteral("Demo & 中文")));
    EXPECT_EQ(map.value("Empty").typeId(), QMetaType::QString);
    EXPECT_EQ(map.value("Count"), QVariant(qint64(-42)));
    EXPECT_EQ(map.value("Hex"), QVariant(qint64(31)));
    EXPECT_EQ(map.value("Big"), QVariant(qint64(9223372036854775807)));
    EXPECT_EQ(map.value("Ratio"), QVariant(2.5));
    EXPECT_EQ(map.value("Yes"), QVariant(true));
    EXPECT_EQ(map.value("No"), QVariant(false));
    EXPECT_EQ(map.value("CreationDate").toDateTime(), QDateTime(QDate(2024, 3, 5), QTime(10, 11, 12), Qt::UTC));
    EXPECT_EQ(map.value("Blob").toByteArray(), QByteArray("hello"));
    const QVariantList list = map.value("List").toList();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[2].typeId(), QMetaType::QVariantList);
    EXPECT_EQ(map.value("Nested").toMap().value("Deep").typeId(), QMetaType::QVariantMap);
}

TEST(PropertyList, MalformedDocumentsAreUnreadable) {
    const QList<QByteArray> bad = {
        "",
        "bplist00\xd1\x01\x02",                                     // the binary form
        "<dict><key>a</key><string>b</string></dict>",              // no plist element
        plist(""),                                                  // no value
        plist("<string>a</string><string>b</string>"),              // two values
        plist("<dict><key>a</key></dict>"),                         // key without value
        plist("<dict><string>a</string></dict>"),                   // value without key
        plist("<dict><key>a</key><string>b</string>"),              // unclosed
        plist("<integer>12x</integer>"),                            // not a number
        plist("<integer>99999999999999999999</integer>"),           // beyond 64 bits
        plist("<date>yesterday</date>"),                            // not a date
        plist("<data>!!!</data>"),                                  // not base64
        plist("<string>a<b/>c</string>"),                           // markup inside a text
        plist("<colour>red</colour>"),                              // unknown type
        plist("<true>yes</true>"),                                  // a Boolean with content
        plist("<dict>stray<key>a</key><string>b</string></dict>"),  // loose text
    };
    for (const QByteArray& document : bad) EXPECT_FALSE(parsePropertyList(document)) << document.toStdString();

    // Nesting is bounded: 64 levels are read, far deeper ones are refused without exhausting the stack.
    EXPECT_TRUE(parsePropertyList(plist(QByteArray("<array>").repeated(64) + QByteArray("</array>").repeated(64))));
    EXPECT_FALSE(
        parsePropertyList(plist(QByteArray("<array>").repeated(100000) + QByteArray("</array>").repeated(100000))));
}

class PropertyListFileTest : public test::HomeTest {};

TEST_F(PropertyListFileTest, OnlyADictionaryInARegularFileOfModestSize) {
    test::FileTree tree(home());
    const auto good =
        tree.text("App.app/Contents/Info.plist",
                  plist("<dict><key>CFBundleShortVersionString</key><string>15.2</string></dict>").toStdString());
    const auto info = platform::readPropertyListDictionary(good);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->value("CFBundleShortVersionString"), QVariant(QStringLiteral("15.2")));

    EXPECT_FALSE(platform::readPropertyListDictionary(tree.text("array.plist", plist("<array/>").toStdString())));
    EXPECT_FALSE(platform::readPropertyListDictionary(home() / "missing.plist"));
    EXPECT_FALSE(platform::readPropertyListDictionary(tree.dir("folder.plist")));
    EXPECT_FALSE(platform::readPropertyListDictionary(tree.symlink(good, "link.plist")));
    EXPECT_FALSE(platform::readPropertyListDictionary(tree.sparse("huge.plist", 64 << 20)));
}
