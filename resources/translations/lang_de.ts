<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdWebDlg</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>CategoriesBtnWgt</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>ConvertWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>Nach der Konvertierung</translation>
    </message>
</context>
<context>
    <name>FormatCategory</name>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD-Video</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Web-Video</translation>
    </message>
    <message>
        <source>General Video</source>
        <translation>Video</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Einstellen</translation>
    </message>
</context>
<context>
    <name>FormatItemWidget</name>
    <message>
        <source>ScrollArea</source>
        <translation>Bildlaufbereich</translation>
    </message>
</context>
<context>
    <name>FormatWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Voreinstellung:</translation>
    </message>
    <message>
        <source>Encoding mode - Customize file format, quality and codec (Slow)</source>
        <translation>Kodiermodus – Dateiformat, Qualität und Codec anpassen (langsam)</translation>
    </message>
    <message>
        <source>High - Speed mode - Fast and Lossless (Recommended)</source>
        <translation>Hochgeschwindigkeitsmodus – schnell und verlustfrei (empfohlen)</translation>
    </message>
    <message>
        <source>show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>GeneralWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>Automatische Updates</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beim Schließen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and close?</source>
        <translation>Eine Konvertierung läuft. Abbrechen und schließen?</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Maximization</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>All Supported Formats(%1);;Apple Video files(*.m4v);;AVI Video files(*.avi);;High-definition files(*.mts *.ts *.m2ts *.m2t *.tp *.trp);; MPEG4 files(*.mp4 *.m4v);;MPEG files(*.mpg *.mpeg);;3GP files(*.3gp *.3g2);;Windows Media Video(*.wmv *.asf);; Real Media files(*.rm *.rmvb);;audio files(*.wav;*.mp3;*.aac;*.m4a;*.wma;*.ogg;*.ape;*.flac);;Video CD files(*.dat);; Quick Time files(*.mov);; Flash Video files(*.flv *.f4v);;MKV files(*.mkv);; Digital Video files(*.dv);;Microsoft Digital Video Recorder(*.dvr-ms);; Raw h.264 Video files(*.h.264);; Nullsoft Stream Video(*.nsv);;Unprotected VOB Files(*.vob);;WEBM Files(*.webm);;OGV Files(*.ogv);;All files(*.*)</source>
        <translation>Alle unterstützten Formate (%1);;Apple-Videodateien (*.m4v);;AVI-Videodateien (*.avi);;HD-Videodateien (*.mts *.ts *.m2ts *.m2t *.tp *.trp);;MPEG-4-Dateien (*.mp4 *.m4v);;MPEG-Dateien (*.mpg *.mpeg);;3GP-Dateien (*.3gp *.3g2);;Windows Media Video (*.wmv *.asf);;RealMedia-Dateien (*.rm *.rmvb);;Audiodateien (*.wav;*.mp3;*.aac;*.m4a;*.wma;*.ogg;*.ape;*.flac);;Video-CD-Dateien (*.dat);;QuickTime-Dateien (*.mov);;Flash-Videodateien (*.flv *.f4v);;MKV-Dateien (*.mkv);;DV-Videodateien (*.dv);;Microsoft Digital Video Recorder (*.dvr-ms);;H.264-Rohdaten (*.h.264);;Nullsoft Streaming Video (*.nsv);;Ungeschützte VOB-Dateien (*.vob);;WebM-Dateien (*.webm);;OGV-Dateien (*.ogv);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Please drop an existing local file. </source>
        <translation>Bitte legen Sie eine vorhandene lokale Datei ab. </translation>
    </message>
    <message>
        <source>Open file failed. </source>
        <translation>Die Datei konnte nicht geöffnet werden. </translation>
    </message>
    <message>
        <source>Open audio device failed. </source>
        <translation>Das Audiogerät konnte nicht geöffnet werden. </translation>
    </message>
    <message>
        <source>Adding segment failed. Please drag segment to leave some space at the end 
or switch to the &quot;Free Mode&quot;.</source>
        <translation>Das Segment konnte nicht hinzugefügt werden. Verschieben Sie die Segmente, damit am Ende Platz bleibt,
oder wechseln Sie in den „Freien Modus“.</translation>
    </message>
    <message>
        <source>The settings file could not be read and has been reset to the defaults.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden und wurde auf die Standardwerte zurückgesetzt.</translation>
    </message>
    <message>
        <source>%1 (the old file was kept as %2)</source>
        <translation>%1 (die alte Datei wurde als %2 aufbewahrt)</translation>
    </message>
    <message>
        <source>This kind of file is not supported.</source>
        <translation>Dieser Dateityp wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The player cannot play it.</source>
        <translation>Der Player kann sie nicht abspielen.</translation>
    </message>
    <message>
        <source>The player cannot show it.</source>
        <translation>Der Player kann sie nicht anzeigen.</translation>
    </message>
    <message>
        <source>No reason was given.</source>
        <translation>Es wurde kein Grund angegeben.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PackName</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>Light Leak</source>
        <translation>Lichtleck</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>Vignette</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Höhen</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Abgerundet</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
</context>
<context>
    <name>QAboutDlg</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>Website:</translation>
    </message>
</context>
<context>
    <name>QAdjustOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Rotion:</source>
        <translation>Drehung:</translation>
    </message>
    <message>
        <source>CropArea Size:</source>
        <translation>Zuschnittgröße:</translation>
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
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
</context>
<context>
    <name>QAudioOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Spur:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewichtung:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Sound effects:</source>
        <translation>Klangeffekte:</translation>
    </message>
</context>
<context>
    <name>QAudioTagForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Cover:</source>
        <translation>Titelbild:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Titelnr.:</translation>
    </message>
    <message>
        <source>Disc Num:</source>
        <translation>CD-Nr.:</translation>
    </message>
    <message>
        <source>Grouping:</source>
        <translation>Gruppierung:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Urheberrecht:</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>Komponist:</translation>
    </message>
    <message>
        <source>Images (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.xpm *.XPM);;All files (*)</source>
        <translation>Bilder (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.xpm *.XPM);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>Die Datei „%1“ ist kein lesbares Bild.</translation>
    </message>
</context>
<context>
    <name>QCaptureSettingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogfeld</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Snapshot Setting</source>
        <translation>Schnappschuss-Einstellungen</translation>
    </message>
    <message>
        <source>Please choose destination folder</source>
        <translation>Bitte wählen Sie den Zielordner</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
</context>
<context>
    <name>QCommonButtonForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Auf alle anwenden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>QEditTipDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogfeld</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>Dieses Fenster nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>The currently selected output mode is High-Speed mode (Lossless). The edited effect won&apos;t be applied to the output file.
</source>
        <translation>Als Ausgabemodus ist der Hochgeschwindigkeitsmodus (verlustfrei) gewählt. Die Bearbeitungen werden nicht auf die Ausgabedatei angewendet.
</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Note: The currently selected output mode is High-Speed mode (Lossless). The edited effect won&apos;t be applied to the output file.</source>
        <translation>Hinweis: Als Ausgabemodus ist der Hochgeschwindigkeitsmodus (verlustfrei) gewählt. Die Bearbeitungen werden nicht auf die Ausgabedatei angewendet.</translation>
    </message>
</context>
<context>
    <name>QEffectOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>contrast:</source>
        <translation>Kontrast:</translation>
    </message>
    <message>
        <source>saturation:</source>
        <translation>Sättigung:</translation>
    </message>
    <message>
        <source>hue:</source>
        <translation>Farbton:</translation>
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
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>QHorizontalListItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
</context>
<context>
    <name>QLoadingDlg</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Adding File:</source>
        <translation>Datei wird hinzugefügt:</translation>
    </message>
    <message>
        <source>Added:</source>
        <translation>Hinzugefügt:</translation>
    </message>
    <message>
        <source>UnKown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>0/0</source>
        <translation>0/0</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>QMediaElementWindow</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>QMediaForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>QMessageCommonDlg</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Text</translation>
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
        <translation>Dialogfeld</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;support&quot;&gt;&lt;span style=&quot; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;Click here for support!&lt;/span&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;support&quot;&gt;&lt;span style=&quot; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;Hier klicken für Hilfe!&lt;/span&gt;&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>Endzeit:</translation>
    </message>
    <message>
        <source>Set Segment Start Time</source>
        <translation>Segmentanfang setzen</translation>
    </message>
    <message>
        <source>Set Segment End Time</source>
        <translation>Segmentende setzen</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Segment abspielen</translation>
    </message>
    <message>
        <source>Pause Segment</source>
        <translation>Segment anhalten</translation>
    </message>
    <message>
        <source>Drag media files here to start</source>
        <translation>Mediendateien zum Starten hierher ziehen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Previous Key Frame</source>
        <translation>Vorheriges Schlüsselbild</translation>
    </message>
    <message>
        <source>Next Key Frame</source>
        <translation>Nächstes Schlüsselbild</translation>
    </message>
    <message>
        <source>Cannot check for updates: no update service is configured.</source>
        <translation>Suche nach Updates nicht möglich: Es ist kein Update-Dienst eingerichtet.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>Angepasst</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>Kleine Datei</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Show Advanced</source>
        <translation>Erweitert anzeigen</translation>
    </message>
    <message>
        <source>Hide Advanced</source>
        <translation>Erweitert ausblenden</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>Voreinstellung:</translation>
    </message>
    <message>
        <source>High - Speed mode - Fast and Lossless (Recommended)</source>
        <translation>Hochgeschwindigkeitsmodus – schnell und verlustfrei (empfohlen)</translation>
    </message>
    <message>
        <source>Encoding mode - Customize file format, quality and codec (Slow)</source>
        <translation>Kodiermodus – Dateiformat, Qualität und Codec anpassen (langsam)</translation>
    </message>
    <message>
        <source>Attention: Please don&apos;t change advanced settings if you are non-professionals. Please leave it as the default &quot;Original&quot;. Otherwise the conversion may fail.</source>
        <translation>Achtung: Ändern Sie die erweiterten Einstellungen nur, wenn Sie sich damit auskennen. Belassen Sie sie beim Standardwert „Original“. Andernfalls kann die Konvertierung fehlschlagen.</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Snapshot Menu</source>
        <translation>Schnappschuss-Menü</translation>
    </message>
    <message>
        <source>Play Section</source>
        <translation>Abschnitt abspielen</translation>
    </message>
    <message>
        <source>Pause Section</source>
        <translation>Abschnitt anhalten</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trimmen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>Auf alle anwenden</translation>
    </message>
    <message>
        <source>Rotate Anticlockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Original Display</source>
        <translation>Originalanzeige</translation>
    </message>
    <message>
        <source>Original Resolution</source>
        <translation>Originalauflösung</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
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
        <translation>Drehung:</translation>
    </message>
    <message>
        <source>Crop Area Size:</source>
        <translation>Zuschnittgröße:</translation>
    </message>
    <message>
        <source>Original Resolution:</source>
        <translation>Originalauflösung:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>Nach der Konvertierung</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Turn Off Computer</source>
        <translation>Computer herunterfahren</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Speichern in</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>Automatische Updates</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beim Schließen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Automatically update to the newest version</source>
        <translation>Automatisch auf die neueste Version aktualisieren</translation>
    </message>
    <message>
        <source>Close automatic updates</source>
        <translation>Automatische Updates deaktivieren</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Copyright © 2026 Velmarin. All rights reserved.</source>
        <translation>Copyright © 2026 Velmarin. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertierung</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Kontrast:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Sättigung:</translation>
    </message>
    <message>
        <source>Hue:</source>
        <translation>Farbton:</translation>
    </message>
    <message>
        <source>Video effects</source>
        <translation>Videoeffekte</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Audio files (%1);;Video files (%2);;All files (*)</source>
        <translation>Audiodateien (%1);;Videodateien (%2);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Sound effects:</source>
        <translation>Klangeffekte:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Spur:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewichtung:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiodatei öffnen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no audio that can be played.</source>
        <translation>Die Datei „%1“ enthält kein abspielbares Audio.</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>Kein Audio</translation>
    </message>
    <message>
        <source>All Audio</source>
        <translation>Alle Audiospuren</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>Randabstand:</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparenz:</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Skalierung:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation>Schrift festlegen</translation>
    </message>
    <message>
        <source>Subtitles (%1)</source>
        <translation>Untertitel (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Keine Untertitel</translation>
    </message>
    <message>
        <source>All Subtitle</source>
        <translation>Alle Untertitel</translation>
    </message>
    <message>
        <source>Video Internet CC</source>
        <translation>CC-Untertitel</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Untertiteldatei öffnen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as a subtitle file.</source>
        <translation>„%1“ kann nicht als Untertiteldatei gelesen werden.</translation>
    </message>
    <message>
        <source>Add Watermark Image</source>
        <translation>Wasserzeichenbild hinzufügen</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png *.gif *.bmp *.webp *.JPG *.JPEG *.PNG *.GIF *.BMP *.WEBP);;All files (*)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.gif *.bmp *.webp *.JPG *.JPEG *.PNG *.GIF *.BMP *.WEBP);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>Die Datei „%1“ ist kein lesbares Bild.</translation>
    </message>
    <message>
        <source>This folder cannot be used for the output.</source>
        <translation>Dieser Ordner kann nicht für die Ausgabe verwendet werden.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QPlayerOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>Codec:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
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
        <translation>Formular</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Minimize to Notification Area</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>Dieses Fenster nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
</context>
<context>
    <name>QSubtitleOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Spur:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>Randabstand:</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparenz:</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Skalierung:</translation>
    </message>
</context>
<context>
    <name>QTextStyleDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogfeld</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Font Name:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>Schatten:</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Versatz:</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>Kontur:</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Konturfarbe</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>SpacingH:</source>
        <translation>Abstand H:</translation>
    </message>
    <message>
        <source>SpacingV:</source>
        <translation>Abstand V:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>Schriftfarbe:</translation>
    </message>
    <message>
        <source>Shadow Color:</source>
        <translation>Schattenfarbe:</translation>
    </message>
    <message>
        <source>Shadow Offset:</source>
        <translation>Schattenversatz:</translation>
    </message>
    <message>
        <source>Outline Color:</source>
        <translation>Konturfarbe:</translation>
    </message>
    <message>
        <source>Outline Size:</source>
        <translation>Konturstärke:</translation>
    </message>
    <message>
        <source>Horizontal Spacing:</source>
        <translation>Horizontaler Abstand:</translation>
    </message>
    <message>
        <source>Vertical Spacing:</source>
        <translation>Vertikaler Abstand:</translation>
    </message>
</context>
<context>
    <name>QTrimOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
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
        <translation>Dialogfeld</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>QVideoConvertItem</name>
    <message>
        <source>Start Time:</source>
        <translation>Startzeit:</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>Endzeit:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Keine Untertitel</translation>
    </message>
</context>
<context>
    <name>QVideoCutDlg</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>QVideoCutManageDlg</name>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Open The Output Folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Add Segment</source>
        <translation>Segment hinzufügen</translation>
    </message>
    <message>
        <source>Show Segment List</source>
        <translation>Segmentliste einblenden</translation>
    </message>
    <message>
        <source>Hide Segment List</source>
        <translation>Segmentliste ausblenden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>Einfacher Modus</translation>
    </message>
    <message>
        <source>Free Mode</source>
        <translation>Freier Modus</translation>
    </message>
    <message>
        <source>Merge Segments</source>
        <translation>Segmente zusammenfügen</translation>
    </message>
    <message>
        <source>The output path is invalid!</source>
        <translation>Der Ausgabepfad ist ungültig!</translation>
    </message>
    <message>
        <source>File conversion failed, please check whether the output format parameters 
and output file directory are set correctly.</source>
        <translation>Die Konvertierung ist fehlgeschlagen. Bitte prüfen Sie, ob die Parameter des Ausgabeformats
und der Ausgabeordner richtig eingestellt sind.</translation>
    </message>
    <message>
        <source>Invalid path</source>
        <translation>Ungültiger Pfad</translation>
    </message>
    <message>
        <source>Switching to the Simple Mode shortens or removes overlapping segments!</source>
        <translation>Beim Wechsel in den einfachen Modus werden überlappende Segmente gekürzt oder entfernt!</translation>
    </message>
    <message>
        <source>No program on this desktop could open the output folder. You can find it here:</source>
        <translation>Kein Programm auf diesem Desktop konnte den Ausgabeordner öffnen. Sie finden ihn hier:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QVideoEditTag</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>QVideoEditingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogfeld</translation>
    </message>
    <message>
        <source>Video Edit</source>
        <translation>Video bearbeiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Trimmen</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>is not exists</source>
        <translation> existiert nicht.</translation>
    </message>
    <message>
        <source>Snapshot successfully!</source>
        <translation>Schnappschuss gespeichert!</translation>
    </message>
    <message>
        <source>Snapshot failed!</source>
        <translation>Schnappschuss fehlgeschlagen!</translation>
    </message>
</context>
<context>
    <name>QVideoPlayDlg</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>QWaitForDlg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogfeld</translation>
    </message>
</context>
<context>
    <name>QWatermarkOperationForm</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Watermark Image:</source>
        <translation>Wasserzeichenbild:</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparenz:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Watermark Text:</source>
        <translation>Wasserzeichentext:</translation>
    </message>
</context>
<context>
    <name>VelInfoManager</name>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
</context>
<context>
    <name>VelVideoConvertItem</name>
    <message>
        <source>The segment ends (%1) before it starts (%2).</source>
        <translation>Das Segment endet (%1), bevor es beginnt (%2).</translation>
    </message>
    <message>
        <source>The segment starts (%1) at or after the end of the file (%2).</source>
        <translation>Das Segment beginnt (%1) am oder nach dem Dateiende (%2).</translation>
    </message>
    <message>
        <source>The media library could not be started.</source>
        <translation>Die Medienbibliothek konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file has no program %1.</source>
        <translation>Die Datei enthält kein Programm %1.</translation>
    </message>
    <message>
        <source>The file holds no program.</source>
        <translation>Die Datei enthält kein Programm.</translation>
    </message>
    <message>
        <source>The file holds neither video nor audio.</source>
        <translation>Die Datei enthält weder Video noch Audio.</translation>
    </message>
    <message>
        <source>No media description to read.</source>
        <translation>Keine Medienbeschreibung zum Lesen vorhanden.</translation>
    </message>
    <message>
        <source>Audible audio books are not supported.</source>
        <translation>Audible-Hörbücher werden nicht unterstützt.</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>Keine Untertitel</translation>
    </message>
    <message>
        <source>A segment length of %1 is not possible; it must be at least 1.</source>
        <translation>Eine Segmentlänge von %1 ist nicht möglich; sie muss mindestens 1 betragen.</translation>
    </message>
</context>
<context>
    <name>VideoImageWindow</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
</TS>
