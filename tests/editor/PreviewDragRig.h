#pragma once
// The preview form's pieces for the drag tests, over the real player: a shown
// host, the 640 x 360 picture surface at its top-left and the frame above it
// that takes the mouse, wired to the player's handlers as the form wires them.

#include "EditorMouse.h"
#include "PreviewMedia.h"
#include "QMediaBorderFrame.h"
#include "QMediaElementWindow.h"
#include "VelPlayerManager.h"
#include "zovAruzIvivu.h"

#include <QTest>

#include <memory>

struct PreviewDragRig
{
    // The player's handlers the frame feeds: the crop box's on the original
    // picture, or the watermark's on the edited one.
    enum Handlers { Crop, Watermark };

    // The codec library as the preview player needs it; the picture to drag on.
    static QString prepareMedia()
    {
        ZV_Initialize_Library(1, 0);
        const int32_t formats[2] = {0, 30};
        ZV_SetFrameFormats_Library(formats, 2);
        return PreviewMedia::video640();
    }

    // Press, half the way, the whole way and release.
    static void drag(QWidget* frame, QPoint from, QPoint offset)
    {
        EditorMouse::press(frame, from);
        EditorMouse::move(frame, from + offset / 2, Qt::LeftButton);
        EditorMouse::move(frame, from + offset, Qt::LeftButton);
        EditorMouse::release(frame, from + offset);
    }

    // False when the host never showed; the player is made only after it has.
    bool build(QSize hostSize, Handlers handlers)
    {
        host.reset(new QWidget);
        host->resize(hostSize);
        surface = new QMediaElementWindow(host.get());
        frame = new QMediaBorderFrame(host.get());
        surface->setGeometry(0, 0, 640, 360);
        frame->setGeometry(surface->geometry());
        host->show();
        if (!QTest::qWaitForWindowExposed(host.get()))
            return false;
        player.reset(new VelPlayerManager);
        VelPlayerManager* p = player.get();
        // Frame positions are surface positions.
        if (handlers == Crop) {
            p->setMediaOriginalWindow(surface);
            QObject::connect(frame, SIGNAL(emitMousePressEvent(QMouseEvent*)), p, SLOT(mousePressEvent(QMouseEvent*)));
            QObject::connect(frame, SIGNAL(emitMouseMoveEvent(QMouseEvent*)), p, SLOT(mouseMoveEvent(QMouseEvent*)));
            QObject::connect(frame, SIGNAL(emitMouseReleaseEvent(QMouseEvent*)), p,
                             SLOT(mouseReleaseEvent(QMouseEvent*)));
        } else {
            p->setMediaPreviewWindow(surface);
            QObject::connect(frame, SIGNAL(emitMousePressEvent(QMouseEvent*)), p,
                             SLOT(mouseWatermarkPressEvent(QMouseEvent*)));
            QObject::connect(frame, SIGNAL(emitMouseMoveEvent(QMouseEvent*)), p,
                             SLOT(mouseWatermarkMoveEvent(QMouseEvent*)));
            QObject::connect(frame, SIGNAL(emitMouseReleaseEvent(QMouseEvent*)), p,
                             SLOT(mouseWatermarkReleaseEvent(QMouseEvent*)));
        }
        return true;
    }

    void reset()
    {
        player.reset();
        host.reset();
    }

    std::unique_ptr<QWidget> host;
    QMediaElementWindow* surface = nullptr;
    QMediaBorderFrame* frame = nullptr;
    std::unique_ptr<VelPlayerManager> player;
};
