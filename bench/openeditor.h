#pragma once

#include <QString>
#include <Qt>

#include <memory>

class ChannelListWidget;
class Editable;
class EditableTreeWidget;
class QLineEdit;
class QWidget;
class Settings;
class SettingsEditor;
class SettingsHistory;

// The editor with a file open and its window shown (offscreen, 1280 x 800),
// its two panes at hand; owns the editor.
class OpenEditor
{
public:
    explicit OpenEditor(const QString &path, bool sortedByName = false);
    ~OpenEditor();

    void open(const QString &path);
    // As a click on the header does.
    void sortBy(int column, Qt::SortOrder order);
    // Shows the channels of an object as a click on its tree item would.
    void show(Editable *editable);
    void rebuildTable();
    void pressKey(int key, Qt::KeyboardModifiers modifiers = {});
    // A key as the focused filter field gets it, with the text it types.
    void typeInFilter(int key, const QString &text = {});

    SettingsHistory *history() const;
    SettingsEditor *editor() const { return m_editor.get(); }
    // A menu command by its action's object name, as the user triggers it.
    void trigger(const char *action);
    // Tools > Check file, or the dock closed again by its own toggle.
    void showProblems(bool shown);

    Settings *settings = nullptr;
    EditableTreeWidget *tree = nullptr;
    ChannelListWidget *table = nullptr;
    QLineEdit *filter = nullptr;

private:
    static void pressKeyIn(
        QWidget *target, int key, Qt::KeyboardModifiers modifiers, const QString &text = {});

    std::unique_ptr<SettingsEditor> m_editor;
};
