<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AdWebDlg</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>CategoriesBtnWgt</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>ConvertWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>Après la conversion</translation>
    </message>
</context>
<context>
    <name>FormatCategory</name>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vidéo HD</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Vidéo Web</translation>
    </message>
    <message>
        <source>General Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audio</translation>
    </message>
</context>
<context>
    <name>FormatItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
</context>
<context>
    <name>FormatItemWidget</name>
    <message>
        <source>ScrollArea</source>
        <translation>Zone de défilement</translation>
    </message>
</context>
<context>
    <name>FormatWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Encoding mode - Customize file format, quality and codec (Slow)</source>
        <translation>Mode encodage – format, qualité et codec personnalisés (lent)</translation>
    </message>
    <message>
        <source>High - Speed mode - Fast and Lossless (Recommended)</source>
        <translation>Mode haute vitesse – rapide et sans perte (recommandé)</translation>
    </message>
    <message>
        <source>show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>Masquer</translation>
    </message>
</context>
<context>
    <name>GeneralWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>Mises à jour automatiques</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>À la fermeture</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and close?</source>
        <translation>Une conversion est en cours. L&apos;arrêter et fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Maximization</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>All Supported Formats(%1);;Apple Video files(*.m4v);;AVI Video files(*.avi);;High-definition files(*.mts *.ts *.m2ts *.m2t *.tp *.trp);; MPEG4 files(*.mp4 *.m4v);;MPEG files(*.mpg *.mpeg);;3GP files(*.3gp *.3g2);;Windows Media Video(*.wmv *.asf);; Real Media files(*.rm *.rmvb);;audio files(*.wav;*.mp3;*.aac;*.m4a;*.wma;*.ogg;*.ape;*.flac);;Video CD files(*.dat);; Quick Time files(*.mov);; Flash Video files(*.flv *.f4v);;MKV files(*.mkv);; Digital Video files(*.dv);;Microsoft Digital Video Recorder(*.dvr-ms);; Raw h.264 Video files(*.h.264);; Nullsoft Stream Video(*.nsv);;Unprotected VOB Files(*.vob);;WEBM Files(*.webm);;OGV Files(*.ogv);;All files(*.*)</source>
        <translation>Tous les formats pris en charge (%1);;Fichiers vidéo Apple (*.m4v);;Fichiers vidéo AVI (*.avi);;Fichiers haute définition (*.mts *.ts *.m2ts *.m2t *.tp *.trp);;Fichiers MPEG-4 (*.mp4 *.m4v);;Fichiers MPEG (*.mpg *.mpeg);;Fichiers 3GP (*.3gp *.3g2);;Windows Media Video (*.wmv *.asf);;Fichiers RealMedia (*.rm *.rmvb);;Fichiers audio (*.wav;*.mp3;*.aac;*.m4a;*.wma;*.ogg;*.ape;*.flac);;Fichiers Vidéo CD (*.dat);;Fichiers QuickTime (*.mov);;Fichiers vidéo Flash (*.flv *.f4v);;Fichiers MKV (*.mkv);;Fichiers vidéo DV (*.dv);;Microsoft Digital Video Recorder (*.dvr-ms);;Fichiers vidéo H.264 bruts (*.h.264);;Nullsoft Streaming Video (*.nsv);;Fichiers VOB non protégés (*.vob);;Fichiers WebM (*.webm);;Fichiers OGV (*.ogv);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Please drop an existing local file. </source>
        <translation>Veuillez déposer un fichier local existant. </translation>
    </message>
    <message>
        <source>Open file failed. </source>
        <translation>Impossible d&apos;ouvrir le fichier. </translation>
    </message>
    <message>
        <source>Open audio device failed. </source>
        <translation>Impossible d&apos;ouvrir le périphérique audio. </translation>
    </message>
    <message>
        <source>Adding segment failed. Please drag segment to leave some space at the end 
or switch to the &quot;Free Mode&quot;.</source>
        <translation>Impossible d&apos;ajouter le segment. Déplacez les segments pour laisser de la place à la fin
ou passez en «&#xa0;Mode libre&#xa0;».</translation>
    </message>
    <message>
        <source>The settings file could not be read and has been reset to the defaults.</source>
        <translation>Le fichier de réglages n’a pas pu être lu et a été remis aux valeurs par défaut.</translation>
    </message>
    <message>
        <source>%1 (the old file was kept as %2)</source>
        <translation>%1 (l’ancien fichier a été conservé sous le nom %2)</translation>
    </message>
    <message>
        <source>This kind of file is not supported.</source>
        <translation>Ce type de fichier n’est pas pris en charge.</translation>
    </message>
    <message>
        <source>The player cannot play it.</source>
        <translation>Le lecteur ne peut pas le lire.</translation>
    </message>
    <message>
        <source>The player cannot show it.</source>
        <translation>Le lecteur ne peut pas l’afficher.</translation>
    </message>
    <message>
        <source>No reason was given.</source>
        <translation>Aucune raison n’a été donnée.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>PackName</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <source>Light Leak</source>
        <translation>Lueur</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vignette</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Graves</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Aigus</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Chaud</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Pellicule</translation>
    </message>
</context>
<context>
    <name>QAboutDlg</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QAdjustOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Rotion:</source>
        <translation>Rotation&#xa0;:</translation>
    </message>
    <message>
        <source>CropArea Size:</source>
        <translation>Taille du recadrage&#xa0;:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Original Size:</source>
        <translation>Taille d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Format d&apos;image&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QAudioOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Piste&#xa0;:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume&#xa0;:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Poids&#xa0;:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Sound effects:</source>
        <translation>Effets sonores&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QAudioTagForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>of</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album&#xa0;:</translation>
    </message>
    <message>
        <source>Cover:</source>
        <translation>Pochette&#xa0;:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste&#xa0;:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires&#xa0;:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Piste&#xa0;:</translation>
    </message>
    <message>
        <source>Disc Num:</source>
        <translation>Disque n°&#xa0;:</translation>
    </message>
    <message>
        <source>Grouping:</source>
        <translation>Regroupement&#xa0;:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre&#xa0;:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Droits d&apos;auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Compositeur&#xa0;:</translation>
    </message>
    <message>
        <source>Images (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.xpm *.XPM);;All files (*)</source>
        <translation>Images (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.xpm *.XPM);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;est pas une image lisible.</translation>
    </message>
</context>
<context>
    <name>QCaptureSettingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Snapshot Setting</source>
        <translation>Paramètres de capture</translation>
    </message>
    <message>
        <source>Please choose destination folder</source>
        <translation>Veuillez choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
</context>
<context>
    <name>QCommonButtonForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Appliquer à tous</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>QEditTipDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>Ne plus afficher cette fenêtre</translation>
    </message>
    <message>
        <source>The currently selected output mode is High-Speed mode (Lossless). The edited effect won&apos;t be applied to the output file.
</source>
        <translation>Le mode de sortie sélectionné est le mode haute vitesse (sans perte). Les modifications ne seront pas appliquées au fichier de sortie.
</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Note: The currently selected output mode is High-Speed mode (Lossless). The edited effect won&apos;t be applied to the output file.</source>
        <translation>Remarque&#xa0;: le mode de sortie sélectionné est le mode haute vitesse (sans perte). Les modifications ne seront pas appliquées au fichier de sortie.</translation>
    </message>
</context>
<context>
    <name>QEffectOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>brightness:</source>
        <translation>Luminosité&#xa0;:</translation>
    </message>
    <message>
        <source>contrast:</source>
        <translation>Contraste&#xa0;:</translation>
    </message>
    <message>
        <source>saturation:</source>
        <translation>Saturation&#xa0;:</translation>
    </message>
    <message>
        <source>hue:</source>
        <translation>Teinte&#xa0;:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
</context>
<context>
    <name>QHorizontalListFrom</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>QHorizontalListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
</context>
<context>
    <name>QLoadingDlg</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Adding File:</source>
        <translation>Ajout du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Added:</source>
        <translation>Ajoutés&#xa0;:</translation>
    </message>
    <message>
        <source>UnKown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>0/0</source>
        <translation>0/0</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>QMediaElementWindow</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>QMediaForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>QMessageCommonDlg</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>https://www.zededera-raziz-azodor.example/</source>
        <translation>https://www.zededera-raziz-azodor.example/</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QMessageOpacityForm</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;support&quot;&gt;&lt;span style=&quot; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;Click here for support!&lt;/span&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;support&quot;&gt;&lt;span style=&quot; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;Obtenir de l&apos;aide&lt;/span&gt;&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Set Segment Start Time</source>
        <translation>Définir le début du segment</translation>
    </message>
    <message>
        <source>Set Segment End Time</source>
        <translation>Définir la fin du segment</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Lire le segment</translation>
    </message>
    <message>
        <source>Pause Segment</source>
        <translation>Mettre le segment en pause</translation>
    </message>
    <message>
        <source>Drag media files here to start</source>
        <translation>Faites glisser des fichiers multimédias ici pour commencer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Previous Key Frame</source>
        <translation>Image clé précédente</translation>
    </message>
    <message>
        <source>Next Key Frame</source>
        <translation>Image clé suivante</translation>
    </message>
    <message>
        <source>Cannot check for updates: no update service is configured.</source>
        <translation>Impossible de rechercher des mises à jour&#xa0;: aucun service de mise à jour n&apos;est configuré.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>Petite taille</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Haute qualité</translation>
    </message>
    <message>
        <source>Show Advanced</source>
        <translation>Plus d&apos;options</translation>
    </message>
    <message>
        <source>Hide Advanced</source>
        <translation>Moins d&apos;options</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>High - Speed mode - Fast and Lossless (Recommended)</source>
        <translation>Mode haute vitesse – rapide et sans perte (recommandé)</translation>
    </message>
    <message>
        <source>Encoding mode - Customize file format, quality and codec (Slow)</source>
        <translation>Mode encodage – format, qualité et codec personnalisés (lent)</translation>
    </message>
    <message>
        <source>Attention: Please don&apos;t change advanced settings if you are non-professionals. Please leave it as the default &quot;Original&quot;. Otherwise the conversion may fail.</source>
        <translation>Attention&#xa0;: ne modifiez pas les paramètres avancés si vous n&apos;êtes pas un spécialiste. Laissez la valeur par défaut «&#xa0;Original&#xa0;». Sinon, la conversion risque d&apos;échouer.</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec&#xa0;:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution&#xa0;:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Images/s&#xa0;:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canaux&#xa0;:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Échantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Snapshot Menu</source>
        <translation>Menu de capture</translation>
    </message>
    <message>
        <source>Play Section</source>
        <translation>Lire la section</translation>
    </message>
    <message>
        <source>Pause Section</source>
        <translation>Mettre la section en pause</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Appliquer à tous</translation>
    </message>
    <message>
        <source>Rotate Anticlockwise</source>
        <translation>Rotation antihoraire</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Rotation horaire</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Original Display</source>
        <translation>Affichage d&apos;origine</translation>
    </message>
    <message>
        <source>Original Resolution</source>
        <translation>Résolution d&apos;origine</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>16:9</source>
        <translation>16:9</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>Pan Scan</source>
        <translation>Pan &amp; Scan</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Rotation&#xa0;:</translation>
    </message>
    <message>
        <source>Crop Area Size:</source>
        <translation>Taille du recadrage&#xa0;:</translation>
    </message>
    <message>
        <source>Original Resolution:</source>
        <translation>Résolution d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Format d&apos;image&#xa0;:</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>Après la conversion</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Turn Off Computer</source>
        <translation>Éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Enregistrer dans</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>Mises à jour automatiques</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>À la fermeture</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Automatically update to the newest version</source>
        <translation>Mettre à jour automatiquement</translation>
    </message>
    <message>
        <source>Close automatic updates</source>
        <translation>Désactiver les mises à jour automatiques</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Réduire en zone de notification</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Copyright © 2026 Velmarin. All rights reserved.</source>
        <translation>Copyright © 2026 Velmarin. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité&#xa0;:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Contraste&#xa0;:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Saturation&#xa0;:</translation>
    </message>
    <message>
        <source>Hue:</source>
        <translation>Teinte&#xa0;:</translation>
    </message>
    <message>
        <source>Video effects</source>
        <translation>Effets vidéo</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Audio files (%1);;Video files (%2);;All files (*)</source>
        <translation>Fichiers audio (%1);;Fichiers vidéo (%2);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Sound effects:</source>
        <translation>Effets sonores&#xa0;:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Piste&#xa0;:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Poids&#xa0;:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume&#xa0;:</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Ouvrir un fichier audio</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no audio that can be played.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» ne contient aucune piste audio lisible.</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Sans audio</translation>
    </message>
    <message>
        <source>All Audio</source>
        <translation>Toutes les pistes audio</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position&#xa0;:</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>Marge&#xa0;:</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparence&#xa0;:</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Échelle&#xa0;:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>Subtitles (%1)</source>
        <translation>Sous-titres (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Sans sous-titres</translation>
    </message>
    <message>
        <source>All Subtitle</source>
        <translation>Tous les sous-titres</translation>
    </message>
    <message>
        <source>Video Internet CC</source>
        <translation>Sous-titres codés (CC)</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Ouvrir un fichier de sous-titres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as a subtitle file.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être lu comme fichier de sous-titres.</translation>
    </message>
    <message>
        <source>Add Watermark Image</source>
        <translation>Ajouter une image en filigrane</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Image&#xa0;:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png *.gif *.bmp *.webp *.JPG *.JPEG *.PNG *.GIF *.BMP *.WEBP);;All files (*)</source>
        <translation>Images (*.jpg *.jpeg *.png *.gif *.bmp *.webp *.JPG *.JPEG *.PNG *.GIF *.BMP *.WEBP);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;est pas une image lisible.</translation>
    </message>
    <message>
        <source>This folder cannot be used for the output.</source>
        <translation>Ce dossier ne peut pas servir à la sortie.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>QPlayerOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>00:00:00 / 00:00:00</source>
        <translation>00:00:00 / 00:00:00</translation>
    </message>
</context>
<context>
    <name>QPreferencesDlg</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QSettingDlg</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec&#xa0;:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution&#xa0;:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Images/s&#xa0;:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canaux&#xa0;:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Échantillonnage&#xa0;:</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
</context>
<context>
    <name>QShowCloseDlg</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Minimize to Notification Area</source>
        <translation>Réduire en zone de notification</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>Ne plus afficher cette fenêtre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>Réduire en zone de notification</translation>
    </message>
</context>
<context>
    <name>QSubtitleOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Piste&#xa0;:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position&#xa0;:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>Marge&#xa0;:</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparence&#xa0;:</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Échelle&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QTextStyleDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police&#xa0;:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Font Name:</source>
        <translation>Nom de police&#xa0;:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>Ombre&#xa0;:</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Couleur de l&apos;ombre</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Décalage&#xa0;:</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>Contour&#xa0;:</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Couleur du contour</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>SpacingH:</source>
        <translation>Espacement H&#xa0;:</translation>
    </message>
    <message>
        <source>SpacingV:</source>
        <translation>Espacement V&#xa0;:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Couleur de police&#xa0;:</translation>
    </message>
    <message>
        <source>Shadow Color:</source>
        <translation>Couleur de l&apos;ombre&#xa0;:</translation>
    </message>
    <message>
        <source>Shadow Offset:</source>
        <translation>Décalage de l&apos;ombre&#xa0;:</translation>
    </message>
    <message>
        <source>Outline Color:</source>
        <translation>Couleur du contour&#xa0;:</translation>
    </message>
    <message>
        <source>Outline Size:</source>
        <translation>Épaisseur du contour&#xa0;:</translation>
    </message>
    <message>
        <source>Horizontal Spacing:</source>
        <translation>Espacement horizontal&#xa0;:</translation>
    </message>
    <message>
        <source>Vertical Spacing:</source>
        <translation>Espacement vertical&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QTrimOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>00:00:00.000 / 00:00:00.000</source>
        <translation>00:00:00.000 / 00:00:00.000</translation>
    </message>
    <message>
        <source>00:00:00.000</source>
        <translation>00:00:00.000</translation>
    </message>
</context>
<context>
    <name>QVelMessageDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
</context>
<context>
    <name>QVideoConvertItem</name>
    <message>
        <source>Start Time:</source>
        <translation>Début&#xa0;:</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>Fin&#xa0;:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Sans sous-titres</translation>
    </message>
</context>
<context>
    <name>QVideoCutDlg</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>QVideoCutManageDlg</name>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Open The Output Folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Add Segment</source>
        <translation>Ajouter un segment</translation>
    </message>
    <message>
        <source>Show Segment List</source>
        <translation>Afficher la liste des segments</translation>
    </message>
    <message>
        <source>Hide Segment List</source>
        <translation>Masquer la liste des segments</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Mode simple</translation>
    </message>
    <message>
        <source>Free Mode</source>
        <translation>Mode libre</translation>
    </message>
    <message>
        <source>Merge Segments</source>
        <translation>Fusionner les segments</translation>
    </message>
    <message>
        <source>The output path is invalid!</source>
        <translation>Le chemin de sortie n&apos;est pas valide&#xa0;!</translation>
    </message>
    <message>
        <source>File conversion failed, please check whether the output format parameters 
and output file directory are set correctly.</source>
        <translation>La conversion a échoué. Vérifiez que les paramètres du format de sortie
et le dossier de sortie sont correctement définis.</translation>
    </message>
    <message>
        <source>Invalid path</source>
        <translation>Chemin non valide</translation>
    </message>
    <message>
        <source>Switching to the Simple Mode shortens or removes overlapping segments!</source>
        <translation>Le passage en mode simple raccourcit ou supprime les segments qui se chevauchent&#xa0;!</translation>
    </message>
    <message>
        <source>No program on this desktop could open the output folder. You can find it here:</source>
        <translation>Aucun programme de ce bureau n&apos;a pu ouvrir le dossier de sortie. Vous le trouverez ici :</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>QVideoEditTag</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>QVideoEditingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Video Edit</source>
        <translation>Édition vidéo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Métadonnées</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>is not exists</source>
        <translation> n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Snapshot successfully!</source>
        <translation>Capture enregistrée&#xa0;!</translation>
    </message>
    <message>
        <source>Snapshot failed!</source>
        <translation>Échec de la capture&#xa0;!</translation>
    </message>
</context>
<context>
    <name>QVideoPlayDlg</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>QWaitForDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
</context>
<context>
    <name>QWatermarkOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Watermark Image:</source>
        <translation>Image en filigrane&#xa0;:</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparence&#xa0;:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Watermark Text:</source>
        <translation>Texte en filigrane&#xa0;:</translation>
    </message>
</context>
<context>
    <name>VelInfoManager</name>
    <message>
        <source>Current</source>
        <translation>Actuel</translation>
    </message>
</context>
<context>
    <name>VelVideoConvertItem</name>
    <message>
        <source>The segment ends (%1) before it starts (%2).</source>
        <translation>Le segment se termine (%1) avant de commencer (%2).</translation>
    </message>
    <message>
        <source>The segment starts (%1) at or after the end of the file (%2).</source>
        <translation>Le segment commence (%1) à la fin du fichier (%2) ou après.</translation>
    </message>
    <message>
        <source>The media library could not be started.</source>
        <translation>Impossible de démarrer la bibliothèque multimédia.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file has no program %1.</source>
        <translation>Le fichier ne contient pas de programme %1.</translation>
    </message>
    <message>
        <source>The file holds no program.</source>
        <translation>Le fichier ne contient aucun programme.</translation>
    </message>
    <message>
        <source>The file holds neither video nor audio.</source>
        <translation>Le fichier ne contient ni vidéo ni audio.</translation>
    </message>
    <message>
        <source>No media description to read.</source>
        <translation>Aucune description de média à lire.</translation>
    </message>
    <message>
        <source>Audible audio books are not supported.</source>
        <translation>Les livres audio Audible ne sont pas pris en charge.</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Sans sous-titres</translation>
    </message>
    <message>
        <source>A segment length of %1 is not possible; it must be at least 1.</source>
        <translation>Une longueur de segment de %1 est impossible&#xa0;; elle doit être d&apos;au moins 1.</translation>
    </message>
</context>
<context>
    <name>VideoImageWindow</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
</TS>
