#include "QAudioTagForm.h"

#include "QPanelChooser.h"
#include "QVEInitCtrlStyle.h"
#include "QVelBaseTextEdit.h"
#include "QVideoEditingSettings.h"
#include "VECommonClass.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

QString QAudioTagForm::g_path = QDir::homePath();

namespace {
const QRect kCoverRect(0, 0, 125, 125);
const char* const kGenres[] = {"Altemative", "Blues", "Books&Spoken", "Children's Music", "Classical", "Comedy",
                               "Dance", "Electronic", "Folk", "Hip Hop/Rap", "Holiday", "House", "Industrial",
                               "Jazz", "Metal", "Pop", "Podcast", "R&B", "Religious", "Rock", "Trance"};
}

QAudioTagForm::QAudioTagForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
    m_loadedTagInfo.clear();
}

QAudioTagForm::~QAudioTagForm() = default;

void QAudioTagForm::initControls()
{
    const QString res = VECommonClass::getCustomResPath();
    m_btnTagImg->setButtonImage(res + "/add_watermark_image.png", true);
    m_btnTagImg->setToolTip(QObject::tr("Add Image"));
    m_btnDelete->setButtonImage(res + "/delete_watermark_image.png", true);
    m_btnDelete->setToolTip(QObject::tr("Delete"));
    m_btnDelete->hide();
    connect(m_btnTagImg, &QAbstractButton::clicked, this, &QAudioTagForm::setTagImage);
    connect(m_btnDelete, &QAbstractButton::clicked, this, &QAudioTagForm::onDeleteImage);

    for (QVelLineEdit* e : {m_editYear, m_editDisc1, m_editDisc2, m_editTrack1, m_editTrack2})
        e->onlyInputNumber();
    for (QVelLineEdit* e : {m_editTitle, m_editAlbum, m_editArtist, m_editGrouping, m_editComposer, m_editCopyright,
                            m_editDisc2, m_editDisc1, m_editTrack2, m_editTrack1, m_editYear})
        connect(e, &QLineEdit::textChanged, this, &QAudioTagForm::onTextChanged);
    connect(m_editComments->textEdit(), &QTextEdit::textChanged, this, &QAudioTagForm::onCommentsTextChanged);

    QStringList genres;
    for (const char* g : kGenres)
        genres << QString::fromLatin1(g);
    m_editGenre->addItems(genres);
    m_editGenre->setMaxVisibleItems(22);
    m_editGenre->setEditable(true);
    connect(m_editGenre, &QComboBox::editTextChanged, this, &QAudioTagForm::genreTextChanged);
    styleControls();
}

void QAudioTagForm::styleControls()
{
    const std::pair<QLabel*, const char*> labels[] = {
        {m_labTitle, QT_TR_NOOP("Title:")},       {m_labAlbum, QT_TR_NOOP("Album:")},
        {m_labArtist, QT_TR_NOOP("Artist:")},     {m_labComposer, QT_TR_NOOP("Composer:")},
        {m_labGrouping, QT_TR_NOOP("Grouping:")}, {m_labCopyright, QT_TR_NOOP("Copyright:")},
        {m_labComments, QT_TR_NOOP("Comments:")}, {m_labDisc, QT_TR_NOOP("Disc Num:")},
        {m_labTrack, QT_TR_NOOP("Track:")},       {m_labYear, QT_TR_NOOP("Year:")},
        {m_labGenre, QT_TR_NOOP("Genre:")},       {m_labCover, QT_TR_NOOP("Cover:")},
        {m_labDiscOf, QT_TR_NOOP("of")},          {m_labTrackOf, QT_TR_NOOP("of")}};
    for (const auto& l : labels) {
        QVEInitCtrlStyle::SetLabel2(l.first, QObject::tr(l.second), 12);
        l.first->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    const QString background = VECommonClass::getCustomResPath() + "/edit_background.png";
    for (QVelLineEdit* e : findChildren<QVelLineEdit*>()) {
        e->setBackgroundImage(background);
        QVEInitCtrlStyle::SetFont(e, 10);
        QVEInitCtrlStyle::SetPalette(e, QPalette::Text, QColor(251, 251, 251));
    }
    m_editComments->setBackgroundImage(background);
    m_editComments->setEditMargins(2, 2, 2, 2);
    m_editComments->textEdit()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QVEInitCtrlStyle::SetFont(m_editComments->textEdit(), 10);
    QVEInitCtrlStyle::SetPalette(m_editComments->textEdit(), QPalette::Text, QColor(251, 251, 251));
    m_editGenre->setBackgroundImage(background);
    QVEInitCtrlStyle::SetQVelComboBox(m_editGenre);
}

void QAudioTagForm::setEditSettings(QVideoEditingSettings* settings)
{
    m_pEditSettings = settings;
}

template <class Change>
void QAudioTagForm::editTags(Change change)
{
    // Filling the controls from the record is not an edit.
    if (!m_pEditSettings || m_loading)
        return;
    VEAudioTagInfo info;
    m_pEditSettings->getAudioTagInfo(info);
    change(info);
    m_pEditSettings->setAudioTagInfo(info);
}

void QAudioTagForm::loadingSetting()
{
    if (!m_pEditSettings)
        return;
    VEAudioTagInfo info;
    m_pEditSettings->getAudioTagInfo(info);
    m_loading = true;
    m_editTitle->setText(charToQString(info.m_title));
    m_editAlbum->setText(charToQString(info.m_album));
    m_editArtist->setText(charToQString(info.m_artist));
    m_editGrouping->setText(charToQString(info.m_grouping));
    m_editComposer->setText(charToQString(info.m_composer));
    m_editCopyright->setText(charToQString(info.m_copyright));
    // A tag is text: markup in it is shown as written, never interpreted.
    m_editComments->textEdit()->setPlainText(charToQString(info.m_comment));
    QString first = "0", second = "0";
    analysisTrackValue(charToQString(info.m_disc), first, second);
    m_editDisc1->setText(first);
    m_editDisc2->setText(second);
    first = second = "0";
    analysisTrackValue(charToQString(info.m_track), first, second);
    m_editTrack1->setText(first);
    m_editTrack2->setText(second);
    QString year = charToQString(info.m_year);
    if (year.isEmpty())
        getYearForDate(year, charToQString(info.m_date));
    m_editYear->setText(year);
    m_editGenre->setCurrentIndex(-1);
    m_editGenre->setEditText(charToQString(info.m_genre));
    m_btnDelete->setVisible(m_btnTagImg->setTagImg(kCoverRect, info.m_cover.toStdString()));
    m_loading = false;
    m_loadedTagInfo = info;
}

bool QAudioTagForm::audioTagInfoChange() const
{
    if (!m_pEditSettings)
        return false;
    VEAudioTagInfo now;
    m_pEditSettings->getAudioTagInfo(now);
    now.m_flag = m_loadedTagInfo.m_flag;
    return now != m_loadedTagInfo;
}

QString QAudioTagForm::getThumbnailPath() const
{
    return m_thumbnailPath;
}

void QAudioTagForm::getYearForDate(QString& year, QString date)
{
    year = date.left(4);
}

QString QAudioTagForm::charToQString(const QByteArray& text)
{
    const int end = text.indexOf('\0');
    return QString::fromUtf8(end < 0 ? text : text.left(end));
}

void QAudioTagForm::analysisTrackValue(QString value, QString& first, QString& second)
{
    if (value.isEmpty())
        return;
    value.replace('\\', '/');
    const int slash = value.indexOf('/');
    if (slash < 0) {
        first = value;
        return;
    }
    first = value.left(slash);
    second = value.mid(slash + 1);
    if (first.isEmpty())
        first = "0";
    if (second.isEmpty())
        second = "0";
}

QString QAudioTagForm::getDiscAndTrackStr(QString first, QString second)
{
    bool ok = false;
    int n = first.toInt(&ok, 10);
    if (!ok)
        n = 0;
    int m = second.toInt(&ok, 10);
    if (!ok)
        m = 0;
    if (n < 1)
        return QString();
    if (m < 1)
        return QString::number(n);
    return QString("%1/%2").arg(n).arg(m);
}

void QAudioTagForm::onTextChanged(QString text)
{
    QObject* from = sender();
    editTags([&](VEAudioTagInfo& info) {
        const QByteArray utf8 = text.toUtf8();
        if (from == m_editTitle)
            info.m_title = utf8;
        else if (from == m_editAlbum)
            info.m_album = utf8;
        else if (from == m_editArtist)
            info.m_artist = utf8;
        else if (from == m_editComposer)
            info.m_composer = utf8;
        else if (from == m_editGrouping)
            info.m_grouping = utf8;
        else if (from == m_editCopyright)
            info.m_copyright = utf8;
        else if (from == m_editDisc1 || from == m_editDisc2)
            info.m_disc = getDiscAndTrackStr(m_editDisc1->text(), m_editDisc2->text()).toUtf8();
        else if (from == m_editTrack1 || from == m_editTrack2)
            info.m_track = getDiscAndTrackStr(m_editTrack1->text(), m_editTrack2->text()).toUtf8();
        else if (from == m_editYear)
            info.m_year = utf8;
    });
}

void QAudioTagForm::genreTextChanged(QString text)
{
    editTags([&](VEAudioTagInfo& info) { info.m_genre = text.toUtf8(); });
}

void QAudioTagForm::onCommentsTextChanged()
{
    editTags([&](VEAudioTagInfo& info) { info.m_comment = m_editComments->textEdit()->toPlainText().toUtf8(); });
}

void QAudioTagForm::setTagImage()
{
    const QString path = QPanelChooser::getOpenFileName(
        this, QString(), g_path,
        tr("Images (*.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP *.xpm *.XPM);;All files (*)"));
    if (path.isEmpty())
        return;
    g_path = QFileInfo(path).absolutePath();
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    // Decoded once, before anything is stored: undecodable bytes would be
    // written into the output's tags as a cover.
    const QImage picture = bytes.isEmpty() ? QImage() : QImage::fromData(bytes);
    if (picture.isNull()) {
        QPanelChooser::showWarning(this, tr("The file \"%1\" is not a picture that can be read.")
                                             .arg(QFileInfo(path).fileName()));
        return;
    }
    m_btnTagImg->setTagImg(kCoverRect, picture);
    m_btnDelete->setVisible(true);
    storeCover(bytes);
    m_thumbnailPath = path;
}

void QAudioTagForm::onDeleteImage()
{
    setTagImg(std::string(), 0);
    m_thumbnailPath.clear();
}

// Bytes that show no picture are not stored, except none at all, which
// removes the cover.
bool QAudioTagForm::setTagImg(std::string data, int size)
{
    const bool shown = m_btnTagImg->setTagImg(kCoverRect, data);
    m_btnDelete->setVisible(shown);
    if (shown || data.empty())
        storeCover(QByteArray::fromStdString(data).left(qMax(size, 0)));
    return shown;
}

void QAudioTagForm::storeCover(const QByteArray& bytes)
{
    editTags([&](VEAudioTagInfo& info) {
        info.m_cover = bytes;
        info.m_coverSize = uint32_t(bytes.size());
    });
}

void QAudioTagForm::showEvent(QShowEvent* event)
{
    if (!m_bLoaded) {
        m_bLoaded = true;
        loadingSetting();
    }
    QWidget::showEvent(event);
}

void QAudioTagForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int L = (width() - 533) / 2;
    const int T = (height() - 319) / 2;
    QWidget* leftLabels[] = {m_labTitle, m_labAlbum, m_labArtist, m_labComposer,
                             m_labGrouping, m_labCopyright, m_labComments};
    QWidget* leftFields[] = {m_editTitle, m_editAlbum, m_editArtist, m_editComposer,
                             m_editGrouping, m_editCopyright, m_editComments};
    for (int i = 0; i < 7; ++i) {
        leftLabels[i]->move(L - 10, T + 45 * i);
        leftFields[i]->move(leftLabels[i]->x() + leftLabels[i]->width() + 8, T + 45 * i);
    }
    const int R = width() - L - 10;
    auto pair = [&](QWidget* label, QWidget* of, QWidget* n, QWidget* m, int y) {
        m->move(R - m->width(), y);
        of->move(m->x() - 6 - of->width(), y);
        n->move(of->x() - n->width(), y);
        label->move(n->x() - 7 - label->width(), y);
    };
    pair(m_labDisc, m_labDiscOf, m_editDisc1, m_editDisc2, T);
    pair(m_labTrack, m_labTrackOf, m_editTrack1, m_editTrack2, T + 45);
    auto single = [&](QWidget* label, QWidget* field, int y) {
        field->move(R - field->width(), y);
        label->move(field->x() - 8 - label->width(), y);
    };
    single(m_labYear, m_editYear, T + 90);
    single(m_labGenre, m_editGenre, T + 135);
    single(m_labCover, m_btnTagImg, T + 180);
    m_btnDelete->move(m_btnTagImg->x() + m_btnTagImg->width() - m_btnDelete->width(), m_btnTagImg->y());
}
