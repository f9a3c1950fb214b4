#pragma once

#include "VEAudioTagInfo.h"
#include "ui_QAudioTagForm.h"

#include <QString>
#include <QWidget>

#include <string>

class QVideoEditingSettings;

// The audio tags of one segment, edited in the editing model's tag record.
// Loading shows the record as it is and writes nothing back; only the user's
// own edits are written.
class QAudioTagForm : public QWidget, public Ui::QAudioTagForm
{
    Q_OBJECT
    Q_DISABLE_COPY(QAudioTagForm)

public:
    explicit QAudioTagForm(QWidget* parent = nullptr);
    ~QAudioTagForm() override;

    void setEditSettings(QVideoEditingSettings* settings);
    void loadingSetting();
    bool audioTagInfoChange() const;
    QString getThumbnailPath() const;
    bool setTagImg(std::string data, int size);

    static void getYearForDate(QString& year, QString date);
    static QString charToQString(const QByteArray& text);
    static void analysisTrackValue(QString value, QString& first, QString& second);
    static QString getDiscAndTrackStr(QString first, QString second);

    // Folder the cover dialog opens in; shared by every panel for the process.
    static QString g_path;

public slots:
    void onTextChanged(QString text);
    void genreTextChanged(QString text);
    void onCommentsTextChanged();
    void setTagImage();
    void onDeleteImage();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void initControls();
    void styleControls();
    template <class Change>
    void editTags(Change change);
    void storeCover(const QByteArray& bytes);

    QVideoEditingSettings* m_pEditSettings = nullptr;
    bool m_bLoaded = false;
    bool m_loading = false;
    QString m_thumbnailPath;
    VEAudioTagInfo m_loadedTagInfo;
};
