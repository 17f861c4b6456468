#include <QDir>
#include <QFontDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real executable, started as a player starts it: what main() sets up, and what the program
// leaves behind on the machine. Without a probe it runs with no display at all.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void run_data()
    {
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("platform"); // as Qt's option, or in its variable
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("output");
        QTest::addColumn<bool>("runtimeFolder"); // XDG_RUNTIME_DIR set, as a login sets it
        const auto row = [](const char* tag, const char* probe, const char* platform, int exitCode,
                            const QStringList& output, bool runtimeFolder = true) {
            QTest::newRow(tag) << probe << platform << exitCode << output << runtimeFolder;
        };
        row("no display, a word like Qt's option: one sentence", "", "x-platform offscreen", 1,
            {"MJ Calculator needs a display to show its window, and none is set "
             "(DISPLAY or WAYLAND_DISPLAY)."});
        row("starts with the sheet, ends with its last window", "report", "-platform offscreen", 0,
            {"name mjcalc " MJCALC_VERSION_TEXT, "icon 16 24 32 48 64", "session bus disabled:",
             "window Form1 V! Mah-Jongg Calculator", "sheet font Liberation Sans 11px"});
        row("a custom colour lasts for the run only", "custom colour", "QT_QPA_PLATFORM=offscreen",
            0, {"custom colour #0c2238"});
        row("Qt's option with two dashes", "report", "--platform offscreen", 0,
            {"window Form1 V! Mah-Jongg Calculator"});
        row("env -i: no runtime folder, no bus, none launched", "report", "-platform offscreen", 0,
            {"session bus disabled:"}, false);
    }
    void run()
    {
        QFETCH(QString, probe);
        QFETCH(QStringList, output);
        if (output.join(u' ').contains(u"Liberation Sans") &&
            !QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
            QSKIP("The sheets are drawn in Liberation Sans, which is missing: install the Debian "
                  "package fonts-liberation2");
        // Home, configuration, cache and data in one empty folder, to see whether anything lands.
        QTemporaryDir home, runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
            environment.remove(name);
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
            environment.insert(name, home.path());
        QFETCH(bool, runtimeFolder);
        runtimeFolder ? environment.insert("XDG_RUNTIME_DIR", runtime.path())
                      : environment.remove("XDG_RUNTIME_DIR");
        if (!probe.isEmpty()) {
            environment.insert("LD_PRELOAD", MJCALC_PROBE_LIBRARY);
            environment.insert("MJCALC_PROBE", probe);
            // A sanitized program wants its runtime loaded first; the probe comes before it.
            environment.insert("ASAN_OPTIONS",
                               environment.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        }
        QProcess program;
        // Qt's own option stands in for a display, as the variables do.
        QFETCH(QString, platform);
        if (platform.startsWith(u'Q'))
            environment.insert(platform.section(u'=', 0, 0), platform.section(u'=', 1));
        program.setProcessEnvironment(environment);
        program.start(MJCALC_EXECUTABLE,
                      platform.startsWith(u'Q') ? QStringList() : platform.split(u' '));
        QVERIFY(program.waitForFinished(60000));
        const QString seen = program.readAllStandardOutput() + program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QFETCH(int, exitCode);
        QVERIFY2(program.exitCode() == exitCode, qPrintable(seen));
        for (const QString& line : output)
            QVERIFY2(seen.split(u'\n').contains(line), qPrintable(seen)); // whole lines
        const QStringList left =
            QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
