// The built program on a real X server: opening, navigation, midnight,
// the restored settings and the keyboard's quit.

#include "xsession.h"

using namespace e2e;

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensOnTodayAndNavigates();
    void followsMidnight();
    void restoresSmallModeTransparencyAndIcon();
    void quitsFromTheKeyboardAndSaves();

private:
    std::unique_ptr<XServer> server_;
};

void TestEndToEnd::initTestCase()
{
    if (const QString missing = missingTool(); !missing.isEmpty())
        QFAIL(qPrintable(missing));
    server_ = std::make_unique<XServer>();
    if (!server_->start())
        QSKIP("no X server could be started here");
}

void TestEndToEnd::opensOnTodayAndNavigates()
{
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path());
    tovy.parkPointer();
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    TRY_COMPARE(tovy.size(id), QSize(102, 114));
    TRY_COMPARE(tovy.title(id), QStringLiteral("12.10.木"));
    // With the icon picture off, the program's own 256 by 256 icon.
    TRY_COMPARE(tovy.icon(id).size(), QSize(256, 256));

    const Capture opening = tovy.settledPicture(id);
    QVERIFY(opening.isValid());
    QCOMPARE(QSize(opening.width, opening.height), QSize(102, 114));

    // The month display lies between the button row and the settings and
    // shrink buttons, so that neither a pressed button nor the pointer over
    // the window changes it: only another month does.
    constexpr int kMonthFrom = 14;
    constexpr int kMonthTo = 102;
    tovy.click(id, 70, 6); // next month
    tovy.parkPointer();
    const auto showsAnotherMonth = [&] {
        const Capture now = tovy.picture(id);
        return now.isPainted() && now.rows(kMonthFrom, kMonthTo) != opening.rows(kMonthFrom, kMonthTo);
    };
    TRY_VERIFY(showsAnotherMonth());

    tovy.click(id, 50, 6); // back to the current month
    tovy.parkPointer();
    TRY_COMPARE(tovy.picture(id).pixels, opening.pixels);
    QCOMPARE(tovy.title(id), QStringLiteral("12.10.木"));
}

void TestEndToEnd::followsMidnight()
{
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path());
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    TRY_COMPARE(tovy.title(id), QStringLiteral("12.10.木"));

    tovy.setClock(QString::fromLatin1(kJustBeforeMidnight));
    TRY_COMPARE(tovy.title(id), QStringLiteral("12.11.金"));
}

void TestEndToEnd::restoresSmallModeTransparencyAndIcon()
{
    QTemporaryDir config;
    // Small mode, a cream background, 75 per cent, the icon on in mode 2
    // (the day).
    writeSettings(config, "100\n100\n255\n240\n200\nTrue\n75\nTrue\n2\n");
    constexpr quint32 kCream = 0xfffff0c8;
    Tovy tovy(server_->display(), config.path());
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    TRY_COMPARE(tovy.size(id), QSize(19, 14));
    // The window system keeps opacity in steps of 1/255.
    TRY_VERIFY(qAbs(tovy.opacity(id) - 0.75) < 0.005);

    TRY_COMPARE(tovy.icon(id).size(), QSize(kTileSide, kTileSide));
    const Icon before = tovy.icon(id);
    QVERIFY2(drawnPictureFault(before, kCream).isEmpty(), qPrintable(drawnPictureFault(before, kCream)));

    // At midnight the day picture is drawn anew: another day number, the
    // same logo.
    tovy.setClock(QString::fromLatin1(kJustBeforeMidnight));
    Icon after;
    TRY_VERIFY((after = tovy.icon(id)).size() == QSize(kTileSide, kTileSide) && after.pixels != before.pixels);
    QVERIFY2(drawnPictureFault(after, kCream).isEmpty(), qPrintable(drawnPictureFault(after, kCream)));
    QCOMPARE(logoCorner(after), logoCorner(before));
}

void TestEndToEnd::quitsFromTheKeyboardAndSaves()
{
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path());
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+q")});
    QVERIFY(tovy.process().waitForFinished(kWaitMs));
    QCOMPARE(tovy.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(tovy.process().exitCode(), 0);

    QFile saved(settingsPath(config));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QCOMPARE(lines.size(), 10); // nine lines, each ended
    QCOMPARE(lines.at(5), QByteArray("False"));
    QCOMPARE(lines.at(6), QByteArray("100"));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
