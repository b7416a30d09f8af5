<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Firmware version: %1</source>
        <translation>펌웨어 버전: %1</translation>
    </message>
</context>
<context>
    <name>DirView</name>
    <message>
        <source>&amp;Move sketches to local folder</source>
        <translation>스케치를 로컬 폴더로 이동(&amp;M)</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>The sketch could not be written to %1.</source>
        <translation>스케치를 %1에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>No folder for the export could be made in %1.</source>
        <translation>%1에 내보내기용 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Save document as </source>
        <translation>다른 이름으로 문서 저장 </translation>
    </message>
    <message>
        <source>Saving document as PDF</source>
        <translation>문서를 PDF로 저장하는 중</translation>
    </message>
    <message>
        <source>Saving document as SVG</source>
        <translation>문서를 SVG로 저장하는 중</translation>
    </message>
    <message>
        <source>Saving document as %1</source>
        <translation>문서를 %1(으)로 저장하는 중</translation>
    </message>
    <message>
        <source>No printer is available to print the sketch.</source>
        <translation>스케치를 인쇄할 프린터가 없습니다.</translation>
    </message>
    <message>
        <source>Printing Sketch</source>
        <translation>스케치 인쇄 중</translation>
    </message>
    <message>
        <source>The sketch could not be printed.</source>
        <translation>스케치를 인쇄할 수 없습니다.</translation>
    </message>
    <message>
        <source>The sketch has no file name and cannot be exported.</source>
        <translation>스케치에 파일 이름이 없어 내보낼 수 없습니다.</translation>
    </message>
    <message>
        <source>Exporting document</source>
        <translation>문서 내보내는 중</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1이(가) 설치되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1을(를) 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Exporting document to Photoshop</source>
        <translation>문서를 Photoshop으로 내보내는 중</translation>
    </message>
    <message>
        <source>The picture folder could not be recorded in %1.</source>
        <translation>%1에 그림 폴더를 기록할 수 없습니다.</translation>
    </message>
    <message>
        <source>The picture %1 could not be written.</source>
        <translation>그림 %1을(를) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Launching Adobe Script...</source>
        <translation>Adobe 스크립트 실행 중...</translation>
    </message>
    <message>
        <source>The Photoshop script %1 could not be opened.</source>
        <translation>Photoshop 스크립트 %1을(를) 열 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>FilePrompts</name>
    <message>
        <source>Are you sure you want to overwrite file   %1?</source>
        <translation>%1 파일을 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Failed to copy file %1</source>
        <translation>%1 파일을 복사하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>InstalledAppsProbe</name>
    <message>
        <source>Fialed to create Adobe Scripts folder</source>
        <translation>Adobe 스크립트 폴더를 만들지 못했습니다</translation>
    </message>
</context>
<context>
    <name>LayerManager</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>레이어</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>레이어 삭제</translation>
    </message>
    <message>
        <source>Merge Layers</source>
        <translation>레이어 병합</translation>
    </message>
    <message>
        <source>Split Layers</source>
        <translation>레이어 분할</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Previous Document</source>
        <translation>이전 문서</translation>
    </message>
    <message>
        <source>Scrubber</source>
        <translation>획 슬라이더</translation>
    </message>
    <message>
        <source>Stroke Selection</source>
        <translation>획 선택</translation>
    </message>
    <message>
        <source> L </source>
        <translation> 좌 </translation>
    </message>
    <message>
        <source>Stroke Position</source>
        <translation>획 위치</translation>
    </message>
    <message>
        <source> R </source>
        <translation> 우 </translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Return to Preview</source>
        <translation>미리 보기로 돌아가기</translation>
    </message>
    <message>
        <source>Next Document</source>
        <translation>다음 문서</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>파일: %1</translation>
    </message>
    <message>
        <source>File : %1 Tag : &quot;%2&quot;</source>
        <translation>파일: %1 태그: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>레이어 이름:</translation>
    </message>
    <message>
        <source>File tag:</source>
        <translation>파일 태그:</translation>
    </message>
    <message>
        <source>Unable to split selected layer - there is nothing to do!</source>
        <translation>선택한 레이어를 분할할 수 없습니다. 분할할 내용이 없습니다!</translation>
    </message>
    <message>
        <source>Nothing to merge</source>
        <translation>병합할 항목이 없습니다</translation>
    </message>
    <message>
        <source>Unable to merge selected layers.  Must have continuity between layers!</source>
        <translation>선택한 레이어를 병합할 수 없습니다. 레이어가 연속되어야 합니다!</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>내보내기(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Return to Preview</source>
        <translation>미리 보기로 돌아가기(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>확대(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>축소(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rotate Clockwise</source>
        <translation>시계 방향으로 회전(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rotate Counterclockwise</source>
        <translation>시계 반대 방향으로 회전(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Show/Edit Tag...</source>
        <translation>태그 보기/편집(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Open File Location...</source>
        <translation>파일 위치 열기(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save Document</source>
        <translation>문서 저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>다른 이름으로 문서 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Document as Different Format</source>
        <translation>다른 형식으로 문서 저장(&amp;F)</translation>
    </message>
</context>
<context>
    <name>LimitedInputDialog</name>
    <message>
        <source>String is too long</source>
        <translation>문자열이 너무 깁니다</translation>
    </message>
</context>
<context>
    <name>ListWidgetPelm</name>
    <message>
        <source>&amp;Delete layer</source>
        <translation>레이어 삭제(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Rename layer...</source>
        <translation>레이어 이름 바꾸기(&amp;R)...</translation>
    </message>
    <message>
        <source>Layer name:</source>
        <translation>레이어 이름:</translation>
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
        <translation>파일</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>파일 열기(&amp;O)</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save Document</source>
        <translation>문서 저장</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save Document As</source>
        <translation>다른 이름으로 문서 저장</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save as Different Format</source>
        <translation>다른 형식으로 저장</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>시계 방향으로 회전</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>시계 반대 방향으로 회전</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>File System Tree</source>
        <translation>폴더 트리</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>About Scrivet</source>
        <translation>Scrivet 정보</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>User&apos;s Manual</source>
        <translation>사용자 설명서</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Important Product Information</source>
        <translation>중요 제품 정보</translation>
    </message>
    <message>
        <source>Scrivet Tutorial</source>
        <translation>Scrivet 자습서</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>최소화(&amp;N)</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>최대화(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>Scrivet Dravello is disconnected</source>
        <translation>Scrivet Dravello 연결 끊김</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>내보내기(&amp;E)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Save as </source>
        <translation>다른 이름으로 저장 </translation>
    </message>
    <message>
        <source>The file has been modified.  Would you like to save your changes?</source>
        <translation>파일이 수정되었습니다. 변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>The file has been modified. Would you like to save your changes ?</source>
        <translation>파일이 수정되었습니다. 변경 내용을 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Scrivet Dravello is connected</source>
        <translation>Scrivet Dravello 연결됨</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>확대 또는 축소</translation>
    </message>
    <message>
        <source>The Scrivet receiver has shutdown.  Please free up receiver memory.</source>
        <translation>Scrivet 수신기가 종료되었습니다. 수신기 메모리를 확보하십시오.</translation>
    </message>
    <message>
        <source>Unit was shut down due to low battery.</source>
        <translation>배터리 부족으로 장치가 종료되었습니다.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging.  If you wish to charge the receiver, please reconnect to a powered USB port.</source>
        <translation>경고! Scrivet 수신기가 충전되고 있지 않습니다. 수신기를 충전하려면 전원이 공급되는 USB 포트에 다시 연결하십시오.</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Either battery is malfunctioning or it is not properly connected.</source>
        <translation>경고! Scrivet 수신기가 충전되고 있지 않습니다. 배터리가 고장 났거나 제대로 연결되지 않았습니다.</translation>
    </message>
    <message>
        <source>Battery level is critical, please charge the receiver for at least 30 minutes.</source>
        <translation>배터리 잔량이 매우 낮습니다. 수신기를 30분 이상 충전하십시오.</translation>
    </message>
    <message>
        <source>Open directory</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Open destination folder</source>
        <translation>대상 폴더 열기</translation>
    </message>
    <message>
        <source>Are you sure you want to move your sketches to 
%1 folder?</source>
        <translation>스케치를 
%1 폴더로 이동하시겠습니까?</translation>
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
        <translation>재생</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
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
        <translation>확대 또는 축소</translation>
    </message>
    <message>
        <source>First Stroke</source>
        <translation>첫 번째 획</translation>
    </message>
    <message>
        <source>Previous Stroke</source>
        <translation>이전 획</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Next Stroke</source>
        <translation>다음 획</translation>
    </message>
    <message>
        <source>Last Stroke</source>
        <translation>마지막 획</translation>
    </message>
    <message>
        <source>Playback Speed</source>
        <translation>재생 속도</translation>
    </message>
</context>
<context>
    <name>PreviewThumbnailList</name>
    <message>
        <source>File : %1</source>
        <translation>파일: %1</translation>
    </message>
    <message>
        <source>Tag : &quot;%1&quot;</source>
        <translation>태그: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&amp;Edit Layers</source>
        <translation>레이어 편집(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy to...</source>
        <translation>다른 위치로 복사(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>이름 바꾸기(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Open file location...</source>
        <translation>파일 위치 열기(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save Document as...</source>
        <translation>다른 이름으로 문서 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save as Different Format</source>
        <translation>다른 형식으로 저장(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Export to</source>
        <translation>내보내기(&amp;E)</translation>
    </message>
    <message>
        <source>Do you want to delete this file?  %1?</source>
        <translation>%1 파일을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Failed to delete file %1</source>
        <translation>%1 파일을 삭제하지 못했습니다</translation>
    </message>
    <message>
        <source>Open directory for copy</source>
        <translation>복사할 폴더 열기</translation>
    </message>
    <message>
        <source>Rename file:</source>
        <translation>파일 이름 바꾸기:</translation>
    </message>
    <message>
        <source>Are you sure you want to merge 
%1  and  
%2  files?</source>
        <translation>파일을 병합하시겠습니까? 
%1 및 
%2</translation>
    </message>
</context>
<context>
    <name>QAboutDialog</name>
    <message>
        <source>About Scrivet Dravello</source>
        <translation>Scrivet Dravello 정보</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt;&quot;&gt;소프트웨어 버전: 1.01.500&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. All rights reserved.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Scrivet Dravello — Copyright © Scrivet. 모든 권리 보유.&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://scrivet.example/&quot;&gt;scrivet.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Would you like to apply clock setting to the receiver?</source>
        <translation>시계 설정을 수신기에 적용하시겠습니까?</translation>
    </message>
    <message>
        <source>Saving document</source>
        <translation>문서 저장 중</translation>
    </message>
    <message>
        <source>Unable to save file</source>
        <translation>파일을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Entry %1 does not have attribute name %2 in 
%3 settings file.</source>
        <translation>설정 파일 
%3에서 항목 %1에 %2 특성이 없습니다.</translation>
    </message>
    <message>
        <source>Cannot open settings file 
%1</source>
        <translation>설정 파일을 열 수 없습니다. 
%1</translation>
    </message>
    <message>
        <source>Parsing error for settings file 
%1</source>
        <translation>설정 파일 구문 분석 오류 
%1</translation>
    </message>
    <message>
        <source>The factory settings file does not exists %1</source>
        <translation>출고 시 설정 파일이 없습니다: %1</translation>
    </message>
    <message>
        <source>Problem to copy the factory settings %1 to  %2</source>
        <translation>출고 시 설정 %1을(를) %2(으)로 복사하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>QtSettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>매핑</translation>
    </message>
    <message>
        <source>Select sketch paper size and orientation.  Then select the typical receiver position for your sketch.  This selection will be the default for your sketches.</source>
        <translation>스케치 용지 크기와 방향을 선택한 다음, 스케치에 사용할 일반적인 수신기 위치를 선택하십시오. 이 선택은 스케치의 기본값이 됩니다.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>방향</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>용지 크기</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>Default brush size</source>
        <translation>기본 브러시 크기</translation>
    </message>
    <message>
        <source>Ballpoint diameter</source>
        <translation>볼펜 팁 지름</translation>
    </message>
    <message>
        <source>Default brush color</source>
        <translation>기본 브러시 색</translation>
    </message>
    <message>
        <source>Layer highlight color</source>
        <translation>레이어 강조 색</translation>
    </message>
    <message>
        <source>Scrubber&apos;s Color</source>
        <translation>획 슬라이더 색</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>Click Threshold</source>
        <translation>클릭 임계값</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>부드럽게</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Firm</source>
        <translation>단단하게</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>클릭 임계값을 조정하려면 Scrivet을 컴퓨터에 연결하십시오 
클릭 임계값은 획을 기록하는 데 필요한 압력을 결정합니다</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Set default location folder</source>
        <translation>기본 폴더 설정</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Set Receiver real time clock</source>
        <translation>수신기 실시간 시계 설정</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
</context>
<context>
    <name>ScrivetDeviceObserver</name>
    <message>
        <source>Battery not operational</source>
        <translation>배터리 작동 불가</translation>
    </message>
    <message>
        <source>Battery is critically low</source>
        <translation>배터리 매우 부족</translation>
    </message>
    <message>
        <source>Battery charging</source>
        <translation>배터리 충전 중</translation>
    </message>
    <message>
        <source>Battery full</source>
        <translation>배터리 충전 완료</translation>
    </message>
    <message>
        <source>Not charging low current</source>
        <translation>충전 안 됨: 전류 부족</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too high</source>
        <translation>경고! Scrivet 수신기가 충전되고 있지 않습니다. 수신기 온도가 너무 높습니다</translation>
    </message>
    <message>
        <source>Warning! Your Scrivet receiver is not charging. Receiver temperature is too low</source>
        <translation>경고! Scrivet 수신기가 충전되고 있지 않습니다. 수신기 온도가 너무 낮습니다</translation>
    </message>
    <message>
        <source>Invalid battery state</source>
        <translation>잘못된 배터리 상태</translation>
    </message>
</context>
<context>
    <name>SettingsDlg</name>
    <message>
        <source>Draw here to test your pen&apos;s click threshold</source>
        <translation>여기에 그려서 펜의 클릭 임계값을 테스트하십시오</translation>
    </message>
    <message>
        <source>Connect Scrivet to your computer to adjust the click threshold 
The click threshold controls the pressure required to record your strokes</source>
        <translation>클릭 임계값을 조정하려면 Scrivet을 컴퓨터에 연결하십시오 
클릭 임계값은 획을 기록하는 데 필요한 압력을 결정합니다</translation>
    </message>
    <message>
        <source>Failed to retrieve the pressure value.</source>
        <translation>압력 값을 가져오지 못했습니다.</translation>
    </message>
    <message>
        <source>You must first Apply the new setting before testing it.</source>
        <translation>테스트하기 전에 먼저 새 설정을 적용해야 합니다.</translation>
    </message>
    <message>
        <source>Failed to send the click threshold to the receiver. Check that it is connected and try again.</source>
        <translation>클릭 임계값을 수신기로 보내지 못했습니다. 연결되어 있는지 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The receiver is not connected to USB port, can&apos;t update Real-time clock.</source>
        <translation>수신기가 USB 포트에 연결되어 있지 않아 실시간 시계를 업데이트할 수 없습니다.</translation>
    </message>
    <message>
        <source>Failed to update Real-time clock!</source>
        <translation>실시간 시계를 업데이트하지 못했습니다!</translation>
    </message>
    <message>
        <source>Select Working Directory</source>
        <translation>작업 폴더 선택</translation>
    </message>
    <message>
        <source>You changed the tip sensitivity and did not test 
the current setting. Click &quot;OK&quot; without 
testing. Click &quot;Apply&quot; to apply the setting
 and test it. </source>
        <translation>클릭 임계값을 변경했지만 현재 설정을 
테스트하지 않았습니다. 테스트 없이 계속하려면 
&quot;확인&quot;을 클릭하십시오. 설정을 적용하고 테스트하려면
 &quot;적용&quot;을 클릭하십시오. </translation>
    </message>
    <message>
        <source>The settings could not be saved to the file 
%1</source>
        <translation>설정을 파일에 저장할 수 없습니다. 
%1</translation>
    </message>
</context>
<context>
    <name>SketchMail</name>
    <message>
        <source>Unable to hand the document to Mail (error %1).</source>
        <translation>문서를 Mail에 전달할 수 없습니다(오류 %1).</translation>
    </message>
    <message>
        <source>Cannot delete file : %1</source>
        <translation>파일을 삭제할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>No private folder for the attachment could be made in %1.</source>
        <translation>%1에 첨부 파일용 개인 폴더를 만들 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SketchMover</name>
    <message>
        <source>Failed to create folder %1</source>
        <translation>%1 폴더를 만들지 못했습니다</translation>
    </message>
</context>
</TS>
