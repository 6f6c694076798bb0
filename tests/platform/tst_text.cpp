// Numbers to text and back, characters and lengths.

#include "platform/drawing/color.h"
#include "platform/files/text.h"

#include <QTest>

#include <limits>

using namespace platform;

class TextTest : public QObject {
    Q_OBJECT

private slots:
    void val_data();
    void val();
    void strReadsBack_data();
    void strReadsBack();
    void toInt32_data();
    void toInt32();
    void chrAndLen();
    void rgbPacks();
};

void TextTest::val_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain digits") << QByteArray("2024") << 2024;
    QTest::newRow("leading blanks skipped") << QByteArray("   42") << 42;
    QTest::newRow("leading tab skipped") << QByteArray("\t7") << 7;
    QTest::newRow("minus sign") << QByteArray("-12") << -12;
    QTest::newRow("plus sign") << QByteArray("+5") << 5;
    QTest::newRow("fraction dropped") << QByteArray("12.9") << 12;
    QTest::newRow("negative fraction dropped towards zero") << QByteArray("-12.9") << -12;
    QTest::newRow("other character stops") << QByteArray("31日") << 31;
    QTest::newRow("trailing blank stops") << QByteArray("8 9") << 8;
    QTest::newRow("carriage return stops") << QByteArray("100\r") << 100;
    QTest::newRow("no number is 0") << QByteArray("True") << 0;
    QTest::newRow("empty is 0") << QByteArray("") << 0;
    QTest::newRow("sign alone is 0") << QByteArray("-") << 0;
    QTest::newRow("blank after sign is 0") << QByteArray("- 5") << 0;
    QTest::newRow("fraction only is 0") << QByteArray(".5") << 0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7;
    QTest::newRow("largest 32-bit") << QByteArray("2147483647") << std::numeric_limits<int>::max();
    QTest::newRow("smallest 32-bit") << QByteArray("-2147483648") << std::numeric_limits<int>::min();
    QTest::newRow("above range saturates") << QByteArray("2147483648") << std::numeric_limits<int>::max();
    QTest::newRow("below range saturates") << QByteArray("-2147483649") << std::numeric_limits<int>::min();
    QTest::newRow("far above range saturates") << QByteArray("99999999999999999999999") << std::numeric_limits<int>::max();
}

void TextTest::val()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    QCOMPARE(Val(std::string_view(text.constData(), static_cast<size_t>(text.size()))), expected);
}

void TextTest::strReadsBack_data()
{
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("zero") << 0LL << QByteArray("0");
    QTest::newRow("positive") << 2000LL << QByteArray("2000");
    QTest::newRow("negative") << -35LL << QByteArray("-35");
    QTest::newRow("smallest 32-bit") << -2147483648LL << QByteArray("-2147483648");
}

void TextTest::strReadsBack()
{
    QFETCH(qlonglong, value);
    QFETCH(QByteArray, text);
    QCOMPARE(QByteArray::fromStdString(Str(value)), text);
    QCOMPARE(Val(Str(value)), static_cast<int32_t>(value));
}

void TextTest::toInt32_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("fraction dropped") << 99.99 << 99;
    QTest::newRow("negative towards zero") << -1.5 << -1;
    QTest::newRow("above range saturates") << 1e12 << std::numeric_limits<int>::max();
    QTest::newRow("below range saturates") << -1e12 << std::numeric_limits<int>::min();
    QTest::newRow("not a number is 0") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TextTest::toInt32()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(ToInt32(value), expected);
}

void TextTest::chrAndLen()
{
    QCOMPARE(Chr(13), std::string("\r"));
    QCOMPARE(Chr(0x3000), std::string("\u3000"));
    QCOMPARE(Chr(-1), std::string());
    QCOMPARE(Chr(0xD800), std::string()); // a lone surrogate is no character
    QCOMPARE(Len("平成12年"), 5);           // characters, not bytes
    QCOMPARE(Len("透明度\u3000%"), 5);
    QCOMPARE(Len(""), 0);
    QCOMPARE(Len("\xF0\x9F\x97\xBE"), 1);
}

void TextTest::rgbPacks()
{
    QCOMPARE(RGB(0, 128, 0).packed, 0x008000u);
    QCOMPARE(RGB(255, 0, 0).Red(), 255);
    QCOMPARE(RGB(256, 0, 0).Red(), 0); // the low eight bits, as a packed value
}

QTEST_APPLESS_MAIN(TextTest)
#include "tst_text.moc"
