#include "demosettingsbuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

bool writeFile(const QDir &directory, const QString &name, const QByteArray &bytes, const QString &error)
{
    const QString path = directory.filePath(name);
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

// Writes demo settings files of both receiver models, and files with every
// table full, into the given directory.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes demo settings files of both receiver models, and files with every table full."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("output-directory"), QStringLiteral("Where the files go."));
    // Refuses unknown options itself, instead of taking one for a folder name.
    parser.process(application);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 1) {
        std::fprintf(stderr, "%s", qPrintable(parser.helpText()));
        return 2;
    }
    const QDir directory(arguments.at(0));
    if (!directory.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot create the directory\n", qPrintable(arguments.at(0)));
        return 1;
    }

    using Model = DemoSettingsBuilder::Model;
    struct Output
    {
        const char *name;
        Model model;
        double fraction; // 0 for the demo content
    };
    const Output outputs[] = {
        { "demo-2xx.si", Model::Kelmora2XX, 0 },
        { "demo-hd.si", Model::KelmoraHD, 0 },
        { "full-2xx.si", Model::Kelmora2XX, 1.0 },
        { "full-hd.si", Model::KelmoraHD, 1.0 },
    };
    bool ok = true;
    for (const Output &output : outputs) {
        QString error;
        const QByteArray bytes = output.fraction > 0
            ? DemoSettingsBuilder::filledFile(output.model, output.fraction, &error)
            : DemoSettingsBuilder::demoFile(output.model, &error);
        ok = writeFile(directory, QLatin1String(output.name), bytes, error) && ok;
    }
    return ok ? 0 : 1;
}
