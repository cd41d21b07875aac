// A probe for the test of the real program on a virtual display: loaded
// into the editor as a Qt generic plugin (QT_QPA_GENERIC_PLUGINS), it waits
// until the main window shows a loaded file and prints what the object tree
// and the channel table hold, so that the test sees the panes filled without
// the program carrying any code for it.
#include <QAbstractItemView>
#include <QApplication>
#include <QGenericPlugin>
#include <QMainWindow>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

class WindowProbe : public QObject
{
public:
    explicit WindowProbe(QObject *parent)
        : QObject(parent)
    {
        m_timer.setInterval(100);
        connect(&m_timer, &QTimer::timeout, this, &WindowProbe::look);
        m_timer.start();
    }

private:
    void look()
    {
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (const QWidget *window : windows) {
            const auto *mainWindow = qobject_cast<const QMainWindow *>(window);
            if (!mainWindow || !mainWindow->isVisible() || !mainWindow->windowTitle().contains(u".si"))
                continue;
            const auto *tree = mainWindow->findChild<QTreeWidget *>(QStringLiteral("treeWidget"));
            const auto *table
                = mainWindow->findChild<QAbstractItemView *>(QStringLiteral("channelListTreeView"));
            if (!tree || !table || !table->model() || tree->topLevelItemCount() < 3)
                continue;
            std::printf("probe: satellites %d providers %d favorites %d channels %d\n",
                tree->topLevelItem(0)->childCount(), tree->topLevelItem(1)->childCount(),
                tree->topLevelItem(2)->childCount(), table->model()->rowCount());
            std::fflush(stdout);
            m_timer.stop();
        }
    }

    QTimer m_timer;
};

} // namespace

class WindowProbePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "windowprobe.json")

public:
    QObject *create(const QString &, const QString &) override { return new WindowProbe(qApp); }
};

#include "windowprobeplugin.moc"
