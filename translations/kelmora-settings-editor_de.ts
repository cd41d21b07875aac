<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <location filename="../src/ui/dialogs/aboutbox.cpp" line="19"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/aboutbox.cpp" line="21"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/aboutbox.cpp" line="25"/>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/aboutbox.cpp" line="31"/>
        <source>&lt;h3&gt;Kelmora Settings Editor %1&lt;/h3&gt;&lt;p&gt;Edits the channel set-up of Kelmora 2XX and Kelmora HD satellite receivers.&lt;/p&gt;&lt;p&gt;This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kelmora Settings Editor %1&lt;/h3&gt;&lt;p&gt;Bearbeitet die Senderliste und Antenneneinstellungen der Satellitenreceiver Kelmora 2XX und Kelmora HD.&lt;/p&gt;&lt;p&gt;Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, Version 3 oder einer späteren Version, weitergeben und/oder verändern. Es wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/aboutbox.cpp" line="39"/>
        <source>About Kelmora Settings Editor</source>
        <translation>Über Kelmora Settings Editor</translation>
    </message>
</context>
<context>
    <name>ApplyOrderDialog</name>
    <message>
        <location filename="../src/ui/reference/applyorderdialog.cpp" line="16"/>
        <source>Order the channels like %1.</source>
        <translation>Die Sender wie in %1 anordnen.</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/applyorderdialog.cpp" line="21"/>
        <source>Lines of the list left out because they could not be read: %1</source>
        <translation>Zeilen der Liste, die nicht gelesen werden konnten und übergangen wurden: %1</translation>
    </message>
</context>
<context>
    <name>CapacityCheck</name>
    <message>
        <location filename="../src/store/capacitycheck.cpp" line="53"/>
        <source>satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <location filename="../src/store/capacitycheck.cpp" line="55"/>
        <source>transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <location filename="../src/store/capacitycheck.cpp" line="57"/>
        <source>providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <location filename="../src/store/capacitycheck.cpp" line="59"/>
        <source>favorite groups</source>
        <translation>Favoritengruppen</translation>
    </message>
    <message>
        <location filename="../src/store/capacitycheck.cpp" line="64"/>
        <source>channels</source>
        <translation>Sender</translation>
    </message>
</context>
<context>
    <name>ChangedFilePrompt</name>
    <message>
        <location filename="../src/ui/dialogs/changedfileprompt.cpp" line="9"/>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/changedfileprompt.cpp" line="10"/>
        <source>%1 was changed by another program since it was opened or saved in this window.</source>
        <translation>%1 wurde seit dem Öffnen oder Speichern in diesem Fenster von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/changedfileprompt.cpp" line="13"/>
        <source>Overwrite replaces those changes with yours; no backup is taken of them. Save As… keeps them and saves yours under another name.</source>
        <translation>Überschreiben ersetzt jene Änderungen durch Ihre; von ihnen wird keine Sicherung angelegt. Speichern unter… behält sie und speichert Ihre unter einem anderen Namen.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/changedfileprompt.cpp" line="15"/>
        <source>&amp;Overwrite</source>
        <translation>Über&amp;schreiben</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/changedfileprompt.cpp" line="16"/>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
</context>
<context>
    <name>Channel</name>
    <message>
        <location filename="../src/model/channel.cpp" line="15"/>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <location filename="../src/model/channel.cpp" line="15"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>ChannelColumns</name>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="13"/>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="14"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="14"/>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="15"/>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="15"/>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="16"/>
        <source>SymbolRate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="17"/>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="18"/>
        <source>Service Type</source>
        <translation>Diensttyp</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="18"/>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="19"/>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="19"/>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="20"/>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <location filename="../src/store/channelcolumns.cpp" line="20"/>
        <source>PMT PID</source>
        <translation>PMT-PID</translation>
    </message>
</context>
<context>
    <name>ChannelCopier</name>
    <message>
        <location filename="../src/compare/channelcopier.cpp" line="80"/>
        <source>The file holds at most %1 %2: it has %3, and the copy needs %4 more.</source>
        <translation>Die Datei fasst höchstens %1 %2: Sie hat %3, und die Kopie braucht %4 mehr.</translation>
    </message>
    <message>
        <location filename="../src/compare/channelcopier.cpp" line="87"/>
        <source>The favorite group holds at most %1 channels: it has %2, and the copy needs %3 more.</source>
        <translation>Die Favoritengruppe fasst höchstens %1 Sender: Sie hat %2, und die Kopie braucht %3 mehr.</translation>
    </message>
</context>
<context>
    <name>ChannelFilterField</name>
    <message>
        <location filename="../src/ui/channelfilterfield.cpp" line="9"/>
        <source>Filter channels (name, provider, satellite, SID)</source>
        <translation>Sender filtern (Name, Anbieter, Satellit, SID)</translation>
    </message>
    <message>
        <location filename="../src/ui/channelfilterfield.cpp" line="11"/>
        <source>Channel filter</source>
        <translation>Senderfilter</translation>
    </message>
    <message>
        <location filename="../src/ui/channelfilterfield.cpp" line="12"/>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
</context>
<context>
    <name>ChannelListPrinter</name>
    <message>
        <location filename="../src/ui/print/channellistprinter.cpp" line="41"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/print/channellistprinter.cpp" line="47"/>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>ChannelListWidget</name>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="58"/>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="235"/>
        <source>%1 of 1 channel</source>
        <translation>%1 von 1 Sender</translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="236"/>
        <source>%1 of %2 channels</source>
        <translation>%1 von %2 Sendern</translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="237"/>
        <source>1 channel</source>
        <translation>1 Sender</translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="237"/>
        <source>%1 channels</source>
        <translation>%1 Sender</translation>
    </message>
    <message>
        <location filename="../src/ui/channellistwidget.cpp" line="300"/>
        <source>Sort by position to reorder</source>
        <translation>Zum Umordnen nach Position sortieren</translation>
    </message>
</context>
<context>
    <name>ChannelOrderActions</name>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="29"/>
        <source>&amp;Order</source>
        <translation>&amp;Reihenfolge</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="36"/>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="37"/>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="38"/>
        <source>Move to &amp;Top</source>
        <translation>An den &amp;Anfang verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="39"/>
        <source>Move to &amp;Bottom</source>
        <translation>An das &amp;Ende verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="40"/>
        <source>Move to &amp;Position…</source>
        <translation>An &amp;Position verschieben…</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="44"/>
        <source>&amp;Reverse Selection</source>
        <translation>Auswahl u&amp;mkehren</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="47"/>
        <source>Sort &amp;List By</source>
        <translation>&amp;Liste sortieren nach</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="49"/>
        <source>Sort &amp;Selection By</source>
        <translation>Aus&amp;wahl sortieren nach</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="52"/>
        <source>Ta&amp;ke the Table&apos;s Sort as Order</source>
        <translation>Tabellensortierung als Reihenfolge ü&amp;bernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="85"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="85"/>
        <source>Sa&amp;tellite and Frequency</source>
        <translation>Sa&amp;tellit und Frequenz</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="85"/>
        <source>&amp;Provider and Name</source>
        <translation>&amp;Anbieter und Name</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="85"/>
        <source>Service &amp;Id</source>
        <translation>Dienst-&amp;ID</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="150"/>
        <source>TV channels stay ahead of radio channels.</source>
        <translation>TV-Kanäle bleiben vor den Radiokanälen.</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="163"/>
        <source>Move %1 Up</source>
        <translation>%1 nach oben verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="166"/>
        <source>Move %1 Down</source>
        <translation>%1 nach unten verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="169"/>
        <source>Move %1 to Top</source>
        <translation>%1 an den Anfang verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="172"/>
        <source>Move %1 to Bottom</source>
        <translation>%1 an das Ende verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="185"/>
        <source>Move to Position</source>
        <translation>An Position verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="186"/>
        <source>Position of the first selected channel (1 to %1):</source>
        <translation>Position des ersten ausgewählten Kanals (1 bis %1):</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="199"/>
        <source>Move %1 to Position %2</source>
        <translation>%1 an Position %2 verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="208"/>
        <source>Reverse %1</source>
        <translation>%1 umkehren</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="218"/>
        <source>Sort %1 by %2</source>
        <translation>%1 nach %2 sortieren</translation>
    </message>
    <message>
        <location filename="../src/ui/order/channelorderactions.cpp" line="230"/>
        <source>Order %1 as Sorted by %2</source>
        <translation>%1 wie nach %2 sortiert anordnen</translation>
    </message>
</context>
<context>
    <name>ChannelSorter</name>
    <message>
        <location filename="../src/order/channelsorter.cpp" line="85"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/order/channelsorter.cpp" line="87"/>
        <source>Satellite and Frequency</source>
        <translation>Satellit und Frequenz</translation>
    </message>
    <message>
        <location filename="../src/order/channelsorter.cpp" line="89"/>
        <source>Provider and Name</source>
        <translation>Anbieter und Name</translation>
    </message>
    <message>
        <location filename="../src/order/channelsorter.cpp" line="94"/>
        <source>Service Id</source>
        <translation>Dienst-ID</translation>
    </message>
</context>
<context>
    <name>ChannelTableActions</name>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="27"/>
        <source>&amp;Create Channel…</source>
        <translation>Sender &amp;anlegen…</translation>
    </message>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="28"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="29"/>
        <source>Select Co&amp;lumns…</source>
        <translation>&amp;Spalten auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="30"/>
        <source>Select D&amp;uplicates</source>
        <translation>D&amp;uplikate auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="37"/>
        <source>Select every channel that repeats the service of a channel before it</source>
        <translation>Wählt jeden Sender aus, der den Dienst eines früheren Senders wiederholt</translation>
    </message>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="123"/>
        <source>Select duplicates</source>
        <translation>Duplikate auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="123"/>
        <source>No channel repeats the service of another channel.</source>
        <translation>Kein Sender wiederholt den Dienst eines anderen Senders.</translation>
    </message>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="159"/>
        <source>This settings file holds at most %1 channels. Delete a channel before creating another one.</source>
        <translation>Diese Einstellungsdatei fasst höchstens %1 Sender. Löschen Sie einen Sender, bevor Sie einen neuen anlegen.</translation>
    </message>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="164"/>
        <source>A favorite group holds at most %1 channels.</source>
        <translation>Eine Favoritengruppe fasst höchstens %1 Sender.</translation>
    </message>
    <message>
        <location filename="../src/ui/channeltableactions.cpp" line="168"/>
        <source>Create channel</source>
        <translation>Sender anlegen</translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <location filename="../src/ui/channeltablemodel.cpp" line="50"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>CliTool</name>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="24"/>
        <source>The file to write, &quot;-&quot; for standard output; export writes there without it.</source>
        <translation>Die zu schreibende Datei, „-“ für die Standardausgabe; export schreibt ohne sie dorthin.</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="179"/>
        <source>Writes JSON for scripts.</source>
        <translation>Schreibt JSON für Skripte.</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="107"/>
        <source>give exactly one of --csv and --reference</source>
        <translation>geben Sie genau eine der Optionen --csv und --reference an</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="129"/>
        <source>apply-order needs -o OUT</source>
        <translation>apply-order braucht -o OUT</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="142"/>
        <source>not saved: it is the reference list, which a settings file does not replace</source>
        <translation>nicht gespeichert: sie ist die Referenzliste, die eine Einstellungsdatei nicht ersetzt</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="144"/>
        <source>line %1 skipped: %2</source>
        <translation>Zeile %1 übergangen: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="147"/>
        <source>a reference list has no favorite groups; --favorites ignored</source>
        <translation>eine Referenzliste hat keine Favoritengruppen; --favorites wird ignoriert</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="155"/>
        <source>%1 matched by id, %2 by name, %3 not at all%4</source>
        <translation>%1 per ID zugeordnet, %2 per Name, %3 gar nicht%4</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="160"/>
        <source> (deleted)</source>
        <translation> (gelöscht)</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="253"/>
        <source>A settings file, &quot;-&quot; for standard input.</source>
        <translation>Eine Einstellungsdatei, „-“ für die Standardeingabe.</translation>
    </message>
    <message>
        <location filename="../src/cli/diffcommand.cpp" line="69"/>
        <source>Lists what differs from A to B; exits with 1 when anything does, 2 on trouble.</source>
        <translation>Listet auf, was sich von A zu B unterscheidet; endet mit 1, wenn sich etwas unterscheidet, mit 2 bei Problemen.</translation>
    </message>
    <message>
        <location filename="../src/cli/diffcommand.cpp" line="70"/>
        <source>A settings file.</source>
        <translation>Eine Einstellungsdatei.</translation>
    </message>
    <message>
        <location filename="../src/cli/diffcommand.cpp" line="71"/>
        <source>The settings file to compare it with.</source>
        <translation>Die Einstellungsdatei, mit der verglichen wird.</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="255"/>
        <source>The model and each table&apos;s count against its capacity.</source>
        <translation>Das Modell und für jede Tabelle die Anzahl der Einträge im Verhältnis zu ihrer Kapazität.</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="257"/>
        <source>The channels as CSV or as a reference list.</source>
        <translation>Die Sender als CSV oder als Referenzliste.</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="260"/>
        <source>Orders the channels like a reference and writes the result.</source>
        <translation>Ordnet die Sender wie eine Referenz an und schreibt das Ergebnis.</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="263"/>
        <source>A settings file or reference list giving the order.</source>
        <translation>Eine Einstellungsdatei oder Referenzliste, die die Reihenfolge vorgibt.</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="266"/>
        <source>Lists the file&apos;s problems; exits with 1 when any is an error.</source>
        <translation>Listet die Probleme der Datei auf; endet mit 1, wenn eines davon ein Fehler ist.</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="30"/>
        <source>Usage: %1 COMMAND [options] ARGUMENTS

Commands:
</source>
        <translation>Aufruf: %1 BEFEHL [Optionen] ARGUMENTE

Befehle:
</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="33"/>
        <source>
A FILE of &quot;-&quot; is standard input, an output of &quot;-&quot; standard output.
Run &quot;%1 COMMAND --help&quot; for a command&apos;s arguments.
</source>
        <translation>
Eine DATEI „-“ ist die Standardeingabe, eine Ausgabe „-“ die Standardausgabe.
„%1 BEFEHL --help“ zeigt die Argumente eines Befehls.
</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="54"/>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="54"/>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="66"/>
        <location filename="../src/cli/clitool.cpp" line="151"/>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="66"/>
        <source>write error: %1</source>
        <translation>Schreibfehler: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="73"/>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="93"/>
        <source>%1 expects the arguments %2; %3 given</source>
        <translation>%1 erwartet die Argumente %2; angegeben: %3</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="97"/>
        <source>standard input can be read only once</source>
        <translation>die Standardeingabe kann nur einmal gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="103"/>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="139"/>
        <location filename="../src/cli/clitool.cpp" line="151"/>
        <source>not written: %1</source>
        <translation>nicht geschrieben: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="163"/>
        <source>written, but %1</source>
        <translation>geschrieben, aber %1</translation>
    </message>
    <message>
        <location filename="../src/cli/clitool.cpp" line="163"/>
        <source>not saved: %1</source>
        <translation>nicht gespeichert: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="100"/>
        <source>The channel table as CSV.</source>
        <translation>Die Sendertabelle als CSV.</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="102"/>
        <source>The main list as a reference list.</source>
        <translation>Die Hauptliste als Referenzliste.</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="119"/>
        <source>Takes the reference&apos;s names for channels matched by id.</source>
        <translation>Übernimmt die Namen der Referenz für per ID zugeordnete Sender.</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="121"/>
        <source>Takes the reference&apos;s favorite groups (a settings file reference only).</source>
        <translation>Übernimmt die Favoritengruppen der Referenz (nur wenn die Referenz eine Einstellungsdatei ist).</translation>
    </message>
    <message>
        <location filename="../src/cli/clicommands.cpp" line="123"/>
        <source>Deletes the channels the reference does not match.</source>
        <translation>Löscht die Sender, die der Referenz nicht zugeordnet werden können.</translation>
    </message>
</context>
<context>
    <name>CompareController</name>
    <message>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="30"/>
        <source>Compare &amp;With…</source>
        <translation>&amp;Vergleichen mit…</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="34"/>
        <source>Shows what differs from another settings file</source>
        <translation>Zeigt, was sich von einer anderen Einstellungsdatei unterscheidet</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="100"/>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="117"/>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="100"/>
        <source>Settings files (*.si);;All files (*)</source>
        <translation>Einstellungsdateien (*.si);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="113"/>
        <source>It could not be read: it is not a regular file.</source>
        <translation>Sie konnte nicht gelesen werden: Sie ist keine reguläre Datei.</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="118"/>
        <source>%1 was not opened.</source>
        <translation>%1 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="176"/>
        <source>Copy channels</source>
        <translation>Sender kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="176"/>
        <source>No channel was copied.</source>
        <translation>Es wurde kein Sender kopiert.</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparecontroller.cpp" line="180"/>
        <source>Channels copied: %1; skipped because this file already has them: %2.</source>
        <translation>Kopierte Sender: %1; übergangen, weil diese Datei sie schon hat: %2.</translation>
    </message>
</context>
<context>
    <name>CompareDock</name>
    <message>
        <location filename="../src/ui/compare/comparedock.cpp" line="17"/>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparedock.cpp" line="26"/>
        <source>Copy to &amp;This File</source>
        <translation>In &amp;diese Datei kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparedock.cpp" line="33"/>
        <source>All Differences</source>
        <translation>Alle Unterschiede</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparedock.cpp" line="59"/>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparedock.cpp" line="60"/>
        <source>Other File</source>
        <translation>Andere Datei</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparedock.cpp" line="74"/>
        <source>Compared with %1: %2 only in this file, %3 only in the other, %4 changed, %5 moved</source>
        <translation>Verglichen mit %1: %2 nur in dieser Datei, %3 nur in der anderen, %4 geändert, %5 verschoben</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <location filename="../src/ui/compare/comparisonmodel.cpp" line="16"/>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparisonmodel.cpp" line="18"/>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparisonmodel.cpp" line="20"/>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparisonmodel.cpp" line="22"/>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparisonmodel.cpp" line="79"/>
        <source>Difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparisonmodel.cpp" line="81"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparisonmodel.cpp" line="83"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/comparisonmodel.cpp" line="85"/>
        <source>What Differs</source>
        <translation>Was sich unterscheidet</translation>
    </message>
</context>
<context>
    <name>DeletionSummary</name>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="18"/>
        <source>1 satellite</source>
        <translation>1 Satellit</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/commands/deletionsummary.cpp" line="19"/>
        <source>%n satellites</source>
        <translation>
            <numerusform>%n Satellit</numerusform>
            <numerusform>%n Satelliten</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="21"/>
        <source>1 transponder</source>
        <translation>1 Transponder</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/commands/deletionsummary.cpp" line="22"/>
        <source>%n transponders</source>
        <translation>
            <numerusform>%n Transponder</numerusform>
            <numerusform>%n Transponder</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="24"/>
        <source>1 provider</source>
        <translation>1 Anbieter</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/commands/deletionsummary.cpp" line="25"/>
        <source>%n providers</source>
        <translation>
            <numerusform>%n Anbieter</numerusform>
            <numerusform>%n Anbieter</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="27"/>
        <source>1 channel</source>
        <translation>1 Sender</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/commands/deletionsummary.cpp" line="28"/>
        <source>%n channels</source>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="42"/>
        <source>satellite %1</source>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="44"/>
        <source>transponder %1</source>
        <translation>Transponder %1</translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="46"/>
        <source>provider %1</source>
        <translation>Anbieter %1</translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="48"/>
        <source>channel %1</source>
        <translation>Sender %1</translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="57"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="107"/>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="107"/>
        <source>Deleted %1 with %2</source>
        <translation>%1 gelöscht, dazu %2</translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="115"/>
        <source>Removed %1 from %2</source>
        <translation>%1 aus %2 entfernt</translation>
    </message>
    <message>
        <location filename="../src/commands/deletionsummary.cpp" line="120"/>
        <source>%1 — %2 to undo</source>
        <translation>%1 — %2 macht es rückgängig</translation>
    </message>
</context>
<context>
    <name>Difference</name>
    <message>
        <location filename="../src/compare/difference.cpp" line="24"/>
        <source>Only in this file</source>
        <translation>Nur in dieser Datei</translation>
    </message>
    <message>
        <location filename="../src/compare/difference.cpp" line="26"/>
        <source>Only in the other file</source>
        <translation>Nur in der anderen Datei</translation>
    </message>
    <message>
        <location filename="../src/compare/difference.cpp" line="28"/>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location filename="../src/compare/difference.cpp" line="30"/>
        <source>Moved</source>
        <translation>Verschoben</translation>
    </message>
</context>
<context>
    <name>EditableTreeWidget</name>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="28"/>
        <location filename="../src/ui/editabletreewidget.cpp" line="43"/>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="44"/>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="45"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="47"/>
        <source>Create &amp;Satellite…</source>
        <translation>&amp;Satellit anlegen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="49"/>
        <source>Create &amp;Transponder…</source>
        <translation>&amp;Transponder anlegen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="51"/>
        <source>Create &amp;Provider…</source>
        <translation>&amp;Anbieter anlegen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="250"/>
        <source>Cannot create</source>
        <translation>Anlegen nicht möglich</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="258"/>
        <source>The settings file holds at most %1 satellites.</source>
        <translation>Die Einstellungsdatei fasst höchstens %1 Satelliten.</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="272"/>
        <source>The settings file holds at most %1 transponders.</source>
        <translation>Die Einstellungsdatei fasst höchstens %1 Transponder.</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="292"/>
        <source>The settings file holds at most %1 providers.</source>
        <translation>Die Einstellungsdatei fasst höchstens %1 Anbieter.</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="394"/>
        <source>Cannot add channels</source>
        <translation>Sender können nicht hinzugefügt werden</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="395"/>
        <source>A favorite group holds at most %1 channels; %2 already belong to &quot;%3&quot;.</source>
        <translation>Eine Favoritengruppe fasst höchstens %1 Sender; %2 gehören bereits zu „%3“.</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="29"/>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="30"/>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <location filename="../src/ui/editabletreewidget.cpp" line="31"/>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
</context>
<context>
    <name>ExportTarget</name>
    <message>
        <location filename="../src/reference/exporttarget.cpp" line="15"/>
        <source>it is not a regular file, so it is not replaced</source>
        <translation>sie ist keine reguläre Datei und wird daher nicht ersetzt</translation>
    </message>
    <message>
        <location filename="../src/reference/exporttarget.cpp" line="18"/>
        <source>it is a settings file, which an export does not replace</source>
        <translation>sie ist eine Einstellungsdatei, die ein Export nicht ersetzt</translation>
    </message>
</context>
<context>
    <name>FileCheckController</name>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="41"/>
        <source>%1: %2. %3</source>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="61"/>
        <source>No problems found</source>
        <translation>Keine Probleme gefunden</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="66"/>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="66"/>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="69"/>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="69"/>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="71"/>
        <source>1 note</source>
        <translation>1 Hinweis</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="71"/>
        <source>%1 notes</source>
        <translation>%1 Hinweise</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="83"/>
        <source>&amp;Check File</source>
        <translation>&amp;Datei prüfen</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="84"/>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="89"/>
        <source>Lists what a receiver would stumble on in this file</source>
        <translation>Listet auf, woran ein Receiver in dieser Datei scheitern würde</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="96"/>
        <source>&amp;Problems</source>
        <translation>&amp;Probleme</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="169"/>
        <source>…and %1 more.</source>
        <translation>…und %1 weitere.</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="170"/>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="171"/>
        <source>The check finds an error in this file that the receiver may stumble on.</source>
        <translation>Die Prüfung findet in dieser Datei einen Fehler, an dem der Receiver scheitern kann.</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="172"/>
        <source>The check finds %1 errors in this file that the receiver may stumble on.</source>
        <translation>Die Prüfung findet in dieser Datei %1 Fehler, an denen der Receiver scheitern kann.</translation>
    </message>
    <message>
        <location filename="../src/ui/check/filecheckcontroller.cpp" line="175"/>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
</context>
<context>
    <name>FileProblem</name>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="34"/>
        <source>Duplicate service</source>
        <translation>Doppelter Dienst</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="36"/>
        <source>Channel without transponder</source>
        <translation>Sender ohne Transponder</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="38"/>
        <source>Channel without provider</source>
        <translation>Sender ohne Anbieter</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="40"/>
        <source>Transponder without satellite</source>
        <translation>Transponder ohne Satellit</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="42"/>
        <source>PID out of range</source>
        <translation>PID außerhalb des Bereichs</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="44"/>
        <source>Service id 0</source>
        <translation>Dienst-ID 0</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="46"/>
        <source>Value out of range</source>
        <translation>Wert außerhalb des Bereichs</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="48"/>
        <source>Empty channel name</source>
        <translation>Leerer Sendername</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="50"/>
        <source>Satellite without transponders</source>
        <translation>Satellit ohne Transponder</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="52"/>
        <source>Provider without channels</source>
        <translation>Anbieter ohne Sender</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="54"/>
        <source>Transponder without channels</source>
        <translation>Transponder ohne Sender</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="56"/>
        <source>Over capacity</source>
        <translation>Kapazität überschritten</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="58"/>
        <source>Name too long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="67"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="69"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="71"/>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="79"/>
        <source>Whole file</source>
        <translation>Ganze Datei</translation>
    </message>
    <message>
        <location filename="../src/check/fileproblem.cpp" line="82"/>
        <source>%1 (SID %2)</source>
        <translation>%1 (SID %2)</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <location filename="../src/files/inputfile.cpp" line="21"/>
        <source>it is larger than %1</source>
        <translation>sie ist größer als %1</translation>
    </message>
    <message>
        <location filename="../src/files/inputfile.cpp" line="35"/>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <location filename="../src/files/inputfile.cpp" line="36"/>
        <source>it is not a regular file (a pipe or a device could block or never end)</source>
        <translation>sie ist keine reguläre Datei (eine Pipe oder ein Gerät könnte blockieren oder nie enden)</translation>
    </message>
</context>
<context>
    <name>NameRoomValidator</name>
    <message>
        <location filename="../src/ui/dialogs/nameroomvalidator.cpp" line="50"/>
        <source>1 byte left</source>
        <translation>1 Byte frei</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/nameroomvalidator.cpp" line="52"/>
        <source>%1 bytes left</source>
        <translation>%1 Bytes frei</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/nameroomvalidator.cpp" line="54"/>
        <source>1 byte too many</source>
        <translation>1 Byte zu viel</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/nameroomvalidator.cpp" line="56"/>
        <source>%1 bytes too many</source>
        <translation>%1 Bytes zu viel</translation>
    </message>
</context>
<context>
    <name>NamedStep</name>
    <message numerus="yes">
        <location filename="../src/ui/namedstep.cpp" line="38"/>
        <source>%n Objects</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="75"/>
        <source>Create %1</source>
        <translation>%1 anlegen</translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="80"/>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="92"/>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="97"/>
        <source>Remove %1 from Group %2</source>
        <translation>%1 aus der Gruppe %2 entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="103"/>
        <source>Add %1 to Group %2</source>
        <translation>%1 zur Gruppe %2 hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="106"/>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="107"/>
        <source>Move %1 to %2</source>
        <translation>%1 nach %2 verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="113"/>
        <source>Copy Channel %1</source>
        <translation>Sender %1 kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="114"/>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/namedstep.cpp" line="119"/>
        <source>Apply Order</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <location filename="../src/ui/print/printcontroller.cpp" line="17"/>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <location filename="../src/ui/print/printcontroller.cpp" line="18"/>
        <source>&amp;PDF…</source>
        <translation>&amp;PDF…</translation>
    </message>
    <message>
        <location filename="../src/ui/print/printcontroller.cpp" line="59"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/ui/print/printcontroller.cpp" line="59"/>
        <source>The channel list could not be printed.</source>
        <translation>Die Senderliste konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>ProblemListWidget</name>
    <message>
        <location filename="../src/ui/check/problemlistwidget.cpp" line="97"/>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <location filename="../src/ui/check/problemlistwidget.cpp" line="97"/>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <location filename="../src/ui/check/problemlistwidget.cpp" line="97"/>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <location filename="../src/ui/check/problemlistwidget.cpp" line="97"/>
        <source>Explanation</source>
        <translation>Erläuterung</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="52"/>
        <source>It could not be read: %1</source>
        <translation>Sie konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="54"/>
        <source>It is not a Kelmora 2XX or HD settings file: %1.</source>
        <translation>Sie ist keine Einstellungsdatei eines Kelmora 2XX oder HD: %1.</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <location filename="../src/ui/recentfiles.cpp" line="17"/>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location filename="../src/ui/recentfiles.cpp" line="82"/>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <location filename="../src/recovery/recoverycopy.cpp" line="122"/>
        <source>it could not be read: %1</source>
        <translation>sie konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/recovery/recoverycopy.cpp" line="127"/>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <location filename="../src/recovery/recoverycopy.cpp" line="140"/>
        <source>its file %1 could not be read: %2</source>
        <translation>ihre Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../src/recovery/recoverycopy.cpp" line="145"/>
        <source>its file %1 is gone or changed, and the copy holds nothing to lay the changes over</source>
        <translation>ihre Datei %1 fehlt oder wurde geändert, und die Kopie enthält nichts, worauf die Änderungen gelegt werden könnten</translation>
    </message>
    <message>
        <location filename="../src/recovery/recoverycopy.cpp" line="152"/>
        <source>its file %1 is no longer a settings file</source>
        <translation>ihre Datei %1 ist keine Einstellungsdatei mehr</translation>
    </message>
    <message>
        <location filename="../src/recovery/recoverycopy.cpp" line="156"/>
        <location filename="../src/recovery/recoverycopy.cpp" line="166"/>
        <source>it does not fit its file %1</source>
        <translation>sie passt nicht zu ihrer Datei %1</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="43"/>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="81"/>
        <source>Recover unsaved changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="44"/>
        <source>The editor did not close cleanly. Unsaved changes to %1 were kept on %2.</source>
        <translation>Der Editor wurde nicht ordnungsgemäß beendet. Ungespeicherte Änderungen an %1 wurden am %2 gesichert.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="52"/>
        <source>Restore opens %1 with these changes for you to save. Discard deletes them.</source>
        <translation>„Wiederherstellen“ öffnet %1 mit diesen Änderungen, damit Sie sie speichern können. „Verwerfen“ löscht sie.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="55"/>
        <source>%1 was changed since then. Restore opens the changes as a new, unsaved file, and %1 stays as it is now. Discard deletes them.</source>
        <translation>%1 wurde seitdem geändert. Wiederherstellen öffnet die Änderungen als neue, ungespeicherte Datei, und %1 bleibt, wie sie jetzt ist. Verwerfen löscht sie.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="60"/>
        <source>%1 cannot be found now; it may be on a disk that is not connected. Restore opens the changes as a new, unsaved file. Later keeps them for the next start. Discard deletes them.</source>
        <translation>%1 ist jetzt nicht zu finden; vielleicht liegt sie auf einem Laufwerk, das nicht angeschlossen ist. Wiederherstellen öffnet die Änderungen als neue, ungespeicherte Datei. Später behält sie für den nächsten Start. Verwerfen löscht sie.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="66"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="68"/>
        <source>&amp;Later</source>
        <translation>S&amp;päter</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="82"/>
        <source>The editor did not close cleanly, and the copy it kept of the unsaved changes at %1 is damaged: those changes could not be restored.</source>
        <translation>Der Editor wurde nicht ordnungsgemäß beendet, und die Kopie, die er um %1 von den ungespeicherten Änderungen angelegt hatte, ist beschädigt: Diese Änderungen konnten nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/recoveryoffer.cpp" line="85"/>
        <source>The damaged copy was kept as %1.</source>
        <translation>Die beschädigte Kopie wurde als %1 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>ReferenceController</name>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="29"/>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="33"/>
        <source>Orders the channels like another settings file or a reference list</source>
        <translation>Ordnet die Sender wie in einer anderen Einstellungsdatei oder einer Referenzliste an</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="28"/>
        <source>Apply Order &amp;From…</source>
        <translation>&amp;Reihenfolge übernehmen aus…</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="38"/>
        <source>Channel Table as &amp;CSV…</source>
        <translation>Sendertabelle als &amp;CSV…</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="41"/>
        <source>&amp;Reference List…</source>
        <translation>&amp;Referenzliste…</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="57"/>
        <source>Apply order from</source>
        <translation>Reihenfolge übernehmen aus</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="59"/>
        <source>Settings files and reference lists (*.si *.txt *.csv);;Settings files (*.si);;Reference lists (*.txt *.csv);;All files (*)</source>
        <translation>Einstellungsdateien und Referenzlisten (*.si *.txt *.csv);;Einstellungsdateien (*.si);;Referenzlisten (*.txt *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="67"/>
        <source>%1 cannot give the order: %2.</source>
        <translation>%1 kann die Reihenfolge nicht vorgeben: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="83"/>
        <source>Export channel table</source>
        <translation>Sendertabelle exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="83"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="89"/>
        <source>Export reference list</source>
        <translation>Referenzliste exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="89"/>
        <source>Reference lists (*.txt)</source>
        <translation>Referenzlisten (*.txt)</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/referencecontroller.cpp" line="123"/>
        <source>%1 was not written: %2.</source>
        <translation>%1 wurde nicht geschrieben: %2.</translation>
    </message>
</context>
<context>
    <name>ReferenceFile</name>
    <message>
        <location filename="../src/reference/referencefile.cpp" line="40"/>
        <source>holds no channels to take an order from</source>
        <translation>enthält keine Sender, deren Reihenfolge übernommen werden könnte</translation>
    </message>
    <message>
        <location filename="../src/reference/referencefile.cpp" line="48"/>
        <source>neither a Kelmora 2XX or HD settings file nor a UTF-8 reference list</source>
        <translation>weder eine Einstellungsdatei eines Kelmora 2XX oder HD noch eine UTF-8-Referenzliste</translation>
    </message>
    <message>
        <location filename="../src/reference/referencefile.cpp" line="57"/>
        <source>holds no channel entries</source>
        <translation>enthält keine Sendereinträge</translation>
    </message>
    <message>
        <location filename="../src/reference/referencefile.cpp" line="58"/>
        <source>holds no channel entries; line %1: %2</source>
        <translation>enthält keine Sendereinträge; Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>ReferenceListText</name>
    <message>
        <location filename="../src/reference/referencelisttext.cpp" line="43"/>
        <source>expected &quot;number;name;ONID-TSID-SID&quot;</source>
        <translation>erwartet „Nummer;Name;ONID-TSID-SID“</translation>
    </message>
    <message>
        <location filename="../src/reference/referencelisttext.cpp" line="47"/>
        <source>the number &quot;%1&quot; is not a whole number</source>
        <translation>die Nummer „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <location filename="../src/reference/referencelisttext.cpp" line="51"/>
        <source>&quot;%1&quot; is not ONID-TSID-SID, three numbers from 0 to 65535</source>
        <translation>„%1“ ist nicht ONID-TSID-SID, also drei Zahlen von 0 bis 65535</translation>
    </message>
</context>
<context>
    <name>SafeSaver</name>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="86"/>
        <source>%1 was not saved; the file is unchanged.</source>
        <translation>%1 wurde nicht gespeichert; die Datei ist unverändert.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="89"/>
        <source>Its original is also kept in %1.</source>
        <translation>Ihr Original ist außerdem in %1 erhalten.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="95"/>
        <source>These settings have no file image that could be checked after writing.</source>
        <translation>Diese Einstellungen haben kein Dateiabbild, das nach dem Schreiben geprüft werden könnte.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="122"/>
        <source>%1 was saved, but reading it back found %2.</source>
        <translation>%1 wurde gespeichert, aber beim Zurücklesen ergab sich: %2.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="110"/>
        <source>The file may be damaged: save again, or save under another name.</source>
        <translation>Die Datei ist möglicherweise beschädigt: Speichern Sie erneut oder unter einem anderen Namen.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="112"/>
        <source>The file may be damaged; its original is kept in %1. Save again, or save under another name.</source>
        <translation>Die Datei ist möglicherweise beschädigt; ihr Original ist in %1 erhalten. Speichern Sie erneut oder unter einem anderen Namen.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="159"/>
        <source>It is not a regular file, so it is not replaced.</source>
        <translation>Sie ist keine reguläre Datei und wird daher nicht ersetzt.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="175"/>
        <source>Its backup %1 could not be written</source>
        <translation>Ihre Sicherungskopie %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="163"/>
        <location filename="../src/saving/safesaver.cpp" line="195"/>
        <source>It could not be read to make its backup: %1</source>
        <translation>Sie konnte für die Sicherungskopie nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="118"/>
        <source>%1 could not be written whole: %2</source>
        <translation>%1 konnte nicht vollständig geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="119"/>
        <source>it could not be written whole: %1</source>
        <translation>sie konnte nicht vollständig geschrieben werden: %1</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="123"/>
        <source>reading it back found %1</source>
        <translation>beim Zurücklesen fand sich %1</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="135"/>
        <source>Another program changed it since it was opened or saved here.</source>
        <translation>Ein anderes Programm hat sie geändert, seit sie hier geöffnet oder gespeichert wurde.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="199"/>
        <source>only %1 of %2 bytes were written; the disk may be full.</source>
        <translation>nur %1 von %2 Bytes wurden geschrieben; der Datenträger ist vielleicht voll.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="207"/>
        <source>Another program changed it while it was being saved.</source>
        <translation>Ein anderes Programm hat sie geändert, während sie gespeichert wurde.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="248"/>
        <location filename="../src/saving/safesaver.cpp" line="267"/>
        <source>Only %1 of %2 bytes could be written; the disk may be full.</source>
        <translation>Nur %1 von %2 Bytes konnten geschrieben werden; der Datenträger ist vielleicht voll.</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="283"/>
        <source>that it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="286"/>
        <source>%1 bytes where %2 were written</source>
        <translation>%1 Bytes statt der geschriebenen %2</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="291"/>
        <source>a different byte at offset %1</source>
        <translation>ein abweichendes Byte an Position %1</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="294"/>
        <source>that it cannot be read again: %1</source>
        <translation>sie kann nicht erneut gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../src/saving/safesaver.cpp" line="297"/>
        <source>that it is not recognised as a settings file</source>
        <translation>sie wird nicht als Einstellungsdatei erkannt</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../src/store/settings.cpp" line="14"/>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <location filename="../src/store/settings.cpp" line="15"/>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <location filename="../src/store/settings.cpp" line="16"/>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
</context>
<context>
    <name>SettingsChecker</name>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="74"/>
        <source>%1 %2; the file has room for %3, so a save is refused.</source>
        <translation>%1 %2; die Datei hat Platz für %3, daher wird das Speichern verweigert.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="76"/>
        <source>channels in this group</source>
        <translation>Sender in dieser Gruppe</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="85"/>
        <source>The position</source>
        <translation>Die Position</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="86"/>
        <source>The low LOF</source>
        <translation>Die untere LOF</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="88"/>
        <source>The high LOF</source>
        <translation>Die obere LOF</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="90"/>
        <source>The DiSEqC 1.2 position</source>
        <translation>Die DiSEqC-1.2-Position</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="99"/>
        <source>The transponder belongs to no satellite, so the receiver has no antenna set-up for it.</source>
        <translation>Der Transponder gehört zu keinem Satelliten, daher hat der Receiver keine Antenneneinstellung für ihn.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="101"/>
        <source>The frequency</source>
        <translation>Die Frequenz</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="103"/>
        <source>The symbol rate</source>
        <translation>Die Symbolrate</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="117"/>
        <source>The channel has no transponder, so the receiver cannot tune it.</source>
        <translation>Der Sender hat keinen Transponder, daher kann der Receiver ihn nicht einstellen.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="119"/>
        <source>The channel has no provider.</source>
        <translation>Der Sender hat keinen Anbieter.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="122"/>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="123"/>
        <source>audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="124"/>
        <source>PCR</source>
        <translation>PCR</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="125"/>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="130"/>
        <source>The %1 PID is %2; a PID goes up to %3.</source>
        <translation>Die %1-PID ist %2; eine PID reicht bis %3.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="133"/>
        <source>Service id 0 is reserved for the network; no service can be found by it.</source>
        <translation>Die Dienst-ID 0 ist für das Netz reserviert; über sie ist kein Dienst auffindbar.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="137"/>
        <source>The channel has no name.</source>
        <translation>Der Sender hat keinen Namen.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="144"/>
        <source>The same service as &quot;%1&quot;, which comes earlier in the channel list.</source>
        <translation>Derselbe Dienst wie „%1“, der weiter vorn in der Senderliste steht.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="153"/>
        <source>No transponder belongs to this satellite.</source>
        <translation>Zu diesem Satelliten gehört kein Transponder.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="157"/>
        <source>No channel is carried by this transponder.</source>
        <translation>Dieser Transponder überträgt keinen Sender.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="161"/>
        <source>No channel refers to this provider.</source>
        <translation>Kein Sender verweist auf diesen Anbieter.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="183"/>
        <source>The name will be shortened to &quot;%1&quot;.</source>
        <translation>Der Name wird zu „%1“ gekürzt.</translation>
    </message>
    <message>
        <location filename="../src/check/settingschecker.cpp" line="203"/>
        <source>%1 is %2; the editor accepts at most %3.</source>
        <translation>%1 ist %2; der Editor akzeptiert höchstens %3.</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="304"/>
        <source>It could not be read: it is not a regular file.</source>
        <translation>Sie konnte nicht gelesen werden: Sie ist keine reguläre Datei.</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="238"/>
        <location filename="../src/ui/settingseditor.cpp" line="312"/>
        <source>Open settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="313"/>
        <source>%1 was not opened.</source>
        <translation>%1 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="284"/>
        <location filename="../src/ui/settingseditor.cpp" line="366"/>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="42"/>
        <source>Settings files (*.si)</source>
        <translation>Einstellungsdateien (*.si)</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="43"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="106"/>
        <source>Export PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="106"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="356"/>
        <source>Tidy for Saving</source>
        <translation>Zum Speichern aufräumen</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="391"/>
        <source>They do not fit the file.</source>
        <translation>Sie passen nicht zur Datei.</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="393"/>
        <source>Restore Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="395"/>
        <source>Recover unsaved changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="396"/>
        <source>The unsaved changes to %1 could not be restored; they are kept for a later try.</source>
        <translation>Die ungespeicherten Änderungen an %1 konnten nicht wiederhergestellt werden; sie bleiben für einen späteren Versuch erhalten.</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="417"/>
        <location filename="../src/ui/settingseditor.cpp" line="445"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../src/ui/settingseditor.cpp" line="416"/>
        <source>%1 has unsaved changes. Do you want to save them?</source>
        <translation>%1 hat ungespeicherte Änderungen. Möchten Sie sie speichern?</translation>
    </message>
</context>
<context>
    <name>SettingsFlatBinary</name>
    <message>
        <location filename="../src/formats/settingsflatbinary.cpp" line="10"/>
        <source>The settings could not be written: %1</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location filename="../src/formats/settingsflatbinary.cpp" line="11"/>
        <source>no file was given</source>
        <translation>es wurde keine Datei angegeben</translation>
    </message>
</context>
<context>
    <name>SettingsKelmora</name>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="28"/>
        <source>These settings have already been loaded.</source>
        <translation>Diese Einstellungen wurden bereits geladen.</translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="34"/>
        <source>The file gave %1 bytes; a %2 settings file has exactly %3.</source>
        <translation>Die Datei lieferte %1 Bytes; eine Einstellungsdatei des %2 hat genau %3.</translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="51"/>
        <source>No settings file has been loaded, so there is nothing to save into.</source>
        <translation>Es wurde keine Einstellungsdatei geladen, daher gibt es nichts, worin gespeichert werden könnte.</translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="77"/>
        <source>The settings hold %1 %2; a %3 file has room for %4.</source>
        <translation>Die Einstellungen enthalten %1 %2; eine Datei des %3 hat Platz für %4.</translation>
    </message>
    <message>
        <location filename="../src/formats/settingskelmora.cpp" line="72"/>
        <source>The favorite group &quot;%1&quot; holds %2 channels; a %3 file has room for %4 per group.</source>
        <translation>Die Favoritengruppe „%1“ enthält %2 Sender; eine Datei des %3 hat Platz für %4 je Gruppe.</translation>
    </message>
</context>
<context>
    <name>SettingsRecognition</name>
    <message>
        <location filename="../src/formats/recognizesettings.cpp" line="80"/>
        <source>it does not start with &quot;%1&quot;</source>
        <translation>sie beginnt nicht mit „%1“</translation>
    </message>
    <message>
        <location filename="../src/formats/recognizesettings.cpp" line="83"/>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <location filename="../src/formats/recognizesettings.cpp" line="85"/>
        <source>its size of %1 bytes fits neither receiver: a %2 file has %3 bytes, a %4 file %5</source>
        <translation>ihre Größe von %1 Bytes passt zu keinem Receiver: eine Datei des %2 hat %3 Bytes, eine des %4 %5</translation>
    </message>
    <message>
        <location filename="../src/formats/recognizesettings.cpp" line="115"/>
        <source>not a Kelmora 2XX or HD settings file: %1</source>
        <translation>keine Einstellungsdatei eines Kelmora 2XX oder HD: %1</translation>
    </message>
</context>
<context>
    <name>StepDescription</name>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="159"/>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/commands/stepdescription.cpp" line="159"/>
        <source>%n Satellites</source>
        <translation>
            <numerusform>%n Satellit</numerusform>
            <numerusform>%n Satelliten</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="161"/>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/commands/stepdescription.cpp" line="161"/>
        <source>%n Transponders</source>
        <translation>
            <numerusform>%n Transponder</numerusform>
            <numerusform>%n Transponder</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="163"/>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/commands/stepdescription.cpp" line="163"/>
        <source>%n Providers</source>
        <translation>
            <numerusform>%n Anbieter</numerusform>
            <numerusform>%n Anbieter</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="165"/>
        <source>Favorite Group</source>
        <translation>Favoritengruppe</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/commands/stepdescription.cpp" line="165"/>
        <source>%n Favorite Groups</source>
        <translation>
            <numerusform>%n Favoritengruppe</numerusform>
            <numerusform>%n Favoritengruppen</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="167"/>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/commands/stepdescription.cpp" line="167"/>
        <source>%n Channels</source>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="175"/>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="179"/>
        <source>Create %1</source>
        <translation>%1 anlegen</translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="185"/>
        <source>Add %1 to Group</source>
        <translation>%1 zur Gruppe hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="187"/>
        <source>Remove %1 from Group</source>
        <translation>%1 aus der Gruppe entfernen</translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="189"/>
        <location filename="../src/commands/stepdescription.cpp" line="195"/>
        <location filename="../src/commands/stepdescription.cpp" line="207"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="197"/>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="197"/>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="200"/>
        <source>Move %1 to %2</source>
        <translation>%1 nach %2 verschieben</translation>
    </message>
    <message>
        <location filename="../src/commands/stepdescription.cpp" line="205"/>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
</context>
<context>
    <name>Transponder</name>
    <message>
        <location filename="../src/model/transponder.cpp" line="13"/>
        <source>H</source>
        <comment>horizontal polarization</comment>
        <translation>H</translation>
    </message>
    <message>
        <location filename="../src/model/transponder.cpp" line="13"/>
        <source>V</source>
        <comment>vertical polarization</comment>
        <translation>V</translation>
    </message>
</context>
<context>
    <name>UndoHistoryDock</name>
    <message>
        <location filename="../src/ui/docks/undohistorydock.cpp" line="10"/>
        <source>Undo History</source>
        <translation>Bearbeitungsverlauf</translation>
    </message>
    <message>
        <location filename="../src/ui/docks/undohistorydock.cpp" line="14"/>
        <source>Undo &amp;History</source>
        <translation>Bearbeitungs&amp;verlauf</translation>
    </message>
    <message>
        <location filename="../src/ui/docks/undohistorydock.cpp" line="16"/>
        <source>&lt;opened file&gt;</source>
        <translation>&lt;geöffnete Datei&gt;</translation>
    </message>
</context>
<context>
    <name>applyOrderDialog</name>
    <message>
        <location filename="../src/ui/reference/applyorderdialog.ui" line="6"/>
        <source>Apply Order</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/applyorderdialog.ui" line="21"/>
        <source>Matched by id:</source>
        <translation>Per ID zugeordnet:</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/applyorderdialog.ui" line="31"/>
        <source>Matched by name:</source>
        <translation>Per Name zugeordnet:</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/applyorderdialog.ui" line="41"/>
        <source>Not matched:</source>
        <translation>Nicht zugeordnet:</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/applyorderdialog.ui" line="60"/>
        <source>Take the reference&apos;s &amp;names for channels matched by id</source>
        <translation>&amp;Namen der Referenz für per ID zugeordnete Sender übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/applyorderdialog.ui" line="67"/>
        <source>Take the reference&apos;s &amp;favorite groups</source>
        <translation>&amp;Favoritengruppen der Referenz übernehmen</translation>
    </message>
    <message>
        <location filename="../src/ui/reference/applyorderdialog.ui" line="74"/>
        <source>&amp;Delete the channels left unmatched</source>
        <translation>Nicht zugeordnete Sender &amp;löschen</translation>
    </message>
</context>
<context>
    <name>channelDialog</name>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="14"/>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="55"/>
        <source>Service &amp;Id</source>
        <translation>Dienst-&amp;ID</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="69"/>
        <source>&amp;Provider</source>
        <translation>&amp;Anbieter</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="83"/>
        <source>&amp;Transponder</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="97"/>
        <source>&amp;Video PID</source>
        <translation>&amp;Video-PID</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="111"/>
        <source>&amp;Audio PID</source>
        <translation>A&amp;udio-PID</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="125"/>
        <source>PC&amp;R PID</source>
        <translation>PC&amp;R-PID</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="139"/>
        <source>P&amp;MT PID</source>
        <translation>P&amp;MT-PID</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="153"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/channeldialog.ui" line="171"/>
        <source>T&amp;ype</source>
        <translation>T&amp;yp</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/channeldialog.cpp" line="100"/>
        <source>The channel has no transponder, so a receiver cannot tune to it. Keep it without one?</source>
        <translation>Der Sender hat keinen Transponder, ein Receiver kann ihn also nicht empfangen. Trotzdem ohne Transponder behalten?</translation>
    </message>
</context>
<context>
    <name>favoriteGroupDialog</name>
    <message>
        <location filename="../src/ui/forms/favoritegroupdialog.ui" line="14"/>
        <source>Favorite group</source>
        <translation>Favoritengruppe</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/favoritegroupdialog.ui" line="22"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/main.cpp" line="20"/>
        <source>Edits the settings files (.si) of Kelmora 2XX and Kelmora HD satellite receivers.</source>
        <translation>Bearbeitet die Einstellungsdateien (.si) der Satellitenreceiver Kelmora 2XX und Kelmora HD.</translation>
    </message>
    <message>
        <location filename="../src/main.cpp" line="25"/>
        <source>The settings file to open.</source>
        <translation>Die zu öffnende Einstellungsdatei.</translation>
    </message>
    <message>
        <location filename="../src/main.cpp" line="69"/>
        <source>Only one file can be opened at a time.</source>
        <translation>Es kann nur eine Datei auf einmal geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>providerDialog</name>
    <message>
        <location filename="../src/ui/forms/providerdialog.ui" line="14"/>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/providerdialog.ui" line="55"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
</context>
<context>
    <name>satelliteDialog</name>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="17"/>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="58"/>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="72"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="90"/>
        <source>&amp;Low LOF</source>
        <translation>&amp;Untere LOF</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="104"/>
        <source>&amp;High LOF</source>
        <translation>Ob&amp;ere LOF</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="118"/>
        <source>&amp;DiSEqC</source>
        <translation>&amp;DiSEqC</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="132"/>
        <source>&amp;Tone 22kHz</source>
        <translation>22-kHz-&amp;Ton</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="146"/>
        <source>DiSEqC 1.&amp;2</source>
        <translation>DiSEqC 1.&amp;2</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="166"/>
        <source>DiSEqC 1.2 Po&amp;sition</source>
        <translation>DiSEqC-1.2-Po&amp;sition</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/satellitedialog.ui" line="183"/>
        <source>DiSEqC 1.&amp;1</source>
        <translation>DiSEqC 1.&amp;1</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/satellitedialog.cpp" line="24"/>
        <location filename="../src/ui/dialogs/satellitedialog.cpp" line="39"/>
        <location filename="../src/ui/dialogs/satellitedialog.cpp" line="46"/>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/satellitedialog.cpp" line="29"/>
        <source>TONE BURST A</source>
        <translation>TONE BURST A</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/satellitedialog.cpp" line="30"/>
        <source>TONE BURST B</source>
        <translation>TONE BURST B</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/satellitedialog.cpp" line="37"/>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/satellitedialog.cpp" line="38"/>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
</context>
<context>
    <name>selectColumnsDialog</name>
    <message>
        <location filename="../src/ui/forms/selectcolumnsdialog.ui" line="14"/>
        <source>Select columns</source>
        <translation>Spalten auswählen</translation>
    </message>
</context>
<context>
    <name>settingsEditorMainWindow</name>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="14"/>
        <source>Kelmora Settings Editor</source>
        <translation>Kelmora Settings Editor</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="99"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="108"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="113"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="127"/>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="136"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="145"/>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="150"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/settingseditormainwindow.ui" line="155"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>transponderDialog</name>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="14"/>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="55"/>
        <source>&amp;Satellite</source>
        <translation>&amp;Satellit</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="69"/>
        <source>&amp;Polarization</source>
        <translation>&amp;Polarisation</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="83"/>
        <source>Transport Stream &amp;Id</source>
        <translation>Transportstrom-&amp;ID</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="97"/>
        <source>N&amp;etwork Id</source>
        <translation>N&amp;etzwerk-ID</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="111"/>
        <source>O&amp;riginal Network Id</source>
        <translation>&amp;Ursprüngliche Netzwerk-ID</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="125"/>
        <source>&amp;Frequency</source>
        <translation>&amp;Frequenz</translation>
    </message>
    <message>
        <location filename="../src/ui/forms/transponderdialog.ui" line="139"/>
        <source>Sy&amp;mbol Rate</source>
        <translation>Sy&amp;mbolrate</translation>
    </message>
</context>
</TS>
