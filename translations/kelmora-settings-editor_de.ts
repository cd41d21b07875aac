<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/ui/aboutbox.cpp" line="19"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/aboutbox.cpp" line="21"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location filename="../src/ui/aboutbox.cpp" line="25"/>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <location filename="../src/ui/aboutbox.cpp" line="31"/>
        <source>&lt;h3&gt;Kelmora Settings Editor %1&lt;/h3&gt;&lt;p&gt;Edits the channel set-up of Kelmora 2XX and Kelmora HD satellite receivers.&lt;/p&gt;&lt;p&gt;This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/aboutbox.cpp" line="39"/>
        <source>About Kelmora Settings Editor</source>
        <translation>Über Kelmora Settings Editor</translation>
    </message>
</context>
<context>
    <name>ChannelListWidget</name>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="60"/>
        <source>Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="61"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="62"/>
        <source>Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="63"/>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="64"/>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="65"/>
        <source>SymbolRate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="66"/>
        <source>Polarization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="67"/>
        <source>Service Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="68"/>
        <source>SID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="69"/>
        <source>Video PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="70"/>
        <source>Audio PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="71"/>
        <source>PCR PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="72"/>
        <source>PMT PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="76"/>
        <source>create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="77"/>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="81"/>
        <source>select columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="337"/>
        <source>This settings file holds at most %1 channels. Delete a channel before creating another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="343"/>
        <source>A favourite group holds at most %1 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="347"/>
        <source>Create channel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditableTreeWidget</name>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="27"/>
        <source>Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="243"/>
        <source>Cannot create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="251"/>
        <source>The settings file holds at most %1 satellites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="263"/>
        <source>The settings file holds at most %1 transponders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="277"/>
        <source>The settings file holds at most %1 providers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="386"/>
        <source>Cannot add channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="387"/>
        <source>A favourite group holds at most %1 channels; %2 already belong to &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="29"/>
        <source>It could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="31"/>
        <source>It is not a Kelmora 2XX or HD settings file: it does not start with &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="33"/>
        <source>It is not a Kelmora 2XX or HD settings file: its size of %1 bytes fits neither receiver.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <location filename="../src/ui/recentfiles.cpp" line="16"/>
        <source>Recent files</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <location filename="../src/ui/recentfiles.cpp" line="72"/>
        <source>Clear</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="126"/>
        <source>It could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="134"/>
        <source>Open settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="135"/>
        <source>%1 was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="189"/>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="190"/>
        <source>%1 was not saved; the file is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="203"/>
        <source>%1 has unsaved changes. Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFlatBinary</name>
    <message>
        <location filename="../src/formats/settingsflatbinary.cpp" line="75"/>
        <source>The settings could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingsflatbinary.cpp" line="76"/>
        <source>no file was given</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsKelmora</name>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="104"/>
        <source>These settings have already been loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="110"/>
        <source>The file gave %1 bytes; a %2 settings file has exactly %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="125"/>
        <source>No settings file has been loaded, so there is nothing to save into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="146"/>
        <source>The settings hold %1 %2; a %3 file has room for %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="151"/>
        <source>satellites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="153"/>
        <source>transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="155"/>
        <source>providers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="157"/>
        <source>channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="159"/>
        <source>favourite groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="168"/>
        <source>The favourite group &quot;%1&quot; holds %2 channels; a %3 file has room for %4 per group.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>channelDialog</name>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="14"/>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="55"/>
        <source>Service Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="66"/>
        <source>Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="77"/>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="88"/>
        <source>Video PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="99"/>
        <source>Audio PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="110"/>
        <source>PCR PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="121"/>
        <source>PMT PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="132"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="143"/>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>favoriteGroupDialog</name>
    <message>
        <location filename="../src/ui/forms/favoritegroupdialog.ui" line="14"/>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/favoritegroupdialog.ui" line="22"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/main.cpp" line="23"/>
        <source>Edits the settings files (.si) of Kelmora 2XX and Kelmora HD satellite receivers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/main.cpp" line="28"/>
        <source>The settings file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/main.cpp" line="33"/>
        <source>Only one file can be opened at a time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>providerDialog</name>
    <message>
        <location filename="../src/ui/forms/providerdialog.ui" line="14"/>
        <source>Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/providerdialog.ui" line="55"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>satelliteDialog</name>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="17"/>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="58"/>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="69"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="83"/>
        <source>Low LOF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="94"/>
        <source>High LOF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="105"/>
        <source>DiSEqC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="116"/>
        <source>Tone 22kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="127"/>
        <source>DiSEqC 1.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="144"/>
        <source>DiSEqC 1.2 Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="158"/>
        <source>DiSEqC 1.1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>settingsEditorMainWindow</name>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="14"/>
        <source>Tolvar&apos;s Kelmora SettingsEditor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="75"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="82"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="90"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="99"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="108"/>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>transponderDialog</name>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="14"/>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="55"/>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="66"/>
        <source>Polarization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="77"/>
        <source>Transport Stream Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="88"/>
        <source>Network Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="99"/>
        <source>Original Network Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="110"/>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="121"/>
        <source>Symbol Rate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
