<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>Versione firmware: %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>&amp;Sposta gli schizzi in una cartella locale</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>Impossibile scrivere lo schizzo in %1.</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>Impossibile creare una cartella per l&apos;esportazione in %1.</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>Salva documento come </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>Salvataggio del documento in PDF</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>Salvataggio del documento in SVG</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>Salvataggio del documento in %1</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>Nessuna stampante disponibile per stampare lo schizzo.</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>Stampa dello schizzo</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>Impossibile stampare lo schizzo.</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>Lo schizzo non ha un nome file e non può essere esportato.</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>Esportazione del documento</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 non è installato.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Impossibile avviare %1.</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>Esportazione del documento in Photoshop</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>Impossibile registrare la cartella delle immagini in %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>Impossibile scrivere l&apos;immagine %1.</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Avvio dello script Adobe...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>Impossibile aprire lo script di Photoshop %1.</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>Sovrascrivere il file %1?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>Impossibile copiare il file %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>Impossibile creare la cartella degli script Adobe</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Elimina livello</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>Unisci livelli</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>Dividi livelli</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>Documento precedente</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>Cursore dei tratti</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>Selezione dei tratti</translation>
    </message>
    <message>
        <source> L </source>
        <translation> S </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>Posizione del tratto</translation>
    </message>
    <message>
        <source> R </source>
        <translation> D </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>Torna all&apos;anteprima</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>Documento successivo</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>File: %1 Etichetta: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nome livello:</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>Etichetta file:</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>Impossibile dividere il livello selezionato: non c&apos;è nulla da fare!</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Niente da unire</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>Impossibile unire i livelli selezionati. I livelli devono essere consecutivi!</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Esporta in</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Torna all&apos;anteprima</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Zoom avanti</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>Zoom i&amp;ndietro</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>Ruota in senso &amp;orario</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>Ruota in senso &amp;antiorario</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>&amp;Mostra/modifica etichetta...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>Apri &amp;percorso del file...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>&amp;Salva documento</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Salva documento &amp;con nome...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>Salva documento in un altro &amp;formato</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>Il testo è troppo lungo</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>&amp;Elimina livello</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>&amp;Rinomina livello...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nome livello:</translation>
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
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Apri file</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>Salva documento</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Salva documento con nome</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>Salva in un altro formato</translation>
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
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avanti</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom indietro</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Ruota in senso orario</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Ruota in senso antiorario</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>Albero delle cartelle</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>Informazioni su Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>Manuale dell&apos;utente</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>Informazioni importanti sul prodotto</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Tutorial di Scrivet</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Ri&amp;duci a icona</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello è disconnesso</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Esporta in</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>Salva con nome </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>Il file è stato modificato. Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>Il file è stato modificato. Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello è connesso</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Zoom avanti o indietro</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Il ricevitore Scrivet si è spento. Liberare memoria sul ricevitore.</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>L&apos;unità si è spenta per batteria scarica.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>Attenzione! Il ricevitore Scrivet non è in carica. Per caricarlo, ricollegarlo a una porta USB alimentata.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>Attenzione! Il ricevitore Scrivet non è in carica. La batteria è guasta o non è collegata correttamente.</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>Livello della batteria critico: caricare il ricevitore per almeno 30 minuti.</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>Apri cartella di destinazione</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>Spostare gli schizzi nella cartella 
%1?</translation>
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
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
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
        <translation>Zoom avanti o indietro</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>Primo tratto</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>Tratto precedente</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>Tratto successivo</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>Ultimo tratto</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>Velocità di riproduzione</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>Etichetta: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>Mo&amp;difica livelli</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>Copia i&amp;n...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Rinomina...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>Apri &amp;percorso del file...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Salva documento &amp;con nome...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>Salva in un altro &amp;formato</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Esporta in</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>Eliminare il file %1?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>Impossibile eliminare il file %1</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>Apri cartella per la copia</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>Rinomina file:</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>Unire i file 
%1 e 
%2?</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>Informazioni su Scrivet Dravello</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;Versione software: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. Tutti i diritti riservati.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Applicare l&apos;impostazione dell&apos;orologio al ricevitore?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>Salvataggio del documento</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>Impossibile salvare il file</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>La voce %1 non ha l&apos;attributo %2 nel file delle impostazioni 
%3.</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>Impossibile aprire il file delle impostazioni 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>Errore di analisi del file delle impostazioni 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>Il file delle impostazioni di fabbrica non esiste: %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>Impossibile copiare le impostazioni di fabbrica %1 in %2</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mappatura</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>Selezionare formato e orientamento del foglio dello schizzo, quindi la posizione abituale del ricevitore. Questa scelta sarà quella predefinita per gli schizzi.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Formato carta</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>Dimensione pennello predefinita</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>Diametro della punta a sfera</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>Colore pennello predefinito</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>Colore di evidenziazione del livello</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>Colore del cursore dei tratti</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>Soglia di clic</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Morbida</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>Decisa</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Collegare Scrivet al computer per regolare la soglia di clic 
La soglia di clic determina la pressione necessaria per registrare i tratti</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>Imposta cartella predefinita</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>Imposta l&apos;orologio in tempo reale del ricevitore</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>Batteria non funzionante</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>Batteria quasi scarica</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>Batteria in carica</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>Batteria carica</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>Nessuna ricarica: corrente insufficiente</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>Attenzione! Il ricevitore Scrivet non è in carica. La temperatura del ricevitore è troppo alta</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>Attenzione! Il ricevitore Scrivet non è in carica. La temperatura del ricevitore è troppo bassa</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>Stato della batteria non valido</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Disegnare qui per provare la soglia di clic della penna</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Collegare Scrivet al computer per regolare la soglia di clic 
La soglia di clic determina la pressione necessaria per registrare i tratti</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>Impossibile leggere il valore di pressione.</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Applicare la nuova impostazione prima di provarla.</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>Impossibile inviare la soglia di clic al ricevitore. Verificare che sia collegato e riprovare.</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>Il ricevitore non è collegato alla porta USB: impossibile aggiornare l&apos;orologio in tempo reale.</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>Impossibile aggiornare l&apos;orologio in tempo reale!</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>Seleziona cartella di lavoro</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>La soglia di clic è stata modificata senza provare 
l&apos;impostazione corrente. Fare clic su &quot;OK&quot; per continuare senza 
provarla. Fare clic su &quot;Applica&quot; per applicare l&apos;impostazione
 e provarla. </translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>Impossibile salvare le impostazioni nel file 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>Impossibile passare il documento a Mail (errore %1).</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>Impossibile eliminare il file: %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>Impossibile creare in %1 una cartella privata per l&apos;allegato.</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
</context>
</TS>
