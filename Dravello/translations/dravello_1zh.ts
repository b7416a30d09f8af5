<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>韌體版本：%1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>將草圖移至本機資料夾(&amp;M)</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>無法將草圖寫入 %1。</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>無法在 %1 中建立匯出用的資料夾。</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>將文件另存為 </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>正在將文件儲存為 PDF</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>正在將文件儲存為 SVG</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>正在將文件儲存為 %1</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>沒有可用來列印草圖的印表機。</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>正在列印草圖</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>無法列印草圖。</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>此草圖沒有檔案名稱，無法匯出。</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>正在匯出文件</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>未安裝 %1。</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>無法啟動 %1。</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>正在將文件匯出至 Photoshop</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>無法在 %1 中記錄圖片資料夾。</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>無法寫入圖片 %1。</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>正在啟動 Adobe 指令碼...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>無法開啟 Photoshop 指令碼 %1。</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>確定要覆寫檔案 %1 嗎？</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>無法複製檔案 %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>無法建立 Adobe 指令碼資料夾</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>表單</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>圖層</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>刪除圖層</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>合併圖層</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>分割圖層</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>上一個文件</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>筆劃滑桿</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>筆劃選取</translation>
    </message>
    <message>
        <source> L </source>
        <translation> 左 </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>筆劃位置</translation>
    </message>
    <message>
        <source> R </source>
        <translation> 右 </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>返回預覽</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>下一個文件</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>檔案：%1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>檔案：%1 標籤：「%2」</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>圖層名稱：</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>檔案標籤：</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>無法分割所選圖層：沒有可分割的內容！</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>沒有可合併的內容</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>無法合併所選圖層。圖層之間必須連續！</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>匯出至(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>返回預覽(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>順時針旋轉(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>逆時針旋轉(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>顯示/編輯標籤(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>開啟檔案位置(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>儲存文件(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>將文件另存為(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>以其他格式儲存文件(&amp;F)</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>文字太長</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>刪除圖層(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>重新命名圖層(&amp;R)...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>圖層名稱：</translation>
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
        <translation>檔案</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>開啟檔案(&amp;O)</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>儲存文件</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>將文件另存為</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>以其他格式儲存</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
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
        <translation>順時針旋轉</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>逆時針旋轉</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>資料夾樹狀目錄</translation>
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
        <translation>關於 Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>使用手冊</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>重要產品資訊</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Scrivet 教學</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
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
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello 已中斷連線</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>匯出至(&amp;E)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>另存新檔 </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>檔案已修改。要儲存變更嗎？</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>檔案已修改。要儲存變更嗎？</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello 已連線</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>放大或縮小</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Scrivet 接收器已關機。請釋放接收器的記憶體空間。</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>裝置因電池電量不足而關機。</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>警告！您的 Scrivet 接收器未在充電。若要為接收器充電，請重新連接至有供電的 USB 連接埠。</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>警告！您的 Scrivet 接收器未在充電。電池可能故障或未正確連接。</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>電池電量嚴重不足，請為接收器充電至少 30 分鐘。</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>開啟目的地資料夾</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>確定要將草圖移至資料夾 
%1 嗎？</translation>
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
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
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
        <translation>放大或縮小</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>第一個筆劃</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>上一個筆劃</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>下一個筆劃</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>最後一個筆劃</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>播放速度</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>檔案：%1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>標籤：「%1」</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>編輯圖層(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>複製到(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>重新命名(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>開啟檔案位置(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>將文件另存為(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>以其他格式儲存(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>匯出至(&amp;E)</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>要刪除檔案 %1 嗎？</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>無法刪除檔案 %1</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>開啟複製目的地資料夾</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>重新命名檔案：</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>確定要合併檔案 
%1 與 
%2 嗎？</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>關於 Scrivet Dravello</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;軟體版本：1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. 版權所有。&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Would you like to apply clock setting to the receiver?</source>
        <translation>要將時鐘設定套用至接收器嗎？</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>正在儲存文件</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>無法儲存檔案</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>設定檔 
%3 中的項目 %1 沒有名為 %2 的屬性。</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>無法開啟設定檔 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>設定檔剖析錯誤 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>原廠設定檔不存在：%1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>無法將原廠設定 %1 複製到 %2</translation>
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
        <translation>對應</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>請選擇草圖的紙張大小與方向，然後選擇草圖常用的接收器位置。此選擇將成為草圖的預設值。</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>紙張大小</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>筆</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>預設筆刷大小</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>原子筆筆尖直徑</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>預設筆刷色彩</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>圖層醒目提示色彩</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>筆劃滑桿色彩</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>點擊門檻</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>軟</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>硬</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>將 Scrivet 連接到電腦即可調整點擊門檻 
點擊門檻決定記錄筆劃所需的壓力</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>設定預設資料夾</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>設定接收器即時時鐘</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>電池無法運作</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>電池電量嚴重不足</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>電池充電中</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>電池已充飽</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>未充電：電流過低</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>警告！您的 Scrivet 接收器未在充電。接收器溫度過高</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>警告！您的 Scrivet 接收器未在充電。接收器溫度過低</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>電池狀態無效</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>在此繪圖以測試筆的點擊門檻</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>將 Scrivet 連接到電腦即可調整點擊門檻 
點擊門檻決定記錄筆劃所需的壓力</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>無法取得壓力值。</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>您必須先套用新設定，才能進行測試。</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>無法將點擊門檻傳送至接收器。請確認接收器已連接，然後再試一次。</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>接收器未連接到 USB 連接埠，無法更新即時時鐘。</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>無法更新即時時鐘！</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>選取工作資料夾</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>您已變更點擊門檻，但尚未測試
目前的設定。按一下「確定」即可不經
測試繼續。按一下「套用」以套用設定
並進行測試。</translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>無法將設定儲存至檔案 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>無法將文件交給 Mail（錯誤 %1）。</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>無法刪除檔案：%1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>無法在 %1 中建立附件的私人資料夾。</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>無法建立資料夾 %1</translation>
    </message>
</context>
</TS>
