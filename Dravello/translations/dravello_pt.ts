<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>Versão do firmware: %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>&amp;Mover esboços para uma pasta local</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>Não foi possível gravar o esboço em %1.</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>Não foi possível criar uma pasta para a exportação em %1.</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>Salvar documento como </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>Salvando o documento como PDF</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>Salvando o documento como SVG</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>Salvando o documento como %1</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>Nenhuma impressora disponível para imprimir o esboço.</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>Imprimindo o esboço</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>Não foi possível imprimir o esboço.</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>O esboço não tem nome de arquivo e não pode ser exportado.</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>Exportando o documento</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 não está instalado.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Não foi possível iniciar o %1.</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>Exportando o documento para o Photoshop</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>Não foi possível registrar a pasta de imagens em %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>Não foi possível gravar a imagem %1.</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Iniciando o script do Adobe...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>Não foi possível abrir o script do Photoshop %1.</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>Tem certeza de que deseja substituir o arquivo %1?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>Não foi possível copiar o arquivo %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>Não foi possível criar a pasta de scripts do Adobe</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Camadas</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Excluir camada</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>Mesclar camadas</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>Dividir camadas</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>Documento anterior</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>Controle de traços</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>Seleção de traços</translation>
    </message>
    <message>
        <source> L </source>
        <translation> E </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>Posição do traço</translation>
    </message>
    <message>
        <source> R </source>
        <translation> D </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reprodutor</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>Voltar à visualização</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>Próximo documento</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>Arquivo: %1 Etiqueta: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nome da camada:</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>Etiqueta do arquivo:</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>Não é possível dividir a camada selecionada: não há nada a fazer!</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>Nada para mesclar</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>Não é possível mesclar as camadas selecionadas. As camadas precisam ser consecutivas!</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exportar para</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>&amp;Voltar à visualização</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>&amp;Girar no sentido horário</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>Girar no sentido anti-&amp;horário</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>&amp;Mostrar/editar etiqueta...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>Abrir &amp;local do arquivo...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>&amp;Salvar documento</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Salvar documento &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>Salvar documento em outro &amp;formato</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>O texto é longo demais</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>&amp;Excluir camada</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>&amp;Renomear camada...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>Nome da camada:</translation>
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
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>&amp;Abrir arquivo</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>Salvar documento</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>Salvar documento como</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>Salvar em outro formato</translation>
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
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Girar no sentido horário</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Girar no sentido anti-horário</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>Árvore de pastas</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>Sobre o Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>Manual do usuário</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>Informações importantes sobre o produto</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Tutorial do Scrivet</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
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
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello está desconectado</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exportar para</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>Salvar como </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>O arquivo foi modificado. Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>O arquivo foi modificado. Deseja salvar as alterações?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello está conectado</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Ampliar ou reduzir</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>O receptor Scrivet foi desligado. Libere memória no receptor.</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>A unidade foi desligada por bateria fraca.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>Aviso! O seu receptor Scrivet não está carregando. Para carregar o receptor, conecte-o novamente a uma porta USB com alimentação.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>Aviso! O seu receptor Scrivet não está carregando. A bateria está com defeito ou não está conectada corretamente.</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>O nível da bateria está crítico. Carregue o receptor por pelo menos 30 minutos.</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>Abrir pasta de destino</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>Tem certeza de que deseja mover os seus esboços para a pasta 
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
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
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
        <translation>Ampliar ou reduzir</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>Primeiro traço</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>Traço anterior</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>Próximo traço</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>Último traço</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>Velocidade de reprodução</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>Arquivo: %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>Etiqueta: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>E&amp;ditar camadas</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>Co&amp;piar para...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renomear...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>Abrir &amp;local do arquivo...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>Salvar documento &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>Salvar em outro &amp;formato</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>&amp;Exportar para</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>Deseja excluir o arquivo %1?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>Não foi possível excluir o arquivo %1</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>Abrir pasta para a cópia</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>Renomear arquivo:</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>Tem certeza de que deseja mesclar os arquivos 
%1 e 
%2?</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>Sobre o Scrivet Dravello</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;Versão do software: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. Todos os direitos reservados.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Deseja aplicar a configuração do relógio ao receptor?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>Salvando o documento</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>Não foi possível salvar o arquivo</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>A entrada %1 não tem o atributo %2 no arquivo de configurações 
%3.</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>Não é possível abrir o arquivo de configurações 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>Erro de análise no arquivo de configurações 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>O arquivo de configurações de fábrica não existe: %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>Não foi possível copiar as configurações de fábrica %1 para %2</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mapeamento</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>Selecione o tamanho e a orientação do papel do esboço. Em seguida, selecione a posição habitual do receptor. Essa seleção será o padrão para os seus esboços.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientação</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Tamanho do papel</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Caneta</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>Tamanho padrão do pincel</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>Diâmetro da ponta</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>Cor padrão do pincel</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>Cor de destaque da camada</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>Cor do controle de traços</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>Limiar de clique</translation>
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
        <translation>Conecte o Scrivet ao computador para ajustar o limiar de clique 
O limiar de clique controla a pressão necessária para registrar os seus traços</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>Definir pasta padrão</translation>
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
        <translation>Ajustar o relógio em tempo real do receptor</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
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
        <translation>Bateria inoperante</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>Bateria criticamente fraca</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>Bateria carregando</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>Bateria cheia</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>Sem carga: corrente baixa</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>Aviso! O seu receptor Scrivet não está carregando. A temperatura do receptor está alta demais</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>Aviso! O seu receptor Scrivet não está carregando. A temperatura do receptor está baixa demais</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>Estado da bateria inválido</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>Desenhe aqui para testar o limiar de clique da sua caneta</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>Conecte o Scrivet ao computador para ajustar o limiar de clique 
O limiar de clique controla a pressão necessária para registrar os seus traços</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>Não foi possível obter o valor de pressão.</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>Aplique a nova configuração antes de testá-la.</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>Não foi possível enviar o limiar de clique ao receptor. Verifique se ele está conectado e tente novamente.</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>O receptor não está conectado à porta USB; não é possível atualizar o relógio em tempo real.</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>Falha ao atualizar o relógio em tempo real!</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>Selecionar pasta de trabalho</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>Você alterou o limiar de clique e não testou 
a configuração atual. Clique em &quot;OK&quot; para continuar sem 
testar. Clique em &quot;Aplicar&quot; para aplicar a configuração
 e testá-la. </translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>Não foi possível salvar as configurações no arquivo 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>Não foi possível passar o documento para o Mail (erro %1).</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>Não é possível excluir o arquivo: %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>Não foi possível criar uma pasta privada para o anexo em %1.</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>Não foi possível criar a pasta %1</translation>
    </message>
</context>
</TS>
