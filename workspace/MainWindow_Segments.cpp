// Where the main window meets the segment list. Until the segment manager
// stands in the segment area (m_cutManageArea) these hooks have nobody to
// tell; the item manager alone holds the segments.
#include "MainWindow.h"

#include "VelVideoConvertItem.h"

QObject *MainWindow::segmentManager() const { return nullptr; }

void MainWindow::segmentsClear() {}

void MainWindow::segmentsAdd(VelVideoConvertItem *) {}

void MainWindow::segmentsShow(bool) {}
