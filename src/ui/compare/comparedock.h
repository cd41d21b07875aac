#pragma once

#include "compare/difference.h"
#include "model/channel.h"

#include <QDockWidget>
#include <QList>

class QAction;
class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTabWidget;
class QTreeView;
class ChannelTableModel;
class ComparisonModel;
class ComparisonView;
class Settings;
class SettingsComparison;

// The result of comparing the open file with another: the counts of each
// kind in its header, the differences filtered by kind, and the other
// file's channels, read-only. Double-clicking a difference asks for its
// object to be shown; "Copy to This File" asks for the selected channels of
// the other file to be copied. The widgets are owned through the dock.
class CompareDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit CompareDock(QWidget *parent = nullptr);

    void setComparison(const SettingsComparison &comparison, const Settings *other, const QString &otherName);
    void clear();
    // Shows the other file's channels with this one selected.
    void showOtherChannel(const Channel *channel);

    ComparisonView *view() const { return m_view; }
    QAction *copyAction() const { return m_copyAction; }
    QString headerText() const;
    // The channels of the other file in the selected rows, in row order.
    QList<const Channel *> selectedOtherChannels() const;

signals:
    void differenceActivated(const Difference &difference);
    void copyRequested(const QList<const Channel *> &channels);

private:
    void setKindFilter(int entry);
    void updateCopyAction();

    QLabel *m_header;
    QComboBox *m_kindFilter;
    QTabWidget *m_tabs;
    ComparisonView *m_view;
    ComparisonModel *m_model;
    QSortFilterProxyModel *m_filter;
    QTreeView *m_otherView;
    ChannelTableModel *m_otherModel;
    // The file the other view shows; it is filled again only for another.
    const Settings *m_otherSettings = nullptr;
    QAction *m_copyAction;
};
