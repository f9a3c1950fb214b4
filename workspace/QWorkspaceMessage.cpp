#include "QWorkspaceMessage.h"

#include "QVelMessageBox.h"

namespace {
const QString kTitle = QStringLiteral("Zededera Raziz Azodor");
}

void QWorkspaceMessage::error(QWidget *parent, const QString &text)
{
    QVelMessageBox::ShowMessage(parent, text, kTitle, QVelMessageBox::Error, QVelMessageBox::OkButton);
}

void QWorkspaceMessage::warning(QWidget *parent, const QString &text)
{
    QVelMessageBox::ShowMessage(parent, text, kTitle, QVelMessageBox::Warning, QVelMessageBox::OkButton);
}
