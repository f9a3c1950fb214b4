#include "QFontLoader.h"
#include "QIAnyUtil.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Fonts resolved before the shipped Tahoma is registered would stay on a fallback.
    QFontLoader::loadApplicationFonts(QIAnyUtil::getResourcePath());
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    app.setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Zededera Raziz Azodor"));
    auto* layout = new QFormLayout(&window);
    const auto addRow = [&](const QString& label, const QString& path) {
        auto* value = new QLabel(path);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addRow(label, value);
    };
    addRow(QStringLiteral("Application folder:"), QIAnyUtil::getApplicationDirPath());
    addRow(QStringLiteral("Resources:"), QIAnyUtil::getResourcePath());
    addRow(QStringLiteral("Application data:"), QIAnyUtil::getAppDataPath());
    addRow(QStringLiteral("Documents:"), QIAnyUtil::getDocumentPath());
    window.show();

    return app.exec();
}
