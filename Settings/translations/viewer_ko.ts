<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>CAnswerCode</name>
    <message>
        <source>[ERROR]user unknown</source>
        <translation>[오류]알 수 없는 사용자</translation>
    </message>
    <message>
        <source>[ERROR]password miss</source>
        <translation>[오류]비밀번호가 틀립니다</translation>
    </message>
    <message>
        <source>[ERROR]protocol version</source>
        <translation>[오류]프로토콜 버전</translation>
    </message>
    <message>
        <source>[ERROR]client limit</source>
        <translation>[오류]접속자 수 제한</translation>
    </message>
    <message>
        <source>[ERROR]super exist</source>
        <translation>[오류]관리자가 이미 접속해 있습니다</translation>
    </message>
    <message>
        <source>[ERROR]no video data</source>
        <translation>[오류]영상 데이터가 없습니다</translation>
    </message>
    <message>
        <source>[ERROR]no video channel</source>
        <translation>[오류]영상 채널이 없습니다</translation>
    </message>
    <message>
        <source>[ERROR]mpeg push end</source>
        <translation>[오류]스트림 전송 종료</translation>
    </message>
    <message>
        <source>[ERROR]connection timeout</source>
        <translation>[오류]연결 시간 초과</translation>
    </message>
    <message>
        <source>[ERROR]unknown</source>
        <translation>[오류]알 수 없음</translation>
    </message>
    <message>
        <source>[ERROR]permission denied</source>
        <translation>[오류]권한이 없습니다</translation>
    </message>
    <message>
        <source>[ERROR]network timeout</source>
        <translation>[오류]네트워크 시간 초과</translation>
    </message>
</context>
<context>
    <name>CAppSettings</name>
    <message>
        <source>The settings could not be saved to %1 (%2). The previous settings are kept.</source>
        <translation>설정을 %1에 저장할 수 없습니다 (%2). 이전 설정이 유지됩니다.</translation>
    </message>
    <message>
        <source>The new settings were saved to %1, but the system could not confirm that they are on the disk (%2).</source>
        <translation>새 설정을 %1에 저장했지만, 디스크에 기록되었는지 시스템이 확인하지 못했습니다 (%2).</translation>
    </message>
    <message>
        <source>it is in use by another program, which holds the lock file %1</source>
        <translation>다른 프로그램이 사용 중이며, 그 프로그램이 잠금 파일 %1을(를) 보유하고 있습니다</translation>
    </message>
</context>
<context>
    <name>CAutoPresetWidget</name>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>End</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>Interval(sec)</source>
        <translation>간격(초)</translation>
    </message>
    <message>
        <source>the preset tour of channel %1</source>
        <translation>채널 %1의 프리셋 투어</translation>
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
        <translation>시작</translation>
    </message>
    <message>
        <source>End</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10분</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30분</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1시간</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Please select the backup end time again</source>
        <translation>백업 종료 시간을 다시 선택하십시오</translation>
    </message>
    <message>
        <source>Backup has been completed.</source>
        <translation>백업이 완료되었습니다.</translation>
    </message>
</context>
<context>
    <name>CCameraWidget</name>
    <message>
        <source>DVR Name : %1
</source>
        <translation>DVR 이름 : %1
</translation>
    </message>
    <message>
        <source>Address : %1
</source>
        <translation>주소 : %1
</translation>
    </message>
    <message>
        <source>Port : %1
</source>
        <translation>포트 : %1
</translation>
    </message>
    <message>
        <source>User : %1
</source>
        <translation>사용자 : %1
</translation>
    </message>
    <message>
        <source>Camera : %1
</source>
        <translation>카메라 : %1
</translation>
    </message>
    <message>
        <source>Please check the position of the camera.</source>
        <translation>카메라 위치를 확인해 주십시오.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>CChannelWidget</name>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
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
        <translation>파일이 너무 커서 설정 파일일 수 없습니다.</translation>
    </message>
    <message>
        <source>The file is not a configuration file.</source>
        <translation>이 파일은 설정 파일이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>CConnectDVR</name>
    <message>
        <source>There is no more backup data. Or Connection failed</source>
        <translation>더 이상 백업할 데이터가 없거나 연결에 실패했습니다</translation>
    </message>
</context>
<context>
    <name>CCreateRaw</name>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[오류] %1에 사용할 수 있는 파일 이름이 없습니다</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1: %2</source>
        <translation>[오류] 녹화 파일 %1을(를) 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1: %2</source>
        <translation>[오류] 녹화 파일 %1을(를) 만들 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>CDVRInfoWidget</name>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>로그</translation>
    </message>
</context>
<context>
    <name>CDVRListTree</name>
    <message>
        <source>Group name:</source>
        <translation>그룹 이름:</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t add the dvr.</source>
        <translation>같은 이름의 DVR이 있습니다. DVR을 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t edit the dvr.</source>
        <translation>같은 이름의 DVR이 있습니다. DVR을 수정할 수 없습니다.</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>그룹 추가</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>그룹 수정</translation>
    </message>
</context>
<context>
    <name>CEMapList</name>
    <message>
        <source>Modify group name</source>
        <translation>그룹 이름 수정</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>그룹 이름:</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map?</source>
        <translation>선택한 맵을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map group?</source>
        <translation>선택한 맵 그룹을 삭제하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>CEMapMenu</name>
    <message>
        <source>Add EMap</source>
        <translation>맵 추가</translation>
    </message>
    <message>
        <source>Edit EMap</source>
        <translation>맵 편집</translation>
    </message>
    <message>
        <source>Delete EMap</source>
        <translation>맵 삭제</translation>
    </message>
</context>
<context>
    <name>CEMapPicture</name>
    <message>
        <source>The map image %1 is too large (%2 x %3 pixels, at most 64 megapixels). The map is shown without it.</source>
        <translation>맵 이미지 %1이(가) 너무 큽니다(%2 x %3 픽셀, 최대 64메가픽셀). 이미지 없이 맵을 표시합니다.</translation>
    </message>
    <message>
        <source>The map image %1 is not a file. The map is shown without it.</source>
        <translation>맵 이미지 %1은(는) 파일이 아닙니다. 이미지 없이 맵을 표시합니다.</translation>
    </message>
    <message>
        <source>The map image %1 cannot be read (%2). The map is shown without it.</source>
        <translation>맵 이미지 %1을(를) 읽을 수 없습니다(%2). 이미지 없이 맵을 표시합니다.</translation>
    </message>
</context>
<context>
    <name>CEMapSetupDialog</name>
    <message>
        <source>EMap Setup</source>
        <translation>EMap 설정</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>팝업</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>팝다운</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>이미지 크기</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>맞춤</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>원본</translation>
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
        <translation>모두 삭제</translation>
    </message>
    <message>
        <source>Please confirm the dvr information.</source>
        <translation>DVR 정보를 확인해 주십시오.</translation>
    </message>
    <message>
        <source>The camera is in the emap.</source>
        <translation>이미 맵에 있는 카메라입니다.</translation>
    </message>
</context>
<context>
    <name>CHDDWidget</name>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>Total Space : </source>
        <translation>전체 용량 : </translation>
    </message>
    <message>
        <source>Used Space : </source>
        <translation>사용 용량 : </translation>
    </message>
    <message>
        <source>Free Space : </source>
        <translation>남은 용량 : </translation>
    </message>
</context>
<context>
    <name>CInfoWidget</name>
    <message>
        <source>Model Name</source>
        <translation>모델명</translation>
    </message>
    <message>
        <source>Video Type</source>
        <translation>비디오 형식</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>하드웨어 버전</translation>
    </message>
    <message>
        <source>Kernel Version</source>
        <translation>커널 버전</translation>
    </message>
    <message>
        <source>Ramdisk Version</source>
        <translation>램디스크 버전</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC 주소</translation>
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
        <translation>연결 실패</translation>
    </message>
    <message>
        <source>[ERROR]request too long</source>
        <translation>[오류]요청이 너무 깁니다</translation>
    </message>
</context>
<context>
    <name>CListFileStatus</name>
    <message>
        <source>The default list is shown. The file is kept and will be moved aside when the list is saved.</source>
        <translation>기본 목록을 표시합니다. 파일은 보존되며 목록을 저장할 때 다른 이름으로 옮겨집니다.</translation>
    </message>
    <message>
        <source>The list file %1 cannot be read (%2).</source>
        <translation>목록 파일 %1을(를) 읽을 수 없습니다 (%2).</translation>
    </message>
    <message>
        <source>The file %1 is not a list file of this program.</source>
        <translation>%1 파일은 이 프로그램의 목록 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>The list file %1 is damaged.</source>
        <translation>목록 파일 %1이(가) 손상되었습니다.</translation>
    </message>
    <message>
        <source>The list could not be saved to %1 (%2). The previous file is unchanged.</source>
        <translation>목록을 %1에 저장할 수 없습니다 (%2). 이전 파일은 그대로입니다.</translation>
    </message>
    <message>
        <source>The unusable list file was moved to %1.</source>
        <translation>사용할 수 없는 목록 파일을 %1(으)로 옮겼습니다.</translation>
    </message>
    <message>
        <source>The list was saved to %1, but the system could not confirm that it is on the disk (%2).</source>
        <translation>목록을 %1에 저장했지만, 디스크에 기록되었는지 시스템이 확인하지 못했습니다 (%2).</translation>
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
        <translation>자동 프리셋</translation>
    </message>
    <message>
        <source>Rem. Port</source>
        <translation>릴레이</translation>
    </message>
    <message>
        <source>Picture ctrl</source>
        <translation>화면 조정</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>The backup stopped because a group was connected.</source>
        <translation>그룹이 연결되어 백업이 중지되었습니다.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a group was connected.</source>
        <translation>그룹이 연결되어 PC 녹화가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The backup stopped because a DVR was connected by its address.</source>
        <translation>주소로 DVR이 연결되어 백업이 중지되었습니다.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a DVR was connected by its address.</source>
        <translation>주소로 DVR이 연결되어 PC 녹화가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was disconnected.</source>
        <translation>DVR 연결이 해제되어 백업이 중지되었습니다.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was disconnected.</source>
        <translation>DVR 연결이 해제되어 PC 녹화가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was deleted.</source>
        <translation>DVR이 삭제되어 백업이 중지되었습니다.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was deleted.</source>
        <translation>DVR이 삭제되어 PC 녹화가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The backup stopped because another DVR was chosen.</source>
        <translation>다른 DVR이 선택되어 백업이 중지되었습니다.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR&apos;s settings changed.</source>
        <translation>DVR 설정이 바뀌어 백업이 중지되었습니다.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR&apos;s settings changed.</source>
        <translation>DVR 설정이 바뀌어 PC 녹화가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped: %1</source>
        <translation>PC 녹화가 중지되었습니다: %1</translation>
    </message>
    <message>
        <source>The playback stopped: %1</source>
        <translation>재생이 중지되었습니다: %1</translation>
    </message>
    <message>
        <source>The backup stopped: %1</source>
        <translation>백업이 중지되었습니다: %1</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because another mode was chosen.</source>
        <translation>다른 모드가 선택되어 PC 녹화가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the stream type changed.</source>
        <translation>스트림 종류가 바뀌어 PC 녹화가 중지되었습니다.</translation>
    </message>
</context>
<context>
    <name>CLogin</name>
    <message>
        <source>Login</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>아이디</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
</context>
<context>
    <name>CMenuDVRList</name>
    <message>
        <source>Add Group</source>
        <translation>그룹 추가</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>그룹 수정</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>그룹 삭제</translation>
    </message>
    <message>
        <source>Read Camera Name</source>
        <translation>카메라 이름 읽기</translation>
    </message>
    <message>
        <source>Add DVR</source>
        <translation>DVR 추가</translation>
    </message>
    <message>
        <source>Edit DVR</source>
        <translation>DVR 수정</translation>
    </message>
    <message>
        <source>Delete DVR</source>
        <translation>DVR 삭제</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
</context>
<context>
    <name>CModelInfoDialog</name>
    <message>
        <source>Model Info</source>
        <translation>모델 정보</translation>
    </message>
    <message>
        <source>DVR Model :</source>
        <translation>DVR 모델 :</translation>
    </message>
    <message>
        <source>DVR Channels :</source>
        <translation>DVR 채널 :</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4채널</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8채널</translation>
    </message>
    <message>
        <source>16 channels</source>
        <translation>16채널</translation>
    </message>
    <message>
        <source>Video Type :</source>
        <translation>비디오 형식 :</translation>
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
        <translation>모션 영역</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
</context>
<context>
    <name>CNetworkFailure</name>
    <message>
        <source>HTTP error status %1</source>
        <translation>HTTP 오류 상태 %1</translation>
    </message>
    <message>
        <source>the DVR refused the connection</source>
        <translation>DVR이 연결을 거부했습니다</translation>
    </message>
    <message>
        <source>the DVR closed the connection</source>
        <translation>DVR이 연결을 끊었습니다</translation>
    </message>
    <message>
        <source>the DVR&apos;s address was not found</source>
        <translation>DVR 주소를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>연결 시간이 초과되었습니다</translation>
    </message>
    <message>
        <source>no answer within the time limit</source>
        <translation>제한 시간 안에 응답이 없습니다</translation>
    </message>
    <message>
        <source>the network is not available</source>
        <translation>네트워크를 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>the DVR&apos;s answer could not be read</source>
        <translation>DVR의 응답을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>the DVR could not be reached</source>
        <translation>DVR에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>네트워크 오류 %1</translation>
    </message>
</context>
<context>
    <name>CNoDvrLine</name>
    <message>
        <source>No DVR to search: double-click a DVR in the list.</source>
        <translation>검색할 DVR이 없습니다. 목록에서 DVR을 더블 클릭하십시오.</translation>
    </message>
</context>
<context>
    <name>COldQuery</name>
    <message>
        <source>[ERROR]ID or password can not be sent</source>
        <translation>[오류]아이디 또는 비밀번호를 보낼 수 없습니다</translation>
    </message>
</context>
<context>
    <name>COrderedCommands</name>
    <message>
        <source>The DVR cannot take this command.</source>
        <translation>DVR이 이 명령을 받을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CPCInfoPage</name>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Copyright (C) COMPANY. All rights reserved.</source>
        <translation>Copyright (C) COMPANY. 모든 권리 보유.</translation>
    </message>
</context>
<context>
    <name>CPCSetupDialog</name>
    <message>
        <source>PC Setup</source>
        <translation>PC 설정</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
</context>
<context>
    <name>CPCSetupPage</name>
    <message>
        <source>Save Path</source>
        <translation>저장 경로</translation>
    </message>
    <message>
        <source>Capture : </source>
        <translation>캡처 : </translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Record : </source>
        <translation>녹화 : </translation>
    </message>
    <message>
        <source>Backup : </source>
        <translation>백업 : </translation>
    </message>
    <message>
        <source>File Format : </source>
        <translation>파일 형식 : </translation>
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
        <translation>캡처 파일 형식 : </translation>
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
        <translation>화면 표시</translation>
    </message>
    <message>
        <source>Channel Name : </source>
        <translation>채널 이름 : </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Record Icon : </source>
        <translation>녹화 아이콘 : </translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>아이콘</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>윤곽선</translation>
    </message>
    <message>
        <source>Event Icon : </source>
        <translation>이벤트 아이콘 : </translation>
    </message>
    <message>
        <source>Language : </source>
        <translation>언어 : </translation>
    </message>
    <message>
        <source>Alarm Sound : </source>
        <translation>알람 소리 : </translation>
    </message>
    <message>
        <source>Stream Type : </source>
        <translation>스트림 종류 : </translation>
    </message>
    <message>
        <source>Main</source>
        <translation>메인</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>서브</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Playback Mode : </source>
        <translation>재생 모드 : </translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>연속</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Sequence Time : </source>
        <translation>시퀀스 시간 : </translation>
    </message>
    <message>
        <source>Reconnect : </source>
        <translation>재연결 : </translation>
    </message>
    <message>
        <source>Opengl : </source>
        <translation>OpenGL : </translation>
    </message>
    <message>
        <source>OpenGL(High PC)</source>
        <translation>OpenGL(고성능 PC)</translation>
    </message>
    <message>
        <source>OpenGL(Low PC)</source>
        <translation>OpenGL(저성능 PC)</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>폴더를 선택하십시오.</translation>
    </message>
</context>
<context>
    <name>CPendingSettings</name>
    <message>
        <source>These choices could not be saved to %1 (%2) and are lost:</source>
        <translation>다음 선택 사항을 %1에 저장하지 못하여 잃었습니다 (%2):</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>CPictureWidget</name>
    <message>
        <source>Contrast</source>
        <translation>대비</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>채도</translation>
    </message>
    <message>
        <source>H.Sharpness</source>
        <translation>수평 선명도</translation>
    </message>
    <message>
        <source>V.Sharpness</source>
        <translation>수직 선명도</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
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
        <translation>재생할 파일이 없습니다.</translation>
    </message>
</context>
<context>
    <name>CPresetNames</name>
    <message>
        <source>preset %1</source>
        <translation>프리셋 %1</translation>
    </message>
</context>
<context>
    <name>CProblemLine</name>
    <message>
        <source>The DVR refused the command: %1</source>
        <translation>DVR이 명령을 거부했습니다: %1</translation>
    </message>
    <message>
        <source>The DVR did not answer the command: %1</source>
        <translation>DVR이 명령에 응답하지 않았습니다: %1</translation>
    </message>
    <message>
        <source>The command was not sent: %1</source>
        <translation>명령을 보내지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Upgrading</source>
        <translation>업그레이드 중</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
</context>
<context>
    <name>CPtzfWidget</name>
    <message>
        <source>Zoom</source>
        <translation>줌</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>초점</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>조리개</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>느림</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>빠름</translation>
    </message>
    <message>
        <source>Very Fast</source>
        <translation>매우 빠름</translation>
    </message>
    <message>
        <source>the PTZ speed</source>
        <translation>PTZ 속도</translation>
    </message>
</context>
<context>
    <name>CRecord</name>
    <message>
        <source>[ERROR] The DVR has reported no channels to record</source>
        <translation>[오류] DVR이 녹화할 채널을 알려 주지 않았습니다</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording folder %1</source>
        <translation>[오류] 녹화 폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1</source>
        <translation>[오류] 녹화 파일 %1을(를) 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1</source>
        <translation>[오류] 녹화 파일 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[오류] %1에 사용할 수 있는 파일 이름이 없습니다</translation>
    </message>
    <message>
        <source>[ERROR] Can not complete the recording file %1</source>
        <translation>[오류] 녹화 파일 %1을(를) 마무리할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>CRelaySwitches</name>
    <message>
        <source>Relay %1 of DVR &quot;%2&quot; (%3:%4) may stay on: the DVR did not take its switch-off.</source>
        <translation>DVR &quot;%2&quot;(%3:%4)의 릴레이 %1이(가) 켜진 채로 남아 있을 수 있습니다: DVR이 끄기 명령을 받아들이지 않았습니다.</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>릴레이</translation>
    </message>
</context>
<context>
    <name>CRemotePortWiget</name>
    <message>
        <source>Auto off :</source>
        <translation>자동 해제 :</translation>
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
        <translation>릴레이</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
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
        <translation>주소</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Admin Password</source>
        <translation>관리자 비밀번호</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>빈칸을 모두 채워 주십시오.</translation>
    </message>
</context>
<context>
    <name>CSeqWidget</name>
    <message>
        <source>Channels</source>
        <translation>채널</translation>
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
        <translation>표시 시간</translation>
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
        <translation>DVR 정보</translation>
    </message>
    <message>
        <source>Old protocol</source>
        <translation>이전 프로토콜</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>아이디</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Screen Division</source>
        <translation>화면 분할</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <translation>채널 선택</translation>
    </message>
    <message>
        <source>Ch 1</source>
        <translation>채널 1</translation>
    </message>
    <message>
        <source>Ch 2</source>
        <translation>채널 2</translation>
    </message>
    <message>
        <source>Ch 3</source>
        <translation>채널 3</translation>
    </message>
    <message>
        <source>Ch 4</source>
        <translation>채널 4</translation>
    </message>
    <message>
        <source>Ch 5</source>
        <translation>채널 5</translation>
    </message>
    <message>
        <source>Ch 6</source>
        <translation>채널 6</translation>
    </message>
    <message>
        <source>Ch 7</source>
        <translation>채널 7</translation>
    </message>
    <message>
        <source>Ch 8</source>
        <translation>채널 8</translation>
    </message>
    <message>
        <source>Ch 9</source>
        <translation>채널 9</translation>
    </message>
    <message>
        <source>Ch 10</source>
        <translation>채널 10</translation>
    </message>
    <message>
        <source>Ch 11</source>
        <translation>채널 11</translation>
    </message>
    <message>
        <source>Ch 12</source>
        <translation>채널 12</translation>
    </message>
    <message>
        <source>Ch 13</source>
        <translation>채널 13</translation>
    </message>
    <message>
        <source>Ch 14</source>
        <translation>채널 14</translation>
    </message>
    <message>
        <source>Ch 15</source>
        <translation>채널 15</translation>
    </message>
    <message>
        <source>Ch 16</source>
        <translation>채널 16</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>빈칸을 모두 채워 주십시오.</translation>
    </message>
</context>
<context>
    <name>CSetEMapInfoDialog</name>
    <message>
        <source>EMap Info</source>
        <translation>EMap 정보</translation>
    </message>
    <message>
        <source>Group Name :</source>
        <translation>그룹 이름 :</translation>
    </message>
    <message>
        <source>EMap Name :</source>
        <translation>맵 이름 :</translation>
    </message>
    <message>
        <source>Image Path :</source>
        <translation>이미지 경로 :</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>빈칸을 모두 채워 주십시오.</translation>
    </message>
    <message>
        <source>Select a Image file</source>
        <translation>이미지 파일 선택</translation>
    </message>
</context>
<context>
    <name>CSetupAccount</name>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>전체</translation>
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
        <translation>PTZF 제어</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>Network Timeout</source>
        <translation>네트워크 시간 제한</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>로그오프</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>Wait time</source>
        <translation>대기 시간</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>관리자</translation>
    </message>
    <message>
        <source>Can&apos;t add same user.</source>
        <translation>같은 사용자를 추가할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CSetupCamera</name>
    <message>
        <source>Name</source>
        <translation>이름</translation>
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
        <translation>채널</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Reverse Control</source>
        <translation>역방향 제어</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>팬</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>틸트</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>줌</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>초점</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>전송 속도</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>선명도</translation>
    </message>
    <message>
        <source>SPOT</source>
        <translation>스팟</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>스팟</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>시퀀스</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>숨김</translation>
    </message>
</context>
<context>
    <name>CSetupEtc</name>
    <message>
        <source>Time &amp; Date</source>
        <translation>시간 및 날짜</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Set to PC time</source>
        <translation>PC 시간으로 설정</translation>
    </message>
    <message>
        <source>Apply to DVR</source>
        <translation>DVR에 적용</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>CSetupEvent</name>
    <message>
        <source>Motion</source>
        <translation>모션</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>감도</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>팝업</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>팝다운</translation>
    </message>
    <message>
        <source>Detection Zone</source>
        <translation>감지 영역</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>센서</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>연동 채널</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>릴레이</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>녹화 실패</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>녹화 경고</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>유지 시간</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>녹화 시간</translation>
    </message>
    <message>
        <source>Post Alarm Record</source>
        <translation>알람 후 녹화</translation>
    </message>
    <message>
        <source>E-Mail Transfer Settings</source>
        <translation>이메일 전송 설정</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>전송 주기</translation>
    </message>
    <message>
        <source>Prohibition</source>
        <translation>전송 금지</translation>
    </message>
    <message>
        <source>Start Hour</source>
        <translation>시작 시각</translation>
    </message>
    <message>
        <source>End Hour</source>
        <translation>종료 시각</translation>
    </message>
    <message>
        <source>E-Mail Transfer Contents</source>
        <translation>이메일 전송 내용</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>영상 손실</translation>
    </message>
    <message>
        <source>Record Status</source>
        <translation>녹화 상태</translation>
    </message>
    <message>
        <source>System Access</source>
        <translation>시스템 접근</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>이메일 주소</translation>
    </message>
    <message>
        <source>Sender Address</source>
        <translation>보내는 사람 주소</translation>
    </message>
    <message>
        <source>Receiver Address</source>
        <translation>받는 사람 주소</translation>
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
        <translation>주소</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>인증</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>아이디</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
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
        <translation>모드</translation>
    </message>
    <message>
        <source>Write Mode</source>
        <translation>쓰기 모드</translation>
    </message>
    <message>
        <source>Force Deletion</source>
        <translation>강제 삭제</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Check Interval</source>
        <translation>검사 주기</translation>
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
        <translation>유형</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>BW Limitation</source>
        <translation>대역폭 제한</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>UPNP</source>
        <translation>UPNP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS IP</translation>
    </message>
    <message>
        <source>DDNS Link</source>
        <translation>DDNS 연결</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Hostname</source>
        <translation>호스트 이름</translation>
    </message>
    <message>
        <source>Stream</source>
        <translation>스트림</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>화질</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Apply network TCP/IP &amp;&amp; DDNS configuration</source>
        <translation>네트워크 TCP/IP &amp;&amp; DDNS 설정 적용</translation>
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
        <translation>요청을 보내지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>CSetupRecord</name>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>화질</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>Event Quality</source>
        <translation>이벤트 화질</translation>
    </message>
    <message>
        <source>Event FPS</source>
        <translation>이벤트 FPS</translation>
    </message>
    <message>
        <source>Etc.</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>Time Overlay</source>
        <translation>시간 표시</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Startting Point</source>
        <translation>시작 지점</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>스케줄</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>수동</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>연속</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>모션</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>센서</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>모션 + 센서</translation>
    </message>
    <message>
        <source>Cont. + Event</source>
        <translation>연속 + 이벤트</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>번호</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>일</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>월</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>화</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>수</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>목</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>금</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>토</translation>
    </message>
</context>
<context>
    <name>CSetupSystem</name>
    <message>
        <source>Name &amp; ID</source>
        <translation>이름 및 ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time &amp; Date</source>
        <translation>시간 및 날짜</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>시간 형식</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>날짜 형식</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>시간대</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>NTP Address</source>
        <translation>NTP 주소</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>부저</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>센서</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>모션</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>영상 손실</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>녹화 실패</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>녹화 경고</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>화면 표시</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>카메라 이름</translation>
    </message>
    <message>
        <source>Record Icon</source>
        <translation>녹화 아이콘</translation>
    </message>
    <message>
        <source>Motion Icon</source>
        <translation>모션 아이콘</translation>
    </message>
    <message>
        <source>Sensor Icon</source>
        <translation>센서 아이콘</translation>
    </message>
    <message>
        <source>Task Bar</source>
        <translation>작업 표시줄</translation>
    </message>
    <message>
        <source>VGA Mode</source>
        <translation>VGA 모드</translation>
    </message>
</context>
<context>
    <name>CSetupWidget</name>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>The DVR model %1 is unknown.</source>
        <translation>DVR 모델 %1은(는) 알 수 없는 모델입니다.</translation>
    </message>
    <message>
        <source>A DVR with %1 channels is unknown.</source>
        <translation>%1채널 DVR은 알 수 없는 모델입니다.</translation>
    </message>
    <message>
        <source>The DVR did not answer.</source>
        <translation>DVR이 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>The DVR&apos;s answer is not a configuration.</source>
        <translation>DVR의 응답이 설정 데이터가 아닙니다.</translation>
    </message>
    <message>
        <source>The DVR refused the request: %1</source>
        <translation>DVR이 요청을 거부했습니다: %1</translation>
    </message>
    <message>
        <source>A DVR of the old protocol has no configuration to read.</source>
        <translation>이전 프로토콜 DVR에는 읽을 설정이 없습니다.</translation>
    </message>
    <message>
        <source>The pages show the default settings.</source>
        <translation>각 페이지에 기본 설정을 표시합니다.</translation>
    </message>
    <message>
        <source>The pages keep their settings.</source>
        <translation>각 페이지는 현재 설정을 유지합니다.</translation>
    </message>
    <message>
        <source>DVR Setup</source>
        <translation>DVR 설정</translation>
    </message>
    <message>
        <source>The DVR configuration could not be read.</source>
        <translation>DVR 설정을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The configuration is still being sent to the DVR; nothing more was sent.</source>
        <translation>설정을 아직 DVR에 보내는 중이므로 더 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>The transmission error occured!</source>
        <translation>전송 오류가 발생했습니다!</translation>
    </message>
    <message>
        <source>The DVR configuration is correctly transfered!</source>
        <translation>DVR 설정이 정상적으로 전송되었습니다!</translation>
    </message>
    <message>
        <source>Please select a configuration file.</source>
        <translation>설정 파일을 선택하십시오.</translation>
    </message>
    <message>
        <source>Config (*.conf)</source>
        <translation>설정 파일 (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not saved: a configuration file name ends in &quot;.conf&quot;.</source>
        <translation>%1을(를) 저장하지 않았습니다: 설정 파일 이름은 &quot;.conf&quot;로 끝나야 합니다.</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>%1을(를) 저장하지 못했습니다: %2</translation>
    </message>
    <message>
        <source>Configs (*.conf)</source>
        <translation>설정 파일 (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1을(를) 열지 못했습니다: %2</translation>
    </message>
</context>
<context>
    <name>CSnapshotView</name>
    <message>
        <source>The image %1 cannot be read (%2).</source>
        <translation>이미지 %1을(를) 읽을 수 없습니다(%2).</translation>
    </message>
</context>
<context>
    <name>CTimeLine</name>
    <message>
        <source>ALL</source>
        <translation>전체</translation>
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
        <translation>S/W 업그레이드</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>The upgrade is failed!</source>
        <translation>업그레이드에 실패했습니다!</translation>
    </message>
    <message>
        <source>The upgrade is completed!</source>
        <translation>업그레이드가 완료되었습니다!</translation>
    </message>
</context>
<context>
    <name>CWaitDialog</name>
    <message>
        <source>Please wait a minute.</source>
        <translation>잠시 기다려 주십시오.</translation>
    </message>
</context>
<context>
    <name>CWholeFileWriter</name>
    <message>
        <source>%1 was saved, but the system could not confirm that it is on the disk (%2).</source>
        <translation>%1을(를) 저장했지만, 디스크에 기록되었는지 시스템이 확인하지 못했습니다 (%2).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Low</source>
        <translation>낮음</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>최고</translation>
    </message>
</context>
<context>
    <name>QUpFile</name>
    <message>
        <source>The file changed while it was being sent</source>
        <translation>파일을 보내는 동안 파일이 바뀌었습니다</translation>
    </message>
</context>
<context>
    <name>UpLoader</name>
    <message>
        <source>Error: can&apos;t open file %1</source>
        <translation>오류: 파일 %1을(를) 열 수 없습니다</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>네트워크 오류: %1</translation>
    </message>
</context>
<context>
    <name>Viewer</name>
    <message>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>The image has been saved.</source>
        <translation>이미지가 저장되었습니다.</translation>
    </message>
    <message>
        <source>The image could not be saved.</source>
        <translation>이미지를 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>폴더를 선택하십시오.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Capture Images (*.png *.jpg)</source>
        <translation>캡처 이미지 (*.png *.jpg)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>파일 %1을(를) 쓸 수 없습니다:
%2.</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>파일이 저장되었습니다</translation>
    </message>
    <message>
        <source>The image has been saved, but the system could not confirm that it is on the disk.</source>
        <translation>이미지를 저장했지만, 디스크에 기록되었는지 시스템이 확인하지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>ViewerClass</name>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Live S</source>
        <translation>라이브 S</translation>
    </message>
    <message>
        <source>Live M</source>
        <translation>라이브 M</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>백업</translation>
    </message>
    <message>
        <source>E-Map</source>
        <translation>E-Map</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>PC Setup</source>
        <translation>PC 설정</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>환경 설정</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>나가기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Setup Model</source>
        <translation>모델 설정</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>다시 읽기</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>모두 적용</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation>날짜 &amp;&amp; 시간</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
</context>
</TS>
