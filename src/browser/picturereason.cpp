#include "picturereason.h"

#include <QVBoxLayout>

PictureReasonLabel::PictureReasonLabel(QWidget* preview)
    : QLabel(preview)
    , m_preview(preview)
{
    setObjectName(QStringLiteral("PictureReason"));
    setAccessibleName(tr("Why the picture cannot be used"));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Light on the preview's dark grey, whatever the desktop theme.
    QPalette light = palette();
    light.setColor(QPalette::WindowText, Qt::white);
    setPalette(light);
    // A layout keeps the line inside the preview however the window is sized.
    auto* layout = new QVBoxLayout(preview);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addStretch();
    layout->addWidget(this);
    hide();
}

void PictureReasonLabel::showReason(const QString& reason)
{
    setText(reason);
    m_preview->setAccessibleDescription(reason);
    setVisible(!reason.isEmpty());
}

void PictureReasonLabel::clearReason()
{
    showReason(QString());
}
