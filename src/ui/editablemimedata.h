#pragma once

#include <QList>
#include <QMimeData>

class Editable;

// Drag payload carrying objects of the store by pointer, meaningful only
// inside this running program; channels also go as values, which another
// running editor can copy. It does not own the objects.
class EditableMimeData : public QMimeData
{
    Q_OBJECT

public:
    static const QString mimeType;

    EditableMimeData() = default;

    void setEditables(const QList<Editable *> &editables) { m_editables = editables; }
    QList<Editable *> editables() const { return m_editables; }

    bool hasFormat(const QString &mimeType) const override;
    QStringList formats() const override;

private:
    QList<Editable *> m_editables;
};

// The objects of a payload made by this program; empty for any other data.
QList<Editable *> editablesFromMimeData(const QMimeData *data);

// Drags the objects out of a view as a move; returns when the drag ends.
void execEditableDrag(QObject *source, const QList<Editable *> &editables);
