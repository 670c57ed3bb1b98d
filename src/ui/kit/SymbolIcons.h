#pragma once
// The small symbols the interface names ("checkmark", "drop.fill", …), drawn
// as painter paths of our own so they scale crisply and take any colour.
#include <QColor>
#include <QIcon>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace sorbeta {

enum class SymbolWeight { regular, semibold, bold, heavy };

bool hasSymbol(const QString& name);

// The symbol as one fill path fitted into rect (aspect kept, centred); empty
// for an unknown name.
QPainterPath symbolPath(const QString& name, const QRectF& rect, SymbolWeight weight = SymbolWeight::regular);

void paintSymbol(QPainter& painter, const QString& name, const QRectF& rect, const QColor& color,
                 SymbolWeight weight = SymbolWeight::regular);

// The symbol as an icon of the given side, for buttons and menus.
QIcon symbolIcon(const QString& name, const QColor& color, int side = 16, SymbolWeight weight = SymbolWeight::regular);

}  // namespace sorbeta
