#include "formats/kelmoralayout.h"

#include <algorithm>
#include <iterator>

const KelmoraLayout *KelmoraLayout::ofSize(qint64 size)
{
    for (const KelmoraLayout &layout : kelmoraModels)
        if (layout.fileSize == size)
            return &layout;
    return nullptr;
}

qint64 KelmoraLayout::largestFileSize()
{
    return std::max_element(std::begin(kelmoraModels), std::end(kelmoraModels),
        [](const KelmoraLayout &a, const KelmoraLayout &b) { return a.fileSize < b.fileSize; })
        ->fileSize;
}
