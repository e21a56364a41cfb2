<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CCreateRaw</name>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHDDWidget</name>
    <message>
        <source>HDD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Space : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used Space : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space : </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHttpConnect</name>
    <message>
        <source>[ERROR]request too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]user unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]password miss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]protocol version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]client limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]super exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]no video data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]no video channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]mpeg push end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]connection timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR]network timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no more backup data. Or Connection failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CListFileStatus</name>
    <message>
        <source>The default list is shown. The file is kept and will be moved aside when the list is saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list file %1 cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a list file of this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list file %1 is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be saved to %1 (%2). The previous file is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unusable list file was moved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLogin</name>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecord</name>
    <message>
        <source>[ERROR] The DVR has reported no channels to record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ERROR] Can not complete the recording file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSendDVRInfoWidget</name>
    <message>
        <source>DVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Admin Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWaitDialog</name>
    <message>
        <source>Please wait a minute.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QUpFile</name>
    <message>
        <source>The file changed while it was being sent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpLoader</name>
    <message>
        <source>Error: can&apos;t open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
