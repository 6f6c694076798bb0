// The built program on a real X server of 1440 by 900: a small-mode tile
// saved at the lower right opens where it can be seen and clicked.

#include "xsession.h"

using namespace e2e;

namespace {

// The window's place on the screen, or (-1, -1).
QPoint position(Tovy &tovy, const QString &id)
{
    const QString info = tovy.run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), id});
    const auto at = QRegularExpression(QStringLiteral("Position: (-?\\d+),(-?\\d+)")).match(info);
    if (!at.hasMatch())
        return {-1, -1};
    return {at.captured(1).toInt(), at.captured(2).toInt()};
}

void pressKeys(Tovy &tovy, const QString &id, const QString &keys)
{
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

QList<QByteArray> savedLines(const QTemporaryDir &config)
{
    QFile saved(settingsPath(config));
    if (!saved.open(QIODevice::ReadOnly))
        return {};
    return saved.readAll().split('\n');
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void tileSavedFromTheWidenedWindowOpensOnTheScreen();

private:
    std::unique_ptr<XServer> server_;
};

void TestPlacement::initTestCase()
{
    if (const QString missing = missingTool(); !missing.isEmpty())
        QFAIL(qPrintable(missing));
    server_ = std::make_unique<XServer>();
    if (!server_->start())
        QSKIP("no X server could be started here");
}

// The tile at the lower right is widened with File › 設定... and the program
// quits: the saved normal window ends at the screen's right edge, so the tile
// of the next start keeps its corner just below the screen unless it is
// brought back onto it. There a click reaches it and it grows back.
void TestPlacement::tileSavedFromTheWidenedWindowOpensOnTheScreen()
{
    QTemporaryDir config;
    writeSettings(config, "700\n1300\n0\n0\n0\nTrue\n100\nFalse\n0\n");
    {
        Tovy first(server_->display(), config.path());
        const QString id = first.window();
        QVERIFY(!id.isEmpty());
        TRY_COMPARE(first.size(id), QSize(19, 14));
        TRY_COMPARE(position(first, id), QPoint(1383, 800));

        pressKeys(first, id, QStringLiteral("ctrl+comma"));
        TRY_COMPARE(first.size(id), QSize(392, 114));
        pressKeys(first, id, QStringLiteral("ctrl+q"));
        QVERIFY(first.process().waitForFinished(kWaitMs));
        QCOMPARE(first.process().exitCode(), 0);
    }
    const QList<QByteArray> lines = savedLines(config);
    QCOMPARE(lines.mid(0, 2), QList<QByteArray>({"800", "1338"}));
    QCOMPARE(lines.value(5), QByteArray("True"));

    Tovy second(server_->display(), config.path());
    const QString id = second.window();
    QVERIFY(!id.isEmpty());
    TRY_COMPARE(second.size(id), QSize(19, 14));
    TRY_COMPARE(position(second, id), QPoint(1421, 886));

    second.click(id, 9, 7);
    TRY_COMPARE(second.size(id), QSize(102, 114));
    TRY_COMPARE(position(second, id), QPoint(1338, 786));
}

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_e2e_placement.moc"
