#pragma once

#include <QHash>
#include <QString>

class Channel;

// Decides whether a channel matches the text of the channel filter: its
// name, provider name, satellite name or service id contains the text,
// ignoring case and diacritics. The text is folded once when it is set; the
// folded form of each name is remembered by its text, so a keystroke over a
// full file folds only names it has not seen before.
class ChannelMatcher
{
public:
    void setText(const QString &text);
    QString text() const { return m_text; }
    // An empty text matches every channel.
    bool isEmpty() const { return m_folded.isEmpty(); }
    [[nodiscard]] bool matches(const Channel *channel) const;

    // Case folded, compatibility-decomposed, with the combining marks and a
    // few letters that do not decompose (ł, ø, ß, ...) reduced to plain
    // letters, so that "cesko" finds "Česko" and "lodz" finds "Łódź".
    [[nodiscard]] static QString fold(const QString &text);

private:
    bool contains(const QString &haystack) const;
    const QString &folded(const QString &text) const;

    QString m_text;
    QString m_folded;
    bool m_digitsOnly = false;
    mutable QHash<QString, QString> m_foldedTexts;
};
