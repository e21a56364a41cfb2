<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>CAnswerCode</name>
    <message>
        <source>[ERROR]user unknown</source>
        <translation>[FEIL]ukjent bruker</translation>
    </message>
    <message>
        <source>[ERROR]password miss</source>
        <translation>[FEIL]feil passord</translation>
    </message>
    <message>
        <source>[ERROR]protocol version</source>
        <translation>[FEIL]protokollversjon</translation>
    </message>
    <message>
        <source>[ERROR]client limit</source>
        <translation>[FEIL]grense for klienter</translation>
    </message>
    <message>
        <source>[ERROR]super exist</source>
        <translation>[FEIL]en administrator er allerede tilkoblet</translation>
    </message>
    <message>
        <source>[ERROR]no video data</source>
        <translation>[FEIL]ingen videodata</translation>
    </message>
    <message>
        <source>[ERROR]no video channel</source>
        <translation>[FEIL]ingen videokanal</translation>
    </message>
    <message>
        <source>[ERROR]mpeg push end</source>
        <translation>[FEIL]strømmen er slutt</translation>
    </message>
    <message>
        <source>[ERROR]connection timeout</source>
        <translation>[FEIL]tidsavbrudd for tilkoblingen</translation>
    </message>
    <message>
        <source>[ERROR]unknown</source>
        <translation>[FEIL]ukjent</translation>
    </message>
    <message>
        <source>[ERROR]permission denied</source>
        <translation>[FEIL]ingen tilgang</translation>
    </message>
    <message>
        <source>[ERROR]network timeout</source>
        <translation>[FEIL]tidsavbrudd i nettverket</translation>
    </message>
</context>
<context>
    <name>CAppSettings</name>
    <message>
        <source>The settings could not be saved to %1 (%2). The previous settings are kept.</source>
        <translation>Innstillingene kunne ikke lagres til %1 (%2). De forrige innstillingene beholdes.</translation>
    </message>
    <message>
        <source>The new settings were saved to %1, but the system could not confirm that they are on the disk (%2).</source>
        <translation>De nye innstillingene ble lagret til %1, men systemet kunne ikke bekrefte at de er på disken (%2).</translation>
    </message>
    <message>
        <source>it is in use by another program, which holds the lock file %1</source>
        <translation>den er i bruk av et annet program, som holder låsefilen %1</translation>
    </message>
</context>
<context>
    <name>CAutoPresetWidget</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slutt</translation>
    </message>
    <message>
        <source>Interval(sec)</source>
        <translation>Intervall (s)</translation>
    </message>
    <message>
        <source>the preset tour of channel %1</source>
        <translation>forhåndsinnstillingsrunden for kanal %1</translation>
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
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slutt</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 time</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Please select the backup end time again</source>
        <translation>Velg sluttidspunktet for kopieringen på nytt</translation>
    </message>
    <message>
        <source>Backup has been completed.</source>
        <translation>Kopieringen er fullført.</translation>
    </message>
</context>
<context>
    <name>CCameraWidget</name>
    <message>
        <source>DVR Name : %1
</source>
        <translation>DVR-navn : %1
</translation>
    </message>
    <message>
        <source>Address : %1
</source>
        <translation>Adresse : %1
</translation>
    </message>
    <message>
        <source>Port : %1
</source>
        <translation>Port : %1
</translation>
    </message>
    <message>
        <source>User : %1
</source>
        <translation>Bruker : %1
</translation>
    </message>
    <message>
        <source>Camera : %1
</source>
        <translation>Kamera : %1
</translation>
    </message>
    <message>
        <source>Please check the position of the camera.</source>
        <translation>Kontroller kameraets plassering.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
</context>
<context>
    <name>CChannelWidget</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
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
        <translation>Filen er for stor til å være et oppsett.</translation>
    </message>
    <message>
        <source>The file is not a configuration file.</source>
        <translation>Filen er ikke en oppsettsfil.</translation>
    </message>
</context>
<context>
    <name>CConnectDVR</name>
    <message>
        <source>There is no more backup data. Or Connection failed</source>
        <translation>Det er ikke flere data å kopiere, eller tilkoblingen mislyktes</translation>
    </message>
</context>
<context>
    <name>CCreateRaw</name>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[FEIL] Ingen ledig filnavn for %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1: %2</source>
        <translation>[FEIL] Kan ikke skrive opptaksfilen %1: %2</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1: %2</source>
        <translation>[FEIL] Kan ikke opprette opptaksfilen %1: %2</translation>
    </message>
</context>
<context>
    <name>CDVRInfoWidget</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logg</translation>
    </message>
</context>
<context>
    <name>CDVRListTree</name>
    <message>
        <source>Group name:</source>
        <translation>Gruppenavn:</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t add the dvr.</source>
        <translation>En DVR har allerede dette navnet. DVR-en kan ikke legges til.</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t edit the dvr.</source>
        <translation>En DVR har allerede dette navnet. DVR-en kan ikke endres.</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Legg til gruppe</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Endre gruppe</translation>
    </message>
</context>
<context>
    <name>CEMapList</name>
    <message>
        <source>Modify group name</source>
        <translation>Endre gruppenavn</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Gruppenavn:</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map?</source>
        <translation>Vil du slette det valgte kartet?</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map group?</source>
        <translation>Vil du slette den valgte kartgruppen?</translation>
    </message>
</context>
<context>
    <name>CEMapMenu</name>
    <message>
        <source>Add EMap</source>
        <translation>Legg til kart</translation>
    </message>
    <message>
        <source>Edit EMap</source>
        <translation>Rediger kart</translation>
    </message>
    <message>
        <source>Delete EMap</source>
        <translation>Slett kart</translation>
    </message>
</context>
<context>
    <name>CEMapPicture</name>
    <message>
        <source>The map image %1 is too large (%2 x %3 pixels, at most 64 megapixels). The map is shown without it.</source>
        <translation>Kartbildet %1 er for stort (%2 x %3 piksler, høyst 64 megapiksler). Kartet vises uten bildet.</translation>
    </message>
    <message>
        <source>The map image %1 is not a file. The map is shown without it.</source>
        <translation>Kartbildet %1 er ikke en fil. Kartet vises uten bildet.</translation>
    </message>
    <message>
        <source>The map image %1 cannot be read (%2). The map is shown without it.</source>
        <translation>Kartbildet %1 kan ikke leses (%2). Kartet vises uten bildet.</translation>
    </message>
</context>
<context>
    <name>CEMapSetupDialog</name>
    <message>
        <source>EMap Setup</source>
        <translation>EMap-oppsett</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Sprett opp</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>Lukk etter</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Bildestørrelse</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Tilpass</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
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
        <translation>Slett alle</translation>
    </message>
    <message>
        <source>Please confirm the dvr information.</source>
        <translation>Kontroller DVR-opplysningene.</translation>
    </message>
    <message>
        <source>The camera is in the emap.</source>
        <translation>Kameraet er allerede på kartet.</translation>
    </message>
</context>
<context>
    <name>CHDDWidget</name>
    <message>
        <source>HDD</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Total Space : </source>
        <translation>Total plass : </translation>
    </message>
    <message>
        <source>Used Space : </source>
        <translation>Brukt plass : </translation>
    </message>
    <message>
        <source>Free Space : </source>
        <translation>Ledig plass : </translation>
    </message>
</context>
<context>
    <name>CInfoWidget</name>
    <message>
        <source>Model Name</source>
        <translation>Modellnavn</translation>
    </message>
    <message>
        <source>Video Type</source>
        <translation>Videotype</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>Maskinvareversjon</translation>
    </message>
    <message>
        <source>Kernel Version</source>
        <translation>Kjerneversjon</translation>
    </message>
    <message>
        <source>Ramdisk Version</source>
        <translation>Ramdisk-versjon</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-adresse</translation>
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
        <translation>Tilkoblingen mislyktes</translation>
    </message>
    <message>
        <source>[ERROR]request too long</source>
        <translation>[FEIL]forespørselen er for lang</translation>
    </message>
</context>
<context>
    <name>CListFileStatus</name>
    <message>
        <source>The default list is shown. The file is kept and will be moved aside when the list is saved.</source>
        <translation>Standardlisten vises. Filen beholdes og flyttes til side når listen lagres.</translation>
    </message>
    <message>
        <source>The list file %1 cannot be read (%2).</source>
        <translation>Listefilen %1 kan ikke leses (%2).</translation>
    </message>
    <message>
        <source>The file %1 is not a list file of this program.</source>
        <translation>Filen %1 er ikke en listefil for dette programmet.</translation>
    </message>
    <message>
        <source>The list file %1 is damaged.</source>
        <translation>Listefilen %1 er skadet.</translation>
    </message>
    <message>
        <source>The list could not be saved to %1 (%2). The previous file is unchanged.</source>
        <translation>Listen kunne ikke lagres til %1 (%2). Den forrige filen er uendret.</translation>
    </message>
    <message>
        <source>The unusable list file was moved to %1.</source>
        <translation>Den ubrukelige listefilen ble flyttet til %1.</translation>
    </message>
    <message>
        <source>The list was saved to %1, but the system could not confirm that it is on the disk (%2).</source>
        <translation>Listen ble lagret til %1, men systemet kunne ikke bekrefte at den er på disken (%2).</translation>
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
        <translation>Autoposisjon</translation>
    </message>
    <message>
        <source>Rem. Port</source>
        <translation>Relé</translation>
    </message>
    <message>
        <source>Picture ctrl</source>
        <translation>Bilde</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>The backup stopped because a group was connected.</source>
        <translation>Kopieringen stoppet fordi en gruppe ble koblet til.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a group was connected.</source>
        <translation>Opptaket til PC-en stoppet fordi en gruppe ble koblet til.</translation>
    </message>
    <message>
        <source>The backup stopped because a DVR was connected by its address.</source>
        <translation>Kopieringen stoppet fordi en DVR ble koblet til med adressen sin.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a DVR was connected by its address.</source>
        <translation>Opptaket til PC-en stoppet fordi en DVR ble koblet til med adressen sin.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was disconnected.</source>
        <translation>Kopieringen stoppet fordi DVR-en ble koblet fra.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was disconnected.</source>
        <translation>Opptaket til PC-en stoppet fordi DVR-en ble koblet fra.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was deleted.</source>
        <translation>Kopieringen stoppet fordi DVR-en ble slettet.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was deleted.</source>
        <translation>Opptaket til PC-en stoppet fordi DVR-en ble slettet.</translation>
    </message>
    <message>
        <source>The backup stopped because another DVR was chosen.</source>
        <translation>Kopieringen stoppet fordi en annen DVR ble valgt.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR&apos;s settings changed.</source>
        <translation>Kopieringen stoppet fordi innstillingene for DVR-en ble endret.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR&apos;s settings changed.</source>
        <translation>Opptaket til PC-en stoppet fordi innstillingene for DVR-en ble endret.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped: %1</source>
        <translation>Opptaket til PC-en stoppet: %1</translation>
    </message>
    <message>
        <source>The playback stopped: %1</source>
        <translation>Avspillingen stoppet: %1</translation>
    </message>
    <message>
        <source>The backup stopped: %1</source>
        <translation>Kopieringen stoppet: %1</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because another mode was chosen.</source>
        <translation>Opptaket til PC-en stoppet fordi en annen modus ble valgt.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the stream type changed.</source>
        <translation>Opptaket til PC-en stoppet fordi strømtypen ble endret.</translation>
    </message>
</context>
<context>
    <name>CLogin</name>
    <message>
        <source>Login</source>
        <translation>Pålogging</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Bruker-ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
</context>
<context>
    <name>CMenuDVRList</name>
    <message>
        <source>Add Group</source>
        <translation>Legg til gruppe</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Endre gruppe</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>Slett gruppe</translation>
    </message>
    <message>
        <source>Read Camera Name</source>
        <translation>Les kameranavn</translation>
    </message>
    <message>
        <source>Add DVR</source>
        <translation>Legg til DVR</translation>
    </message>
    <message>
        <source>Edit DVR</source>
        <translation>Endre DVR</translation>
    </message>
    <message>
        <source>Delete DVR</source>
        <translation>Slett DVR</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koble fra</translation>
    </message>
</context>
<context>
    <name>CModelInfoDialog</name>
    <message>
        <source>Model Info</source>
        <translation>Modellinfo</translation>
    </message>
    <message>
        <source>DVR Model :</source>
        <translation>DVR-modell :</translation>
    </message>
    <message>
        <source>DVR Channels :</source>
        <translation>DVR-kanaler :</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4 kanaler</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8 kanaler</translation>
    </message>
    <message>
        <source>16 channels</source>
        <translation>16 kanaler</translation>
    </message>
    <message>
        <source>Video Type :</source>
        <translation>Videotype :</translation>
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
        <translation>Bevegelsessone</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Markering</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
</context>
<context>
    <name>CNetworkFailure</name>
    <message>
        <source>HTTP error status %1</source>
        <translation>HTTP-feilstatus %1</translation>
    </message>
    <message>
        <source>the DVR refused the connection</source>
        <translation>DVR-en avviste tilkoblingen</translation>
    </message>
    <message>
        <source>the DVR closed the connection</source>
        <translation>DVR-en lukket tilkoblingen</translation>
    </message>
    <message>
        <source>the DVR&apos;s address was not found</source>
        <translation>DVR-ens adresse ble ikke funnet</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>tidsavbrudd for tilkoblingen</translation>
    </message>
    <message>
        <source>no answer within the time limit</source>
        <translation>intet svar innen tidsgrensen</translation>
    </message>
    <message>
        <source>the network is not available</source>
        <translation>nettverket er ikke tilgjengelig</translation>
    </message>
    <message>
        <source>the DVR&apos;s answer could not be read</source>
        <translation>svaret fra DVR-en kunne ikke leses</translation>
    </message>
    <message>
        <source>the DVR could not be reached</source>
        <translation>DVR-en kunne ikke nås</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>nettverksfeil %1</translation>
    </message>
</context>
<context>
    <name>CNoDvrLine</name>
    <message>
        <source>No DVR to search: double-click a DVR in the list.</source>
        <translation>Ingen DVR å søke i: dobbeltklikk på en DVR i listen.</translation>
    </message>
</context>
<context>
    <name>COldQuery</name>
    <message>
        <source>[ERROR]ID or password can not be sent</source>
        <translation>[FEIL]bruker-ID eller passord kan ikke sendes</translation>
    </message>
</context>
<context>
    <name>COrderedCommands</name>
    <message>
        <source>The DVR cannot take this command.</source>
        <translation>DVR-en kan ikke ta imot denne kommandoen.</translation>
    </message>
</context>
<context>
    <name>CPCInfoPage</name>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>Copyright (C) COMPANY. All rights reserved.</source>
        <translation>Copyright (C) COMPANY. Med enerett.</translation>
    </message>
</context>
<context>
    <name>CPCSetupDialog</name>
    <message>
        <source>PC Setup</source>
        <translation>PC-oppsett</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
</context>
<context>
    <name>CPCSetupPage</name>
    <message>
        <source>Save Path</source>
        <translation>Lagringsmapper</translation>
    </message>
    <message>
        <source>Capture : </source>
        <translation>Stillbilder : </translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bla gjennom...</translation>
    </message>
    <message>
        <source>Record : </source>
        <translation>Opptak : </translation>
    </message>
    <message>
        <source>Backup : </source>
        <translation>Kopiering : </translation>
    </message>
    <message>
        <source>File Format : </source>
        <translation>Filformat : </translation>
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
        <translation>Filformat for stillbilder : </translation>
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
        <translation>Skjermvisning</translation>
    </message>
    <message>
        <source>Channel Name : </source>
        <translation>Kanalnavn : </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Record Icon : </source>
        <translation>Opptaksikon : </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikon</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Omriss</translation>
    </message>
    <message>
        <source>Event Icon : </source>
        <translation>Hendelsesikon : </translation>
    </message>
    <message>
        <source>Language : </source>
        <translation>Språk : </translation>
    </message>
    <message>
        <source>Alarm Sound : </source>
        <translation>Alarmlyd : </translation>
    </message>
    <message>
        <source>Stream Type : </source>
        <translation>Strømtype : </translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Hoved</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Sekundær</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Playback Mode : </source>
        <translation>Avspillingsmodus : </translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Sammenhengende</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hopp over</translation>
    </message>
    <message>
        <source>Sequence Time : </source>
        <translation>Sekvenstid : </translation>
    </message>
    <message>
        <source>Reconnect : </source>
        <translation>Koble til igjen : </translation>
    </message>
    <message>
        <source>Opengl : </source>
        <translation>OpenGL : </translation>
    </message>
    <message>
        <source>OpenGL(High PC)</source>
        <translation>OpenGL (kraftig PC)</translation>
    </message>
    <message>
        <source>OpenGL(Low PC)</source>
        <translation>OpenGL (svak PC)</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Velg en mappe.</translation>
    </message>
</context>
<context>
    <name>CPendingSettings</name>
    <message>
        <source>These choices could not be saved to %1 (%2) and are lost:</source>
        <translation>Disse valgene kunne ikke lagres i %1 (%2) og er tapt:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
</context>
<context>
    <name>CPictureWidget</name>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Lysstyrke</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Metning</translation>
    </message>
    <message>
        <source>H.Sharpness</source>
        <translation>H-skarphet</translation>
    </message>
    <message>
        <source>V.Sharpness</source>
        <translation>V-skarphet</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
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
        <translation>Det finnes ingen fil å spille av.</translation>
    </message>
</context>
<context>
    <name>CPresetNames</name>
    <message>
        <source>preset %1</source>
        <translation>posisjon %1</translation>
    </message>
</context>
<context>
    <name>CProblemLine</name>
    <message>
        <source>The DVR refused the command: %1</source>
        <translation>DVR-en avviste kommandoen: %1</translation>
    </message>
    <message>
        <source>The DVR did not answer the command: %1</source>
        <translation>DVR-en svarte ikke på kommandoen: %1</translation>
    </message>
    <message>
        <source>The command was not sent: %1</source>
        <translation>Kommandoen ble ikke sendt: %1</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Upgrading</source>
        <translation>Oppgraderer</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>CPtzfWidget</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Blender</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Gå til</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsom</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rask</translation>
    </message>
    <message>
        <source>Very Fast</source>
        <translation>Svært rask</translation>
    </message>
    <message>
        <source>the PTZ speed</source>
        <translation>PTZ-hastigheten</translation>
    </message>
</context>
<context>
    <name>CRecord</name>
    <message>
        <source>[ERROR] The DVR has reported no channels to record</source>
        <translation>[FEIL] DVR-en har ikke meldt noen kanaler å ta opp</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording folder %1</source>
        <translation>[FEIL] Kan ikke opprette opptaksmappen %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1</source>
        <translation>[FEIL] Kan ikke skrive opptaksfilen %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1</source>
        <translation>[FEIL] Kan ikke opprette opptaksfilen %1</translation>
    </message>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[FEIL] Ingen ledig filnavn for %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not complete the recording file %1</source>
        <translation>[FEIL] Kan ikke fullføre opptaksfilen %1</translation>
    </message>
</context>
<context>
    <name>CRelaySwitches</name>
    <message>
        <source>Relay %1 of DVR &quot;%2&quot; (%3:%4) may stay on: the DVR did not take its switch-off.</source>
        <translation>Relé %1 på DVR-en «%2» (%3:%4) kan bli stående på: DVR-en tok ikke imot utkoblingen.</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relé</translation>
    </message>
</context>
<context>
    <name>CRemotePortWiget</name>
    <message>
        <source>Auto off :</source>
        <translation>Auto av :</translation>
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
        <translation>Relé</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
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
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Admin Password</source>
        <translation>Administratorpassord</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>Fyll ut alle feltene.</translation>
    </message>
</context>
<context>
    <name>CSeqWidget</name>
    <message>
        <source>Channels</source>
        <translation>Kanaler</translation>
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
        <translation>Visningstid</translation>
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
        <translation>DVR-info</translation>
    </message>
    <message>
        <source>Old protocol</source>
        <translation>Gammel protokoll</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Bruker-ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Screen Division</source>
        <translation>Skjermdeling</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <translation>Kanalvalg</translation>
    </message>
    <message>
        <source>Ch 1</source>
        <translation>Kan. 1</translation>
    </message>
    <message>
        <source>Ch 2</source>
        <translation>Kan. 2</translation>
    </message>
    <message>
        <source>Ch 3</source>
        <translation>Kan. 3</translation>
    </message>
    <message>
        <source>Ch 4</source>
        <translation>Kan. 4</translation>
    </message>
    <message>
        <source>Ch 5</source>
        <translation>Kan. 5</translation>
    </message>
    <message>
        <source>Ch 6</source>
        <translation>Kan. 6</translation>
    </message>
    <message>
        <source>Ch 7</source>
        <translation>Kan. 7</translation>
    </message>
    <message>
        <source>Ch 8</source>
        <translation>Kan. 8</translation>
    </message>
    <message>
        <source>Ch 9</source>
        <translation>Kan. 9</translation>
    </message>
    <message>
        <source>Ch 10</source>
        <translation>Kan. 10</translation>
    </message>
    <message>
        <source>Ch 11</source>
        <translation>Kan. 11</translation>
    </message>
    <message>
        <source>Ch 12</source>
        <translation>Kan. 12</translation>
    </message>
    <message>
        <source>Ch 13</source>
        <translation>Kan. 13</translation>
    </message>
    <message>
        <source>Ch 14</source>
        <translation>Kan. 14</translation>
    </message>
    <message>
        <source>Ch 15</source>
        <translation>Kan. 15</translation>
    </message>
    <message>
        <source>Ch 16</source>
        <translation>Kan. 16</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>Fyll ut alle feltene.</translation>
    </message>
</context>
<context>
    <name>CSetEMapInfoDialog</name>
    <message>
        <source>EMap Info</source>
        <translation>EMap-info</translation>
    </message>
    <message>
        <source>Group Name :</source>
        <translation>Gruppenavn :</translation>
    </message>
    <message>
        <source>EMap Name :</source>
        <translation>Kartnavn :</translation>
    </message>
    <message>
        <source>Image Path :</source>
        <translation>Bildebane :</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>Fyll ut alle feltene.</translation>
    </message>
    <message>
        <source>Select a Image file</source>
        <translation>Velg en bildefil</translation>
    </message>
</context>
<context>
    <name>CSetupAccount</name>
    <message>
        <source>User</source>
        <translation>Bruker</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>ALLE</translation>
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
        <translation>PTZF-styring</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Avspilling</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopiering</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nettverk</translation>
    </message>
    <message>
        <source>Network Timeout</source>
        <translation>Tidsavbrudd for nettverk</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Endre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Logg av</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Wait time</source>
        <translation>Ventetid</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>Can&apos;t add same user.</source>
        <translation>Kan ikke legge til samme bruker.</translation>
    </message>
</context>
<context>
    <name>CSetupCamera</name>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
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
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Reverse Control</source>
        <translation>Omvendt styring</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panorering</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Vipping</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Overføringshastighet</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Skarphet</translation>
    </message>
    <message>
        <source>SPOT</source>
        <translation>SPOT</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Spot</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekvens</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Skjult</translation>
    </message>
</context>
<context>
    <name>CSetupEtc</name>
    <message>
        <source>Time &amp; Date</source>
        <translation>Tid og dato</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Set to PC time</source>
        <translation>Bruk PC-ens tid</translation>
    </message>
    <message>
        <source>Apply to DVR</source>
        <translation>Bruk på DVR-en</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>CSetupEvent</name>
    <message>
        <source>Motion</source>
        <translation>Bevegelse</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Følsomhet</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Sprett opp</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>Lukk etter</translation>
    </message>
    <message>
        <source>Detection Zone</source>
        <translation>Deteksjonssone</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Koblet kanal</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relé</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Utgang</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>Opptaksfeil</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>Opptaksvarsel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Varighet</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>Opptakstid</translation>
    </message>
    <message>
        <source>Post Alarm Record</source>
        <translation>Opptak etter alarm</translation>
    </message>
    <message>
        <source>E-Mail Transfer Settings</source>
        <translation>Innstillinger for e-postsending</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Prohibition</source>
        <translation>Sperretid</translation>
    </message>
    <message>
        <source>Start Hour</source>
        <translation>Starttidspunkt</translation>
    </message>
    <message>
        <source>End Hour</source>
        <translation>Sluttidspunkt</translation>
    </message>
    <message>
        <source>E-Mail Transfer Contents</source>
        <translation>Innhold i e-posten</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Videotap</translation>
    </message>
    <message>
        <source>Record Status</source>
        <translation>Opptaksstatus</translation>
    </message>
    <message>
        <source>System Access</source>
        <translation>Systemtilgang</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>E-postadresser</translation>
    </message>
    <message>
        <source>Sender Address</source>
        <translation>Avsenderadresse</translation>
    </message>
    <message>
        <source>Receiver Address</source>
        <translation>Mottakeradresser</translation>
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
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autentisering</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Bruker-ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
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
        <translation>Modus</translation>
    </message>
    <message>
        <source>Write Mode</source>
        <translation>Skrivemodus</translation>
    </message>
    <message>
        <source>Force Deletion</source>
        <translation>Tvungen sletting</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Check Interval</source>
        <translation>Kontrollintervall</translation>
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
        <translation>Type</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>BW Limitation</source>
        <translation>Båndbreddegrense</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Nettmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>UPNP</source>
        <translation>UPNP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>DNS-IP</translation>
    </message>
    <message>
        <source>DDNS Link</source>
        <translation>DDNS-kobling</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Hostname</source>
        <translation>Vertsnavn</translation>
    </message>
    <message>
        <source>Stream</source>
        <translation>Strøm</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalitet</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>B/s</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bekreftelse</translation>
    </message>
    <message>
        <source>Apply network TCP/IP &amp;&amp; DDNS configuration</source>
        <translation>Bruk nettverksoppsett for TCP/IP &amp;&amp; DDNS</translation>
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
        <translation>Forespørselen ble ikke sendt: %1</translation>
    </message>
</context>
<context>
    <name>CSetupRecord</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Oppløsning</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalitet</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>B/s</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Event Quality</source>
        <translation>Kvalitet ved hendelse</translation>
    </message>
    <message>
        <source>Event FPS</source>
        <translation>B/s ved hendelse</translation>
    </message>
    <message>
        <source>Etc.</source>
        <translation>Annet</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Lyd</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Time Overlay</source>
        <translation>Tidsvisning i bildet</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Avspilling</translation>
    </message>
    <message>
        <source>Startting Point</source>
        <translation>Startpunkt</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Tidsplan</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Sammenhengende</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Bevegelse</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Bevegelse + sensor</translation>
    </message>
    <message>
        <source>Cont. + Event</source>
        <translation>Samm. + hendelse</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SØN</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>MAN</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>ONS</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>TOR</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>FRE</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>LØR</translation>
    </message>
</context>
<context>
    <name>CSetupSystem</name>
    <message>
        <source>Name &amp; ID</source>
        <translation>Navn og ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time &amp; Date</source>
        <translation>Tid og dato</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Tidsformat</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datoformat</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Tidssone</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>NTP Address</source>
        <translation>NTP-adresse</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Summer</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Bevegelse</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Videotap</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>Opptaksfeil</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>Opptaksvarsel</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Kameranavn</translation>
    </message>
    <message>
        <source>Record Icon</source>
        <translation>Opptaksikon</translation>
    </message>
    <message>
        <source>Motion Icon</source>
        <translation>Bevegelsesikon</translation>
    </message>
    <message>
        <source>Sensor Icon</source>
        <translation>Sensorikon</translation>
    </message>
    <message>
        <source>Task Bar</source>
        <translation>Oppgavelinje</translation>
    </message>
    <message>
        <source>VGA Mode</source>
        <translation>VGA-modus</translation>
    </message>
</context>
<context>
    <name>CSetupWidget</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Nettverk</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Opptak</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Hendelse</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>The DVR model %1 is unknown.</source>
        <translation>DVR-modellen %1 er ukjent.</translation>
    </message>
    <message>
        <source>A DVR with %1 channels is unknown.</source>
        <translation>En DVR med %1 kanaler er ukjent.</translation>
    </message>
    <message>
        <source>The DVR did not answer.</source>
        <translation>DVR-en svarte ikke.</translation>
    </message>
    <message>
        <source>The DVR&apos;s answer is not a configuration.</source>
        <translation>Svaret fra DVR-en er ikke et oppsett.</translation>
    </message>
    <message>
        <source>The DVR refused the request: %1</source>
        <translation>DVR-en avviste forespørselen: %1</translation>
    </message>
    <message>
        <source>A DVR of the old protocol has no configuration to read.</source>
        <translation>En DVR med gammel protokoll har ikke noe oppsett å lese.</translation>
    </message>
    <message>
        <source>The pages show the default settings.</source>
        <translation>Sidene viser standardinnstillingene.</translation>
    </message>
    <message>
        <source>The pages keep their settings.</source>
        <translation>Sidene beholder innstillingene sine.</translation>
    </message>
    <message>
        <source>DVR Setup</source>
        <translation>DVR-oppsett</translation>
    </message>
    <message>
        <source>The DVR configuration could not be read.</source>
        <translation>Oppsettet til DVR-en kunne ikke leses.</translation>
    </message>
    <message>
        <source>The configuration is still being sent to the DVR; nothing more was sent.</source>
        <translation>Oppsettet sendes fortsatt til DVR-en; ingenting mer ble sendt.</translation>
    </message>
    <message>
        <source>The transmission error occured!</source>
        <translation>Det oppstod en overføringsfeil!</translation>
    </message>
    <message>
        <source>The DVR configuration is correctly transfered!</source>
        <translation>Oppsettet er overført til DVR-en!</translation>
    </message>
    <message>
        <source>Please select a configuration file.</source>
        <translation>Velg en oppsettsfil.</translation>
    </message>
    <message>
        <source>Config (*.conf)</source>
        <translation>Oppsettsfil (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not saved: a configuration file name ends in &quot;.conf&quot;.</source>
        <translation>%1 ble ikke lagret: navnet på en oppsettsfil slutter på «.conf».</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>%1 ble ikke lagret: %2</translation>
    </message>
    <message>
        <source>Configs (*.conf)</source>
        <translation>Oppsettsfiler (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 ble ikke åpnet: %2</translation>
    </message>
</context>
<context>
    <name>CSnapshotView</name>
    <message>
        <source>The image %1 cannot be read (%2).</source>
        <translation>Bildet %1 kan ikke leses (%2).</translation>
    </message>
</context>
<context>
    <name>CTimeLine</name>
    <message>
        <source>ALL</source>
        <translation>ALLE</translation>
    </message>
    <message>
        <source>CH-%1</source>
        <translation>K-%1</translation>
    </message>
</context>
<context>
    <name>CUpgrade</name>
    <message>
        <source>S/W Upgrade</source>
        <translation>Programvareoppgradering</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bla gjennom...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Velg fil</translation>
    </message>
    <message>
        <source>The upgrade is failed!</source>
        <translation>Oppgraderingen mislyktes!</translation>
    </message>
    <message>
        <source>The upgrade is completed!</source>
        <translation>Oppgraderingen er fullført!</translation>
    </message>
</context>
<context>
    <name>CWaitDialog</name>
    <message>
        <source>Please wait a minute.</source>
        <translation>Vent litt.</translation>
    </message>
</context>
<context>
    <name>CWholeFileWriter</name>
    <message>
        <source>%1 was saved, but the system could not confirm that it is on the disk (%2).</source>
        <translation>%1 ble lagret, men systemet kunne ikke bekrefte at filen er på disken (%2).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Low</source>
        <translation>Lav</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Høy</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
</context>
<context>
    <name>QUpFile</name>
    <message>
        <source>The file changed while it was being sent</source>
        <translation>Filen ble endret mens den ble sendt</translation>
    </message>
</context>
<context>
    <name>UpLoader</name>
    <message>
        <source>Error: can&apos;t open file %1</source>
        <translation>Feil: kan ikke åpne filen %1</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Nettverksfeil: %1</translation>
    </message>
</context>
<context>
    <name>Viewer</name>
    <message>
        <source>Record</source>
        <translation>Opptak</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Skjermbilde</translation>
    </message>
    <message>
        <source>The image has been saved.</source>
        <translation>Bildet er lagret.</translation>
    </message>
    <message>
        <source>The image could not be saved.</source>
        <translation>Bildet kunne ikke lagres.</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Velg en mappe.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Åpne fil</translation>
    </message>
    <message>
        <source>Capture Images (*.png *.jpg)</source>
        <translation>Stillbilder (*.png *.jpg)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Lagre fil</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>Tekstfiler (*.txt)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Kan ikke skrive filen %1:
%2.</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>Filen er lagret</translation>
    </message>
    <message>
        <source>The image has been saved, but the system could not confirm that it is on the disk.</source>
        <translation>Bildet ble lagret, men systemet kunne ikke bekrefte at det er på disken.</translation>
    </message>
</context>
<context>
    <name>ViewerClass</name>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Live S</source>
        <translation>Direkte S</translation>
    </message>
    <message>
        <source>Live M</source>
        <translation>Direkte M</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Avspilling</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Kopiering</translation>
    </message>
    <message>
        <source>E-Map</source>
        <translation>E-kart</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>PC Setup</source>
        <translation>PC-oppsett</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Setup Model</source>
        <translation>Velg modell</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Last på nytt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Bruk alle</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation>Dato &amp;&amp; tid</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
</context>
</TS>
