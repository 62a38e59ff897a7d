#include "runtime/StockImages.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace rt::stock {

namespace {

using Painter = std::function<void(QPainter &, double size)>;

void tile(QPainter &painter, double size, const QColor &color)
{
    QPainterPath path;
    path.addRoundedRect(
        QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88), size * 0.16, size * 0.16);
    QLinearGradient gradient(0, 0, 0, size);
    gradient.setColorAt(0, color.lighter(135));
    gradient.setColorAt(1, color.darker(115));
    painter.fillPath(path, gradient);
    painter.setPen(QPen(color.darker(160), size / 32.0));
    painter.drawPath(path);
}

QPen glyphPen(double size, const QColor &color = Qt::white)
{
    return QPen(color, size / 11.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const std::map<QString, Painter> &painters()
{
    static const std::map<QString, Painter> table = {
        { u"save!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(40, 100, 200));
                painter.fillRect(
                    QRectF(size * 0.28, size * 0.2, size * 0.44, size * 0.26), Qt::white);
                painter.fillRect(QRectF(size * 0.32, size * 0.6, size * 0.36, size * 0.2),
                    QColor(220, 230, 245));
            } },
        { u"close!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(120, 120, 130));
                painter.setPen(glyphPen(size));
                painter.drawLine(
                    QPointF(size * 0.32, size * 0.32), QPointF(size * 0.68, size * 0.68));
                painter.drawLine(
                    QPointF(size * 0.68, size * 0.32), QPointF(size * 0.32, size * 0.68));
            } },
        { u"exit!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(200, 60, 50));
                painter.setPen(glyphPen(size));
                painter.drawArc(
                    QRectF(size * 0.28, size * 0.3, size * 0.44, size * 0.44), 120 * 16, 300 * 16);
                painter.drawLine(QPointF(size * 0.5, size * 0.22), QPointF(size * 0.5, size * 0.5));
            } },
        { u"custom079!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(40, 150, 80));
                painter.setPen(glyphPen(size));
                painter.drawLine(
                    QPointF(size * 0.25, size * 0.5), QPointF(size * 0.68, size * 0.5));
                painter.drawLine(
                    QPointF(size * 0.52, size * 0.34), QPointF(size * 0.7, size * 0.5));
                painter.drawLine(
                    QPointF(size * 0.52, size * 0.66), QPointF(size * 0.7, size * 0.5));
            } },
        { u"runscc!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(230, 140, 30));
                QPolygonF play;
                play << QPointF(size * 0.36, size * 0.28) << QPointF(size * 0.72, size * 0.5)
                     << QPointF(size * 0.36, size * 0.72);
                painter.setBrush(Qt::white);
                painter.setPen(Qt::NoPen);
                painter.drawPolygon(play);
            } },
        { u"fullbuild!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(110, 70, 180));
                painter.setPen(Qt::NoPen);
                painter.setBrush(Qt::white);
                for (int i = 0; i < 3; ++i)
                    painter.drawRect(QRectF(size * (0.26 + i * 0.17), size * (0.58 - i * 0.14),
                        size * 0.13, size * (0.16 + i * 0.14)));
            } },
        { u"properties!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(70, 130, 160));
                painter.setPen(glyphPen(size));
                for (int i = 0; i < 3; ++i)
                    painter.drawLine(QPointF(size * 0.28, size * (0.32 + i * 0.18)),
                        QPointF(size * 0.72, size * (0.32 + i * 0.18)));
            } },
        { u"editobject!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(180, 150, 40));
                painter.setPen(glyphPen(size));
                painter.drawLine(QPointF(size * 0.3, size * 0.7), QPointF(size * 0.7, size * 0.3));
                painter.drawLine(
                    QPointF(size * 0.28, size * 0.74), QPointF(size * 0.4, size * 0.74));
            } },
        { u"appicon!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(20, 120, 190));
                painter.setPen(glyphPen(size));
                painter.drawEllipse(QRectF(size * 0.42, size * 0.18, size * 0.16, size * 0.16));
                painter.drawLine(QPointF(size * 0.5, size * 0.36), QPointF(size * 0.5, size * 0.6));
                painter.drawLine(
                    QPointF(size * 0.3, size * 0.46), QPointF(size * 0.7, size * 0.46));
                painter.drawLine(QPointF(size * 0.5, size * 0.6), QPointF(size * 0.36, size * 0.8));
                painter.drawLine(QPointF(size * 0.5, size * 0.6), QPointF(size * 0.64, size * 0.8));
            } },
        { u"form!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(90, 150, 90));
                painter.setPen(QPen(Qt::white, size / 16.0));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(QRectF(size * 0.26, size * 0.26, size * 0.48, size * 0.48));
                painter.drawLine(
                    QPointF(size * 0.26, size * 0.38), QPointF(size * 0.74, size * 0.38));
            } },
        { u"olegenreg!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(160, 60, 120));
                painter.setPen(glyphPen(size));
                painter.drawEllipse(QRectF(size * 0.28, size * 0.28, size * 0.44, size * 0.44));
                painter.drawPoint(QPointF(size * 0.5, size * 0.5));
            } },
        { u"hyperlink!"_s,
            [](QPainter &painter, double size) {
                tile(painter, size, QColor(30, 90, 200));
                painter.setPen(glyphPen(size));
                painter.drawArc(
                    QRectF(size * 0.2, size * 0.38, size * 0.34, size * 0.24), 90 * 16, 180 * 16);
                painter.drawArc(
                    QRectF(size * 0.46, size * 0.38, size * 0.34, size * 0.24), -90 * 16, 180 * 16);
                painter.drawLine(
                    QPointF(size * 0.38, size * 0.5), QPointF(size * 0.62, size * 0.5));
            } },
        { u"arrow!"_s,
            [](QPainter &painter, double size) {
                QPolygonF arrow;
                arrow << QPointF(size * 0.2, size * 0.1) << QPointF(size * 0.2, size * 0.85)
                      << QPointF(size * 0.4, size * 0.65) << QPointF(size * 0.7, size * 0.65);
                painter.setBrush(Qt::white);
                painter.setPen(QPen(Qt::black, size / 20.0));
                painter.drawPolygon(arrow);
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
