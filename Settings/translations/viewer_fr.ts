<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAnswerCode</name>
    <message>
        <source>[ERROR]user unknown</source>
        <translation>[ERREUR]utilisateur inconnu</translation>
    </message>
    <message>
        <source>[ERROR]password miss</source>
        <translation>[ERREUR]mot de passe erroné</translation>
    </message>
    <message>
        <source>[ERROR]protocol version</source>
        <translation>[ERREUR]version du protocole</translation>
    </message>
    <message>
        <source>[ERROR]client limit</source>
        <translation>[ERREUR]limite de clients atteinte</translation>
    </message>
    <message>
        <source>[ERROR]super exist</source>
        <translation>[ERREUR]un administrateur est déjà connecté</translation>
    </message>
    <message>
        <source>[ERROR]no video data</source>
        <translation>[ERREUR]aucune donnée vidéo</translation>
    </message>
    <message>
        <source>[ERROR]no video channel</source>
        <translation>[ERREUR]aucun canal vidéo</translation>
    </message>
    <message>
        <source>[ERROR]mpeg push end</source>
        <translation>[ERREUR]fin du flux</translation>
    </message>
    <message>
        <source>[ERROR]connection timeout</source>
        <translation>[ERREUR]délai de connexion dépassé</translation>
    </message>
    <message>
        <source>[ERROR]unknown</source>
        <translation>[ERREUR]inconnue</translation>
    </message>
    <message>
        <source>[ERROR]permission denied</source>
        <translation>[ERREUR]permission refusée</translation>
    </message>
    <message>
        <source>[ERROR]network timeout</source>
        <translation>[ERREUR]délai réseau dépassé</translation>
    </message>
</context>
<context>
    <name>CAppSettings</name>
    <message>
        <source>The settings could not be saved to %1 (%2). The previous settings are kept.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1 (%2). Les réglages précédents sont conservés.</translation>
    </message>
    <message>
        <source>The new settings were saved to %1, but the system could not confirm that they are on the disk (%2).</source>
        <translation>Les nouveaux réglages ont été enregistrés dans %1, mais le système n&apos;a pas pu confirmer qu&apos;ils sont sur le disque (%2).</translation>
    </message>
    <message>
        <source>it is in use by another program, which holds the lock file %1</source>
        <translation>il est utilisé par un autre programme, qui détient le fichier de verrou %1</translation>
    </message>
</context>
<context>
    <name>CAutoPresetWidget</name>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Interval(sec)</source>
        <translation>Intervalle (s)</translation>
    </message>
    <message>
        <source>the preset tour of channel %1</source>
        <translation>la tournée de préréglages du canal %1</translation>
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
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
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
        <translation>1 heure</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Please select the backup end time again</source>
        <translation>Veuillez choisir à nouveau l&apos;heure de fin de la sauvegarde</translation>
    </message>
    <message>
        <source>Backup has been completed.</source>
        <translation>La sauvegarde est terminée.</translation>
    </message>
</context>
<context>
    <name>CCameraWidget</name>
    <message>
        <source>DVR Name : %1
</source>
        <translation>Nom du DVR : %1
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
        <translation>Utilisateur : %1
</translation>
    </message>
    <message>
        <source>Camera : %1
</source>
        <translation>Caméra : %1
</translation>
    </message>
    <message>
        <source>Please check the position of the camera.</source>
        <translation>Veuillez vérifier la position de la caméra.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>CChannelWidget</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
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
        <translation>%1 img/s / %2</translation>
    </message>
</context>
<context>
    <name>CConfFile</name>
    <message>
        <source>The file is too large for a configuration.</source>
        <translation>Le fichier est trop volumineux pour une configuration.</translation>
    </message>
    <message>
        <source>The file is not a configuration file.</source>
        <translation>Le fichier n&apos;est pas un fichier de configuration.</translation>
    </message>
</context>
<context>
    <name>CConnectDVR</name>
    <message>
        <source>There is no more backup data. Or Connection failed</source>
        <translation>Il n&apos;y a plus de données à sauvegarder, ou la connexion a échoué</translation>
    </message>
</context>
<context>
    <name>CCreateRaw</name>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[ERREUR] Aucun nom de fichier libre pour %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1: %2</source>
        <translation>[ERREUR] Impossible d&apos;écrire le fichier d&apos;enregistrement %1 : %2</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1: %2</source>
        <translation>[ERREUR] Impossible de créer le fichier d&apos;enregistrement %1 : %2</translation>
    </message>
</context>
<context>
    <name>CDVRInfoWidget</name>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
</context>
<context>
    <name>CDVRListTree</name>
    <message>
        <source>Group name:</source>
        <translation>Nom du groupe :</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t add the dvr.</source>
        <translation>Un DVR porte déjà ce nom. Impossible d&apos;ajouter le DVR.</translation>
    </message>
    <message>
        <source>It has same dvr&apos;s name. Can&apos;t edit the dvr.</source>
        <translation>Un DVR porte déjà ce nom. Impossible de modifier le DVR.</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Modifier le groupe</translation>
    </message>
</context>
<context>
    <name>CEMapList</name>
    <message>
        <source>Modify group name</source>
        <translation>Modifier le nom du groupe</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Nom du groupe :</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map?</source>
        <translation>Voulez-vous vraiment supprimer la carte sélectionnée ?</translation>
    </message>
    <message>
        <source>Are you sure you delete the selected map group?</source>
        <translation>Voulez-vous vraiment supprimer le groupe de cartes sélectionné ?</translation>
    </message>
</context>
<context>
    <name>CEMapMenu</name>
    <message>
        <source>Add EMap</source>
        <translation>Ajouter une carte</translation>
    </message>
    <message>
        <source>Edit EMap</source>
        <translation>Modifier la carte</translation>
    </message>
    <message>
        <source>Delete EMap</source>
        <translation>Supprimer la carte</translation>
    </message>
</context>
<context>
    <name>CEMapPicture</name>
    <message>
        <source>The map image %1 is too large (%2 x %3 pixels, at most 64 megapixels). The map is shown without it.</source>
        <translation>L&apos;image de carte %1 est trop grande (%2 x %3 pixels, 64 mégapixels au plus). La carte est affichée sans elle.</translation>
    </message>
    <message>
        <source>The map image %1 is not a file. The map is shown without it.</source>
        <translation>L&apos;image de carte %1 n&apos;est pas un fichier. La carte est affichée sans elle.</translation>
    </message>
    <message>
        <source>The map image %1 cannot be read (%2). The map is shown without it.</source>
        <translation>L&apos;image de carte %1 ne peut pas être lue (%2). La carte est affichée sans elle.</translation>
    </message>
</context>
<context>
    <name>CEMapSetupDialog</name>
    <message>
        <source>EMap Setup</source>
        <translation>Réglages EMap</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Fenêtre automatique</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>Image Size</source>
        <translation>Taille de l&apos;image</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
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
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Please confirm the dvr information.</source>
        <translation>Veuillez vérifier les informations du DVR.</translation>
    </message>
    <message>
        <source>The camera is in the emap.</source>
        <translation>La caméra est déjà sur la carte.</translation>
    </message>
</context>
<context>
    <name>CHDDWidget</name>
    <message>
        <source>HDD</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Total Space : </source>
        <translation>Espace total : </translation>
    </message>
    <message>
        <source>Used Space : </source>
        <translation>Espace utilisé : </translation>
    </message>
    <message>
        <source>Free Space : </source>
        <translation>Espace libre : </translation>
    </message>
</context>
<context>
    <name>CInfoWidget</name>
    <message>
        <source>Model Name</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Video Type</source>
        <translation>Type vidéo</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>Version matérielle</translation>
    </message>
    <message>
        <source>Kernel Version</source>
        <translation>Version du noyau</translation>
    </message>
    <message>
        <source>Ramdisk Version</source>
        <translation>Version du ramdisk</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Adresse MAC</translation>
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
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>[ERROR]request too long</source>
        <translation>[ERREUR]requête trop longue</translation>
    </message>
</context>
<context>
    <name>CListFileStatus</name>
    <message>
        <source>The default list is shown. The file is kept and will be moved aside when the list is saved.</source>
        <translation>La liste par défaut est affichée. Le fichier est conservé et sera mis de côté lors de l&apos;enregistrement de la liste.</translation>
    </message>
    <message>
        <source>The list file %1 cannot be read (%2).</source>
        <translation>Le fichier de liste %1 ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <source>The file %1 is not a list file of this program.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier de liste de ce programme.</translation>
    </message>
    <message>
        <source>The list file %1 is damaged.</source>
        <translation>Le fichier de liste %1 est endommagé.</translation>
    </message>
    <message>
        <source>The list could not be saved to %1 (%2). The previous file is unchanged.</source>
        <translation>La liste n&apos;a pas pu être enregistrée dans %1 (%2). Le fichier précédent est inchangé.</translation>
    </message>
    <message>
        <source>The unusable list file was moved to %1.</source>
        <translation>Le fichier de liste inutilisable a été déplacé vers %1.</translation>
    </message>
    <message>
        <source>The list was saved to %1, but the system could not confirm that it is on the disk (%2).</source>
        <translation>La liste a été enregistrée dans %1, mais le système n&apos;a pas pu confirmer qu&apos;elle est sur le disque (%2).</translation>
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
        <translation>Tour auto</translation>
    </message>
    <message>
        <source>Rem. Port</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Picture ctrl</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>The backup stopped because a group was connected.</source>
        <translation>La sauvegarde s&apos;est arrêtée, car un groupe a été connecté.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a group was connected.</source>
        <translation>L&apos;enregistrement sur le PC s&apos;est arrêté, car un groupe a été connecté.</translation>
    </message>
    <message>
        <source>The backup stopped because a DVR was connected by its address.</source>
        <translation>La sauvegarde s&apos;est arrêtée, car un DVR a été connecté par son adresse.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because a DVR was connected by its address.</source>
        <translation>L&apos;enregistrement sur le PC s&apos;est arrêté, car un DVR a été connecté par son adresse.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was disconnected.</source>
        <translation>La sauvegarde s&apos;est arrêtée, car le DVR a été déconnecté.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was disconnected.</source>
        <translation>L&apos;enregistrement sur le PC s&apos;est arrêté, car le DVR a été déconnecté.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR was deleted.</source>
        <translation>La sauvegarde s&apos;est arrêtée, car le DVR a été supprimé.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR was deleted.</source>
        <translation>L&apos;enregistrement sur le PC s&apos;est arrêté, car le DVR a été supprimé.</translation>
    </message>
    <message>
        <source>The backup stopped because another DVR was chosen.</source>
        <translation>La sauvegarde s&apos;est arrêtée, car un autre DVR a été choisi.</translation>
    </message>
    <message>
        <source>The backup stopped because the DVR&apos;s settings changed.</source>
        <translation>La sauvegarde s&apos;est arrêtée, car les paramètres du DVR ont changé.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the DVR&apos;s settings changed.</source>
        <translation>L&apos;enregistrement sur le PC s&apos;est arrêté, car les paramètres du DVR ont changé.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped: %1</source>
        <translation>L&apos;enregistrement sur le PC s&apos;est arrêté : %1</translation>
    </message>
    <message>
        <source>The playback stopped: %1</source>
        <translation>La lecture s&apos;est arrêtée : %1</translation>
    </message>
    <message>
        <source>The backup stopped: %1</source>
        <translation>La sauvegarde s&apos;est arrêtée : %1</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because another mode was chosen.</source>
        <translation>L&apos;enregistrement sur le PC s&apos;est arrêté, car un autre mode a été choisi.</translation>
    </message>
    <message>
        <source>The recording to the PC stopped because the stream type changed.</source>
        <translation>L&apos;enregistrement sur le PC s&apos;est arrêté, car le type de flux a changé.</translation>
    </message>
</context>
<context>
    <name>CLogin</name>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>CMenuDVRList</name>
    <message>
        <source>Add Group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Modifier le groupe</translation>
    </message>
    <message>
        <source>Delete Group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Read Camera Name</source>
        <translation>Lire les noms des caméras</translation>
    </message>
    <message>
        <source>Add DVR</source>
        <translation>Ajouter un DVR</translation>
    </message>
    <message>
        <source>Edit DVR</source>
        <translation>Modifier le DVR</translation>
    </message>
    <message>
        <source>Delete DVR</source>
        <translation>Supprimer le DVR</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
</context>
<context>
    <name>CModelInfoDialog</name>
    <message>
        <source>Model Info</source>
        <translation>Infos modèle</translation>
    </message>
    <message>
        <source>DVR Model :</source>
        <translation>Modèle de DVR :</translation>
    </message>
    <message>
        <source>DVR Channels :</source>
        <translation>Canaux du DVR :</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4 canaux</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8 canaux</translation>
    </message>
    <message>
        <source>16 channels</source>
        <translation>16 canaux</translation>
    </message>
    <message>
        <source>Video Type :</source>
        <translation>Type vidéo :</translation>
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
        <translation>Zone de mouvement</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>CNetworkFailure</name>
    <message>
        <source>HTTP error status %1</source>
        <translation>statut d&apos;erreur HTTP %1</translation>
    </message>
    <message>
        <source>the DVR refused the connection</source>
        <translation>le DVR a refusé la connexion</translation>
    </message>
    <message>
        <source>the DVR closed the connection</source>
        <translation>le DVR a fermé la connexion</translation>
    </message>
    <message>
        <source>the DVR&apos;s address was not found</source>
        <translation>l&apos;adresse du DVR est introuvable</translation>
    </message>
    <message>
        <source>the connection timed out</source>
        <translation>le délai de connexion est dépassé</translation>
    </message>
    <message>
        <source>no answer within the time limit</source>
        <translation>aucune réponse dans le délai imparti</translation>
    </message>
    <message>
        <source>the network is not available</source>
        <translation>le réseau n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>the DVR&apos;s answer could not be read</source>
        <translation>la réponse du DVR est illisible</translation>
    </message>
    <message>
        <source>the DVR could not be reached</source>
        <translation>le DVR est injoignable</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>erreur réseau %1</translation>
    </message>
</context>
<context>
    <name>CNoDvrLine</name>
    <message>
        <source>No DVR to search: double-click a DVR in the list.</source>
        <translation>Aucun DVR à rechercher : double-cliquez sur un DVR de la liste.</translation>
    </message>
</context>
<context>
    <name>COldQuery</name>
    <message>
        <source>[ERROR]ID or password can not be sent</source>
        <translation>[ERREUR]impossible d&apos;envoyer l&apos;identifiant ou le mot de passe</translation>
    </message>
</context>
<context>
    <name>COrderedCommands</name>
    <message>
        <source>The DVR cannot take this command.</source>
        <translation>Le DVR ne peut pas recevoir cette commande.</translation>
    </message>
</context>
<context>
    <name>CPCInfoPage</name>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Copyright (C) COMPANY. All rights reserved.</source>
        <translation>Copyright (C) COMPANY. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>CPCSetupDialog</name>
    <message>
        <source>PC Setup</source>
        <translation>Config. PC</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
</context>
<context>
    <name>CPCSetupPage</name>
    <message>
        <source>Save Path</source>
        <translation>Dossiers d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Capture : </source>
        <translation>Capture : </translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Record : </source>
        <translation>Enregistrement : </translation>
    </message>
    <message>
        <source>Backup : </source>
        <translation>Sauvegarde : </translation>
    </message>
    <message>
        <source>File Format : </source>
        <translation>Format de fichier : </translation>
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
        <translation>Format des captures : </translation>
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
        <translation>Affichage à l&apos;écran</translation>
    </message>
    <message>
        <source>Channel Name : </source>
        <translation>Nom de canal : </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Record Icon : </source>
        <translation>Icône d&apos;enregistrement : </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Event Icon : </source>
        <translation>Icône d&apos;événement : </translation>
    </message>
    <message>
        <source>Language : </source>
        <translation>Langue : </translation>
    </message>
    <message>
        <source>Alarm Sound : </source>
        <translation>Son d&apos;alarme : </translation>
    </message>
    <message>
        <source>Stream Type : </source>
        <translation>Type de flux : </translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Playback Mode : </source>
        <translation>Mode de lecture : </translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Sauter</translation>
    </message>
    <message>
        <source>Sequence Time : </source>
        <translation>Durée de séquence : </translation>
    </message>
    <message>
        <source>Reconnect : </source>
        <translation>Reconnexion : </translation>
    </message>
    <message>
        <source>Opengl : </source>
        <translation>OpenGL : </translation>
    </message>
    <message>
        <source>OpenGL(High PC)</source>
        <translation>OpenGL (PC puissant)</translation>
    </message>
    <message>
        <source>OpenGL(Low PC)</source>
        <translation>OpenGL (PC modeste)</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Veuillez choisir un dossier.</translation>
    </message>
</context>
<context>
    <name>CPendingSettings</name>
    <message>
        <source>These choices could not be saved to %1 (%2) and are lost:</source>
        <translation>Ces choix n’ont pas pu être enregistrés dans %1 (%2) et sont perdus :</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>CPictureWidget</name>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>H.Sharpness</source>
        <translation>Netteté H.</translation>
    </message>
    <message>
        <source>V.Sharpness</source>
        <translation>Netteté V.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Défaut</translation>
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
        <translation>Aucun fichier à lire.</translation>
    </message>
</context>
<context>
    <name>CPresetNames</name>
    <message>
        <source>preset %1</source>
        <translation>préréglage %1</translation>
    </message>
</context>
<context>
    <name>CProblemLine</name>
    <message>
        <source>The DVR refused the command: %1</source>
        <translation>Le DVR a refusé la commande&#xa0;: %1</translation>
    </message>
    <message>
        <source>The DVR did not answer the command: %1</source>
        <translation>Le DVR n&apos;a pas répondu à la commande&#xa0;: %1</translation>
    </message>
    <message>
        <source>The command was not sent: %1</source>
        <translation>La commande n&apos;a pas été envoyée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Upgrading</source>
        <translation>Mise à jour en cours</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompre</translation>
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
        <translation>Mise au point</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Very Fast</source>
        <translation>Très rapide</translation>
    </message>
    <message>
        <source>the PTZ speed</source>
        <translation>la vitesse PTZ</translation>
    </message>
</context>
<context>
    <name>CRecord</name>
    <message>
        <source>[ERROR] The DVR has reported no channels to record</source>
        <translation>[ERREUR] Le DVR n&apos;a signalé aucun canal à enregistrer</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording folder %1</source>
        <translation>[ERREUR] Impossible de créer le dossier d&apos;enregistrement %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not write the recording file %1</source>
        <translation>[ERREUR] Impossible d&apos;écrire le fichier d&apos;enregistrement %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not create the recording file %1</source>
        <translation>[ERREUR] Impossible de créer le fichier d&apos;enregistrement %1</translation>
    </message>
    <message>
        <source>[ERROR] No free file name for %1</source>
        <translation>[ERREUR] Aucun nom de fichier libre pour %1</translation>
    </message>
    <message>
        <source>[ERROR] Can not complete the recording file %1</source>
        <translation>[ERREUR] Impossible de terminer le fichier d&apos;enregistrement %1</translation>
    </message>
</context>
<context>
    <name>CRelaySwitches</name>
    <message>
        <source>Relay %1 of DVR &quot;%2&quot; (%3:%4) may stay on: the DVR did not take its switch-off.</source>
        <translation>Le relais %1 du DVR «&#xa0;%2&#xa0;» (%3:%4) peut rester activé&#xa0;: le DVR n&apos;a pas accepté sa coupure.</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relais</translation>
    </message>
</context>
<context>
    <name>CRemotePortWiget</name>
    <message>
        <source>Auto off :</source>
        <translation>Arrêt auto :</translation>
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
        <translation>Relais</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
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
        <translation>Mot de passe admin</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>Veuillez remplir tous les champs.</translation>
    </message>
</context>
<context>
    <name>CSeqWidget</name>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
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
        <translation>Durée</translation>
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
        <translation>Infos DVR</translation>
    </message>
    <message>
        <source>Old protocol</source>
        <translation>Ancien protocole</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Screen Division</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Channel Selection</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Ch 1</source>
        <translation>Can. 1</translation>
    </message>
    <message>
        <source>Ch 2</source>
        <translation>Can. 2</translation>
    </message>
    <message>
        <source>Ch 3</source>
        <translation>Can. 3</translation>
    </message>
    <message>
        <source>Ch 4</source>
        <translation>Can. 4</translation>
    </message>
    <message>
        <source>Ch 5</source>
        <translation>Can. 5</translation>
    </message>
    <message>
        <source>Ch 6</source>
        <translation>Can. 6</translation>
    </message>
    <message>
        <source>Ch 7</source>
        <translation>Can. 7</translation>
    </message>
    <message>
        <source>Ch 8</source>
        <translation>Can. 8</translation>
    </message>
    <message>
        <source>Ch 9</source>
        <translation>Can. 9</translation>
    </message>
    <message>
        <source>Ch 10</source>
        <translation>Can. 10</translation>
    </message>
    <message>
        <source>Ch 11</source>
        <translation>Can. 11</translation>
    </message>
    <message>
        <source>Ch 12</source>
        <translation>Can. 12</translation>
    </message>
    <message>
        <source>Ch 13</source>
        <translation>Can. 13</translation>
    </message>
    <message>
        <source>Ch 14</source>
        <translation>Can. 14</translation>
    </message>
    <message>
        <source>Ch 15</source>
        <translation>Can. 15</translation>
    </message>
    <message>
        <source>Ch 16</source>
        <translation>Can. 16</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>Veuillez remplir tous les champs.</translation>
    </message>
</context>
<context>
    <name>CSetEMapInfoDialog</name>
    <message>
        <source>EMap Info</source>
        <translation>Infos EMap</translation>
    </message>
    <message>
        <source>Group Name :</source>
        <translation>Nom du groupe :</translation>
    </message>
    <message>
        <source>EMap Name :</source>
        <translation>Nom de la carte :</translation>
    </message>
    <message>
        <source>Image Path :</source>
        <translation>Chemin de l&apos;image :</translation>
    </message>
    <message>
        <source>Please fill in all blanks.</source>
        <translation>Veuillez remplir tous les champs.</translation>
    </message>
    <message>
        <source>Select a Image file</source>
        <translation>Choisir un fichier image</translation>
    </message>
</context>
<context>
    <name>CSetupAccount</name>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>TOUS</translation>
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
        <translation>Contrôle PTZF</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Network Timeout</source>
        <translation>Délai réseau</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Log off</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Wait time</source>
        <translation>Délai d&apos;attente</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Administrateur</translation>
    </message>
    <message>
        <source>Can&apos;t add same user.</source>
        <translation>Impossible d&apos;ajouter le même utilisateur.</translation>
    </message>
</context>
<context>
    <name>CSetupCamera</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Canal</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Reverse Control</source>
        <translation>Commande inversée</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Panoramique</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Inclinaison</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Mise au point</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit en bauds</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Netteté</translation>
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
        <translation>Mode</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Séquence</translation>
    </message>
    <message>
        <source>Covert</source>
        <translation>Masqué</translation>
    </message>
</context>
<context>
    <name>CSetupEtc</name>
    <message>
        <source>Time &amp; Date</source>
        <translation>Heure et date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Set to PC time</source>
        <translation>Prendre l&apos;heure du PC</translation>
    </message>
    <message>
        <source>Apply to DVR</source>
        <translation>Appliquer au DVR</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CSetupEvent</name>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Fenêtre automatique</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Popdown</source>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>Detection Zone</source>
        <translation>Zone de détection</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Canal lié</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>Échec d&apos;enreg.</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>Alerte d&apos;enreg.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Record Time</source>
        <translation>Durée d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Post Alarm Record</source>
        <translation>Enregistrement post-alarme</translation>
    </message>
    <message>
        <source>E-Mail Transfer Settings</source>
        <translation>Paramètres d&apos;envoi des e-mails</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <source>Prohibition</source>
        <translation>Interdiction d&apos;envoi</translation>
    </message>
    <message>
        <source>Start Hour</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End Hour</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>E-Mail Transfer Contents</source>
        <translation>Contenu des e-mails</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Perte vidéo</translation>
    </message>
    <message>
        <source>Record Status</source>
        <translation>État de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>System Access</source>
        <translation>Accès au système</translation>
    </message>
    <message>
        <source>E-Mail Address</source>
        <translation>Adresses e-mail</translation>
    </message>
    <message>
        <source>Sender Address</source>
        <translation>Adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Receiver Address</source>
        <translation>Adresses des destinataires</translation>
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
        <translation>Authentification</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
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
        <translation>Mode</translation>
    </message>
    <message>
        <source>Write Mode</source>
        <translation>Mode d&apos;écriture</translation>
    </message>
    <message>
        <source>Force Deletion</source>
        <translation>Suppression forcée</translation>
    </message>
    <message>
        <source>S.M.A.R.T.</source>
        <translation>S.M.A.R.T.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Check Interval</source>
        <translation>Intervalle de contrôle</translation>
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
        <translation>Limite de bande passante</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>UPNP</source>
        <translation>UPNP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>DNS IP</source>
        <translation>IP DNS</translation>
    </message>
    <message>
        <source>DDNS Link</source>
        <translation>Lien DDNS</translation>
    </message>
    <message>
        <source>DDNS</source>
        <translation>DDNS</translation>
    </message>
    <message>
        <source>Hostname</source>
        <translation>Nom d&apos;hôte</translation>
    </message>
    <message>
        <source>Stream</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>IPS</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Apply network TCP/IP &amp;&amp; DDNS configuration</source>
        <translation>Appliquer la configuration réseau TCP/IP &amp;&amp; DDNS</translation>
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
        <translation>La requête n&apos;a pas été envoyée : %1</translation>
    </message>
</context>
<context>
    <name>CSetupRecord</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>IPS</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Event Quality</source>
        <translation>Qualité sur événement</translation>
    </message>
    <message>
        <source>Event FPS</source>
        <translation>IPS sur événement</translation>
    </message>
    <message>
        <source>Etc.</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Time Overlay</source>
        <translation>Incrustation de l&apos;heure</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Startting Point</source>
        <translation>Point de départ</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Motion + Sensor</source>
        <translation>Mouvement + capteur</translation>
    </message>
    <message>
        <source>Cont. + Event</source>
        <translation>Cont. + événement</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>DIM</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>LUN</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>MAR</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>MER</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>JEU</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>VEN</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>SAM</translation>
    </message>
</context>
<context>
    <name>CSetupSystem</name>
    <message>
        <source>Name &amp; ID</source>
        <translation>Nom et ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time &amp; Date</source>
        <translation>Heure et date</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Format de l&apos;heure</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format de la date</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>NTP Address</source>
        <translation>Adresse NTP</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Avertisseur</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Mouvement</translation>
    </message>
    <message>
        <source>Video Loss</source>
        <translation>Perte vidéo</translation>
    </message>
    <message>
        <source>Record Fail</source>
        <translation>Échec d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Record Warning</source>
        <translation>Alerte d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Camera Name</source>
        <translation>Nom de caméra</translation>
    </message>
    <message>
        <source>Record Icon</source>
        <translation>Icône d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Motion Icon</source>
        <translation>Icône de mouvement</translation>
    </message>
    <message>
        <source>Sensor Icon</source>
        <translation>Icône de capteur</translation>
    </message>
    <message>
        <source>Task Bar</source>
        <translation>Barre des tâches</translation>
    </message>
    <message>
        <source>VGA Mode</source>
        <translation>Mode VGA</translation>
    </message>
</context>
<context>
    <name>CSetupWidget</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>The DVR model %1 is unknown.</source>
        <translation>Le modèle de DVR %1 est inconnu.</translation>
    </message>
    <message>
        <source>A DVR with %1 channels is unknown.</source>
        <translation>Aucun DVR à %1 canaux n&apos;est connu.</translation>
    </message>
    <message>
        <source>The DVR did not answer.</source>
        <translation>Le DVR n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The DVR&apos;s answer is not a configuration.</source>
        <translation>La réponse du DVR n&apos;est pas une configuration.</translation>
    </message>
    <message>
        <source>The DVR refused the request: %1</source>
        <translation>Le DVR a refusé la requête : %1</translation>
    </message>
    <message>
        <source>A DVR of the old protocol has no configuration to read.</source>
        <translation>Un DVR à l&apos;ancien protocole n&apos;a pas de configuration à lire.</translation>
    </message>
    <message>
        <source>The pages show the default settings.</source>
        <translation>Les pages affichent les réglages par défaut.</translation>
    </message>
    <message>
        <source>The pages keep their settings.</source>
        <translation>Les pages conservent leurs réglages.</translation>
    </message>
    <message>
        <source>DVR Setup</source>
        <translation>Réglages du DVR</translation>
    </message>
    <message>
        <source>The DVR configuration could not be read.</source>
        <translation>La configuration du DVR n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>The configuration is still being sent to the DVR; nothing more was sent.</source>
        <translation>La configuration est encore en cours d&apos;envoi au DVR ; rien de plus n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The transmission error occured!</source>
        <translation>Une erreur de transmission s&apos;est produite !</translation>
    </message>
    <message>
        <source>The DVR configuration is correctly transfered!</source>
        <translation>La configuration du DVR a été transférée correctement !</translation>
    </message>
    <message>
        <source>Please select a configuration file.</source>
        <translation>Veuillez choisir un fichier de configuration.</translation>
    </message>
    <message>
        <source>Config (*.conf)</source>
        <translation>Configuration (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not saved: a configuration file name ends in &quot;.conf&quot;.</source>
        <translation>Le fichier %1 n&apos;a pas été enregistré : le nom d&apos;un fichier de configuration se termine par « .conf ».</translation>
    </message>
    <message>
        <source>%1 was not saved: %2</source>
        <translation>Le fichier %1 n&apos;a pas été enregistré : %2</translation>
    </message>
    <message>
        <source>Configs (*.conf)</source>
        <translation>Configurations (*.conf)</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>Le fichier %1 n&apos;a pas été ouvert : %2</translation>
    </message>
</context>
<context>
    <name>CSnapshotView</name>
    <message>
        <source>The image %1 cannot be read (%2).</source>
        <translation>L&apos;image %1 ne peut pas être lue (%2).</translation>
    </message>
</context>
<context>
    <name>CTimeLine</name>
    <message>
        <source>ALL</source>
        <translation>TOUS</translation>
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
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>The upgrade is failed!</source>
        <translation>La mise à jour a échoué !</translation>
    </message>
    <message>
        <source>The upgrade is completed!</source>
        <translation>La mise à jour est terminée !</translation>
    </message>
</context>
<context>
    <name>CWaitDialog</name>
    <message>
        <source>Please wait a minute.</source>
        <translation>Veuillez patienter un instant.</translation>
    </message>
</context>
<context>
    <name>CWholeFileWriter</name>
    <message>
        <source>%1 was saved, but the system could not confirm that it is on the disk (%2).</source>
        <translation>Le fichier %1 a été enregistré, mais le système n&apos;a pas pu confirmer qu&apos;il est sur le disque (%2).</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
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
        <translation>Le fichier a changé pendant l&apos;envoi</translation>
    </message>
</context>
<context>
    <name>UpLoader</name>
    <message>
        <source>Error: can&apos;t open file %1</source>
        <translation>Erreur : impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Network error: %1</source>
        <translation>Erreur réseau : %1</translation>
    </message>
</context>
<context>
    <name>Viewer</name>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>The image has been saved.</source>
        <translation>L&apos;image a été enregistrée.</translation>
    </message>
    <message>
        <source>The image could not be saved.</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Veuillez choisir un dossier.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Capture Images (*.png *.jpg)</source>
        <translation>Images capturées (*.png *.jpg)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Impossible d&apos;écrire le fichier %1 :
%2.</translation>
    </message>
    <message>
        <source>File saved</source>
        <translation>Fichier enregistré</translation>
    </message>
    <message>
        <source>The image has been saved, but the system could not confirm that it is on the disk.</source>
        <translation>L&apos;image a été enregistrée, mais le système n&apos;a pas pu confirmer qu&apos;elle est sur le disque.</translation>
    </message>
</context>
<context>
    <name>ViewerClass</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Live S</source>
        <translation>Direct S</translation>
    </message>
    <message>
        <source>Live M</source>
        <translation>Direct M</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>E-Map</source>
        <translation>E-Map</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>PC Setup</source>
        <translation>Config. PC</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Setup Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Apply All</source>
        <translation>Tout appliquer</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Date &amp;&amp; Time</source>
        <translation>Date &amp;&amp; heure</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
</TS>
