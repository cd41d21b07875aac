#pragma once

#include <QString>

#include <optional>

// Who owns a file, who may read it and how many names it has: what a file
// written in its place has to carry over so that nobody gains or loses
// access by a save.
class FileOwnership
{
public:
    // Nothing for a file that is missing.
    [[nodiscard]] static std::optional<FileOwnership> of(const QString &path);

    unsigned linkCount() const { return m_links; }
    // Gives an open file this owner, group and mode as far as the user may.
    // Where the group cannot be kept, the file keeps no group rights: they
    // would go to another group than the one the user chose.
    void applyTo(int descriptor) const;

private:
    unsigned m_owner = 0;
    unsigned m_group = 0;
    unsigned m_mode = 0;
    unsigned m_links = 1;
};
