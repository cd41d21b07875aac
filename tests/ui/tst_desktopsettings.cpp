#include "demosettingsbuilder.h"
#include "i18n/applicationtranslator.h"
#include "model/satellite.h"
#include "ui/channellistwidget.h"
#include "ui/channeltablemodel.h"
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/editdialog.h"
#include "ui/pendingpreferences.h"
#include "ui/recentfiles.h"
#include "ui/settingseditor.h"
#include "ui/windowstate.h"
#include "uitest.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QIcon>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>

#include <memory>

namespace {

QStringList actionTexts(const QMenu *menu)
{
    QStringList texts;
    const QList<QAction *> actions = menu->actions();
    for (const QAction *action : actions)
        texts.append(action->isSeparator() ? QStringLiteral("--") : action->text());
    return texts;
}

QAction *actionNamed(const QMenu *menu, const QString &text)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

// What the editor keeps between runs (window, splitter, columns, the file
// dialogs' folder, recent files) and the Help menu. Each test starts from
// no remembered settings.
class TestDesktopSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_demo;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QMenu *recentMenu(SettingsEditor &editor)
    {
        return editor.mainWindow()->findChild<QMenu *>(QStringLiteral("menuRecentFiles"));
    }

    static QSplitter *splitter(SettingsEditor &editor)
    {
        return editor.mainWindow()->findChild<QSplitter *>(QStringLiteral("splitter"));
    }

    static QHeaderView *header(SettingsEditor &editor)
    {
        return editor.mainWindow()->findChild<QTreeView *>(QStringLiteral("channelListTreeView"))->header();
    }

private slots:
    void initTestCase()
    {
        // Keeps the user's own settings out of reach of the tests.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("KelmoraTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_desktopsettings"));
        QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
        QVERIFY(m_dir.isValid());
        QString error;
        m_demo = DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD, &error);
        QVERIFY2(!m_demo.isEmpty(), qPrintable(error));
    }

    void init() { QSettings().clear(); }

    void cleanup() { cancelPendingModalDrivers(); }

    void firstStartShowsTheColumns_data()
    {
        QTest::addColumn<QByteArray>("geometry");
        QTest::addColumn<QByteArray>("headerState");
        QTest::addRow("nothing remembered") << QByteArray() << QByteArray();
        // A truncated geometry record, and a header record of nonsense.
        QTest::addRow("damaged") << QByteArray("\x01\xd9\xd0\xcb", 4) << QByteArray("\0\0\0\xff", 4);
    }

    void firstStartShowsTheColumns()
    {
        QFETCH(QByteArray, geometry);
        QFETCH(QByteArray, headerState);
        if (!geometry.isEmpty()) {
            QSettings settings;
            settings.setValue(QStringLiteral("mainWindow/geometry"), geometry);
            settings.setValue(QStringLiteral("channelTable/header"), headerState);
        }
        SettingsEditor editor(nullptr);
        const QRect available = editor.mainWindow()->screen()->availableGeometry();
        const QSize size = editor.mainWindow()->size();
        QVERIFY2(size.width() >= available.width() * 2 / 3 - 1 && size.width() > 471,
            qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        QVERIFY(size.height() >= 400);
        QVERIFY(available.contains(editor.mainWindow()->geometry()));
        QCOMPARE(header(editor)->count(), ChannelTableModel::ColumnCount);
        QCOMPARE(header(editor)->hiddenSectionCount(), 0);
    }

    void windowSplitterAndColumnsSurviveARestart()
    {
        const QString file = writeFile(QStringLiteral("restart.si"), m_demo);
        QSize windowSize;
        QList<int> splitterSizes;
        {
            SettingsEditor editor(nullptr);
            QVERIFY(editor.loadFile(file));
            editor.mainWindow()->resize(700, 450);
            splitter(editor)->setSizes({ 150, 500 });
            splitterSizes = splitter(editor)->sizes();
            header(editor)->setSectionHidden(3, true);
            header(editor)->resizeSection(1, 222);
            header(editor)->setSortIndicator(1, Qt::DescendingOrder);
            windowSize = editor.mainWindow()->size();
        }

        SettingsEditor editor(nullptr);
        QCOMPARE(editor.mainWindow()->size(), windowSize);
        QCOMPARE(splitter(editor)->sizes(), splitterSizes);
        QHeaderView *columns = header(editor);
        QVERIFY(columns->isSectionHidden(3));
        QVERIFY(!columns->isSectionHidden(2));
        QCOMPARE(columns->sectionSize(1), 222);
        QCOMPARE(columns->sortIndicatorSection(), 1);
        QCOMPARE(columns->sortIndicatorOrder(), Qt::DescendingOrder);
        // Reopening the file from the recent ones must not undo the columns
        // the user chose.
        QMenu *recent = recentMenu(editor);
        QVERIFY(recent && recent->isEnabled());
        chooseFromMenuBar(editor.mainWindow()->findChild<ChannelListWidget *>(), recent->actions().first());
        QCOMPARE(editor.fileName(), QFileInfo(file).absoluteFilePath());
        QVERIFY(columns->isSectionHidden(3));
        QCOMPARE(columns->sectionSize(1), 222);
    }

    void fileDialogsStartInTheLastFolder()
    {
        QTemporaryDir other;
        const QString file = QDir(other.path()).filePath(QStringLiteral("there.si"));
        QFile::copy(writeFile(QStringLiteral("here.si"), m_demo), file);
        {
            SettingsEditor editor(nullptr);
            QVERIFY(editor.loadFile(file));
        }
        SettingsEditor editor(nullptr);
        QString shownFolder;
        onNextModal([&shownFolder](QWidget *window) {
            auto *dialog = qobject_cast<QFileDialog *>(window);
            QVERIFY(dialog);
            shownFolder = dialog->directory().absolutePath();
            dialog->reject();
        });
        QVERIFY(giveFocus(editor.mainWindow()->findChild<ChannelListWidget *>()));
        pressKeys(QKeySequence::Open);
        QCOMPARE(shownFolder, QDir(other.path()).absolutePath());
    }

    // Opening a file writes what it remembers a moment later: it must read
    // back at once and reach the settings file without anything more.
    void rememberedValuesReadBackAtOnceAndReachTheFile()
    {
        const QString key = QStringLiteral("test/pending");
        PendingPreferences::setValue(key, 7);
        PendingPreferences::setValue(key, 8);
        QCOMPARE(PendingPreferences::value(key), QVariant(8));
        QTRY_COMPARE(QSettings().value(key), QVariant(8));
    }

    void recentFilesKeepTheNewestExistingOnes()
    {
        QStringList written;
        for (int i = 1; i <= 10; ++i)
            written.append(writeFile(QStringLiteral("recent%1.si").arg(i), m_demo));

        QMenu fileMenu;
        RecentFiles recent(&fileMenu, nullptr);
        QVERIFY(!recent.menu()->isEnabled());
        for (const QString &file : std::as_const(written))
            recent.add(file);
        recent.add(written.at(4)); // again: moves to the top, not twice
        QCOMPARE(recent.files(),
            QStringList({ written[4], written[9], written[8], written[7], written[6], written[5], written[3],
                written[2] }));

        QFile::remove(written[8]);
        QFile::remove(written[2]);
        QMenu otherMenu; // as the next run sees them
        RecentFiles again(&otherMenu, nullptr);
        QCOMPARE(again.files(),
            QStringList({ written[4], written[9], written[7], written[6], written[5], written[3] }));
        emit again.menu()->aboutToShow();
        QCOMPARE(actionTexts(again.menu()),
            words("&1_recent5.si &2_recent10.si &3_recent8.si &4_recent7.si &5_recent6.si "
                  "&6_recent4.si -- &Clear_List")
                .replaceInStrings(QStringLiteral("_"), QStringLiteral(" ")));

        QSignalSpy opened(&again, &RecentFiles::openRequested);
        again.menu()->actions().at(1)->trigger();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toString(), written[9]);

        actionNamed(again.menu(), QStringLiteral("&Clear List"))->trigger();
        QVERIFY(again.files().isEmpty());
        emit again.menu()->aboutToShow();
        QCOMPARE(actionTexts(again.menu()),
            words("-- &Clear_List").replaceInStrings(QStringLiteral("_"), QStringLiteral(" ")));
        QVERIFY(!again.menu()->isEnabled());
        QVERIFY(RecentFiles(&fileMenu, nullptr).files().isEmpty());
    }

    void interfaceFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QStringList>("fileMenu");
        QTest::addColumn<QStringList>("treeRoots");
        QTest::addColumn<QStringList>("satelliteDialog"); // its title and the DiSEqC choice shown
        QTest::addColumn<QString>("notOpened");

        const QStringList german { QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"),
            QStringLiteral("E&xtras"), QStringLiteral("&Hilfe") };
        const QStringList germanFile { QStringLiteral("Ö&ffnen…"), QStringLiteral("&Zuletzt geöffnet"),
            QStringLiteral("&Speichern"), QStringLiteral("Speichern &unter…"), QStringLiteral("--"),
            QStringLiteral("&Reihenfolge übernehmen aus…"), QStringLiteral("&Exportieren") };
        const QStringList germanRoots { QStringLiteral("Satelliten"), QStringLiteral("Anbieter"),
            QStringLiteral("Favoriten") };
        const QStringList germanDialog { QStringLiteral("Satellit"), QStringLiteral("AUS") };
        const QString germanNotOpened
            = QStringLiteral("wurde nicht geöffnet.\nSie ist keine Einstellungsdatei");
        QTest::addRow("German") << QLocale(QLocale::German, QLocale::Germany) << true << german << germanFile
                                << germanRoots << germanDialog << germanNotOpened;
        QTest::addRow("Austrian German") << QLocale(QLocale::German, QLocale::Austria) << true << german
                                         << germanFile << germanRoots << germanDialog << germanNotOpened;
        // After the German rows: nothing of their translation may stick.
        QTest::addRow("no translation")
            << QLocale(QLocale::Japanese, QLocale::Japan) << false
            << QStringList { QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&Tools"),
                   QStringLiteral("&Help") }
            << QStringList { QStringLiteral("&Open…"), QStringLiteral("&Recent Files"),
                   QStringLiteral("&Save"), QStringLiteral("Save &As…"), QStringLiteral("--"),
                   QStringLiteral("Apply Order &From…"), QStringLiteral("&Export") }
            << QStringList { QStringLiteral("Satellites"), QStringLiteral("Providers"),
                   QStringLiteral("Favorites") }
            << QStringList { QStringLiteral("Satellite"), QStringLiteral("OFF") }
            << QStringLiteral("was not opened.\nIt is not a Kelmora 2XX or HD settings file");
    }

    void interfaceFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, installed);
        QFETCH(QStringList, menus);
        QFETCH(QStringList, fileMenu);

        ApplicationTranslator translator;
        QCOMPARE(translator.install(locale), installed);
        SettingsEditor editor(nullptr);
        QStringList titles;
        const QList<QAction *> bar = editor.mainWindow()->menuBar()->actions();
        for (const QAction *menu : bar)
            titles.append(menu->text());
        QCOMPARE(titles, menus);
        auto *file = editor.mainWindow()->findChild<QMenu *>(QStringLiteral("menuFile"));
        QCOMPARE(actionTexts(file).first(fileMenu.size()), fileMenu);
        // A letter shared by two entries of one menu only highlights the first.
        QList<const QMenu *> pending;
        for (const QAction *title : bar)
            pending.append(title->menu());
        while (!pending.isEmpty()) {
            const QMenu *menu = pending.takeLast();
            QHash<QKeySequence, QString> taken;
            for (const QAction *action : menu->actions()) {
                if (action->menu())
                    pending.append(action->menu());
                const QKeySequence letter = QKeySequence::mnemonic(action->text());
                const QString clash
                    = QStringList { action->text(), taken.value(letter), menu->title() }.join(u'|');
                QVERIFY2(letter.isEmpty() || !taken.contains(letter), qPrintable(clash));
                taken.insert(letter, action->text());
            }
        }

        QFETCH(QStringList, treeRoots);
        const auto *tree = editor.mainWindow()->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
        QStringList roots;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            roots.append(tree->topLevelItem(i)->text(0));
        QCOMPARE(roots, treeRoots);

        QFETCH(QStringList, satelliteDialog);
        QStringList shown;
        onNextModal([&shown](QWidget *dialog) {
            shown = QStringList { dialog->windowTitle(),
                child<QComboBox>(dialog, "diseqcComboBox")->currentText() };
            press(dialog, QDialogButtonBox::Cancel);
        });
        Satellite satellite;
        QVERIFY(!editSatellite(editor.mainWindow(), &satellite, nullptr));
        QCOMPARE(shown, satelliteDialog);

        QFETCH(QString, notOpened);
        QString message;
        answerNextMessage(&message);
        QVERIFY(!editor.loadFile(writeFile(QStringLiteral("foreign.si"), QByteArray(64, 'x'))));
        QVERIFY2(message.contains(notOpened), qPrintable(message));
    }

    void aboutBoxNamesVersionAndLicence()
    {
        SettingsEditor editor(nullptr);
        // A wrong resource path would leave the windows without an icon, silently.
        QCOMPARE(applicationIcon().availableSizes().size(), 8);
        auto *about = editor.mainWindow()->findChild<QAction *>(QStringLiteral("actionAbout"));
        QVERIFY(about);
        QString text;
        answerNextMessage(&text);
        chooseFromMenuBar(editor.mainWindow()->findChild<ChannelListWidget *>(), about);
        QVERIFY2(text.contains(QStringLiteral("9.8.7")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("GNU General Public License")), qPrintable(text));
    }
};

QTEST_MAIN(TestDesktopSettings)
#include "tst_desktopsettings.moc"
