#pragma once

#include "demosettingsbuilder.h"
#include "filebytes.h"
#include "ui/settingseditor.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A window with the demo HD file open from a temporary folder, in a test
// mode that keeps the user's remembered settings out of it.
struct DemoEditorFixture
{
    QTemporaryDir dir;
    QString path;
    QByteArray demo;

    // Call from initTestCase().
    void prepare()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        QVERIFY(dir.isValid());
        QString error;
        demo = DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD, &error);
        QVERIFY2(!demo.isEmpty(), qPrintable(error));
        path = dir.filePath(QStringLiteral("demo.si"));
    }

    // The demo file written anew, then opened.
    std::unique_ptr<SettingsEditor> openEditor() const
    {
        auto editor = std::make_unique<SettingsEditor>(nullptr);
        if (writeFileBytes(path, demo))
            editor->loadFile(path);
        return editor;
    }
};
