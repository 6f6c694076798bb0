// The clock, the screens, the colour picker and the Japanese font as the
// layer gives them.

#include "platform/system/date.h"
#include "platform/application/testing.h"
#include "platform/system/screen.h"
#include "platform/windows/selectcolor.h"
#include "platform/windows/uifont_p.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using namespace platform;

class ServicesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        testing::ResetNow();
        testing::ResetScreens();
        testing::SetColorChoice(nullptr);
    }

    void dateFromTheSetClock_data();
    void dateFromTheSetClock();
    void dateFollowsTheRealClock();
    void screensFromQtPrimaryFirst();
    void screensSetByATest();
    void selectColorConfirmedOrCancelled();
    void japaneseGothicChoice_data();
    void japaneseGothicChoice();
};

void ServicesTest::dateFromTheSetClock_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("dayOfWeek");
    QTest::newRow("a Sunday is 1") << 2024 << 11 << 3 << 1;
    QTest::newRow("a Monday is 2") << 2024 << 11 << 4 << 2;
    QTest::newRow("a Saturday is 7") << 2024 << 11 << 9 << 7;
    QTest::newRow("leap day") << 2024 << 2 << 29 << 5;
    QTest::newRow("new year 2000") << 2000 << 1 << 1 << 7;
}

void ServicesTest::dateFromTheSetClock()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, dayOfWeek);
    testing::SetNow(year, month, day, 23, 59, 58);
    const Date now;
    QCOMPARE(now.Year(), year);
    QCOMPARE(now.Month(), month);
    QCOMPARE(now.Day(), day);
    QCOMPARE(now.DayOfWeek(), dayOfWeek);
    QCOMPARE(now.Hour(), 23);
    QCOMPARE(now.Second(), 58);
}

void ServicesTest::dateFollowsTheRealClock()
{
    testing::SetNow(1999, 1, 1);
    testing::ResetNow();
    const QDate today = QDate::currentDate();
    const Date now;
    if (QDate::currentDate() != today)
        QSKIP("midnight passed during the test");
    QCOMPARE(now.Year(), today.year());
    QCOMPARE(now.Month(), today.month());
    QCOMPARE(now.Day(), today.day());
}

void ServicesTest::screensFromQtPrimaryFirst()
{
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(ScreenCount(), static_cast<int32_t>(QGuiApplication::screens().size()));
    QCOMPARE(Screen(0).Width, primary.width());
    QCOMPARE(Screen(0).Height, primary.height());
    QCOMPARE(Screen(ScreenCount()).Width, 0); // out of range: an empty screen
    QCOMPARE(Screen(-1).Height, 0);
}

void ServicesTest::screensSetByATest()
{
    testing::SetScreens({{0, 0, 1024, 768}, {1024, 0, 1920, 1080}});
    QCOMPARE(ScreenCount(), 2);
    QCOMPARE(Screen(0).Width, 1024);
    QCOMPARE(Screen(1).Left, 1024);
    QCOMPARE(Screen(1).Height, 1080);
}

void ServicesTest::selectColorConfirmedOrCancelled()
{
    QString prompt;
    testing::SetColorChoice([&](Color initial, std::string_view text) -> std::optional<Color> {
        prompt = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        return initial == RGB(255, 255, 255) ? std::optional<Color>(RGB(0, 0, 128)) : std::nullopt;
    });
    Color color = RGB(255, 255, 255);
    QVERIFY(SelectColor(color, "背景色を選択"));
    QCOMPARE(color, RGB(0, 0, 128)); // confirmed: written back
    QCOMPARE(prompt, QStringLiteral("背景色を選択"));
    QVERIFY(!SelectColor(color, "x")); // cancelled: left as it was
    QCOMPARE(color, RGB(0, 0, 128));
}

void ServicesTest::japaneseGothicChoice_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("japanese"); // what fontconfig offers for Japanese
    QTest::addColumn<QString>("chosen");
    const QString fallback = QStringLiteral("DejaVu Sans");

    QTest::newRow("IPAGothic first") << QStringList{"DejaVu Sans", "Noto Sans CJK JP", "IPAGothic"}
                                     << QStringList{"Noto Sans CJK JP", "IPAGothic"} << "IPAGothic";
    QTest::newRow("IPAGothic in any letter case") << QStringList{"ipagothic"} << QStringList{"ipagothic"}
                                                  << "IPAGothic";
    QTest::newRow("the proportional IPA face is not IPAGothic")
        << QStringList{"IPAPGothic", "Noto Sans CJK JP"} << QStringList{"IPAPGothic", "Noto Sans CJK JP"}
        << "Noto Sans CJK JP";
    QTest::newRow("then Noto Sans CJK JP, even when fontconfig does not list it for Japanese")
        << QStringList{"DejaVu Sans", "Noto Sans CJK JP"} << QStringList{} << "Noto Sans CJK JP";
    QTest::newRow("then a gothic face offered for Japanese before a mincho")
        << QStringList{"IPAMincho", "TakaoGothic"} << QStringList{"IPAMincho", "TakaoGothic"} << "TakaoGothic";
    QTest::newRow("a sans face counts as gothic")
        << QStringList{"Noto Serif CJK JP", "Source Han Sans JP"}
        << QStringList{"Noto Serif CJK JP", "Source Han Sans JP"} << "Source Han Sans JP";
    QTest::newRow("then whatever is offered for Japanese")
        << QStringList{"IPAMincho"} << QStringList{"IPAMincho", "Sawarabi Mincho"} << "IPAMincho";
    QTest::newRow("nothing for Japanese: the application's font") << QStringList{"DejaVu Sans"} << QStringList{}
                                                                  << fallback;
    QTest::newRow("no fonts at all") << QStringList{} << QStringList{} << fallback;
}

void ServicesTest::japaneseGothicChoice()
{
    QFETCH(QStringList, installed);
    QFETCH(QStringList, japanese);
    QFETCH(QString, chosen);
    QCOMPARE(detail::ChooseJapaneseGothic(installed, japanese, QStringLiteral("DejaVu Sans")), chosen);
}

QTEST_MAIN(ServicesTest)
#include "tst_services.moc"
