#pragma once
// The OpenGL view of decoded video frames. Producers on any thread hand in
// packed BGRA (showImage) or planar YUV 4:2:0 (showYUVImage) frames; the view
// copies each into a locked queue (at most 9 pending, later ones dropped) and
// draws the oldest on the GUI thread: BGRA as a textured quad, YUV through a
// shader, both in a compatibility context.

#include <QColor>
#include <QList>
#include <QMutex>
#include <QOpenGLWidget>

class QOpenGLFunctions_2_0;

class QVelVideoShowWidget : public QOpenGLWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(QVelVideoShowWidget)

public:
    explicit QVelVideoShowWidget(QWidget *parent = nullptr);
    ~QVelVideoShowWidget() override;

    void showImage(unsigned char *data, unsigned int width, unsigned int height, unsigned int bytesPerLine);
    void showYUVImage(unsigned char **planes, int width, int height, int *lineSizes);
    void reset();
    void setBackgroundColor(QColor color);
    // Kept as a no-op: owners switch updates off, and the view keeps repainting.
    void setUpdatesEnabled(bool enable);

signals:
    void emitDrawImageData();
    void emitDrawYUVImageData();

public slots:
    void drawImageData();
    void drawYUVImageData();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

private:
    struct FrameRecord {
        unsigned int width = 0;
        unsigned int height = 0;
        unsigned char *planes[3] = {nullptr, nullptr, nullptr};
        int lineSizes[3] = {0, 0, 0};
    };
    struct ViewState {
        unsigned int packedTexture = 0;
        unsigned int yuvTextures[3] = {0, 0, 0};
        unsigned int program = 0, vertexShader = 0, fragmentShader = 0;
        unsigned int frameWidth = 0, frameHeight = 0;
        int textureWidth = 0, textureHeight = 0;
        float s = 1.0f, t = 1.0f;
        int pending = 0;
        QMutex mutex;
        QList<FrameRecord> queue;
        QColor background = Qt::black;
    };

    bool reserveSlot(bool dropWhenBusy, const char *busyMessage);
    void enqueue(const FrameRecord &record);
    bool takeFrame(FrameRecord &record);
    void frameHandled();
    bool buildProgram(QOpenGLFunctions_2_0 *gl);
    void deleteGlObjects(QOpenGLFunctions_2_0 *gl);
    QOpenGLFunctions_2_0 *functions();
    static void freeRecord(FrameRecord &record);
    static int textureSize(int needed);

    ViewState *m_state;
};
