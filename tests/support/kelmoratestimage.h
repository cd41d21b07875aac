#pragma once

#include "formats/recognizesettings.h"
#include "store/settings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryFile>

#include <initializer_list>
#include <memory>

// Where the tests expect the fields of each receiver model, written down
// independently of the format classes so that a wrong layout value shows.
struct TestModel
{
    const char *name;
    int fileSize;
    int satelliteCount, channelCount, tvCount, transponderCount, providerCount;
    int satelliteTable, channelTable, favoriteTable, transponderTable, providerTable;
    int satelliteMax, channelMax, transponderMax, providerMax;
    int pmtPidOffset, flagsOffset, nameOffset, nameWidth;

    int satellite(int slot) const { return satelliteTable + 36 * slot; }
    int transponder(int slot) const { return transponderTable + 16 * slot; }
    int provider(int slot) const { return providerTable + 16 * slot; }
    int channel(int slot) const { return channelTable + 32 * slot; }
    int favorite(int slot) const { return favoriteTable + 820 * slot; }
};

inline const TestModel model2XX { "2XX", 328556, 0x200C, 0x200E, 0x2010, 0x2012, 0x2014, 0x2018, 0x3698,
    0x41E98, 0x43B6C, 0x4EA6C, 160, 8000, 2800, 400, -1, 12, 14, 18 };
inline const TestModel modelHD { "HD", 399568, 0x2950, 0x2952, 0x2954, 0x2956, 0x2958, 0x295C, 0x457C,
    0x5277C, 0x54450, 0x5FFD0, 200, 10000, 3000, 400, 12, 14, 16, 16 };

// A settings image built byte by byte: the magic, then zeros.
struct TestImage
{
    explicit TestImage(const TestModel &model)
        : bytes(model.fileSize, '\0')
    {
        bytes.replace(0, 8, "DIZODIDO");
    }

    void setByte(int offset, int value) { bytes[offset] = char(value); }
    void setWord(int offset, int value) { setWords(offset, { value }); }
    void setWords(int offset, std::initializer_list<int> values)
    {
        for (int value : values) {
            setByte(offset++, value & 0xFF);
            setByte(offset++, (value >> 8) & 0xFF);
        }
    }
    void setBytes(int offset, const QByteArray &data) { bytes.replace(offset, data.size(), data); }

    QByteArray bytes;
};

inline int wordIn(const QByteArray &bytes, int offset)
{
    return quint8(bytes.at(offset)) | (quint8(bytes.at(offset + 1)) << 8);
}

inline QList<int> wordsIn(const QByteArray &bytes, std::initializer_list<int> offsets)
{
    QList<int> words;
    for (int offset : offsets)
        words.append(wordIn(bytes, offset));
    return words;
}

// Loads the bytes the way the window does: from a file, through recognition.
inline std::unique_ptr<Settings> loadBytes(const QByteArray &bytes)
{
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.seek(0))
        return nullptr;
    return std::unique_ptr<Settings>(recognizeSettings(&file));
}

// The bytes a save produces, or an empty array when the save failed.
inline QByteArray saveBytes(Settings *settings)
{
    QTemporaryFile file;
    if (!file.open() || settings->save(&file) < 0 || !file.seek(0))
        return QByteArray();
    return file.readAll();
}
