#include "search/channelmatcher.h"

#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"

#include <algorithm>

namespace {

// Past this many remembered names the cache is dropped and starts again, so
// a long session of renames cannot grow it without bound.
constexpr qsizetype MaxRemembered = 100000;

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// Letters with a stroke or a ligature have no decomposition, yet a reader
// sees their plain letter in them.
QString plainLetter(QChar c)
{
    switch (c.unicode()) {
    case 0x00df: // ß
        return QStringLiteral("ss");
    case 0x00e6: // æ
        return QStringLiteral("ae");
    case 0x0153: // œ
        return QStringLiteral("oe");
    case 0x00f8: // ø
        return QStringLiteral("o");
    case 0x0142: // ł
        return QStringLiteral("l");
    case 0x0111: // đ
        return QStringLiteral("d");
    case 0x0127: // ħ
        return QStringLiteral("h");
    case 0x0131: // dotless ı
        return QStringLiteral("i");
    case 0x00fe: // þ
        return QStringLiteral("th");
    }
    return QString(c);
}

} // namespace

QString ChannelMatcher::fold(const QString &text)
{
    if (isAscii(text))
        return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString result;
    result.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing)
            continue;
        if (c.unicode() < 0x80)
            result.append(c);
        else
            result.append(plainLetter(c));
    }
    return result;
}

void ChannelMatcher::setText(const QString &text)
{
    m_text = text;
    m_folded = fold(text.trimmed());
    m_digitsOnly = !m_folded.isEmpty()
        && std::all_of(m_folded.cbegin(), m_folded.cend(), [](QChar c) { return c.isDigit(); });
}

bool ChannelMatcher::matches(const Channel *channel) const
{
    if (isEmpty())
        return true;
    if (m_digitsOnly && QString::number(channel->serviceId()).contains(m_folded))
        return true;
    if (contains(channel->name()))
        return true;
    if (const Provider *provider = channel->provider(); provider && contains(provider->name()))
        return true;
    const Transponder *transponder = channel->transponder();
    const Satellite *satellite = transponder ? transponder->satellite() : nullptr;
    return satellite && contains(satellite->name());
}

bool ChannelMatcher::contains(const QString &haystack) const
{
    // Plain ASCII needs no folding beyond case, which contains() ignores itself.
    if (isAscii(haystack))
        return haystack.contains(m_folded, Qt::CaseInsensitive);
    return folded(haystack).contains(m_folded);
}

const QString &ChannelMatcher::folded(const QString &text) const
{
    auto it = m_foldedTexts.constFind(text);
    if (it != m_foldedTexts.cend())
        return *it;
    if (m_foldedTexts.size() >= MaxRemembered)
        m_foldedTexts.clear();
    return *m_foldedTexts.insert(text, fold(text));
}
