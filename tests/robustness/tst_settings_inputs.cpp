// Damaged, hostile and edited settings files: whatever "Tovy prefs" holds,
// the calendar window opens with every control in range. Besides the table
// below, every input in fuzz/seeds/settings is replayed here: the fuzzer's
// seeds and whatever tools/fuzz-settings.sh found that broke the window.

#include "openingcheck.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QByteArray Lines(const QList<QByteArray> &lines)
{
    QByteArray file;
    for (const QByteArray &line : lines)
        file += line + '\n';
    return file;
}

void AddFixtureRows(const QString &folder)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    QVERIFY2(!names.isEmpty(), qPrintable(folder + QStringLiteral(" holds no inputs")));
    for (const QString &name : names) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(QDir(QStringLiteral(TOVY_SOURCE_DIR)).relativeFilePath(file.fileName())))
            << file.readAll();
    }
}

} // namespace

class SettingsInputsTest : public QObject {
    Q_OBJECT

private slots:
    void opensInRange_data();
    void opensInRange();
};

void SettingsInputsTest::opensInRange_data()
{
    QTest::addColumn<QByteArray>("settings");

    const QByteArray huge = "99999999999999999999";
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("fewer than nine lines") << Lines({"40", "30", "255"});
    QTest::newRow("no line end at all") << QByteArray("123456789");
    QTest::newRow("numbers past 32 bits") << Lines({huge, huge, huge, huge, huge, "True", huge, "True", huge});
    QTest::newRow("numbers below 32 bits")
        << Lines({"-" + huge, "-" + huge, "-" + huge, "-" + huge, "-" + huge, "False", "-" + huge, "False", "-" + huge});
    QTest::newRow("32-bit extremes") << Lines({"2147483647", "-2147483648", "2147483647", "-2147483648", "0", "True",
                                               "-2147483648", "True", "2147483647"});
    QTest::newRow("transparency just below the slider") << Lines({"40", "30", "0", "0", "0", "False", "49", "False", "0"});
    QTest::newRow("transparency just above the slider") << Lines({"40", "30", "0", "0", "0", "False", "101", "False", "0"});
    QTest::newRow("transparency negative") << Lines({"40", "30", "0", "0", "0", "False", "-75", "False", "0"});
    QTest::newRow("transparency 2^32 + 75") << Lines({"40", "30", "0", "0", "0", "False", "4294967371", "False", "0"});
    QTest::newRow("colour parts outside a byte") << Lines({"40", "30", "256", "-1", "100000", "False", "80", "False", "0"});
    QTest::newRow("mode past the last button") << Lines({"40", "30", "0", "0", "0", "False", "80", "True", "4"});
    QTest::newRow("mode negative") << Lines({"40", "30", "0", "0", "0", "False", "80", "True", "-1"});
    QTest::newRow("fractions, signs and exponents")
        << Lines({"+40.7", "-0.5", "1e3", "12.9", ".5", "True", "75.9", "True", "2.99"});
    QTest::newRow("words for numbers") << Lines({"top", "left", "red", "", " ", "yes", "opaque", "1", "two"});
    QTest::newRow("blanks around the values") << Lines({" 40 ", "\t30", "255 ", " 0", "0\t", " True", " 75 ", "True ", " 1 "});
    static constexpr char nulAndHighBytes[] = "4\0000\n\xff\xfe\n\x80\n\0\n\n\xe3\x81\x82\nTrue\0\n75\n\0011\n";
    QTest::newRow("NUL and high bytes") << QByteArray(nulAndHighBytes, sizeof nulAndHighBytes - 1);
    QTest::newRow("old Mac line ends") << QByteArray("40\r30\r0\r0\r0\rTrue\r60\rTrue\r3\r");
    QTest::newRow("lines past the ninth") << Lines({"40", "30", "0", "0", "0", "False", "80", "True", "1", "99", "True"});
    QTest::newRow("one line far past the line bound") << QByteArray(60 * 1024, '7');
    QTest::newRow("nine lines, then 70 KiB of line ends") << Lines({"40", "30", "0", "0", "0", "True", "80", "True", "1"})
                                                                 + QByteArray(70 * 1024, '\n');
    QTest::newRow("small mode far off the screen")
        << Lines({"-2000000000", "2000000000", "0", "0", "0", "True", "50", "False", "0"});

    AddFixtureRows(QStringLiteral(TOVY_SOURCE_DIR "/fuzz/seeds/settings"));
}

void SettingsInputsTest::opensInRange()
{
    QFETCH(QByteArray, settings);
    const QStringList broken = tovy::testing::OpenOnSettings(settings);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("; "))));
}

QTEST_MAIN(SettingsInputsTest)
#include "tst_settings_inputs.moc"
