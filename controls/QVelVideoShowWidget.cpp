#include "QVelVideoShowWidget.h"
#include "ControlsLog.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions_2_0>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
constexpr int kMaxPending = 9;
constexpr int kMinTexture = 128;

const char *kVertexShader = R"(
attribute vec4 vPosition;
attribute vec2 a_texCoord;
varying vec2 tc;
void main()
{
    gl_Position = vPosition;
    tc = a_texCoord;
}
)";

// ITU-R BT.601, limited range.
const char *kFragmentShader = R"(
uniform sampler2D SamplerY;
uniform sampler2D SamplerU;
uniform sampler2D SamplerV;
varying vec2 tc;
void main()
{
    float y = texture2D(SamplerY, tc).r - 0.0625;
    float u = texture2D(SamplerU, tc).r - 0.5;
    float v = texture2D(SamplerV, tc).r - 0.5;
    gl_FragColor = vec4(1.164 * y + 1.596 * v,
                        1.164 * y - 0.392 * u - 0.813 * v,
                        1.164 * y + 2.017 * u,
                        1.0);
}
)";

// Linear filtering at the picture's first row and column must not wrap
// around to the unused far end of the texture.
void clampToEdge(QOpenGLFunctions_2_0 *gl)
{
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

// rows x lineSize bytes: the first `filled` rows from src (srcLine apart),
// later rows repeating the last one; bytes right of `used` repeat the last
// used byte.
unsigned char *copyPlane(const unsigned char *src, int srcLine, int lineSize, int used, int filled, int rows)
{
    auto *dst = static_cast<unsigned char *>(std::malloc(size_t(lineSize) * size_t(rows)));
    if (!dst)
        return nullptr;
    for (int row = 0; row < filled; ++row) {
        unsigned char *line = dst + size_t(row) * size_t(lineSize);
        std::memcpy(line, src + size_t(row) * size_t(srcLine), size_t(used));
        std::memset(line + used, line[used - 1], size_t(lineSize - used));
    }
    for (int row = filled; row < rows; ++row)
        std::memcpy(dst + size_t(row) * size_t(lineSize), dst + size_t(filled - 1) * size_t(lineSize),
                    size_t(lineSize));
    return dst;
}

// Uploads `rows` rows of a plane (stride `line` bytes, texel size `texel`)
// at the texture's origin, then its last column once more just right of it
// when the texture is wider, so the picture's right edge filters cleanly.
void uploadPlane(QOpenGLFunctions_2_0 *gl, const unsigned char *data, int line, int texel, int rows, int texWidth,
                 GLenum format)
{
    const int texels = line / texel;
    gl->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, texels, rows, format, GL_UNSIGNED_BYTE, data);
    if (texels >= texWidth || texels <= 0)
        return;
    std::vector<unsigned char> column(size_t(rows) * size_t(texel));
    for (int row = 0; row < rows; ++row)
        std::memcpy(column.data() + size_t(row) * size_t(texel),
                    data + size_t(row) * size_t(line) + size_t(texels - 1) * size_t(texel), size_t(texel));
    gl->glTexSubImage2D(GL_TEXTURE_2D, 0, texels, 0, 1, rows, format, GL_UNSIGNED_BYTE, column.data());
}

unsigned char *copyRows(const unsigned char *src, size_t bytes, size_t allocBytes)
{
    auto *dst = static_cast<unsigned char *>(std::malloc(std::max<size_t>(allocBytes, 1)));
    if (dst)
        std::memcpy(dst, src, bytes);
    return dst;
}
} // namespace

QVelVideoShowWidget::QVelVideoShowWidget(QWidget *parent) : QOpenGLWidget(parent), m_state(new ViewState)
{
    setAttribute(Qt::WA_MouseTracking);
    connect(this, &QVelVideoShowWidget::emitDrawImageData, this, &QVelVideoShowWidget::drawImageData,
            Qt::AutoConnection);
    connect(this, &QVelVideoShowWidget::emitDrawYUVImageData, this, &QVelVideoShowWidget::drawYUVImageData,
            Qt::AutoConnection);
}

QVelVideoShowWidget::~QVelVideoShowWidget()
{
    reset();
    delete m_state;
}

void QVelVideoShowWidget::setBackgroundColor(QColor color) { m_state->background = color; }

void QVelVideoShowWidget::setUpdatesEnabled(bool) {}

int QVelVideoShowWidget::textureSize(int needed)
{
    int size = kMinTexture;
    while (size < needed)
        size *= 2;
    return size;
}

void QVelVideoShowWidget::freeRecord(FrameRecord &record)
{
    for (unsigned char *&p : record.planes) {
        std::free(p);
        p = nullptr;
    }
}

// False when the frame is to be dropped; otherwise the pending count has grown.
bool QVelVideoShowWidget::reserveSlot(bool dropWhenBusy, const char *busyMessage)
{
    QMutexLocker lock(&m_state->mutex);
    if (dropWhenBusy && m_state->pending >= kMaxPending) {
        qCDebug(lcControls, "%s", busyMessage);
        return false;
    }
    m_state->pending++;
    return true;
}

void QVelVideoShowWidget::enqueue(const FrameRecord &record)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->queue.append(record);
}

bool QVelVideoShowWidget::takeFrame(FrameRecord &record)
{
    QMutexLocker lock(&m_state->mutex);
    if (m_state->queue.isEmpty())
        return false;
    record = m_state->queue.takeFirst();
    return true;
}

void QVelVideoShowWidget::frameHandled()
{
    QMutexLocker lock(&m_state->mutex);
    if (m_state->pending > 0)
        m_state->pending--;
}

void QVelVideoShowWidget::showImage(unsigned char *data, unsigned int width, unsigned int height,
                                    unsigned int bytesPerLine)
{
    // Only top-down rows of whole pixels that hold the whole width can be
    // copied safely.
    if (data && (width == 0 || height == 0 || int(bytesPerLine) <= 0 || bytesPerLine % 4 || bytesPerLine / 4 < width))
        return;
    if (!reserveSlot(data != nullptr, "showImage too slow..."))
        return;
    FrameRecord record;
    record.width = width;
    record.height = height;
    record.lineSizes[0] = int(bytesPerLine);
    if (data) {
        // One more row, and the bytes past the picture in each row repeat its
        // last pixel, as for planar frames.
        const size_t bytes = size_t(bytesPerLine) * height;
        record.planes[0] = copyRows(data, bytes, bytes + bytesPerLine);
        if (!record.planes[0]) {
            frameHandled();
            return;
        }
        for (unsigned int row = 0; row < height; ++row) {
            unsigned char *line = record.planes[0] + size_t(row) * bytesPerLine;
            for (unsigned int x = width * 4; x + 4 <= bytesPerLine; x += 4)
                std::memcpy(line + x, line + (width - 1) * 4, 4);
        }
        std::memcpy(record.planes[0] + bytes, record.planes[0] + bytes - bytesPerLine, bytesPerLine);
    }
    enqueue(record);
    emit emitDrawImageData();
}

void QVelVideoShowWidget::showYUVImage(unsigned char **planes, int width, int height, int *lineSizes)
{
    if (planes) {
        const int chromaWidth = (width + 1) / 2;
        if (!lineSizes || width <= 0 || height <= 0 || !planes[0] || !planes[1] || !planes[2]
            || lineSizes[0] < width || lineSizes[1] < chromaWidth || lineSizes[2] < chromaWidth)
            return;
    }
    if (!reserveSlot(planes != nullptr, "showYUVImage too slow..."))
        return;
    FrameRecord record;
    record.width = unsigned(std::max(width, 0));
    record.height = unsigned(std::max(height, 0));
    if (planes) {
        const int h2 = (height + 1) & ~1;
        const int ch = h2 / 2;
        const int cw = ((width + 1) & ~1) / 2;
        // Each copy gets one more row than the picture has, and every row is
        // filled past the picture with its last pixel: linear filtering at the
        // right and bottom edges then never mixes in foreign texels.
        for (int p = 0; p < 3; ++p)
            record.lineSizes[p] = lineSizes[p];
        record.planes[0] = copyPlane(planes[0], lineSizes[0], record.lineSizes[0], width, height, h2 + 1);
        record.planes[1] = copyPlane(planes[1], lineSizes[1], record.lineSizes[1], cw, ch, ch + 1);
        record.planes[2] = copyPlane(planes[2], lineSizes[2], record.lineSizes[2], cw, ch, ch + 1);
        if (!record.planes[0] || !record.planes[1] || !record.planes[2]) {
            freeRecord(record);
            frameHandled();
            return;
        }
    }
    enqueue(record);
    emit emitDrawYUVImageData();
}

QOpenGLFunctions_2_0 *QVelVideoShowWidget::functions()
{
    QOpenGLContext *ctx = context();
    return ctx ? ctx->versionFunctions<QOpenGLFunctions_2_0>() : nullptr;
}

void QVelVideoShowWidget::drawImageData()
{
    FrameRecord record;
    if (!takeFrame(record))
        return;
    QOpenGLFunctions_2_0 *gl = functions();
    if (!gl) {
        freeRecord(record);
        frameHandled();
        return;
    }
    makeCurrent();
    ViewState &st = *m_state;
    if (!record.planes[0]) {
        st.frameWidth = st.frameHeight = 0;
        st.textureWidth = st.textureHeight = 0;
    } else {
        bool fresh = false;
        if (!st.packedTexture) {
            gl->glEnable(GL_TEXTURE_2D);
            gl->glUseProgram(0);
            gl->glGenTextures(1, &st.packedTexture);
            fresh = true; // a new texture has no storage yet, whatever the last frame's size
        }
        const int texelsPerLine = record.lineSizes[0] / 4;
        gl->glActiveTexture(GL_TEXTURE0);
        gl->glBindTexture(GL_TEXTURE_2D, st.packedTexture);
        if (fresh || record.width != st.frameWidth || record.height != st.frameHeight
            || st.textureWidth * 4 < record.lineSizes[0]) {
            st.textureWidth = textureSize(texelsPerLine);
            st.textureHeight = textureSize(int(record.height));
            st.frameWidth = record.width;
            st.frameHeight = record.height;
            st.s = float(record.width) / float(st.textureWidth);
            st.t = float(record.height) / float(st.textureHeight);
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            clampToEdge(gl);
            gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, st.textureWidth, st.textureHeight, 0, GL_BGRA,
                             GL_UNSIGNED_BYTE, nullptr);
        }
        gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        const int rows = std::min(int(record.height) + 1, st.textureHeight);
        uploadPlane(gl, record.planes[0], record.lineSizes[0], 4, rows, st.textureWidth, GL_BGRA);
    }
    doneCurrent();
    freeRecord(record);
    frameHandled();
    update();
}

bool QVelVideoShowWidget::buildProgram(QOpenGLFunctions_2_0 *gl)
{
    ViewState &st = *m_state;
    auto compile = [gl](GLenum type, const char *source) -> GLuint {
        GLuint shader = gl->glCreateShader(type);
        gl->glShaderSource(shader, 1, &source, nullptr);
        gl->glCompileShader(shader);
        GLint ok = 0;
        gl->glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
        if (!ok) {
            // The log is read so the driver can release it; nothing reports it.
            char log[512];
            gl->glGetShaderInfoLog(shader, sizeof log, nullptr, log);
            gl->glDeleteShader(shader);
            return 0;
        }
        return shader;
    };
    gl->glEnable(GL_TEXTURE_2D);
    const GLuint vs = compile(GL_VERTEX_SHADER, kVertexShader);
    const GLuint fs = compile(GL_FRAGMENT_SHADER, kFragmentShader);
    if (!vs || !fs) {
        if (vs)
            gl->glDeleteShader(vs);
        if (fs)
            gl->glDeleteShader(fs);
        return false;
    }
    const GLuint program = gl->glCreateProgram();
    gl->glAttachShader(program, vs);
    gl->glAttachShader(program, fs);
    gl->glBindAttribLocation(program, 0, "vPosition");
    gl->glBindAttribLocation(program, 1, "a_texCoord");
    gl->glLinkProgram(program);
    GLint linked = 0;
    gl->glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked) {
        char log[512];
        gl->glGetProgramInfoLog(program, sizeof log, nullptr, log);
        gl->glDeleteProgram(program);
        gl->glDeleteShader(vs);
        gl->glDeleteShader(fs);
        return false;
    }
    st.program = program;
    st.vertexShader = vs;
    st.fragmentShader = fs;
    gl->glUseProgram(program);
    gl->glGenTextures(3, st.yuvTextures);
    return true;
}

void QVelVideoShowWidget::drawYUVImageData()
{
    FrameRecord record;
    if (!takeFrame(record))
        return;
    QOpenGLFunctions_2_0 *gl = functions();
    if (!gl) {
        freeRecord(record);
        frameHandled();
        return;
    }
    makeCurrent();
    ViewState &st = *m_state;
    if (!record.planes[0]) {
        st.frameWidth = st.frameHeight = 0;
        st.textureWidth = st.textureHeight = 0;
    } else {
        if (!st.program)
            buildProgram(gl);
        const int chromaLine = std::max(record.lineSizes[1], record.lineSizes[2]);
        if (st.yuvTextures[0]
            && (record.width != st.frameWidth || record.height != st.frameHeight
                || st.textureWidth < record.lineSizes[0] || st.textureWidth / 2 < chromaLine)) {
            st.textureWidth = textureSize(std::max(record.lineSizes[0], 2 * chromaLine));
            st.textureHeight = textureSize(int(record.height));
            st.frameWidth = record.width;
            st.frameHeight = record.height;
            st.s = float(record.width) / float(st.textureWidth);
            st.t = float(record.height) / float(st.textureHeight);
            gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
            for (int p = 0; p < 3; ++p) {
                const int w = p ? st.textureWidth / 2 : st.textureWidth;
                const int h = p ? st.textureHeight / 2 : st.textureHeight;
                std::vector<unsigned char> fill(size_t(w) * size_t(h), p ? 128 : 16);
                gl->glActiveTexture(GL_TEXTURE0 + p);
                gl->glBindTexture(GL_TEXTURE_2D, st.yuvTextures[p]);
                gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
                gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
                clampToEdge(gl);
                gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, w, h, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                                 fill.data());
            }
        }
        if (st.yuvTextures[0]) {
            const int h2 = int((record.height + 1) & ~1u);
            gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
            for (int p = 0; p < 3; ++p) {
                gl->glActiveTexture(GL_TEXTURE0 + p);
                gl->glBindTexture(GL_TEXTURE_2D, st.yuvTextures[p]);
                const int rows = p ? std::min(h2 / 2 + 1, st.textureHeight / 2) : std::min(h2 + 1, st.textureHeight);
                uploadPlane(gl, record.planes[p], record.lineSizes[p], 1, rows,
                            p ? st.textureWidth / 2 : st.textureWidth, GL_LUMINANCE);
            }
        }
    }
    doneCurrent();
    freeRecord(record);
    frameHandled();
    update();
}

void QVelVideoShowWidget::initializeGL() { makeCurrent(); }

void QVelVideoShowWidget::resizeGL(int w, int h)
{
    makeCurrent();
    if (QOpenGLFunctions_2_0 *gl = functions())
        gl->glViewport(0, 0, w, h);
}

void QVelVideoShowWidget::paintGL()
{
    QOpenGLFunctions_2_0 *gl = functions();
    if (!gl)
        return;
    makeCurrent();
    ViewState &st = *m_state;
    const QColor bg = st.background;
    gl->glClearColor(float(bg.redF()), float(bg.greenF()), float(bg.blueF()), 1.0f);
    gl->glClear(GL_COLOR_BUFFER_BIT);
    if (st.frameWidth && st.frameHeight) {
        if (st.packedTexture) {
            gl->glUseProgram(0);
            // Fixed-function texturing is per unit: only unit 0 may take part.
            for (int unit = 2; unit >= 0; --unit) {
                gl->glActiveTexture(GL_TEXTURE0 + unit);
                if (unit)
                    gl->glDisable(GL_TEXTURE_2D);
            }
            gl->glEnable(GL_TEXTURE_2D);
            gl->glBindTexture(GL_TEXTURE_2D, st.packedTexture);
            gl->glColor4f(1, 1, 1, 1);
            gl->glBegin(GL_QUADS);
            gl->glTexCoord2f(0, 0);
            gl->glVertex2f(-1, 1);
            gl->glTexCoord2f(0, st.t);
            gl->glVertex2f(-1, -1);
            gl->glTexCoord2f(st.s, st.t);
            gl->glVertex2f(1, -1);
            gl->glTexCoord2f(st.s, 0);
            gl->glVertex2f(1, 1);
            gl->glEnd();
        } else if (st.program) {
            static const GLfloat positions[] = {-1, -1, 1, -1, -1, 1, 1, 1};
            const GLfloat coords[] = {0, st.t, st.s, st.t, 0, 0, st.s, 0};
            gl->glUseProgram(st.program);
            gl->glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, positions);
            gl->glEnableVertexAttribArray(0);
            gl->glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 0, coords);
            gl->glEnableVertexAttribArray(1);
            const char *names[] = {"SamplerY", "SamplerU", "SamplerV"};
            for (int p = 0; p < 3; ++p) {
                gl->glActiveTexture(GL_TEXTURE0 + p);
                gl->glBindTexture(GL_TEXTURE_2D, st.yuvTextures[p]);
                gl->glUniform1i(gl->glGetUniformLocation(st.program, names[p]), p);
            }
            gl->glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
            gl->glDisableVertexAttribArray(0);
            gl->glDisableVertexAttribArray(1);
        }
    }
    gl->glFlush();
}

void QVelVideoShowWidget::deleteGlObjects(QOpenGLFunctions_2_0 *gl)
{
    ViewState &st = *m_state;
    if (gl) {
        if (st.packedTexture)
            gl->glDeleteTextures(1, &st.packedTexture);
        for (unsigned int &tex : st.yuvTextures)
            if (tex)
                gl->glDeleteTextures(1, &tex);
        if (st.program)
            gl->glDeleteProgram(st.program);
        if (st.vertexShader)
            gl->glDeleteShader(st.vertexShader);
        if (st.fragmentShader)
            gl->glDeleteShader(st.fragmentShader);
    }
    st.packedTexture = 0;
    std::fill(std::begin(st.yuvTextures), std::end(st.yuvTextures), 0u);
    st.program = st.vertexShader = st.fragmentShader = 0;
}

void QVelVideoShowWidget::reset()
{
    QOpenGLFunctions_2_0 *gl = functions();
    if (gl)
        makeCurrent();
    deleteGlObjects(gl);
    if (gl)
        doneCurrent();
    ViewState &st = *m_state;
    st.frameWidth = st.frameHeight = 0;
    st.textureWidth = st.textureHeight = 0;
    st.s = st.t = 1.0f;
    QMutexLocker lock(&st.mutex);
    for (FrameRecord &r : st.queue)
        freeRecord(r);
    st.queue.clear();
    st.pending = 0;
}
