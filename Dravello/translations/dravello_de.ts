<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>Firmware-Version: %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>Skizzen in lokalen Ordner &amp;verschieben</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>Die Skizze konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>In %1 konnte kein Ordner für den Export angelegt werden.</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>Dokument speichern unter </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>Dokument wird als PDF gespeichert</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>Dokument wird als SVG gespeichert</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>Dokument wird als %1 gespeichert</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>Es ist kein Drucker zum Drucken der Skizze verfügbar.</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>Skizze wird gedruckt</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>Die Skizze konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>Die Skizze hat keinen Dateinamen und kann nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>Dokument wird exportiert</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>Dokument wird nach Photoshop exportiert</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>Der Bilderordner konnte nicht in %1 eingetragen werden.</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>Das Bild %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Adobe-Skript wird gestartet...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>Das Photoshop-Skript %1 konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>Möchten Sie die Datei %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>Die Datei %1 konnte nicht kopiert werden</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>Der Ordner für Adobe-Skripte konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Ebene löschen</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>Ebenen zusammenführen</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>Ebenen teilen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>Vorheriges Dokument</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>Strichregler</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>Strichauswahl</translation>
    </message>
    <message>
        <source> L </source>
        <translation> L </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>Strichposition</translation>
    </message>
    <message>
        <source> R </source>
        <translation> R </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>Zurück zur Vorschau</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>Nächstes Dokument</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>Datei: %1 Etikett: „%2“</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Ebenenname:</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>Etikett der Datei:</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>Die ausgewählte Ebene kann nicht geteilt werden – es gibt nichts zu tun!</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nichts zusammenzuführen</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>Die ausgewählten Ebenen können nicht zusammengeführt werden. Die Ebenen müssen lückenlos aufeinanderfolgen!</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exportieren nach</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Zurück zur Vorschau</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>Im &amp;Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>Gegen den Uhrzeigersinn d&amp;rehen</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>Etikett &amp;anzeigen/bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>Speicher&amp;ort öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>Dokument &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Dokument speichern u&amp;nter...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>Dokument in anderem &amp;Format speichern</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>Der Text ist zu lang</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>Ebene &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>Ebene &amp;umbenennen...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Ebenenname:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Scrivet Dravello</source>
        <translation>Scrivet Dravello</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>Dokument speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Dokument speichern unter</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>In anderem Format speichern</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>Ordnerbaum</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>Über Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>Wichtige Produktinformationen</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Scrivet-Tutorial</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello ist nicht verbunden</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exportieren nach</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>Speichern unter </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>Die Datei wurde geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>Die Datei wurde geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello ist verbunden</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Vergrößern oder verkleinern</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Der Scrivet-Empfänger hat sich abgeschaltet. Bitte geben Sie Speicher auf dem Empfänger frei.</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>Das Gerät wurde wegen niedrigen Akkustands abgeschaltet.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>Warnung! Ihr Scrivet-Empfänger wird nicht geladen. Wenn Sie den Empfänger laden möchten, schließen Sie ihn bitte an einen USB-Anschluss mit Stromversorgung an.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>Warnung! Ihr Scrivet-Empfänger wird nicht geladen. Entweder ist der Akku defekt oder er ist nicht richtig angeschlossen.</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>Der Akkustand ist kritisch. Bitte laden Sie den Empfänger mindestens 30 Minuten lang.</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>Zielordner öffnen</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>Möchten Sie Ihre Skizzen wirklich in den Ordner 
%1 verschieben?</translation>
    </message>
</context>
<context>
    <name>PagesStripClass</name>
    <message>
        <source>PagesStrip</source>
        <translation>PagesStrip</translation>
    </message>
    <message>
        <source>N-M/TOTAL</source>
        <translation>N-M/TOTAL</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
</context>
<context>
    <name>PlayerDocument</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>PlayerDocumentClass</name>
    <message>
        <source>PlayerDocument</source>
        <translation>PlayerDocument</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Vergrößern oder verkleinern</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>Erster Strich</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>Vorheriger Strich</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>Nächster Strich</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>Letzter Strich</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>Wiedergabegeschwindigkeit</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>Etikett: „%1“</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>Ebenen &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>&amp;Kopieren nach...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>Speicher&amp;ort öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Dokument speichern u&amp;nter...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>In anderem &amp;Format speichern</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exportieren nach</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>Möchten Sie die Datei %1 löschen?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>Die Datei %1 konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>Zielordner für die Kopie öffnen</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>Datei umbenennen:</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>Möchten Sie die Dateien 
%1 und 
%2 wirklich zusammenführen?</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>Über Scrivet Dravello</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Lucida Grande&apos;; font-size:13pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;Software version: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Lucida Grande&apos;; font-size:13pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;Softwareversion: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. Alle Rechte vorbehalten.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Would you like to apply clock setting to the receiver?</source>
        <translation>Möchten Sie die Uhrzeit auf den Empfänger übertragen?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>Dokument wird gespeichert</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>Die Datei konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>Der Eintrag %1 hat kein Attribut namens %2 in der Einstellungsdatei 
%3.</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>Die Einstellungsdatei kann nicht geöffnet werden: 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>Fehler beim Lesen der Einstellungsdatei 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>Die Datei mit den Werkseinstellungen existiert nicht: %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>Die Werkseinstellungen %1 konnten nicht nach %2 kopiert werden</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Zuordnung</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>Wählen Sie Papierformat und Ausrichtung der Skizze und danach die übliche Position des Empfängers. Diese Auswahl gilt als Vorgabe für Ihre Skizzen.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>Standard-Pinselgröße</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>Durchmesser der Kugelspitze</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>Standard-Pinselfarbe</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>Hervorhebungsfarbe der Ebene</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>Farbe des Strichreglers</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>Klickschwelle</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Schließen Sie Scrivet an Ihren Computer an, um die Klickschwelle einzustellen 
Die Klickschwelle legt fest, wie viel Druck zum Aufzeichnen Ihrer Striche nötig ist</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>Standardordner festlegen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>Echtzeituhr des Empfängers stellen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>Akku nicht betriebsbereit</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>Akku fast leer</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>Akku wird geladen</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>Akku voll</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>Keine Ladung, zu geringer Strom</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>Warnung! Ihr Scrivet-Empfänger wird nicht geladen. Die Temperatur des Empfängers ist zu hoch</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>Warnung! Ihr Scrivet-Empfänger wird nicht geladen. Die Temperatur des Empfängers ist zu niedrig</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>Ungültiger Akkuzustand</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Zeichnen Sie hier, um die Klickschwelle Ihres Stifts zu testen</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Schließen Sie Scrivet an Ihren Computer an, um die Klickschwelle einzustellen 
Die Klickschwelle legt fest, wie viel Druck zum Aufzeichnen Ihrer Striche nötig ist</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>Der Druckwert konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Sie müssen die neue Einstellung zuerst übernehmen, bevor Sie sie testen.</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>Die Klickschwelle konnte nicht an den Empfänger gesendet werden. Prüfen Sie, ob er angeschlossen ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>Der Empfänger ist nicht mit dem USB-Anschluss verbunden, die Echtzeituhr kann nicht gestellt werden.</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>Die Echtzeituhr konnte nicht gestellt werden!</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>Arbeitsordner auswählen</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>Sie haben die Klickschwelle geändert, aber die aktuelle 
Einstellung nicht getestet. Klicken Sie auf „OK“, um ohne 
Test fortzufahren. Klicken Sie auf „Übernehmen“, um die Einstellung
 zu übernehmen und zu testen. </translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>Die Einstellungen konnten nicht in der Datei 
%1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>Das Dokument konnte nicht an Mail übergeben werden (Fehler %1).</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>Die Datei kann nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>In %1 konnte kein privater Ordner für den Anhang angelegt werden.</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
</context>
</TS>
