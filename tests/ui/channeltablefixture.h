#pragma once

#include "model/rooteditable.h"
#include "storebuilder.h"
#include "ui/channelfilterfield.h"
#include "ui/channellistwidget.h"
#include "uitest.h"

#include <QStyleOptionViewItem>

#include <functional>

using Col = ChannelListWidget::Column;

// Stands in for the channel dialog, which is modal.
class TestTable : public ChannelListWidget
{
public:
    std::function<bool(Channel *)> dialog = [](Channel *) { return false; };
    QList<Channel *> dialogChannels;

    QStyleOptionViewItem cellOption() const
    {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        return option;
    }

protected:
    bool runChannelDialog(Channel *channel) override
    {
        dialogChannels.append(channel);
        return dialog(channel);
    }
};

// A store and a table wired as the main window wires them: every channel
// list change re-reads the channels of the shown object.
struct TableFixture : StoreBuilder
{
    TestTable table;
    ChannelFilterField filter;
    Editable *shown = nullptr;

    TableFixture()
    {
        table.resize(900, 400);
        table.setSettings(&settings);
        table.setFilterField(&filter);
        QObject::connect(&settings, &Settings::updatedChannelList, &table, [this] { show(shown); });
        QObject::connect(&table, &ChannelListWidget::mainListRequested, &table, [this] { show(nullptr); });
        show(nullptr);
    }
    void show(Editable *editable)
    {
        shown = settings.contains(editable) ? editable : settings.satellitesRoot();
        table.showChannels(shown, settings.channelsOf(shown));
    }

    // Drops and clicks need laid-out rows.
    [[nodiscard]] bool exposeTable()
    {
        table.show();
        return QTest::qWaitForWindowExposed(&table);
    }
    QVariant cell(int row, int column) const { return table.model()->index(row, column).data(); }
    QVariantList row(int row) const
    {
        QVariantList cells;
        for (int column = 0; column < Col::ColumnCount; ++column)
            cells.append(cell(row, column));
        return cells;
    }
    QStringList column(int column = Col::NameColumn) const
    {
        QStringList texts;
        for (int row = 0; row < table.model()->rowCount(); ++row)
            texts.append(cell(row, column).toString());
        return texts;
    }
    QPoint rowCenter(const QString &name) const
    {
        return table.visualRect(table.model()->index(int(column().indexOf(name)), 1)).center();
    }
    void selectRows(const char *list)
    {
        table.selectionModel()->clear();
        for (const QString &name : words(list))
            table.selectionModel()->select(table.model()->index(int(column().indexOf(name)), 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QStringList mainList() const { return names(settings.channels()); }
    QStringList groupList(FavoriteGroup *group) const { return names(settings.channelsOf(group)); }
};
