#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMetaObject>
#include <QString>
#include <QStringList>

class Editable;
class SettingsHistory;

// Gives the history's next step the name of the user action that is about
// to change the store ("Delete Satellite Astra 1KR", "Move 3 Channels").
// Made just before the change and kept for the action's length: the name
// goes to the history with the store's first announcement, before the step
// is recorded, so that an action that changes nothing after all (a dialog
// accepted as it was, a drop the store refused) leaves no name behind for
// an unrelated later step. Without a history or a store it does nothing.
class NamedStep
{
    Q_DECLARE_TR_FUNCTIONS(NamedStep)

public:
    NamedStep(SettingsHistory *history, const QString &name);
    ~NamedStep();
    NamedStep(const NamedStep &) = delete;
    NamedStep &operator=(const NamedStep &) = delete;

    static QString creation(const Editable &object);
    static QString edit(const Editable &object);
    static QString deletion(const QList<Editable *> &objects);
    // Channels taken out of a favourite group, which keeps them in the file.
    static QString removal(const QList<Editable *> &channels, const Editable &group);
    // Onto a favourite group, `dragged` are the channels that join it.
    static QString drop(const QList<Editable *> &dragged, const Editable &target);
    static QString copy(const QStringList &channelNames);
    static QString applyOrder();

private:
    void nameOnce();

    SettingsHistory *m_history = nullptr;
    QString m_name;
    QList<QMetaObject::Connection> m_connections;
};
