<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AdWebDlg</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
</context>
<context>
    <name>CategoriesBtnWgt</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>ConvertWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>変換完了後</translation>
    </message>
</context>
<context>
    <name>FormatCategory</name>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HDビデオ</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>Webビデオ</translation>
    </message>
    <message>
        <source>General Video</source>
        <translation>一般ビデオ</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>一般オーディオ</translation>
    </message>
</context>
<context>
    <name>FormatItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>FormatItemWidget</name>
    <message>
        <source>ScrollArea</source>
        <translation>スクロール領域</translation>
    </message>
</context>
<context>
    <name>FormatWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>プリセット：</translation>
    </message>
    <message>
        <source>Encoding mode - Customize file format, quality and codec (Slow)</source>
        <translation>エンコードモード - 形式・画質・コーデックを自由に設定（低速）</translation>
    </message>
    <message>
        <source>High - Speed mode - Fast and Lossless (Recommended)</source>
        <translation>高速モード - 高速・無劣化（推奨）</translation>
    </message>
    <message>
        <source>show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>非表示</translation>
    </message>
</context>
<context>
    <name>GeneralWidget</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>自動アップデート</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じるとき</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>メインウィンドウ</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and close?</source>
        <translation>変換中です。変換を中止して閉じますか？</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Maximization</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>All Supported Formats(%1);;Apple Video files(*.m4v);;AVI Video files(*.avi);;High-definition files(*.mts *.ts *.m2ts *.m2t *.tp *.trp);; MPEG4 files(*.mp4 *.m4v);;MPEG files(*.mpg *.mpeg);;3GP files(*.3gp *.3g2);;Windows Media Video(*.wmv *.asf);; Real Media files(*.rm *.rmvb);;audio files(*.wav;*.mp3;*.aac;*.m4a;*.wma;*.ogg;*.ape;*.flac);;Video CD files(*.dat);; Quick Time files(*.mov);; Flash Video files(*.flv *.f4v);;MKV files(*.mkv);; Digital Video files(*.dv);;Microsoft Digital Video Recorder(*.dvr-ms);; Raw h.264 Video files(*.h.264);; Nullsoft Stream Video(*.nsv);;Unprotected VOB Files(*.vob);;WEBM Files(*.webm);;OGV Files(*.ogv);;All files(*.*)</source>
        <translation>サポートされているすべての形式(%1);;Apple ビデオファイル(*.m4v);;AVI ビデオファイル(*.avi);;ハイビジョンファイル(*.mts *.ts *.m2ts *.m2t *.tp *.trp);; MPEG4 ファイル(*.mp4 *.m4v);;MPEG ファイル(*.mpg *.mpeg);;3GP ファイル(*.3gp *.3g2);;Windows Media ビデオ(*.wmv *.asf);; RealMedia ファイル(*.rm *.rmvb);;オーディオファイル(*.wav;*.mp3;*.aac;*.m4a;*.wma;*.ogg;*.ape;*.flac);;ビデオ CD ファイル(*.dat);; QuickTime ファイル(*.mov);; Flash ビデオファイル(*.flv *.f4v);;MKV ファイル(*.mkv);; DV ビデオファイル(*.dv);;Microsoft デジタルビデオレコーダー(*.dvr-ms);; H.264 生ストリーム(*.h.264);; Nullsoft ストリームビデオ(*.nsv);;保護されていない VOB ファイル(*.vob);;WEBM ファイル(*.webm);;OGV ファイル(*.ogv);;すべてのファイル(*.*)</translation>
    </message>
    <message>
        <source>Please drop an existing local file. </source>
        <translation>存在するローカルファイルをドロップしてください。</translation>
    </message>
    <message>
        <source>Open file failed. </source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Open audio device failed. </source>
        <translation>オーディオデバイスを開けませんでした。</translation>
    </message>
    <message>
        <source>Adding segment failed. Please drag segment to leave some space at the end 
or switch to the &quot;Free Mode&quot;.</source>
        <translation>セグメントを追加できませんでした。セグメントをドラッグして末尾に空きを作るか、
「フリーモード」に切り替えてください。</translation>
    </message>
    <message>
        <source>The settings file could not be read and has been reset to the defaults.</source>
        <translation>設定ファイルを読み込めなかったため、既定値に戻しました。</translation>
    </message>
    <message>
        <source>%1 (the old file was kept as %2)</source>
        <translation>%1（古いファイルは %2 として保存されています）</translation>
    </message>
    <message>
        <source>This kind of file is not supported.</source>
        <translation>この種類のファイルには対応していません。</translation>
    </message>
    <message>
        <source>The player cannot play it.</source>
        <translation>プレーヤーで再生できません。</translation>
    </message>
    <message>
        <source>The player cannot show it.</source>
        <translation>プレーヤーで表示できません。</translation>
    </message>
    <message>
        <source>No reason was given.</source>
        <translation>理由は示されていません。</translation>
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
        <translation>なし</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>雪</translation>
    </message>
    <message>
        <source>Light Leak</source>
        <translation>光漏れ</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>ビネット</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>低音</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>高音</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>ボイス</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>ウォーム</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>角丸</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>フィルム</translation>
    </message>
</context>
<context>
    <name>QAboutDlg</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>ウェブサイト：</translation>
    </message>
</context>
<context>
    <name>QAdjustOperationForm</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Rotion:</source>
        <translation>回転：</translation>
    </message>
    <message>
        <source>CropArea Size:</source>
        <translation>切り抜きサイズ：</translation>
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
        <translation>元のサイズ：</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>アスペクト比：</translation>
    </message>
</context>
<context>
    <name>QAudioOperationForm</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>トラック：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル：</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>比重：</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Sound effects:</source>
        <translation>音響効果：</translation>
    </message>
</context>
<context>
    <name>QAudioTagForm</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>アルバム：</translation>
    </message>
    <message>
        <source>Cover:</source>
        <translation>ジャケット：</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>アーティスト：</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>コメント：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>タイトル：</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>トラック：</translation>
    </message>
    <message>
        <source>Disc Num:</source>
        <translation>ディスク番号：</translation>
    </message>
    <message>
        <source>Grouping:</source>
        <translation>グループ：</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年：</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>ジャンル：</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>著作権：</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>作曲者：</translation>
    </message>
    <message>
        <source>Images (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.xpm *.XPM);;All files (*)</source>
        <translation>画像 (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.xpm *.XPM);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>ファイル「%1」は読み込める画像ではありません。</translation>
    </message>
</context>
<context>
    <name>QCaptureSettingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式：</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>保存先：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Snapshot Setting</source>
        <translation>スナップショット設定</translation>
    </message>
    <message>
        <source>Please choose destination folder</source>
        <translation>保存先のフォルダーを選択してください</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存先</translation>
    </message>
</context>
<context>
    <name>QCommonButtonForm</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>すべてに適用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
</context>
<context>
    <name>QEditTipDlg</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>今後は表示しない</translation>
    </message>
    <message>
        <source>The currently selected output mode is High-Speed mode (Lossless). The edited effect won&apos;t be applied to the output file.
</source>
        <translation>現在の出力モードは高速モード（無劣化）のため、編集した効果は出力ファイルに反映されません。
</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Note: The currently selected output mode is High-Speed mode (Lossless). The edited effect won&apos;t be applied to the output file.</source>
        <translation>注意：現在の出力モードは高速モード（無劣化）のため、編集した効果は出力ファイルに反映されません。</translation>
    </message>
</context>
<context>
    <name>QEffectOperationForm</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>brightness:</source>
        <translation>明るさ：</translation>
    </message>
    <message>
        <source>contrast:</source>
        <translation>コントラスト：</translation>
    </message>
    <message>
        <source>saturation:</source>
        <translation>彩度：</translation>
    </message>
    <message>
        <source>hue:</source>
        <translation>色相：</translation>
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
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>QHorizontalListItem</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
</context>
<context>
    <name>QLoadingDlg</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Adding File:</source>
        <translation>追加中：</translation>
    </message>
    <message>
        <source>Added:</source>
        <translation>追加済み：</translation>
    </message>
    <message>
        <source>UnKown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>0/0</source>
        <translation>0/0</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>QMediaElementWindow</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>QMediaForm</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>QMessageCommonDlg</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>テキスト</translation>
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
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;support&quot;&gt;&lt;span style=&quot; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;Click here for support!&lt;/span&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;support&quot;&gt;&lt;span style=&quot; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;サポートはこちら&lt;/span&gt;&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>開始時間：</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>終了時間：</translation>
    </message>
    <message>
        <source>Set Segment Start Time</source>
        <translation>セグメントの開始時間を設定</translation>
    </message>
    <message>
        <source>Set Segment End Time</source>
        <translation>セグメントの終了時間を設定</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>セグメントを再生</translation>
    </message>
    <message>
        <source>Pause Segment</source>
        <translation>セグメントを一時停止</translation>
    </message>
    <message>
        <source>Drag media files here to start</source>
        <translation>ここにメディアファイルをドラッグして開始</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>前のフレーム</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>次のフレーム</translation>
    </message>
    <message>
        <source>Previous Key Frame</source>
        <translation>前のキーフレーム</translation>
    </message>
    <message>
        <source>Next Key Frame</source>
        <translation>次のキーフレーム</translation>
    </message>
    <message>
        <source>Cannot check for updates: no update service is configured.</source>
        <translation>アップデートを確認できません：アップデートサービスが設定されていません。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>小サイズ</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Show Advanced</source>
        <translation>詳細設定を表示</translation>
    </message>
    <message>
        <source>Hide Advanced</source>
        <translation>詳細設定を隠す</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>プリセット：</translation>
    </message>
    <message>
        <source>High - Speed mode - Fast and Lossless (Recommended)</source>
        <translation>高速モード - 高速・無劣化（推奨）</translation>
    </message>
    <message>
        <source>Encoding mode - Customize file format, quality and codec (Slow)</source>
        <translation>エンコードモード - 形式・画質・コーデックを自由に設定（低速）</translation>
    </message>
    <message>
        <source>Attention: Please don&apos;t change advanced settings if you are non-professionals. Please leave it as the default &quot;Original&quot;. Otherwise the conversion may fail.</source>
        <translation>注意：専門知識がない場合は詳細設定を変更せず、既定の「Original」のままにしてください。変更すると変換に失敗することがあります。</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>コーデック：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>フレーム率：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>ビットレート：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>チャンネル：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>サンプル率：</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Snapshot Menu</source>
        <translation>スナップショットメニュー</translation>
    </message>
    <message>
        <source>Play Section</source>
        <translation>選択範囲を再生</translation>
    </message>
    <message>
        <source>Pause Section</source>
        <translation>選択範囲を一時停止</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>トリム</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>すべてに適用</translation>
    </message>
    <message>
        <source>Rotate Anticlockwise</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Original Display</source>
        <translation>元の表示</translation>
    </message>
    <message>
        <source>Original Resolution</source>
        <translation>元の解像度</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
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
        <translation>パンスキャン</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>回転：</translation>
    </message>
    <message>
        <source>Crop Area Size:</source>
        <translation>切り抜きサイズ：</translation>
    </message>
    <message>
        <source>Original Resolution:</source>
        <translation>元の解像度：</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>アスペクト比：</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>変換完了後</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Turn Off Computer</source>
        <translation>コンピューターの電源を切る</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>自動アップデート</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じるとき</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Automatically update to the newest version</source>
        <translation>最新バージョンに自動で更新する</translation>
    </message>
    <message>
        <source>Close automatic updates</source>
        <translation>自動アップデートをオフにする</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>トレイに最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Copyright © 2026 Velmarin. All rights reserved.</source>
        <translation>著作権 © 2026 Velmarin。無断転載を禁じます。</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>ウェブサイト：</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>コントラスト：</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>彩度：</translation>
    </message>
    <message>
        <source>Hue:</source>
        <translation>色相：</translation>
    </message>
    <message>
        <source>Video effects</source>
        <translation>ビデオエフェクト</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Audio files (%1);;Video files (%2);;All files (*)</source>
        <translation>オーディオファイル (%1);;ビデオファイル (%2);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル：</translation>
    </message>
    <message>
        <source>Sound effects:</source>
        <translation>音響効果：</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>トラック：</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>比重：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>オーディオファイルを開く</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no audio that can be played.</source>
        <translation>ファイル「%1」には再生できるオーディオがありません。</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>オーディオなし</translation>
    </message>
    <message>
        <source>All Audio</source>
        <translation>すべての音声トラック</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>余白：</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>倍率：</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation>フォントを設定</translation>
    </message>
    <message>
        <source>Subtitles (%1)</source>
        <translation>字幕ファイル (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>字幕なし</translation>
    </message>
    <message>
        <source>All Subtitle</source>
        <translation>すべての字幕</translation>
    </message>
    <message>
        <source>Video Internet CC</source>
        <translation>クローズドキャプション</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>字幕ファイルを開く</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as a subtitle file.</source>
        <translation>「%1」は字幕ファイルとして読み込めません。</translation>
    </message>
    <message>
        <source>Add Watermark Image</source>
        <translation>透かし画像を追加</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>画像：</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>テキスト：</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png *.gif *.bmp *.webp *.JPG *.JPEG *.PNG *.GIF *.BMP *.WEBP);;All files (*)</source>
        <translation>画像 (*.jpg *.jpeg *.png *.gif *.bmp *.webp *.JPG *.JPEG *.PNG *.GIF *.BMP *.WEBP);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>ファイル「%1」は読み込める画像ではありません。</translation>
    </message>
    <message>
        <source>This folder cannot be used for the output.</source>
        <translation>このフォルダーは出力先に使用できません。</translation>
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
        <translation>フォーム</translation>
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
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>コーデック：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>フレーム率：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>ビットレート：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>チャンネル：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>サンプル率：</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>オリジナル</translation>
    </message>
</context>
<context>
    <name>QShowCloseDlg</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Minimize to Notification Area</source>
        <translation>通知領域に最小化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>今後は表示しない</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>トレイに最小化</translation>
    </message>
</context>
<context>
    <name>QSubtitleOperationForm</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>トラック：</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル：</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>余白：</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>倍率：</translation>
    </message>
</context>
<context>
    <name>QTextStyleDlg</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>フォント：</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Font Name:</source>
        <translation>フォント名：</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>影：</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>影の色</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>距離：</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>縁取り：</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>縁取りの色</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ：</translation>
    </message>
    <message>
        <source>SpacingH:</source>
        <translation>横の間隔：</translation>
    </message>
    <message>
        <source>SpacingV:</source>
        <translation>縦の間隔：</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>文字の色：</translation>
    </message>
    <message>
        <source>Shadow Color:</source>
        <translation>影の色：</translation>
    </message>
    <message>
        <source>Shadow Offset:</source>
        <translation>影の距離：</translation>
    </message>
    <message>
        <source>Outline Color:</source>
        <translation>縁取りの色：</translation>
    </message>
    <message>
        <source>Outline Size:</source>
        <translation>縁取りの太さ：</translation>
    </message>
    <message>
        <source>Horizontal Spacing:</source>
        <translation>横の間隔：</translation>
    </message>
    <message>
        <source>Vertical Spacing:</source>
        <translation>縦の間隔：</translation>
    </message>
</context>
<context>
    <name>QTrimOperationForm</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
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
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>QVideoConvertItem</name>
    <message>
        <source>Start Time:</source>
        <translation>開始時間：</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>終了時間：</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>字幕なし</translation>
    </message>
</context>
<context>
    <name>QVideoCutDlg</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>QVideoCutManageDlg</name>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Open The Output Folder</source>
        <translation>出力フォルダーを開く</translation>
    </message>
    <message>
        <source>Add Segment</source>
        <translation>セグメントを追加</translation>
    </message>
    <message>
        <source>Show Segment List</source>
        <translation>セグメント一覧を表示</translation>
    </message>
    <message>
        <source>Hide Segment List</source>
        <translation>セグメント一覧を隠す</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>シンプルモード</translation>
    </message>
    <message>
        <source>Free Mode</source>
        <translation>フリーモード</translation>
    </message>
    <message>
        <source>Merge Segments</source>
        <translation>セグメントを結合</translation>
    </message>
    <message>
        <source>The output path is invalid!</source>
        <translation>出力先のパスが無効です！</translation>
    </message>
    <message>
        <source>File conversion failed, please check whether the output format parameters 
and output file directory are set correctly.</source>
        <translation>ファイルの変換に失敗しました。出力形式のパラメーターと
出力先フォルダーが正しく設定されているか確認してください。</translation>
    </message>
    <message>
        <source>Invalid path</source>
        <translation>無効なパス</translation>
    </message>
    <message>
        <source>Switching to the Simple Mode shortens or removes overlapping segments!</source>
        <translation>シンプルモードに切り替えると、重なっているセグメントは短縮または削除されます！</translation>
    </message>
    <message>
        <source>No program on this desktop could open the output folder. You can find it here:</source>
        <translation>このデスクトップには出力フォルダーを開けるプログラムがありません。フォルダーの場所：</translation>
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
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>QVideoEditingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Video Edit</source>
        <translation>ビデオ編集</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>トリム</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>調整</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>is not exists</source>
        <translation>は存在しません</translation>
    </message>
    <message>
        <source>Snapshot successfully!</source>
        <translation>スナップショットを保存しました！</translation>
    </message>
    <message>
        <source>Snapshot failed!</source>
        <translation>スナップショットに失敗しました！</translation>
    </message>
</context>
<context>
    <name>QVideoPlayDlg</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>QWaitForDlg</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
</context>
<context>
    <name>QWatermarkOperationForm</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Watermark Image:</source>
        <translation>透かし画像：</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Watermark Text:</source>
        <translation>透かし文字：</translation>
    </message>
</context>
<context>
    <name>VelInfoManager</name>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
</context>
<context>
    <name>VelVideoConvertItem</name>
    <message>
        <source>The segment ends (%1) before it starts (%2).</source>
        <translation>セグメントの終了（%1）が開始（%2）より前になっています。</translation>
    </message>
    <message>
        <source>The segment starts (%1) at or after the end of the file (%2).</source>
        <translation>セグメントの開始（%1）がファイルの終端（%2）以降になっています。</translation>
    </message>
    <message>
        <source>The media library could not be started.</source>
        <translation>メディアライブラリを起動できませんでした。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>「%1」を開けません。</translation>
    </message>
    <message>
        <source>The file has no program %1.</source>
        <translation>ファイルに番組 %1 がありません。</translation>
    </message>
    <message>
        <source>The file holds no program.</source>
        <translation>ファイルに番組が含まれていません。</translation>
    </message>
    <message>
        <source>The file holds neither video nor audio.</source>
        <translation>ファイルにビデオもオーディオも含まれていません。</translation>
    </message>
    <message>
        <source>No media description to read.</source>
        <translation>読み取れるメディア情報がありません。</translation>
    </message>
    <message>
        <source>Audible audio books are not supported.</source>
        <translation>Audible のオーディオブックには対応していません。</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>字幕なし</translation>
    </message>
    <message>
        <source>A segment length of %1 is not possible; it must be at least 1.</source>
        <translation>セグメントの長さを %1 にはできません。1 以上にしてください。</translation>
    </message>
</context>
<context>
    <name>VideoImageWindow</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
</TS>
