#include "files/inputfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace {

InputFile::Result failed(const QString &error)
{
    InputFile::Result result;
    result.error = error;
    return result;
}

InputFile::Result tooLarge(qint64 size, qint64 maxSize)
{
    InputFile::Result result
        = failed(InputFile::tr("it is larger than %1").arg(QLocale::system().formattedDataSize(maxSize)));
    result.size = size;
    result.tooLarge = true;
    return result;
}

} // namespace

QString InputFile::refusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return QString();
    if (info.isDir())
        return tr("it is a folder");
    return tr("it is not a regular file (a pipe or a device could block or never end)");
}

InputFile::Result InputFile::read(const QString &path, qint64 maxSize)
{
    if (isStandardInput(path))
        return readStandardInput(maxSize);
    if (const QString why = refusal(path); !why.isEmpty())
        return failed(why);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    if (file.size() > maxSize)
        return tooLarge(file.size(), maxSize);
    Result result;
    result.bytes = file.readAll();
    result.size = result.bytes.size();
    if (file.error() != QFileDevice::NoError)
        return failed(file.errorString());
    return result;
}

// A pipe has no size to check first: read one byte past the bound to know.
InputFile::Result InputFile::readStandardInput(qint64 maxSize)
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return failed(input.errorString());
    Result result;
    while (result.bytes.size() <= maxSize) {
        const QByteArray piece = input.read(qMin<qint64>(1 << 16, maxSize + 1 - result.bytes.size()));
        if (piece.isEmpty())
            break;
        result.bytes.append(piece);
    }
    if (input.error() != QFileDevice::NoError)
        return failed(input.errorString());
    if (result.bytes.size() > maxSize)
        return tooLarge(result.bytes.size(), maxSize);
    result.size = result.bytes.size();
    return result;
}
