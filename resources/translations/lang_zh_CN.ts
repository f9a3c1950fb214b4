<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdWebDlg</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
</context>
<context>
    <name>CategoriesBtnWgt</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>ConvertWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>转换完成后</translation>
    </message>
</context>
<context>
    <name>FormatCategory</name>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>高清视频</translation>
    </message>
    <message>
        <source>Web Video</source>
        <translation>网络视频</translation>
    </message>
    <message>
        <source>General Video</source>
        <translation>常规视频</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>常规音频</translation>
    </message>
</context>
<context>
    <name>FormatItem</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>FormatItemWidget</name>
    <message>
        <source>ScrollArea</source>
        <translation>滚动区域</translation>
    </message>
</context>
<context>
    <name>FormatWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>预设：</translation>
    </message>
    <message>
        <source>Encoding mode - Customize file format, quality and codec (Slow)</source>
        <translation>编码模式 - 自定义文件格式、质量和编码器（慢速）</translation>
    </message>
    <message>
        <source>High - Speed mode - Fast and Lossless (Recommended)</source>
        <translation>高速模式 - 快速无损（推荐）</translation>
    </message>
    <message>
        <source>show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>隐藏</translation>
    </message>
</context>
<context>
    <name>GeneralWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>自动更新</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭时</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>A conversion is running. Stop it and close?</source>
        <translation>正在转换。要停止转换并关闭吗？</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Maximization</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>All Supported Formats(%1);;Apple Video files(*.m4v);;AVI Video files(*.avi);;High-definition files(*.mts *.ts *.m2ts *.m2t *.tp *.trp);; MPEG4 files(*.mp4 *.m4v);;MPEG files(*.mpg *.mpeg);;3GP files(*.3gp *.3g2);;Windows Media Video(*.wmv *.asf);; Real Media files(*.rm *.rmvb);;audio files(*.wav;*.mp3;*.aac;*.m4a;*.wma;*.ogg;*.ape;*.flac);;Video CD files(*.dat);; Quick Time files(*.mov);; Flash Video files(*.flv *.f4v);;MKV files(*.mkv);; Digital Video files(*.dv);;Microsoft Digital Video Recorder(*.dvr-ms);; Raw h.264 Video files(*.h.264);; Nullsoft Stream Video(*.nsv);;Unprotected VOB Files(*.vob);;WEBM Files(*.webm);;OGV Files(*.ogv);;All files(*.*)</source>
        <translation>所有支持的格式(%1);;Apple 视频文件(*.m4v);;AVI 视频文件(*.avi);;高清视频文件(*.mts *.ts *.m2ts *.m2t *.tp *.trp);; MPEG4 文件(*.mp4 *.m4v);;MPEG 文件(*.mpg *.mpeg);;3GP 文件(*.3gp *.3g2);;Windows Media 视频(*.wmv *.asf);; RealMedia 文件(*.rm *.rmvb);;音频文件(*.wav;*.mp3;*.aac;*.m4a;*.wma;*.ogg;*.ape;*.flac);;VCD 文件(*.dat);; QuickTime 文件(*.mov);; Flash 视频文件(*.flv *.f4v);;MKV 文件(*.mkv);; DV 数码视频文件(*.dv);;Microsoft 数字录像文件(*.dvr-ms);; H.264 裸流视频文件(*.h.264);; Nullsoft 流媒体视频(*.nsv);;未加密的 VOB 文件(*.vob);;WEBM 文件(*.webm);;OGV 文件(*.ogv);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>Please drop an existing local file. </source>
        <translation>请拖入一个已存在的本地文件。</translation>
    </message>
    <message>
        <source>Open file failed. </source>
        <translation>打开文件失败。</translation>
    </message>
    <message>
        <source>Open audio device failed. </source>
        <translation>打开音频设备失败。</translation>
    </message>
    <message>
        <source>Adding segment failed. Please drag segment to leave some space at the end 
or switch to the &quot;Free Mode&quot;.</source>
        <translation>添加片段失败。请拖动片段，在末尾留出一些空间，
或切换到“自由模式”。</translation>
    </message>
    <message>
        <source>The settings file could not be read and has been reset to the defaults.</source>
        <translation>无法读取设置文件，已恢复为默认设置。</translation>
    </message>
    <message>
        <source>%1 (the old file was kept as %2)</source>
        <translation>%1（旧文件已保存为 %2）</translation>
    </message>
    <message>
        <source>This kind of file is not supported.</source>
        <translation>不支持此类文件。</translation>
    </message>
    <message>
        <source>The player cannot play it.</source>
        <translation>播放器无法播放此文件。</translation>
    </message>
    <message>
        <source>The player cannot show it.</source>
        <translation>播放器无法显示此文件。</translation>
    </message>
    <message>
        <source>No reason was given.</source>
        <translation>未给出原因。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>PackName</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>雪花</translation>
    </message>
    <message>
        <source>Light Leak</source>
        <translation>漏光</translation>
    </message>
    <message>
        <source>Vignette</source>
        <translation>暗角</translation>
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
        <translation>人声</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>温暖</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>圆角</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>胶片</translation>
    </message>
</context>
<context>
    <name>QAboutDlg</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>访问：</translation>
    </message>
</context>
<context>
    <name>QAdjustOperationForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Rotion:</source>
        <translation>旋转：</translation>
    </message>
    <message>
        <source>CropArea Size:</source>
        <translation>裁剪区域：</translation>
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
        <translation>原始尺寸：</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>宽高比：</translation>
    </message>
</context>
<context>
    <name>QAudioOperationForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>轨道：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>循环播放</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>权重：</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Sound effects:</source>
        <translation>音效：</translation>
    </message>
</context>
<context>
    <name>QAudioTagForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>of</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑：</translation>
    </message>
    <message>
        <source>Cover:</source>
        <translation>封面：</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>注释：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>曲目：</translation>
    </message>
    <message>
        <source>Disc Num:</source>
        <translation>光盘编号：</translation>
    </message>
    <message>
        <source>Grouping:</source>
        <translation>分组：</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>流派：</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>版权：</translation>
    </message>
    <message>
        <source>Composer:</source>
        <translation>作曲：</translation>
    </message>
    <message>
        <source>Images (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.xpm *.XPM);;All files (*)</source>
        <translation>图片 (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.xpm *.XPM);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>文件“%1”不是可读取的图片。</translation>
    </message>
</context>
<context>
    <name>QCaptureSettingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Save to:</source>
        <translation>保存到：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Snapshot Setting</source>
        <translation>截图设置</translation>
    </message>
    <message>
        <source>Please choose destination folder</source>
        <translation>请选择目标文件夹</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存到</translation>
    </message>
</context>
<context>
    <name>QCommonButtonForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>应用到全部</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
</context>
<context>
    <name>QEditTipDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>不再显示此窗口</translation>
    </message>
    <message>
        <source>The currently selected output mode is High-Speed mode (Lossless). The edited effect won&apos;t be applied to the output file.
</source>
        <translation>当前选择的输出模式为高速模式（无损），编辑效果不会应用到输出文件。
</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Note: The currently selected output mode is High-Speed mode (Lossless). The edited effect won&apos;t be applied to the output file.</source>
        <translation>注意：当前选择的输出模式为高速模式（无损），编辑效果不会应用到输出文件。</translation>
    </message>
</context>
<context>
    <name>QEffectOperationForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>contrast:</source>
        <translation>对比度：</translation>
    </message>
    <message>
        <source>saturation:</source>
        <translation>饱和度：</translation>
    </message>
    <message>
        <source>hue:</source>
        <translation>色调：</translation>
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
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>QHorizontalListItem</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
</context>
<context>
    <name>QLoadingDlg</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Adding File:</source>
        <translation>正在添加：</translation>
    </message>
    <message>
        <source>Added:</source>
        <translation>已添加：</translation>
    </message>
    <message>
        <source>UnKown</source>
        <translation>未知</translation>
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
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>QMediaForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>QMessageCommonDlg</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>https://www.zededera-raziz-azodor.example/</source>
        <translation>https://www.zededera-raziz-azodor.example/</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>QMessageOpacityForm</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;support&quot;&gt;&lt;span style=&quot; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;Click here for support!&lt;/span&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;support&quot;&gt;&lt;span style=&quot; font-size:8pt; text-decoration: underline; color:#0000ff;&quot;&gt;点击此处获取支持！&lt;/span&gt;&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <source>Set Segment Start Time</source>
        <translation>设置片段开始时间</translation>
    </message>
    <message>
        <source>Set Segment End Time</source>
        <translation>设置片段结束时间</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>播放片段</translation>
    </message>
    <message>
        <source>Pause Segment</source>
        <translation>暂停片段</translation>
    </message>
    <message>
        <source>Drag media files here to start</source>
        <translation>将媒体文件拖到此处即可开始</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>上一帧</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>下一帧</translation>
    </message>
    <message>
        <source>Previous Key Frame</source>
        <translation>上一关键帧</translation>
    </message>
    <message>
        <source>Next Key Frame</source>
        <translation>下一关键帧</translation>
    </message>
    <message>
        <source>Cannot check for updates: no update service is configured.</source>
        <translation>无法检查更新：未配置更新服务。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Small Size</source>
        <translation>小体积</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>高质量</translation>
    </message>
    <message>
        <source>Show Advanced</source>
        <translation>显示高级设置</translation>
    </message>
    <message>
        <source>Hide Advanced</source>
        <translation>隐藏高级设置</translation>
    </message>
    <message>
        <source>Preset:</source>
        <translation>预设：</translation>
    </message>
    <message>
        <source>High - Speed mode - Fast and Lossless (Recommended)</source>
        <translation>高速模式 - 快速无损（推荐）</translation>
    </message>
    <message>
        <source>Encoding mode - Customize file format, quality and codec (Slow)</source>
        <translation>编码模式 - 自定义文件格式、质量和编码器（慢速）</translation>
    </message>
    <message>
        <source>Attention: Please don&apos;t change advanced settings if you are non-professionals. Please leave it as the default &quot;Original&quot;. Otherwise the conversion may fail.</source>
        <translation>注意：如果您不是专业用户，请勿更改高级设置，保持默认的“Original”即可，否则转换可能会失败。</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>编码器：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>比特率：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Snapshot Menu</source>
        <translation>截图菜单</translation>
    </message>
    <message>
        <source>Play Section</source>
        <translation>播放所选区间</translation>
    </message>
    <message>
        <source>Pause Section</source>
        <translation>暂停所选区间</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>修剪</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Apply to all</source>
        <translation>应用到全部</translation>
    </message>
    <message>
        <source>Rotate Anticlockwise</source>
        <translation>逆时针旋转</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>顺时针旋转</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Original Display</source>
        <translation>原始显示</translation>
    </message>
    <message>
        <source>Original Resolution</source>
        <translation>原始分辨率</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
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
        <translation>全景扫描</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>旋转：</translation>
    </message>
    <message>
        <source>Crop Area Size:</source>
        <translation>裁剪区域：</translation>
    </message>
    <message>
        <source>Original Resolution:</source>
        <translation>原始分辨率：</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>宽高比：</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Conversion Completed</source>
        <translation>转换完成后</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Turn Off Computer</source>
        <translation>关闭计算机</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存到</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>自动更新</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭时</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Automatically update to the newest version</source>
        <translation>自动更新到最新版本</translation>
    </message>
    <message>
        <source>Close automatic updates</source>
        <translation>关闭自动更新</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>最小化到托盘</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Copyright © 2026 Velmarin. All rights reserved.</source>
        <translation>版权所有 © 2026 Velmarin。保留所有权利。</translation>
    </message>
    <message>
        <source>Visit:</source>
        <translation>访问：</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>对比度：</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>饱和度：</translation>
    </message>
    <message>
        <source>Hue:</source>
        <translation>色调：</translation>
    </message>
    <message>
        <source>Video effects</source>
        <translation>视频特效</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>边框</translation>
    </message>
    <message>
        <source>Audio files (%1);;Video files (%2);;All files (*)</source>
        <translation>音频文件 (%1);;视频文件 (%2);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>循环播放</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Sound effects:</source>
        <translation>音效：</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>轨道：</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>权重：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>打开音频文件</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no audio that can be played.</source>
        <translation>文件“%1”中没有可播放的音频。</translation>
    </message>
    <message>
        <source>No Audio</source>
        <translation>无音频</translation>
    </message>
    <message>
        <source>All Audio</source>
        <translation>全部音轨</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>边距：</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>缩放：</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶部</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中间</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底部</translation>
    </message>
    <message>
        <source>Set Font</source>
        <translation>设置字体</translation>
    </message>
    <message>
        <source>Subtitles (%1)</source>
        <translation>字幕文件 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>无字幕</translation>
    </message>
    <message>
        <source>All Subtitle</source>
        <translation>全部字幕</translation>
    </message>
    <message>
        <source>Video Internet CC</source>
        <translation>隐藏式字幕 (CC)</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>打开字幕文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read as a subtitle file.</source>
        <translation>无法将“%1”作为字幕文件读取。</translation>
    </message>
    <message>
        <source>Add Watermark Image</source>
        <translation>添加水印图片</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文字：</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Images (*.jpg *.jpeg *.png *.gif *.bmp *.webp *.JPG *.JPEG *.PNG *.GIF *.BMP *.WEBP);;All files (*)</source>
        <translation>图片 (*.jpg *.jpeg *.png *.gif *.bmp *.webp *.JPG *.JPEG *.PNG *.GIF *.BMP *.WEBP);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read.</source>
        <translation>文件“%1”不是可读取的图片。</translation>
    </message>
    <message>
        <source>This folder cannot be used for the output.</source>
        <translation>此文件夹不能用作输出文件夹。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>QPlayerOperationForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>QSettingDlg</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>编码器：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>比特率：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原始</translation>
    </message>
</context>
<context>
    <name>QShowCloseDlg</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Minimize to Notification Area</source>
        <translation>最小化到通知区域</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Don&apos;t show this window again</source>
        <translation>不再显示此窗口</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Minimize to Tray</source>
        <translation>最小化到托盘</translation>
    </message>
</context>
<context>
    <name>QSubtitleOperationForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>轨道：</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶部</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中间</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底部</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>边距：</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>透明度：</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>缩放：</translation>
    </message>
</context>
<context>
    <name>QTextStyleDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Font Name:</source>
        <translation>字体名称：</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>阴影：</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>阴影颜色</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>偏移：</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>描边：</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>描边颜色</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>SpacingH:</source>
        <translation>水平间距：</translation>
    </message>
    <message>
        <source>SpacingV:</source>
        <translation>垂直间距：</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Font Color:</source>
        <translation>字体颜色：</translation>
    </message>
    <message>
        <source>Shadow Color:</source>
        <translation>阴影颜色：</translation>
    </message>
    <message>
        <source>Shadow Offset:</source>
        <translation>阴影偏移：</translation>
    </message>
    <message>
        <source>Outline Color:</source>
        <translation>描边颜色：</translation>
    </message>
    <message>
        <source>Outline Size:</source>
        <translation>描边大小：</translation>
    </message>
    <message>
        <source>Horizontal Spacing:</source>
        <translation>水平间距：</translation>
    </message>
    <message>
        <source>Vertical Spacing:</source>
        <translation>垂直间距：</translation>
    </message>
</context>
<context>
    <name>QTrimOperationForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
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
        <translation>对话框</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>QVideoConvertItem</name>
    <message>
        <source>Start Time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>End Time:</source>
        <translation>结束时间：</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>无字幕</translation>
    </message>
</context>
<context>
    <name>QVideoCutDlg</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>QVideoCutManageDlg</name>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Open The Output Folder</source>
        <translation>打开输出文件夹</translation>
    </message>
    <message>
        <source>Add Segment</source>
        <translation>添加片段</translation>
    </message>
    <message>
        <source>Show Segment List</source>
        <translation>显示片段列表</translation>
    </message>
    <message>
        <source>Hide Segment List</source>
        <translation>隐藏片段列表</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Simple Mode</source>
        <translation>简易模式</translation>
    </message>
    <message>
        <source>Free Mode</source>
        <translation>自由模式</translation>
    </message>
    <message>
        <source>Merge Segments</source>
        <translation>合并片段</translation>
    </message>
    <message>
        <source>The output path is invalid!</source>
        <translation>输出路径无效！</translation>
    </message>
    <message>
        <source>File conversion failed, please check whether the output format parameters 
and output file directory are set correctly.</source>
        <translation>文件转换失败，请检查输出格式参数
和输出文件夹是否设置正确。</translation>
    </message>
    <message>
        <source>Invalid path</source>
        <translation>路径无效</translation>
    </message>
    <message>
        <source>Switching to the Simple Mode shortens or removes overlapping segments!</source>
        <translation>切换到简易模式会缩短或删除相互重叠的片段！</translation>
    </message>
    <message>
        <source>No program on this desktop could open the output folder. You can find it here:</source>
        <translation>此桌面上没有程序能打开输出文件夹。它位于：</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>QVideoEditTag</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>QVideoEditingDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Video Edit</source>
        <translation>视频编辑</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>修剪</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>调整</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>is not exists</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>Snapshot successfully!</source>
        <translation>截图成功！</translation>
    </message>
    <message>
        <source>Snapshot failed!</source>
        <translation>截图失败！</translation>
    </message>
</context>
<context>
    <name>QVideoPlayDlg</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>QWaitForDlg</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
</context>
<context>
    <name>QWatermarkOperationForm</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Watermark Image:</source>
        <translation>水印图片：</translation>
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
        <translation>水印文字：</translation>
    </message>
</context>
<context>
    <name>VelInfoManager</name>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
</context>
<context>
    <name>VelVideoConvertItem</name>
    <message>
        <source>The segment ends (%1) before it starts (%2).</source>
        <translation>片段的结束时间（%1）早于开始时间（%2）。</translation>
    </message>
    <message>
        <source>The segment starts (%1) at or after the end of the file (%2).</source>
        <translation>片段的开始时间（%1）已到达或超过文件结尾（%2）。</translation>
    </message>
    <message>
        <source>The media library could not be started.</source>
        <translation>无法启动媒体库。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>无法打开“%1”。</translation>
    </message>
    <message>
        <source>The file has no program %1.</source>
        <translation>文件中没有节目 %1。</translation>
    </message>
    <message>
        <source>The file holds no program.</source>
        <translation>文件中没有任何节目。</translation>
    </message>
    <message>
        <source>The file holds neither video nor audio.</source>
        <translation>文件中既没有视频也没有音频。</translation>
    </message>
    <message>
        <source>No media description to read.</source>
        <translation>没有可读取的媒体信息。</translation>
    </message>
    <message>
        <source>Audible audio books are not supported.</source>
        <translation>不支持 Audible 有声读物。</translation>
    </message>
    <message>
        <source>No Subtitle</source>
        <translation>无字幕</translation>
    </message>
    <message>
        <source>A segment length of %1 is not possible; it must be at least 1.</source>
        <translation>片段长度不能为 %1，至少应为 1。</translation>
    </message>
</context>
<context>
    <name>VideoImageWindow</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
</TS>
