<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>Версия микропрограммы: %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>&amp;Переместить эскизы в локальную папку</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>Не удалось записать эскиз в %1.</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>Не удалось создать папку для экспорта в %1.</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>Сохранить документ как </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>Сохранение документа в PDF</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>Сохранение документа в SVG</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>Сохранение документа в %1</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>Нет доступного принтера для печати эскиза.</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>Печать эскиза</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>Не удалось напечатать эскиз.</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>У эскиза нет имени файла, поэтому его нельзя экспортировать.</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>Экспорт документа</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 не установлен.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Не удалось запустить %1.</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>Экспорт документа в Photoshop</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>Не удалось записать папку изображений в %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>Не удалось записать изображение %1.</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Запуск сценария Adobe...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>Не удалось открыть сценарий Photoshop %1.</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>Вы действительно хотите перезаписать файл %1?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>Не удалось скопировать файл %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>Не удалось создать папку сценариев Adobe</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Слои</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Удалить слой</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>Объединить слои</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>Разделить слои</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>Предыдущий документ</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>Ползунок штрихов</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>Выбор штрихов</translation>
    </message>
    <message>
        <source> L </source>
        <translation> Л </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>Положение штриха</translation>
    </message>
    <message>
        <source> R </source>
        <translation> П </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>Вернуться к просмотру</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>Следующий документ</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Файл: %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>Файл: %1 Метка: «%2»</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Имя слоя:</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>Метка файла:</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>Невозможно разделить выбранный слой: делить нечего!</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Нечего объединять</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>Невозможно объединить выбранные слои. Слои должны идти подряд!</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Экспорт в</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Вернуться к просмотру</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>Повернуть по &amp;часовой стрелке</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>Повернуть &amp;против часовой стрелки</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>Показать/изменить ме&amp;тку...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>&amp;Открыть папку с файлом...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>&amp;Сохранить документ</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Сохранить документ &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>Сохранить документ в другом &amp;формате</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>Слишком длинный текст</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>&amp;Удалить слой</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>Пере&amp;именовать слой...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Имя слоя:</translation>
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
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Открыть файл</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>Сохранить документ</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Сохранить документ как</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>Сохранить в другом формате</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Электронная почта</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Повернуть по часовой стрелке</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Повернуть против часовой стрелки</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>Дерево папок</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>О программе Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>Важная информация о продукте</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Обучение Scrivet</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>&amp;Развернуть</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello отключен</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Экспорт в</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>Сохранить как </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>Файл был изменен. Сохранить изменения?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>Файл был изменен. Сохранить изменения?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello подключен</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Увеличить или уменьшить</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Приемник Scrivet выключился. Освободите память приемника.</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>Устройство выключилось из-за низкого заряда батареи.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>Внимание! Приемник Scrivet не заряжается. Чтобы зарядить приемник, подключите его к USB-порту с питанием.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>Внимание! Приемник Scrivet не заряжается. Батарея неисправна или неправильно подключена.</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>Критически низкий заряд батареи. Заряжайте приемник не менее 30 минут.</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>Открыть папку назначения</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>Вы действительно хотите переместить эскизы в папку 
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
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
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
        <translation>Увеличить или уменьшить</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>Первый штрих</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>Предыдущий штрих</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>Следующий штрих</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>Последний штрих</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>Скорость воспроизведения</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>Файл: %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>Метка: «%1»</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>&amp;Редактировать слои</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>Ко&amp;пировать в...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Переи&amp;меновать...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>&amp;Открыть папку с файлом...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Сохранить документ &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>Сохранить в другом &amp;формате</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Экспорт в</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>Удалить файл %1?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>Не удалось удалить файл %1</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>Открыть папку для копирования</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>Переименовать файл:</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>Вы действительно хотите объединить файлы 
%1 и 
%2?</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>О программе Scrivet Dravello</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;Версия программы: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. Все права защищены.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Would you like to apply clock setting to the receiver?</source>
        <translation>Применить настройку часов к приемнику?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>Сохранение документа</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>Не удалось сохранить файл</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>У записи %1 нет атрибута %2 в файле настроек 
%3.</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>Не удалось открыть файл настроек 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>Ошибка разбора файла настроек 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>Файл заводских настроек не существует: %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>Не удалось скопировать заводские настройки %1 в %2</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Сопоставление</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>Выберите размер и ориентацию бумаги для эскиза, а затем обычное положение приемника. Этот выбор будет использоваться для ваших эскизов по умолчанию.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ориентация</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Размер бумаги</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>Размер кисти по умолчанию</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>Диаметр шарика</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>Цвет кисти по умолчанию</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>Цвет выделения слоя</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>Цвет ползунка штрихов</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Посередине</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>Порог нажатия</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Мягкий</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>Жесткий</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Подключите Scrivet к компьютеру, чтобы настроить порог нажатия 
Порог нажатия определяет давление, необходимое для записи штрихов</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>Папка по умолчанию</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>Установить часы реального времени приемника</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>Батарея неисправна</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>Критически низкий заряд батареи</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>Батарея заряжается</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>Батарея заряжена</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>Нет зарядки: слабый ток</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>Внимание! Приемник Scrivet не заряжается. Слишком высокая температура приемника</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>Внимание! Приемник Scrivet не заряжается. Слишком низкая температура приемника</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>Недопустимое состояние батареи</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Порисуйте здесь, чтобы проверить порог нажатия пера</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Подключите Scrivet к компьютеру, чтобы настроить порог нажатия 
Порог нажатия определяет давление, необходимое для записи штрихов</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>Не удалось получить значение давления.</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Сначала примените новую настройку, а затем проверьте ее.</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>Не удалось отправить порог нажатия в приемник. Убедитесь, что он подключен, и повторите попытку.</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>Приемник не подключен к USB-порту, невозможно обновить часы реального времени.</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>Не удалось обновить часы реального времени!</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>Выбор рабочей папки</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>Вы изменили порог нажатия и не проверили 
текущую настройку. Нажмите «ОК», чтобы продолжить 
без проверки. Нажмите «Применить», чтобы применить настройку
 и проверить ее. </translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>Не удалось сохранить настройки в файл 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>Не удалось передать документ в Mail (ошибка %1).</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>Не удается удалить файл: %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>Не удалось создать в %1 личную папку для вложения.</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>Не удалось создать папку %1</translation>
    </message>
</context>
</TS>
