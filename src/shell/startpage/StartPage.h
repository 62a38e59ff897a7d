#pragma once

#include "shell/startpage/StartPageDefinition.h"

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

namespace shell {

class w_main1;

// The frame's start page (objectName "dw_main"): draws the objects of
// d_start, raises the picture under the pointer and, on a click on the
// raised picture, opens what the picture's tag names.
class StartPage : public QWidget
{
    Q_OBJECT

public:
    StartPage(w_main1 *frame, QWidget *parent);

    // The lower-case name of the visible object under `pos` (page pixels),
    // empty over empty page area. Hidden objects take no part.
    QString objectAt(const QPoint &pos) const;

    // An object's box in page pixels; an empty rectangle for no object.
    QRect objectRect(const QString &name) const;

    // The object's tag: "!" for a name that is no object, "?" for an
    // object without a tag.
    QString objectTag(const QString &name) const;
    // "bitmap" for pictures, "text" for texts, "!" for no object.
    QString objectType(const QString &name) const;

    // 0 none, 5 lowered, 6 raised; -1 for no object.
    int border(const QString &name) const;
    // False (and nothing changed) for no object or an unknown code.
    bool setBorder(const QString &name, int code);

    // The value of `key` in the tag of the object `name`, or `defaultValue`.
    QString of_gettagstring(
        const QString &name, const QString &key, const QString &defaultValue) const;

    // The click rule: acts only on the raised picture.
    void ue_run();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Item
    {
        rt::ControlDecl object;
        QRect rect; // page pixels
        QPixmap pixmap;
        int border = shell::startpage::kBorderNone;
    };

    const Item *find(const QString &name) const;
    Item *find(const QString &name);
    void hover(const QPoint &pos);

    w_main1 *m_frame;
    std::vector<Item> m_items;
    QPoint m_lastPointer;
};

} // namespace shell
