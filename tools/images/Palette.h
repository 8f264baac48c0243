#pragma once

#include <QColor>

// The colours every image of the set is drawn from, so that the set reads as one family.
namespace palette {
inline const QColor tint{146, 128, 91};
inline const QColor tintDark{108, 93, 62};
inline const QColor tintLight{196, 181, 146};
inline const QColor cream{254, 253, 189};
inline const QColor paper{250, 247, 236};
inline const QColor paperShade{238, 231, 211};
inline const QColor line{201, 190, 160};
inline const QColor brown{92, 62, 24};
inline const QColor brownDark{58, 38, 12};
inline const QColor gold{240, 214, 128};
inline const QColor goldDeep{216, 178, 74};
inline const QColor green{58, 150, 72};
inline const QColor red{204, 52, 43};
} // namespace palette
