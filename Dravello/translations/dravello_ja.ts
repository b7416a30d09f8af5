<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>ファームウェア バージョン: %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>スケッチをローカル フォルダーに移動(&amp;M)</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>スケッチを %1 に書き込めませんでした。</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>%1 にエクスポート用のフォルダーを作成できませんでした。</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>名前を付けて文書を保存 </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>文書を PDF として保存しています</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>文書を SVG として保存しています</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>文書を %1 として保存しています</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>スケッチを印刷できるプリンターがありません。</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>スケッチを印刷しています</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>スケッチを印刷できませんでした。</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>スケッチにファイル名がないため、エクスポートできません。</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>文書をエクスポートしています</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 がインストールされていません。</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 を起動できませんでした。</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>文書を Photoshop にエクスポートしています</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>%1 に画像フォルダーを記録できませんでした。</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>画像 %1 を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Adobe スクリプトを起動しています...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>Photoshop スクリプト %1 を開けませんでした。</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>ファイル %1 を上書きしてもよろしいですか?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>ファイル %1 をコピーできませんでした</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>Adobe スクリプト フォルダーを作成できませんでした</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>レイヤー</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>レイヤーを削除</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>レイヤーを結合</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>レイヤーを分割</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>前の文書</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>ストローク スライダー</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>ストロークの選択</translation>
    </message>
    <message>
        <source> L </source>
        <translation> 左 </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>ストロークの位置</translation>
    </message>
    <message>
        <source> R </source>
        <translation> 右 </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>プレビューに戻る</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>次の文書</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>ファイル: %1 タグ: 「%2」</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>レイヤー名:</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>ファイルのタグ:</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>選択したレイヤーを分割できません。分割するものがありません。</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>結合するものがありません</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>選択したレイヤーを結合できません。レイヤーが連続している必要があります。</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>エクスポート先(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>プレビューに戻る(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>時計回りに回転(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>反時計回りに回転(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>タグの表示/編集(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>ファイルの場所を開く(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>文書を保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>名前を付けて文書を保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>別の形式で文書を保存(&amp;F)</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>文字列が長すぎます</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>レイヤーを削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>レイヤー名の変更(&amp;R)...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>レイヤー名:</translation>
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
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>ファイルを開く(&amp;O)</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>文書を保存</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>名前を付けて文書を保存</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>別の形式で保存</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>時計回りに回転</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>反時計回りに回転</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>フォルダー ツリー</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>Scrivet について</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>ユーザーズ マニュアル</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>製品に関する重要な情報</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Scrivet チュートリアル</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello は接続されていません</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>エクスポート先(&amp;E)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>名前を付けて保存 </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>ファイルが変更されています。変更を保存しますか?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>ファイルが変更されています。変更を保存しますか?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello は接続されています</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>拡大または縮小</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Scrivet レシーバーがシャットダウンしました。レシーバーのメモリを空けてください。</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>バッテリー残量が少ないため、本体がシャットダウンしました。</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>警告: Scrivet レシーバーが充電されていません。レシーバーを充電するには、電源供給のある USB ポートに接続し直してください。</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>警告: Scrivet レシーバーが充電されていません。バッテリーの故障か、正しく接続されていない可能性があります。</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>バッテリー残量が危険なレベルです。レシーバーを 30 分以上充電してください。</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>移動先フォルダーを開く</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>スケッチをフォルダー 
%1 に移動してもよろしいですか?</translation>
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
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
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
        <translation>拡大または縮小</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>最初のストローク</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>前のストローク</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>次のストローク</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>最後のストローク</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>再生速度</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>タグ: 「%1」</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>レイヤーを編集(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>コピー先を指定(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>名前の変更(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>ファイルの場所を開く(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>名前を付けて文書を保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>別の形式で保存(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>エクスポート先(&amp;E)</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>ファイル %1 を削除しますか?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>ファイル %1 を削除できませんでした</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>コピー先のフォルダーを開く</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>新しいファイル名:</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>ファイル 
%1 と 
%2 を結合してもよろしいですか?</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>Scrivet Dravello について</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;ソフトウェア バージョン: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. 無断複写・転載を禁じます。&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>時計の設定をレシーバーに適用しますか?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>文書を保存しています</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>ファイルを保存できません</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>設定ファイル 
%3 のエントリ %1 に属性 %2 がありません。</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>設定ファイルを開けません 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>設定ファイルの解析エラー 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>工場出荷時の設定ファイルが存在しません: %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>工場出荷時の設定 %1 を %2 にコピーできませんでした</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>マッピング</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>スケッチの用紙サイズと向きを選択してから、スケッチでの通常のレシーバー位置を選択してください。この選択がスケッチの既定値になります。</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>向き</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>用紙サイズ</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>ペン</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>既定のブラシ サイズ</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>ボールペン先の直径</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>既定のブラシの色</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>レイヤーの強調表示色</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>ストローク スライダーの色</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>クリックしきい値</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>柔らかい</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>硬い</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>クリックしきい値を調整するには Scrivet をコンピューターに接続してください 
クリックしきい値は、ストロークの記録に必要な筆圧を決めます</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>既定のフォルダーを設定</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>レシーバーのリアルタイム クロックを設定</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>バッテリーが動作していません</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>バッテリー残量がごくわずかです</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>充電中</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>充電完了</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>充電されていません (電流不足)</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>警告: Scrivet レシーバーが充電されていません。レシーバーの温度が高すぎます</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>警告: Scrivet レシーバーが充電されていません。レシーバーの温度が低すぎます</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>無効なバッテリー状態</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>ここに描いてペンのクリックしきい値をテストしてください</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>クリックしきい値を調整するには Scrivet をコンピューターに接続してください 
クリックしきい値は、ストロークの記録に必要な筆圧を決めます</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>筆圧値を取得できませんでした。</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>テストする前に、新しい設定を適用する必要があります。</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>クリックしきい値をレシーバーに送信できませんでした。接続を確認してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>レシーバーが USB ポートに接続されていないため、リアルタイム クロックを更新できません。</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>リアルタイム クロックを更新できませんでした。</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>作業フォルダーの選択</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>クリックしきい値を変更しましたが、現在の設定を
テストしていません。テストせずに続けるには
「OK」をクリックしてください。「適用」をクリックすると設定を適用して
テストできます。</translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>設定をファイルに保存できませんでした 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>文書を Mail に渡せませんでした (エラー %1)。</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>ファイルを削除できません: %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>%1 に添付ファイル用のプライベート フォルダーを作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>フォルダー %1 を作成できませんでした</translation>
    </message>
</context>
</TS>
