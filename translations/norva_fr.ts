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
</context>
<context>
    <name>FactoryCommands</name>
    <message>
        <source>Hardware test: step %1 of %2</source>
        <translation>Test du matériel : étape %1 sur %2</translation>
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
</context>
<context>
    <name>LogDownload</name>
    <message>
        <source>serial number %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>welcome text &quot;%1&quot;</source>
        <translation>texte d&apos;accueil « %1 »</translation>
    </message>
    <message>
        <source>Logbook</source>
        <translation>Carnet de bord</translation>
    </message>
    <message>
        <source>This unit (%1) is new to the logbook. The engine&apos;s name:%2</source>
        <translation>Ce boîtier (%1) est nouveau dans le carnet de bord. Nom de la turbine :%2</translation>
    </message>
    <message>
        <source>
(known: %1)</source>
        <translation>
(connues : %1)</translation>
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
        <translation>Remettre à zéro le compteur d&apos;entretien ?</translation>
    </message>
    <message>
        <source>clearing the timers</source>
        <translation>la remise à zéro des compteurs</translation>
    </message>
</context>
<context>
    <name>OperationTools</name>
    <message>
        <source>The unit was lost while %1: %2.</source>
        <translation>Le boîtier a été perdu pendant %1 : %2.</translation>
    </message>
    <message>
        <source>Cancelled while %1: %2.</source>
        <translation>Annulé pendant %1 : %2.</translation>
    </message>
    <message>
        <source>The unit did not answer while %1: %2.</source>
        <translation>Le boîtier n&apos;a pas répondu pendant %1 : %2.</translation>
    </message>
    <message>
        <source>%1 of %2 reports were sent</source>
        <translation>%1 rapports sur %2 ont été envoyés</translation>
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
</context>
<context>
    <name>RunningOperation</name>
    <message>
        <source>No unit is connected.</source>
        <translation>Aucun boîtier n&apos;est connecté.</translation>
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
        <translation>Écrit, non confirmé : la vérification a été annulée (%1).</translation>
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
        <translation>Le boîtier ne contient pas ce qui a été écrit : </translation>
    </message>
    <message>
        <source>Written and confirmed by the unit: %1 values</source>
        <translation>Écrit et confirmé par le boîtier : %1 valeurs</translation>
    </message>
    <message>
        <source>The unit already holds these values: nothing was sent.</source>
        <translation>Le boîtier contient déjà ces valeurs : rien n&apos;a été envoyé.</translation>
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
        <translation>Également écrits :</translation>
    </message>
    <message>
        <source>Kept as the unit holds them, unless asked:</source>
        <translation>Conservés tels que dans le boîtier, sauf demande :</translation>
    </message>
    <message>
        <source>Write this change?</source>
        <translation>Écrire cette modification ?</translation>
    </message>
    <message>
        <source>Write these %1 changes?</source>
        <translation>Écrire ces %1 modifications ?</translation>
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
        <translation>Activer menus restreints</translation>
    </message>
    <message>
        <source>Set full acces menus</source>
        <translation>Activer menus complets</translation>
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
    <name>norva::RampsWindow</name>
    <message>
        <source>Acceleration/Deceleration ramps</source>
        <translation>Rampes d&apos;accélération/décélération</translation>
    </message>
    <message>
        <source>Full throttle speed:</source>
        <translation>Vitesse plein gaz :</translation>
    </message>
    <message>
        <source>Idle speed:</source>
        <translation>Ralenti :</translation>
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
        <translation>Vitesse relative :</translation>
    </message>
    <message>
        <source>Absolute Speed:</source>
        <translation>Vitesse absolue :</translation>
    </message>
    <message>
        <source>Slope Value:</source>
        <translation>Pente :</translation>
    </message>
    <message>
        <source>Up to:</source>
        <translation>Jusqu&apos;à :</translation>
    </message>
    <message>
        <source>%1 row %2, %3</source>
        <translation>%1 ligne %2, %3</translation>
    </message>
    <message>
        <source>The unit takes 1 to 255: %1 will be sent</source>
        <translation>Le boîtier accepte de 1 à 255 : %1 sera envoyé</translation>
    </message>
    <message>
        <source>Backup data not available, please wait</source>
        <translation>Données de sauvegarde indisponibles, veuillez patienter</translation>
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
        <translation>L&apos;image n&apos;a pas pu être écrite : %1</translation>
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
        <translation>Temps initial (m)</translation>
    </message>
    <message>
        <source>End time (m)</source>
        <translation>Temps final (m)</translation>
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
        <translation>Cycle %1 : %2</translation>
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
