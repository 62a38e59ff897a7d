#pragma once

#include <QPushButton>

namespace controls {

// The inner push button of the picture command button. With a picture at
// its left, the caption starts a fixed distance after the picture instead
// of being centred: a centred caption would start further left the wider
// it is, and a wide one (a full-width "（", say) would run into the
// picture. The caption's leading blanks, which make room for the picture,
// are not drawn.
class PictureButtonFace : public QPushButton
{
    Q_OBJECT

public:
    explicit PictureButtonFace(QWidget *parent = nullptr);

    // Where the caption starts, in pixels from the left; -1 centres it as a
    // plain push button does.
    void setCaptionLeft(int pixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_captionLeft = -1;
};

} // namespace controls
