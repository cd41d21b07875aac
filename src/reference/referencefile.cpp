#include "reference/referencefile.h"

#include "files/inputfile.h"
#include "formats/recognizesettings.h"
#include "store/settings.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <memory>

namespace {

bool isText(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(bytes);
    Q_UNUSED(decoded);
    return !decoder.hasError();
}

} // namespace

ReferenceFile::Result ReferenceFile::load(const QString &path)
{
    Result result;
    // Read whole: a list of any real receiver is far below the bound, and a
    // huge file would only fill the memory before it fails to match.
    const InputFile::Result input = InputFile::read(path, maxSize);
    if (!input.ok()) {
        result.error = input.error;
        return result;
    }
    if (const std::unique_ptr<Settings> settings = recognizeSettingsImage(input.bytes); settings) {
        result.isSettingsFile = true;
        result.list = ReferenceList::fromSettings(*settings);
        if (result.list.entries().isEmpty())
            result.error = tr("holds no channels to take an order from");
        return result;
    }
    const QByteArray &bytes = input.bytes;
    // A damaged settings file or any other binary must not pass for a list
    // whose every line is skipped.
    if (looksLikeSettings(bytes) || !isText(bytes)) {
        result.error
            = ReferenceFile::tr("neither a Kelmora 2XX or HD settings file nor a UTF-8 reference list");
        return result;
    }
    ReferenceListText::ReadResult text = ReferenceListText::read(bytes);
    result.list = std::move(text.list);
    result.problems = std::move(text.problems);
    // Applying nothing would leave every channel unmatched, and deleting the
    // unmatched would empty the file.
    if (result.list.entries().isEmpty())
        result.error = result.problems.isEmpty() ? tr("holds no channel entries")
                                                 : tr("holds no channel entries; line %1: %2")
                                                       .arg(result.problems.constFirst().line)
                                                       .arg(result.problems.constFirst().message);
    return result;
}
