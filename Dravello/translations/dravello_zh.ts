<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>固件版本：%1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>将草图移至本地文件夹(&amp;M)</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>无法将草图写入 %1。</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>无法在 %1 中创建导出用的文件夹。</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>将文档另存为 </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>正在将文档保存为 PDF</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>正在将文档保存为 SVG</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>正在将文档保存为 %1</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>没有可用于打印草图的打印机。</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>正在打印草图</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>无法打印草图。</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>该草图没有文件名，无法导出。</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>正在导出文档</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>未安装 %1。</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>无法启动 %1。</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>正在将文档导出到 Photoshop</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>无法在 %1 中记录图片文件夹。</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>无法写入图片 %1。</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>正在启动 Adobe 脚本...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>无法打开 Photoshop 脚本 %1。</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>确定要覆盖文件 %1 吗？</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>无法复制文件 %1</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>无法创建 Adobe 脚本文件夹</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>图层</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>删除图层</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>合并图层</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>拆分图层</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>上一个文档</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>笔画滑块</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>笔画选择</translation>
    </message>
    <message>
        <source> L </source>
        <translation> 左 </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>笔画位置</translation>
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
        <translation>返回预览</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>下一个文档</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>文件：%1 标签：“%2”</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>图层名称：</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>文件标签：</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>无法拆分所选图层：没有可拆分的内容！</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>没有可合并的内容</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>无法合并所选图层。图层之间必须连续！</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>导出到(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>返回预览(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>顺时针旋转(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>逆时针旋转(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>显示/编辑标签(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>打开文件位置(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>保存文档(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>将文档另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>以其他格式保存文档(&amp;F)</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>文本过长</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>删除图层(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>重命名图层(&amp;R)...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>图层名称：</translation>
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
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>打开文件(&amp;O)</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
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
        <translation>保存文档</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>将文档另存为</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>以其他格式保存</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
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
        <translation>缩小</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>顺时针旋转</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>逆时针旋转</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>文件夹树</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>关于 Scrivet</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>重要产品信息</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Scrivet 教程</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
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
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello 已断开连接</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>导出到(&amp;E)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>另存为 </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>文件已修改。是否保存更改？</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>文件已修改。是否保存更改？</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello 已连接</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>放大或缩小</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Scrivet 接收器已关机。请释放接收器的存储空间。</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>设备因电池电量低而关机。</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>警告！您的 Scrivet 接收器未在充电。如需为接收器充电，请重新连接到有供电的 USB 端口。</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>警告！您的 Scrivet 接收器未在充电。电池可能出现故障或未正确连接。</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>电池电量严重不足，请为接收器充电至少 30 分钟。</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>打开目标文件夹</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>确定要将草图移动到文件夹 
%1 吗？</translation>
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
        <translation>暂停</translation>
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
        <translation>放大或缩小</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>第一个笔画</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>上一个笔画</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>下一个笔画</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>最后一个笔画</translation>
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
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>标签：“%1”</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>编辑图层(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>复制到(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>重命名(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>打开文件位置(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>将文档另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>以其他格式保存(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>导出到(&amp;E)</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>要删除文件 %1 吗？</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>无法删除文件 %1</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>打开复制目标文件夹</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>重命名文件：</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>确定要合并文件 
%1 和 
%2 吗？</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>关于 Scrivet Dravello</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;软件版本：1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. 保留所有权利。&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Would you like to apply clock setting to the receiver?</source>
        <translation>是否将时钟设置应用到接收器？</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>正在保存文档</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>无法保存文件</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>设置文件 
%3 中的条目 %1 没有名为 %2 的属性。</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>无法打开设置文件 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>解析设置文件时出错 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>出厂设置文件不存在：%1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>无法将出厂设置 %1 复制到 %2</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>映射</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>请选择草图的纸张大小和方向，然后选择草图常用的接收器位置。此选择将作为草图的默认设置。</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>纸张大小</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>笔</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>默认画笔大小</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>圆珠笔笔尖直径</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>默认画笔颜色</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>图层突出显示颜色</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>笔画滑块颜色</translation>
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
        <translation>点击阈值</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>软</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>硬</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>将 Scrivet 连接到计算机即可调整点击阈值 
点击阈值决定记录笔画所需的压力</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>设置默认文件夹</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>设置接收器实时时钟</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>电池无法工作</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>电池电量严重不足</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>电池正在充电</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>电池已充满</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>未充电：电流过低</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>警告！您的 Scrivet 接收器未在充电。接收器温度过高</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>警告！您的 Scrivet 接收器未在充电。接收器温度过低</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>电池状态无效</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>在此处绘图以测试笔的点击阈值</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>将 Scrivet 连接到计算机即可调整点击阈值 
点击阈值决定记录笔画所需的压力</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>无法获取压力值。</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>必须先应用新设置，才能进行测试。</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>无法将点击阈值发送到接收器。请检查接收器是否已连接，然后重试。</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>接收器未连接到 USB 端口，无法更新实时时钟。</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>无法更新实时时钟！</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>选择工作文件夹</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>您更改了点击阈值，但尚未测试
当前设置。单击“确定”将不经
测试继续。单击“应用”以应用设置
并进行测试。</translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>无法将设置保存到文件 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>无法将文档交给 Mail（错误 %1）。</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>无法删除文件：%1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>无法在 %1 中创建附件的私有文件夹。</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
</context>
</TS>
