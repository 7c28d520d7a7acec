<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CheckExplanations</name>
    <message>
        <source>Press &quot;Download and install Skorvane&quot;: it installs Skorvane again.</source>
        <translation>Appuyez sur « Télécharger et installer Skorvane » : Skorvane est installé à nouveau.</translation>
    </message>
    <message>
        <source>Press &quot;Fix and check again&quot;: it creates the start-up shortcut.</source>
        <translation>Appuyez sur « Réparer et vérifier à nouveau » : le raccourci de démarrage est créé.</translation>
    </message>
    <message>
        <source>The installation&apos;s entry HKEY_LOCAL_MACHINE\%1 could not be read (this user may not read the key), so where Skorvane is installed is not known.</source>
        <translation>L&apos;entrée de l&apos;installation HKEY_LOCAL_MACHINE\%1 n&apos;a pas pu être lue (cet utilisateur n&apos;a peut-être pas le droit de lire la clé) : l&apos;emplacement de Skorvane est inconnu.</translation>
    </message>
    <message>
        <source>Ask your administrator to give your user the right to read that key, or start the tool as administrator.</source>
        <translation>Demandez à votre administrateur de donner à votre utilisateur le droit de lire cette clé, ou démarrez l&apos;outil en tant qu&apos;administrateur.</translation>
    </message>
    <message>
        <source>Skorvane is not installed: HKEY_LOCAL_MACHINE\%1 names no program (value &quot;DisplayIcon&quot;).</source>
        <translation>Skorvane n&apos;est pas installé : HKEY_LOCAL_MACHINE\%1 ne nomme aucun programme (valeur « DisplayIcon »).</translation>
    </message>
    <message>
        <source>Skorvane is not installed: %1 does not exist.</source>
        <translation>Skorvane n&apos;est pas installé : %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file %1 is missing from the installation.</source>
        <translation>Le fichier %1 manque dans l&apos;installation.</translation>
    </message>
    <message>
        <source>Skorvane needs 64-bit Windows on an x64 processor.</source>
        <translation>Skorvane a besoin de Windows 64 bits sur un processeur x64.</translation>
    </message>
    <message>
        <source>This is 32-bit Windows (processor: %1).</source>
        <translation>Ce Windows est en 32 bits (processeur : %1).</translation>
    </message>
    <message>
        <source>Install 64-bit Windows: Skorvane does not run on 32-bit Windows.</source>
        <translation>Installez Windows 64 bits : Skorvane ne fonctionne pas sous Windows 32 bits.</translation>
    </message>
    <message>
        <source>The processor is %1, not x64.</source>
        <translation>Le processeur est %1, pas x64.</translation>
    </message>
    <message>
        <source>Use Skorvane on a PC with an x64 processor.</source>
        <translation>Utilisez Skorvane sur un PC doté d&apos;un processeur x64.</translation>
    </message>
    <message>
        <source>The tool asks Windows for its name and version.</source>
        <translation>L&apos;outil demande à Windows son nom et sa version.</translation>
    </message>
    <message>
        <source>Windows did not give its name (the system information service did not answer).</source>
        <translation>Windows n&apos;a pas donné son nom (le service d&apos;informations système n&apos;a pas répondu).</translation>
    </message>
    <message>
        <source>Start the service &quot;Windows Management Instrumentation&quot; (in Services), then press &quot;Fix and check again&quot;.</source>
        <translation>Démarrez le service « Infrastructure de gestion Windows » (dans Services), puis appuyez sur « Réparer et vérifier à nouveau ».</translation>
    </message>
    <message>
        <source>The program file must be exactly the one the installer wrote: its MD5 digest is compared with the one in the file beside it.</source>
        <translation>Le fichier du programme doit être exactement celui que l&apos;installateur a écrit : son empreinte MD5 est comparée à celle du fichier placé à côté.</translation>
    </message>
    <message>
        <source>The digest file %1 is missing.</source>
        <translation>Le fichier d&apos;empreinte %1 manque.</translation>
    </message>
    <message>
        <source>The digest file %1 could not be read: another program may hold it open, or you may not have the right to read it.</source>
        <translation>Le fichier d&apos;empreinte %1 n&apos;a pas pu être lu : un autre programme le tient peut-être ouvert, ou vous n&apos;avez pas le droit de le lire.</translation>
    </message>
    <message>
        <source>The digest file %1 is %2 bytes long, far more than the 32 characters of a digest: it is not the file the installer wrote.</source>
        <translation>Le fichier d&apos;empreinte %1 fait %2 octets, bien plus que les 32 caractères d&apos;une empreinte : ce n&apos;est pas le fichier écrit par l&apos;installateur.</translation>
    </message>
    <message>
        <source>The program file %1 cannot be read.</source>
        <translation>Le fichier du programme %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The MD5 digest of %1 is %2, but %3 holds %4.</source>
        <translation>L&apos;empreinte MD5 de %1 est %2, mais %3 contient %4.</translation>
    </message>
    <message>
        <source>%1 could not be read: another program may hold it open, or you may not have the right to read it.</source>
        <translation>%1 n&apos;a pas pu être lu : un autre programme le tient peut-être ouvert, ou vous n&apos;avez pas le droit de le lire.</translation>
    </message>
    <message>
        <source>Close the programs that may use the file (an antivirus scan, an installer), then press &quot;Fix and check again&quot;.</source>
        <translation>Fermez les programmes qui peuvent utiliser le fichier (une analyse antivirus, un installateur), puis appuyez sur « Réparer et vérifier à nouveau ».</translation>
    </message>
    <message>
        <source>The file must carry a valid digital signature.</source>
        <translation>Le fichier doit porter une signature numérique valide.</translation>
    </message>
    <message>
        <source>%1 has no digital signature.</source>
        <translation>%1 n&apos;a pas de signature numérique.</translation>
    </message>
    <message>
        <source>The signature of %1 (signer %2) does not verify: the file was changed after it was signed, or its certificate is not trusted.</source>
        <translation>La signature de %1 (signataire %2) n&apos;est pas valide : le fichier a été modifié après sa signature, ou son certificat n&apos;est pas approuvé.</translation>
    </message>
    <message>
        <source>The file must be signed by its maker, %1.</source>
        <translation>Le fichier doit être signé par son éditeur, %1.</translation>
    </message>
    <message>
        <source>%1 has no digital signature, so no signer; %2 is expected.</source>
        <translation>%1 n&apos;a pas de signature numérique, donc pas de signataire ; %2 est attendu.</translation>
    </message>
    <message>
        <source>%1 is signed by %2, not by %3.</source>
        <translation>%1 est signé par %2, pas par %3.</translation>
    </message>
    <message>
        <source>Explorer finds the Skorvane extension through four registered classes, each naming the installed DLL with the threading model &quot;Apartment&quot;.</source>
        <translation>L&apos;Explorateur trouve l&apos;extension Skorvane grâce à quatre classes enregistrées, chacune nommant la DLL installée avec le modèle de threads « Apartment ».</translation>
    </message>
    <message>
        <source>it could not be read (this user may not read the key)</source>
        <translation>elle n&apos;a pas pu être lue (cet utilisateur n&apos;a peut-être pas le droit de lire la clé)</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absente</translation>
    </message>
    <message>
        <source>the threading model is %1, not &quot;Apartment&quot;</source>
        <translation>le modèle de threads est %1, pas « Apartment »</translation>
    </message>
    <message>
        <source>it names %1, not %2</source>
        <translation>elle nomme %1, pas %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>The extension&apos;s class registrations were not read.</source>
        <translation>Les enregistrements de classes de l&apos;extension n&apos;ont pas été lus.</translation>
    </message>
    <message>
        <source>Press &quot;Download and install Skorvane&quot;: the installer registers the extension again.</source>
        <translation>Appuyez sur « Télécharger et installer Skorvane » : l&apos;installateur enregistre à nouveau l&apos;extension.</translation>
    </message>
    <message>
        <source>A shortcut in a start-up folder starts Skorvane when you log on.</source>
        <translation>Un raccourci dans un dossier de démarrage lance Skorvane quand vous ouvrez une session.</translation>
    </message>
    <message>
        <source>There is no shortcut %1.</source>
        <translation>Il n&apos;y a pas de raccourci %1.</translation>
    </message>
    <message>
        <source>Nothing to do while the shortcut %1 starts Skorvane: one shortcut is enough.</source>
        <translation>Rien à faire tant que le raccourci %1 lance Skorvane : un seul raccourci suffit.</translation>
    </message>
    <message>
        <source>Press &quot;Fix and check again&quot;: it creates one shortcut, for all users when it may, else this one.</source>
        <translation>Appuyez sur « Réparer et vérifier à nouveau » : un raccourci est créé, pour tous les utilisateurs si c&apos;est permis, sinon pour celui-ci.</translation>
    </message>
    <message>
        <source>The start-up shortcut must start the installed Skorvane.</source>
        <translation>Le raccourci de démarrage doit lancer le Skorvane installé.</translation>
    </message>
    <message>
        <source>The shortcut %1 does not start any program.</source>
        <translation>Le raccourci %1 ne lance aucun programme.</translation>
    </message>
    <message>
        <source>The shortcut %1 starts %2, not %3.</source>
        <translation>Le raccourci %1 lance %2, pas %3.</translation>
    </message>
    <message>
        <source>Delete the shortcut %1, then press &quot;Fix and check again&quot; to create it anew.</source>
        <translation>Supprimez le raccourci %1, puis appuyez sur « Réparer et vérifier à nouveau » pour le recréer.</translation>
    </message>
    <message>
        <source>Windows starts a start-up shortcut only while its entry is enabled.</source>
        <translation>Windows ne lance un raccourci de démarrage que si son entrée est activée.</translation>
    </message>
    <message>
        <source>The start-up entry &quot;Skorvane.lnk&quot; is disabled: %1 holds %2.</source>
        <translation>L&apos;entrée de démarrage « Skorvane.lnk » est désactivée : %1 contient %2.</translation>
    </message>
    <message>
        <source>Open the Task Manager, page &quot;Start-up&quot;, select Skorvane and press &quot;Enable&quot;.</source>
        <translation>Ouvrez le Gestionnaire des tâches, onglet « Démarrage », sélectionnez Skorvane et appuyez sur « Activer ».</translation>
    </message>
    <message>
        <source>Skorvane must run for its copies and its Explorer extension to work.</source>
        <translation>Skorvane doit être en cours d&apos;exécution pour que ses copies et son extension de l&apos;Explorateur fonctionnent.</translation>
    </message>
    <message>
        <source>No process runs %1 (it was looked for by its file name and path).</source>
        <translation>Aucun processus n&apos;exécute %1 (recherché par son nom de fichier et son chemin).</translation>
    </message>
    <message>
        <source>Nothing to do: this pass started Skorvane after this check.</source>
        <translation>Rien à faire : ce passage a lancé Skorvane après cette vérification.</translation>
    </message>
    <message>
        <source>Start Skorvane from the Start menu; &quot;Quit&quot; also starts it as this tool ends.</source>
        <translation>Lancez Skorvane depuis le menu Démarrer ; « Quitter » le lance aussi à la fermeture de cet outil.</translation>
    </message>
    <message>
        <source>Not copied: %1.</source>
        <translation>Non copiés : %1.</translation>
    </message>
    <message>
        <source>Set the environment variable TEMP to a folder of your own that you can write (usually %LOCALAPPDATA%\Temp), then start the tool again.</source>
        <translation>Donnez à la variable d&apos;environnement TEMP un dossier à vous où vous pouvez écrire (en général %LOCALAPPDATA%\Temp), puis relancez l&apos;outil.</translation>
    </message>
    <message>
        <source>The temporary folder %1 (TEMP) is not a full path, so the test files have nowhere to go.</source>
        <translation>Le dossier temporaire %1 (TEMP) n&apos;est pas un chemin complet : les fichiers de test n&apos;ont nulle part où aller.</translation>
    </message>
    <message>
        <source>The temporary folder %1 (TEMP) does not exist.</source>
        <translation>Le dossier temporaire %1 (TEMP) n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No folder for the test files could be made in the temporary folder %1 (TEMP): it cannot be written.</source>
        <translation>Aucun dossier pour les fichiers de test n&apos;a pu être créé dans le dossier temporaire %1 (TEMP) : on ne peut pas y écrire.</translation>
    </message>
    <message>
        <source>The test files could not be written in %1.</source>
        <translation>Les fichiers de test n&apos;ont pas pu être écrits dans %1.</translation>
    </message>
    <message>
        <source>Make room on the drive of the temporary folder, then press &quot;Fix and check again&quot;.</source>
        <translation>Libérez de la place sur le lecteur du dossier temporaire, puis appuyez sur « Réparer et vérifier à nouveau ».</translation>
    </message>
    <message>
        <source>The tool runs Skorvane with &quot;--copy&quot; to copy two test files into %1.</source>
        <translation>L&apos;outil exécute Skorvane avec « --copy » pour copier deux fichiers de test dans %1.</translation>
    </message>
    <message>
        <source>Press &quot;Fix and check again&quot; to repeat the test; if it fails again, press &quot;Download and install Skorvane&quot;.</source>
        <translation>Appuyez sur « Réparer et vérifier à nouveau » pour refaire le test ; s&apos;il échoue encore, appuyez sur « Télécharger et installer Skorvane ».</translation>
    </message>
    <message>
        <source>%1 --copy was stopped: the check was ended before it finished.</source>
        <translation>%1 --copy a été arrêté : la vérification a pris fin avant qu&apos;il ne termine.</translation>
    </message>
    <message>
        <source>%1 --copy did not end within %2 s and was stopped.</source>
        <translation>%1 --copy ne s&apos;est pas terminé en %2 s et a été arrêté.</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>%1 --copy crashed.</source>
        <translation>%1 --copy a planté.</translation>
    </message>
    <message>
        <source>%1 --copy ended with exit code %2.</source>
        <translation>%1 --copy s&apos;est terminé avec le code de sortie %2.</translation>
    </message>
    <message>
        <source>Nothing took the request on the pipe %1 (given up after %2 ms): Skorvane does not run, or does not listen.</source>
        <translation>Personne n&apos;a pris la requête sur le tube %1 (abandon après %2 ms) : Skorvane ne tourne pas, ou n&apos;écoute pas.</translation>
    </message>
    <message>
        <source>Skorvane took the request on the pipe %1 but did not finish its answer (given up after %2 ms).</source>
        <translation>Skorvane a pris la requête sur le tube %1 mais n&apos;a pas terminé sa réponse (abandon après %2 ms).</translation>
    </message>
    <message>
        <source>The answer to the request on the pipe %1 went past %2 MiB, far more than Skorvane ever answers, and was dropped (after %3 ms): a program other than Skorvane may hold the pipe.</source>
        <translation>La réponse à la requête sur le tube %1 a dépassé %2 Mio, bien plus que ce que Skorvane répond jamais, et a été abandonnée (après %3 ms) : un autre programme que Skorvane tient peut-être le tube.</translation>
    </message>
    <message>
        <source>Quit Skorvane (from its icon by the clock) and start it again, then press &quot;Fix and check again&quot;.</source>
        <translation>Quittez Skorvane (depuis son icône près de l&apos;horloge) et relancez-le, puis appuyez sur « Réparer et vérifier à nouveau ».</translation>
    </message>
    <message>
        <source>Skorvane must handle the files you drag and drop in Explorer; the tool asks it over its pipe.</source>
        <translation>Skorvane doit traiter les fichiers que vous glissez-déposez dans l&apos;Explorateur ; l&apos;outil le lui demande par son tube.</translation>
    </message>
    <message>
        <source>Skorvane answered on the pipe %1 that drag and drop is off.</source>
        <translation>Skorvane a répondu sur le tube %1 que le glisser-déposer est désactivé.</translation>
    </message>
    <message>
        <source>Press &quot;Activate&quot; beside this row.</source>
        <translation>Appuyez sur « Activer » à côté de cette ligne.</translation>
    </message>
    <message>
        <source>Skorvane answered on the pipe %1 without saying whether drag and drop is on (after %2 ms).</source>
        <translation>Skorvane a répondu sur le tube %1 sans dire si le glisser-déposer est activé (après %2 ms).</translation>
    </message>
    <message>
        <source>The tool sends Skorvane the copy request that its Explorer extension sends, over the pipe %1.</source>
        <translation>L&apos;outil envoie à Skorvane la requête de copie qu&apos;envoie son extension de l&apos;Explorateur, par le tube %1.</translation>
    </message>
    <message>
        <source>Skorvane answered (after %1 ms) but did not make every copy.</source>
        <translation>Skorvane a répondu (après %1 ms) mais n&apos;a pas fait toutes les copies.</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non vérifié</translation>
    </message>
    <message>
        <source>Nothing to do: run the pass without --observe to check it.</source>
        <translation>Rien à faire : lancez le passage sans --observe pour le vérifier.</translation>
    </message>
    <message>
        <source>Nothing to do: run the pass as the user whose start-up it is to check it.</source>
        <translation>Rien à faire : lancez le passage en tant que l&apos;utilisateur dont c&apos;est le démarrage pour le vérifier.</translation>
    </message>
</context>
<context>
    <name>CheckPass</name>
    <message>
        <source>Architecture</source>
        <translation>Architecture</translation>
    </message>
    <message>
        <source>Windows version</source>
        <translation>Version de Windows</translation>
    </message>
    <message>
        <source>Installation paths</source>
        <translation>Chemins d&apos;installation</translation>
    </message>
    <message>
        <source>Integrity of the executable</source>
        <translation>Intégrité de l&apos;exécutable</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Version du logiciel</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Explorer plugin registration</source>
        <translation>Enregistrement de l&apos;extension de l&apos;Explorateur</translation>
    </message>
    <message>
        <source>Explorer plugin version</source>
        <translation>Version de l&apos;extension de l&apos;Explorateur</translation>
    </message>
    <message>
        <source>Start-up shortcuts (with repair)</source>
        <translation>Raccourcis de démarrage (avec réparation)</translation>
    </message>
    <message>
        <source>Start-up shortcuts</source>
        <translation>Raccourcis de démarrage</translation>
    </message>
    <message>
        <source>Start-up approval</source>
        <translation>Autorisation au démarrage</translation>
    </message>
    <message>
        <source>Running state</source>
        <translation>État d&apos;exécution</translation>
    </message>
    <message>
        <source>Command line copy</source>
        <translation>Copie en ligne de commande</translation>
    </message>
    <message>
        <source>not checked: --observe</source>
        <translation>non vérifié : --observe</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lancement</translation>
    </message>
    <message>
        <source>Log area</source>
        <translation>Zone du journal</translation>
    </message>
    <message>
        <source>Plugin simulation</source>
        <translation>Simulation de l&apos;extension</translation>
    </message>
    <message>
        <source>not checked: no user is signed in (%1)</source>
        <translation>non vérifié : aucun utilisateur n&apos;a ouvert de session (%1)</translation>
    </message>
    <message>
        <source>not checked: --observe, and the product does not run</source>
        <translation>non vérifié : --observe, et le produit ne tourne pas</translation>
    </message>
    <message>
        <source>Plugin DLL file do not exist</source>
        <translation>DLL de l&apos;extension absente</translation>
    </message>
</context>
<context>
    <name>CheckRows</name>
    <message>
        <source>Window 64 bits (x64 Mandatory)</source>
        <translation>Windows 64 bits (x64 obligatoire)</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Windows version</source>
        <translation>Version de Windows</translation>
    </message>
    <message>
        <source>Integrity of software exe</source>
        <translation>Intégrité de l&apos;exécutable du logiciel</translation>
    </message>
    <message>
        <source>Check exe is signed</source>
        <translation>L&apos;exécutable est signé</translation>
    </message>
    <message>
        <source>Check exe is signed with good certificate name</source>
        <translation>Exécutable signé par le bon certificat</translation>
    </message>
    <message>
        <source>Shortcut installed for all users</source>
        <translation>Raccourci pour tous les utilisateurs</translation>
    </message>
    <message>
        <source>Shortcut point to the uninstall dir ? (all users)</source>
        <translation>Cible : dossier d&apos;installation ? (tous les utilisateurs)</translation>
    </message>
    <message>
        <source>Shortcut installed for current user</source>
        <translation>Raccourci pour l&apos;utilisateur actuel</translation>
    </message>
    <message>
        <source>Shortcut point to the uninstall dir ? (current user)</source>
        <translation>Cible : dossier d&apos;installation ? (utilisateur actuel)</translation>
    </message>
    <message>
        <source>Shortcut allowed to run</source>
        <translation>Raccourci autorisé à démarrer</translation>
    </message>
    <message>
        <source>Check install Explorer plugin registered</source>
        <translation>Extension de l&apos;Explorateur enregistrée</translation>
    </message>
    <message>
        <source>Check plugin is signed</source>
        <translation>L&apos;extension est signée</translation>
    </message>
    <message>
        <source>Check plugin is signed with good certificate name</source>
        <translation>Extension signée par le bon certificat</translation>
    </message>
    <message>
        <source>Explorer Drag and Drop activated</source>
        <translation>Glisser-déposer de l&apos;Explorateur activé</translation>
    </message>
    <message>
        <source>Command line copy</source>
        <translation>Copie en ligne de commande</translation>
    </message>
    <message>
        <source>is Skorvane is running</source>
        <translation>Skorvane est en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Interact with Skorvane (log)</source>
        <translation>Échanges avec Skorvane (journal)</translation>
    </message>
    <message>
        <source>Simulate communication from plugin</source>
        <translation>Simuler la communication de l&apos;extension</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignoré</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
</context>
<context>
    <name>DownloadAction</name>
    <message>
        <source>You are going to install Skorvane !</source>
        <translation>Vous allez installer Skorvane !</translation>
    </message>
</context>
<context>
    <name>InstallerVerdict</name>
    <message>
        <source>The downloaded installer is not signed, so nobody can tell who made it. It was not run.</source>
        <translation>L&apos;installateur téléchargé n&apos;est pas signé : personne ne peut dire qui l&apos;a fait. Il n&apos;a pas été exécuté.</translation>
    </message>
    <message>
        <source>The downloaded installer&apos;s signature does not match its content: it was changed after it was signed, or the signature cannot be trusted. It was not run.</source>
        <translation>La signature de l&apos;installateur téléchargé ne correspond pas à son contenu : il a été modifié après sa signature, ou la signature n&apos;est pas digne de confiance. Il n&apos;a pas été exécuté.</translation>
    </message>
    <message>
        <source>The downloaded installer is signed by &quot;%1&quot;, not by %2, the maker of Skorvane. It was not run.</source>
        <translation>L&apos;installateur téléchargé est signé par « %1 », pas par %2, l&apos;éditeur de Skorvane. Il n&apos;a pas été exécuté.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Skorvane Diagnostic</source>
        <translation>Skorvane Diagnostic</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Window 64 bits (x64 Mandatory)</source>
        <translation>Windows 64 bits (x64 obligatoire)</translation>
    </message>
    <message>
        <source>Windows version</source>
        <translation>Version de Windows</translation>
    </message>
    <message>
        <source>Check Install</source>
        <translation>Vérifier l&apos;installation</translation>
    </message>
    <message>
        <source>Integrity of software exe</source>
        <translation>Intégrité de l&apos;exécutable du logiciel</translation>
    </message>
    <message>
        <source>Check exe is signed</source>
        <translation>L&apos;exécutable est signé</translation>
    </message>
    <message>
        <source>Check exe is signed with good certificate name</source>
        <translation>Exécutable signé par le bon certificat</translation>
    </message>
    <message>
        <source>Check shortcuts</source>
        <translation>Vérifier les raccourcis</translation>
    </message>
    <message>
        <source>Shortcut installed for all users</source>
        <translation>Raccourci pour tous les utilisateurs</translation>
    </message>
    <message>
        <source>Shortcut point to the uninstall dir ?</source>
        <translation>Cible : dossier d&apos;installation ?</translation>
    </message>
    <message>
        <source>Shortcut installed for current user</source>
        <translation>Raccourci pour l&apos;utilisateur actuel</translation>
    </message>
    <message>
        <source>Shortcut allowed to run</source>
        <translation>Raccourci autorisé à démarrer</translation>
    </message>
    <message>
        <source>Check Explorer plugin:</source>
        <translation>Vérifier l&apos;extension de l&apos;Explorateur :</translation>
    </message>
    <message>
        <source>Check install Explorer plugin registered</source>
        <translation>Extension de l&apos;Explorateur enregistrée</translation>
    </message>
    <message>
        <source>Check plugin is signed</source>
        <translation>L&apos;extension est signée</translation>
    </message>
    <message>
        <source>Check plugin is signed with good certificate name</source>
        <translation>Extension signée par le bon certificat</translation>
    </message>
    <message>
        <source>Explorer Drag and Drop activated</source>
        <translation>Glisser-déposer de l&apos;Explorateur activé</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Check level UAC by process</source>
        <translation>Vérifier le niveau UAC par processus</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Explorateur</translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Skorvane</source>
        <translation>Skorvane</translation>
    </message>
    <message>
        <source>Automatic copy test</source>
        <translation>Test de copie automatique</translation>
    </message>
    <message>
        <source>Command line copy</source>
        <translation>Copie en ligne de commande</translation>
    </message>
    <message>
        <source>Command clipboard past and copy</source>
        <translation>Copie par collage du presse-papiers</translation>
    </message>
    <message>
        <source>is Skorvane is running</source>
        <translation>Skorvane est en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>Plugin/Exe communication</source>
        <translation>Communication extension/exécutable</translation>
    </message>
    <message>
        <source>Simulate communication from plugin</source>
        <translation>Simuler la communication de l&apos;extension</translation>
    </message>
    <message>
        <source>Interact with Skorvane</source>
        <translation>Échanges avec Skorvane</translation>
    </message>
    <message>
        <source>Skorvane is launched</source>
        <translation>Skorvane est lancé</translation>
    </message>
    <message>
        <source>What to do</source>
        <translation>Que faire</translation>
    </message>
    <message>
        <source>Download and install Skorvane</source>
        <translation>Télécharger et installer Skorvane</translation>
    </message>
    <message>
        <source>Fix and check again</source>
        <translation>Réparer et vérifier à nouveau</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>Envoyer le rapport</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>%1 - %2 of %3</source>
        <translation>%1 - %2 sur %3</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2&lt;br&gt;&lt;b&gt;Cause:&lt;/b&gt; %3&lt;br&gt;&lt;b&gt;What to do:&lt;/b&gt; %4</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;%2&lt;br&gt;&lt;b&gt;Cause :&lt;/b&gt; %3&lt;br&gt;&lt;b&gt;Que faire :&lt;/b&gt; %4</translation>
    </message>
    <message>
        <source>Sending the report that waited…</source>
        <translation>Envoi du rapport en attente…</translation>
    </message>
    <message>
        <source>Sending waiting report %1 of %2…</source>
        <translation>Envoi du rapport en attente %1 sur %2…</translation>
    </message>
    <message>
        <source>Report number %1 sent: quote it to support.</source>
        <translation>Rapport numéro %1 envoyé : citez-le au support.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Cause: %1 What to do: %2</source>
        <translation>Cause : %1 Que faire : %2</translation>
    </message>
</context>
<context>
    <name>NetworkProxy</name>
    <message>
        <source>The proxy setting &quot;%1&quot; is not &quot;system&quot;, &quot;none&quot; or an address http://host:port: the system&apos;s proxy configuration is used.</source>
        <translation>Le réglage de proxy « %1 » n&apos;est ni « system », ni « none », ni une adresse http://hôte:port : la configuration de proxy du système est utilisée.</translation>
    </message>
</context>
<context>
    <name>Orv::HttpsExchange</name>
    <message>
        <source>nothing moved for %1 ms</source>
        <translation>rien n&apos;a circulé pendant %1 ms</translation>
    </message>
    <message>
        <source>%1 bytes moved in %2 ms</source>
        <translation>%1 octets transférés en %2 ms</translation>
    </message>
    <message>
        <source>the proxy refused the user name and password</source>
        <translation>le proxy a refusé le nom d&apos;utilisateur et le mot de passe</translation>
    </message>
    <message>
        <source>the proxy asked for a user name and password</source>
        <translation>le proxy a demandé un nom d&apos;utilisateur et un mot de passe</translation>
    </message>
    <message>
        <source>not an https:// address</source>
        <translation>pas une adresse https://</translation>
    </message>
    <message>
        <source>the answer&apos;s header fields pass %1 bytes</source>
        <translation>les champs d&apos;en-tête de la réponse dépassent %1 octets</translation>
    </message>
    <message>
        <source>the answer has more than %1 header fields</source>
        <translation>la réponse a plus de %1 champs d&apos;en-tête</translation>
    </message>
    <message>
        <source>a header line is not a field: %1</source>
        <translation>une ligne d&apos;en-tête n&apos;est pas un champ : %1</translation>
    </message>
    <message>
        <source>not an HTTP status line: %1</source>
        <translation>pas une ligne d&apos;état HTTP : %1</translation>
    </message>
    <message>
        <source>the answer&apos;s framing is not HTTP/1.1&apos;s: Transfer-Encoding %1%2</source>
        <translation>le découpage de la réponse n&apos;est pas celui de HTTP/1.1 : Transfer-Encoding %1%2</translation>
    </message>
    <message>
        <source>the answer&apos;s length is not a number: %1</source>
        <translation>la longueur de la réponse n&apos;est pas un nombre : %1</translation>
    </message>
    <message>
        <source>the answer announced two different lengths</source>
        <translation>la réponse a annoncé deux longueurs différentes</translation>
    </message>
    <message>
        <source>a chunk-size line passes %1 bytes</source>
        <translation>une ligne de taille de bloc dépasse %1 octets</translation>
    </message>
    <message>
        <source>an invalid chunk size: %1</source>
        <translation>une taille de bloc invalide : %1</translation>
    </message>
    <message>
        <source>a chunk is longer than its size said</source>
        <translation>un bloc est plus long que sa taille annoncée</translation>
    </message>
    <message>
        <source>the connection closed before an answer came</source>
        <translation>la connexion s&apos;est fermée avant qu&apos;une réponse n&apos;arrive</translation>
    </message>
    <message>
        <source>the connection closed after %1 of the %2 bytes announced</source>
        <translation>la connexion s&apos;est fermée après %1 des %2 octets annoncés</translation>
    </message>
    <message>
        <source>the connection closed before the last chunk</source>
        <translation>la connexion s&apos;est fermée avant le dernier bloc</translation>
    </message>
</context>
<context>
    <name>Orv::NetworkProxy</name>
    <message>
        <source>no https_proxy in the environment</source>
        <translation>pas de https_proxy dans l&apos;environnement</translation>
    </message>
    <message>
        <source>https_proxy is not a proxy address</source>
        <translation>https_proxy n&apos;est pas une adresse de proxy</translation>
    </message>
    <message>
        <source>https_proxy in the environment</source>
        <translation>https_proxy dans l&apos;environnement</translation>
    </message>
    <message>
        <source>the system&apos;s proxy configuration (Internet Options)</source>
        <translation>la configuration de proxy du système (Options Internet)</translation>
    </message>
    <message>
        <source>the system&apos;s proxy configuration names no proxy</source>
        <translation>la configuration de proxy du système ne nomme aucun proxy</translation>
    </message>
    <message>
        <source>the setting &lt;Network proxy=&quot;none&quot;/&gt;</source>
        <translation>le réglage &lt;Network proxy=&quot;none&quot;/&gt;</translation>
    </message>
    <message>
        <source>the setting &lt;Network proxy=...&gt;</source>
        <translation>le réglage &lt;Network proxy=...&gt;</translation>
    </message>
</context>
<context>
    <name>Orv::ProxyAuthentication</name>
    <message>
        <source>the proxy asked for a sign-in %1 times</source>
        <translation>le proxy a demandé une identification %1 fois</translation>
    </message>
    <message>
        <source>the proxy&apos;s NTLM challenge is malformed</source>
        <translation>le défi NTLM du proxy est mal formé</translation>
    </message>
    <message>
        <source>the proxy refused the user name and password</source>
        <translation>le proxy a refusé le nom d&apos;utilisateur et le mot de passe</translation>
    </message>
    <message>
        <source>the proxy asks for a sign-in this program cannot give (%1)</source>
        <translation>le proxy demande une identification que ce programme ne peut pas fournir (%1)</translation>
    </message>
    <message>
        <source>the proxy asked for a user name and password</source>
        <translation>le proxy a demandé un nom d&apos;utilisateur et un mot de passe</translation>
    </message>
</context>
<context>
    <name>Orv::ProxyTunnel</name>
    <message>
        <source>the proxy&apos;s answer passes %1 bytes</source>
        <translation>la réponse du proxy dépasse %1 octets</translation>
    </message>
    <message>
        <source>the proxy&apos;s answer has more than %1 header fields</source>
        <translation>la réponse du proxy a plus de %1 champs d&apos;en-tête</translation>
    </message>
    <message>
        <source>the proxy&apos;s answer is not HTTP: %1</source>
        <translation>la réponse du proxy n&apos;est pas du HTTP : %1</translation>
    </message>
    <message>
        <source>the proxy sent more than its answer before the site spoke</source>
        <translation>le proxy a envoyé plus que sa réponse avant que le site ne parle</translation>
    </message>
    <message>
        <source>the proxy answered %1 %2</source>
        <translation>le proxy a répondu %1 %2</translation>
    </message>
    <message>
        <source>the proxy asked for a user name and password</source>
        <translation>le proxy a demandé un nom d&apos;utilisateur et un mot de passe</translation>
    </message>
    <message>
        <source>the proxy closed the connection before it opened the way</source>
        <translation>le proxy a fermé la connexion avant d&apos;ouvrir le passage</translation>
    </message>
</context>
<context>
    <name>Orv::UIDialogDownloadAndInstallUpdate</name>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>The installer is downloaded. Install Skorvane now?</source>
        <translation>L&apos;installateur est téléchargé. Installer Skorvane maintenant ?</translation>
    </message>
    <message>
        <source>The download failed. %1</source>
        <translation>Le téléchargement a échoué. %1</translation>
    </message>
    <message>
        <source>Windows asked for permission to run the installer, and it was not given. Nothing was installed: press Install to be asked again.</source>
        <translation>Windows a demandé l&apos;autorisation d&apos;exécuter l&apos;installateur, et elle n&apos;a pas été donnée. Rien n&apos;a été installé : appuyez sur Installer pour qu&apos;elle soit demandée à nouveau.</translation>
    </message>
    <message>
        <source>The installer %1 is no longer there; an antivirus may have removed it. Nothing was installed.</source>
        <translation>L&apos;installateur %1 n&apos;est plus là ; un antivirus l&apos;a peut-être supprimé. Rien n&apos;a été installé.</translation>
    </message>
    <message>
        <source>This computer did not allow the installer %1 to run (access denied). Nothing was installed.</source>
        <translation>Cet ordinateur n&apos;a pas permis à l&apos;installateur %1 de s&apos;exécuter (accès refusé). Rien n&apos;a été installé.</translation>
    </message>
    <message>
        <source>The file %1 is not a program this computer can run. Nothing was installed.</source>
        <translation>Le fichier %1 n&apos;est pas un programme que cet ordinateur peut exécuter. Rien n&apos;a été installé.</translation>
    </message>
    <message>
        <source>The installer %1 could not be started (error %2). Nothing was installed.</source>
        <translation>L&apos;installateur %1 n&apos;a pas pu être lancé (erreur %2). Rien n&apos;a été installé.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Update file doesn&apos;t exist anymore, maybe antivirus removed it, start without updating.</source>
        <translation>Le fichier de mise à jour n&apos;existe plus, un antivirus l&apos;a peut-être supprimé ; démarrage sans mise à jour.</translation>
    </message>
    <message>
        <source>Installer refused</source>
        <translation>Installateur refusé</translation>
    </message>
    <message>
        <source>The installer did not start</source>
        <translation>L&apos;installateur n&apos;a pas démarré</translation>
    </message>
</context>
<context>
    <name>OutboxSender</name>
    <message>
        <source>the site asked to wait until %1</source>
        <translation>le site a demandé d&apos;attendre jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>1 waiting report sent.</source>
        <translation>1 rapport en attente envoyé.</translation>
    </message>
    <message>
        <source>%1 waiting reports sent.</source>
        <translation>%1 rapports en attente envoyés.</translation>
    </message>
    <message>
        <source>1 report refused by the site.</source>
        <translation>1 rapport refusé par le site.</translation>
    </message>
    <message>
        <source>%1 reports refused by the site.</source>
        <translation>%1 rapports refusés par le site.</translation>
    </message>
    <message>
        <source>1 report still waiting to be sent.</source>
        <translation>1 rapport attend encore d&apos;être envoyé.</translation>
    </message>
    <message>
        <source>%1 reports still waiting to be sent.</source>
        <translation>%1 rapports attendent encore d&apos;être envoyés.</translation>
    </message>
</context>
<context>
    <name>QCheckSplash</name>
    <message>
        <source>%1 - %2 of %3</source>
        <translation>%1 - %2 sur %3</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Démarrage</translation>
    </message>
</context>
<context>
    <name>ReportHtml</name>
    <message>
        <source>What to do:</source>
        <translation>Que faire :</translation>
    </message>
    <message>
        <source>(no screenshot)</source>
        <translation>(pas de capture d&apos;écran)</translation>
    </message>
    <message>
        <source>Report number</source>
        <translation>Numéro du rapport</translation>
    </message>
    <message>
        <source>%1 %2 - diagnostic report</source>
        <translation>%1 %2 - rapport de diagnostic</translation>
    </message>
    <message>
        <source>(none: anonymous)</source>
        <translation>(aucun : anonyme)</translation>
    </message>
    <message>
        <source>en</source>
        <translation>fr</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Why it failed</source>
        <translation>Pourquoi elle a échoué</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>(%1 lines)</source>
        <translation>(%1 lignes)</translation>
    </message>
    <message>
        <source>    Cause: %1
    What to do: %2
</source>
        <translation>    Cause : %1
    Que faire : %2
</translation>
    </message>
</context>
<context>
    <name>ReportOutbox</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 bytes, larger than any report</source>
        <translation>%1 octets, plus qu&apos;aucun rapport</translation>
    </message>
    <message>
        <source>not a report this program wrote</source>
        <translation>pas un rapport écrit par ce programme</translation>
    </message>
    <message>
        <source>cut short or damaged</source>
        <translation>tronqué ou endommagé</translation>
    </message>
    <message>
        <source>%1 in the outbox is %2: set aside, not sent.</source>
        <translation>%1 dans la boîte d&apos;envoi est %2 : mis de côté, non envoyé.</translation>
    </message>
    <message>
        <source>%1 in the outbox is %2, and could not be set aside.</source>
        <translation>%1 dans la boîte d&apos;envoi est %2, et n&apos;a pas pu être mis de côté.</translation>
    </message>
    <message>
        <source>older than %1 days</source>
        <translation>plus ancien que %1 jours</translation>
    </message>
    <message>
        <source>more than %1 reports wait</source>
        <translation>plus de %1 rapports attendent</translation>
    </message>
    <message>
        <source>the reports waiting pass %1 MiB</source>
        <translation>les rapports en attente dépassent %1 Mio</translation>
    </message>
</context>
<context>
    <name>SendWaiting</name>
    <message>
        <source>No report waits.</source>
        <translation>Aucun rapport n&apos;attend.</translation>
    </message>
</context>
<context>
    <name>SiteAddress</name>
    <message>
        <source>The site address &quot;%1&quot; is not an https:// address, so nothing is sent to it. Set an https:// address in data/GlobalConfig.xml (&lt;Site address=&quot;...&quot;/&gt;).</source>
        <translation>L&apos;adresse du site « %1 » n&apos;est pas une adresse https:// : rien ne lui est envoyé. Indiquez une adresse https:// dans data/GlobalConfig.xml (&lt;Site address=&quot;...&quot;/&gt;).</translation>
    </message>
</context>
<context>
    <name>SiteCheck</name>
    <message>
        <source>through the proxy %1 (%2)</source>
        <translation>par le proxy %1 (%2)</translation>
    </message>
    <message>
        <source>direct, no proxy (%1)</source>
        <translation>direct, sans proxy (%1)</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 est %2</translation>
    </message>
    <message>
        <source>%1 could not be found (DNS): %2</source>
        <translation>%1 est introuvable (DNS) : %2</translation>
    </message>
    <message>
        <source>%1: no answer from the name service within %2 s</source>
        <translation>%1 : pas de réponse du service de noms en %2 s</translation>
    </message>
    <message>
        <source>connected to %1</source>
        <translation>connecté à %1</translation>
    </message>
    <message>
        <source>%1 refused the connection</source>
        <translation>%1 a refusé la connexion</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>the proxy did not open the way: %1</source>
        <translation>le proxy n&apos;a pas ouvert le passage : %1</translation>
    </message>
    <message>
        <source>the proxy opened the way to %1</source>
        <translation>le proxy a ouvert le passage vers %1</translation>
    </message>
    <message>
        <source>not trusted: %1</source>
        <translation>non approuvé : %1</translation>
    </message>
    <message>
        <source>not trusted: the certificate was issued by &quot;%1&quot;, which this computer does not trust</source>
        <translation>non approuvé : le certificat a été émis par « %1 », auquel cet ordinateur ne fait pas confiance</translation>
    </message>
    <message>
        <source>trusted, certificate issued by &quot;%1&quot;</source>
        <translation>approuvé, certificat émis par « %1 »</translation>
    </message>
    <message>
        <source>HTTP %1 %2</source>
        <translation>HTTP %1 %2</translation>
    </message>
    <message>
        <source>no answer: %1</source>
        <translation>pas de réponse : %1</translation>
    </message>
    <message>
        <source>nothing within the bound</source>
        <translation>rien dans le délai imparti</translation>
    </message>
    <message>
        <source>Route to %1</source>
        <translation>Route vers %1</translation>
    </message>
    <message>
        <source>The site can be reached.</source>
        <translation>Le site peut être atteint.</translation>
    </message>
    <message>
        <source>The site cannot be reached.</source>
        <translation>Le site ne peut pas être atteint.</translation>
    </message>
</context>
<context>
    <name>SkorvaneDiagnosticsCli</name>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>    Cause: %1
    Fix:   %2
</source>
        <translation>    Cause :   %1
    Remède :  %2
</translation>
    </message>
</context>
<context>
    <name>TransferAdvice</name>
    <message>
        <source>Check the proxy&apos;s address in the Internet Options, or ask your IT for it.</source>
        <translation>Vérifiez l&apos;adresse du proxy dans les Options Internet, ou demandez-la à votre service informatique.</translation>
    </message>
    <message>
        <source>Check the Internet connection. In a company, ask your IT which proxy to use: the tool takes the one of the Internet Options, or &lt;Network proxy=&quot;...&quot;/&gt;.</source>
        <translation>Vérifiez la connexion Internet. En entreprise, demandez à votre service informatique quel proxy utiliser : l&apos;outil prend celui des Options Internet, ou &lt;Network proxy=&quot;...&quot;/&gt;.</translation>
    </message>
    <message>
        <source>Ask your IT whether the proxy %1 works and lets this program out.</source>
        <translation>Demandez à votre service informatique si le proxy %1 fonctionne et laisse sortir ce programme.</translation>
    </message>
    <message>
        <source>Check the Internet connection and the firewall, then press &quot;Retry&quot;.</source>
        <translation>Vérifiez la connexion Internet et le pare-feu, puis appuyez sur « Réessayer ».</translation>
    </message>
    <message>
        <source>Ask your IT for the user name and password of the proxy %1, then press &quot;Retry&quot;.</source>
        <translation>Demandez à votre service informatique le nom d&apos;utilisateur et le mot de passe du proxy %1, puis appuyez sur « Réessayer ».</translation>
    </message>
    <message>
        <source>Ask your IT to let the proxy %1 open the way to the maker&apos;s site.</source>
        <translation>Demandez à votre service informatique de laisser le proxy %1 ouvrir le passage vers le site de l&apos;éditeur.</translation>
    </message>
    <message>
        <source>Check the computer&apos;s date and time; in a company, ask your IT whether HTTPS is inspected.</source>
        <translation>Vérifiez la date et l&apos;heure de l&apos;ordinateur ; en entreprise, demandez à votre service informatique si le HTTPS est inspecté.</translation>
    </message>
    <message>
        <source>Ask your IT to add &quot;%1&quot; to this computer&apos;s trusted root certificates.</source>
        <translation>Demandez à votre service informatique d&apos;ajouter « %1 » aux certificats racines approuvés de cet ordinateur.</translation>
    </message>
    <message>
        <source>Press &quot;Retry&quot; later; if it fails again, save the report and send it by e-mail.</source>
        <translation>Appuyez sur « Réessayer » plus tard ; si cela échoue encore, enregistrez le rapport et envoyez-le par e-mail.</translation>
    </message>
</context>
<context>
    <name>UIDialogDownloadAndInstallUpdate</name>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>UIDialogProxyCredentials</name>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Used for this run only: never saved, never written to a log or a report.</source>
        <translation>Utilisés pour cette exécution seulement : jamais enregistrés, jamais écrits dans un journal ni dans un rapport.</translation>
    </message>
    <message>
        <source>The proxy %1 asks for a user name and password before it lets this program reach the maker&apos;s site.</source>
        <translation>Le proxy %1 demande un nom d&apos;utilisateur et un mot de passe avant de laisser ce programme atteindre le site de l&apos;éditeur.</translation>
    </message>
</context>
<context>
    <name>UIDialogQuestion</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save all</source>
        <translation>Tout enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Yes to all</source>
        <translation>Oui pour tout</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>No to all</source>
        <translation>Non pour tout</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ignorer les modifications</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Restore to defaults</source>
        <translation>Restaurer les valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>UIDialogReportDetails</name>
    <message>
        <source>What the report carries</source>
        <translation>Ce que contient le rapport</translation>
    </message>
    <message>
        <source>(no screenshot)</source>
        <translation>(pas de capture d&apos;écran)</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Produit :</translation>
    </message>
    <message>
        <source>Report number:</source>
        <translation>Numéro du rapport :</translation>
    </message>
    <message>
        <source>Explanation:</source>
        <translation>Explication :</translation>
    </message>
    <message>
        <source>Check results:</source>
        <translation>Résultats des vérifications :</translation>
    </message>
    <message>
        <source>The report, as sent:</source>
        <translation>Le rapport, tel qu&apos;envoyé :</translation>
    </message>
    <message>
        <source>(none: the report is anonymous)</source>
        <translation>(aucun : le rapport est anonyme)</translation>
    </message>
    <message>
        <source>A crash report: the crash dump file %1</source>
        <translation>Un rapport de plantage : le fichier de vidage %1</translation>
    </message>
</context>
<context>
    <name>UIPanelDumpSend</name>
    <message>
        <source>Sorry, a crash occurred during the last launch.</source>
        <translation>Désolé, un plantage s&apos;est produit lors du dernier lancement.</translation>
    </message>
    <message>
        <source>Please describe the way it occur (Optional)</source>
        <translation>Veuillez décrire comment il s&apos;est produit (facultatif)</translation>
    </message>
    <message>
        <source>e-mail (Optional)</source>
        <translation>e-mail (facultatif)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Add executable parameters to facilitate debugging (Optional)</source>
        <translation>Ajouter les paramètres de l&apos;exécutable pour faciliter le débogage (facultatif)</translation>
    </message>
    <message>
        <source>Details…</source>
        <translation>Détails…</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Enregistrer le rapport…</translation>
    </message>
    <message>
        <source>Submit diagnostics</source>
        <translation>Envoyer le diagnostic</translation>
    </message>
    <message>
        <source>Submit bug report and continue</source>
        <translation>Envoyer le rapport de bogue et continuer</translation>
    </message>
    <message>
        <source>Skip bug report and continue</source>
        <translation>Ignorer le rapport de bogue et continuer</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Page web (*.html)</translation>
    </message>
    <message>
        <source>Explain your problem (Optional)</source>
        <translation>Expliquez votre problème (facultatif)</translation>
    </message>
    <message>
        <source>Diagnotic report</source>
        <translation>Rapport de diagnostic</translation>
    </message>
    <message>
        <source>Do you want to send an anonymous report?
Please note that we won’t be able to reply directly unless you provide an email address.</source>
        <translation>Voulez-vous envoyer un rapport anonyme ?
Notez que nous ne pourrons pas vous répondre directement si vous ne donnez pas d&apos;adresse e-mail.</translation>
    </message>
    <message>
        <source>Anonymous report</source>
        <translation>Rapport anonyme</translation>
    </message>
    <message>
        <source>The website moved fewer than %1 bytes in %2 seconds: too slow to ever finish.</source>
        <translation>Le site web a transféré moins de %1 octets en %2 secondes : trop lent pour jamais finir.</translation>
    </message>
    <message>
        <source>The proxy %1 did not answer for %2 s.</source>
        <translation>Le proxy %1 n&apos;a pas répondu pendant %2 s.</translation>
    </message>
    <message>
        <source>The website did not answer for 1 second.</source>
        <translation>Le site web n&apos;a pas répondu pendant 1 seconde.</translation>
    </message>
    <message>
        <source>The website did not answer for %1 seconds.</source>
        <translation>Le site web n&apos;a pas répondu pendant %1 secondes.</translation>
    </message>
    <message>
        <source>Can&apos;t connect to website</source>
        <translation>Impossible de se connecter au site web</translation>
    </message>
    <message>
        <source>Can&apos;t connect to website: its certificate was issued by &quot;%1&quot;, which this computer does not trust.</source>
        <translation>Impossible de se connecter au site web : son certificat a été émis par « %1 », auquel cet ordinateur ne fait pas confiance.</translation>
    </message>
    <message>
        <source>The proxy asked for a user name and password (proxy %1).</source>
        <translation>Le proxy a demandé un nom d&apos;utilisateur et un mot de passe (proxy %1).</translation>
    </message>
    <message>
        <source>The proxy %1 did not open the way to the website: %2</source>
        <translation>Le proxy %1 n&apos;a pas ouvert le passage vers le site web : %2</translation>
    </message>
    <message>
        <source>The website&apos;s name could not be found: no Internet connection, or a wrong site address.</source>
        <translation>Le nom du site web est introuvable : pas de connexion Internet, ou une mauvaise adresse de site.</translation>
    </message>
    <message>
        <source>The proxy&apos;s name %1 could not be found.</source>
        <translation>Le nom du proxy %1 est introuvable.</translation>
    </message>
    <message>
        <source>Website problem or firewall blocking Internet access!</source>
        <translation>Problème du site web ou pare-feu bloquant l&apos;accès à Internet !</translation>
    </message>
    <message>
        <source>Thank you for sending your diagnostic report.</source>
        <translation>Merci d&apos;avoir envoyé votre rapport de diagnostic.</translation>
    </message>
    <message>
        <source>Thank you for sending your crash report.</source>
        <translation>Merci d&apos;avoir envoyé votre rapport de plantage.</translation>
    </message>
    <message>
        <source>Report number %1: quote it to support.</source>
        <translation>Rapport numéro %1 : citez-le au support.</translation>
    </message>
    <message>
        <source>Your report is kept on this computer and will be sent when the site can be reached.</source>
        <translation>Votre rapport est conservé sur cet ordinateur et sera envoyé quand le site pourra être atteint.</translation>
    </message>
    <message>
        <source>The report could not be kept on this computer (%1): use &quot;Save report…&quot; to keep it.</source>
        <translation>Le rapport n&apos;a pas pu être conservé sur cet ordinateur (%1) : utilisez « Enregistrer le rapport… » pour le garder.</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2
Nothing was lost: choose another place.</source>
        <translation>Le rapport n&apos;a pas pu être enregistré dans %1 :
%2
Rien n&apos;est perdu : choisissez un autre emplacement.</translation>
    </message>
    <message>
        <source>Report (Anonymous)</source>
        <translation>Rapport (anonyme)</translation>
    </message>
    <message>
        <source>Report (Email shared, we may contact you for more information)</source>
        <translation>Rapport (e-mail partagé, nous pourrons vous contacter pour plus d&apos;informations)</translation>
    </message>
</context>
<context>
    <name>UIPanelFailedOrSucceed</name>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Save report…</source>
        <translation>Enregistrer le rapport…</translation>
    </message>
</context>
</TS>
