#pragma once

#include <QLabel>

// The line over the foot of the browser's preview that says why a picture cannot be used, in the
// words of the command line; hidden while the preview shows a usable picture. Assistive tools
// read it as the preview's description too.
class PictureReasonLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PictureReasonLabel(QWidget* preview);

    void showReason(const QString& reason);
    void clearReason();

private:
    QWidget* m_preview;
};
