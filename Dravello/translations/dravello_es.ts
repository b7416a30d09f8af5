<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>Versión del firmware: %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>&amp;Mover los bocetos a una carpeta local</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>No se pudo escribir el boceto en %1.</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>No se pudo crear una carpeta para la exportación en %1.</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>Guardar documento como </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>Guardando el documento como PDF</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>Guardando el documento como SVG</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>Guardando el documento como %1</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>No hay ninguna impresora disponible para imprimir el boceto.</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>Imprimiendo el boceto</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>No se pudo imprimir el boceto.</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>El boceto no tiene nombre de archivo y no se puede exportar.</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>Exportando el documento</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 no está instalado.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>No se pudo iniciar %1.</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>Exportando el documento a Photoshop</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>No se pudo registrar la carpeta de imágenes en %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>No se pudo escribir la imagen %1.</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Iniciando el script de Adobe...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>No se pudo abrir el script de Photoshop %1.</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>¿Seguro que desea sobrescribir el archivo %1?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>No se pudo copiar el archivo %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>No se pudo crear la carpeta de scripts de Adobe</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Capas</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Eliminar capa</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>Combinar capas</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>Dividir capas</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>Documento anterior</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>Deslizador de trazos</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>Selección de trazos</translation>
    </message>
    <message>
        <source> L </source>
        <translation> I </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>Posición del trazo</translation>
    </message>
    <message>
        <source> R </source>
        <translation> D </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>Volver a la vista previa</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>Documento siguiente</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>Archivo: %1 Etiqueta: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nombre de la capa:</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>Etiqueta del archivo:</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>No se puede dividir la capa seleccionada: ¡no hay nada que hacer!</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>No hay nada que combinar</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>No se pueden combinar las capas seleccionadas. ¡Las capas deben ser consecutivas!</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exportar a</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Volver a la vista previa</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>Ale&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>&amp;Girar en sentido horario</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>Girar en sentido anti&amp;horario</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>&amp;Mostrar/editar etiqueta...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>Abrir &amp;ubicación del archivo...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>Guar&amp;dar documento</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Guardar documento &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>Guardar documento en otro &amp;formato</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>El texto es demasiado largo</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>&amp;Eliminar capa</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>Cambiar &amp;nombre de capa...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nombre de la capa:</translation>
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
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Abrir archivo</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>Guardar documento</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Guardar documento como</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>Guardar en otro formato</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Girar en sentido horario</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Girar en sentido antihorario</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>Árbol de carpetas</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>Acerca de Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>Manual del usuario</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>Información importante del producto</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Tutorial de Scrivet</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello está desconectado</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exportar a</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>Guardar como </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>El archivo se ha modificado. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>El archivo se ha modificado. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello está conectado</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Acercar o alejar</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>El receptor Scrivet se ha apagado. Libere memoria en el receptor.</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>La unidad se apagó por batería baja.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>¡Advertencia! Su receptor Scrivet no se está cargando. Si desea cargar el receptor, vuelva a conectarlo a un puerto USB con alimentación.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>¡Advertencia! Su receptor Scrivet no se está cargando. La batería está averiada o no está bien conectada.</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>El nivel de batería es crítico; cargue el receptor durante al menos 30 minutos.</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>Abrir carpeta de destino</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>¿Seguro que desea mover sus bocetos a la carpeta 
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
        <translation>Reproducir</translation>
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
        <translation>Acercar o alejar</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>Primer trazo</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>Trazo anterior</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>Trazo siguiente</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>Último trazo</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>Velocidad de reproducción</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>Etiqueta: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>Edi&amp;tar capas</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>Co&amp;piar en...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Cambiar &amp;nombre...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>Abrir &amp;ubicación del archivo...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Guardar documento &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>Guardar en otro &amp;formato</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exportar a</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>¿Desea eliminar el archivo %1?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>No se pudo eliminar el archivo %1</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>Abrir carpeta para la copia</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>Cambiar nombre del archivo:</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>¿Seguro que desea combinar los archivos 
%1 y 
%2?</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>Acerca de Scrivet Dravello</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;Versión del software: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. Todos los derechos reservados.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Would you like to apply clock setting to the receiver?</source>
        <translation>¿Desea aplicar la configuración del reloj al receptor?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>Guardando el documento</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>No se pudo guardar el archivo</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>La entrada %1 no tiene el atributo %2 en el archivo de configuración 
%3.</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>No se puede abrir el archivo de configuración 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>Error al analizar el archivo de configuración 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>No existe el archivo de configuración de fábrica %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>No se pudo copiar la configuración de fábrica %1 a %2</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Asignación</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>Seleccione el tamaño y la orientación del papel del boceto. Después seleccione la posición habitual del receptor. Esta selección se usará de forma predeterminada para sus bocetos.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>Tamaño de pincel predeterminado</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>Diámetro de la punta</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>Color de pincel predeterminado</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>Color de resaltado de capa</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>Color del deslizador de trazos</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>Umbral de clic</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>Firme</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Conecte Scrivet a su equipo para ajustar el umbral de clic 
El umbral de clic determina la presión necesaria para registrar sus trazos</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>Establecer carpeta predeterminada</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>Ajustar el reloj en tiempo real del receptor</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>Batería no operativa</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>Batería muy baja</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>Cargando batería</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>Batería llena</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>Sin carga: corriente baja</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>¡Advertencia! Su receptor Scrivet no se está cargando. La temperatura del receptor es demasiado alta</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>¡Advertencia! Su receptor Scrivet no se está cargando. La temperatura del receptor es demasiado baja</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>Estado de batería no válido</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Dibuje aquí para probar el umbral de clic de su lápiz</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Conecte Scrivet a su equipo para ajustar el umbral de clic 
El umbral de clic determina la presión necesaria para registrar sus trazos</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>No se pudo obtener el valor de presión.</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Debe aplicar el nuevo ajuste antes de probarlo.</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>No se pudo enviar el umbral de clic al receptor. Compruebe que está conectado e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>El receptor no está conectado al puerto USB; no se puede actualizar el reloj en tiempo real.</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>¡No se pudo actualizar el reloj en tiempo real!</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>Seleccionar carpeta de trabajo</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>Ha cambiado el umbral de clic y no ha probado 
el ajuste actual. Haga clic en &quot;Aceptar&quot; para continuar sin 
probarlo. Haga clic en &quot;Aplicar&quot; para aplicar el ajuste
 y probarlo. </translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>No se pudo guardar la configuración en el archivo 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>No se pudo pasar el documento a Mail (error %1).</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>No se puede eliminar el archivo: %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>No se pudo crear una carpeta privada para el archivo adjunto en %1.</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>No se pudo crear la carpeta %1</translation>
    </message>
</context>
</TS>
