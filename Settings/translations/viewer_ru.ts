<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CAnswerCode</name>
    <message>
        <source>[ERROR]user unknown</source>
        <translation>[ОШИБКА]неизвестный пользователь</translation>
    </message>
    <message>
        <source>[ERROR]password miss</source>
        <translation>[ОШИБКА]неверный пароль</translation>
    </message>
    <message>
        <source>[ERROR]protocol version</source>
        <translation>[ОШИБКА]версия протокола</translation>
    </message>
    <message>
        <source>[ERROR]client limit</source>
        <translation>[ОШИБКА]превышено число клиентов</translation>
    </message>
    <message>
        <source>[ERROR]super exist</source>
        <translation>[ОШИБКА]администратор уже подключен</translation>
    </message>
    <message>
        <source>[ERROR]no video data</source>
        <translation>[ОШИБКА]нет видеоданных</translation>
    </message>
    <message>
        <source>[ERROR]no video channel</source>
        <translation>[ОШИБКА]нет видеоканала</translation>
    </message>
    <message>
        <source>[ERROR]mpeg push end</source>
        <translation>[ОШИБКА]конец потока</translation>
    </message>
    <message>
        <source>[ERROR]connection timeout</source>
        <translation>[ОШИБКА]истекло время подключения</translation>
    </message>
    <message>
        <source>[ERROR]unknown</source>
        <translation>[ОШИБКА]неизвестная</translation>
    </message>
    <message>
        <source>[ERROR]permission denied</source>
        <translation>[ОШИБКА]доступ запрещен</translation>
    </message>
    <message>
        <source>[ERROR]network timeout</source>
        <translation>[ОШИБКА]истекло время ожидания сети</translation>
    </message>
</context>
<context>
    <name>CAppSettings</name>
    <message>
        <source>The settings could not be saved to %1 (%2). The previous settings are kept.</source>
        <translation>Не удалось сохранить настройки в %1 (%2). Прежние настройки остаются без изменений.</translation>
    </message>
    <message>
        <source>The new settings were saved to %1, but the system could not confirm that they are on the disk (%2).</source>
        <translation>Новые настройки сохранены в %1, но системе не удалось подтвердить, что они записаны на диск (%2).</translation>
    </message>
    <message>
        <source>it is in use by another program, which holds the lock file %1</source>
        <translation>он используется другой программой, которая удерживает файл блокировки %1</translation>
    </message>
</context>
<context>
    <name>CAutoPresetWidget</name>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Interval(sec)</source>
        <translation>Интервал (с)</translation>
    </message>
    <message>
        <source>the preset tour of channel %1</source>
        <translation>обход предустановок канала %1</translation>
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
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 мин</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 мин</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 час</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Please select the backup end time again</source>
        <translation>Выберите время окончания архивации заново</translation>
    </message>
    <message>
        <source>Backup has been completed.</source>
        <translation>Архивация завершена.</translation>
    </message>
</context>
<context>
    <name>CCameraWidget</name>
    <message>
        <source>DVR Name : %1
</source>
        <translation>Имя видеорегистратора : %1
</translation>
    </message>
    <message>
        <source>Address : %1
</source>
        <translation>Адрес : %1
</translation>
    </message>
    <message>
        <source>Port : %1
</source>
        <translation>Порт : %1
</translation>
    </message>
    <message>
        <source>User : %1
</source>
        <translation>Пользователь : %1
</translation>
    </message>
    <message>
        <source>Camera : %1
</source>
        <translation>Камера : %1
</translation>
    </message>
    <message>
        <source>Please check the position of the camera.</source>
        <translation>Проверьте положение камеры.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>CChannelWidget</name>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
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
        <translation>%1 к/с / %2</translation>
    </message>
</context>
<context>
    <name>CConfFile</name>
    <message>
        <source>The file is too large for a configuration.</source>
        <translation>Файл слишком велик для конфигурации.</translation>
    </message>
    <message>
        <source>The file is not a configuration file.</source>
        <translation>Файл не является файлом конфигурации.</translation>
    </message>
</context>
<context>
    <name>CConnectDVR</name>
    <message>
        <source>There is no more backup data. Or Connection failed</source>
        <translation>Данных для архивации больше нет, или подключение не удалось</translation>
    </message>
</context>
<context>
    <name>CCreateRaw</name>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[ОШИБКА] Нет свободного имени файла для %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1: %2</source>
        <translation>[ОШИБКА] Не удается записать файл записи %1: %2</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1: %2</source>
        <translation>[ОШИБКА] Не удается создать файл записи %1: %2</translation>
    </message>
</context>
<context>
    <name>CDVRInfoWidget</name>
    <message>
        <source>Info</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
</context>
<context>
    <name>CDVRListTree</name>
    <message>
        <source>Group name:</source>
        <translation>Имя группы:</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t add the dvr.</source>
        <translation>Видеорегистратор с таким именем уже есть. Добавить нельзя.</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t edit the dvr.</source>
        <translation>Видеорегистратор с таким именем уже есть. Изменить нельзя.</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Добавить группу</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Изменить группу</translation>
    </message>
</context>
<context>
    <name>CEMapList</name>
    <message>
        <source>Modify group name</source>
        <translation>Изменить имя группы</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Имя группы:</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map?</source>
        <translation>Удалить выбранную карту?</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map group?</source>
        <translation>Удалить выбранную группу карт?</translation>
    </message>
</context>
<context>
    <name>CEMapMenu</name>
    <message>
        <source>Add EMap</source>
        <translation>Добавить карту</translation>
    </message>
    <message>
        <source>Edit EMap</source>
        <translation>Изменить карту</translation>
    </message>
    <message>
        <source>Delete EMap</source>
        <translation>Удалить карту</translation>
    </message>
</context>
<context>
    <name>CEMapPicture</name>
    <message>
        <source>The map image %1 is too large (%2 x %3 pixels, at most 64 megapixels). The map is shown without it.</source>
        <translation>Изображение карты %1 слишком велико (%2 x %3 пикселей, не более 64 мегапикселей). Карта показана без него.</translation>
    </message>
    <message>
        <source>The map image %1 is not a file. The map is shown without it.</source>
        <translation>Изображение карты %1 не является файлом. Карта показана без него.</translation>
    </message>
    <message>
        <source>The map image %1 cannot be read (%2). The map is shown without it.</source>
        <translation>Не удаётся прочитать изображение карты %1 (%2). Карта показана без него.</translation>
    </message>
</context>
<context>
    <name>CEMapSetupDialog</name>
    <message>
        <source>EMap Setup</source>
        <translation>Настройка EMap</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Всплывающее окно</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>Закрытие</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Размер изображения</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Подогнать</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Исходный</translation>
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
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Please confirm the dvr information.</source>
        <translation>Проверьте сведения о видеорегистраторе.</translation>
    </message>
    <message>
        <source>The camera is in the emap.</source>
        <translation>Эта камера уже есть на карте.</translation>
    </message>
</context>
<context>
    <name>CHDDWidget</name>
    <message>
        <source>HDD</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Total Space : </source>
        <translation>Всего : </translation>
    </message>
    <message>
        <source>Used Space : </source>
        <translation>Занято : </translation>
    </message>
    <message>
        <source>Free Space : </source>
        <translation>Свободно : </translation>
    </message>
</context>
<context>
    <name>CInfoWidget</name>
    <message>
        <source>Model Name</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Video Type</source>
        <translation>Видеостандарт</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>Версия оборудования</translation>
    </message>
    <message>
        <source>Kernel Version</source>
        <translation>Версия ядра</translation>
    </message>
    <message>
        <source>Ramdisk Version</source>
        <translation>Версия ramdisk</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-адрес</translation>
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
        <translation>Ошибка подключения</translation>
    </message>
    <message>
        <source>[ERROR]request too long</source>
        <translation>[ОШИБКА]слишком длинный запрос</translation>
    </message>
</context>
<context>
    <name>CListFileStatus</name>
    <message>
        <source>The default list is shown. The file is kept and will be moved aside when the list is saved.</source>
        <translation>Показан список по умолчанию. Файл сохранен и будет перемещен при сохранении списка.</translation>
    </message>
    <message>
        <source>The list file %1 cannot be read (%2).</source>
        <translation>Не удается прочитать файл списка %1 (%2).</translation>
    </message>
    <message>
        <source>The file %1 is not a list file of this program.</source>
        <translation>Файл %1 не является файлом списка этой программы.</translation>
    </message>
    <message>
        <source>The list file %1 is damaged.</source>
        <translation>Файл списка %1 поврежден.</translation>
    </message>
    <message>
        <source>The list could not be saved to %1 (%2). The previous file is unchanged.</source>
        <translation>Не удалось сохранить список в %1 (%2). Прежний файл не изменен.</translation>
    </message>
    <message>
        <source>The unusable list file was moved to %1.</source>
        <translation>Непригодный файл списка перемещен в %1.</translation>
    </message>
    <message>
        <source>The list was saved to %1, but the system could not confirm that it is on the disk (%2).</source>
        <translation>Список сохранен в %1, но системе не удалось подтвердить, что он записан на диск (%2).</translation>
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
        <translation>Автотур</translation>
    </message>
    <message>
        <source>Rem. Port</source>
        <translation>Реле</translation>
    </message>
    <message>
        <source>Picture ctrl</source>
        <translation>Изображение</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>The backup stopped because a group was connected.</source>
        <translation>Архивация остановлена, так как была подключена группа.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a group was connected.</source>
        <translation>Запись на ПК остановлена, так как была подключена группа.</translation>
    </message>
    <message>
        <source>The backup stopped because a DVR was connected by its address.</source>
        <translation>Архивация остановлена, так как был подключен видеорегистратор по адресу.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a DVR was connected by its address.</source>
        <translation>Запись на ПК остановлена, так как был подключен видеорегистратор по адресу.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was disconnected.</source>
        <translation>Архивация остановлена, так как видеорегистратор был отключен.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was disconnected.</source>
        <translation>Запись на ПК остановлена, так как видеорегистратор был отключен.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was deleted.</source>
        <translation>Архивация остановлена, так как видеорегистратор был удален.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was deleted.</source>
        <translation>Запись на ПК остановлена, так как видеорегистратор был удален.</translation>
    </message>
    <message>
        <source>The backup stopped because another DVR was chosen.</source>
        <translation>Архивация остановлена, так как был выбран другой видеорегистратор.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR&apos;s settings changed.</source>
        <translation>Архивация остановлена, так как настройки видеорегистратора изменились.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR&apos;s settings changed.</source>
        <translation>Запись на ПК остановлена, так как настройки видеорегистратора изменились.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped: %1</source>
        <translation>Запись на ПК остановлена: %1</translation>
    </message>
    <message>
        <source>The playback stopped: %1</source>
        <translation>Воспроизведение остановлено: %1</translation>
    </message>
    <message>
        <source>The backup stopped: %1</source>
        <translation>Архивация остановлена: %1</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because another mode was chosen.</source>
        <translation>Запись на ПК остановлена, так как был выбран другой режим.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the stream type changed.</source>
        <translation>Запись на ПК остановлена, так как изменился тип потока.</translation>
    </message>
</context>
<context>
    <name>CLogin</name>
    <message>
        <source>Login</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
</context>
<context>
    <name>CMenuDVRList</name>
    <message>
        <source>Add Group</source>
        <translation>Добавить группу</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Изменить группу</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>Удалить группу</translation>
    </message>
    <message>
        <source>Read Camera Name</source>
        <translation>Прочитать имена камер</translation>
    </message>
    <message>
        <source>Add DVR</source>
        <translation>Добавить видеорегистратор</translation>
    </message>
    <message>
        <source>Edit DVR</source>
        <translation>Изменить видеорегистратор</translation>
    </message>
    <message>
        <source>Delete DVR</source>
        <translation>Удалить видеорегистратор</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
</context>
<context>
    <name>CModelInfoDialog</name>
    <message>
        <source>Model Info</source>
        <translation>Сведения о модели</translation>
    </message>
    <message>
        <source>DVR Model :</source>
        <translation>Модель видеорегистратора :</translation>
    </message>
    <message>
        <source>DVR Channels :</source>
        <translation>Каналы видеорегистратора :</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4 канала</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8 каналов</translation>
    </message>
    <message>
        <source>16 channels</source>
        <translation>16 каналов</translation>
    </message>
    <message>
        <source>Video Type :</source>
        <translation>Видеостандарт :</translation>
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
        <translation>Зона движения</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>CNetworkFailure</name>
    <message>
        <source>HTTP error status %1</source>
        <translation>код ошибки HTTP %1</translation>
    </message>
    <message>
        <source>the DVR refused the connection</source>
        <translation>DVR отклонил подключение</translation>
    </message>
    <message>
        <source>the DVR closed the connection</source>
        <translation>DVR закрыл подключение</translation>
    </message>
    <message>
        <source>the DVR&apos;s address was not found</source>
        <translation>адрес DVR не найден</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>истекло время подключения</translation>
    </message>
    <message>
        <source>no answer within the time limit</source>
        <translation>нет ответа в отведенное время</translation>
    </message>
    <message>
        <source>the network is not available</source>
        <translation>сеть недоступна</translation>
    </message>
    <message>
        <source>the DVR&apos;s answer could not be read</source>
        <translation>не удалось прочитать ответ DVR</translation>
    </message>
    <message>
        <source>the DVR could not be reached</source>
        <translation>DVR недоступен</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>сетевая ошибка %1</translation>
    </message>
</context>
<context>
    <name>CNoDvrLine</name>
    <message>
        <source>No DVR to search: double-click a DVR in the list.</source>
        <translation>Нет видеорегистратора для поиска: дважды щёлкните видеорегистратор в списке.</translation>
    </message>
</context>
<context>
    <name>COldQuery</name>
    <message>
        <source>[ERROR]ID or password can not be sent</source>
        <translation>[ОШИБКА]не удается отправить имя или пароль</translation>
    </message>
</context>
<context>
    <name>COrderedCommands</name>
    <message>
        <source>The DVR cannot take this command.</source>
        <translation>DVR не может принять эту команду.</translation>
    </message>
</context>
<context>
    <name>CPCInfoPage</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Copyright (C) COMPANY. All rights reserved.</source>
        <translation>© COMPANY. Все права защищены.</translation>
    </message>
</context>
<context>
    <name>CPCSetupDialog</name>
    <message>
        <source>PC Setup</source>
        <translation>Настройка ПК</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
</context>
<context>
    <name>CPCSetupPage</name>
    <message>
        <source>Save Path</source>
        <translation>Папки для сохранения</translation>
    </message>
    <message>
        <source>Capture : </source>
        <translation>Снимки : </translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Record : </source>
        <translation>Запись : </translation>
    </message>
    <message>
        <source>Backup : </source>
        <translation>Архивация : </translation>
    </message>
    <message>
        <source>File Format : </source>
        <translation>Формат файла : </translation>
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
        <translation>Формат снимков : </translation>
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
        <translation>Экранная индикация</translation>
    </message>
    <message>
        <source>Channel Name : </source>
        <translation>Имя канала : </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Record Icon : </source>
        <translation>Значок записи : </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Значок</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>Event Icon : </source>
        <translation>Значок события : </translation>
    </message>
    <message>
        <source>Language : </source>
        <translation>Язык : </translation>
    </message>
    <message>
        <source>Alarm Sound : </source>
        <translation>Звук тревоги : </translation>
    </message>
    <message>
        <source>Stream Type : </source>
        <translation>Тип потока : </translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Дополнительный</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Playback Mode : </source>
        <translation>Режим воспроизведения : </translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Непрерывно</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>С пропуском</translation>
    </message>
    <message>
        <source>Sequence Time : </source>
        <translation>Интервал обхода : </translation>
    </message>
    <message>
        <source>Reconnect : </source>
        <translation>Переподключение : </translation>
    </message>
    <message>
        <source>Opengl : </source>
        <translation>OpenGL : </translation>
    </message>
    <message>
        <source>OpenGL(High PC)</source>
        <translation>OpenGL (мощный ПК)</translation>
    </message>
    <message>
        <source>OpenGL(Low PC)</source>
        <translation>OpenGL (слабый ПК)</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Выберите папку.</translation>
    </message>
</context>
<context>
    <name>CPendingSettings</name>
    <message>
        <source>These choices could not be saved to %1 (%2) and are lost:</source>
        <translation>Эти настройки не удалось сохранить в %1 (%2), и они потеряны:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>CPictureWidget</name>
    <message>
        <source>Contrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>H.Sharpness</source>
        <translation>Резкость Г</translation>
    </message>
    <message>
        <source>V.Sharpness</source>
        <translation>Резкость В</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
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
        <translation>Нет файла для воспроизведения.</translation>
    </message>
</context>
<context>
    <name>CPresetNames</name>
    <message>
        <source>preset %1</source>
        <translation>пресет %1</translation>
    </message>
</context>
<context>
    <name>CProblemLine</name>
    <message>
        <source>The DVR refused the command: %1</source>
        <translation>DVR отклонил команду: %1</translation>
    </message>
    <message>
        <source>The DVR did not answer the command: %1</source>
        <translation>DVR не ответил на команду: %1</translation>
    </message>
    <message>
        <source>The command was not sent: %1</source>
        <translation>Команда не отправлена: %1</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Upgrading</source>
        <translation>Обновление ПО</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
</context>
<context>
    <name>CPtzfWidget</name>
    <message>
        <source>Zoom</source>
        <translation>Зум</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Диафрагма</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Задать</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нормально</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Very Fast</source>
        <translation>Очень быстро</translation>
    </message>
    <message>
        <source>the PTZ speed</source>
        <translation>скорость PTZ</translation>
    </message>
</context>
<context>
    <name>CRecord</name>
    <message>
        <source>[ERROR] The DVR has reported no channels to record</source>
        <translation>[ОШИБКА] Видеорегистратор не сообщил каналов для записи</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording folder %1</source>
        <translation>[ОШИБКА] Не удается создать папку записи %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1</source>
        <translation>[ОШИБКА] Не удается записать файл записи %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1</source>
        <translation>[ОШИБКА] Не удается создать файл записи %1</translation>
    </message>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[ОШИБКА] Нет свободного имени файла для %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not complete the recording file %1</source>
        <translation>[ОШИБКА] Не удается завершить файл записи %1</translation>
    </message>
</context>
<context>
    <name>CRelaySwitches</name>
    <message>
        <source>Relay %1 of DVR &quot;%2&quot; (%3:%4) may stay on: the DVR did not take its switch-off.</source>
        <translation>Реле %1 DVR «%2» (%3:%4) может остаться включенным: DVR не принял его выключение.</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Реле</translation>
    </message>
</context>
<context>
    <name>CRemotePortWiget</name>
    <message>
        <source>Auto off :</source>
        <translation>Автовыкл. :</translation>
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
        <translation>Реле</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>CSendDVRInfoWidget</name>
    <message>
        <source>DVR</source>
        <translation>Видеорегистратор</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Admin Password</source>
        <translation>Пароль администратора</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>Заполните все поля.</translation>
    </message>
</context>
<context>
    <name>CSeqWidget</name>
    <message>
        <source>Channels</source>
        <translation>Канал</translation>
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
        <translation>Интервал</translation>
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
        <translation>Сведения о видеорегистраторе</translation>
    </message>
    <message>
        <source>Old protocol</source>
        <translation>Старый протокол</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Screen Division</source>
        <translation>Раскладка</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Ch 1</source>
        <translation>Кан. 1</translation>
    </message>
    <message>
        <source>Ch 2</source>
        <translation>Кан. 2</translation>
    </message>
    <message>
        <source>Ch 3</source>
        <translation>Кан. 3</translation>
    </message>
    <message>
        <source>Ch 4</source>
        <translation>Кан. 4</translation>
    </message>
    <message>
        <source>Ch 5</source>
        <translation>Кан. 5</translation>
    </message>
    <message>
        <source>Ch 6</source>
        <translation>Кан. 6</translation>
    </message>
    <message>
        <source>Ch 7</source>
        <translation>Кан. 7</translation>
    </message>
    <message>
        <source>Ch 8</source>
        <translation>Кан. 8</translation>
    </message>
    <message>
        <source>Ch 9</source>
        <translation>Кан. 9</translation>
    </message>
    <message>
        <source>Ch 10</source>
        <translation>Кан. 10</translation>
    </message>
    <message>
        <source>Ch 11</source>
        <translation>Кан. 11</translation>
    </message>
    <message>
        <source>Ch 12</source>
        <translation>Кан. 12</translation>
    </message>
    <message>
        <source>Ch 13</source>
        <translation>Кан. 13</translation>
    </message>
    <message>
        <source>Ch 14</source>
        <translation>Кан. 14</translation>
    </message>
    <message>
        <source>Ch 15</source>
        <translation>Кан. 15</translation>
    </message>
    <message>
        <source>Ch 16</source>
        <translation>Кан. 16</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>Заполните все поля.</translation>
    </message>
</context>
<context>
    <name>CSetEMapInfoDialog</name>
    <message>
        <source>EMap Info</source>
        <translation>Сведения EMap</translation>
    </message>
    <message>
        <source>Group Name :</source>
        <translation>Имя группы :</translation>
    </message>
    <message>
        <source>EMap Name :</source>
        <translation>Имя карты :</translation>
    </message>
    <message>
        <source>Image Path :</source>
        <translation>Путь к изображению :</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>Заполните все поля.</translation>
    </message>
    <message>
        <source>Select a Image file</source>
        <translation>Выберите файл изображения</translation>
    </message>
</context>
<context>
    <name>CSetupAccount</name>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ВСЕ</translation>
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
        <translation>Упр. PTZF</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Воспроизв.</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Архивация</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Network Timeout</source>
        <translation>Тайм-аут сети</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Выход из системы</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Wait time</source>
        <translation>Время ожидания</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Администратор</translation>
    </message>
    <message>
        <source>Can&apos;t add same user.</source>
        <translation>Нельзя добавить пользователя с тем же именем.</translation>
    </message>
</context>
<context>
    <name>CSetupCamera</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
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
        <translation>Канал</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Reverse Control</source>
        <translation>Обратное управление</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Наклон</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Зум</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Скорость, бод</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Резкость</translation>
    </message>
    <message>
        <source>SPOT</source>
        <translation>Спот</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Спот</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Последовательность</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Скрытый</translation>
    </message>
</context>
<context>
    <name>CSetupEtc</name>
    <message>
        <source>Time &amp; Date</source>
        <translation>Время и дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Set to PC time</source>
        <translation>Установить время ПК</translation>
    </message>
    <message>
        <source>Apply to DVR</source>
        <translation>Применить к видеорегистратору</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CSetupEvent</name>
    <message>
        <source>Motion</source>
        <translation>Движение</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Чувствительность</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Всплывающее окно</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>Закрытие</translation>
    </message>
    <message>
        <source>Detection Zone</source>
        <translation>Зона обнаружения</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Связанный канал</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Реле</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>Сбой записи</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>Предупр. записи</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>Время записи</translation>
    </message>
    <message>
        <source>Post Alarm Record</source>
        <translation>Запись после тревоги</translation>
    </message>
    <message>
        <source>E-Mail Transfer Settings</source>
        <translation>Параметры отправки эл. почты</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Периодичность</translation>
    </message>
    <message>
        <source>Prohibition</source>
        <translation>Запрет отправки</translation>
    </message>
    <message>
        <source>Start Hour</source>
        <translation>Час начала</translation>
    </message>
    <message>
        <source>End Hour</source>
        <translation>Час окончания</translation>
    </message>
    <message>
        <source>E-Mail Transfer Contents</source>
        <translation>Содержание писем</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Потеря видео</translation>
    </message>
    <message>
        <source>Record Status</source>
        <translation>Состояние записи</translation>
    </message>
    <message>
        <source>System Access</source>
        <translation>Доступ к системе</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Адреса эл. почты</translation>
    </message>
    <message>
        <source>Sender Address</source>
        <translation>Адрес отправителя</translation>
    </message>
    <message>
        <source>Receiver Address</source>
        <translation>Адреса получателей</translation>
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
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Аутентификация</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
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
        <translation>Режим</translation>
    </message>
    <message>
        <source>Write Mode</source>
        <translation>Режим записи</translation>
    </message>
    <message>
        <source>Force Deletion</source>
        <translation>Принудительное удаление</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Check Interval</source>
        <translation>Интервал проверки</translation>
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
        <translation>Тип</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>BW Limitation</source>
        <translation>Ограничение полосы</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>UPNP</source>
        <translation>UPNP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>IP DNS</translation>
    </message>
    <message>
        <source>DDNS Link</source>
        <translation>Связь DDNS</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Hostname</source>
        <translation>Имя хоста</translation>
    </message>
    <message>
        <source>Stream</source>
        <translation>Поток</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>Кадр/с</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Apply network TCP/IP &amp;&amp; DDNS configuration</source>
        <translation>Применить настройки сети TCP/IP &amp;&amp; DDNS</translation>
    </message>
</context>
<context>
    <name>CSetupQuery</name>
    <message>
        <source>DVR</source>
        <translation>Видеорегистратор</translation>
    </message>
    <message>
        <source>The request was not sent: %1</source>
        <translation>Запрос не отправлен: %1</translation>
    </message>
</context>
<context>
    <name>CSetupRecord</name>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>Кадр/с</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Event Quality</source>
        <translation>Качество при событии</translation>
    </message>
    <message>
        <source>Event FPS</source>
        <translation>Кадр/с при событии</translation>
    </message>
    <message>
        <source>Etc.</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Time Overlay</source>
        <translation>Наложение времени</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Воспроизведение</translation>
    </message>
    <message>
        <source>Startting Point</source>
        <translation>Начальная точка</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Непрерывно</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Движение</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Движение + датчик</translation>
    </message>
    <message>
        <source>Cont. + Event</source>
        <translation>Непр. + событие</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>ВС</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>ПН</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>ВТ</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>СР</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>ЧТ</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>ПТ</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>СБ</translation>
    </message>
</context>
<context>
    <name>CSetupSystem</name>
    <message>
        <source>Name &amp; ID</source>
        <translation>Название и ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time &amp; Date</source>
        <translation>Время и дата</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Формат времени</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Формат даты</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>NTP Address</source>
        <translation>Адрес NTP</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Зуммер</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Движение</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Потеря видео</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>Сбой записи</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>Предупреждение записи</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Имя камеры</translation>
    </message>
    <message>
        <source>Record Icon</source>
        <translation>Значок записи</translation>
    </message>
    <message>
        <source>Motion Icon</source>
        <translation>Значок движения</translation>
    </message>
    <message>
        <source>Sensor Icon</source>
        <translation>Значок датчика</translation>
    </message>
    <message>
        <source>Task Bar</source>
        <translation>Панель задач</translation>
    </message>
    <message>
        <source>VGA Mode</source>
        <translation>Режим VGA</translation>
    </message>
</context>
<context>
    <name>CSetupWidget</name>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учетные записи</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>The DVR model %1 is unknown.</source>
        <translation>Модель видеорегистратора %1 неизвестна.</translation>
    </message>
    <message>
        <source>A DVR with %1 channels is unknown.</source>
        <translation>Видеорегистратор с числом каналов %1 неизвестен.</translation>
    </message>
    <message>
        <source>The DVR did not answer.</source>
        <translation>Видеорегистратор не ответил.</translation>
    </message>
    <message>
        <source>The DVR&apos;s answer is not a configuration.</source>
        <translation>Ответ видеорегистратора не является конфигурацией.</translation>
    </message>
    <message>
        <source>The DVR refused the request: %1</source>
        <translation>Видеорегистратор отклонил запрос: %1</translation>
    </message>
    <message>
        <source>A DVR of the old protocol has no configuration to read.</source>
        <translation>У видеорегистратора со старым протоколом нет конфигурации для чтения.</translation>
    </message>
    <message>
        <source>The pages show the default settings.</source>
        <translation>На страницах показаны настройки по умолчанию.</translation>
    </message>
    <message>
        <source>The pages keep their settings.</source>
        <translation>Страницы сохраняют свои настройки.</translation>
    </message>
    <message>
        <source>DVR Setup</source>
        <translation>Настройка видеорегистратора</translation>
    </message>
    <message>
        <source>The DVR configuration could not be read.</source>
        <translation>Не удалось прочитать конфигурацию видеорегистратора.</translation>
    </message>
    <message>
        <source>The configuration is still being sent to the DVR; nothing more was sent.</source>
        <translation>Конфигурация еще передается на видеорегистратор; больше ничего не отправлено.</translation>
    </message>
    <message>
        <source>The transmission error occured!</source>
        <translation>Произошла ошибка передачи!</translation>
    </message>
    <message>
        <source>The DVR configuration is correctly transfered!</source>
        <translation>Конфигурация видеорегистратора успешно передана!</translation>
    </message>
    <message>
        <source>Please select a configuration file.</source>
        <translation>Выберите файл конфигурации.</translation>
    </message>
    <message>
        <source>Config (*.conf)</source>
        <translation>Конфигурация (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not saved: a configuration file name ends in &quot;.conf&quot;.</source>
        <translation>Файл %1 не сохранен: имя файла конфигурации оканчивается на «.conf».</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>Файл %1 не сохранен: %2</translation>
    </message>
    <message>
        <source>Configs (*.conf)</source>
        <translation>Конфигурации (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>Файл %1 не открыт: %2</translation>
    </message>
</context>
<context>
    <name>CSnapshotView</name>
    <message>
        <source>The image %1 cannot be read (%2).</source>
        <translation>Не удаётся прочитать изображение %1 (%2).</translation>
    </message>
</context>
<context>
    <name>CTimeLine</name>
    <message>
        <source>ALL</source>
        <translation>ВСЕ</translation>
    </message>
    <message>
        <source>CH-%1</source>
        <translation>К-%1</translation>
    </message>
</context>
<context>
    <name>CUpgrade</name>
    <message>
        <source>S/W Upgrade</source>
        <translation>Обновление ПО</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Выбор файла</translation>
    </message>
    <message>
        <source>The upgrade is failed!</source>
        <translation>Обновление ПО не удалось!</translation>
    </message>
    <message>
        <source>The upgrade is completed!</source>
        <translation>Обновление ПО завершено!</translation>
    </message>
</context>
<context>
    <name>CWaitDialog</name>
    <message>
        <source>Please wait a minute.</source>
        <translation>Подождите немного.</translation>
    </message>
</context>
<context>
    <name>CWholeFileWriter</name>
    <message>
        <source>%1 was saved, but the system could not confirm that it is on the disk (%2).</source>
        <translation>Файл %1 сохранен, но системе не удалось подтвердить, что он записан на диск (%2).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Low</source>
        <translation>Низкое</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокое</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Наилучшее</translation>
    </message>
</context>
<context>
    <name>QUpFile</name>
    <message>
        <source>The file changed while it was being sent</source>
        <translation>Файл изменился во время отправки</translation>
    </message>
</context>
<context>
    <name>UpLoader</name>
    <message>
        <source>Error: can&apos;t open file %1</source>
        <translation>Ошибка: не удается открыть файл %1</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Ошибка сети: %1</translation>
    </message>
</context>
<context>
    <name>Viewer</name>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>The image has been saved.</source>
        <translation>Изображение сохранено.</translation>
    </message>
    <message>
        <source>The image could not be saved.</source>
        <translation>Не удалось сохранить изображение.</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Выберите папку.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Capture Images (*.png *.jpg)</source>
        <translation>Снимки (*.png *.jpg)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Не удается записать файл %1:
%2.</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>Файл сохранен</translation>
    </message>
    <message>
        <source>The image has been saved, but the system could not confirm that it is on the disk.</source>
        <translation>Изображение сохранено, но системе не удалось подтвердить, что оно записано на диск.</translation>
    </message>
</context>
<context>
    <name>ViewerClass</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Live S</source>
        <translation>Просмотр S</translation>
    </message>
    <message>
        <source>Live M</source>
        <translation>Просмотр M</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Воспроизв.</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Архивация</translation>
    </message>
    <message>
        <source>E-Map</source>
        <translation>Э-карта</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>PC Setup</source>
        <translation>Настройка ПК</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Setup Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Применить все</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновить ПО</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation>Дата &amp;&amp; время</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
</context>
</TS>
