<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CAnswerCode</name>
    <message>
        <source>[ERROR]user unknown</source>
        <translation>[錯誤]未知的使用者</translation>
    </message>
    <message>
        <source>[ERROR]password miss</source>
        <translation>[錯誤]密碼錯誤</translation>
    </message>
    <message>
        <source>[ERROR]protocol version</source>
        <translation>[錯誤]通訊協定版本</translation>
    </message>
    <message>
        <source>[ERROR]client limit</source>
        <translation>[錯誤]用戶端數量已達上限</translation>
    </message>
    <message>
        <source>[ERROR]super exist</source>
        <translation>[錯誤]管理者已連線</translation>
    </message>
    <message>
        <source>[ERROR]no video data</source>
        <translation>[錯誤]沒有影像資料</translation>
    </message>
    <message>
        <source>[ERROR]no video channel</source>
        <translation>[錯誤]沒有影像頻道</translation>
    </message>
    <message>
        <source>[ERROR]mpeg push end</source>
        <translation>[錯誤]串流傳送結束</translation>
    </message>
    <message>
        <source>[ERROR]connection timeout</source>
        <translation>[錯誤]連線逾時</translation>
    </message>
    <message>
        <source>[ERROR]unknown</source>
        <translation>[錯誤]未知</translation>
    </message>
    <message>
        <source>[ERROR]permission denied</source>
        <translation>[錯誤]權限不足</translation>
    </message>
    <message>
        <source>[ERROR]network timeout</source>
        <translation>[錯誤]網路逾時</translation>
    </message>
</context>
<context>
    <name>CAppSettings</name>
    <message>
        <source>The settings could not be saved to %1 (%2). The previous settings are kept.</source>
        <translation>無法將設定儲存至 %1（%2）。先前的設定保持不變。</translation>
    </message>
    <message>
        <source>The new settings were saved to %1, but the system could not confirm that they are on the disk (%2).</source>
        <translation>新的設定已儲存至 %1，但系統無法確認其已寫入磁碟（%2）。</translation>
    </message>
    <message>
        <source>it is in use by another program, which holds the lock file %1</source>
        <translation>另一個程式正在使用它，並持有鎖定檔 %1</translation>
    </message>
</context>
<context>
    <name>CAutoPresetWidget</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Interval(sec)</source>
        <translation>間隔(秒)</translation>
    </message>
    <message>
        <source>the preset tour of channel %1</source>
        <translation>頻道 %1 的預設點巡航</translation>
    </message>
</context>
<context>
    <name>CBackupWidget</name>
    <message>
        <source>CBackupWidget</source>
        <translation>CBackupWidget</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 分鐘</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 分鐘</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 小時</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Please select the backup end time again</source>
        <translation>請重新選擇備份結束時間</translation>
    </message>
    <message>
        <source>Backup has been completed.</source>
        <translation>備份已完成。</translation>
    </message>
</context>
<context>
    <name>CCameraWidget</name>
    <message>
        <source>DVR Name : %1
</source>
        <translation>DVR 名稱 : %1
</translation>
    </message>
    <message>
        <source>Address : %1
</source>
        <translation>位址 : %1
</translation>
    </message>
    <message>
        <source>Port : %1
</source>
        <translation>連接埠 : %1
</translation>
    </message>
    <message>
        <source>User : %1
</source>
        <translation>使用者 : %1
</translation>
    </message>
    <message>
        <source>Camera : %1
</source>
        <translation>攝影機 : %1
</translation>
    </message>
    <message>
        <source>Please check the position of the camera.</source>
        <translation>請檢查攝影機的位置。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>CChannelWidget</name>
    <message>
        <source>Channel</source>
        <translation>頻道</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>CH3</source>
        <translation>CH3</translation>
    </message>
    <message>
        <source>CH4</source>
        <translation>CH4</translation>
    </message>
    <message>
        <source>CH5</source>
        <translation>CH5</translation>
    </message>
    <message>
        <source>CH6</source>
        <translation>CH6</translation>
    </message>
    <message>
        <source>CH7</source>
        <translation>CH7</translation>
    </message>
    <message>
        <source>CH8</source>
        <translation>CH8</translation>
    </message>
    <message>
        <source>CH9</source>
        <translation>CH9</translation>
    </message>
    <message>
        <source>CH10</source>
        <translation>CH10</translation>
    </message>
    <message>
        <source>CH11</source>
        <translation>CH11</translation>
    </message>
    <message>
        <source>CH12</source>
        <translation>CH12</translation>
    </message>
    <message>
        <source>CH13</source>
        <translation>CH13</translation>
    </message>
    <message>
        <source>CH14</source>
        <translation>CH14</translation>
    </message>
    <message>
        <source>CH15</source>
        <translation>CH15</translation>
    </message>
    <message>
        <source>CH16</source>
        <translation>CH16</translation>
    </message>
</context>
<context>
    <name>CCheckSpeed</name>
    <message>
        <source>%1 FPS / %2</source>
        <translation>%1 FPS / %2</translation>
    </message>
</context>
<context>
    <name>CConfFile</name>
    <message>
        <source>The file is too large for a configuration.</source>
        <translation>檔案過大，不可能是設定檔。</translation>
    </message>
    <message>
        <source>The file is not a configuration file.</source>
        <translation>此檔案不是設定檔。</translation>
    </message>
</context>
<context>
    <name>CConnectDVR</name>
    <message>
        <source>There is no more backup data. Or Connection failed</source>
        <translation>已無可備份的資料，或連線失敗</translation>
    </message>
</context>
<context>
    <name>CCreateRaw</name>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[錯誤] %1 沒有可用的檔案名稱</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1: %2</source>
        <translation>[錯誤] 無法寫入錄影檔 %1：%2</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1: %2</source>
        <translation>[錯誤] 無法建立錄影檔 %1：%2</translation>
    </message>
</context>
<context>
    <name>CDVRInfoWidget</name>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>記錄</translation>
    </message>
</context>
<context>
    <name>CDVRListTree</name>
    <message>
        <source>Group name:</source>
        <translation>群組名稱：</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t add the dvr.</source>
        <translation>已有同名的 DVR，無法新增 DVR。</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t edit the dvr.</source>
        <translation>已有同名的 DVR，無法編輯 DVR。</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>新增群組</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>編輯群組</translation>
    </message>
</context>
<context>
    <name>CEMapList</name>
    <message>
        <source>Modify group name</source>
        <translation>修改群組名稱</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>群組名稱：</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map?</source>
        <translation>確定要刪除選取的地圖嗎？</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map group?</source>
        <translation>確定要刪除選取的地圖群組嗎？</translation>
    </message>
</context>
<context>
    <name>CEMapMenu</name>
    <message>
        <source>Add EMap</source>
        <translation>新增地圖</translation>
    </message>
    <message>
        <source>Edit EMap</source>
        <translation>編輯地圖</translation>
    </message>
    <message>
        <source>Delete EMap</source>
        <translation>刪除地圖</translation>
    </message>
</context>
<context>
    <name>CEMapPicture</name>
    <message>
        <source>The map image %1 is too large (%2 x %3 pixels, at most 64 megapixels). The map is shown without it.</source>
        <translation>地圖影像 %1 太大（%2 x %3 像素，最多 64 百萬像素）。地圖將不含影像顯示。</translation>
    </message>
    <message>
        <source>The map image %1 is not a file. The map is shown without it.</source>
        <translation>地圖影像 %1 不是檔案。地圖將不顯示影像。</translation>
    </message>
    <message>
        <source>The map image %1 cannot be read (%2). The map is shown without it.</source>
        <translation>無法讀取地圖影像 %1（%2）。地圖將不顯示影像。</translation>
    </message>
</context>
<context>
    <name>CEMapSetupDialog</name>
    <message>
        <source>EMap Setup</source>
        <translation>EMap 設定</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>彈出</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>自動關閉</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>影像大小</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>調整</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始</translation>
    </message>
</context>
<context>
    <name>CEMapWidget</name>
    <message>
        <source>CEMapWidget</source>
        <translation>CEMapWidget</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部刪除</translation>
    </message>
    <message>
        <source>Please confirm the dvr information.</source>
        <translation>請確認 DVR 資訊。</translation>
    </message>
    <message>
        <source>The camera is in the emap.</source>
        <translation>此攝影機已在地圖上。</translation>
    </message>
</context>
<context>
    <name>CHDDWidget</name>
    <message>
        <source>HDD</source>
        <translation>硬碟</translation>
    </message>
    <message>
        <source>Total Space : </source>
        <translation>總容量 : </translation>
    </message>
    <message>
        <source>Used Space : </source>
        <translation>已使用 : </translation>
    </message>
    <message>
        <source>Free Space : </source>
        <translation>可用空間 : </translation>
    </message>
</context>
<context>
    <name>CInfoWidget</name>
    <message>
        <source>Model Name</source>
        <translation>型號名稱</translation>
    </message>
    <message>
        <source>Video Type</source>
        <translation>視訊類型</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>硬體版本</translation>
    </message>
    <message>
        <source>Kernel Version</source>
        <translation>核心版本</translation>
    </message>
    <message>
        <source>Ramdisk Version</source>
        <translation>Ramdisk 版本</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC 位址</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
</context>
<context>
    <name>CLinkFailure</name>
    <message>
        <source>Connection failed</source>
        <translation>連線失敗</translation>
    </message>
    <message>
        <source>[ERROR]request too long</source>
        <translation>[錯誤]請求過長</translation>
    </message>
</context>
<context>
    <name>CListFileStatus</name>
    <message>
        <source>The default list is shown. The file is kept and will be moved aside when the list is saved.</source>
        <translation>目前顯示預設清單。原檔案會保留，並在儲存清單時移至一旁。</translation>
    </message>
    <message>
        <source>The list file %1 cannot be read (%2).</source>
        <translation>無法讀取清單檔案 %1（%2）。</translation>
    </message>
    <message>
        <source>The file %1 is not a list file of this program.</source>
        <translation>檔案 %1 不是本程式的清單檔案。</translation>
    </message>
    <message>
        <source>The list file %1 is damaged.</source>
        <translation>清單檔案 %1 已損毀。</translation>
    </message>
    <message>
        <source>The list could not be saved to %1 (%2). The previous file is unchanged.</source>
        <translation>無法將清單儲存至 %1（%2）。先前的檔案未變更。</translation>
    </message>
    <message>
        <source>The unusable list file was moved to %1.</source>
        <translation>無法使用的清單檔案已移至 %1。</translation>
    </message>
    <message>
        <source>The list was saved to %1, but the system could not confirm that it is on the disk (%2).</source>
        <translation>清單已儲存至 %1，但系統無法確認其已寫入磁碟（%2）。</translation>
    </message>
</context>
<context>
    <name>CLiveCtrlWidget</name>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Auto Preset</source>
        <translation>自動預設點</translation>
    </message>
    <message>
        <source>Rem. Port</source>
        <translation>繼電器</translation>
    </message>
    <message>
        <source>Picture ctrl</source>
        <translation>影像調整</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>The backup stopped because a group was connected.</source>
        <translation>已連線群組，因此備份已停止。</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a group was connected.</source>
        <translation>已連線群組，因此 PC 錄影已停止。</translation>
    </message>
    <message>
        <source>The backup stopped because a DVR was connected by its address.</source>
        <translation>已依位址連線 DVR，因此備份已停止。</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a DVR was connected by its address.</source>
        <translation>已依位址連線 DVR，因此 PC 錄影已停止。</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was disconnected.</source>
        <translation>DVR 已中斷連線，因此備份已停止。</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was disconnected.</source>
        <translation>DVR 已中斷連線，因此 PC 錄影已停止。</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was deleted.</source>
        <translation>DVR 已刪除，因此備份已停止。</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was deleted.</source>
        <translation>DVR 已刪除，因此 PC 錄影已停止。</translation>
    </message>
    <message>
        <source>The backup stopped because another DVR was chosen.</source>
        <translation>已選擇其他 DVR，因此備份已停止。</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR&apos;s settings changed.</source>
        <translation>DVR 的設定已變更，因此備份已停止。</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR&apos;s settings changed.</source>
        <translation>DVR 的設定已變更，因此 PC 錄影已停止。</translation>
    </message>
    <message>
        <source>The recording to the PC stopped: %1</source>
        <translation>PC 錄影已停止：%1</translation>
    </message>
    <message>
        <source>The playback stopped: %1</source>
        <translation>播放已停止：%1</translation>
    </message>
    <message>
        <source>The backup stopped: %1</source>
        <translation>備份已停止：%1</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because another mode was chosen.</source>
        <translation>已選擇其他模式，因此 PC 錄影已停止。</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the stream type changed.</source>
        <translation>串流類型已變更，因此 PC 錄影已停止。</translation>
    </message>
</context>
<context>
    <name>CLogin</name>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
</context>
<context>
    <name>CMenuDVRList</name>
    <message>
        <source>Add Group</source>
        <translation>新增群組</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>編輯群組</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>刪除群組</translation>
    </message>
    <message>
        <source>Read Camera Name</source>
        <translation>讀取攝影機名稱</translation>
    </message>
    <message>
        <source>Add DVR</source>
        <translation>新增 DVR</translation>
    </message>
    <message>
        <source>Edit DVR</source>
        <translation>編輯 DVR</translation>
    </message>
    <message>
        <source>Delete DVR</source>
        <translation>刪除 DVR</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>中斷連線</translation>
    </message>
</context>
<context>
    <name>CModelInfoDialog</name>
    <message>
        <source>Model Info</source>
        <translation>機型資訊</translation>
    </message>
    <message>
        <source>DVR Model :</source>
        <translation>DVR 型號 :</translation>
    </message>
    <message>
        <source>DVR Channels :</source>
        <translation>DVR 頻道數 :</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4 頻道</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8 頻道</translation>
    </message>
    <message>
        <source>16 channels</source>
        <translation>16 頻道</translation>
    </message>
    <message>
        <source>Video Type :</source>
        <translation>視訊類型 :</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
</context>
<context>
    <name>CMotionZoneDialog</name>
    <message>
        <source>Motion Zone</source>
        <translation>移動偵測區域</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>CNetworkFailure</name>
    <message>
        <source>HTTP error status %1</source>
        <translation>HTTP 錯誤狀態 %1</translation>
    </message>
    <message>
        <source>the DVR refused the connection</source>
        <translation>DVR 拒絕了連線</translation>
    </message>
    <message>
        <source>the DVR closed the connection</source>
        <translation>DVR 關閉了連線</translation>
    </message>
    <message>
        <source>the DVR&apos;s address was not found</source>
        <translation>找不到 DVR 的位址</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>連線逾時</translation>
    </message>
    <message>
        <source>no answer within the time limit</source>
        <translation>在時限內沒有回應</translation>
    </message>
    <message>
        <source>the network is not available</source>
        <translation>網路無法使用</translation>
    </message>
    <message>
        <source>the DVR&apos;s answer could not be read</source>
        <translation>無法讀取 DVR 的回應</translation>
    </message>
    <message>
        <source>the DVR could not be reached</source>
        <translation>無法連上 DVR</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>網路錯誤 %1</translation>
    </message>
</context>
<context>
    <name>CNoDvrLine</name>
    <message>
        <source>No DVR to search: double-click a DVR in the list.</source>
        <translation>沒有可搜尋的 DVR：請在清單中按兩下 DVR。</translation>
    </message>
</context>
<context>
    <name>COldQuery</name>
    <message>
        <source>[ERROR]ID or password can not be sent</source>
        <translation>[錯誤]無法傳送帳號或密碼</translation>
    </message>
</context>
<context>
    <name>COrderedCommands</name>
    <message>
        <source>The DVR cannot take this command.</source>
        <translation>DVR 無法接受此命令。</translation>
    </message>
</context>
<context>
    <name>CPCInfoPage</name>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Copyright (C) COMPANY. All rights reserved.</source>
        <translation>Copyright (C) COMPANY. 版權所有。</translation>
    </message>
</context>
<context>
    <name>CPCSetupDialog</name>
    <message>
        <source>PC Setup</source>
        <translation>PC 設定</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
</context>
<context>
    <name>CPCSetupPage</name>
    <message>
        <source>Save Path</source>
        <translation>儲存路徑</translation>
    </message>
    <message>
        <source>Capture : </source>
        <translation>擷取 : </translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Record : </source>
        <translation>錄影 : </translation>
    </message>
    <message>
        <source>Backup : </source>
        <translation>備份 : </translation>
    </message>
    <message>
        <source>File Format : </source>
        <translation>檔案格式 : </translation>
    </message>
    <message>
        <source>HAV</source>
        <translation>HAV</translation>
    </message>
    <message>
        <source>AVI</source>
        <translation>AVI</translation>
    </message>
    <message>
        <source>Capture File Format : </source>
        <translation>擷取檔案格式 : </translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>螢幕顯示</translation>
    </message>
    <message>
        <source>Channel Name : </source>
        <translation>頻道名稱 : </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Record Icon : </source>
        <translation>錄影圖示 : </translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>圖示</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>外框</translation>
    </message>
    <message>
        <source>Event Icon : </source>
        <translation>事件圖示 : </translation>
    </message>
    <message>
        <source>Language : </source>
        <translation>語言 : </translation>
    </message>
    <message>
        <source>Alarm Sound : </source>
        <translation>警報聲音 : </translation>
    </message>
    <message>
        <source>Stream Type : </source>
        <translation>串流類型 : </translation>
    </message>
    <message>
        <source>Main</source>
        <translation>主串流</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>子串流</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Playback Mode : </source>
        <translation>播放模式 : </translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>連續</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳過</translation>
    </message>
    <message>
        <source>Sequence Time : </source>
        <translation>輪播時間 : </translation>
    </message>
    <message>
        <source>Reconnect : </source>
        <translation>重新連線 : </translation>
    </message>
    <message>
        <source>Opengl : </source>
        <translation>OpenGL : </translation>
    </message>
    <message>
        <source>OpenGL(High PC)</source>
        <translation>OpenGL(高效能 PC)</translation>
    </message>
    <message>
        <source>OpenGL(Low PC)</source>
        <translation>OpenGL(低效能 PC)</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>請選擇資料夾。</translation>
    </message>
</context>
<context>
    <name>CPendingSettings</name>
    <message>
        <source>These choices could not be saved to %1 (%2) and are lost:</source>
        <translation>這些選擇無法儲存到 %1（%2），已遺失：</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>CPictureWidget</name>
    <message>
        <source>Contrast</source>
        <translation>對比</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>飽和度</translation>
    </message>
    <message>
        <source>H.Sharpness</source>
        <translation>水平銳利度</translation>
    </message>
    <message>
        <source>V.Sharpness</source>
        <translation>垂直銳利度</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設值</translation>
    </message>
</context>
<context>
    <name>CPlaybackWidget</name>
    <message>
        <source>CPlaybackWidget</source>
        <translation>CPlaybackWidget</translation>
    </message>
    <message>
        <source>There is no playback file.</source>
        <translation>沒有可播放的檔案。</translation>
    </message>
</context>
<context>
    <name>CPresetNames</name>
    <message>
        <source>preset %1</source>
        <translation>預設點 %1</translation>
    </message>
</context>
<context>
    <name>CProblemLine</name>
    <message>
        <source>The DVR refused the command: %1</source>
        <translation>DVR 拒絕了命令：%1</translation>
    </message>
    <message>
        <source>The DVR did not answer the command: %1</source>
        <translation>DVR 未回應命令：%1</translation>
    </message>
    <message>
        <source>The command was not sent: %1</source>
        <translation>命令未送出：%1</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Upgrading</source>
        <translation>升級中</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
</context>
<context>
    <name>CPtzfWidget</name>
    <message>
        <source>Zoom</source>
        <translation>變焦</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>對焦</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>光圈</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>前往</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢速</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快速</translation>
    </message>
    <message>
        <source>Very Fast</source>
        <translation>極快</translation>
    </message>
    <message>
        <source>the PTZ speed</source>
        <translation>PTZ 速度</translation>
    </message>
</context>
<context>
    <name>CRecord</name>
    <message>
        <source>[ERROR] The DVR has reported no channels to record</source>
        <translation>[錯誤] DVR 未回報可錄影的頻道</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording folder %1</source>
        <translation>[錯誤] 無法建立錄影資料夾 %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1</source>
        <translation>[錯誤] 無法寫入錄影檔 %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1</source>
        <translation>[錯誤] 無法建立錄影檔 %1</translation>
    </message>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[錯誤] %1 沒有可用的檔案名稱</translation>
    </message>
    <message>
        <source>[ERROR] Can not complete the recording file %1</source>
        <translation>[錯誤] 無法完成錄影檔 %1</translation>
    </message>
</context>
<context>
    <name>CRelaySwitches</name>
    <message>
        <source>Relay %1 of DVR &quot;%2&quot; (%3:%4) may stay on: the DVR did not take its switch-off.</source>
        <translation>DVR「%2」（%3:%4）的繼電器 %1 可能仍保持開啟：DVR 未接受其關閉命令。</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>繼電器</translation>
    </message>
</context>
<context>
    <name>CRemotePortWiget</name>
    <message>
        <source>Auto off :</source>
        <translation>自動關閉 :</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>30</source>
        <translation>30</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>繼電器</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
</context>
<context>
    <name>CSendDVRInfoWidget</name>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Admin Password</source>
        <translation>管理者密碼</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>請填寫所有欄位。</translation>
    </message>
</context>
<context>
    <name>CSeqWidget</name>
    <message>
        <source>Channels</source>
        <translation>頻道</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>CH3</source>
        <translation>CH3</translation>
    </message>
    <message>
        <source>CH4</source>
        <translation>CH4</translation>
    </message>
    <message>
        <source>CH5</source>
        <translation>CH5</translation>
    </message>
    <message>
        <source>CH6</source>
        <translation>CH6</translation>
    </message>
    <message>
        <source>CH7</source>
        <translation>CH7</translation>
    </message>
    <message>
        <source>CH8</source>
        <translation>CH8</translation>
    </message>
    <message>
        <source>CH9</source>
        <translation>CH9</translation>
    </message>
    <message>
        <source>CH10</source>
        <translation>CH10</translation>
    </message>
    <message>
        <source>CH11</source>
        <translation>CH11</translation>
    </message>
    <message>
        <source>CH12</source>
        <translation>CH12</translation>
    </message>
    <message>
        <source>CH13</source>
        <translation>CH13</translation>
    </message>
    <message>
        <source>CH14</source>
        <translation>CH14</translation>
    </message>
    <message>
        <source>CH15</source>
        <translation>CH15</translation>
    </message>
    <message>
        <source>CH16</source>
        <translation>CH16</translation>
    </message>
    <message>
        <source>M1-4</source>
        <translation>M1-4</translation>
    </message>
    <message>
        <source>M5-8</source>
        <translation>M5-8</translation>
    </message>
    <message>
        <source>M9-12</source>
        <translation>M9-12</translation>
    </message>
    <message>
        <source>M13-16</source>
        <translation>M13-16</translation>
    </message>
    <message>
        <source>M1-9</source>
        <translation>M1-9</translation>
    </message>
    <message>
        <source>M8-16</source>
        <translation>M8-16</translation>
    </message>
    <message>
        <source>M1-16</source>
        <translation>M1-16</translation>
    </message>
    <message>
        <source>Dwell Time</source>
        <translation>停留時間</translation>
    </message>
    <message>
        <source>M1-8</source>
        <translation>M1-8</translation>
    </message>
</context>
<context>
    <name>CSetDVRInfoDialog</name>
    <message>
        <source>DVR Info</source>
        <translation>DVR 資訊</translation>
    </message>
    <message>
        <source>Old protocol</source>
        <translation>舊版通訊協定</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Screen Division</source>
        <translation>畫面分割</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <translation>頻道選擇</translation>
    </message>
    <message>
        <source>Ch 1</source>
        <translation>頻道 1</translation>
    </message>
    <message>
        <source>Ch 2</source>
        <translation>頻道 2</translation>
    </message>
    <message>
        <source>Ch 3</source>
        <translation>頻道 3</translation>
    </message>
    <message>
        <source>Ch 4</source>
        <translation>頻道 4</translation>
    </message>
    <message>
        <source>Ch 5</source>
        <translation>頻道 5</translation>
    </message>
    <message>
        <source>Ch 6</source>
        <translation>頻道 6</translation>
    </message>
    <message>
        <source>Ch 7</source>
        <translation>頻道 7</translation>
    </message>
    <message>
        <source>Ch 8</source>
        <translation>頻道 8</translation>
    </message>
    <message>
        <source>Ch 9</source>
        <translation>頻道 9</translation>
    </message>
    <message>
        <source>Ch 10</source>
        <translation>頻道 10</translation>
    </message>
    <message>
        <source>Ch 11</source>
        <translation>頻道 11</translation>
    </message>
    <message>
        <source>Ch 12</source>
        <translation>頻道 12</translation>
    </message>
    <message>
        <source>Ch 13</source>
        <translation>頻道 13</translation>
    </message>
    <message>
        <source>Ch 14</source>
        <translation>頻道 14</translation>
    </message>
    <message>
        <source>Ch 15</source>
        <translation>頻道 15</translation>
    </message>
    <message>
        <source>Ch 16</source>
        <translation>頻道 16</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>請填寫所有欄位。</translation>
    </message>
</context>
<context>
    <name>CSetEMapInfoDialog</name>
    <message>
        <source>EMap Info</source>
        <translation>EMap 資訊</translation>
    </message>
    <message>
        <source>Group Name :</source>
        <translation>群組名稱：</translation>
    </message>
    <message>
        <source>EMap Name :</source>
        <translation>地圖名稱：</translation>
    </message>
    <message>
        <source>Image Path :</source>
        <translation>影像路徑：</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>請填寫所有欄位。</translation>
    </message>
    <message>
        <source>Select a Image file</source>
        <translation>選擇影像檔</translation>
    </message>
</context>
<context>
    <name>CSetupAccount</name>
    <message>
        <source>User</source>
        <translation>使用者</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>頻道</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>CH3</source>
        <translation>CH3</translation>
    </message>
    <message>
        <source>CH4</source>
        <translation>CH4</translation>
    </message>
    <message>
        <source>CH5</source>
        <translation>CH5</translation>
    </message>
    <message>
        <source>CH6</source>
        <translation>CH6</translation>
    </message>
    <message>
        <source>CH7</source>
        <translation>CH7</translation>
    </message>
    <message>
        <source>CH8</source>
        <translation>CH8</translation>
    </message>
    <message>
        <source>CH9</source>
        <translation>CH9</translation>
    </message>
    <message>
        <source>CH10</source>
        <translation>CH10</translation>
    </message>
    <message>
        <source>CH11</source>
        <translation>CH11</translation>
    </message>
    <message>
        <source>CH12</source>
        <translation>CH12</translation>
    </message>
    <message>
        <source>CH13</source>
        <translation>CH13</translation>
    </message>
    <message>
        <source>CH14</source>
        <translation>CH14</translation>
    </message>
    <message>
        <source>CH15</source>
        <translation>CH15</translation>
    </message>
    <message>
        <source>CH16</source>
        <translation>CH16</translation>
    </message>
    <message>
        <source>PTZF Control</source>
        <translation>PTZF 控制</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>備份</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Network Timeout</source>
        <translation>網路逾時</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>登出</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Wait time</source>
        <translation>等待時間</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>管理員</translation>
    </message>
    <message>
        <source>Can&apos;t add same user.</source>
        <translation>無法新增相同的使用者。</translation>
    </message>
</context>
<context>
    <name>CSetupCamera</name>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>CH-1</source>
        <translation>CH-1</translation>
    </message>
    <message>
        <source>CH-2</source>
        <translation>CH-2</translation>
    </message>
    <message>
        <source>CH-3</source>
        <translation>CH-3</translation>
    </message>
    <message>
        <source>CH-4</source>
        <translation>CH-4</translation>
    </message>
    <message>
        <source>CH-5</source>
        <translation>CH-5</translation>
    </message>
    <message>
        <source>CH-6</source>
        <translation>CH-6</translation>
    </message>
    <message>
        <source>CH-7</source>
        <translation>CH-7</translation>
    </message>
    <message>
        <source>CH-8</source>
        <translation>CH-8</translation>
    </message>
    <message>
        <source>CH-9</source>
        <translation>CH-9</translation>
    </message>
    <message>
        <source>CH-10</source>
        <translation>CH-10</translation>
    </message>
    <message>
        <source>CH-11</source>
        <translation>CH-11</translation>
    </message>
    <message>
        <source>CH-12</source>
        <translation>CH-12</translation>
    </message>
    <message>
        <source>CH-13</source>
        <translation>CH-13</translation>
    </message>
    <message>
        <source>CH-14</source>
        <translation>CH-14</translation>
    </message>
    <message>
        <source>CH-15</source>
        <translation>CH-15</translation>
    </message>
    <message>
        <source>CH-16</source>
        <translation>CH-16</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>頻道</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Reverse Control</source>
        <translation>反向控制</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>水平旋轉</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>垂直傾斜</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>變焦</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>對焦</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>傳輸速率</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>銳利度</translation>
    </message>
    <message>
        <source>SPOT</source>
        <translation>輔助輸出</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>輔助輸出</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>輪跳</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>隱藏</translation>
    </message>
</context>
<context>
    <name>CSetupEtc</name>
    <message>
        <source>Time &amp; Date</source>
        <translation>時間與日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Set to PC time</source>
        <translation>設為 PC 時間</translation>
    </message>
    <message>
        <source>Apply to DVR</source>
        <translation>套用至 DVR</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>CSetupEvent</name>
    <message>
        <source>Motion</source>
        <translation>移動偵測</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>頻道</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>靈敏度</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>彈出</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>自動關閉</translation>
    </message>
    <message>
        <source>Detection Zone</source>
        <translation>偵測區域</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>感應器</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>連動頻道</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>繼電器</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>錄影失敗</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>錄影警告</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>持續時間</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>錄影時間</translation>
    </message>
    <message>
        <source>Post Alarm Record</source>
        <translation>警報後錄影</translation>
    </message>
    <message>
        <source>E-Mail Transfer Settings</source>
        <translation>電子郵件傳送設定</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>傳送週期</translation>
    </message>
    <message>
        <source>Prohibition</source>
        <translation>禁止傳送</translation>
    </message>
    <message>
        <source>Start Hour</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Hour</source>
        <translation>結束時間</translation>
    </message>
    <message>
        <source>E-Mail Transfer Contents</source>
        <translation>電子郵件傳送內容</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>影像遺失</translation>
    </message>
    <message>
        <source>Record Status</source>
        <translation>錄影狀態</translation>
    </message>
    <message>
        <source>System Access</source>
        <translation>系統存取</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>電子郵件位址</translation>
    </message>
    <message>
        <source>Sender Address</source>
        <translation>寄件者位址</translation>
    </message>
    <message>
        <source>Receiver Address</source>
        <translation>收件者位址</translation>
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
    <message>
        <source>SMTP</source>
        <translation>SMTP</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>驗證</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>SSL</source>
        <translation>SSL</translation>
    </message>
    <message>
        <source>MIME</source>
        <translation>MIME</translation>
    </message>
</context>
<context>
    <name>CSetupHdd</name>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Write Mode</source>
        <translation>寫入模式</translation>
    </message>
    <message>
        <source>Force Deletion</source>
        <translation>強制刪除</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Check Interval</source>
        <translation>檢查間隔</translation>
    </message>
</context>
<context>
    <name>CSetupNetwork</name>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>BW Limitation</source>
        <translation>頻寬限制</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>閘道</translation>
    </message>
    <message>
        <source>UPNP</source>
        <translation>UPNP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>DDNS Link</source>
        <translation>DDNS 連結</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Hostname</source>
        <translation>主機名稱</translation>
    </message>
    <message>
        <source>Stream</source>
        <translation>串流</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>頻道</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>畫質</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Apply network TCP/IP &amp;&amp; DDNS configuration</source>
        <translation>套用網路 TCP/IP &amp;&amp; DDNS 設定</translation>
    </message>
</context>
<context>
    <name>CSetupQuery</name>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
    <message>
        <source>The request was not sent: %1</source>
        <translation>請求未送出：%1</translation>
    </message>
</context>
<context>
    <name>CSetupRecord</name>
    <message>
        <source>Channel</source>
        <translation>頻道</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解析度</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>畫質</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Event Quality</source>
        <translation>事件畫質</translation>
    </message>
    <message>
        <source>Event FPS</source>
        <translation>事件 FPS</translation>
    </message>
    <message>
        <source>Etc.</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>Time Overlay</source>
        <translation>時間疊加</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Startting Point</source>
        <translation>起始點</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>排程</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>連續</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>移動偵測</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>感應器</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>移動偵測 + 感應器</translation>
    </message>
    <message>
        <source>Cont. + Event</source>
        <translation>連續 + 事件</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>日</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>一</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>二</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>三</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>四</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>五</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>六</translation>
    </message>
</context>
<context>
    <name>CSetupSystem</name>
    <message>
        <source>Name &amp; ID</source>
        <translation>名稱與 ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time &amp; Date</source>
        <translation>時間與日期</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>時間格式</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>時區</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開</translation>
    </message>
    <message>
        <source>NTP Address</source>
        <translation>NTP 位址</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>蜂鳴器</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>感應器</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>移動偵測</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>影像遺失</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>錄影失敗</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>錄影警告</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>攝影機名稱</translation>
    </message>
    <message>
        <source>Record Icon</source>
        <translation>錄影圖示</translation>
    </message>
    <message>
        <source>Motion Icon</source>
        <translation>移動圖示</translation>
    </message>
    <message>
        <source>Sensor Icon</source>
        <translation>感應器圖示</translation>
    </message>
    <message>
        <source>Task Bar</source>
        <translation>工作列</translation>
    </message>
    <message>
        <source>VGA Mode</source>
        <translation>VGA 模式</translation>
    </message>
</context>
<context>
    <name>CSetupWidget</name>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>錄影</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>硬碟</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>The DVR model %1 is unknown.</source>
        <translation>DVR 型號 %1 不明。</translation>
    </message>
    <message>
        <source>A DVR with %1 channels is unknown.</source>
        <translation>不明的 %1 頻道 DVR。</translation>
    </message>
    <message>
        <source>The DVR did not answer.</source>
        <translation>DVR 沒有回應。</translation>
    </message>
    <message>
        <source>The DVR&apos;s answer is not a configuration.</source>
        <translation>DVR 的回應不是設定資料。</translation>
    </message>
    <message>
        <source>The DVR refused the request: %1</source>
        <translation>DVR 拒絕了請求：%1</translation>
    </message>
    <message>
        <source>A DVR of the old protocol has no configuration to read.</source>
        <translation>舊版通訊協定的 DVR 沒有可讀取的設定。</translation>
    </message>
    <message>
        <source>The pages show the default settings.</source>
        <translation>各頁面顯示預設設定。</translation>
    </message>
    <message>
        <source>The pages keep their settings.</source>
        <translation>各頁面保留原有設定。</translation>
    </message>
    <message>
        <source>DVR Setup</source>
        <translation>DVR 設定</translation>
    </message>
    <message>
        <source>The DVR configuration could not be read.</source>
        <translation>無法讀取 DVR 設定。</translation>
    </message>
    <message>
        <source>The configuration is still being sent to the DVR; nothing more was sent.</source>
        <translation>設定仍在傳送至 DVR，因此未再傳送任何內容。</translation>
    </message>
    <message>
        <source>The transmission error occured!</source>
        <translation>發生傳輸錯誤！</translation>
    </message>
    <message>
        <source>The DVR configuration is correctly transfered!</source>
        <translation>DVR 設定已成功傳送！</translation>
    </message>
    <message>
        <source>Please select a configuration file.</source>
        <translation>請選擇設定檔。</translation>
    </message>
    <message>
        <source>Config (*.conf)</source>
        <translation>設定檔 (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not saved: a configuration file name ends in &quot;.conf&quot;.</source>
        <translation>%1 未儲存：設定檔名稱須以「.conf」結尾。</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>%1 未儲存：%2</translation>
    </message>
    <message>
        <source>Configs (*.conf)</source>
        <translation>設定檔 (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 未開啟：%2</translation>
    </message>
</context>
<context>
    <name>CSnapshotView</name>
    <message>
        <source>The image %1 cannot be read (%2).</source>
        <translation>無法讀取影像 %1（%2）。</translation>
    </message>
</context>
<context>
    <name>CTimeLine</name>
    <message>
        <source>ALL</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>CH-%1</source>
        <translation>CH-%1</translation>
    </message>
</context>
<context>
    <name>CUpgrade</name>
    <message>
        <source>S/W Upgrade</source>
        <translation>軟體升級</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>選擇檔案</translation>
    </message>
    <message>
        <source>The upgrade is failed!</source>
        <translation>升級失敗！</translation>
    </message>
    <message>
        <source>The upgrade is completed!</source>
        <translation>升級完成！</translation>
    </message>
</context>
<context>
    <name>CWaitDialog</name>
    <message>
        <source>Please wait a minute.</source>
        <translation>請稍候。</translation>
    </message>
</context>
<context>
    <name>CWholeFileWriter</name>
    <message>
        <source>%1 was saved, but the system could not confirm that it is on the disk (%2).</source>
        <translation>%1 已儲存，但系統無法確認其已寫入磁碟（%2）。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>超高</translation>
    </message>
</context>
<context>
    <name>QUpFile</name>
    <message>
        <source>The file changed while it was being sent</source>
        <translation>檔案在傳送期間已變更</translation>
    </message>
</context>
<context>
    <name>UpLoader</name>
    <message>
        <source>Error: can&apos;t open file %1</source>
        <translation>錯誤：無法開啟檔案 %1</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>網路錯誤：%1</translation>
    </message>
</context>
<context>
    <name>Viewer</name>
    <message>
        <source>Record</source>
        <translation>錄影</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>The image has been saved.</source>
        <translation>影像已儲存。</translation>
    </message>
    <message>
        <source>The image could not be saved.</source>
        <translation>無法儲存影像。</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>請選擇資料夾。</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Capture Images (*.png *.jpg)</source>
        <translation>擷取影像 (*.png *.jpg)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>儲存檔案</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>文字檔 (*.txt)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>無法寫入檔案 %1：
%2。</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>檔案已儲存</translation>
    </message>
    <message>
        <source>The image has been saved, but the system could not confirm that it is on the disk.</source>
        <translation>影像已儲存，但系統無法確認其已寫入磁碟。</translation>
    </message>
</context>
<context>
    <name>ViewerClass</name>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Live S</source>
        <translation>即時 S</translation>
    </message>
    <message>
        <source>Live M</source>
        <translation>即時 M</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>備份</translation>
    </message>
    <message>
        <source>E-Map</source>
        <translation>電子地圖</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>PC Setup</source>
        <translation>PC 設定</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Setup Model</source>
        <translation>設定機型</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>預設值</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新讀取</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>全部套用</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation>日期 &amp;&amp; 時間</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
</context>
</TS>
