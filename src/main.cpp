#include "i18n/applicationtranslator.h"
#include "recovery/recoverykeeper.h"
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/recoveryoffer.h"
#include "ui/settingseditor.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>

#include <cstdio>
#include <memory>

namespace {

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Edits the settings files (.si) of Kelmora 2XX and Kelmora HD satellite receivers."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
        QCoreApplication::translate("main", "The settings file to open."), QStringLiteral("[file]"));
}

// --help and --version answer on the terminal, so they must work where no
// display is (over ssh, in a package build): they are read before the GUI
// application exists. Everything else waits for it, which takes the
// toolkit's own options out first.
void answerWithoutDisplay(int &argc, char **argv)
{
    QCoreApplication application(argc, argv);
    ApplicationTranslator translator;
    translator.install(QLocale());
    QCommandLineParser parser;
    addOptions(parser);
    // Unknown options may be the toolkit's; they are judged later.
    if (parser.parse(QCoreApplication::arguments())
        && (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))))
        parser.process(application);
}

} // namespace

int main(int argc, char *argv[])
{
    // Set once: QSettings, --version and the About box read them from here.
    QCoreApplication::setOrganizationName(QStringLiteral("Tolvar"));
    QCoreApplication::setApplicationName(QStringLiteral("kelmora-settings-editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMORA_VERSION));
    answerWithoutDisplay(argc, argv);

    QApplication application(argc, argv);
    // Ties the window to its launcher entry, on Wayland in particular.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELMORA_APP_ID));
    QApplication::setWindowIcon(applicationIcon());

    ApplicationTranslator translator;
    translator.install(QLocale());

    QCommandLineParser parser;
    addOptions(parser);
    parser.process(application);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "%s\n",
            qPrintable(QCoreApplication::translate("main", "Only one file can be opened at a time.")));
        return 2;
    }

    auto editor = std::make_unique<SettingsEditor>(&application);
    // Before the file asked for: it may be the very file whose changes were kept.
    const QString restored = RecoveryOffer(*editor, RecoveryKeeper::defaultFolder()).run();
    if (!files.isEmpty() && QFileInfo(files.first()).absoluteFilePath() != restored)
        editor->loadFile(files.first());
    const int exitCode = QApplication::exec();
    editor.reset();
    return exitCode;
}
