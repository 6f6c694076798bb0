// Killing the program while it saves never leaves a broken settings file:
// a child process (this executable with --save-loop) saves over and over,
// each time a different set of values, and is killed at random moments;
// after every kill the file holds one complete set of nine lines that was
// written, the old one or a new one, never a mixed or truncated one.

#include "support/tovytestapp.h"

#include "platform/application/testing.h"
#include "platform/drawing/color.h"
#include "settings/module1.h"
#include "window/window1.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sys/prctl.h>

#include <array>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace {

constexpr int kKills = 100;
constexpr int kLanes = 4;
// More sets than any child gets through; all children's sets fit in the
// 24 bits of the colour lines.
constexpr int kSetsPerRound = 100'000;
constexpr qint64 kChildSeconds = 30;     // a child left behind ends by itself
// Generous: a start-up under a sanitizer, four at once, can take seconds.
constexpr qint64 kFirstSaveSeconds = 120;

// Set number `n` as Save_State writes it: every line follows from n, so a
// file mixed from two saves or cut short cannot pass for a whole set.
QList<QByteArray> SetLines(int n)
{
    return {QByteArray::number(100 + n % 200),
            QByteArray::number(200 + n % 300),
            QByteArray::number(n & 255),
            QByteArray::number((n >> 8) & 255),
            QByteArray::number((n >> 16) & 255),
            "False",
            QByteArray::number(50 + n % 51),
            "False",
            QByteArray::number(n % 4)};
}

QByteArray SetFile(int n)
{
    return SetLines(n).join('\n') + '\n';
}

// The number of the whole set the file holds, or none.
std::optional<int> WholeSet(const QByteArray &file)
{
    if (!file.endsWith('\n'))
        return std::nullopt;
    const QList<QByteArray> lines = file.chopped(1).split('\n');
    if (lines.size() != 9)
        return std::nullopt;
    const int n = lines[2].toInt() | lines[3].toInt() << 8 | lines[4].toInt() << 16;
    if (lines != SetLines(n))
        return std::nullopt;
    return n;
}

QByteArray FileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ShowSet(tovy::Window1 &w, int n)
{
    w.SetTop(100 + n % 200);
    w.SetLeft(200 + n % 300);
    tovy::Module1::My_Col = platform::RGB(n & 255, (n >> 8) & 255, (n >> 16) & 255);
    tovy::Module1::Trans = 50 + n % 51;
    tovy::Module1::MyDock = n % 4;
}

// The child: saves sets first, first + 1, ... into `folder` until killed.
int SaveLoop(int argc, char **argv)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const int first = std::atoi(argv[3]);
    QApplication qapp(argc, argv);
    tovy::testing::TovyTestApp app;
    platform::testing::SetConfigFolder(folder.toStdString());
    tovy::Window1 &w = app.Open();

    QElapsedTimer running;
    running.start();
    for (int n = first; n < first + kSetsPerRound && running.elapsed() < kChildSeconds * 1000; ++n) {
        ShowSet(w, n);
        w.Save_State();
    }
    return 0;
}

} // namespace

class KillDuringSaveTest : public QObject {
    Q_OBJECT

private slots:
    void setsSurviveKills();
};

void KillDuringSaveTest::setsSurviveKills()
{
    QVERIFY(WholeSet(SetFile(12345)) == 12345);
    QVERIFY(!WholeSet(SetFile(12345).chopped(1)));
    QList<QByteArray> mixed = SetLines(12345);
    mixed[6] = SetLines(12346)[6];
    QVERIFY(!WholeSet(mixed.join('\n') + '\n'));

    // Children start in parallel lanes, each with its own folder, so that
    // their start-ups overlap; each lane's file begins as a whole set 0.
    struct Lane {
        QTemporaryDir folder;
        QString settings() const { return folder.filePath(QStringLiteral("Tovy prefs")); }
    };
    std::array<Lane, kLanes> lanes;
    for (Lane &lane : lanes) {
        QVERIFY(lane.folder.isValid());
        QFile initial(lane.settings());
        QVERIFY(initial.open(QIODevice::WriteOnly));
        initial.write(SetFile(0));
    }

    QRandomGenerator random(8); // the moments differ from run to run anyway
    QSet<int> seen;
    int kills = 0;
    for (int wave = 0; kills < kKills; ++wave) {
        std::array<std::unique_ptr<QProcess>, kLanes> children;
        std::array<int, kLanes> firsts;
        for (int i = 0; i < kLanes; ++i) {
            firsts[i] = (wave * kLanes + i + 1) * kSetsPerRound;
            children[i] = std::make_unique<QProcess>();
            children[i]->setProcessChannelMode(QProcess::ForwardedChannels);
            children[i]->start(QCoreApplication::applicationFilePath(),
                               {QStringLiteral("--save-loop"), lanes[i].folder.path(), QString::number(firsts[i])});
        }
        for (int i = 0; i < kLanes; ++i) {
            QProcess &child = *children[i];
            QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
            // One child in four is killed anywhere in its start-up and its
            // first saves; the others while they save at full speed.
            const bool anywhere = (wave + i) % 4 == 0;
            if (!anywhere) {
                const QDeadlineTimer deadline(kFirstSaveSeconds * 1000);
                while (WholeSet(FileText(lanes[i].settings())).value_or(-1) < firsts[i]) {
                    QVERIFY2(!child.waitForFinished(2), "the child ended before its first save");
                    QVERIFY2(!deadline.hasExpired(), "the child never saved");
                }
            }
            QThread::usleep(random.bounded(anywhere ? 100'000 : 10'000));
            child.kill();
            QVERIFY(child.waitForFinished(10'000));
            ++kills;

            QVERIFY2(QFile::exists(lanes[i].settings()), qPrintable(QStringLiteral("after kill %1").arg(kills)));
            const QByteArray text = FileText(lanes[i].settings());
            const std::optional<int> set = WholeSet(text);
            QVERIFY2(set.has_value(), qPrintable(QStringLiteral("after kill %1: \"%2\"")
                                                     .arg(kills)
                                                     .arg(QString::fromLatin1(text.toPercentEncoding("\n")))));
            seen.insert(*set);
        }
    }
    // The kills fell among the saves, not only before them.
    QVERIFY2(seen.size() > kKills / 2, qPrintable(QStringLiteral("only %1 different sets").arg(seen.size())));
}

int main(int argc, char **argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "--save-loop") == 0)
        return SaveLoop(argc, argv);
    QApplication app(argc, argv);
    KillDuringSaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_kill_during_save.moc"
