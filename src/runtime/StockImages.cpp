#include "runtime/StockImages.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace rt::stock {

namespace {

using Painter = std::function<void(QPainter &, double s)>;

void tile(QPainter &p, double s, const QColor &color)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88), s * 0.16, s * 0.16);
    QLinearGradient gradient(0, 0, 0, s);
    gradient.setColorAt(0, color.lighter(135));
    gradient.setColorAt(1, color.darker(115));
    p.fillPath(path, gradient);
    p.setPen(QPen(color.darker(160), s / 32.0));
    p.drawPath(path);
}

QPen glyphPen(double s, const QColor &color = Qt::white)
{
    return QPen(color, s / 11.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const std::map<QString, Painter> &painters()
{
    static const std::map<QString, Painter> table = {
        { u"save!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(40, 100, 200));
                p.fillRect(QRectF(s * 0.28, s * 0.2, s * 0.44, s * 0.26), Qt::white);
                p.fillRect(QRectF(s * 0.32, s * 0.6, s * 0.36, s * 0.2), QColor(220, 230, 245));
            } },
        { u"close!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(120, 120, 130));
                p.setPen(glyphPen(s));
                p.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
                p.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
            } },
        { u"exit!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(200, 60, 50));
                p.setPen(glyphPen(s));
                p.drawArc(QRectF(s * 0.28, s * 0.3, s * 0.44, s * 0.44), 120 * 16, 300 * 16);
                p.drawLine(QPointF(s * 0.5, s * 0.22), QPointF(s * 0.5, s * 0.5));
            } },
        { u"custom079!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(40, 150, 80));
                p.setPen(glyphPen(s));
                p.drawLine(QPointF(s * 0.25, s * 0.5), QPointF(s * 0.68, s * 0.5));
                p.drawLine(QPointF(s * 0.52, s * 0.34), QPointF(s * 0.7, s * 0.5));
                p.drawLine(QPointF(s * 0.52, s * 0.66), QPointF(s * 0.7, s * 0.5));
            } },
        { u"runscc!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(230, 140, 30));
                QPolygonF play;
                play << QPointF(s * 0.36, s * 0.28) << QPointF(s * 0.72, s * 0.5)
                     << QPointF(s * 0.36, s * 0.72);
                p.setBrush(Qt::white);
                p.setPen(Qt::NoPen);
                p.drawPolygon(play);
            } },
        { u"fullbuild!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(110, 70, 180));
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                for (int i = 0; i < 3; ++i)
                    p.drawRect(QRectF(s * (0.26 + i * 0.17), s * (0.58 - i * 0.14), s * 0.13,
                        s * (0.16 + i * 0.14)));
            } },
        { u"properties!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(70, 130, 160));
                p.setPen(glyphPen(s));
                for (int i = 0; i < 3; ++i)
                    p.drawLine(QPointF(s * 0.28, s * (0.32 + i * 0.18)),
                        QPointF(s * 0.72, s * (0.32 + i * 0.18)));
            } },
        { u"editobject!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(180, 150, 40));
                p.setPen(glyphPen(s));
                p.drawLine(QPointF(s * 0.3, s * 0.7), QPointF(s * 0.7, s * 0.3));
                p.drawLine(QPointF(s * 0.28, s * 0.74), QPointF(s * 0.4, s * 0.74));
            } },
        { u"appicon!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(20, 120, 190));
                p.setPen(glyphPen(s));
                p.drawEllipse(QRectF(s * 0.42, s * 0.18, s * 0.16, s * 0.16));
                p.drawLine(QPointF(s * 0.5, s * 0.36), QPointF(s * 0.5, s * 0.6));
                p.drawLine(QPointF(s * 0.3, s * 0.46), QPointF(s * 0.7, s * 0.46));
                p.drawLine(QPointF(s * 0.5, s * 0.6), QPointF(s * 0.36, s * 0.8));
                p.drawLine(QPointF(s * 0.5, s * 0.6), QPointF(s * 0.64, s * 0.8));
            } },
        { u"form!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(90, 150, 90));
                p.setPen(QPen(Qt::white, s / 16.0));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(s * 0.26, s * 0.26, s * 0.48, s * 0.48));
                p.drawLine(QPointF(s * 0.26, s * 0.38), QPointF(s * 0.74, s * 0.38));
            } },
        { u"olegenreg!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(160, 60, 120));
                p.setPen(glyphPen(s));
                p.drawEllipse(QRectF(s * 0.28, s * 0.28, s * 0.44, s * 0.44));
                p.drawPoint(QPointF(s * 0.5, s * 0.5));
            } },
        { u"hyperlink!"_s,
            [](QPainter &p, double s) {
                tile(p, s, QColor(30, 90, 200));
                p.setPen(glyphPen(s));
                p.drawArc(QRectF(s * 0.2, s * 0.38, s * 0.34, s * 0.24), 90 * 16, 180 * 16);
                p.drawArc(QRectF(s * 0.46, s * 0.38, s * 0.34, s * 0.24), -90 * 16, 180 * 16);
                p.drawLine(QPointF(s * 0.38, s * 0.5), QPointF(s * 0.62, s * 0.5));
            } },
        { u"arrow!"_s,
            [](QPainter &p, double s) {
                QPolygonF arrow;
                arrow << QPointF(s * 0.2, s * 0.1) << QPointF(s * 0.2, s * 0.85)
                      << QPointF(s * 0.4, s * 0.65) << QPointF(s * 0.7, s * 0.65);
                p.setBrush(Qt::white);
                p.setPen(QPen(Qt::black, s / 20.0));
                p.drawPolygon(arrow);
            } },
    };
    return table;
}

} // namespace

bool isStockName(const QString &name)
{
    return painters().count(name.toLower()) != 0;
}

QPixmap picture(const QString &name, int size)
{
    const auto it = painters().find(name.toLower());
    if (it == painters().end() || size <= 0)
        return {};
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    it->second(painter, size);
    return pixmap;
}

QPixmap pictureOrResource(const QString &name, int size)
{
    if (isStockName(name))
        return picture(name, size);
    QPixmap pixmap(name);
    if (pixmap.isNull())
        return {};
    return pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon icon(const QString &name)
{
    QIcon result;
    for (int size : { 16, 24, 32, 48 })
        result.addPixmap(picture(name, size));
    return result;
}

QCursor pointer(const QString &name)
{
    if (name.compare(u"HyperLink!"_s, Qt::CaseInsensitive) == 0)
        return QCursor(Qt::PointingHandCursor);
    return QCursor(Qt::ArrowCursor);
}

} // namespace rt::stock
