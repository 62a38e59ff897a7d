#pragma once

#include <QProxyStyle>

class QGroupBox;

namespace rt {

// Draws a group box's caption within the height of its declared font, at
// the top of the box: the baseline at the declared face's ascent, whatever
// taller face (the Chinese fallback) draws some of its glyphs. The window
// system's style would lay the caption out in the tallest face's line and a
// pixel lower, so that it reached into the controls that the layouts place
// just below a caption. Everything else is the application's style.
class GroupBoxCaptionStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // The one instance, for every group box of the program's windows; it
    // lives as long as the application object.
    static GroupBoxCaptionStyle *instance();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
        SubControl subControl, const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget = nullptr) const override;

private:
    explicit GroupBoxCaptionStyle(QStyle *base);
};

} // namespace rt
