#pragma once

#include <QWidget>
#include <functional>

// A window's client area whose controls are placed by a function of its size: the designed
// positions are the smallest layout, and a larger window spreads and grows the controls.
class ResizingArea : public QWidget
{
    Q_OBJECT
public:
    using Placement = std::function<void(QSize)>;
    ResizingArea(QSize designSize, QWidget* parent);
    void setPlacement(Placement placement);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Placement m_placement;
};
