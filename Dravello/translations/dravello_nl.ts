<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>Firmwareversie: %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>Schetsen naar lokale map &amp;verplaatsen</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>De schets kon niet naar %1 worden geschreven.</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>In %1 kon geen map voor de export worden gemaakt.</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>Document opslaan als </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>Document wordt opgeslagen als PDF</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>Document wordt opgeslagen als SVG</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>Document wordt opgeslagen als %1</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>Er is geen printer beschikbaar om de schets af te drukken.</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>Schets wordt afgedrukt</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>De schets kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>De schets heeft geen bestandsnaam en kan niet worden geëxporteerd.</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>Document wordt geëxporteerd</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 kon niet worden gestart.</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>Document wordt naar Photoshop geëxporteerd</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>De afbeeldingenmap kon niet in %1 worden vastgelegd.</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>De afbeelding %1 kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Adobe-script wordt gestart...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>Het Photoshop-script %1 kon niet worden geopend.</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>Weet u zeker dat u het bestand %1 wilt overschrijven?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>Kan het bestand %1 niet kopiëren</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>Kan de map voor Adobe-scripts niet maken</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>Formulier</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Lagen</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Laag verwijderen</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>Lagen samenvoegen</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>Lagen splitsen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>Vorig document</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>Streekschuif</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>Streekselectie</translation>
    </message>
    <message>
        <source> L </source>
        <translation> L </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>Streekpositie</translation>
    </message>
    <message>
        <source> R </source>
        <translation> R </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>Terug naar voorbeeld</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>Volgend document</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Bestand: %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>Bestand: %1 Label: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Laagnaam:</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>Bestandslabel:</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>Kan de geselecteerde laag niet splitsen: er is niets te doen!</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Niets om samen te voegen</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>Kan de geselecteerde lagen niet samenvoegen. De lagen moeten op elkaar aansluiten!</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exporteren naar</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Terug naar voorbeeld</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>&amp;Rechtsom draaien</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>&amp;Linksom draaien</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>Label &amp;weergeven/bewerken...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>Bestandslocatie &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>Document op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Document opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>Document in ander &amp;formaat opslaan</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>De tekst is te lang</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>Laag verwij&amp;deren</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>Laag&amp;naam wijzigen...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Laagnaam:</translation>
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
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Bestand &amp;openen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>Document opslaan</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Document opslaan als</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>Opslaan in ander formaat</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>Mappenstructuur</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>Over Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>Gebruikershandleiding</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>Belangrijke productinformatie</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Scrivet-tutorial</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Minimaliseren</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximaliseren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello is niet verbonden</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exporteren naar</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>Opslaan als </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>Het bestand is gewijzigd. Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>Het bestand is gewijzigd. Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello is verbonden</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>In- of uitzoomen</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>De Scrivet-ontvanger is uitgeschakeld. Maak geheugen vrij op de ontvanger.</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>Het apparaat is uitgeschakeld vanwege een bijna lege batterij.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>Waarschuwing! Uw Scrivet-ontvanger wordt niet opgeladen. Sluit de ontvanger opnieuw aan op een USB-poort met voeding als u hem wilt opladen.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>Waarschuwing! Uw Scrivet-ontvanger wordt niet opgeladen. De batterij is defect of niet goed aangesloten.</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>Het batterijniveau is kritiek. Laad de ontvanger minstens 30 minuten op.</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>Doelmap openen</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>Weet u zeker dat u uw schetsen naar de map 
%1 wilt verplaatsen?</translation>
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
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
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
        <translation>In- of uitzoomen</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>Eerste streek</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>Vorige streek</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>Volgende streek</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>Laatste streek</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>Afspeelsnelheid</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>Bestand: %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>Label: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>Lagen &amp;bewerken</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Verwij&amp;deren</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>&amp;Kopiëren naar...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Naam wijzigen...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>Bestandslocatie &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Document opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>In ander &amp;formaat opslaan</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exporteren naar</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>Wilt u het bestand %1 verwijderen?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>Kan het bestand %1 niet verwijderen</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>Map voor kopie openen</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>Bestandsnaam wijzigen:</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>Weet u zeker dat u de bestanden 
%1 en 
%2 wilt samenvoegen?</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>Over Scrivet Dravello</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;Softwareversie: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. Alle rechten voorbehouden.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Wilt u de klokinstelling op de ontvanger toepassen?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>Document wordt opgeslagen</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>Kan het bestand niet opslaan</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>Item %1 heeft geen attribuut met de naam %2 in het instellingenbestand 
%3.</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>Kan het instellingenbestand niet openen: 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>Fout bij het lezen van het instellingenbestand 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>Het bestand met fabrieksinstellingen bestaat niet: %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>Kan de fabrieksinstellingen %1 niet naar %2 kopiëren</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Toewijzing</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>Kies het papierformaat en de afdrukstand van de schets en daarna de gebruikelijke positie van de ontvanger. Deze keuze wordt de standaard voor uw schetsen.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Afdrukstand</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Papierformaat</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>Standaardpenseelgrootte</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>Diameter balpenpunt</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>Standaardpenseelkleur</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>Markeerkleur van laag</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>Kleur van streekschuif</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Midden</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>Klikdrempel</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Zacht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>Stevig</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Sluit Scrivet aan op uw computer om de klikdrempel in te stellen 
De klikdrempel bepaalt hoeveel druk nodig is om uw streken vast te leggen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>Standaardmap instellen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>Realtimeklok van ontvanger instellen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>Batterij werkt niet</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>Batterij bijna leeg</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>Batterij wordt opgeladen</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>Batterij vol</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>Laadt niet op: stroom te laag</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>Waarschuwing! Uw Scrivet-ontvanger wordt niet opgeladen. De temperatuur van de ontvanger is te hoog</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>Waarschuwing! Uw Scrivet-ontvanger wordt niet opgeladen. De temperatuur van de ontvanger is te laag</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>Ongeldige batterijstatus</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Teken hier om de klikdrempel van uw pen te testen</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Sluit Scrivet aan op uw computer om de klikdrempel in te stellen 
De klikdrempel bepaalt hoeveel druk nodig is om uw streken vast te leggen</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>Kan de drukwaarde niet ophalen.</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>U moet de nieuwe instelling eerst toepassen voordat u die test.</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>Kan de klikdrempel niet naar de ontvanger verzenden. Controleer of deze is aangesloten en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>De ontvanger is niet aangesloten op de USB-poort; de realtimeklok kan niet worden bijgewerkt.</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>Kan de realtimeklok niet bijwerken!</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>Werkmap selecteren</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>U hebt de klikdrempel gewijzigd en de huidige 
instelling niet getest. Klik op &quot;OK&quot; om zonder 
testen door te gaan. Klik op &quot;Toepassen&quot; om de instelling
 toe te passen en te testen. </translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>Kan de instellingen niet opslaan in het bestand 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>Kan het document niet aan Mail doorgeven (fout %1).</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>Kan het bestand niet verwijderen: %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>In %1 kon geen privémap voor de bijlage worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>Kan de map %1 niet maken</translation>
    </message>
</context>
</TS>
