<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>Wersja oprogramowania układowego: %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>&amp;Przenieś szkice do folderu lokalnego</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>Nie można zapisać szkicu w %1.</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>Nie można utworzyć folderu eksportu w %1.</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>Zapisz dokument jako </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>Zapisywanie dokumentu jako PDF</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>Zapisywanie dokumentu jako SVG</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>Zapisywanie dokumentu jako %1</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>Brak drukarki, na której można wydrukować szkic.</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>Drukowanie szkicu</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>Nie można wydrukować szkicu.</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>Szkic nie ma nazwy pliku i nie można go wyeksportować.</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>Eksportowanie dokumentu</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>Program %1 nie jest zainstalowany.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Nie można uruchomić programu %1.</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>Eksportowanie dokumentu do programu Photoshop</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>Nie można zapisać folderu obrazów w %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>Nie można zapisać obrazu %1.</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Uruchamianie skryptu Adobe...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>Nie można otworzyć skryptu programu Photoshop %1.</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>Czy na pewno chcesz zastąpić plik %1?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>Nie można skopiować pliku %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>Nie można utworzyć folderu skryptów Adobe</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Warstwy</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Usuń warstwę</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>Scal warstwy</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>Podziel warstwy</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>Poprzedni dokument</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>Suwak pociągnięć</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>Zaznaczenie pociągnięć</translation>
    </message>
    <message>
        <source> L </source>
        <translation> L </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>Położenie pociągnięcia</translation>
    </message>
    <message>
        <source> R </source>
        <translation> P </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>Powrót do podglądu</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>Następny dokument</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Plik: %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>Plik: %1 Etykieta: „%2”</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nazwa warstwy:</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>Etykieta pliku:</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>Nie można podzielić zaznaczonej warstwy – nie ma czego dzielić!</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nie ma czego scalić</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>Nie można scalić zaznaczonych warstw. Warstwy muszą następować po sobie!</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Eksportuj do</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Powrót do podglądu</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>Po&amp;większ</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>Pomniej&amp;sz</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>Obróć w p&amp;rawo</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>Obróć w &amp;lewo</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>Pokaż/edytuj e&amp;tykietę...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>&amp;Otwórz lokalizację pliku...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>&amp;Zapisz dokument</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Zapisz dokument &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>Zapisz dokument w innym &amp;formacie</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>Tekst jest za długi</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>&amp;Usuń warstwę</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>Zmień &amp;nazwę warstwy...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nazwa warstwy:</translation>
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
        <translation>Plik</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Otwórz plik</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>Zapisz dokument</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Zapisz dokument jako</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>Zapisz w innym formacie</translation>
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
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>Drzewo folderów</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>O programie Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>Ważne informacje o produkcie</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Samouczek Scrivet</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Minimalizuj</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ksymalizuj</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello jest odłączony</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Eksportuj do</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>Zapisz jako </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>Plik został zmieniony. Czy chcesz zapisać zmiany?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>Plik został zmieniony. Czy chcesz zapisać zmiany?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello jest podłączony</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Powiększ lub pomniejsz</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Odbiornik Scrivet wyłączył się. Zwolnij pamięć odbiornika.</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>Urządzenie wyłączyło się z powodu niskiego poziomu baterii.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>Ostrzeżenie! Odbiornik Scrivet nie jest ładowany. Aby go naładować, podłącz go ponownie do zasilanego portu USB.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>Ostrzeżenie! Odbiornik Scrivet nie jest ładowany. Bateria jest uszkodzona lub nieprawidłowo podłączona.</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>Krytyczny poziom baterii. Ładuj odbiornik przez co najmniej 30 minut.</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>Otwórz folder docelowy</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>Czy na pewno chcesz przenieść szkice do folderu 
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
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
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
        <translation>Powiększ lub pomniejsz</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>Pierwsze pociągnięcie</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>Poprzednie pociągnięcie</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>Następne pociągnięcie</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>Ostatnie pociągnięcie</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>Szybkość odtwarzania</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>Plik: %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>Etykieta: „%1”</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>E&amp;dytuj warstwy</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>&amp;Kopiuj do...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Zmień &amp;nazwę...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>&amp;Otwórz lokalizację pliku...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Zapisz dokument &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>Zapisz w innym &amp;formacie</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Eksportuj do</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>Czy chcesz usunąć plik %1?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>Nie można usunąć pliku %1</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>Otwórz folder dla kopii</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>Zmień nazwę pliku:</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>Czy na pewno chcesz scalić pliki 
%1 i 
%2?</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>O programie Scrivet Dravello</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;Wersja oprogramowania: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. Wszelkie prawa zastrzeżone.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Czy zastosować ustawienie zegara w odbiorniku?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>Zapisywanie dokumentu</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>Nie można zapisać pliku</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>Wpis %1 nie ma atrybutu o nazwie %2 w pliku ustawień 
%3.</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>Nie można otworzyć pliku ustawień 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>Błąd analizy pliku ustawień 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>Plik ustawień fabrycznych nie istnieje: %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>Nie można skopiować ustawień fabrycznych %1 do %2</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mapowanie</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>Wybierz rozmiar i orientację papieru szkicu, a następnie typowe położenie odbiornika. Ten wybór będzie domyślny dla Twoich szkiców.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientacja</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Rozmiar papieru</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Pióro</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>Domyślny rozmiar pędzla</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>Średnica kulki</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>Domyślny kolor pędzla</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>Kolor wyróżnienia warstwy</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>Kolor suwaka pociągnięć</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Z lewej</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Pośrodku</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Z prawej</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>Próg kliknięcia</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Miękki</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>Twardy</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Podłącz Scrivet do komputera, aby dostosować próg kliknięcia 
Próg kliknięcia określa nacisk potrzebny do zapisania pociągnięć</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>Ustaw folder domyślny</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>Ustaw zegar czasu rzeczywistego odbiornika</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>Bateria nie działa</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>Bateria prawie rozładowana</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>Ładowanie baterii</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>Bateria naładowana</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>Brak ładowania: za niski prąd</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>Ostrzeżenie! Odbiornik Scrivet nie jest ładowany. Temperatura odbiornika jest za wysoka</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>Ostrzeżenie! Odbiornik Scrivet nie jest ładowany. Temperatura odbiornika jest za niska</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>Nieprawidłowy stan baterii</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Rysuj tutaj, aby przetestować próg kliknięcia pióra</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Podłącz Scrivet do komputera, aby dostosować próg kliknięcia 
Próg kliknięcia określa nacisk potrzebny do zapisania pociągnięć</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>Nie można odczytać wartości nacisku.</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Przed przetestowaniem należy najpierw zastosować nowe ustawienie.</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>Nie można wysłać progu kliknięcia do odbiornika. Sprawdź, czy jest podłączony, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>Odbiornik nie jest podłączony do portu USB, nie można zaktualizować zegara czasu rzeczywistego.</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>Nie można zaktualizować zegara czasu rzeczywistego!</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>Wybierz folder roboczy</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>Zmieniono próg kliknięcia, ale bieżące ustawienie 
nie zostało przetestowane. Kliknij „OK”, aby kontynuować 
bez testu. Kliknij „Zastosuj”, aby zastosować ustawienie
 i je przetestować. </translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>Nie można zapisać ustawień w pliku 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>Nie można przekazać dokumentu do programu Mail (błąd %1).</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>Nie można usunąć pliku: %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>Nie można utworzyć w %1 prywatnego folderu na załącznik.</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>Nie można utworzyć folderu %1</translation>
    </message>
</context>
</TS>
