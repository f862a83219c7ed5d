<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CloneFile</name>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Données de sauvegarde indisponibles, veuillez patienter</translation>
    </message>
    <message>
        <source>Saving Parameters</source>
        <translation>Sauvegarde des paramètres</translation>
    </message>
    <message>
        <source>saving all</source>
        <translation>la sauvegarde complète</translation>
    </message>
    <message>
        <source>no file was written</source>
        <translation>aucun fichier n&apos;a été écrit</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration was saved to %1.</source>
        <translation>La configuration du boîtier a été sauvegardée dans %1.</translation>
    </message>
    <message>
        <source>writing the clone file</source>
        <translation>l&apos;écriture du fichier de clonage</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>la programmation</translation>
    </message>
    <message>
        <source>the clone write</source>
        <translation>l&apos;écriture du clonage dans le boîtier</translation>
    </message>
    <message>
        <source>Programming the NORVA</source>
        <translation>Programmation du NORVA</translation>
    </message>
    <message>
        <source>Also write the engine&apos;s counters (cycle count, total time): only to restore this unit&apos;s own backup</source>
        <translation>Écrire aussi les compteurs de la turbine (nombre de cycles, temps total)&#xa0;: seulement pour restaurer une sauvegarde de ce même boîtier</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Données de sauvegarde indisponibles, veuillez patienter</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>The run log was not whole after %1 bytes (%2)</source>
        <translation>Le journal de fonctionnement était incomplet après %1 octets (%2)</translation>
    </message>
    <message>
        <source>downloading</source>
        <translation>le téléchargement</translation>
    </message>
    <message>
        <source>The raw run log could not be kept in %1.</source>
        <translation>Le journal de fonctionnement brut n&apos;a pas pu être conservé dans %1.</translation>
    </message>
    <message>
        <source>The run log cannot be kept in the working folder %1; nothing was sent.</source>
        <translation>Le journal de fonctionnement ne peut pas être conservé dans le dossier de travail %1&#xa0;; rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>, asked twice; nothing was exported.</source>
        <translation>, demandé deux fois&#xa0;; rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were received; nothing was exported</source>
        <translation>%1 octets sur %2 ont été reçus&#xa0;; rien n&apos;a été exporté</translation>
    </message>
    <message>
        <source>The run log could not be read: %1; nothing was exported.</source>
        <translation>Le journal de fonctionnement n&apos;a pas pu être lu&#xa0;: %1&#xa0;; rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>The download was kept as %1; no file was exported.</source>
        <translation>Le téléchargement a été conservé sous %1&#xa0;; aucun fichier n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>The unit stayed in normal mode for %1 s after the download command</source>
        <translation>Le boîtier est resté en mode normal pendant %1 s après la commande de téléchargement</translation>
    </message>
    <message>
        <source>The download could not be kept with the recent downloads: %1</source>
        <translation>Le téléchargement n&apos;a pas pu être conservé avec les téléchargements récents&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1. The download was kept as %2.</source>
        <translation>%1. Le téléchargement a été conservé sous %2.</translation>
    </message>
</context>
<context>
    <name>EngineReport</name>
    <message>
        <source>Peak start EGT (C)</source>
        <translation>EGT max. démarrage (C)</translation>
    </message>
    <message>
        <source>Time to idle (s)</source>
        <translation>Montée au ralenti (s)</translation>
    </message>
    <message>
        <source>Time from light-off (s)</source>
        <translation>Temps depuis l&apos;allumage (s)</translation>
    </message>
    <message>
        <source>Idle EGT (C)</source>
        <translation>EGT ralenti (C)</translation>
    </message>
    <message>
        <source>Idle pump (%)</source>
        <translation>Pompe ralenti (%)</translation>
    </message>
    <message>
        <source>Full-throttle EGT (C)</source>
        <translation>EGT plein gaz (C)</translation>
    </message>
    <message>
        <source>Full-throttle pump (%)</source>
        <translation>Pompe plein gaz (%)</translation>
    </message>
    <message>
        <source> over %1 runs</source>
        <translation> sur %1 marches</translation>
    </message>
    <message>
        <source>nothing measured yet</source>
        <translation>aucune mesure pour l&apos;instant</translation>
    </message>
    <message>
        <source>Engine report: %1</source>
        <translation>Rapport turbine&#xa0;: %1</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>n° de série %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>texte d&apos;accueil «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The unit&apos;s count: %1 cycles, %2 minutes in total (newest download)</source>
        <translation>Compteur du boîtier&#xa0;: %1 cycles, %2 minutes au total (dernier téléchargement)</translation>
    </message>
    <message>
        <source> since the service</source>
        <translation> depuis l&apos;entretien</translation>
    </message>
    <message>
        <source> (%1 s from light-off)</source>
        <translation> (%1 s après l&apos;allumage)</translation>
    </message>
    <message>
        <source>No measured start yet: no baseline.</source>
        <translation>Aucun démarrage mesuré pour l&apos;instant&#xa0;: pas de référence.</translation>
    </message>
    <message>
        <source>SHIFT: %1</source>
        <translation>DÉRIVE&#xa0;: %1</translation>
    </message>
    <message>
        <source>Flagged runs and events</source>
        <translation>Marches signalées et événements</translation>
    </message>
    <message>
        <source>%1  cycle %2: %3  (%4)</source>
        <translation>%1  cycle %2&#xa0;: %3  (%4)</translation>
    </message>
    <message>
        <source>; dotted: the baseline</source>
        <translation>; pointillés : la référence</translation>
    </message>
    <message>
        <source>; squares: flagged</source>
        <translation>; carrés : signalé</translation>
    </message>
    <message>
        <source>Runs: %1    starts measured: %2    minutes of running: %3    flagged runs: %4    events: %5</source>
        <translation>Marches&#xa0;: %1    démarrages mesurés&#xa0;: %2    minutes de fonctionnement&#xa0;: %3    marches signalées&#xa0;: %4    événements&#xa0;: %5</translation>
    </message>
    <message>
        <source>Last service: %1; since then %2 runs, %3 minutes of running</source>
        <translation>Dernier entretien&#xa0;: %1&#xa0;; depuis, %2 marches, %3 minutes de fonctionnement</translation>
    </message>
    <message>
        <source>Baseline (median of the first %1 measured starts%2): peak start EGT %3 C, time to idle %4 s%5</source>
        <translation>Référence (médiane des %1 premiers démarrages mesurés%2)&#xa0;: EGT max. démarrage %3 C, montée au ralenti %4 s%5</translation>
    </message>
    <message>
        <source>Flagged: a start at the unit&apos;s EGT limit, more than %1 C hotter than the baseline, or taking more than %2 times as long to idle.</source>
        <translation>Signalé&#xa0;: un démarrage à la limite d&apos;EGT du boîtier, de plus de %1 C plus chaud que la référence, ou mettant plus de %2 fois plus longtemps à atteindre le ralenti.</translation>
    </message>
</context>
<context>
    <name>FactoryCommands</name>
    <message>
        <source>Hardware test: step %1 of %2</source>
        <translation>Test du matériel&#xa0;: étape %1 sur %2</translation>
    </message>
    <message>
        <source>testing the hardware (step %1 of %2)</source>
        <translation>le test du matériel (étape %1 sur %2)</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>the cells written so far were </source>
        <translation>les cellules écrites jusqu&apos;ici ont été </translation>
    </message>
    <message>
        <source>writing address %1</source>
        <translation>l&apos;écriture de l&apos;adresse %1</translation>
    </message>
    <message>
        <source>setting the maximum speed</source>
        <translation>le réglage de la vitesse maximale</translation>
    </message>
    <message>
        <source>Max. Authorized R.P.M.</source>
        <translation>R.P.M. max. autorisé</translation>
    </message>
    <message>
        <source>Input the desired Maximum Authorized R.P.M. value in thousands</source>
        <translation>Saisissez la valeur R.P.M. maximale autorisée souhaitée, en milliers</translation>
    </message>
    <message>
        <source>calibrating the temperature</source>
        <translation>l&apos;étalonnage de la température</translation>
    </message>
    <message>
        <source>both calibration cells were cleared</source>
        <translation>les deux cellules d&apos;étalonnage ont été effacées</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>la programmation</translation>
    </message>
    <message>
        <source>Programming the NORVA</source>
        <translation>Programmation du NORVA</translation>
    </message>
    <message>
        <source>the fast setup</source>
        <translation>la configuration rapide</translation>
    </message>
    <message>
        <source>testing the hardware</source>
        <translation>le test du matériel</translation>
    </message>
    <message>
        <source>the unit could not be put back as it was</source>
        <translation>le boîtier n&apos;a pas pu être remis dans son état initial</translation>
    </message>
    <message>
        <source>; the values it held before were put back</source>
        <translation>; les valeurs qu&apos;il contenait auparavant ont été rétablies</translation>
    </message>
    <message>
        <source>The hardware test read no current at step 3; %1.</source>
        <translation>Le test du matériel n&apos;a lu aucun courant à l&apos;étape 3&#xa0;; %1.</translation>
    </message>
    <message>
        <source>; the values the unit held before the test were put back</source>
        <translation>; les valeurs que le boîtier contenait avant le test ont été rétablies</translation>
    </message>
    <message>
        <source>Stop the engine and let it cool below 100 °C first.</source>
        <translation>Arrêtez d&apos;abord la turbine et laissez-la refroidir sous 100 °C.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no speed: give the thousands of RPM as a number from 0 to 255. Nothing was sent.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une vitesse&#xa0;: indiquez les milliers de RPM par un nombre de 0 à 255. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The unit did not clear its temperature calibration, so nothing was calibrated%1.</source>
        <translation>Le boîtier n&apos;a pas effacé son étalonnage de température, donc rien n&apos;a été étalonné%1.</translation>
    </message>
    <message>
        <source>the values the unit held before the test were put back</source>
        <translation>les valeurs que le boîtier contenait avant le test ont été rétablies</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1: the engine did not run</source>
        <translation>%1 : la turbine n&apos;a pas tourné</translation>
    </message>
    <message>
        <source>cannot write the picture %1</source>
        <translation>impossible d&apos;écrire l&apos;image %1</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>too large for this kind of file (more than %1 bytes)</source>
        <translation>trop grand pour ce type de fichier (plus de %1 octets)</translation>
    </message>
    <message>
        <source>more than %1 values; this file holds %1</source>
        <translation>plus de %1 valeurs ; ce fichier en contient %1</translation>
    </message>
    <message>
        <source>the file ends after %1 values; it must hold %2</source>
        <translation>le fichier s&apos;arrête après %1 valeurs ; il doit en contenir %2</translation>
    </message>
    <message>
        <source>an output file needs a name</source>
        <translation>un fichier de sortie doit avoir un nom</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>no permission to write it</source>
        <translation>pas le droit de l&apos;écrire</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>son dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>its folder is not a folder</source>
        <translation>son dossier n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>no permission to write in its folder</source>
        <translation>pas le droit d&apos;écrire dans son dossier</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2 for %3, found %4</source>
        <translation>nombre entier de %1 à %2 attendu pour %3, au lieu de %4</translation>
    </message>
    <message>
        <source>expected a number, found %1</source>
        <translation>nombre attendu, au lieu de %1</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>ne peut pas être écrit : %1</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>ce qui a été écrit ne se relit pas tel quel</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>Gauges</name>
    <message>
        <source>Engine speed</source>
        <translation>Régime turbine</translation>
    </message>
    <message>
        <source> RPM</source>
        <translation> RPM</translation>
    </message>
    <message>
        <source>Exhaust gas temperature</source>
        <translation>Température d&apos;échappement</translation>
    </message>
    <message>
        <source>Stick position</source>
        <translation>Position du manche</translation>
    </message>
    <message>
        <source>Pump power</source>
        <translation>Puissance pompe</translation>
    </message>
    <message>
        <source>Battery current</source>
        <translation>Courant batterie</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <translation>Tension batterie</translation>
    </message>
    <message>
        <source>Terminal line 1:</source>
        <translation>Ligne 1 du terminal&#xa0;:</translation>
    </message>
    <message>
        <source>Terminal line 2:</source>
        <translation>Ligne 2 du terminal&#xa0;:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Data Backup= 100%</source>
        <translation>Sauvegarde= 100%</translation>
    </message>
    <message>
        <source>Data Backup= </source>
        <translation>Sauvegarde= </translation>
    </message>
</context>
<context>
    <name>HidBackend</name>
    <message>
        <source>USB unit</source>
        <translation>Boîtier USB</translation>
    </message>
    <message>
        <source>Replay of %1 at x%2</source>
        <translation>Rejeu de %1 à x%2</translation>
    </message>
    <message>
        <source>Simulated unit</source>
        <translation>Boîtier simulé</translation>
    </message>
</context>
<context>
    <name>LogDownload</name>
    <message>
        <source>serial number %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>texte d&apos;accueil «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Carnet de bord</translation>
    </message>
    <message>
        <source>This unit (%1) is new to the logbook. The engine&apos;s name:%2</source>
        <translation>Ce boîtier (%1) est nouveau dans le carnet de bord. Nom de la turbine&#xa0;:%2</translation>
    </message>
    <message>
        <source>
(known: %1)</source>
        <translation>
(connues&#xa0;: %1)</translation>
    </message>
    <message>
        <source>The download was not added to the logbook.</source>
        <translation>Le téléchargement n&apos;a pas été ajouté au carnet de bord.</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <translation>%1 (n° de série %2)</translation>
    </message>
    <message>
        <source>%1 (%2 unit)</source>
        <translation>%1 (boîtier %2)</translation>
    </message>
    <message>
        <source>New engine</source>
        <translation>Nouvelle turbine</translation>
    </message>
    <message>
        <source>; the download was not logged.</source>
        <translation>; le téléchargement n&apos;a pas été inscrit au carnet de bord.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is another unit&apos;s engine: this unit&apos;s downloads go to &quot;%2&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» est la turbine d&apos;un autre boîtier&#xa0;: les téléchargements de ce boîtier vont dans «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>LogbookCommands</name>
    <message>
        <source>no engine named &quot;%1&quot; in the logbook %2</source>
        <translation>aucune turbine nommée « %1 » dans le carnet de bord %2</translation>
    </message>
    <message>
        <source>--engine needs a name, not blanks</source>
        <translation>--engine veut un nom, pas des espaces</translation>
    </message>
    <message>
        <source>%1; the file was not imported</source>
        <translation>%1 ; le fichier n&apos;a pas été importé</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>LogbookWindow</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Signalé</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Length s</source>
        <translation>Durée s</translation>
    </message>
    <message>
        <source>Idle after s</source>
        <translation>Ralenti après s</translation>
    </message>
    <message>
        <source>Start EGT C</source>
        <translation>EGT démarrage C</translation>
    </message>
    <message>
        <source>Max RPM</source>
        <translation>RPM max</translation>
    </message>
    <message>
        <source>Max EGT C</source>
        <translation>EGT max C</translation>
    </message>
    <message>
        <source>Mean pump %</source>
        <translation>Pompe moy. %</translation>
    </message>
</context>
<context>
    <name>Maintenance</name>
    <message>
        <source>setting the serial number</source>
        <translation>le réglage du numéro de série</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Set engine serial number</source>
        <translation>Définir le numéro de série de la turbine</translation>
    </message>
    <message>
        <source>clearing the service timer</source>
        <translation>la remise à zéro du compteur d&apos;entretien</translation>
    </message>
    <message>
        <source>Clear the service timer?</source>
        <translation>Remettre à zéro le compteur d&apos;entretien&#xa0;?</translation>
    </message>
    <message>
        <source>clearing the timers</source>
        <translation>la remise à zéro des compteurs</translation>
    </message>
    <message>
        <source>This unit keeps no serial number or timers: only units whose configuration streams downwards do.</source>
        <translation>Ce boîtier ne garde ni numéro de série ni compteurs&#xa0;: seuls les boîtiers dont la configuration arrive en ordre descendant en ont.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no serial number: give a whole number from 0 to 65535. Nothing was sent.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un numéro de série&#xa0;: indiquez un nombre entier de 0 à 65535. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Clear all timers? The cycle count and the total engine time become 0.</source>
        <translation>Remettre à zéro tous les compteurs&#xa0;? Le nombre de cycles et le temps total de la turbine passent à 0.</translation>
    </message>
</context>
<context>
    <name>OperationTools</name>
    <message>
        <source>The unit was lost while %1: %2.</source>
        <translation>Le boîtier a été perdu pendant %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cancelled while %1: %2.</source>
        <translation>Annulé pendant %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The unit did not answer while %1: %2.</source>
        <translation>Le boîtier n&apos;a pas répondu pendant %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 of %2 reports were sent</source>
        <translation>%1 rapports sur %2 ont été envoyés</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Rien n&apos;a été envoyé.</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>Saving Parameters</source>
        <translation>Sauvegarde des paramètres</translation>
    </message>
    <message>
        <source>reading address %1</source>
        <translation>la lecture de l&apos;adresse %1</translation>
    </message>
    <message>
        <source>The unit&apos;s 71 parameters were saved to %1.</source>
        <translation>Les 71 paramètres du boîtier ont été sauvegardés dans %1.</translation>
    </message>
    <message>
        <source>writing parameters</source>
        <translation>l&apos;écriture des paramètres</translation>
    </message>
    <message>
        <source>reading its access level</source>
        <translation>la lecture de son niveau d&apos;accès</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Norva Write Protected</source>
        <translation>Norva protégé en écriture</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>la programmation</translation>
    </message>
    <message>
        <source>the parameter write</source>
        <translation>l&apos;écriture des paramètres</translation>
    </message>
    <message>
        <source>%1 of %2 values were read; no file was written</source>
        <translation>%1 valeurs sur %2 ont été lues&#xa0;; aucun fichier n&apos;a été écrit</translation>
    </message>
    <message>
        <source>address %1</source>
        <translation>adresse %1</translation>
    </message>
</context>
<context>
    <name>RunCommand</name>
    <message>
        <source>no translation into &apos;%1&apos; (there are: %2); English is used</source>
        <translation>pas de traduction en « %1 » (disponibles : %2) ; l&apos;anglais est utilisé</translation>
    </message>
</context>
<context>
    <name>RunningOperation</name>
    <message>
        <source>No unit is connected.</source>
        <translation>Aucun boîtier n&apos;est connecté.</translation>
    </message>
    <message>
        <source>Another operation is still running. Wait until it has finished, or cancel it with Escape in its window.</source>
        <translation>Une autre opération est encore en cours. Attendez qu&apos;elle se termine, ou annulez-la avec Escape dans sa fenêtre.</translation>
    </message>
</context>
<context>
    <name>SummaryCommand</name>
    <message>
        <source>%1 of 256 bytes</source>
        <translation>%1 octets sur 256</translation>
    </message>
    <message>
        <source>the unit&apos;s configuration did not arrive within %1 s (%2; %3)</source>
        <translation>la configuration du boîtier n&apos;est pas arrivée en %1 s (%2 ; %3)</translation>
    </message>
</context>
<context>
    <name>WaitTexts</name>
    <message>
        <source>no unit was found within %1 s</source>
        <translation>aucun boîtier trouvé en %1 s</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the unit.</source>
        <translation>Annulé pendant l&apos;attente du boîtier.</translation>
    </message>
    <message>
        <source>Cancelled while waiting for the unit&apos;s configuration (%1 of 256 bytes).</source>
        <translation>Annulé pendant l&apos;attente de la configuration du boîtier (%1 octets sur 256).</translation>
    </message>
    <message>
        <source>the unit was lost while its configuration arrived (%1 of 256 bytes)</source>
        <translation>le boîtier a été perdu pendant l&apos;arrivée de sa configuration (%1 octets sur 256)</translation>
    </message>
</context>
<context>
    <name>WriteGate</name>
    <message>
        <source>Reading the unit&apos;s configuration %1%</source>
        <translation>Lecture de la configuration du boîtier %1%</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration did not arrive whole while %1 (%2).</source>
        <translation>La configuration du boîtier n&apos;est pas arrivée complète pendant %1 (%2).</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration before this write is kept in %1</source>
        <translation>La configuration du boîtier avant cette écriture est conservée dans %1</translation>
    </message>
    <message>
        <source>address %1 did not come back</source>
        <translation>l&apos;adresse %1 n&apos;a pas été relue</translation>
    </message>
    <message>
        <source>address %1 holds %2 (%3 was sent)</source>
        <translation>l&apos;adresse %1 contient %2 (%3 envoyé)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>%1 of %2 values confirmed by the unit</source>
        <translation>%1 valeurs sur %2 confirmées par le boîtier</translation>
    </message>
    <message>
        <source>Confirming the write</source>
        <translation>Confirmation de l&apos;écriture</translation>
    </message>
    <message>
        <source>Written, not confirmed: the check was cancelled (%1).</source>
        <translation>Écrit, non confirmé&#xa0;: la vérification a été annulée (%1).</translation>
    </message>
    <message>
        <source>confirming </source>
        <translation>la confirmation de </translation>
    </message>
    <message>
        <source>everything was sent, </source>
        <translation>tout a été envoyé, </translation>
    </message>
    <message>
        <source>The unit does not hold what was written: </source>
        <translation>Le boîtier ne contient pas ce qui a été écrit&#xa0;: </translation>
    </message>
    <message>
        <source>Written and confirmed by the unit: %1 values</source>
        <translation>Écrit et confirmé par le boîtier&#xa0;: %1 valeurs</translation>
    </message>
    <message>
        <source>The unit already holds these values: nothing was sent.</source>
        <translation>Le boîtier contient déjà ces valeurs&#xa0;: rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>1 change</source>
        <translation>1 modification</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 modifications</translation>
    </message>
    <message>
        <source>Also written:</source>
        <translation>Également écrits&#xa0;:</translation>
    </message>
    <message>
        <source>Kept as the unit holds them, unless asked:</source>
        <translation>Conservés tels que dans le boîtier, sauf demande&#xa0;:</translation>
    </message>
    <message>
        <source>Write this change?</source>
        <translation>Écrire cette modification&#xa0;?</translation>
    </message>
    <message>
        <source>Write these %1 changes?</source>
        <translation>Écrire ces %1 modifications&#xa0;?</translation>
    </message>
    <message>
        <source>; nothing was sent (dry run).</source>
        <translation>; rien n&apos;a été envoyé (essai à blanc).</translation>
    </message>
    <message>
        <source>%1 of 255 bytes of its configuration had come; nothing was written</source>
        <translation>%1 octets sur 255 de sa configuration étaient arrivés&#xa0;; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>The unit&apos;s configuration could not be kept before writing: %1: nothing was sent.</source>
        <translation>La configuration du boîtier n&apos;a pas pu être conservée avant l&apos;écriture&#xa0;: %1&#xa0;: rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>A replay is playing: stop it to write to a unit.</source>
        <translation>Un rejeu est en cours&#xa0;: arrêtez-le pour écrire dans un boîtier.</translation>
    </message>
    <message>
        <source>Stop the engine first.</source>
        <translation>Arrêtez d&apos;abord la turbine.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display: run with a desktop session or use a command</source>
        <translation>pas d&apos;affichage : lancez-le dans une session de bureau ou utilisez une commande</translation>
    </message>
</context>
<context>
    <name>norva::App</name>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>norva::ChartRun</name>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1 : ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>%1: the point could not be recorded: %2</source>
        <translation>%1 : le point n&apos;a pas pu être enregistré : %2</translation>
    </message>
</context>
<context>
    <name>norva::CloneImage</name>
    <message>
        <source>address %1</source>
        <translation>adresse %1</translation>
    </message>
</context>
<context>
    <name>norva::CommandLine</name>
    <message>
        <source>Ground support for the NORVA engine control unit: the main window, or one command without windows.</source>
        <translation>Programme au sol pour le boîtier de commande de turbine NORVA : la fenêtre principale, ou une seule commande sans fenêtre.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>print this help, or a command&apos;s with COMMAND --help</source>
        <translation>afficher cette aide, ou celle d&apos;une commande avec COMMAND --help</translation>
    </message>
    <message>
        <source>print the program&apos;s version</source>
        <translation>afficher la version du programme</translation>
    </message>
    <message>
        <source>hid (default), sim[:OPTION]..., tcp:HOST:PORT or replay:FILE.txt[:speed=N]; the simulated unit&apos;s options: downward, rate=N, answer=K, burst=N, queue=N, preamble=N, silent-after=N, refuse-writes=A,B-C, unplug-after=N, engine=off; a replay plays an exported run log N times real time (1 to 32)</source>
        <translation>hid (par défaut), sim[:OPTION]..., tcp:HOST:PORT ou replay:FILE.txt[:speed=N] ; options du boîtier simulé : downward, rate=N, answer=K, burst=N, queue=N, preamble=N, silent-after=N, refuse-writes=A,B-C, unplug-after=N, engine=off ; un rejeu lit un journal de fonctionnement exporté à N fois le temps réel (1 à 32)</translation>
    </message>
    <message>
        <source>settings file instead of the user&apos;s norva10.ini</source>
        <translation>fichier de réglages à la place du norva10.ini de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>how long a command looks for the unit (10 s unless given)</source>
        <translation>durée de recherche du boîtier par une commande (10 s par défaut)</translation>
    </message>
    <message>
        <source>the language of the windows and messages, e.g. de, es or fr (the system&apos;s unless given; English where the program has none)</source>
        <translation>langue des fenêtres et des messages, p. ex. de, es ou fr (celle du système par défaut ; l&apos;anglais si le programme n&apos;a pas cette langue)</translation>
    </message>
    <message>
        <source>open the main window, wait for the unit&apos;s configuration (at most 15 s), save a picture of the window and exit</source>
        <translation>ouvrir la fenêtre principale, attendre la configuration du boîtier (15 s au plus), enregistrer une image de la fenêtre et quitter</translation>
    </message>
    <message>
        <source>--unit-wait takes seconds from more than 0 to 3600, not &apos;%1&apos;</source>
        <translation>--unit-wait prend des secondes, de plus de 0 à 3600, pas « %1 »</translation>
    </message>
    <message>
        <source>--screenshot is for the main window only</source>
        <translation>--screenshot ne vaut que pour la fenêtre principale</translation>
    </message>
    <message>
        <source>this command reads files, not a unit: leave out --device</source>
        <translation>cette commande lit des fichiers, pas un boîtier : omettez --device</translation>
    </message>
    <message>
        <source>%1 needs a speed in RPM, a whole number, not &apos;%2&apos;</source>
        <translation>%1 attend une vitesse en RPM, un nombre entier, pas « %2 »</translation>
    </message>
    <message>
        <source>%1 needs a temperature in C, a whole number, not &apos;%2&apos;</source>
        <translation>%1 attend une température en C, un nombre entier, pas « %2 »</translation>
    </message>
    <message>
        <source>give either --reports or --seconds, not both</source>
        <translation>indiquez --reports ou --seconds, pas les deux</translation>
    </message>
    <message>
        <source>--reports needs a positive whole number, not &apos;%1&apos;</source>
        <translation>--reports attend un nombre entier positif, pas « %1 »</translation>
    </message>
    <message>
        <source>--seconds takes seconds from more than 0 to 86400 (a day), not &apos;%1&apos;</source>
        <translation>--seconds prend des secondes, de plus de 0 à 86400 (un jour), pas « %1 »</translation>
    </message>
    <message>
        <source>%1 needs a number of minutes, not &apos;%2&apos;</source>
        <translation>%1 attend un nombre de minutes, pas « %2 »</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>COMMANDE</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>COMMANDES</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>OBLIGATOIRE</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez « %1 --help ».</translation>
    </message>
    <message>
        <source>comma-separated values with a header line</source>
        <translation>valeurs séparées par des virgules, avec une ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>write without first keeping the unit&apos;s configuration in ~/.local/share/norva/backups</source>
        <translation>écrire sans conserver d&apos;abord la configuration du boîtier dans ~/.local/share/norva/backups</translation>
    </message>
    <message>
        <source>list what the write would change in the unit (on standard output), send nothing</source>
        <translation>lister ce que l&apos;écriture changerait dans le boîtier (sur la sortie standard), sans rien envoyer</translation>
    </message>
    <message>
        <source>also write the file&apos;s engine counters (cycle count, total time): only to restore this unit&apos;s own backup</source>
        <translation>écrire aussi les compteurs de turbine du fichier (nombre de cycles, temps total) : seulement pour restaurer une sauvegarde de ce même boîtier</translation>
    </message>
    <message>
        <source>print one line per report from the unit, without windows</source>
        <translation>afficher une ligne par rapport reçu du boîtier, sans fenêtre</translation>
    </message>
    <message>
        <source>stop after N lines</source>
        <translation>s&apos;arrêter après N lignes</translation>
    </message>
    <message>
        <source>stop after S seconds</source>
        <translation>s&apos;arrêter après S secondes</translation>
    </message>
    <message>
        <source>wait for the unit&apos;s configuration (at most 30 s) and print the parameter summary, frame by frame</source>
        <translation>attendre la configuration du boîtier (30 s au plus) et afficher le résumé des paramètres, trame par trame</translation>
    </message>
    <message>
        <source>summarise a clone file instead of a unit</source>
        <translation>résumer un fichier de clonage au lieu d&apos;un boîtier</translation>
    </message>
    <message>
        <source>summary --image reads a file, not a unit: leave out --device</source>
        <translation>summary --image lit un fichier, pas un boîtier : omettez --device</translation>
    </message>
    <message>
        <source>the unit&apos;s whole configuration (addresses 16..255)</source>
        <translation>la configuration complète du boîtier (adresses 16..255)</translation>
    </message>
    <message>
        <source>save the unit&apos;s configuration to a clone file</source>
        <translation>sauvegarder la configuration du boîtier dans un fichier de clonage</translation>
    </message>
    <message>
        <source>the clone file to write</source>
        <translation>le fichier de clonage à écrire</translation>
    </message>
    <message>
        <source>write a clone file into the unit</source>
        <translation>écrire un fichier de clonage dans le boîtier</translation>
    </message>
    <message>
        <source>the clone file to read</source>
        <translation>le fichier de clonage à lire</translation>
    </message>
    <message>
        <source>the unit&apos;s 71 parameters</source>
        <translation>les 71 paramètres du boîtier</translation>
    </message>
    <message>
        <source>save the unit&apos;s parameters to a file</source>
        <translation>sauvegarder les paramètres du boîtier dans un fichier</translation>
    </message>
    <message>
        <source>the parameter file to write</source>
        <translation>le fichier de paramètres à écrire</translation>
    </message>
    <message>
        <source>write a parameter file into the unit</source>
        <translation>écrire un fichier de paramètres dans le boîtier</translation>
    </message>
    <message>
        <source>the parameter file to read</source>
        <translation>le fichier de paramètres à lire</translation>
    </message>
    <message>
        <source>set the engine serial number (downward units)</source>
        <translation>définir le numéro de série de la turbine (boîtiers de type downward)</translation>
    </message>
    <message>
        <source>the serial number, 0 to 65535</source>
        <translation>le numéro de série, de 0 à 65535</translation>
    </message>
    <message>
        <source>clear the unit&apos;s timers (downward units)</source>
        <translation>remettre à zéro les compteurs du boîtier (boîtiers de type downward)</translation>
    </message>
    <message>
        <source>clear every timer, the cycle count and the engine time</source>
        <translation>remettre à zéro tous les compteurs, le nombre de cycles et le temps de la turbine</translation>
    </message>
    <message>
        <source>clear the service timer</source>
        <translation>remettre à zéro le compteur d&apos;entretien</translation>
    </message>
    <message>
        <source>the factory&apos;s commands</source>
        <translation>les commandes d&apos;usine</translation>
    </message>
    <message>
        <source>set the maximum authorized speed</source>
        <translation>définir la vitesse maximale autorisée</translation>
    </message>
    <message>
        <source>thousands of RPM, 0 to 255</source>
        <translation>milliers de RPM, de 0 à 255</translation>
    </message>
    <message>
        <source>set the terminal&apos;s menu access</source>
        <translation>définir l&apos;accès aux menus du terminal</translation>
    </message>
    <message>
        <source>restricted or full</source>
        <translation>restricted ou full</translation>
    </message>
    <message>
        <source>set the start mode</source>
        <translation>définir le mode de démarrage</translation>
    </message>
    <message>
        <source>manual, gas or kero</source>
        <translation>manual, gas ou kero</translation>
    </message>
    <message>
        <source>calibrate the temperature at the ambient given</source>
        <translation>étalonner la température sur l&apos;ambiante indiquée</translation>
    </message>
    <message>
        <source>the ambient temperature in C (22 unless given)</source>
        <translation>la température ambiante en C (22 par défaut)</translation>
    </message>
    <message>
        <source>cal-temp needs the ambient temperature in C, not &apos;%1&apos;</source>
        <translation>cal-temp attend la température ambiante en C, pas « %1 »</translation>
    </message>
    <message>
        <source>write a clone file into the unit, then calibrate</source>
        <translation>écrire un fichier de clonage dans le boîtier, puis étalonner</translation>
    </message>
    <message>
        <source>run the hardware test and print its result</source>
        <translation>lancer le test du matériel et afficher son résultat</translation>
    </message>
    <message>
        <source>the acceleration and deceleration ramps</source>
        <translation>les rampes d&apos;accélération et de décélération</translation>
    </message>
    <message>
        <source>save the unit&apos;s ramps to a file</source>
        <translation>sauvegarder les rampes du boîtier dans un fichier</translation>
    </message>
    <message>
        <source>the ramp file to write</source>
        <translation>le fichier de rampes à écrire</translation>
    </message>
    <message>
        <source>write a ramp file into the unit, checked afterwards</source>
        <translation>écrire un fichier de rampes dans le boîtier, avec vérification ensuite</translation>
    </message>
    <message>
        <source>the ramp file to read</source>
        <translation>le fichier de rampes à lire</translation>
    </message>
    <message>
        <source>print a ramp file&apos;s table with its relative speeds, without a unit</source>
        <translation>afficher le tableau d&apos;un fichier de rampes avec ses vitesses relatives, sans boîtier</translation>
    </message>
    <message>
        <source>and its chart as a picture</source>
        <translation>et sa courbe en image</translation>
    </message>
    <message>
        <source>the unit&apos;s run log (the last 51 minutes) to a text file, with its configuration at the end; kept in the engine logbook too</source>
        <translation>le journal de fonctionnement du boîtier (les 51 dernières minutes) dans un fichier texte, avec sa configuration à la fin ; conservé aussi dans le carnet de bord</translation>
    </message>
    <message>
        <source>the export file to write</source>
        <translation>le fichier d&apos;export à écrire</translation>
    </message>
    <message>
        <source>the logbook&apos;s engine (the unit&apos;s own when known, else one named with its welcome text)</source>
        <translation>la turbine du carnet de bord (celle du boîtier si elle est connue, sinon une turbine nommée d&apos;après son texte d&apos;accueil)</translation>
    </message>
    <message>
        <source>draw an exported run log as a picture or a PDF page</source>
        <translation>dessiner un journal de fonctionnement exporté en image ou en page PDF</translation>
    </message>
    <message>
        <source>the export file to read</source>
        <translation>le fichier d&apos;export à lire</translation>
    </message>
    <message>
        <source>the chart as a picture</source>
        <translation>le graphique en image</translation>
    </message>
    <message>
        <source>the chart as a PDF page</source>
        <translation>le graphique en page PDF</translation>
    </message>
    <message>
        <source>the first minute drawn (0 unless given)</source>
        <translation>la première minute dessinée (0 par défaut)</translation>
    </message>
    <message>
        <source>the last minute drawn (51.2 unless given)</source>
        <translation>la dernière minute dessinée (51.2 par défaut)</translation>
    </message>
    <message>
        <source>timechart needs --png OUT.png or --pdf OUT.pdf</source>
        <translation>timechart attend --png OUT.png ou --pdf OUT.pdf</translation>
    </message>
    <message>
        <source>run logs</source>
        <translation>journaux de fonctionnement</translation>
    </message>
    <message>
        <source>a raw run log (one byte a line) to an export file</source>
        <translation>un journal de fonctionnement brut (un octet par ligne) vers un fichier d&apos;export</translation>
    </message>
    <message>
        <source>the raw run log to read</source>
        <translation>le journal de fonctionnement brut à lire</translation>
    </message>
    <message>
        <source>the engine runs of an export file, one line each: cycle, start minute, seconds, time to idle, peak start EGT, largest RPM and EGT, mean pump at or above idle</source>
        <translation>les marches de la turbine d&apos;un fichier d&apos;export, une ligne chacune : cycle, minute de début, secondes, montée au ralenti, EGT max. démarrage, RPM et EGT maximaux, pompe moyenne au ralenti ou au-delà</translation>
    </message>
    <message>
        <source>the idle speed, for a file without the unit&apos;s configuration</source>
        <translation>le ralenti, pour un fichier sans la configuration du boîtier</translation>
    </message>
    <message>
        <source>the engine logbook: every download kept per engine</source>
        <translation>le carnet de bord : chaque téléchargement conservé par turbine</translation>
    </message>
    <message>
        <source>one line per engine: name, runs, minutes of running, flagged runs</source>
        <translation>une ligne par turbine : nom, marches, minutes de fonctionnement, marches signalées</translation>
    </message>
    <message>
        <source>an engine&apos;s runs in time order: the download&apos;s date and file, the values of runlog runs, and the run&apos;s flag</source>
        <translation>les marches d&apos;une turbine par ordre chronologique : date et fichier du téléchargement, valeurs de runlog runs et signalement de la marche</translation>
    </message>
    <message>
        <source>the engine&apos;s name</source>
        <translation>le nom de la turbine</translation>
    </message>
    <message>
        <source>add export files made before (a file already there adds nothing)</source>
        <translation>ajouter des fichiers d&apos;export faits auparavant (un fichier déjà présent n&apos;ajoute rien)</translation>
    </message>
    <message>
        <source>the export files to read</source>
        <translation>les fichiers d&apos;export à lire</translation>
    </message>
    <message>
        <source>the engine they belong to (else the one their welcome text is known as, or a new one named with it)</source>
        <translation>la turbine à laquelle ils appartiennent (sinon celle connue sous leur texte d&apos;accueil, ou une nouvelle nommée d&apos;après lui)</translation>
    </message>
    <message>
        <source>the unit&apos;s idle speed, for files without the unit&apos;s configuration (kept for the engine; its runs measured again)</source>
        <translation>le ralenti du boîtier, pour les fichiers sans la configuration du boîtier (conservé pour la turbine ; ses marches sont remesurées)</translation>
    </message>
    <message>
        <source>the unit&apos;s full speed, kept for the engine likewise</source>
        <translation>le régime plein gaz du boîtier, conservé de même pour la turbine</translation>
    </message>
    <message>
        <source>the unit&apos;s maximum EGT, kept for the engine likewise</source>
        <translation>l&apos;EGT maximale du boîtier, conservée de même pour la turbine</translation>
    </message>
    <message>
        <source>record a service of the engine: its baseline and time since service start again</source>
        <translation>enregistrer un entretien de la turbine : sa référence et son temps depuis l&apos;entretien repartent de zéro</translation>
    </message>
    <message>
        <source>what was done</source>
        <translation>ce qui a été fait</translation>
    </message>
    <message>
        <source>free the space of kept downloads the logbook holds (it makes them again when one is opened) and of older ones, and compact the logbook; says what it freed</source>
        <translation>libérer l&apos;espace des téléchargements conservés dont le carnet de bord a une copie (il les recrée quand on en ouvre un) et des plus anciens, et compacter le carnet de bord ; indique ce qui a été libéré</translation>
    </message>
    <message>
        <source>an engine&apos;s report as a PDF page</source>
        <translation>le rapport d&apos;une turbine en page PDF</translation>
    </message>
    <message>
        <source>the page to write</source>
        <translation>la page à écrire</translation>
    </message>
    <message>
        <source>the performance chart</source>
        <translation>la courbe de performance</translation>
    </message>
    <message>
        <source>a measure file&apos;s printed page, as a PDF</source>
        <translation>la page imprimée d&apos;un fichier de mesures, en PDF</translation>
    </message>
    <message>
        <source>the measure file to read</source>
        <translation>le fichier de mesures à lire</translation>
    </message>
    <message>
        <source>a measure file drawn on the chart, as a picture</source>
        <translation>un fichier de mesures tracé sur la courbe, en image</translation>
    </message>
    <message>
        <source>the picture to write</source>
        <translation>l&apos;image à écrire</translation>
    </message>
    <message>
        <source>record the chart&apos;s points while the engine is hot (above 100 C), as the chart window does, until Ctrl-C</source>
        <translation>enregistrer les points de la courbe tant que la turbine est chaude (plus de 100 C), comme la fenêtre de la courbe, jusqu&apos;à Ctrl-C</translation>
    </message>
    <message>
        <source>the measure file to write</source>
        <translation>le fichier de mesures à écrire</translation>
    </message>
    <message>
        <source>or for S seconds</source>
        <translation>ou pendant S secondes</translation>
    </message>
    <message>
        <source>what differs between two clone files, or between the unit and a clone file, one line a setting</source>
        <translation>ce qui diffère entre deux fichiers de clonage, ou entre le boîtier et un fichier de clonage, une ligne par réglage</translation>
    </message>
    <message>
        <source>a clone file</source>
        <translation>un fichier de clonage</translation>
    </message>
    <message>
        <source>a second clone file; the unit when left out</source>
        <translation>un second fichier de clonage ; le boîtier s&apos;il est omis</translation>
    </message>
    <message>
        <source>the files come from a downward unit</source>
        <translation>les fichiers viennent d&apos;un boîtier de type downward</translation>
    </message>
    <message>
        <source>diff of two files reads no unit: leave out --device</source>
        <translation>diff de deux fichiers ne lit aucun boîtier : omettez --device</translation>
    </message>
    <message>
        <source>--downward is for two files; the unit says its own kind</source>
        <translation>--downward vaut pour deux fichiers ; le boîtier indique lui-même son type</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>(no options)</source>
        <translation>(aucune option)</translation>
    </message>
    <message>
        <source>Exit status:
  0    done
  1    diff: the two sides differ
  2    no unit, the unit was lost, or it did not answer; the window: no display
  3    a bad file, entry or output path (nothing was sent)
  4    refused by the unit, or a check failed (write protected, the other kind
       of unit, a write the unit does not hold, a calibration that gives Error)
  64   a command line that cannot be run
  130  interrupted by Ctrl-C (SIGINT); 143 by SIGTERM
</source>
        <translation>Codes de sortie :
  0    terminé
  1    diff : les deux côtés diffèrent
  2    boîtier absent, perdu ou sans réponse ; la fenêtre : pas d&apos;affichage
  3    fichier, saisie ou chemin de sortie incorrect (rien n&apos;a été envoyé)
  4    refusé par le boîtier ou vérification échouée (protégé en écriture,
       autre type de boîtier, écriture non retrouvée, étalonnage en Erreur)
  64   ligne de commande impossible à exécuter
  130  interrompu par Ctrl-C (SIGINT) ; 143 par SIGTERM
</translation>
    </message>
    <message>
        <source>Global options (before or after the command):</source>
        <translation>Options générales (avant ou après la commande) :</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 attend %2</translation>
    </message>
    <message>
        <source>not expected here: %1</source>
        <translation>inattendu ici : %1</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 est obligatoire</translation>
    </message>
    <message>
        <source>%1 needs its value %2</source>
        <translation>%1 attend sa valeur %2</translation>
    </message>
    <message>
        <source>%1 is one of %2, not &apos;%3&apos;</source>
        <translation>%1 prend l&apos;une des valeurs %2, pas « %3 »</translation>
    </message>
    <message>
        <source>%1 takes no value, not &apos;%2&apos;</source>
        <translation>%1 ne prend aucune valeur : « %2 » est de trop</translation>
    </message>
    <message>
        <source>the engine logbook: a file, or a shop&apos;s server as postgresql://USER@HOST[:PORT]/DB[?sslmode=require] (its password in ~/.pgpass or PGPASSWORD); the settings&apos; [Logbook] Url, else the user&apos;s logbook.sqlite, unless given</source>
        <translation>le carnet de bord de la turbine : un fichier, ou le serveur d&apos;un atelier sous la forme postgresql://USER@HOST[:PORT]/DB[?sslmode=require] (son mot de passe dans ~/.pgpass ou PGPASSWORD) ; à défaut, [Logbook] Url des réglages, sinon le logbook.sqlite de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>copy this logbook to another, or another into it, as a shop moves its logbook to a server: what the other holds already is not copied again</source>
        <translation>copier ce carnet de bord dans un autre, ou un autre dans celui-ci, comme un atelier qui place son carnet sur un serveur : ce que l&apos;autre contient déjà n&apos;est pas recopié</translation>
    </message>
    <message>
        <source>the logbook to copy into: a file or postgresql://USER@HOST[:PORT]/DB</source>
        <translation>le carnet de destination : un fichier ou postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>the logbook to copy from, into this one</source>
        <translation>le carnet à copier dans celui-ci</translation>
    </message>
    <message>
        <source>logbook copy needs --to LOGBOOK or --from LOGBOOK</source>
        <translation>logbook copy attend --to LOGBOOK ou --from LOGBOOK</translation>
    </message>
    <message>
        <source>another export&apos;s run of that cycle, dotted over the chart from the first run drawn</source>
        <translation>la marche de ce cycle d&apos;un autre export, en pointillés sur le graphique à partir de la première marche tracée</translation>
    </message>
    <message>
        <source>--overlay takes FILE.txt:CYCLE, not &apos;%1&apos;</source>
        <translation>--overlay attend FILE.txt:CYCLE, pas « %1 »</translation>
    </message>
    <message>
        <source>speed, EGT, stick and pump of an export file at two minutes, their difference, and the minimum, maximum and mean between them</source>
        <translation>vitesse, EGT, manche et pompe d&apos;un export à deux minutes, leur écart, et le minimum, le maximum et la moyenne entre elles</translation>
    </message>
    <message>
        <source>the first minute, A (0 unless given)</source>
        <translation>la première minute, A (0 par défaut)</translation>
    </message>
    <message>
        <source>the second minute, B (51.2 unless given)</source>
        <translation>la seconde minute, B (51.2 par défaut)</translation>
    </message>
</context>
<context>
    <name>norva::DeviceChoice</name>
    <message>
        <source>device %1: %2</source>
        <translation>périphérique %1 : %2</translation>
    </message>
    <message>
        <source>device %1: expected tcp:HOST:PORT with a port of 1 to 65535</source>
        <translation>périphérique %1 : tcp:HOST:PORT attendu, avec un port de 1 à 65535</translation>
    </message>
    <message>
        <source>device %1: speed takes 1 to 32 (times real time)</source>
        <translation>périphérique %1 : speed va de 1 à 32 (fois le temps réel)</translation>
    </message>
    <message>
        <source>device %1: expected replay:FILE.txt[:speed=N]</source>
        <translation>périphérique %1 : replay:FILE.txt[:speed=N] attendu</translation>
    </message>
    <message>
        <source>unknown device &apos;%1&apos;: use hid, sim, sim:downward, tcp:HOST:PORT or replay:FILE.txt</source>
        <translation>périphérique « %1 » inconnu : utilisez hid, sim, sim:downward, tcp:HOST:PORT ou replay:FILE.txt</translation>
    </message>
</context>
<context>
    <name>norva::DifferencesWindow</name>
    <message>
        <source>Compare with file</source>
        <translation>Comparer à un fichier</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Compare with file: %1</source>
        <translation>Comparer à un fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>The unit holds every value of %1.</source>
        <translation>Le boîtier contient toutes les valeurs de %1.</translation>
    </message>
    <message>
        <source>Unit -&gt; %1, %2 %3:
</source>
        <translation>Boîtier -&gt; %1, %2 %3&#xa0;:
</translation>
    </message>
    <message>
        <source>difference</source>
        <translation>différence</translation>
    </message>
    <message>
        <source>differences</source>
        <translation>différences</translation>
    </message>
</context>
<context>
    <name>norva::DownloadWindow</name>
    <message>
        <source>Download measures</source>
        <translation>Télécharger les mesures</translation>
    </message>
    <message>
        <source>About the download</source>
        <translation>À propos du téléchargement</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Download measures and configuration</source>
        <translation>Télécharger mesures et configuration</translation>
    </message>
    <message>
        <source>Download Measures</source>
        <translation>Télécharger mesures</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>The download stopped at %1%.</source>
        <translation>Le téléchargement s&apos;est arrêté à %1%.</translation>
    </message>
    <message>
        <source>No file was exported.</source>
        <translation>Aucun fichier n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>Download progress %1%</source>
        <translation>Progression du téléchargement %1%</translation>
    </message>
    <message>
        <source>%1% received, %2 s left</source>
        <translation>%1% reçus, %2 s restantes</translation>
    </message>
    <message>
        <source>Kept with the recent downloads; no file was exported.</source>
        <translation>Conservé avec les téléchargements récents&#xa0;; aucun fichier n&apos;a été exporté.</translation>
    </message>
    <message>
        <source> To initiate the download of the last 51 minutes of engine run stored in the NORVA memory, it should be recently reseted and with the trim and throttle low. In the terminal the reading TRIM LOW must be displayed. The output is a text file, and each line are the values recorded each 0,5s. You can open it later using Notepad or import directly to Excel</source>
        <translation> Pour télécharger les 51 dernières minutes de fonctionnement enregistrées dans la mémoire du NORVA, celui-ci doit avoir été réinitialisé récemment, trim et manche en bas. Le terminal doit afficher TRIM LOW. Le résultat est un fichier texte ; chaque ligne contient les valeurs enregistrées toutes les 0,5 s. Il peut être ouvert ensuite dans un éditeur de texte ou importé directement dans un tableur</translation>
    </message>
</context>
<context>
    <name>norva::FactorySetupWindow</name>
    <message>
        <source>Factory Setup</source>
        <translation>Réglage usine</translation>
    </message>
    <message>
        <source>Max.Authorized R.P.M.</source>
        <translation>R.P.M. max. autorisé</translation>
    </message>
    <message>
        <source>Max. Authorized Speed</source>
        <translation>Vitesse max. autorisée</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Cal. temp AUTO</source>
        <translation>Étal. temp. AUTO</translation>
    </message>
    <message>
        <source>Ambient temperature (°C)</source>
        <translation>Température ambiante (°C)</translation>
    </message>
    <message>
        <source>Set restricted menus</source>
        <translation>Menus restreints</translation>
    </message>
    <message>
        <source>Set full acces menus</source>
        <translation>Menus complets</translation>
    </message>
    <message>
        <source>Fast setup</source>
        <translation>Config. rapide</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Kero</source>
        <translation>Kéro</translation>
    </message>
    <message>
        <source>TestHard</source>
        <translation>Test mat.</translation>
    </message>
</context>
<context>
    <name>norva::HidapiBackend</name>
    <message>
        <source>NORVA unit found at %1, but this user may not open it (permission denied).</source>
        <translation>Boîtier NORVA trouvé sur %1, mais cet utilisateur n&apos;a pas le droit de l&apos;ouvrir (permission refusée).</translation>
    </message>
    <message>
        <source>The udev rule %1 lets the user at the seat, and the members of group plugdev, open it.
To put it in force, as root:</source>
        <translation>La règle udev %1 permet à l&apos;utilisateur présent au poste et aux membres du groupe plugdev de l&apos;ouvrir.
Pour l&apos;appliquer, en tant que root :</translation>
    </message>
    <message>
        <source>To allow it, install the udev rule %1, as root:</source>
        <translation>Pour l&apos;autoriser, installez la règle udev %1, en tant que root :</translation>
    </message>
    <message>
        <source>then unplug the unit and plug it in again.</source>
        <translation>puis débranchez le boîtier et rebranchez-le.</translation>
    </message>
</context>
<context>
    <name>norva::IniFile</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
</context>
<context>
    <name>norva::Library</name>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1 : impossible de créer le dossier</translation>
    </message>
</context>
<context>
    <name>norva::Logbook</name>
    <message>
        <source>The logbook %1 cannot be used: %2</source>
        <translation>Le carnet de bord %1 est inutilisable : %2</translation>
    </message>
    <message>
        <source>The logbook %1 is damaged (SQLite: %2): nothing was read</source>
        <translation>Le carnet de bord %1 est endommagé (SQLite : %2) : rien n&apos;a été lu</translation>
    </message>
    <message>
        <source>it was written by a newer program (schema %1)</source>
        <translation>il a été écrit par un programme plus récent (schéma %1)</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is not installed (libqt6sql6-sqlite)</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé (libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>another engine is named so</source>
        <translation>une autre turbine porte ce nom</translation>
    </message>
    <message>
        <source>no engine %1</source>
        <translation>aucune turbine %1</translation>
    </message>
    <message>
        <source>the logbook %1 holds no copy of that download</source>
        <translation>le carnet de bord %1 ne contient aucune copie de ce téléchargement</translation>
    </message>
    <message>
        <source>The logbook at %1 is read-only for %2: nothing was changed.</source>
        <translation>Le carnet de bord sur %1 est en lecture seule pour %2 : rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (libqt6sql6-psql)</source>
        <translation>Le pilote PostgreSQL de Qt n&apos;est pas installé (libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>The logbook at %1 is read-only for %2: nothing was imported.</source>
        <translation>Le carnet de bord sur %1 est en lecture seule pour %2 : rien n&apos;a été importé.</translation>
    </message>
</context>
<context>
    <name>norva::LogbookLocation</name>
    <message>
        <source>the logbook&apos;s URL is not postgresql://USER@HOST[:PORT]/DB</source>
        <translation>l&apos;URL du carnet de bord n&apos;est pas de la forme postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>the logbook&apos;s URL holds a password: put it in ~/.pgpass or PGPASSWORD instead, where no other user can read it</source>
        <translation>l&apos;URL du carnet de bord contient un mot de passe : mettez-le plutôt dans ~/.pgpass ou PGPASSWORD, où aucun autre utilisateur ne peut le lire</translation>
    </message>
    <message>
        <source>the logbook&apos;s URL needs a user and a database: postgresql://USER@HOST[:PORT]/DB</source>
        <translation>l&apos;URL du carnet de bord doit nommer un utilisateur et une base : postgresql://USER@HOST[:PORT]/DB</translation>
    </message>
    <message>
        <source>the logbook&apos;s URL takes only ?sslmode=%1</source>
        <translation>l&apos;URL du carnet de bord n&apos;accepte que ?sslmode=%1</translation>
    </message>
</context>
<context>
    <name>norva::LogbookWindow</name>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Save engine report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>PDF document(*.pdf)|*.pdf</source>
        <translation>Document PDF(*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>Le rapport n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>NORVA Logbook</source>
        <translation>Carnet de bord NORVA</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Turbines</translation>
    </message>
    <message>
        <source>&amp;Import download…</source>
        <translation>&amp;Importer téléchargement…</translation>
    </message>
    <message>
        <source>&amp;Move download…</source>
        <translation>&amp;Déplacer téléchargement…</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>Re&amp;nommer…</translation>
    </message>
    <message>
        <source>Ser&amp;vice done…</source>
        <translation>&amp;Entretien fait…</translation>
    </message>
    <message>
        <source>Runs as &amp;CSV…</source>
        <translation>Marches en &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print report…</source>
        <translation>Im&amp;primer rapport…</translation>
    </message>
    <message>
        <source>Save report as P&amp;DF…</source>
        <translation>&amp;Rapport en PDF…</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Marches</translation>
    </message>
    <message>
        <source>Trend %1 shows</source>
        <translation>La tendance %1 indique</translation>
    </message>
    <message>
        <source>Trend %1</source>
        <translation>Tendance %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: reading its runs…</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&#xa0;: lecture de ses marches…</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2): %3, %4, %5 min of running, %6 flagged, %7.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2)&#xa0;: %3, %4, %5 min de fonctionnement, signalées&#xa0;: %6, %7.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>n° de série %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>texte d&apos;accueil «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source> The unit counts %1 cycles and %2 min in total.</source>
        <translation> Le boîtier compte %1 cycles et %2 min au total.</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;&lt;span style=&quot;color:#c00000&quot;&gt;%1&lt;/span&gt;&lt;/b&gt;</source>
        <translation>&lt;br&gt;&lt;b&gt;&lt;span style=&quot;color:#c00000&quot;&gt;%1&lt;/span&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source> since the service</source>
        <translation> depuis l&apos;entretien</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>Rename engine</source>
        <translation>Renommer la turbine</translation>
    </message>
    <message>
        <source>The engine&apos;s new name:</source>
        <translation>Nouveau nom de la turbine&#xa0;:</translation>
    </message>
    <message>
        <source>Choose a run of the download to move first.</source>
        <translation>Choisissez d&apos;abord une marche du téléchargement à déplacer.</translation>
    </message>
    <message>
        <source>Move download</source>
        <translation>Déplacer le téléchargement</translation>
    </message>
    <message>
        <source>Move %1 and its runs to the engine:</source>
        <translation>Déplacer %1 et ses marches vers la turbine&#xa0;:</translation>
    </message>
    <message>
        <source>The new engine&apos;s name:</source>
        <translation>Nom de la nouvelle turbine&#xa0;:</translation>
    </message>
    <message>
        <source>The download could not be moved: %1</source>
        <translation>Le téléchargement n&apos;a pas pu être déplacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import download</source>
        <translation>Importer un téléchargement</translation>
    </message>
    <message>
        <source>Run-log export(*.txt)|*.txt</source>
        <translation>Export du journal de fonctionnement(*.txt)|*.txt</translation>
    </message>
    <message>
        <source>without the unit&apos;s welcome text</source>
        <translation>dépourvu du texte d&apos;accueil du boîtier</translation>
    </message>
    <message>
        <source>from a unit new to the logbook (welcome text &quot;%1&quot;)</source>
        <translation>issu d&apos;un boîtier nouveau dans le carnet de bord (texte d&apos;accueil «&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>%1 is %2. The engine&apos;s name:%3</source>
        <translation>%1 est %2. Nom de la turbine&#xa0;:%3</translation>
    </message>
    <message>
        <source>
(known: %1)</source>
        <translation>
(connues&#xa0;: %1)</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 n&apos;a pas été importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Idle speed</source>
        <translation>Ralenti</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a speed in RPM: the idle speed stays unknown.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un régime en RPM&#xa0;: le ralenti reste inconnu.</translation>
    </message>
    <message>
        <source>Service done</source>
        <translation>Entretien effectué</translation>
    </message>
    <message>
        <source>The service could not be recorded: %1</source>
        <translation>L&apos;entretien n&apos;a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save runs as CSV</source>
        <translation>Enregistrer les marches en CSV</translation>
    </message>
    <message>
        <source>CSV file(*.csv)|*.csv</source>
        <translation>Fichier CSV(*.csv)|*.csv</translation>
    </message>
    <message>
        <source>%1 of %2 went to %3.</source>
        <translation>%3 a reçu %1 sur %2.</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 marche</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 marches</translation>
    </message>
    <message>
        <source>1 start</source>
        <translation>1 démarrage</translation>
    </message>
    <message>
        <source>%1 starts</source>
        <translation>%1 démarrages</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 événement</translation>
    </message>
    <message>
        <source>%1 events</source>
        <translation>%1 événements</translation>
    </message>
    <message>
        <source>&lt;br&gt;Last service %1 (%2); since then %3, %4 min of running.</source>
        <translation>&lt;br&gt;Dernier entretien %1 (%2) ; depuis, %3, %4 min de fonctionnement.</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>il y a 1 jour</translation>
    </message>
    <message>
        <source>%1 days ago</source>
        <translation>il y a %1 jours</translation>
    </message>
    <message>
        <source>&lt;br&gt;Baseline of its first %1 measured starts%2: %3 C at start, idle after %4 s. Flagged: more than %5 C hotter, or more than %6 times as long.</source>
        <translation>&lt;br&gt;Référence de ses %1 premiers démarrages mesurés%2 : %3 C au démarrage, ralenti après %4 s. Signalé : plus de %5 C plus chaud, ou plus de %6 fois plus long.</translation>
    </message>
    <message>
        <source>&lt;br&gt;No measured start since the service: its baseline is taken from the next ones.</source>
        <translation>&lt;br&gt;Aucun démarrage mesuré depuis l&apos;entretien : sa référence sera prise sur les suivants.</translation>
    </message>
    <message>
        <source>&lt;br&gt;%1 recorded; the last: %2 on %3%4.</source>
        <translation>&lt;br&gt;%1 enregistrées ; la dernière : %2 le %3%4.</translation>
    </message>
    <message>
        <source>1 operation</source>
        <translation>1 opération</translation>
    </message>
    <message>
        <source>%1 operations</source>
        <translation>%1 opérations</translation>
    </message>
    <message>
        <source>A new engine…</source>
        <translation>Une nouvelle turbine…</translation>
    </message>
    <message>
        <source>%1: already in the logbook</source>
        <translation>%1&#xa0;: déjà dans le carnet de bord</translation>
    </message>
    <message>
        <source>%1: %2, %3 runs added, %4 replaced, %5 already there</source>
        <translation>%1&#xa0;: %2, %3 marches ajoutées, %4 remplacées, %5 déjà présentes</translation>
    </message>
    <message>
        <source>No engine in the logbook yet: every download goes in by itself.</source>
        <translation>Aucune turbine dans le carnet de bord pour l&apos;instant&#xa0;: chaque téléchargement y entre de lui-même.</translation>
    </message>
    <message>
        <source>The engine could not be renamed to &quot;%1&quot;: %2</source>
        <translation>La turbine n&apos;a pas pu être renommée en «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 holds no configuration, and the idle speed of %2 is not known yet: without it no start is measured. Its idle speed in RPM (kept for the engine; empty: leave it unknown):</source>
        <translation>%1 ne contient aucune configuration, et le ralenti de %2 n&apos;est pas encore connu&#xa0;: sans lui, aucun démarrage n&apos;est mesuré. Son ralenti en RPM (conservé pour la turbine&#xa0;; vide&#xa0;: le laisser inconnu)&#xa0;:</translation>
    </message>
    <message>
        <source>A service of %1, done now: its baseline and its time since service start again. What was done (may be left empty):</source>
        <translation>Entretien de %1, effectué maintenant&#xa0;: sa référence et son temps depuis l&apos;entretien repartent de zéro. Ce qui a été fait (peut rester vide)&#xa0;:</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Carnet de bord</translation>
    </message>
    <message>
        <source>The password of %1 for the logbook at %2:</source>
        <translation>Le mot de passe de %1 pour le carnet de bord sur %2 :</translation>
    </message>
</context>
<context>
    <name>norva::MainWindow</name>
    <message>
        <source>No unit found. Plug the NORVA unit in</source>
        <translation>Aucun boîtier trouvé. Branchez le boîtier NORVA</translation>
    </message>
    <message>
        <source> (on Linux it needs the udev rule described in the README)</source>
        <translation> (sous Linux, la règle udev décrite dans le README est nécessaire)</translation>
    </message>
    <message>
        <source>, or start the program with --device sim to try it.</source>
        <translation>, ou lancez le programme avec --device sim pour l&apos;essayer.</translation>
    </message>
    <message>
        <source>NORVA System</source>
        <translation>NORVA System</translation>
    </message>
    <message>
        <source>No unit</source>
        <translation>Aucun boîtier</translation>
    </message>
    <message>
        <source>Stick position</source>
        <translation>Position du manche</translation>
    </message>
    <message>
        <source>Pump Power</source>
        <translation>Puissance pompe</translation>
    </message>
    <message>
        <source>Battery Amperage</source>
        <translation>Courant batterie</translation>
    </message>
    <message>
        <source>Battery Voltage</source>
        <translation>Tension batterie</translation>
    </message>
    <message>
        <source>USB Connection</source>
        <translation>Connexion USB</translation>
    </message>
    <message>
        <source>Menu UP</source>
        <translation>Menu HAUT</translation>
    </message>
    <message>
        <source>Menu down</source>
        <translation>Menu bas</translation>
    </message>
    <message>
        <source>Data UP</source>
        <translation>Donn. HAUT</translation>
    </message>
    <message>
        <source>Data Down</source>
        <translation>Donnée bas</translation>
    </message>
    <message>
        <source>Norva Power from USB</source>
        <translation>Norva alimenté par USB</translation>
    </message>
    <message>
        <source>Saving Parameters</source>
        <translation>Sauvegarde des paramètres</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Save parameters to a file</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>&amp;Write parameters from a file</source>
        <translation>&amp;Écrire les paramètres d&apos;un fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>&amp;Graphiques</translation>
    </message>
    <message>
        <source>&amp;Performance Graph</source>
        <translation>Courbe de &amp;performance</translation>
    </message>
    <message>
        <source>&amp;Time Graph</source>
        <translation>&amp;Chronogramme</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Ramps</source>
        <translation>&amp;Rampes</translation>
    </message>
    <message>
        <source>&amp;Credits</source>
        <translation>&amp;Crédits</translation>
    </message>
    <message>
        <source>&amp;Download </source>
        <translation>&amp;Télécharger </translation>
    </message>
    <message>
        <source>&amp;Logbook</source>
        <translation>Carnet de &amp;bord</translation>
    </message>
    <message>
        <source>&amp;Manufacturer</source>
        <translation>Fabrica&amp;nt</translation>
    </message>
    <message>
        <source>Save all</source>
        <translation>Tout sauvegarder</translation>
    </message>
    <message>
        <source>Write all (clone)</source>
        <translation>Tout écrire (clonage)</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Comparer à un fichier…</translation>
    </message>
    <message>
        <source>Clear all timers</source>
        <translation>RAZ des compteurs</translation>
    </message>
    <message>
        <source>Clear Service Timer</source>
        <translation>RAZ compteur d&apos;entretien</translation>
    </message>
    <message>
        <source>Set Serial Number</source>
        <translation>Définir le n° de série</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Avancé</translation>
    </message>
    <message>
        <source>&amp;Stop replay</source>
        <translation>&amp;Arrêter le rejeu</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <translation>%1, n° de série %2</translation>
    </message>
    <message>
        <source>Nothing answers at %1. Start the unit&apos;s server there (norva-sim --listen tcp:%1), or start the program with --device sim to try it.</source>
        <translation>Rien ne répond à %1. Lancez-y le serveur du boîtier (norva-sim --listen tcp:%1), ou lancez le programme avec --device sim pour l&apos;essayer.</translation>
    </message>
</context>
<context>
    <name>norva::PerfChart</name>
    <message>
        <source>the file ends inside a record: %1 values, four to a record</source>
        <translation>le fichier s&apos;arrête au milieu d&apos;un enregistrement : %1 valeurs, quatre par enregistrement</translation>
    </message>
</context>
<context>
    <name>norva::PerformanceChartWindow</name>
    <message>
        <source>: the measures could not be copied there: </source>
        <translation>: les mesures n&apos;ont pas pu y être copiées&#xa0;: </translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>Thrust Calibration</source>
        <translation>Étalonnage de la poussée</translation>
    </message>
    <message>
        <source>Input the correction value</source>
        <translation>Saisissez la valeur de correction</translation>
    </message>
    <message>
        <source>NORVA Graphic</source>
        <translation>Graphique NORVA</translation>
    </message>
    <message>
        <source>E.G.T.(ºC)</source>
        <translation>E.G.T.(ºC)</translation>
    </message>
    <message>
        <source>Pressure (Bar)</source>
        <translation>Pression (Bar)</translation>
    </message>
    <message>
        <source>Thrust (N)</source>
        <translation>Poussée (N)</translation>
    </message>
    <message>
        <source>Thrust(N)</source>
        <translation>Poussée(N)</translation>
    </message>
    <message>
        <source>Performance chart</source>
        <translation>Courbe de performance</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save measures to file</source>
        <translation>&amp;Enregistrer les mesures</translation>
    </message>
    <message>
        <source>&amp;Display measures from file</source>
        <translation>&amp;Afficher un fichier de mesures</translation>
    </message>
    <message>
        <source>&amp;Print measures from File</source>
        <translation>&amp;Imprimer un fichier de mesures</translation>
    </message>
    <message>
        <source>&amp;Clear Graph</source>
        <translation>Effa&amp;cer graphe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Thrust</source>
        <translation>&amp;Poussée</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Auxiliar input</source>
        <translation>Entrée auxiliaire</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Étalonner</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>%1. Nothing of it was drawn.</source>
        <translation>%1. Rien n&apos;en a été tracé.</translation>
    </message>
    <message>
        <source>%1. Nothing was printed.</source>
        <translation>%1. Rien n&apos;a été imprimé.</translation>
    </message>
</context>
<context>
    <name>norva::Program</name>
    <message>
        <source>%1; the default settings are used</source>
        <translation>%1 ; les réglages par défaut sont utilisés</translation>
    </message>
</context>
<context>
    <name>norva::Ramps</name>
    <message>
        <source>Full throttle speed</source>
        <translation>Vitesse plein gaz</translation>
    </message>
    <message>
        <source>Idle speed</source>
        <translation>Ralenti</translation>
    </message>
    <message>
        <source>Acceleration row %1 absolute speed</source>
        <translation>Vitesse absolue de la ligne %1 d&apos;accélération</translation>
    </message>
    <message>
        <source>Acceleration row %1 slope</source>
        <translation>Pente de la ligne %1 d&apos;accélération</translation>
    </message>
    <message>
        <source>Deceleration row %1 absolute speed</source>
        <translation>Vitesse absolue de la ligne %1 de décélération</translation>
    </message>
    <message>
        <source>Deceleration row %1 slope</source>
        <translation>Pente de la ligne %1 de décélération</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;</source>
        <translation>%1 n&apos;est pas un nombre : « %2 »</translation>
    </message>
    <message>
        <source>writing the ramps</source>
        <translation>l&apos;écriture des rampes</translation>
    </message>
    <message>
        <source>the ramp write</source>
        <translation>l&apos;écriture des rampes dans le boîtier</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Données de sauvegarde indisponibles, veuillez patienter</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>holds %1 values; a ramp file holds 34</source>
        <translation>contient %1 valeurs ; un fichier de rampes en contient 34</translation>
    </message>
</context>
<context>
    <name>norva::RampsWindow</name>
    <message>
        <source>Acceleration/Deceleration ramps</source>
        <translation>Rampes d&apos;accélération/décélération</translation>
    </message>
    <message>
        <source>Full throttle speed:</source>
        <translation>Vitesse plein gaz&#xa0;:</translation>
    </message>
    <message>
        <source>Idle speed:</source>
        <translation>Ralenti&#xa0;:</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accélération</translation>
    </message>
    <message>
        <source>Deceleration</source>
        <translation>Décélération</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Read NORVA</source>
        <translation>Lire NORVA</translation>
    </message>
    <message>
        <source>Write to NORVA</source>
        <translation>Écrire NORVA</translation>
    </message>
    <message>
        <source>Ramp chart</source>
        <translation>Courbe rampes</translation>
    </message>
    <message>
        <source>How to edit the ramps</source>
        <translation>Comment modifier les rampes</translation>
    </message>
    <message>
        <source>Relative speed:</source>
        <translation>Vitesse relative&#xa0;:</translation>
    </message>
    <message>
        <source>Absolute Speed:</source>
        <translation>Vitesse absolue&#xa0;:</translation>
    </message>
    <message>
        <source>Slope Value:</source>
        <translation>Pente&#xa0;:</translation>
    </message>
    <message>
        <source>Up to:</source>
        <translation>Jusqu&apos;à&#xa0;:</translation>
    </message>
    <message>
        <source>%1 row %2, %3</source>
        <translation>%1 ligne %2, %3</translation>
    </message>
    <message>
        <source>The unit takes 1 to 255: %1 will be sent</source>
        <translation>Le boîtier accepte de 1 à 255&#xa0;: %1 sera envoyé</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Données de sauvegarde indisponibles, veuillez patienter</translation>
    </message>
    <message>
        <source>-Enter the absolute speed value from 0 to 255. 0 is idle and 255 is full power. If you fill the above fields whit the real idle and full power rpm, you will see the real rpm in to the relative speed column.  The slope values should be between 1 and 32, and the last value on the acceleration ramp should be of low value to avoid the posibility to overspeed the engine in accelerations close to max power.</source>
        <translation>-Saisissez la vitesse absolue de 0 à 255 : 0 est le ralenti et 255 la pleine puissance. Si vous renseignez ci-dessus les vitesses réelles de ralenti et de pleine puissance, la colonne de vitesse relative montre les tr/min réels. Les pentes doivent être comprises entre 1 et 32, et la dernière valeur de la rampe d&apos;accélération doit être faible pour éviter de faire survitesser la turbine en accélérant près de la puissance maximale.</translation>
    </message>
    <message>
        <source>Norva ramp(*.rmp)|*.rmp</source>
        <translation>Rampe Norva(*.rmp)|*.rmp</translation>
    </message>
    <message>
        <source>%1. Nothing was saved.</source>
        <translation>%1. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s configuration…</source>
        <translation>Lecture de la configuration du boîtier…</translation>
    </message>
    <message>
        <source>Not a number: the relative speeds and the chart wait for a number here</source>
        <translation>Pas un nombre&#xa0;: les vitesses relatives et la courbe attendent un nombre ici</translation>
    </message>
</context>
<context>
    <name>norva::Replay</name>
    <message>
        <source>%1: the export holds no samples to replay</source>
        <translation>%1 : l&apos;export ne contient aucun échantillon à rejouer</translation>
    </message>
</context>
<context>
    <name>norva::RunLog</name>
    <message>
        <source>no ten zeros in a row after the preamble</source>
        <translation>pas de dix zéros consécutifs après le préambule</translation>
    </message>
    <message>
        <source>no 252 after the ten zeros</source>
        <translation>pas de 252 après les dix zéros</translation>
    </message>
    <message>
        <source>the log ends after the 252, where the 253 should follow</source>
        <translation>le journal s&apos;arrête après le 252, là où le 253 devrait suivre</translation>
    </message>
    <message>
        <source>the 253 after the 252 is missing (found %1)</source>
        <translation>le 253 manque après le 252 (trouvé : %1)</translation>
    </message>
    <message>
        <source>the log ends after %1 of its %2 pages</source>
        <translation>le journal s&apos;arrête après %1 de ses %2 pages</translation>
    </message>
    <message>
        <source>expected a byte value from 0 to 255, found %1</source>
        <translation>valeur d&apos;octet de 0 à 255 attendue, au lieu de %1</translation>
    </message>
</context>
<context>
    <name>norva::Runs</name>
    <message>
        <source>not a run-log export: the first line is not the header %1</source>
        <translation>pas un export de journal de fonctionnement : la première ligne n&apos;est pas l&apos;en-tête %1</translation>
    </message>
    <message>
        <source>expected seven whole numbers (Cycle,Page,Aux,Temp,RPM,Throttle,Pump), found %1</source>
        <translation>sept nombres entiers attendus (Cycle,Page,Aux,Temp,RPM,Throttle,Pump), au lieu de %1</translation>
    </message>
</context>
<context>
    <name>norva::Screenshot</name>
    <message>
        <source>Cancelled while waiting for the unit&apos;s configuration (%1 of 256 bytes); no picture was saved.</source>
        <translation>Annulé pendant l&apos;attente de la configuration du boîtier (%1 octets sur 256) ; aucune image n&apos;a été enregistrée.</translation>
    </message>
    <message>
        <source>no unit was reached within %1 s; no picture was saved</source>
        <translation>aucun boîtier atteint en %1 s ; aucune image n&apos;a été enregistrée</translation>
    </message>
    <message>
        <source>the unit&apos;s configuration was still incomplete (%1 of 256)</source>
        <translation>la configuration du boîtier était encore incomplète (%1 sur 256)</translation>
    </message>
    <message>
        <source>cannot write the picture %1</source>
        <translation>impossible d&apos;écrire l&apos;image %1</translation>
    </message>
</context>
<context>
    <name>norva::Session</name>
    <message>
        <source>skipped a unit with vendor %1 and product %2 at %3: its reports are %4 and %5 bytes long, not %6.</source>
        <translation>boîtier ignoré (fabricant %1, produit %2) sur %3 : ses rapports font %4 et %5 octets, et non %6.</translation>
    </message>
</context>
<context>
    <name>norva::TimeChart</name>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fin doit venir après le début.</translation>
    </message>
    <message>
        <source>no engine run of cycle %1</source>
        <translation>aucune marche de la turbine au cycle %1</translation>
    </message>
    <message>
        <source>%1, cycle %2</source>
        <translation>%1, cycle %2</translation>
    </message>
</context>
<context>
    <name>norva::TimeChartWindow</name>
    <message>
        <source>Save picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG picture(*.png)|*.png|PDF document(*.pdf)|*.pdf</source>
        <translation>Image PNG(*.png)|*.png|Document PDF(*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The picture could not be written: %1</source>
        <translation>L&apos;image n&apos;a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>NORVA Time Graph</source>
        <translation>Chronogramme NORVA</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Whole run</source>
        <translation>Durée totale</translation>
    </message>
    <message>
        <source>Initial Time (m)</source>
        <translation>Début (m)</translation>
    </message>
    <message>
        <source>End time (m)</source>
        <translation>Fin (m)</translation>
    </message>
    <message>
        <source>Time chart</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Recent downloads</source>
        <translation>Téléchargements récents</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Exporter l&apos;image…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Engine runs</source>
        <translation>Marches turbine</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>Play the chosen run on the main window&apos;s dials</source>
        <translation>Rejouer la marche choisie sur les cadrans de la fenêtre principale</translation>
    </message>
    <message>
        <source>No downloads kept yet</source>
        <translation>Aucun téléchargement conservé</translation>
    </message>
    <message>
        <source>The engine did not run.</source>
        <translation>La turbine n&apos;a pas fonctionné.</translation>
    </message>
    <message>
        <source>%1 runs. Choose one to see it.</source>
        <translation>%1 marches. Choisissez-en une pour l&apos;afficher.</translation>
    </message>
    <message>
        <source>Cycle %1: %2</source>
        <translation>Cycle %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>R.P.M.x1000</source>
        <translation>R.P.M.x1000</translation>
    </message>
    <message>
        <source>E.G.T.(ºC) x10</source>
        <translation>E.G.T.(ºC) x10</translation>
    </message>
    <message>
        <source>Throttle (%)</source>
        <translation>Gaz (%)</translation>
    </message>
    <message>
        <source>Pump (%)</source>
        <translation>Pompe (%)</translation>
    </message>
    <message>
        <source>Thrust(N)</source>
        <translation>Poussée(N)</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>The unit&apos;s cycle number</source>
        <translation>Le numéro de cycle du boîtier</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Minute of the log the run starts at</source>
        <translation>Minute du journal où la marche commence</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Seconds the engine turned</source>
        <translation>Secondes de rotation de la turbine</translation>
    </message>
    <message>
        <source>To idle</source>
        <translation>Au ralenti</translation>
    </message>
    <message>
        <source>Seconds from the first turn to idle speed</source>
        <translation>Secondes du premier tour au régime de ralenti</translation>
    </message>
    <message>
        <source>Start EGT</source>
        <translation>EGT démarrage</translation>
    </message>
    <message>
        <source>Hottest EGT of the start, up to idle (ºC)</source>
        <translation>EGT la plus chaude du démarrage, jusqu&apos;au ralenti (ºC)</translation>
    </message>
    <message>
        <source>Max RPM</source>
        <translation>RPM max.</translation>
    </message>
    <message>
        <source>Largest speed of the run</source>
        <translation>Vitesse maximale de la marche</translation>
    </message>
    <message>
        <source>Max EGT</source>
        <translation>EGT max.</translation>
    </message>
    <message>
        <source>Largest EGT of the run (ºC)</source>
        <translation>EGT maximale de la marche (ºC)</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Pompe</translation>
    </message>
    <message>
        <source>Mean pump at or above idle (tenths of a percent)</source>
        <translation>Pompe moyenne au ralenti ou au-delà (dixièmes de pour cent)</translation>
    </message>
    <message>
        <source>%1 runs. The file does not hold the unit&apos;s idle speed, so the starts are not measured.</source>
        <translation>%1 marches. Le fichier ne contient pas le ralenti du boîtier, donc les démarrages ne sont pas mesurés.</translation>
    </message>
    <message>
        <source>Save span as CSV</source>
        <translation>Enregistrer l&apos;intervalle en CSV</translation>
    </message>
    <message>
        <source>CSV file(*.csv)|*.csv</source>
        <translation>Fichier CSV(*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Click the chart twice to read the span between cursors A and B.</source>
        <translation>Cliquez deux fois sur le graphique pour lire l&apos;intervalle entre les curseurs A et B.</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Comparer avec…</translation>
    </message>
    <message>
        <source>Lay a run of another export over this log, dotted</source>
        <translation>Superposer en pointillés une marche d&apos;un autre export à ce journal</translation>
    </message>
    <message>
        <source>Save span as CSV…</source>
        <translation>Intervalle en CSV…</translation>
    </message>
    <message>
        <source>Cursor A at minute %1: click again for B.</source>
        <translation>Curseur A à la minute %1 : cliquez encore pour B.</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Vitesse (RPM)</translation>
    </message>
    <message>
        <source>EGT (ºC)</source>
        <translation>EGT (ºC)</translation>
    </message>
    <message>
        <source>Stick (%)</source>
        <translation>Manche (%)</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>Δt %1 s, %2 samples</source>
        <translation>Δt %1 s, %2 échantillons</translation>
    </message>
    <message>
        <source>normal start of %1</source>
        <translation>démarrage normal de %1</translation>
    </message>
    <message>
        <source>A run of another export</source>
        <translation>Une marche d&apos;un autre export</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Lay over the log:</source>
        <translation>Superposer au journal :</translation>
    </message>
    <message>
        <source>The engine&apos;s normal start, from the logbook</source>
        <translation>Le démarrage normal de la turbine, du carnet de bord</translation>
    </message>
    <message>
        <source>The logbook knows no normal start of this engine.</source>
        <translation>Le carnet de bord ne connaît aucun démarrage normal de cette turbine.</translation>
    </message>
    <message>
        <source>%1 holds no engine run.</source>
        <translation>%1 ne contient aucune marche de la turbine.</translation>
    </message>
    <message>
        <source>The run of cycle:</source>
        <translation>La marche du cycle :</translation>
    </message>
    <message>
        <source>Δt %1 s, %2 samples; %3 without data, left out</source>
        <translation>Δt %1 s, %2 échantillons ; %3 sans données, écartés</translation>
    </message>
</context>
<context>
    <name>norva::UnitCommand</name>
    <message>
        <source>Looking for the unit (%1)…</source>
        <translation>Recherche du boîtier (%1)…</translation>
    </message>
    <message>
        <source>Waiting for the unit&apos;s configuration: %1 of 256 bytes</source>
        <translation>Attente de la configuration du boîtier : %1 octets sur 256</translation>
    </message>
    <message>
        <source>the unit&apos;s configuration did not arrive within %1 s (%2 of 256 bytes)</source>
        <translation>la configuration du boîtier n&apos;est pas arrivée en %1 s (%2 octets sur 256)</translation>
    </message>
    <message>
        <source>the unit was lost while recording the chart: </source>
        <translation>le boîtier a été perdu pendant l&apos;enregistrement de la courbe : </translation>
    </message>
    <message>
        <source>%1 points recorded in %2</source>
        <translation>%1 points enregistrés dans %2</translation>
    </message>
</context>
<context>
    <name>norva::WelcomeText</name>
    <message>
        <source>The unit cannot show the character &quot;%1&quot; (U+%2); nothing was sent. Use letters, digits and common signs.</source>
        <translation>Le boîtier ne peut pas afficher le caractère «&#xa0;%1&#xa0;» (U+%2)&#xa0;; rien n&apos;a été envoyé. Utilisez des lettres, des chiffres et des signes courants.</translation>
    </message>
    <message>
        <source>writing the welcome text</source>
        <translation>l&apos;écriture du texte d&apos;accueil</translation>
    </message>
    <message>
        <source>the welcome text</source>
        <translation>le texte d&apos;accueil</translation>
    </message>
</context>
<context>
    <name>norva::WelcomeTextWindow</name>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Welcome text line 1</source>
        <translation>Texte d&apos;accueil ligne 1</translation>
    </message>
    <message>
        <source>Welcome text line 2</source>
        <translation>Texte d&apos;accueil ligne 2</translation>
    </message>
    <message>
        <source>Read NORVA</source>
        <translation>Lire NORVA</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écrit</translation>
    </message>
    <message>
        <source>Write NORVA</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s configuration…</source>
        <translation>Lecture de la configuration du boîtier…</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Données de sauvegarde indisponibles, veuillez patienter</translation>
    </message>
</context>
<context>
    <name>norva::WriteGate</name>
    <message>
        <source>Programming the NORVA</source>
        <translation>Programmation du NORVA</translation>
    </message>
</context>
<context>
    <name>norva::params::ParametersWindow</name>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Pump curve</source>
        <translation>Courbe pompe</translation>
    </message>
</context>
</TS>
