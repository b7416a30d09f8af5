<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>Version du micrologiciel : %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>&amp;Déplacer les croquis vers un dossier local</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>Le croquis n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>Impossible de créer un dossier pour l&apos;exportation dans %1.</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>Enregistrer le document sous </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>Enregistrement du document en PDF</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>Enregistrement du document en SVG</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>Enregistrement du document en %1</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>Aucune imprimante n&apos;est disponible pour imprimer le croquis.</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>Impression du croquis</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>Le croquis n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>Le croquis n&apos;a pas de nom de fichier et ne peut pas être exporté.</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>Exportation du document</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>Exportation du document vers Photoshop</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>Le dossier des images n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>L&apos;image %1 n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Lancement du script Adobe...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>Le script Photoshop %1 n&apos;a pas pu être ouvert.</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>Voulez-vous vraiment remplacer le fichier %1 ?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>Impossible de copier le fichier %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>Impossible de créer le dossier des scripts Adobe</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Calques</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Supprimer le calque</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>Fusionner les calques</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>Scinder les calques</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>Document précédent</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>Curseur de traits</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>Sélection de traits</translation>
    </message>
    <message>
        <source> L </source>
        <translation> G </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>Position du trait</translation>
    </message>
    <message>
        <source> R </source>
        <translation> D </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>Retour à l&apos;aperçu</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>Document suivant</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>Fichier : %1 Étiquette : « %2 »</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nom du calque :</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>Étiquette du fichier :</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>Impossible de scinder le calque sélectionné : il n&apos;y a rien à faire !</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Rien à fusionner</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>Impossible de fusionner les calques sélectionnés. Les calques doivent se suivre sans interruption !</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exporter vers</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Retour à l&apos;aperçu</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>Zoo&amp;m arrière</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>Rotation &amp;horaire</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>Rotation a&amp;ntihoraire</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>Afficher/modifier l&apos;é&amp;tiquette...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>&amp;Ouvrir l&apos;emplacement du fichier...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>Enregi&amp;strer le document</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Enregistrer le document so&amp;us...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>Enregistrer le document dans un autre &amp;format</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>Le texte est trop long</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>&amp;Supprimer le calque</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>&amp;Renommer le calque...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nom du calque :</translation>
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
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>Enregistrer le document</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Enregistrer le document sous</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>Enregistrer dans un autre format</translation>
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
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Rotation horaire</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Rotation antihoraire</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>Arborescence des dossiers</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>À propos de Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>Manuel de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>Informations importantes sur le produit</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Tutoriel Scrivet</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ag&amp;randir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello est déconnecté</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exporter vers</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>Enregistrer sous </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>Le fichier a été modifié. Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>Le fichier a été modifié. Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello est connecté</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Zoom avant ou arrière</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Le récepteur Scrivet s&apos;est éteint. Veuillez libérer de la mémoire sur le récepteur.</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>L&apos;appareil s&apos;est éteint car la batterie est faible.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>Attention ! Votre récepteur Scrivet ne se recharge pas. Pour recharger le récepteur, branchez-le sur un port USB alimenté.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>Attention ! Votre récepteur Scrivet ne se recharge pas. La batterie est défectueuse ou mal connectée.</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>Niveau de batterie critique : rechargez le récepteur pendant au moins 30 minutes.</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>Voulez-vous vraiment déplacer vos croquis vers le dossier 
%1 ?</translation>
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
        <translation>Lecture</translation>
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
        <translation>Zoom avant ou arrière</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>Premier trait</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>Trait précédent</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>Trait suivant</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>Dernier trait</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>Vitesse de lecture</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>Étiquette : « %1 »</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>&amp;Modifier les calques</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>&amp;Copier vers...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>&amp;Ouvrir l&apos;emplacement du fichier...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Enregistrer le document so&amp;us...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>Enregistrer dans un autre &amp;format</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exporter vers</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>Voulez-vous supprimer le fichier %1 ?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>Impossible de supprimer le fichier %1</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>Ouvrir le dossier de destination de la copie</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>Renommer le fichier :</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>Voulez-vous vraiment fusionner les fichiers 
%1 et 
%2 ?</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>À propos de Scrivet Dravello</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;Version du logiciel : 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. Tous droits réservés.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Voulez-vous appliquer le réglage de l&apos;horloge au récepteur ?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>Enregistrement du document</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>Impossible d&apos;enregistrer le fichier</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>L&apos;entrée %1 n&apos;a pas d&apos;attribut nommé %2 dans le fichier de paramètres 
%3.</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>Impossible d&apos;ouvrir le fichier de paramètres 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>Erreur d&apos;analyse du fichier de paramètres 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>Le fichier des paramètres d&apos;usine n&apos;existe pas : %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>Impossible de copier les paramètres d&apos;usine %1 vers %2</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mappage</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>Choisissez le format et l&apos;orientation du papier du croquis, puis la position habituelle du récepteur. Ce choix s&apos;appliquera par défaut à vos croquis.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stylet</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>Taille de pinceau par défaut</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>Diamètre de la pointe bille</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>Couleur de pinceau par défaut</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>Couleur de surbrillance des calques</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>Couleur du curseur de traits</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>Seuil de clic</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Souple</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>Ferme</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Connectez Scrivet à votre ordinateur pour régler le seuil de clic 
Le seuil de clic détermine la pression nécessaire pour enregistrer vos traits</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>Dossier par défaut</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>Régler l&apos;horloge temps réel du récepteur</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>Batterie hors service</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>Batterie très faible</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>Batterie en charge</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>Batterie pleine</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>Pas de charge : courant trop faible</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>Attention ! Votre récepteur Scrivet ne se recharge pas. La température du récepteur est trop élevée</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>Attention ! Votre récepteur Scrivet ne se recharge pas. La température du récepteur est trop basse</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>État de la batterie non valide</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Dessinez ici pour tester le seuil de clic de votre stylet</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Connectez Scrivet à votre ordinateur pour régler le seuil de clic 
Le seuil de clic détermine la pression nécessaire pour enregistrer vos traits</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>Impossible de lire la valeur de pression.</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Vous devez d&apos;abord appliquer le nouveau réglage avant de le tester.</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>Impossible d&apos;envoyer le seuil de clic au récepteur. Vérifiez qu&apos;il est connecté et réessayez.</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>Le récepteur n&apos;est pas connecté au port USB : impossible de mettre à jour l&apos;horloge temps réel.</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>Échec de la mise à jour de l&apos;horloge temps réel !</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>Choisir le dossier de travail</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>Vous avez modifié le seuil de clic sans tester 
le réglage actuel. Cliquez sur « OK » pour continuer sans 
tester. Cliquez sur « Appliquer » pour appliquer le réglage
 et le tester. </translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans le fichier 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>Impossible de transmettre le document à Mail (erreur %1).</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>Impossible de supprimer le fichier : %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>Aucun dossier privé pour la pièce jointe n&apos;a pu être créé dans %1.</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
</context>
</TS>
